#include "com_protocol.h"

#include <cstdlib>
#include <optional>
#include <sstream>
#include <vector>

#include "computer/computer_choice.h"
#include "computer/strong_player.h"
#include "engine/engine_terms.h"
#include "engine/squares.h"
#include "rules/move_check.h"
#include "rules/moves.h"

namespace velmora {
namespace {

// A whole number in `text` (no spaces); nullopt when it is none.
std::optional<int> read_number(const std::string& text) {
  const std::size_t sign = !text.empty() && text[0] == '-' ? 1 : 0;
  if (text.size() == sign || text.size() > 6) return std::nullopt;
  for (std::size_t k = sign; k < text.size(); ++k)
    if (text[k] < '0' || text[k] > '9') return std::nullopt;
  return std::stoi(text);
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.emplace_back();
  return parts;
}

// "a,b,c" into exactly `count` numbers.
std::optional<std::vector<int>> read_numbers(const std::string& text, size_t count) {
  std::vector<int> numbers;
  for (const std::string& part : split(text, ',')) {
    const std::optional<int> n = read_number(part);
    if (!n) return std::nullopt;
    numbers.push_back(*n);
  }
  if (numbers.size() != count) return std::nullopt;
  return numbers;
}

// The 299 characters of the move line, read strictly: the first field that
// is not what a record file's writer writes is refused with its column.
Result<void, LineError> parse_move_line_strictly(std::string_view line, AnalysisPosition& p) {
  const ReadMoveLine read = read_move_line(line);
  if (!read.well_formed) {
    const MoveLineFault& fault = read.well_formed.error();
    return Failure{LineError{"column " + std::to_string(fault.column) + ": " + fault.what}};
  }
  p.board = read.position.board;
  p.hand_own = read.position.hand_own;
  p.hand_enemy = read.position.hand_enemy;
  return {};
}

Result<void, LineError> parse_option(const std::string& option, AnalysisPosition& p) {
  const auto refused = [](std::string reason) { return Failure{LineError{std::move(reason)}}; };
  const size_t eq = option.find('=');
  if (eq == std::string::npos) return refused("option '" + option + "' has no value");
  const std::string key = option.substr(0, eq), value = option.substr(eq + 1);
  if (key == "level") {
    if (value != "1" && value != "2" && value != "3" && value != "4") return refused("level must be 1, 2, 3 or 4");
    p.level = value[0] - '0';
  } else if (key == "movetime") {
    const auto n = read_numbers(value, 1);
    if (!n || (*n)[0] < 1 || (*n)[0] > 3000) return refused("movetime must be 1 to 3000 milliseconds");
    p.movetime_ms = (*n)[0];
  } else if (key == "drops") {
    if (value != "0" && value != "1") return refused("drops must be 0 or 1");
    p.drops = value == "1";
  } else if (key == "mode") {
    if (value == "com") {
      p.mode = AnalysisPosition::Mode::Com;
    } else if (value == "moves") {
      p.mode = AnalysisPosition::Mode::Moves;
    } else if (value == "scores") {
      p.mode = AnalysisPosition::Mode::Scores;
    } else {
      return refused("mode must be com, moves or scores");
    }
  } else if (key == "last") {
    const auto n = read_numbers(value, 3);
    if (!n) return refused("last must be X,Y,CODE");
    p.last = {(*n)[0], (*n)[1]}, p.last_code = (*n)[2];
  } else if (key == "trace") {
    const auto n = read_numbers(value, 4);
    if (!n) return refused("trace must be SX,SY,TX,TY");
    p.traced = true;
    p.trace_source = {(*n)[0], (*n)[1]};
    p.trace_to = {(*n)[2], (*n)[3]};
  } else {
    return refused("unknown option '" + key + "'");
  }
  return {};
}

void append_move(std::string& out, int fx, int fy, int tx, int ty, int code) {
  if (!out.empty()) out += ' ';
  out += std::to_string(fx) + ',' + std::to_string(fy) + ',' + std::to_string(tx) + ',' + std::to_string(ty) + ',' +
         std::to_string(code);
}

void append_drops(const Position& pos, std::string& out, const Hand& hand, int sign) {
  for (int k = 1; k <= 18; ++k) {
    if (hand[k] == 0) continue;
    const Cell slot = sign < 0 ? own_hand_slot(k) : enemy_hand_slot(k);
    const int code = sign * HAND_KINDS[k];
    for (int tx = 1; tx <= 9; ++tx)
      for (int ty = 1; ty <= 9; ++ty)
        if (移動チェック(pos, slot, {tx, ty}, code)) append_move(out, slot.x, slot.y, tx, ty, code);
  }
}

// "sx sy tx ty starting final score" of a chosen candidate.
std::string choice_answer(const Candidate& best, Tenths score) {
  std::ostringstream out;
  const Cell source = best.named_source();
  out << source.x << ' ' << source.y << ' ' << best.to.x << ' ' << best.to.y << ' ' << best.starting << ' '
      << best.final_code << ' ' << format_score(score);
  return out.str();
}

// Level 4 thinks `movetime_ms`; the trace, if asked for, is of levels 1-3.
std::string com_answer(Position& pos, InfluenceMaps& maps, const AnalysisPosition& p, const SearchOptions& options) {
  SearchLimits strong_limits;
  strong_limits.seconds = p.movetime_ms / 1000.0;
  const std::optional<ComputerChoice> choice = computer_choice(pos, maps, p.level, options, strong_limits);
  if (!choice) return "none";
  return choice_answer(choice->move, choice->score);
}

std::string scores_answer(Position& pos, InfluenceMaps& maps, int level, SearchOptions options) {
  ComAnalysis com;
  com.com_level = level;
  ScoreLog scores;
  options.scores = &scores;
  search_candidates(pos, maps, com, options);
  std::string out;
  for (const ScoredMove& s : scores) {
    const Cell source = s.move.named_source();
    append_move(out, source.x, source.y, s.move.to.x, s.move.to.y, s.move.final_code);
    out += ',' + format_score(s.score);
  }
  return out;
}

// The first line of a trace: the candidate, and whether the search tried it.
void write_candidate(std::ostream& out, Cell source, Cell to, bool tried) {
  out << "candidate " << source.x << ',' << source.y << " -> " << to.x << ',' << to.y;
  out << (tried ? "\n" : ": not a candidate of the search\n");
}

// One term of a trace: its amount, its name and the square it looked at.
void write_term(std::ostream& out, Tenths amount, const std::string& name, int x, int y) {
  out << "    " << format_score(amount) << "  " << name;
  if (x != 0 || y != 0) out << " @" << x << ',' << y;
  out << '\n';
}

}  // namespace

Result<AnalysisPosition, LineError> parse_position_line(const std::string& line) {
  AnalysisPosition p;
  if (line.size() < static_cast<size_t>(MOVE_LINE_LENGTH))
    return Failure{LineError{"the move line has " + std::to_string(line.size()) + " characters, not 299"}};
  if (const auto read = parse_move_line_strictly(std::string_view(line).substr(0, MOVE_LINE_LENGTH), p); !read)
    return Failure{read.error()};
  if (line.size() == static_cast<size_t>(MOVE_LINE_LENGTH)) return p;
  if (line[MOVE_LINE_LENGTH] != ' ') return Failure{LineError{"the move line is longer than 299 characters"}};
  for (const std::string& option : split(line.substr(MOVE_LINE_LENGTH + 1), ' '))
    if (const auto read = parse_option(option, p); !read) return Failure{read.error()};
  return p;
}

std::string format_position_line(const AnalysisPosition& p) {
  return format_position_move_line(p.board, p.hand_own, p.hand_enemy) + " level=" + std::to_string(p.level) +
         " drops=" + (p.drops ? "1" : "0") + " last=" + std::to_string(p.last.x) + "," + std::to_string(p.last.y) +
         "," + std::to_string(p.last_code);
}

std::string format_score(Tenths score) {
  const int whole = std::abs(score) / 10, tenth = std::abs(score) % 10;
  return std::string(score < 0 ? "-" : "") + std::to_string(whole) + "." + std::to_string(tenth) + "000";
}

std::string moves_answer(const Position& pos) {
  std::string out;
  for (int fx = 1; fx <= 9; ++fx)
    for (int fy = 1; fy <= 9; ++fy) {
      const int code = pos.board(fx, fy);
      if (code == EMPTY) continue;
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty)
          if (移動チェック(pos, {fx, fy}, {tx, ty}, code)) append_move(out, fx, fy, tx, ty, code);
    }
  append_drops(pos, out, pos.hand_own, -1);
  append_drops(pos, out, pos.hand_enemy, +1);
  return out;
}

