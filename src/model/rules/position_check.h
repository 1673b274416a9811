// The line-up of a game, checked against the start it was played from (the
// position's own bookkeeping is checked by Position::check).
#pragma once

#include <string>

#include "rules/position.h"

namespace velmora {

// For a game played from the full starting position (no handicap, no loaded
// record): each side has one king on the board, of its own army, until its
// king is taken, and board and hands together hold the 16 pieces of the
// chess army and the 20 of the main army, less a taken king. Captures,
// drops, promotions and switches of the leading nation keep each piece in
// its kind, counted with its promoted kind and its counterparts of the other
// nation, so no kind outnumbers the line-up (the chess pawns with the pieces
// they promoted to); and no piece stands on a row where neither it nor a
// counterpart could. Fails with the first fault found.
PositionCheck check_line_up(const Position& pos);

// The same for a game that may have begun with pieces taken off (a handicap,
// a loaded record's start): pieces may be missing, never more than the
// line-up's.
PositionCheck check_line_up_with_pieces_off(const Position& pos);

}  // namespace velmora
