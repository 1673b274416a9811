// The computer's choice on a position at a level: the candidate search of
// levels 1-3, or level 4's engine with a table of its own.
#pragma once

#include <optional>

#include "computer/candidate_search.h"
#include "engine/search.h"
#include "influence/maps.h"
#include "rules/position.h"

namespace velmora {

// The chosen move and its score in tenths; level 4 gives the engine's own
// score (a shogi pawn about 90) as whole numbers.
struct ComputerChoice {
  Candidate move;
  Tenths score = 0;
};

// The move of the enemy side on `pos`, set up for the computer's turn and
// surveyed into `maps`, at `level`. Levels 1-3 search with `options`; level 4
// takes only its drops option and thinks within `strong_limits` (at most
// MAX_MOVE_SECONDS); should its move be one the rules refuse, the search of
// levels 1-3 answers. nullopt when the enemy side has no move.
std::optional<ComputerChoice> computer_choice(Position& pos, InfluenceMaps& maps, int level,
                                              const SearchOptions& options, const SearchLimits& strong_limits);

}  // namespace velmora
