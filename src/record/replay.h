// Stepping through the move list, back to the start, and the board flip.
#pragma once

#include "game/game.h"

namespace velmora {

void after_click(Game& g);    // 進
void replay_click(Game& g);   // 戻
void cancel_click(Game& g);   // 最初
void reverse_click(Game& g);  // 反転

}  // namespace velmora
