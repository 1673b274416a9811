// Promotion tests shared by the person's move input and the computer.
#pragma once

#include "rules/pieces.h"

namespace velmora {

// The promoted code when the move may promote (the queen for a chess pawn),
// EMPTY (0) when it may not. A drop never promotes.
int 調査_駒成(int fx, int fy, int tx, int ty, int code);

// 1 when `code` is a chess pawn arriving on its promotion rows (own: ty <= 2,
// enemy: ty >= 8): the person then gets the promotion dialog.
int 調査_駒成人選(int ty, int code);

// 0 when a piece of `code` standing on row ty would have no move left and so
// must promote; 1 otherwise.
int 移動後チェック(int ty, int code);

}  // namespace velmora
