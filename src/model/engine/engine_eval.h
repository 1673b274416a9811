// The strong computer player's own evaluation: material on the board and in
// hand (a hand piece counts only for a side that may drop it), placement,
// mobility and the safety of both kings.
#pragma once

#include "engine/search_position.h"

namespace velmora {

// The score of the position for the side to move, a shogi pawn being about 90.
int evaluate_position(const SearchPosition& p);

}  // namespace velmora
