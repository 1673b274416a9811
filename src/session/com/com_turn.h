// The computer's turn.
#pragma once

#include <vector>

#include "game/game.h"
#include "search/score_sheet.h"

namespace velmora {

// One candidate: for a drop, sx is the enemy hand column (-1, -5, -3) and sy
// the hand index.
struct Candidate {
  int sx = 0, sy = 0, tx = 0, ty = 0;
  int starting = 0, final_code = 0;
};

// Asks the search to list the terms of every evaluation of one candidate
// (two when its promotion is optional).
struct SearchTrace {
  int sx = 0, sy = 0, tx = 0, ty = 0;
  struct Evaluation {
    int code = 0;  // the code on the destination while it was scored
    Tenths score = 0;
    EvalTrace terms;
  };
  std::vector<Evaluation> evaluations;
};

// One evaluation the search made: the candidate (a drop as in Candidate), the
// code on the destination while it was scored, and the score.
struct ScoredMove {
  int sx = 0, sy = 0, tx = 0, ty = 0, code = 0;
  Tenths score = 0;
};
using ScoreLog = std::vector<ScoredMove>;

// Searches every legal move and drop of the enemy side and leaves the best in
// `best` (score in g.com.com_best_score); false when there is none. The board
// is as before afterwards; the maps describe the last candidate tried. With
// `scores`, every evaluation is listed there in the order made.
bool com_search(Game& g, Candidate& best, SearchTrace* trace = nullptr, ScoreLog* scores = nullptr);

// Plays the candidate the search chose: blink, move, sound, record, the check
// or mate message and the clock booking.
void com_play(Game& g, const Candidate& best);

// The whole turn: search, play, record, announce check or mate, book the
// clock. With no legal move or drop the computer resigns.
void com_ban(Game& g);

}  // namespace velmora
