// The strong computer player's own evaluation: material on the board and in
// hand (a hand piece counts only for a side that may drop it), placement,
// mobility and the safety of both kings. Its terms are named in
// engine_terms.h.
#pragma once

#include "engine/engine_terms.h"
#include "engine/search_position.h"

namespace velmora {

// The score of the position for the side to move, a shogi pawn being about 90.
int evaluate_position(const SearchPosition& p);

// The same evaluation as its terms: for each term and side that adds
// something, one entry with the amount summed over the side's pieces, terms
// in their order and the enemy side first. The amounts add up to
// evaluate_position(p).
EngineTrace trace_evaluation(const SearchPosition& p);

}  // namespace velmora
