// Playing a move in the window: the rules make it, the board shows it.
#pragma once

#include "game/game.h"
#include "game/player.h"
#include "rules/candidate.h"
#include "rules/moves.h"

namespace velmora {

// Plays the move from `from` (a square, or a hand slot for a drop) to `to`
// with the model's 駒移動 (`code` is the final code on the destination; no
// legality test) and redraws what the move changed.
MoveReport 駒移動(Game& g, Cell from, Cell to, int code);

// Plays a move of the person or of the computer and books it, the one way a
// move is played in a match: the model plays it (the piece, the move number,
// the army to move next), the board shows it, it sounds, the turn's time
// advances, the move list keeps the move with the thinking time on the clock
// of the side that moved (the first move also the start it was played
// from, and whether the chess army may drop), and the move count is shown.
// A move the model refuses is neither shown nor booked. What comes before
// (frames, the flashing piece) and after (the last move's text, what the
// match does next) is the caller's.
[[nodiscard]] MoveReport play_move(Game& g, const Candidate& move);

// A player's move in the match: what the player shows before it, the move
// played (play_move), and what the player shows after it; a move the model
// refuses goes back to the player (Player::refused). True when it was played.
bool play_players_move(Game& g, const Player& player, const Candidate& move);

// The player is asked for its move now and what it answers is played; true
// when a move was played (a person answers later, a player may resign or be
// stopped).
bool take_turn(Game& g, const Player& player);

}  // namespace velmora
