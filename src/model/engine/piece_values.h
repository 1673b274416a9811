// Values of the pieces and their placement, shared by make and unmake (which
// keep their sum as the position's material) and the evaluation.
#pragma once

#include <cstdlib>

#include "engine/squares.h"

namespace velmora {

inline int piece_value(int kind) { return PIECE_KINDS[kind].value; }

inline int hand_value(int kind, bool droppable) { return droppable ? piece_value(kind) * 115 / 100 : 0; }

inline constexpr int PAWN_ADVANCE[9] = {0, 0, 8, 16, 28, 45, 70, 100, 100};

// Placement bonus of a piece with `code` on `square`, from its owner's view.
inline int placement_value(int code, int square) {
  const int side = sign_of(code);
  const int advance = rows_from_back(side, square) - 1;  // 0 on the back row
  const int off_centre = std::abs(column_of(square) - 5) + std::abs(row_of(square) - 5);
  switch (kind_of(code)) {
    case HU: return advance * 4;
    case HEISI: return advance * 6 + (advance >= 5 ? 20 : 0);
    case PORN: return PAWN_ADVANCE[advance];
    case KEI:
    case KNIG:
    case UMA: return 24 - off_centre * 6;
    case HU_N:
    case KYOU_N:
    case KEI_N:
    case GIN_N:
    case KIN:
    case GIN: return advance * 3;
    case OU:
    case KING:
    case SYOU: return -advance * 20;
    default: return 0;
  }
}

}  // namespace velmora
