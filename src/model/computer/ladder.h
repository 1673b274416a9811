// The rungs of the computer's ladder between level 3 and full level 4:
// level 4's engine held to a fixed depth. It reads every move two plies deep
// (the move, the reply and the captures after it), its best few again as deep
// as the rung reads, and plays one of the moves within the rung's margin of
// the best, drawn by a seeded die: the lowest rung, with the widest margin,
// gives away up to four pawns' worth now and then as a learner does; each
// rung above reads deeper or gives away less, and the two highest only vary
// among near-equal moves. The strength of a rung rests on its depth and
// margin alone, never on the time it is given, so a faster engine plays the
// rung as before.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string_view>

#include "computer/strong_player.h"

namespace velmora {

struct LadderRung {
  const char* name;  // velmora-com's name of the rung, e.g. "rung1"
  int plies;         // how deep the moves kept are read, the reply included
  int candidates;    // how many moves, the best of the two-ply look, are read deeper (0: none)
  int margin;        // moves this close to the best (a shogi pawn about 90) are played as often
};

// Weakest first; the rung's number in the menu and the preferences is its
// place here, counted from 1.
inline constexpr std::array LADDER_RUNGS{
    LadderRung{"rung1", 2, 0, 375},
    LadderRung{"rung2", 2, 0, 100},
    LadderRung{"rung3", 4, 8, 15},
    LadderRung{"rung4", 6, 8, 10},
};
inline constexpr int LADDER_RUNG_COUNT = static_cast<int>(LADDER_RUNGS.size());

// The rung of a number 1..LADDER_RUNG_COUNT; none for another.
std::optional<LadderRung> ladder_rung(int number);
// The number of the rung of that name; none for another name.
std::optional<int> ladder_rung_named(std::string_view name);

// The rung's move for the side to move of `root`; none when that side has no
// move at all, or when `stop` was set during the search. The same engine
// state, root and seed give the same move. Under a time control `seconds` is
// what the turn may think: the moves not read by then are not chosen.
std::optional<Candidate> ladder_search(StrongRoot& root, Engine& engine, const LadderRung& rung, std::uint64_t seed,
                                       const std::atomic<bool>* stop = nullptr,
                                       std::optional<double> seconds = std::nullopt);

}  // namespace velmora
