// A move of the match on its position: what the move changes, the model
// changes. The session shows the report and only reads the rest.
#pragma once

#include "influence/maps.h"
#include "rules/candidate.h"
#include "rules/moves.h"

namespace velmora {

// Moves the piece (make_move) and keeps the own king's square in the maps:
// after a move of -OU or -KING its new square; the enemy king's square, and
// the own SYOU's, are found again by the next influence survey.
MoveReport 駒移動(Position& pos, InfluenceMaps& maps, Cell from, Cell to, int code);

// Plays a move of the match: the piece moves (駒移動), the move number grows
// and the other side's army is to move, unless the move took a king (the
// match is over) or no match runs (turn 0). A refused move changes nothing,
// and its report must be read so that it is not booked as played.
[[nodiscard]] MoveReport play_move(Position& pos, InfluenceMaps& maps, const Candidate& move);

}  // namespace velmora
