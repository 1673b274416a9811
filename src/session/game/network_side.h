// The other machine of a match played over the network, as the rest of the
// session meets it: the player of one side is there, and what happens here
// (a move of this side, a flag that fell, the end of the match, 待った) is
// told to it. While no such match is on, the game holds none.
#pragma once

#include "game/player.h"
#include "rules/side.h"

namespace velmora {

struct Game;

class NetworkSide {
 public:
  virtual ~NetworkSide() = default;
  // The side the other machine plays, and its player here.
  virtual Side remote_side() const = 0;
  virtual const Player& remote_player() const = 0;
  // The player of this machine's side: none for the person at the board.
  virtual const Player* local_player() const = 0;
  // Whether a move of this machine's side is taken now: the link is up, the
  // match runs and this side is to move.
  virtual bool moves_here_now(const Game& g) const = 0;
  // A move has been played on the board (by either side), before what its
  // player shows after it (the end of the match included).
  virtual void move_played(Game& g, const Candidate& move) = 0;
  // The flag of `loser` has fallen: the match ends on time now.
  virtual void lost_on_time(Game& g, Side loser) = 0;
  // The match ends now (a king taken, a side without a move, on time, 投了).
  virtual void match_ending(Game& g) = 0;
  // 待った was chosen: it becomes a request to the other player.
  virtual void take_back_asked(Game& g) = 0;
};

}  // namespace velmora
