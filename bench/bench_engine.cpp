// The speed of level 4's search: nodes a second and the depth reached in one
// second on the opening, a middle game and full hands (the computer's side to
// move, a fresh table each time).
//
//   build/release/bench/bench_engine [SECONDS]
#include <cstdlib>
#include <iomanip>
#include <iostream>

#include "bench_positions.h"
#include "computer/strong_player.h"

namespace velmora {
namespace {

void measure(const char* name, const AnalysisPosition& p, double seconds) {
  Position pos;
  InfluenceMaps maps;
  set_up_position(pos, maps, p);
  Engine engine;
  SearchLimits limits;
  limits.seconds = seconds;
  SearchReport report;
  StrongRoot root = strong_root(pos, p.drops);
  const Candidate best = strong_search(root, engine, limits, nullptr, &report).value_or(Candidate{});
  std::cout << std::left << std::setw(12) << name << std::right << std::setw(10) << report.nodes << " nodes in "
            << std::fixed << std::setprecision(2) << report.seconds << " s, " << std::setw(8) << std::setprecision(0)
            << report.nodes / report.seconds << " nodes/s, depth " << report.depth << ", move " << best.named_source().x
            << ',' << best.named_source().y << " -> " << best.to.x << ',' << best.to.y << ", score " << report.score
            << '\n';
}

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 1.0;
  velmora::measure("opening", velmora::read(velmora::OPENING), seconds);
  velmora::measure("middle game", velmora::read(velmora::MIDDLE_GAME), seconds);
  velmora::measure("full hands", velmora::full_hands(), seconds);
  return 0;
}
