// The handicap ladder: the squares it empties step by step, and how a loaded
// record that was played with a handicap gets its starting position back.
#pragma once

#include "rules/pieces.h"

namespace velmora {

struct LadderStep {
  int x, y;
  int piece;  // the computer's piece; 0 for the person's squares (restored from the start)
};

// The person's squares, step 0 <-> -1 first, then outwards.
inline constexpr LadderStep PERSON_STEPS[] = {{2, 8, 0}, {8, 8, 0}, {1, 9, 0}, {9, 9, 0}, {2, 9, 0},
                                              {8, 9, 0}, {3, 9, 0}, {7, 9, 0}, {4, 9, 0}, {6, 9, 0}};
// The computer's back rank, step 0 <-> 1 first.
inline constexpr LadderStep COMPUTER_STEPS[] = {{2, 1, +ROOK}, {9, 1, +ROOK}, {3, 1, +KNIG}, {8, 1, +KNIG},
                                                {4, 1, +BISH}, {7, 1, +BISH}, {5, 1, +QEEN}};

// Whether `board` holds a king of each army: the main army's (王 or 将) and
// the chess army's, one on each side. Only such a position can tell what a
// handicap took off.
bool holds_both_kings(const Board& board);

// A record holds no starting position. `first` is its position after the
// first move, seen with the main army at the bottom; the squares the ladder
// had emptied before that move are emptied on `start` too.
void take_off_record_handicap(Board& start, const Board& first);

}  // namespace velmora
