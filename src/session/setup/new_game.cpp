#include "setup/new_game.h"

#include <algorithm>

#include "rules/move_list.h"
#include "rules/moves.h"
#include "rules/setup.h"
#include "view/board_view.h"

namespace velmora {
namespace {

// The match state of a game that has not started, in every subsystem.
void reset_match_state(Game& g) {
  g.com.handicap_grade = 0;
  g.com.handicap_set = 0;
  g.game_mode = MODE_MAN;
  g.king_taken = 0;
  g.turn = 0;
  g.chess_sign = +1;
  g.move_number = 0;
  g.com.move_counter = 0;
  g.board_flipped = 0;
  g.clock.timer1_enabled = false;
  g.clock.clock_own_total = 0;
  g.clock.clock_enemy_total = 0;
  g.clock.shown_second = 0;
  g.resume_pending = 0;
  g.record_mode = 0;
  g.history.slot(0).move_code = HU;
  g.sel.selection_state = 0;
  g.view.shown = ShownTexts{};
}

}  // namespace

void 初期設定(Game& g) {
  reset_match_state(g);
  g.hand_own.fill(0);
  g.hand_enemy.fill(0);
  g.board = starting_board(g.menu.NIPPON);
  調査_2歩フラグ設定(g);
  描画_盤(g);

  // Moves kept in the list for stepping through them again stand the way up
  // of the new game, the main army at the bottom.
  if (g.history.turned) turn_move_list(g.history);
  HistorySlot& start = g.history.slot(0);
  start.board = g.board;
  start.hand_own = g.hand_own;
  start.hand_enemy = g.hand_enemy;

  画面_再描画(g);
}

void 初期設定_自駒配置(Game& g) {
  exchange_main_army(g.board, g.menu.NIPPON);
  調査_2歩フラグ設定(g);  // HU and HEISI change places
  描画_盤(g);
}

void switch_main_army(Game& g) {
  初期設定_自駒配置(g);
  const int last = std::max(g.history.record_length, g.move_number);
  for (int n = 0; n <= last; ++n) exchange_main_army(g.history.slot(n).board, g.menu.NIPPON);
  g.history.match_ended = false;  // the list no longer shows the pieces the match was played with
}

}  // namespace velmora
