#include "rules/setup.h"

#include <algorithm>

#include "record/move_list.h"
#include "rules/moves.h"
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
  g.main_sign = -1;
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

// The main army is first set up in the other nation's line-up; the exchange
// that follows turns it into the chosen one, pawn row included.
void place_other_nation(Board& board, bool nippon) {
  static constexpr int JAPANESE_BACK_RANK[10] = {EMPTY, KYOU, UMA, GIN, TUKAE, OU, TUKAE, GIN, UMA, KYOU};
  static constexpr int KOREAN_BACK_RANK[10] = {EMPTY, KURUMA, KEI, ZOU, KIN, SYOU, KIN, ZOU, KEI, KURUMA};
  board(2, 8) = nippon ? -KAKU : -HOU;
  board(8, 8) = nippon ? -HOU : -SYA;
  for (int x = 1; x <= 9; ++x) board(x, 9) = -(nippon ? KOREAN_BACK_RANK[x] : JAPANESE_BACK_RANK[x]);
}

void place_pawn_rows(Board& board) {
  for (int x = 2; x <= 9; ++x) board(x, 2) = +PORN;
  for (int x = 1; x <= 9; ++x) board(x, 7) = (x % 2 == 1) ? -HU : -HEISI;
}

void place_chess_back_rank(Board& board) {
  static constexpr int CHESS_BACK_RANK[10] = {EMPTY, EMPTY, ROOK, KNIG, BISH, QEEN, KING, BISH, KNIG, ROOK};
  for (int x = 2; x <= 9; ++x) board(x, 1) = +CHESS_BACK_RANK[x];
}

// The counterpart of a main-army kind in the other nation; any other kind
// (promoted shogi kinds, chess pieces) stays as it is.
int counterpart_kind(int kind, bool nippon) {
  switch (kind) {
    case SYOU: return OU;
    case OU: return SYOU;
    case TUKAE: return KIN;
    case KIN: return TUKAE;
    case GIN: return ZOU;
    case ZOU: return GIN;
    case KURUMA: return KYOU;
    case KYOU: return KURUMA;
    case UMA: return KEI;
    case KEI: return UMA;
    case HU: return HEISI;
    case HEISI: return HU;
    case KAKU:
    case SYA: return HOU;
    case HOU: return nippon ? KAKU : SYA;
    default: return kind;
  }
}

// Every square is decided from the copy, so no piece is exchanged twice.
void exchange_main_army(Board& board, bool nippon) {
  const Board before = board;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const int c = before(x, y);
      if (!is_piece(c)) continue;
      board(x, y) = sign_of(c) * counterpart_kind(kind_of(c), nippon);
    }
  }
}

}  // namespace

void 初期設定(Game& g) {
  reset_match_state(g);
  g.hand_own.fill(0);
  g.hand_enemy.fill(0);
  g.board = starting_board(g.menu.NIPPON);
  調査_2歩フラグ設定(g);
  描画_盤(g);
  g.hand_own_total = 0;
  g.hand_enemy_total = 0;

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

Board starting_board(bool nippon) {
  Board board;
  place_pawn_rows(board);
  place_other_nation(board, nippon);
  exchange_main_army(board, nippon);
  place_chess_back_rank(board);
  return board;
}

void switch_main_army(Game& g) {
  初期設定_自駒配置(g);
  const int last = std::max(g.history.record_length, g.move_number);
  for (int n = 0; n <= last; ++n) exchange_main_army(g.history.slot(n).board, g.menu.NIPPON);
}

}  // namespace velmora
