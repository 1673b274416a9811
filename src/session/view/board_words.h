// The board in words, for a screen reader: whose move it is (the army's
// name), check, the move that led to the position on the board in the game's
// notation, every piece on its square with its army, and both hands.
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

// "主戦軍の番です" or "チェス軍の番です" (nothing before a match), "王手" when the
// side to move stands in check, "最後の手：７六 歩" once a move has been
// made, then "５九 王、主戦軍" for every piece from the top row down, each
// row from the left, then a line for each army's hand; a line each.
std::string board_description(const Game& g);

// Both armies' clocks as they stand now, a line each:
// "主戦軍の時間：00:01:23", "チェス軍の時間：00:00:40".
std::string clock_words(const Game& g);

// Whose move it is, by the army's name; "" before a match.
std::string turn_words(const Position& pos);

// Whether the king of the army to move could be taken by a move of the other
// army.
bool side_to_move_in_check(const Position& pos);

}  // namespace velmora
