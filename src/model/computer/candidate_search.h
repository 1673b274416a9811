// The computer's search: every legal move and drop of the enemy side (the
// computer, positive codes) is placed on the board, surveyed and scored; the
// best is kept.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "computer/com_analysis.h"
#include "computer/score_sheet.h"
#include "influence/maps.h"
#include "rules/candidate.h"
#include "rules/position.h"

namespace velmora {

// Asks the search to list the terms of every evaluation of one candidate
// (two when its promotion is optional), named by its source as velmora-com's
// lines name it (Candidate::named_source) and its destination.
struct SearchTrace {
  Cell source, to;
  struct Evaluation {
    int code = 0;  // the code on the destination while it was scored
    Tenths score = 0;
    EvalTrace terms;
  };
  std::vector<Evaluation> evaluations;
};

// One evaluation the search made: the candidate, with the code on the
// destination while it was scored as its final code, and the score.
struct ScoredMove {
  Candidate move;
  Tenths score = 0;
};
using ScoreLog = std::vector<ScoredMove>;

struct SearchOptions {
  bool chess_drops = false;  // the chess army may drop what it captured (ﾁｪｽ側持駒OK)
  SearchTrace* trace = nullptr;
  ScoreLog* scores = nullptr;  // every evaluation, in the order made
  // Called once the turn's analysis is made, and before each board column and
  // each hand kind is searched (the window keeps its clock going there).
  std::function<void()> analysed;
  std::function<void()> next_line;
};

// Searches every legal move and drop of the enemy side and answers the best
// (score in com.com_best_score); none when there is none. Fills `com` with the
// turn's analysis first. The position is as before afterwards; the maps
// describe the last candidate tried.
std::optional<Candidate> search_candidates(Position& pos, InfluenceMaps& maps, ComAnalysis& com,
                                           const SearchOptions& options);

}  // namespace velmora
