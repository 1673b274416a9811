// Check and mate tests. They read the maps of the last survey (run 勢力調査
// first) and leave the board as they found it.
#pragma once

#include "game/game.h"

namespace velmora {

int 詰めかCOM(Game& g);            // 1 when the enemy side (positive codes) is mated
int 詰めかMAN(Game& g);            // 1 when the own side (negative codes) is mated
int 詰めかMAN_COM移動(Game& g);    // 1 when some enemy piece can move onto the own king
int 調査_自王逃道(const Game& g);  // escape squares of the own king

}  // namespace velmora
