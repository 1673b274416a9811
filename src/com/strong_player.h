// The strong computer player (level 4) on a game window's position: the
// engine searches the position the computer finds at the start of its turn
// (the enemy side to move) and answers with a candidate of the same shape the
// other levels produce, played through the same routine.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "com/com_turn.h"
#include "engine/search.h"
#include "game/game.h"

namespace velmora {

inline constexpr int STRONG_LEVEL = 4;

// The game's position with the enemy side to move, the last recorded move
// (for en passant) and who may drop.
PositionSetup computer_to_move(const Game& g);

// The hashes of the positions of the move list before the current one,
// oldest first (whose move it was alternates back from the current turn).
std::vector<std::uint64_t> earlier_position_hashes(const Game& g);

// The candidate of a move of the search: a drop's source is its hand column
// and its hand index, as com_search gives it.
Candidate candidate_of(SearchMove move);

// Searches the game's position for the enemy side with `engine` and leaves
// the move in `best`; false when the enemy side has no move at all.
bool strong_search(Game& g, Engine& engine, const SearchLimits& limits, Candidate& best,
                   const std::atomic<bool>* stop = nullptr, SearchReport* report = nullptr);

// Whether the rules let the side `side` (+1 enemy, -1 own) play the candidate
// with that final code: the move check, and for a board move the piece on the
// source and the promotion the rules offer or force.
bool rules_allow(Game& g, const Candidate& move, int side);

enum class ComAnswer { Move, NoMove, Stopped };

// Level 4's turn in the window: searches off the window's thread through the
// Clock port, for the game's thinking time. Stopped when Esc or closing the window
// ended the search; the move then is not played.
ComAnswer strong_turn(Game& g, Candidate& best);

}  // namespace velmora
