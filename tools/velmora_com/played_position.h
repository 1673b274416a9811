// A position of a game the tool plays, and the steps both self-play and
// matches take on it.
#pragma once

#include <optional>

#include "com/com_turn.h"
#include "com_protocol.h"
#include "game/game.h"
#include "ports/null_ports.h"
#include "rules/position_check.h"
#include "setup/new_game.h"

namespace velmora {

// The position seen from the other side: the board turned by 180 degrees with
// every code negated, the hands exchanged, the last move turned along.
void flip(AnalysisPosition& p);

// A silent game window holding a position, the enemy side to move.
struct PositionGame {
  NullPorts silent;
  Game g{silent.ports()};
  explicit PositionGame(const AnalysisPosition& p) { set_up_position(g, p); }
};

// The position after `move` was played on the game.
void take_position(AnalysisPosition& p, const Game& g, const Candidate& move);

// Moves a candidate's piece with the game's move routine alone: no sound, no
// clock, no move list.
void move_piece(Game& g, const Candidate& move);

// The first fault of the rules' bookkeeping and of the two line-ups.
PositionCheck check_played_position(const Game& g);

}  // namespace velmora
