// velmora-com's text protocol: one position a line in the record-file
// move-line format with options, one answer a line. Used by the tool, its
// tests and the benchmarks.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "computer/analysis_position.h"
#include "computer/candidate_search.h"
#include "computer/strong_player.h"
#include "notation/move_line.h"
#include "rules/position.h"

namespace velmora {

// Why an input line is refused: the reason its "error: " answer gives.
struct LineError {
  std::string reason;
};

// Reads one input line: a record file's move line (notation/move_line.h),
// refused at the column of its first bad field, then the options.
Result<AnalysisPosition, LineError> parse_position_line(const std::string& line);

// The input line of a position (the clock fields zero, options written out
// except the mode and the trace).
std::string format_position_line(const AnalysisPosition& position);

// Every fx,fy,tx,ty,code the move check accepts: board moves of both sides,
// then the drops of the own hand and of the enemy hand.
std::string moves_answer(const Position& pos);

// A score in tenths as the tool prints it: "-15.5000".
std::string format_score(Tenths score);

// The trace of a search as readable lines, one term a line.
std::string format_trace(const SearchTrace& trace);

// Level 4's evaluations of the candidate from `source` (named as SearchTrace
// names it) to `to` in the same form, each term with the side it concerns.
std::string format_strong_trace(Cell source, Cell to, const std::vector<StrongEvaluation>& evaluations);

// The whole answer to one input line, on a fresh position: with mode=com "sx
// sy tx ty starting final score" of the search's best candidate or "none";
// with mode=scores every evaluation the search makes, in order,
// "sx,sy,tx,ty,code,score" separated by spaces (a drop: the hand column and
// the hand index; a move with an optional promotion once for each code); trace text (when the
// line asks for one) goes to `trace_text`: at level 4 the terms of its own
// evaluation of the position after the candidate.
std::string answer_position_line(const std::string& line, std::string* trace_text = nullptr);

}  // namespace velmora
