// The computer's turn.
#pragma once

#include "computer/analysis_position.h"
#include "computer/candidate_search.h"
#include "computer/strong_player.h"
#include "game/game.h"

namespace velmora {

// The search of computer/candidate_search.h on the game, with the options of its
// menu, keeping the window's clock going meanwhile.
bool com_search(Game& g, Candidate& best, SearchTrace* trace = nullptr, ScoreLog* scores = nullptr);

// Stopped: Esc, closing the window, quitting or a take-back ended the search.
// Failed: the search threw; the answer of levels 1-3 stands in for it.
enum class ComAnswer { Move, NoMove, Stopped, Failed };

// Level 4's search of `root` with `engine`, off the window's thread through
// the Clock port.
ComAnswer strong_search_aside(Clock& clock, StrongRoot& root, Engine& engine, const SearchLimits& limits,
                              Candidate& best);

// Level 4's turn in the window, for the game's thinking time, with the game's
// engine (made afresh after a failed search). A stopped search's move is not
// played.
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
