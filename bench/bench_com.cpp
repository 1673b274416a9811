// Times the computer's search (one whole turn without playing the move) on
// fixed positions at each level, and reports candidates per second.
//
//   build/release/bench/bench_com
//
// Every benchmark runs five repetitions and reports their mean, median and
// spread; compare medians.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "influence/survey.h"
#include "search/analysis.h"
#include "search/candidate_search.h"

namespace velmora {
namespace {

// The main army on top after a few opening moves.
const char* const OPENING =
    "  7  0  3  0  0  0 -4  0-13  8 19  1  0  0  0  0 -4-14 17  0  3  0  0  0  0 -4-15  0  0  0  1  0  0  0 -4-25 26 "
    "12  3  0  0  0  0 -4-24 12  0  1  0  0  0  0 -4-15 17  0  3  0  0  0  0 -4  0  8 22  1  0  0  0  0 -4-13  7  0  3 "
    " 0  0  0  0-14  0000000000000000000000000000000000000    0    0    0    0";
// A middle game: the chess army on top, three pieces in hand, chess drops allowed.
const char* const MIDDLE_GAME =
    " 13  0  0  0  0  0 -3  0 -7  0 14  1  0-22  0  0  0 -8  0  4  0  0  0  0 -3  0-17 15  0  4  0  0  0 -1-19-12  0  "
    "4  0 24  0  0 -3-12-26  0 15  4  0  0  0 -1  0  0 25  4  0  0  0  0 -3  0-17 14  4  0  0 -7  0 -1  0 -8  0  0  0 "
    "13  0  0  0  0  0200000000000000000000000010000000000    0    0    0    0 drops=1";
// The computer's king in check.
const char* const IN_CHECK =
    "  0 14  0  0  0  0 -3  0 -5  0  0  4  0  0  0 -1-10-16  0  4  0  0 24  0 -3-27  0-13  0  4  0  0  0 -1  0  0  0  "
    "4  0  0  0  0 -3-18  0 25  0  4  0  0  0 -1  0-18 15  0  0  4  0  0 -3-10-20  0  0  0  4 14  0 -1  0-16 13  4  0 "
    "-3  0 -5  0  0  0000000100000000000000000000000000001    0    0    0    0";

AnalysisPosition read(const char* line) {
  AnalysisPosition p;
  parse_position_line(line, p);
  return p;
}

// The middle game with one piece of every kind of all three armies in both
// hands, chess drops allowed.
AnalysisPosition full_hands() {
  AnalysisPosition p = read(MIDDLE_GAME);
  for (int k = 1; k <= 18; ++k) p.hand_own[k] = p.hand_enemy[k] = 1;
  p.drops = true;
  return p;
}

// A position set up for the computer's turn, and what its search works on.
struct Turn {
  explicit Turn(const AnalysisPosition& p) {
    set_up_position(pos, maps, p);
    com.com_level = p.level;
    options.chess_drops = p.drops;
  }
  Position pos;
  InfluenceMaps maps;
  ComAnalysis com;
  SearchOptions options;
};

// The moves and drops of the computer's side the search scores.
int candidate_count(const Turn& turn) {
  const bool drops = turn.options.chess_drops || turn.pos.chess_sign == -1;
  std::istringstream moves(moves_answer(turn.pos));
  int count = 0;
  for (std::string move; moves >> move;) {
    const int fx = std::stoi(move);
    const int code = std::stoi(move.substr(move.rfind(',') + 1));
    if (code > 0 && (fx > 0 || drops)) ++count;
  }
  return count;
}

void search(benchmark::State& state, AnalysisPosition p) {
  p.level = static_cast<int>(state.range(0));
  const Turn start(p);
  Candidate best;
  for (auto _ : state) {
    Turn turn = start;  // each turn starts from the position's own survey
    benchmark::DoNotOptimize(search_candidates(turn.pos, turn.maps, turn.com, turn.options, best));
  }
  state.counters["candidates"] = candidate_count(start);
  state.counters["candidates/s"] =
      benchmark::Counter(static_cast<double>(candidate_count(start)), benchmark::Counter::kIsIterationInvariantRate);
}

void survey(benchmark::State& state) {
  Turn turn(read(MIDDLE_GAME));
  for (auto _ : state) 勢力調査(turn.pos, turn.maps);
}

#define VELMORA_SEARCH_BENCHMARK(name, position) \
  BENCHMARK_CAPTURE(search, name, position)      \
      ->DenseRange(1, 3)                         \
      ->Unit(benchmark::kMillisecond)            \
      ->Repetitions(5)                           \
      ->ReportAggregatesOnly(true)

VELMORA_SEARCH_BENCHMARK(opening, read(OPENING));
VELMORA_SEARCH_BENCHMARK(middle_game, read(MIDDLE_GAME));
VELMORA_SEARCH_BENCHMARK(full_hands, full_hands());
VELMORA_SEARCH_BENCHMARK(in_check, read(IN_CHECK));
BENCHMARK(survey)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
