// The board as a screen reader finds it: an accessible name, and a
// description saying whose move it is and the last move, in the window's
// language; a change is announced to the reader (AT-SPI on the desktop).
#pragma once

#include <QWidget>

#include "game/game.h"

namespace velmora::platform {

// Gives `board` its name and the description of `g` as it stands, and tells
// the screen reader when the description changed.
void tell_board(QWidget& board, const Game& g);

}  // namespace velmora::platform
