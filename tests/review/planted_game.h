// Games planted for the review's tests: a few pieces on an empty board and
// the moves played from it, as a move list holds them.
#pragma once

#include <initializer_list>
#include <vector>

#include "review/replayed_game.h"

namespace velmora::testing {

struct Placed {
  int x, y, code;
};

// A position with the chess army at the top; the main army (the own side at
// the bottom) opens.
inline HistorySlot slot_of(std::initializer_list<Placed> pieces) {
  HistorySlot slot;
  for (const Placed& p : pieces) slot.board(p.x, p.y) = p.code;
  return slot;
}

// The game of `start` and the moves played from it, as a move list holds it.
inline ReviewGame game_of(const HistorySlot& start, const std::vector<SearchMove>& moves) {
  ReviewGame game;
  game.slots.push_back(start);
  PositionSetup s;
  s.board = start.board;
  s.side_to_move = -1;
  SearchPosition p(s);
  for (SearchMove m : moves) {
    p.make(m);
    const PositionSetup after = p.setup();
    HistorySlot slot;
    slot.board = after.board;
    slot.hand_own = after.hand_own;
    slot.hand_enemy = after.hand_enemy;
    game.slots.push_back(slot);
  }
  return game;
}

}  // namespace velmora::testing
