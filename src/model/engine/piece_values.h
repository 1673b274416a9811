// Values of the pieces and their placement, shared by make and unmake (which
// keep their sum as the position's material) and the evaluation. Each part of
// a placement is a term of the evaluation (engine_terms.h).
#pragma once

#include <cstdlib>

#include "engine/engine_terms.h"
#include "engine/squares.h"

namespace velmora {

// A piece in hand that its side may drop is worth this share of its value on
// the board, in percent: it can appear where it is needed.
inline constexpr int DROPPABLE_HAND_PERCENT = 115;

// Placement, by the rows a piece has advanced from its own back row (0 there).
inline constexpr int HU_PER_ROW = 4;
inline constexpr int HEISI_PER_ROW = 6;
// A soldier this many rows forward is past the middle and may step sideways.
inline constexpr int HEISI_SIDEWAYS_ADVANCE = 5;
inline constexpr int HEISI_SIDEWAYS_BONUS = 20;
// A chess pawn by its advance: worth ever more as promotion nears.
inline constexpr int PORN_ADVANCE_BONUS[9] = {0, 0, 8, 16, 28, 45, 70, 100, 100};
inline constexpr int GOLD_PER_ROW = 3;   // golds, silvers and the promoted minor pieces
inline constexpr int KING_PER_ROW = 20;  // taken off: a king is safest at home
// Knights and horses by their distance from the centre square (steps along
// columns and rows).
inline constexpr int LEAPER_CENTRE_BONUS = 24;
inline constexpr int LEAPER_PER_STEP_OFF_CENTRE = 6;

inline int piece_value(int kind) { return PIECE_KINDS[kind].value; }

inline int hand_value(int kind, bool droppable) {
  return droppable ? piece_value(kind) * DROPPABLE_HAND_PERCENT / 100 : 0;
}

// Calls `add(term, amount)` for each part of the placement bonus of a piece
// with `code` on `square`, from its owner's view; a kind without one adds
// nothing.
template <class Add>
void placement_terms(int code, int square, Add&& add) {
  const int side = sign_of(code);
  const int advance = rows_from_back(side, square) - 1;
  switch (kind_of(code)) {
    case HU: add(EngineTerm::HuAdvance, advance * HU_PER_ROW); break;
    case HEISI:
      add(EngineTerm::HeisiAdvance, advance * HEISI_PER_ROW);
      if (advance >= HEISI_SIDEWAYS_ADVANCE) add(EngineTerm::HeisiSideways, HEISI_SIDEWAYS_BONUS);
      break;
    case PORN: add(EngineTerm::PornAdvance, PORN_ADVANCE_BONUS[advance]); break;
    case KEI:
    case KNIG:
    case UMA: {
      const int off_centre = std::abs(column_of(square) - 5) + std::abs(row_of(square) - 5);
      add(EngineTerm::LeaperCentre, LEAPER_CENTRE_BONUS - off_centre * LEAPER_PER_STEP_OFF_CENTRE);
      break;
    }
    case HU_N:
    case KYOU_N:
    case KEI_N:
    case GIN_N:
    case KIN:
    case GIN: add(EngineTerm::GoldAdvance, advance * GOLD_PER_ROW); break;
    case OU:
    case KING:
    case SYOU: add(EngineTerm::KingAdvance, -advance * KING_PER_ROW); break;
    default: break;
  }
}

// The whole placement bonus of a piece with `code` on `square`, from its
// owner's view.
inline int placement_value(int code, int square) {
  int value = 0;
  placement_terms(code, square, [&value](EngineTerm, int amount) { value += amount; });
  return value;
}

}  // namespace velmora
