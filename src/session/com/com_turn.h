// The computer's turn: levels 1-3 and level 4 as players of the match.
#pragma once

#include <functional>

#include "computer/analysis_position.h"
#include "computer/candidate_search.h"
#include "computer/strong_player.h"
#include "game/game.h"
#include "game/player.h"

namespace velmora {

// The search of computer/candidate_search.h on the game, with the options of its
// menu, keeping the window's clock going meanwhile.
std::optional<Candidate> com_search(Game& g, SearchTrace* trace = nullptr, ScoreLog* scores = nullptr);

// Why the computer's search answers no move. None: the side has no legal move
// or drop. Stopped: Esc, closing the window, quitting or a take-back ended the
// search. Failed: the search threw; the answer of levels 1-3 stands in for it.
enum class NoComMove { None, Stopped, Failed };
// The move the computer's search found, or why there is none.
using ComAnswer = Result<Candidate, NoComMove>;

// A search's move as the computer's answer: None when the side has no move.
ComAnswer searched(const std::optional<Candidate>& move);

// A search off the window's thread through the Clock port: its move, None
// when it found none, Stopped when the window stopped it, Failed when it
// threw.
ComAnswer search_aside(Clock& clock, const std::function<std::optional<Candidate>(const std::atomic<bool>&)>& search);

// The turn of a player on level 4's engine: `turn` searches. A move the
// rules would refuse, or a search that failed, is never played: the search
// of the other levels answers instead.
ComAnswer engine_turn(Game& g, const std::function<ComAnswer(Game&)>& turn);

// Level 4's search of `root` with `engine`, off the window's thread through
// the Clock port.
ComAnswer strong_search_aside(Clock& clock, StrongRoot& root, Engine& engine, const SearchLimits& limits);

// Level 4's turn in the window, for the game's thinking time, with the game's
// engine (made afresh after a failed search). A stopped search's move is not
// played.
ComAnswer strong_turn(Game& g);

// The computer as a player of the enemy side. Asked for its move it shows
// that it thinks, runs its level's search and answers the best candidate;
// with no legal move or drop it resigns (the person wins). Its move is
// blinked before it is played; afterwards the move is shown and framed, a
// taken king ends the match, its time is booked and check or mate is told.
class ComputerPlayer : public Player {
 public:
  PlayerAnswer choose_move(Game& g) const override;
  void before_move(Game& g, const Candidate& move) const override;
  void after_move(Game& g, const Candidate& move) const override;
  void refused(Game& g) const override;

 private:
  // The level's search.
  virtual ComAnswer think(Game& g) const = 0;
};

// The player of the game's level: levels 1-3 search one move ahead, level 4
// thinks off the window's thread.
const ComputerPlayer& computer_player(const Game& g);

// Plays the candidate the computer chose as its turn plays it: blink, move,
// sound, record, the check or mate message and the clock booking.
void com_play(Game& g, const Candidate& best);

// Puts an analysis position on the game for the computer's turn, with its
// level and drops option (MODE_COM).
void set_up_position(Game& g, const AnalysisPosition& position);

// The computer is asked for its move now and its answer is played: search,
// play, record, announce check or mate, book the clock. With no legal move
// or drop the computer resigns.
void com_ban(Game& g);

}  // namespace velmora
