// The strong computer player (level 4) on the game's position: the engine
// searches the position the computer finds at the start of its turn (the
// enemy side to move) and answers with a candidate of the same shape the
// other levels produce, played through the same routine.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

#include "computer/candidate_search.h"
#include "engine/engine_terms.h"
#include "engine/search.h"
#include "rules/position.h"

namespace velmora {

inline constexpr int STRONG_LEVEL = 4;

// The position with the enemy side to move, the last recorded move (for en
// passant) and whether the chess army may drop.
PositionSetup computer_to_move(const Position& pos, bool chess_drops);

// The candidate of a move of the search.
Candidate candidate_of(SearchMove move);

// What the engine searches for the computer's turn: the position with the
// enemy side to move, and the hashes of the positions of the move list before
// it, oldest first, so that a move back to one of them costs a little
// (REPEAT_COST). Made from the game's position before the search starts, so
// that the search itself reads nothing of the game.
struct StrongRoot {
  SearchPosition position;
  std::vector<std::uint64_t> earlier;
};
StrongRoot strong_root(const Position& pos, bool chess_drops);

// The limits with the thinking time kept between none and MAX_MOVE_SECONDS.
SearchLimits within_move_time(SearchLimits limits);

// Searches the root with `engine` and answers the move for its side to move;
// none when that side has no move at all.
std::optional<Candidate> strong_search(StrongRoot& root, Engine& engine, const SearchLimits& limits,
                                       const std::atomic<bool>* stop = nullptr, SearchReport* report = nullptr);

// Level 4's own evaluation of one move of the side to move of `root`: the
// position after it, scored from the mover's view, with the terms from the
// same view (the mover being the computer's side, the enemy side, in a turn
// of the computer).
struct StrongEvaluation {
  int code = 0;  // the code on the destination after the move
  int score = 0;
  EngineTrace terms;
};

// The evaluations of the moves from `source` to `to` that keep the
// mover's king (a drop: its hand column and hand index, as named_source), one
// for each final code the search tries; none when the search has no such move.
std::vector<StrongEvaluation> strong_evaluations(StrongRoot& root, Cell source, Cell to);

// Whether the rules let the side `side` (+1 enemy, -1 own) play the candidate
// with that final code: the move check, and for a board move the piece on the
// source and the promotion the rules offer or force. Refreshes the two-pawn
// columns first.
bool rules_allow(Position& pos, const Candidate& move, int side);

}  // namespace velmora
