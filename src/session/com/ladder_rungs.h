// The rungs of the ladder between level 3 and level 4 in the window: chosen
// in the level menu beside LEVEL4, each with a caption of its own, and played
// by level 4's engine held to the rung's depth. A rung chosen makes the level
// 4 (so that everything that asks the level finds the strong player) and
// takes the check mark from LEVEL4; a click on LEVEL1–LEVEL4 leaves the rung.
#pragma once

#include <array>

#include "com/com_turn.h"
#include "computer/ladder.h"
#include "text/shown.h"

namespace velmora {

// The captions of the rungs in the level menu, weakest first.
inline constexpr std::array<const char*, LADDER_RUNG_COUNT> LADDER_CAPTIONS{
    SHOWN("LEVEL4 ･ ５級"),
    SHOWN("LEVEL4 ･ ３級"),
    SHOWN("LEVEL4 ･ １級"),
    SHOWN("LEVEL4 ･ 初段"),
};

// A click on the rung's item (1..LADDER_RUNG_COUNT): the computer plays it
// from its next move on, as a level click takes effect.
void ladder_click(Game& g, int rung);
// The check mark of the rung's item.
bool ladder_checked(const Game& g, int rung);
// The rung that plays now, none while another level does.
std::optional<LadderRung> playing_rung(const Game& g);

// The rung's search of the game's position, off the window's thread with the
// game's engine; its die is cast from the time of the turn.
ComAnswer ladder_turn(Game& g, const LadderRung& rung);

// The computer as a player at the rung.
const ComputerPlayer& ladder_player();

}  // namespace velmora
