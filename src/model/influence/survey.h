// The influence survey: which pieces of each side reach every square.
#pragma once

#include "game/game.h"

namespace velmora {

// Fills every map of g.maps and the king squares from the board.
void 勢力調査(Game& g);

}  // namespace velmora
