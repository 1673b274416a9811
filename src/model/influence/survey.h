// The influence survey: which pieces of each side reach every square.
#pragma once

#include "influence/maps.h"
#include "rules/position.h"

namespace velmora {

// Fills every map of maps and the king squares from the board.
void 勢力調査(const Position& pos, InfluenceMaps& maps);

}  // namespace velmora
