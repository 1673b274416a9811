// Promotion of a piece the person moves with the mouse.
#pragma once

#include "game/game.h"

namespace velmora {

// Settles the promotion of the legal move of the selected piece to
// sel.to, made with `button`: the right button promotes a
// shogi piece where it may, a chess pawn reaching its last two rows gets the
// promotion dialog, and a piece that must promote is refused with the left
// button. On success sel.sel_code holds the code the piece arrives as; false
// means the move is refused (refusal sound and message shown, the piece stays
// selected).
bool settle_promotion(Game& g, int button);

}  // namespace velmora
