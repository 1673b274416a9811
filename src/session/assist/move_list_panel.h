// The move list panel 棋譜一覧: every move of the move list in the game's
// notation, numbered, with the position on the board marked; choosing a row
// shows that position.
//
// The panel is kept up to date by changes: the session tells the window as
// soon as a move is listed (Screen::move_list_changed) and the window asks
// after every event whether anything changed; either way it takes only the
// rows that changed, so a long record costs nothing while nothing happens.
#pragma once

#include <string>
#include <vector>

#include "game/game.h"
#include "text/shown.h"
#include "view/board_words.h"

namespace velmora {

// Text of the starting position's row.
inline constexpr const char* START_ROW_TEXT = SHOWN("開始局面");

// Move n with its number before it, as a line of the list: "  1 ７六 歩".
std::string numbered_move(const Game& g, int n);

// What the panel changes to show the game as it stands: row 0 is the
// starting position, row n move n.
struct MoveListUpdate {
  int row_count = 0;              // the start and every move of the list
  int first_row = 0;              // rows[i] is the text of row first_row + i
  std::vector<std::string> rows;  // the rows that may read differently, and the new ones
  int current_row = 0;
};

// Whether the panel has anything to change: a row, the number of rows or the
// row of the position on the board. Costs the same whatever the list's length.
bool move_list_update_pending(const Game& g);

// Takes what changed since the last update was taken (or every row when
// `whole`, for a panel filled afresh). A move's row reads its slot and the
// slot before, so a written slot gives two rows.
MoveListUpdate take_move_list_update(Game& g, bool whole);

// Shows the position of row n exactly as stepping there with "戻" and "進"
// would, with the last move's text beside the board; a step that is refused
// ends the way. A list kept after its match is first put on show as a
// loaded record is (show_list_as_record).
void go_to_move(Game& g, int n);

}  // namespace velmora
