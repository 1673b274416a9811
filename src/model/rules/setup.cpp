#include "rules/setup.h"

namespace velmora {
namespace {

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
  const PieceKind& row = PIECE_KINDS[kind];
  return nippon ? row.under_nippon : row.under_korea;
}

}  // namespace

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

Board starting_board(bool nippon) {
  Board board;
  place_pawn_rows(board);
  place_other_nation(board, nippon);
  exchange_main_army(board, nippon);
  place_chess_back_rank(board);
  return board;
}

void set_up_new_game(Position& pos, bool nippon) {
  pos.board = starting_board(nippon);
  pos.hand_own.fill(0);
  pos.hand_enemy.fill(0);
  pos.chess_sign = +1;
  pos.turn = 0;
  pos.move_number = 0;
  pos.king_taken = 0;
  pos.refresh_two_pawn_flags();
}

}  // namespace velmora
