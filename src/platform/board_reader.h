// The board as a screen reader finds it: a canvas with an accessible name,
// and a description saying whose move it is, the last move, every piece and
// both hands, in the window's language; a change (a move of either side) is
// announced to the reader (AT-SPI on the desktop). On request the name tells
// both armies' clocks as well.
#pragma once

#include <QWidget>

#include "game/game.h"

namespace velmora::platform {

// Lets a screen reader find the window's board as a canvas (the role it
// announces), not as a plain part of the window.
void install_board_reader();

// Gives `board` its name and the description of `g` as it stands, and tells
// the screen reader when the description changed.
void tell_board(QWidget& board, const Game& g);

// Names `board` with both armies' clocks as they stand ("Board, Main army's
// clock: 00:01:23, Chess army's clock: 00:00:40"), which the reader hears as
// the focused board's new name; the next change of the position names it
// plainly again.
void tell_clocks(QWidget& board, const Game& g);

}  // namespace velmora::platform
