// The text interface of the computer player for headless analysis: one
// position a line in the record-file move-line format with options, one answer
// a line. Used by the velmora-com tool, its tests and the benchmarks.
#pragma once

#include <string>
#include <vector>

#include "computer/candidate_search.h"
#include "computer/strong_player.h"
#include "influence/maps.h"
#include "notation/move_line.h"
#include "rules/position.h"

namespace velmora {

struct AnalysisPosition {
  Board board;
  Hand hand_own{};
  Hand hand_enemy{};
  int level = 3;
  int movetime_ms = 1000;                     // level 4's thinking time
  bool drops = false;                         // CHESS_MOCHIKOMA checked
  int last_x = 0, last_y = 0, last_code = 1;  // the last recorded move, for en passant
  enum class Mode { Com, Moves, Scores } mode = Mode::Com;
  bool traced = false;
  int trace_sx = 0, trace_sy = 0, trace_tx = 0, trace_ty = 0;
};

// Reads one input line: a record file's move line (record/move_line.h),
// refused at the column of its first bad field, then the options. Returns ""
// on success, else the reason it is malformed.
std::string parse_position_line(const std::string& line, AnalysisPosition& position);

// The input line of a position (the clock fields zero, options written out
// except the mode and the trace).
std::string format_position_line(const AnalysisPosition& position);

// Puts the position on `pos` the way a turn of the computer finds it after
// the person's move: hands and their totals, the army signs from the board,
// the two-pawn flags, the last move; then surveys it into `maps`. The level
// and the drops option are the caller's to apply.
void set_up_position(Position& pos, InfluenceMaps& maps, const AnalysisPosition& position);

// Every fx,fy,tx,ty,code the move check accepts: board moves of both sides,
// then the drops of the own hand and of the enemy hand.
std::string moves_answer(const Position& pos);

// A score in tenths as the tool prints it: "-15.5000".
std::string format_score(Tenths score);

// The trace of a search as readable lines, one term a line.
std::string format_trace(const SearchTrace& trace);

// Level 4's evaluations of the candidate from (sx, sy) to (tx, ty) in the same
// form, each term with the side it concerns.
std::string format_strong_trace(int sx, int sy, int tx, int ty, const std::vector<StrongEvaluation>& evaluations);

// The whole answer to one input line, on a fresh position: with mode=com "sx
// sy tx ty starting final score" of the search's best candidate or "none";
// with mode=scores every evaluation the search makes, in order,
// "sx,sy,tx,ty,code,score" separated by spaces (a drop: the hand column and
// the hand index; a move with an optional promotion once for each code); trace text (when the
// line asks for one) goes to `trace_text`: at level 4 the terms of its own
// evaluation of the position after the candidate.
std::string answer_position_line(const std::string& line, std::string* trace_text = nullptr);

}  // namespace velmora
