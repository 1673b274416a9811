// A new game: the starting position of the chosen main army, and the switch
// between the Japanese and the Korean line-up.
#pragma once

#include "game/game.h"

namespace velmora {

// Resets the match state, empties both hands, sets up the starting position
// of the main army chosen in the menu against the chess army, records it as
// move 0 and redraws the window.
void 初期設定(Game& g);

// The starting position without the hands: the main army of the chosen
// nation (日本 when `nippon`) at the bottom, the chess army on top.
Board starting_board(bool nippon);

// Exchanges every main-army piece on the board for its counterpart of the
// other nation (OU<->SYOU, KIN<->TUKAE, ...; KAKU and SYA become HOU, HOU
// becomes KAKU under 日本 and SYA under 韓国), brings the two-pawn flags up
// to date and redraws the board.
void 初期設定_自駒配置(Game& g);

// The leading nation has been switched in the menu: the main army is
// exchanged on the board and in every position of the move list, so that two
// neighbouring positions still differ only by the move between them (whose
// move it is, and what a move did, are read from that difference).
void switch_main_army(Game& g);

}  // namespace velmora
