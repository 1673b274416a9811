// Strength levels and the handicap ladder.
#pragma once

#include "game/game.h"

namespace velmora {

void レベル_設定(Game& g, int level);
// LEVEL1..LEVEL4 clicks.
void level_click(Game& g, int level);
// LBEL_UP (up = true, "△") and LEBEL_DOWN (up = false, "▽") clicks.
void handicap_click(Game& g, bool up);

}  // namespace velmora
