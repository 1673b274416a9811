// ヒント: the move the computer, at its current level, would play for the side
// to move, framed on the board. It is searched on a copy, so the game, its
// move list, clocks and drawing stay as they were, apart from the two frames.
#pragma once

#include <optional>

#include "game/game.h"
#include "rules/candidate.h"

namespace velmora {

// Colour of the hint's frames (used by nothing else).
inline constexpr PaletteColour HINT_FRAME_COLOUR = PaletteColour::LightCyan;

// The computer's choice for the side to move, in a match or a record shown,
// as the window shows the board (its cells source_cell() and to); none when
// no side is to move, that side has no legal move, or the search was
// stopped. Level 4 searches off the window's thread (Clock::run_aside).
std::optional<Candidate> find_hint(const Game& g);

// F2: frames the hint's two cells, or plays the refusal sound when there is
// none. Clicks on the board made meanwhile are dropped; a stopped search
// shows nothing.
void hint_click(Game& g);

}  // namespace velmora
