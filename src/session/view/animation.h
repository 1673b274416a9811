// Movement guidance, the computer's blink and its pawn-promotion display.
#pragma once

#include "game/game.h"

namespace velmora {

void 描画_移動可能桝色(Game& g, Cell from, PaletteColour colour, int code);
void 描画_駒点滅(Game& g, int code, Cell cell, int n);
void 描画_桝駒成アニメ(Game& g, int final_code);

// Returns once `seconds` have passed (through the Clock port, which keeps the
// window painted); safe across midnight.
void wait_seconds(Game& g, double seconds);

}  // namespace velmora
