// The handicap ladder: the squares it empties step by step.
#pragma once

#include "rules/pieces.h"

namespace velmora {

struct LadderStep {
  Cell square;
  int piece;  // the computer's piece; 0 for the person's squares (restored from the start)
};

// The person's squares, step 0 <-> -1 first, then outwards.
inline constexpr LadderStep PERSON_STEPS[] = {{{2, 8}, 0}, {{8, 8}, 0}, {{1, 9}, 0}, {{9, 9}, 0}, {{2, 9}, 0},
                                              {{8, 9}, 0}, {{3, 9}, 0}, {{7, 9}, 0}, {{4, 9}, 0}, {{6, 9}, 0}};
// The computer's back rank, step 0 <-> 1 first.
inline constexpr LadderStep COMPUTER_STEPS[] = {{{2, 1}, +ROOK}, {{9, 1}, +ROOK}, {{3, 1}, +KNIG}, {{8, 1}, +KNIG},
                                                {{4, 1}, +BISH}, {{7, 1}, +BISH}, {{5, 1}, +QEEN}};

}  // namespace velmora
