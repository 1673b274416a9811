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
  g.com.move_counter = 0;
  g.board_flipped = false;
  g.clock.timer1_enabled = false;
  g.clock.clock_own_total = 0;
  g.clock.clock_enemy_total = 0;
  g.clock.shown_second = 0;
  g.clock.left_turn_elapsed = -1;
  g.resume_pending = false;
  g.record_mode = false;
  g.pos.history.slot(0).move_code = HU;
  g.sel.selection_state = false;
  g.view.shown = ShownTexts{};
  g.timing.match = g.assist.time_controls;  // a new game is played under the controls chosen now
  g.timing.time_out_due = false;
}

}  // namespace

void 初期設定(Game& g) {
  reset_match_state(g);
  set_up_new_game(g.pos, g.menu.NIPPON);
  描画_盤(g);

  // Moves kept in the list for stepping through them again stand the way up
  // of the new game, the main army at the bottom, and keep the start they
  // were played from; the first move of the new game writes its own start.
  if (g.pos.history.turned) turn_move_list(g.pos.history);
  if (g.pos.history.record_length == 0) {
    HistorySlot& start = g.pos.history.slot(0);
    start.board = g.pos.board;
    start.hand_own = g.pos.hand_own;
    start.hand_enemy = g.pos.hand_enemy;
  }

  画面_再描画(g);
}

void 初期設定_自駒配置(Game& g) {
  exchange_main_army(g.pos.board, g.menu.NIPPON);
  調査_2歩フラグ設定(g.pos);  // HU and HEISI change places
  描画_盤(g);
}

void switch_main_army(Game& g) {
  if (g.record_mode) return;  // a record on show stays as it was played
  初期設定_自駒配置(g);
  const int last = std::max(g.pos.history.record_length, g.pos.move_number);
  for (int n = 0; n <= last; ++n) exchange_main_army(g.pos.history.slot(n).board, g.menu.NIPPON);
  g.pos.history.match_ended = false;  // the list no longer shows the pieces the match was played with
}

}  // namespace velmora
