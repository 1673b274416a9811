// Helpers for the computer-player tests: a game on recording fakes with a
// position set up square by square, and readers of evaluation traces.
#pragma once

#include <initializer_list>

#include "com/com_turn.h"
#include "computer/score_sheet.h"
#include "fakes/fake_ports.h"
#include "influence/survey.h"
#include "rules/moves.h"

namespace velmora::testing {

struct Piece {
  int x, y, code;
};

// A match against the computer, set up as the person's move left it: the
// pieces placed, the two-pawn flags fresh, one survey of the position.
struct ComGame {
  TestGame t;
  Game& g = t.game;

  explicit ComGame(std::initializer_list<Piece> pieces, int level = 3) {
    g.game_mode = MODE_COM;
    g.pos.turn = g.pos.main_sign();
    g.com.com_level = level;
    for (const Piece& p : pieces) g.pos.board(p.x, p.y) = p.code;
    refresh();
  }
  void give_own(int hand_index, int count = 1) { g.pos.hand_own[hand_index] += count; }
  void give_enemy(int hand_index, int count = 1) { g.pos.hand_enemy[hand_index] += count; }
  void refresh() {
    調査_2歩フラグ設定(g.pos);
    勢力調査(g.pos, g.maps);
  }
};

// Sum of the amounts of `term` in the trace (0 when it did not fire).
inline Tenths amount_of(const EvalTrace& trace, Term term) {
  Tenths sum = 0;
  for (const TraceTerm& t : trace)
    if (t.term == term) sum += t.amount;
  return sum;
}

inline bool fired(const EvalTrace& trace, Term term) {
  for (const TraceTerm& t : trace)
    if (t.term == term) return true;
  return false;
}

// The search with one candidate traced.
inline SearchTrace trace_candidate(Game& g, int sx, int sy, int tx, int ty, Candidate& best, bool& found) {
  SearchTrace trace{{sx, sy}, {tx, ty}, {}};
  const std::optional<Candidate> move = com_search(g, &trace);
  found = move.has_value();
  if (move) best = *move;
  return trace;
}

}  // namespace velmora::testing
