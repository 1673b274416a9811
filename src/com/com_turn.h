// The computer's turn.
#pragma once

#include "game/game.h"

namespace velmora {

// One candidate: for a drop, sx is the enemy hand column (-1, -5, -3) and sy
// the hand index.
struct Candidate {
  int sx = 0, sy = 0, tx = 0, ty = 0;
  int starting = 0, final_code = 0;
};

// Searches every legal move and drop of the enemy side and leaves the best in
// `best` (score in g.com.com_best_score); false when there is none. The board
// is as before afterwards; the maps describe the last candidate tried.
bool com_search(Game& g, Candidate& best);

// The whole turn: search, play, record, announce check or mate, book the clock.
void com_ban(Game& g);

}  // namespace velmora
