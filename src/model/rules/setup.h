// The starting position, and the exchange between the Japanese and the Korean
// line-up of the main army.
#pragma once

#include "rules/position.h"

namespace velmora {

// The starting position without the hands: the main army of the chosen
// nation (日本 when `nippon`) at the bottom, the chess army on top.
Board starting_board(bool nippon);

// The position of a new game before its match starts: the starting board of
// the nation, empty hands, the chess army on top, no army to move, no move
// made and both kings standing. The move list stays as it was.
void set_up_new_game(Position& pos, bool nippon);

// Exchanges every main-army piece on the board for its counterpart of the
// other nation (OU<->SYOU, KIN<->TUKAE, ...; KAKU and SYA become HOU, HOU
// becomes KAKU under 日本 and SYA under 韓国).
void exchange_main_army(Board& board, bool nippon);

}  // namespace velmora
