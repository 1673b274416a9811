// The position's own bookkeeping, checked: whatever moves were made, the
// values that are kept beside the board must agree with it.
#pragma once

#include <optional>
#include <string>

#include "game/game.h"

namespace velmora {

// What is wrong with a position, in a line a person can read.
struct PositionFault {
  std::string what;
};

// Checks that every board code is a piece or EMPTY (and the unused row and
// column 0 stay EMPTY), that no hand holds a negative count or anything
// under index 0, that hand_own_total and hand_enemy_total are the sums of
// their hands, that the two-pawn flags match the board, that chess_sign is
// +1 or -1 with main_sign its opposite, and that turn and king_taken hold
// values they may hold. Answers the first fault found, or nothing.
[[nodiscard]] std::optional<PositionFault> find_position_fault(const Game& g);

// For a game played from the full starting position (no handicap, no loaded
// record): each side has one king on the board until its king is taken, and
// board and hands together hold the 16 pieces of the chess army and the 20
// of the main army, less a taken king. Captures, drops and promotions keep
// each piece in its army's kinds. Answers the first fault found, or nothing.
[[nodiscard]] std::optional<PositionFault> find_line_up_fault(const Game& g);

}  // namespace velmora
