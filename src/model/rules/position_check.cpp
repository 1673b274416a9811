#include "rules/position_check.h"

#include <algorithm>
#include <array>
#include <sstream>

#include "rules/setup.h"

namespace velmora {
namespace {

constexpr int CHESS_LINE_UP = 16;
constexpr int MAIN_LINE_UP = 20;

template <class... Parts>
Failure<PositionFault> fault(const Parts&... parts) {
  std::ostringstream text;
  (text << ... << parts);
  return Failure{PositionFault{text.str()}};
}

PositionCheck board_check(const Board& board) {
  for (int x = 0; x <= BOARD_SIZE; ++x)
    for (int y = 0; y <= BOARD_SIZE; ++y) {
      const int code = board(x, y);
      if (code == EMPTY || (on_board(x, y) && is_piece(code))) continue;
      return fault("code ", code, " on (", x, ",", y, ")");
    }
  return {};
}

PositionCheck hand_check(const Hand& hand, const char* name) {
  if (hand[0] != 0) return fault(name, " holds ", hand[0], " under index 0");
  for (int i = 1; i < HAND_SIZE; ++i)
    if (hand[i] < 0) return fault(name, "(", i, ") is ", hand[i]);
  return {};
}

PositionCheck two_pawn_flag_check(const Position& pos) {
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    int own = 0, enemy = 0;
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      own |= pos.board(x, y) == -HU ? 1 : 0;
      enemy |= pos.board(x, y) == +HU ? 1 : 0;
    }
    if (pos.hu_column_own()[x] != own || pos.hu_column_enemy()[x] != enemy)
      return fault("the two-pawn flags of column ", x, " do not match the board");
  }
  return {};
}

PositionCheck sign_check(const Position& pos) {
  if (pos.chess_sign != 1 && pos.chess_sign != -1) return fault("chess_sign is ", pos.chess_sign);
  if (pos.turn < -1 || pos.turn > 1) return fault("turn is ", pos.turn);
  if (pos.king_taken != 0 && pos.king_taken != pos.chess_sign && pos.king_taken != pos.main_sign())
    return fault("king_taken is ", pos.king_taken);
  return {};
}

// The kings on the board of the side with sign `side`, and whether one of
// them belongs to the chess army.
struct SideKings {
  int count = 0;
  bool chess = false;
};

SideKings kings_of(const Board& board, int side) {
  SideKings kings;
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y)
      if (sign_of(board(x, y)) == side && is_king_kind(kind_of(board(x, y)))) {
        ++kings.count;
        kings.chess |= is_chess_kind(kind_of(board(x, y)));
      }
  return kings;
}

// The side whose king was taken (0: none).
int side_of_taken_king(const Position& pos) {
  if (pos.king_taken == 0) return 0;
  return pos.king_taken == pos.chess_sign ? +1 : -1;
}

// A king is never taken into a hand, so each army's king stays on its side.
PositionCheck king_check(const Position& pos) {
  const int taken = side_of_taken_king(pos);
  for (const int side : {-1, +1}) {
    const SideKings kings = kings_of(pos.board, side);
    const int expected = side == taken ? 0 : 1;
    if (kings.count != expected) return fault("the side of sign ", side, " has ", kings.count, " kings on the board");
    if (kings.count == 1 && kings.chess != (side == pos.chess_sign))
      return fault("the side of sign ", side, " has the other army's king");
  }
  return {};
}

struct ArmyCounts {
  int chess = 0;
  int main = 0;
  void add(int kind, int count) { (is_chess_kind(kind) ? chess : main) += count; }
};

ArmyCounts count_armies(const Position& pos) {
  ArmyCounts counts;
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y)
      if (pos.board(x, y) != EMPTY) counts.add(kind_of(pos.board(x, y)), 1);
  for (int i = 1; i < HAND_SIZE; ++i) counts.add(HAND_KINDS[i], pos.hand_own[i] + pos.hand_enemy[i]);
  return counts;
}

PositionCheck army_total_check(const Position& pos) {
  const int taken = side_of_taken_king(pos);
  const ArmyCounts counts = count_armies(pos);
  const bool chess_king_taken = taken != 0 && taken == pos.chess_sign;
  const int chess_expected = CHESS_LINE_UP - (chess_king_taken ? 1 : 0);
  const int main_expected = MAIN_LINE_UP - (taken != 0 && !chess_king_taken ? 1 : 0);
  if (counts.chess != chess_expected || counts.main != main_expected)
    return fault("board and hands hold ", counts.chess, " chess pieces and ", counts.main,
                 " main-army pieces instead of ", chess_expected, " and ", main_expected);
  return {};
}

