// The move list panel 棋譜一覧: every move of the move list in the game's
// notation, numbered, with the position on the board marked; choosing a row
// shows that position.
#pragma once

#include <string>
#include <vector>

#include "game/game.h"

namespace velmora {

// Text of the starting position's row.
inline constexpr const char* START_ROW_TEXT = "開始局面";

// Move n as the move display shows it: file and rank, a space, the piece
// ("７六 歩", "５四 ポーン"); "――" when no piece arrived anywhere.
std::string move_notation(const Game& g, int n);

// Move n with its number before it, as a line of the list: "  1 ７六 歩".
std::string numbered_move(const Game& g, int n);

// Row 0 the starting position, row n move n, for every move of the list.
std::vector<std::string> move_list_rows(const Game& g);

// The row of the position on the board.
int current_move_row(const Game& g);

// Shows the position of row n exactly as stepping there with "戻" and "進"
// would; a step that is refused ends the way.
void go_to_move(Game& g, int n);

}  // namespace velmora
