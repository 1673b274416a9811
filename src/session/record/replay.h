// Stepping through the move list, back to the start, and the board flip.
#pragma once

#include "game/game.h"

namespace velmora {

void after_click(Game& g);    // 進
void replay_click(Game& g);   // 戻
void cancel_click(Game& g);   // 最初
void reverse_click(Game& g);  // 反転

// A record has just filled the move list over a new game. Its start, which
// no file holds, is set up the way its moves stand: turned round when they
// show the chess army at the bottom, and without the pieces a handicap took
// off before the first move. Only a first move line that was read whole and
// holds both kings tells that; otherwise the start keeps the full line-up.
// Redraws the window.
void fit_start_to_record(Game& g, bool first_move_whole);

}  // namespace velmora
