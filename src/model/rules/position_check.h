// The line-up of a game played from the full starting position, checked (the
// position's own bookkeeping is checked by Position::check).
#pragma once

#include <string>

#include "rules/position.h"

namespace velmora {

// For a game played from the full starting position (no handicap, no loaded
// record): each side has one king on the board until its king is taken, and
// board and hands together hold the 16 pieces of the chess army and the 20
// of the main army, less a taken king. Captures, drops and promotions keep
// each piece in its army's kinds. Fails with the first fault found.
PositionCheck check_line_up(const Position& pos);

}  // namespace velmora
