#include "rules/handicap.h"

#include <algorithm>
#include <iterator>

namespace velmora {
namespace {

// Whether the main army left a square between the start and the first
// position other than the ladder's first `steps` squares.
bool left_square_elsewhere(const Board& start, const Board& first, int steps) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const bool ladder =
          std::any_of(PERSON_STEPS, PERSON_STEPS + steps, [&](const LadderStep& s) { return s.x == x && s.y == y; });
      if (!ladder && start(x, y) < 0 && first(x, y) == EMPTY) return true;
    }
  return false;
}

}  // namespace

bool holds_both_kings(const Board& board) {
  int main_king = EMPTY, chess_king = EMPTY;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int code = board(x, y);
      if (kind_of(code) == OU || kind_of(code) == SYOU) main_king = code;
      if (kind_of(code) == KING) chess_king = code;
    }
  return main_king != EMPTY && chess_king != EMPTY && (main_king < 0) != (chess_king < 0);
}

void take_off_record_handicap(Board& start, const Board& first) {
  // The chess army has not moved yet: its back-rank squares the ladder
  // emptied are still empty.
  for (const LadderStep& step : COMPUTER_STEPS) {
    if (first(step.x, step.y) != EMPTY) break;
    start(step.x, step.y) = EMPTY;
  }
  // The person's emptied squares: the ladder's first ones, and the square
  // the first move left. When that square is not found elsewhere, it is the
  // last of the ladder's empty squares.
  int empty_steps = 0;
  while (empty_steps < std::ssize(PERSON_STEPS) &&
         first(PERSON_STEPS[empty_steps].x, PERSON_STEPS[empty_steps].y) == EMPTY)
    ++empty_steps;
  const int taken_off = left_square_elsewhere(start, first, empty_steps) ? empty_steps : std::max(0, empty_steps - 1);
  for (int i = 0; i < taken_off; ++i) start(PERSON_STEPS[i].x, PERSON_STEPS[i].y) = EMPTY;
}

}  // namespace velmora
