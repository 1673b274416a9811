// A player of one side of the match: the person at the board (the mouse or
// the move field), a level of the computer, and in time a player on another
// machine or one under a clock with a time control. The match asks the
// player of the side to move for its move and plays what comes back through
// the one play_move (view/piece_move.h); a player never plays the other
// side's reply itself.
#pragma once

#include "base/result.h"
#include "rules/candidate.h"

namespace velmora {

struct Game;

// Why a player answers without a move.
enum class NoMove {
  Later,    // the move comes later by itself: a person clicks it or types it
  Resigns,  // there is no move or drop to make: the player has given up
  Stopped,  // the thinking was stopped (Esc, closing the window, 待った)
};

// The answer of a player asked for its move.
using PlayerAnswer = Result<Candidate, NoMove>;

class Player {
 public:
  virtual ~Player() = default;
  // Asked for its move when its side is to move.
  virtual PlayerAnswer choose_move(Game& g) const = 0;
  // What the player shows of its move just before it is played (the
  // computer's blink) and once it stands on the board (the move's text, the
  // clock booked, the result when it ended the match).
  virtual void before_move(Game& g, const Candidate& move) const = 0;
  virtual void after_move(Game& g, const Candidate& move) const = 0;
  // The move it answered could not be played: nothing changed.
  virtual void refused(Game& g) const = 0;
};

}  // namespace velmora
