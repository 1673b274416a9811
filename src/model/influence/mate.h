// Check and mate tests. They read the maps of the last survey (run 勢力調査
// first) and leave the board as they found it. 詰めかCOM resurveys each trial
// move that might end the check, so when the enemy king stands in check it
// leaves the maps of its last trial behind, not those of the position it
// tested: the computer's turn that follows the person's move counts the own
// king's escape squares on them, so the game keeps that.
#pragma once

#include "influence/maps.h"
#include "rules/position.h"

namespace velmora {

bool 詰めかCOM(Position& pos, InfluenceMaps& maps);        // the enemy side (positive codes) is mated
bool 詰めかMAN(Position& pos, const InfluenceMaps& maps);  // the own side (negative codes) is mated
bool 詰めかMAN_COM移動(const Position& pos,
                       const InfluenceMaps& maps);                  // some enemy piece can move onto the own king
int 調査_自王逃道(const Position& pos, const InfluenceMaps& maps);  // escape squares of the own king

}  // namespace velmora
