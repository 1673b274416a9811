#include "rules/position_check.h"

#include <sstream>

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

// Kings on the board of the side with sign `side`.
int kings_of(const Board& board, int side) {
  int count = 0;
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y)
      if (sign_of(board(x, y)) == side && is_king_kind(kind_of(board(x, y)))) ++count;
  return count;
}

// The side whose king was taken (0: none).
int side_of_taken_king(const Position& pos) {
  if (pos.king_taken == 0) return 0;
  return pos.king_taken == pos.chess_sign ? +1 : -1;
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

}  // namespace

PositionCheck check_line_up(const Position& pos) {
  const int taken = side_of_taken_king(pos);
  for (const int side : {-1, +1}) {
    const int kings = kings_of(pos.board, side), expected = side == taken ? 0 : 1;
    if (kings != expected) return fault("the side of sign ", side, " has ", kings, " kings on the board");
  }
  const ArmyCounts counts = count_armies(pos);
  const bool chess_king_taken = taken != 0 && taken == pos.chess_sign;
  const int chess_expected = CHESS_LINE_UP - (chess_king_taken ? 1 : 0);
  const int main_expected = MAIN_LINE_UP - (taken != 0 && !chess_king_taken ? 1 : 0);
  if (counts.chess != chess_expected || counts.main != main_expected)
    return fault("board and hands hold ", counts.chess, " chess pieces and ", counts.main,
                 " main-army pieces instead of ", chess_expected, " and ", main_expected);
  return {};
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
