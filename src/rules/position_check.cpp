#include "rules/position_check.h"

#include <numeric>
#include <sstream>

namespace velmora {
namespace {

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

std::optional<PositionFault> hand_fault(const Hand& hand, int total, const char* name) {
  if (hand[0] != 0) return fault(name, " holds ", hand[0], " under index 0");
  for (int i = 1; i < HAND_SIZE; ++i)
    if (hand[i] < 0) return fault(name, "(", i, ") is ", hand[i]);
  const int sum = std::accumulate(hand.begin(), hand.end(), 0);
  if (sum != total) return fault(name, " holds ", sum, " pieces but its total says ", total);
  return std::nullopt;
}

std::optional<PositionFault> two_pawn_flag_fault(const Game& g) {
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    int own = 0, enemy = 0;
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      own |= g.board(x, y) == -HU ? 1 : 0;
      enemy |= g.board(x, y) == +HU ? 1 : 0;
    }
    if (g.hu_column_own[x] != own || g.hu_column_enemy[x] != enemy)
      return fault("the two-pawn flags of column ", x, " do not match the board");
  }
  return std::nullopt;
}

std::optional<PositionFault> sign_fault(const Game& g) {
  if ((g.chess_sign != 1 && g.chess_sign != -1) || g.main_sign != -g.chess_sign)
    return fault("chess_sign ", g.chess_sign, " with main_sign ", g.main_sign);
  if (g.turn < -1 || g.turn > 1) return fault("turn is ", g.turn);
  if (g.king_taken != 0 && g.king_taken != g.chess_sign && g.king_taken != g.main_sign)
    return fault("king_taken is ", g.king_taken);
  return std::nullopt;
}

}  // namespace

std::optional<PositionFault> find_position_fault(const Game& g) {
  if (auto found = board_fault(g.board)) return found;
  if (auto found = hand_fault(g.hand_own, g.hand_own_total, "hand_own")) return found;
  if (auto found = hand_fault(g.hand_enemy, g.hand_enemy_total, "hand_enemy")) return found;
  if (auto found = two_pawn_flag_fault(g)) return found;
  return sign_fault(g);
}

}  // namespace velmora
