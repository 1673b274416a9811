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

#include "bench_positions.h"
#include "com_protocol.h"
#include "computer/candidate_search.h"
#include "influence/survey.h"

namespace velmora {
namespace {

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
  for (auto _ : state) {
    Turn turn = start;  // each turn starts from the position's own survey
    benchmark::DoNotOptimize(search_candidates(turn.pos, turn.maps, turn.com, turn.options));
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
