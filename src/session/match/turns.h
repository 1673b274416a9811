// The match asks its players: when a side is to move, its player (the person
// at the board, the other person, or the computer at its level) is asked for
// its move once the event that handed it the turn has ended, and what it
// answers is played through the one play_move. A person answers later, with
// a click or a typed move.
#pragma once

#include "game/game.h"
#include "game/player.h"

namespace velmora {

// The player of a side: the own side is the person at the board; the enemy
// side the other person, or against the computer the computer at its level.
const Player& player_of(const Game& g, Side side);

// The person at the board has chosen a move (with the mouse or the move
// field): it is played, and the next player is asked.
void play_persons_move(Game& g, const Candidate& move);

// The player of the side to move is to be asked once the running event has
// ended: the window puts the question between events (and before the next
// one, so that no event overtakes it).
void ask_player_soon(Game& g);

// Whether a question waits to be put.
bool player_to_ask(const Game& g);

// Puts the waiting question to the player of the side to move, while the
// match goes on, and plays its answer.
void ask_player(Game& g);

}  // namespace velmora
