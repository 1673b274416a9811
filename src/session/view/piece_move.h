// Playing a move in the window: the rules make it, the board shows it.
#pragma once

#include "game/game.h"
#include "rules/moves.h"
#include "view/piece_move.h"

namespace velmora {

// Plays the move from (fx, fy) (a square, or a hand slot for a drop) to
// (tx, ty) with make_move (`code` is the final code on the destination; no
// legality test), keeps the own king's square in the maps, and redraws what
// the move changed.
MoveReport 駒移動(Game& g, int fx, int fy, int tx, int ty, int code);

}  // namespace velmora
