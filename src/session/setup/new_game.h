// A new game, and the switch between the Japanese and the Korean line-up in
// the window.
#pragma once

#include "game/game.h"

namespace velmora {

// Resets the match state, empties both hands, sets up the starting position
// of the main army chosen in the menu against the chess army, records it as
// move 0 and redraws the window.
void 初期設定(Game& g);

// Exchanges the main army on the board for the other nation's, brings the
// two-pawn flags up to date and redraws the board.
void 初期設定_自駒配置(Game& g);

// The leading nation has been switched in the menu: the main army is
// exchanged on the board and in every position of the move list, so that two
// neighbouring positions still differ only by the move between them (whose
// move it is, and what a move did, are read from that difference). A record
// on show is left as it was played: the mark applies to the next new game.
void switch_main_army(Game& g);

}  // namespace velmora
