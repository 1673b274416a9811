// A position as the computer's turn finds it, with the options of one
// search: what the hint, velmora-com, the tests and the benchmarks ask the
// computer player about.
#pragma once

#include "influence/maps.h"
#include "rules/position.h"

namespace velmora {

struct AnalysisPosition {
  Board board;
  Hand hand_own{};
  Hand hand_enemy{};
  int level = 3;
  int movetime_ms = 1000;  // level 4's thinking time
  bool drops = false;      // CHESS_MOCHIKOMA checked
  Cell last;               // the last recorded move's destination, for en passant
  int last_code = 1;       // and its final code
  enum class Mode { Com, Moves, Scores } mode = Mode::Com;
  bool traced = false;
  Cell trace_source, trace_to;  // the traced candidate, named as SearchTrace names it
};

// Puts the position on `pos` the way a turn of the computer finds it after
// the person's move: hands and their totals, the army signs from the board,
// the two-pawn flags, the last move; then surveys it into `maps`. The level
// and the drops option are the caller's to apply.
void set_up_position(Position& pos, InfluenceMaps& maps, const AnalysisPosition& position);

}  // namespace velmora
