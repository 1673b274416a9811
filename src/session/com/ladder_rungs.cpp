#include "com/ladder_rungs.h"

#include <bit>
#include <memory>

#include "com/levels.h"
#include "timing/time_left.h"

namespace velmora {
namespace {

// A rung: level 4's engine held to the rung's depth, off the window's thread.
class LadderComputer final : public ComputerPlayer {
  ComAnswer think(Game& g) const override {
    const std::optional<LadderRung> rung = playing_rung(g);
    return engine_turn(g, [&](Game& game) { return ladder_turn(game, *rung); });
  }
};

}  // namespace

void ladder_click(Game& g, int rung) {
  if (!ladder_rung(rung)) return;
  level_click(g, STRONG_LEVEL);
  g.com.ladder_rung = rung;
}

bool ladder_checked(const Game& g, int rung) { return playing_rung(g) && g.com.ladder_rung == rung; }

std::optional<LadderRung> playing_rung(const Game& g) {
  if (g.com.com_level != STRONG_LEVEL) return std::nullopt;
  return ladder_rung(g.com.ladder_rung);
}

ComAnswer ladder_turn(Game& g, const LadderRung& rung) {
  if (!g.com.strong_engine) g.com.strong_engine = std::make_shared<Engine>();
  StrongRoot root = strong_root(g.pos, g.menu.CHESS_MOCHIKOMA);
  Engine& engine = *g.com.strong_engine;
  const auto seed = std::bit_cast<std::uint64_t>(g.ports.clock.time_of_day());
  const std::optional<double> seconds = thinking_time(g);  // under a time control
  ComAnswer answer = search_aside(g.ports.clock, [&](const std::atomic<bool>& stop) {
    return ladder_search(root, engine, rung, seed, &stop, seconds);
  });
  if (!answer && answer.error() == NoComMove::Failed) g.com.strong_engine.reset();
  return answer;
}

const ComputerPlayer& ladder_player() {
  static const LadderComputer player;
  return player;
}

}  // namespace velmora
