// The board in words, for a screen reader: whose move it is and the move
// that led to the position on the board, in the game's notation.
#pragma once

#include <string>

#include "game/game.h"
#include "text/shown.h"

namespace velmora {

inline constexpr const char* BOARD_NAME = SHOWN("盤");

// Move n as the move display shows it: file and rank, a space, the piece
// ("７六 歩", "５四 ポーン"); "――" when no piece arrived anywhere.
std::string move_notation(const Game& g, int n);

// The move list's row of the position on the board (0 the start).
int current_move_row(const Game& g);

// "先手の番です" or "後手の番です" (nothing before a match), then on a line of
// its own "最後の手：７六 歩" once a move has been made.
std::string board_description(const Game& g);

}  // namespace velmora
