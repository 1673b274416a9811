// Playing a move in the window: the rules make it, the board shows it.
#pragma once

#include "game/game.h"
#include "rules/candidate.h"
#include "rules/moves.h"

namespace velmora {

// Plays the move from `from` (a square, or a hand slot for a drop) to `to`
// with make_move (`code` is the final code on the destination; no legality
// test), keeps the own king's square in the maps, and redraws what the move
// changed.
MoveReport 駒移動(Game& g, Cell from, Cell to, int code);

// Plays a move of the person or of the computer and books it, the one way a
// move is played in a match: the piece moves (駒移動) and sounds, the move
// number and the turn's time advance, the move list keeps the move with the
// thinking time on the clock of the side that moved (the first move also the
// start it was played from, and whether the chess army may drop), and the
// move count is shown. What comes before (frames, the flashing piece) and after (the last
// move's text, handing the turn over) is the caller's.
void play_move(Game& g, const Candidate& move);

}  // namespace velmora
