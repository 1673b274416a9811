// The positions the benchmarks time: an opening, a middle game, full hands
// and a king in check, each with the computer's side (the enemy side) to move.
#pragma once

#include <cstdlib>
#include <iostream>
#include <optional>

#include "com_protocol.h"

namespace velmora {

// The main army on top after a few opening moves.
inline const char* const OPENING =
    "  7  0  3  0  0  0 -4  0-13  8 19  1  0  0  0  0 -4-14 17  0  3  0  0  0  0 -4-15  0  0  0  1  0  0  0 -4-25 26 "
    "12  3  0  0  0  0 -4-24 12  0  1  0  0  0  0 -4-15 17  0  3  0  0  0  0 -4  0  8 22  1  0  0  0  0 -4-13  7  0  3 "
    " 0  0  0  0-14  0000000000000000000000000000000000000    0    0    0    0";
// A middle game: the chess army on top, three pieces in hand, chess drops allowed.
inline const char* const MIDDLE_GAME =
    " 13  0  0  0  0  0 -3  0 -7  0 14  1  0-22  0  0  0 -8  0  4  0  0  0  0 -3  0-17 15  0  4  0  0  0 -1-19-12  0  "
    "4  0 24  0  0 -3-12-26  0 15  4  0  0  0 -1  0  0 25  4  0  0  0  0 -3  0-17 14  4  0  0 -7  0 -1  0 -8  0  0  0 "
    "13  0  0  0  0  0200000000000000000000000010000000000    0    0    0    0 drops=1";
// The computer's king in check.
inline const char* const IN_CHECK =
    "  0 14  0  0  0  0 -3  0 -5  0  0  4  0  0  0 -1-10-16  0  4  0  0 24  0 -3-27  0-13  0  4  0  0  0 -1  0  0  0  "
    "4  0  0  0  0 -3-18  0 25  0  4  0  0  0 -1  0-18 15  0  0  4  0  0 -3-10-20  0  0  0  4 14  0 -1  0-16 13  4  0 "
    "-3  0 -5  0  0  0000000100000000000000000000000000001    0    0    0    0";

inline AnalysisPosition read(const char* line) {
  const Result<AnalysisPosition, LineError> read = parse_position_line(line);
  if (!read) {
    std::cerr << "a benchmark position is refused: " << read.error().reason << '\n';
    std::abort();
  }
  return *read;
}

// The middle game with one piece of every kind of all three armies in both
// hands, chess drops allowed.
inline AnalysisPosition full_hands() {
  AnalysisPosition p = read(MIDDLE_GAME);
  for (int k = 1; k <= 18; ++k) p.hand_own[k] = p.hand_enemy[k] = 1;
  p.drops = true;
  return p;
}

}  // namespace velmora