std::string format_trace(const SearchTrace& trace) {
  std::ostringstream out;
  write_candidate(out, trace.source, trace.to, !trace.evaluations.empty());
  for (const SearchTrace::Evaluation& ev : trace.evaluations) {
    out << "  as code " << ev.code << ": " << format_score(ev.score) << '\n';
    for (const TraceTerm& t : ev.terms) write_term(out, t.amount, term_name(t.term), t.x, t.y);
  }
  return out.str();
}

std::string format_strong_trace(Cell source, Cell to, const std::vector<StrongEvaluation>& evaluations) {
  std::ostringstream out;
  write_candidate(out, source, to, !evaluations.empty());
  for (const StrongEvaluation& ev : evaluations) {
    out << "  as code " << ev.code << ": " << format_score(points(ev.score)) << '\n';
    for (const EngineTraceTerm& t : ev.terms) {
      const std::string name = std::string(engine_term_name(t.term)) + (t.side > 0 ? ": computer" : ": person");
      const bool at_king = t.square != 0;
      write_term(out, points(t.amount), name, at_king ? column_of(t.square) : 0, at_king ? row_of(t.square) : 0);
    }
  }
  return out.str();
}

std::string answer_position_line(const std::string& line, std::string* trace_text) {
  if (line.empty()) return "";
  const Result<AnalysisPosition, LineError> read = parse_position_line(line);
  if (!read) return "error: " + read.error().reason;
  const AnalysisPosition& p = *read;
  Position pos;
  InfluenceMaps maps;
  set_up_position(pos, maps, p);
  if (p.mode == AnalysisPosition::Mode::Moves) return moves_answer(pos);
  if (p.level == STRONG_LEVEL && p.mode == AnalysisPosition::Mode::Scores) return "error: level 4 has no scores";
  if (p.traced && trace_text && p.level == STRONG_LEVEL) {
    StrongRoot root = strong_root(pos, p.drops);
    *trace_text = format_strong_trace(p.trace_source, p.trace_to, strong_evaluations(root, p.trace_source, p.trace_to));
  }
  SearchTrace trace{p.trace_source, p.trace_to, {}};
  SearchTrace* traced = p.traced && p.level != STRONG_LEVEL ? &trace : nullptr;
  SearchOptions options;
  options.chess_drops = p.drops;
  options.trace = traced;
  std::string answer = p.mode == AnalysisPosition::Mode::Scores ? scores_answer(pos, maps, p.level, options)
                                                                : com_answer(pos, maps, p, options);
  if (traced && trace_text) *trace_text = format_trace(trace);
  return answer;
}

}  // namespace velmora
