// The two sides of the board: the own side at the bottom, whose pieces carry
// negative codes, and the enemy side at the top, with positive codes. Which
// army plays which side turns with the board.
#pragma once

namespace velmora {

enum class Side : signed char { Own = -1, Enemy = +1 };

// The sign of the side's piece codes, for the rules that compute with it.
constexpr int code_sign(Side side) { return static_cast<int>(side); }

// The side facing `side`.
constexpr Side other_side(Side side) { return side == Side::Own ? Side::Enemy : Side::Own; }

// The side whose piece `code` is (a piece code, never EMPTY).
constexpr Side side_of_code(int code) { return code < 0 ? Side::Own : Side::Enemy; }

}  // namespace velmora
