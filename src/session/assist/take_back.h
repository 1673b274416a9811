// 待った: the person takes back their last move in one step (against the
// computer its reply too) and may put it back again. Both are made of the
// steps of "戻" and "進", so the positions, clocks, move texts and sounds are
// theirs; unlike those steps no question follows, and the clock of the side
// to move starts again at once.
#pragma once

#include "game/game.h"

namespace velmora {

// 待った (Ctrl+Z). Refused with the refusal sound where nothing can be taken
// back: no match running, a record shown, or no move of the person's before
// the position on the board.
void take_back(Game& g);

// 待った取消 (Ctrl+Y): steps forward again over what the last take-back
// removed (the person's move and, against the computer, its reply). Refused
// with the refusal sound where nothing lies ahead in the move list.
void take_back_redo(Game& g);

}  // namespace velmora
