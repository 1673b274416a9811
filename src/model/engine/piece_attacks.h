// The squares a piece attacks on the padded board: where it could move or
// capture if the square held an opposing piece (own pieces included, so that
// the evaluation can count guards as well as attacks).
#pragma once

#include "engine/squares.h"

namespace velmora {

// Calls `visit(square)` for every square the piece with `code` attacks from
// `from` on `cells` (the piece need not stand there).
template <class Visit>
void visit_attacks(const Cells& cells, int from, int code, Visit&& visit) {
  const int side = sign_of(code);
  const int f = side * PADDED_WIDTH;
  auto slide = [&](const int* steps, int count) {
    for (int k = 0; k < count; ++k)
      for (int to = from + steps[k]; cells[to] != OFF_BOARD; to += steps[k]) {
        visit(to);
        if (cells[to] != EMPTY) break;
      }
  };
  auto step = [&](int to) {
    if (cells[to] != OFF_BOARD) visit(to);
  };
  switch (kind_of(code)) {
    case HU: step(from + f); break;
    case PORN:
      step(from + f + 1);
      step(from + f - 1);
      break;
    case HEISI: {
      step(from + f);
      const int row = row_of(from);
      if (side < 0 ? row <= 4 : row >= 6) {
        step(from + 1);
        step(from - 1);
      }
      break;
    }
    case KYOU: slide(side < 0 ? &STEP_ORTHOGONAL[3] : &STEP_ORTHOGONAL[2], 1); break;
    case KEI:
      step(from + 2 * f + 1);
      step(from + 2 * f - 1);
      break;
    case GIN:
      for (int dx = -1; dx <= 1; ++dx) step(from + f + dx);
      step(from - f + 1);
      step(from - f - 1);
      break;
    case KIN:
    case HU_N:
    case KYOU_N:
    case KEI_N:
    case GIN_N:
      for (int dx = -1; dx <= 1; ++dx) step(from + f + dx);
      step(from + 1);
      step(from - 1);
      step(from - f);
      break;
    case KAKU:
    case BISH: slide(STEP_DIAGONAL, 4); break;
    case SYA:
    case KURUMA:
    case ROOK: slide(STEP_ORTHOGONAL, 4); break;
    case QEEN:
      slide(STEP_DIAGONAL, 4);
      slide(STEP_ORTHOGONAL, 4);
      break;
    case KAKU_N:
      slide(STEP_DIAGONAL, 4);
      for (int s : STEP_ORTHOGONAL) step(from + s);
      break;
    case SYA_N:
      slide(STEP_ORTHOGONAL, 4);
      for (int s : STEP_DIAGONAL) step(from + s);
      break;
    case OU:
    case KING:
      for (int s : STEP_ORTHOGONAL) step(from + s);
      for (int s : STEP_DIAGONAL) step(from + s);
      break;
    case KNIG:
      for (int s : LEAP_KNIGHT) step(from + s);
      break;
    case UMA:  // a leap of (1, 2) whose leg, the first orthogonal step, must be empty
      for (int s : STEP_ORTHOGONAL) {
        if (cells[from + s] != EMPTY) continue;
        const int across = (s == 1 || s == -1) ? PADDED_WIDTH : 1;
        step(from + 2 * s + across);
        step(from + 2 * s - across);
      }
      break;
    case ZOU:
      for (int s : STEP_DIAGONAL) {
        const int to = from + 2 * s;
        const int row = row_of(to);
        if (cells[from + s] == EMPTY && cells[to] != OFF_BOARD && (side < 0 ? row >= 5 : row <= 5)) visit(to);
      }
      break;
    case HOU:
      for (int s : STEP_ORTHOGONAL) {
        int to = from + s;
        while (cells[to] == EMPTY) to += s;
        if (cells[to] == OFF_BOARD) continue;
        for (to += s; cells[to] == EMPTY; to += s) {
        }
        if (cells[to] != OFF_BOARD) visit(to);
      }
      break;
    case TUKAE:
      for (int s : STEP_DIAGONAL)
        if (in_palace(side, from + s)) visit(from + s);
      break;
    case SYOU:
      for (int s : STEP_ORTHOGONAL)
        if (in_palace(side, from + s)) visit(from + s);
      break;
    default: break;
  }
}

}  // namespace velmora
