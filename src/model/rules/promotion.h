// Promotion tests shared by the person's move input and the computer.
#pragma once

#include "rules/pieces.h"

namespace velmora {

// The promoted code when the move from `from` to `to` may promote (the queen
// for a chess pawn), EMPTY (0) when it may not. A drop never promotes.
int 調査_駒成(Cell from, Cell to, int code);

// Whether `code` is a chess pawn arriving on its promotion rows (own: ty <= 2,
// enemy: ty >= 8): the person then gets the promotion dialog.
bool 調査_駒成人選(int ty, int code);

// Whether a piece of `code` may stay unpromoted on row ty: false when it
// would have no move left there and so must promote.
bool 移動後チェック(int ty, int code);

}  // namespace velmora