using KindTable = std::array<int, KIND_COUNT + 1>;

// The kind each kind is counted under: the least of those it can turn into
// or come from, joined through its hand kind (a promoted shogi piece goes to
// a hand unpromoted) and its counterparts of the two nations (a switch of
// the leading nation exchanges them, 角 and 飛 both becoming 砲), until
// nothing changes. A chess pawn's promotion is counted apart.
constexpr KindTable counted_kinds() {
  KindTable counted{};
  for (int kind = 0; kind <= KIND_COUNT; ++kind) counted[kind] = kind;
  for (bool changed = true; changed;) {
    changed = false;
    for (int kind = 1; kind <= KIND_COUNT; ++kind) {
      const PieceKind& row = PIECE_KINDS[kind];
      for (const int other : {HAND_KINDS[row.hand_index], int{row.under_nippon}, int{row.under_korea}}) {
        if (other == EMPTY) continue;
        const int least = std::min(counted[kind], counted[other]);
        if (counted[kind] == least && counted[other] == least) continue;
        counted[kind] = counted[other] = least;
        changed = true;
      }
    }
  }
  return counted;
}

constexpr KindTable COUNTED_KIND = counted_kinds();

// Pieces on board and in the hands per counted kind, both sides together.
KindTable count_kinds(const Board& board, const Hand& hand_own, const Hand& hand_enemy) {
  KindTable counts{};
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y)
      if (board(x, y) != EMPTY) ++counts[COUNTED_KIND[kind_of(board(x, y))]];
  for (int i = 1; i < HAND_SIZE; ++i) counts[COUNTED_KIND[HAND_KINDS[i]]] += hand_own[i] + hand_enemy[i];
  return counts;
}

// No main-army kind outnumbers the line-up; the chess pawns and the pieces
// beyond the chess line-up's own, which only a pawn's promotion makes, are
// at most the line-up's pawns.
PositionCheck kind_count_check(const Position& pos) {
  static const KindTable LINE_UP = count_kinds(starting_board(true), Hand{}, Hand{});
  const KindTable counts = count_kinds(pos.board, pos.hand_own, pos.hand_enemy);
  int promoted = 0;
  for (int kind = 1; kind <= KIND_COUNT; ++kind) {
    if (COUNTED_KIND[kind] != kind || kind == PORN) continue;
    const int beyond = counts[kind] - LINE_UP[kind];
    if (is_chess_kind(kind)) promoted += std::max(beyond, 0);
    if (!is_chess_kind(kind) && beyond > 0)
      return fault("board and hands hold ", counts[kind], " pieces counted as ", PIECE_KINDS[kind].picture,
                   " where the line-up has ", LINE_UP[kind]);
  }
  if (counts[PORN] + promoted > LINE_UP[PORN])
    return fault("board and hands hold ", counts[PORN], " chess pawns and ", promoted,
                 " pieces promoted from them, more than the line-up's ", LINE_UP[PORN], " pawns");
  return {};
}

// A piece may stand where it would have a move left, or where a counterpart
// that a switch of the leading nation turned into it would (a 卒 on the far
// row becomes a 歩 there).
bool may_stand_on_row(int code, int y) {
  const PieceKind& row = piece_kind(kind_of(code));
  const int side = sign_of(code);
  return !stuck_on_row(code, y) || !stuck_on_row(side * row.under_nippon, y) ||
         !stuck_on_row(side * row.under_korea, y);
}

PositionCheck row_check(const Board& board) {
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y)
      if (board(x, y) != EMPTY && !may_stand_on_row(board(x, y), y))
        return fault("the piece ", board(x, y), " on (", x, ",", y, ") may not stand on that row");
  return {};
}

}  // namespace

PositionCheck check_line_up(const Position& pos) {
  if (auto checked = king_check(pos); !checked) return checked;
  if (auto checked = army_total_check(pos); !checked) return checked;
  return check_line_up_with_pieces_off(pos);
}

PositionCheck check_line_up_with_pieces_off(const Position& pos) {
  if (auto checked = king_check(pos); !checked) return checked;
  if (auto checked = kind_count_check(pos); !checked) return checked;
  return row_check(pos.board);
}

PositionCheck Position::check() const {
  const Position& pos = *this;
  if (auto checked = board_check(pos.board); !checked) return checked;
  if (auto checked = hand_check(pos.hand_own, "hand_own"); !checked) return checked;
  if (auto checked = hand_check(pos.hand_enemy, "hand_enemy"); !checked) return checked;
  if (auto checked = two_pawn_flag_check(pos); !checked) return checked;
  return sign_check(pos);
}

}  // namespace velmora
