#include "rules/position_check.h"

#include <sstream>

namespace velmora {
namespace {

constexpr int CHESS_LINE_UP = 16;
constexpr int MAIN_LINE_UP = 20;

template <class... Parts>
PositionFault fault(const Parts&... parts) {
  std::ostringstream text;
  (text << ... << parts);
  return {text.str()};
}

std::optional<PositionFault> board_fault(const Board& board) {
  for (int x = 0; x <= BOARD_SIZE; ++x)
    for (int y = 0; y <= BOARD_SIZE; ++y) {
      const int code = board(x, y);
      if (code == EMPTY || (on_board(x, y) && is_piece(code))) continue;
      return fault("code ", code, " on (", x, ",", y, ")");
    }
  return std::nullopt;
}

std::optional<PositionFault> hand_fault(const Hand& hand, const char* name) {
  if (hand[0] != 0) return fault(name, " holds ", hand[0], " under index 0");
  for (int i = 1; i < HAND_SIZE; ++i)
    if (hand[i] < 0) return fault(name, "(", i, ") is ", hand[i]);
  return std::nullopt;
}

std::optional<PositionFault> two_pawn_flag_fault(const Position& pos) {
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    int own = 0, enemy = 0;
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      own |= pos.board(x, y) == -HU ? 1 : 0;
      enemy |= pos.board(x, y) == +HU ? 1 : 0;
    }
    if (pos.hu_column_own()[x] != own || pos.hu_column_enemy()[x] != enemy)
      return fault("the two-pawn flags of column ", x, " do not match the board");
  }
  return std::nullopt;
}

std::optional<PositionFault> sign_fault(const Position& pos) {
  if (pos.chess_sign != 1 && pos.chess_sign != -1) return fault("chess_sign is ", pos.chess_sign);
  if (pos.turn < -1 || pos.turn > 1) return fault("turn is ", pos.turn);
  if (pos.king_taken != 0 && pos.king_taken != pos.chess_sign && pos.king_taken != pos.main_sign())
    return fault("king_taken is ", pos.king_taken);
  return std::nullopt;
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

std::optional<PositionFault> find_line_up_fault(const Position& pos) {
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
  return std::nullopt;
}

std::optional<PositionFault> Position::check() const {
  const Position& pos = *this;
  if (auto found = board_fault(pos.board)) return found;
  if (auto found = hand_fault(pos.hand_own, "hand_own")) return found;
  if (auto found = hand_fault(pos.hand_enemy, "hand_enemy")) return found;
  if (auto found = two_pawn_flag_fault(pos)) return found;
  return sign_fault(pos);
}

}  // namespace velmora
