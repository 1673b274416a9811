// The computer's turn.
#pragma once

#include "computer/analysis_position.h"
#include "computer/candidate_search.h"
#include "game/game.h"

namespace velmora {

// The search of computer/candidate_search.h on the game, with the options of its
// menu, keeping the window's clock going meanwhile.
bool com_search(Game& g, Candidate& best, SearchTrace* trace = nullptr, ScoreLog* scores = nullptr);

enum class ComAnswer { Move, NoMove, Stopped };

// Level 4's turn in the window: searches off the window's thread through the
// Clock port, for the game's thinking time. Stopped when Esc or closing the window
// ended the search; the move then is not played.
ComAnswer strong_turn(Game& g, Candidate& best);

// Plays the candidate the search chose: blink, move, sound, record, the check
// or mate message and the clock booking.
void com_play(Game& g, const Candidate& best);

// Puts an analysis position on the game for the computer's turn, with its
// level and drops option (MODE_COM).
void set_up_position(Game& g, const AnalysisPosition& position);

// The whole turn: search, play, record, announce check or mate, book the
// clock. With no legal move or drop the computer resigns.
void com_ban(Game& g);

}  // namespace velmora
