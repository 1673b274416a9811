// 前回の対局を再開: the running match is kept in a file of its own beside the
// preferences file after every event and whenever the program ends, so that
// the next run can set it up again exactly as it stood. Only a match actually
// played (a move made in it) or resumed takes the file's place; looking at a
// record, a review or stepping through the list replaces nothing, and a match
// left for a record or a new game stays in the file, offered again. A match
// that ended (a king taken) leaves no file behind.
#pragma once

#include <string>

#include "game/game.h"
#include "resume/match_file.h"

namespace velmora {

// Where the match is kept: the per-user folder of the settings.
std::string match_file_path(const Game& g);

// At start-up: whether the file holds a match of an earlier run to offer.
// Nothing is read beyond what that takes; a damaged file is told about only
// when the player asks for it.
void look_for_match_to_resume(Game& g);

// Whether 前回の対局を再開 has a match to set up (its menu item is enabled).
bool match_to_resume(const Game& g);

// After every event of the window (and once more as the program ends): once
// this run plays a match, the file follows it, written atomically when the
// match changed or the program ends; once the match has ended, the file goes.
// A failed write is told once a run. A window whose folder's match another
// window keeps (match_keeper.h) writes nothing.
void keep_match(Game& g);

// The program is ending by a signal while an event waits (for a box or a
// dialog): the match is left as the last whole event wrote it, or removed
// if it has ended meanwhile, and nothing is written from now on.
void keep_match_at_signal(Game& g);

// Sets up `match` in place of what `g` holds and redraws the window; the
// file follows it from now on.
void restore_saved_match(Game& g, const SavedMatch& match);

// 前回の対局を再開 (Ctrl+R): sets up the kept match exactly: board, hands,
// move list, the step on show, who plays and at which level, the handicap,
// the flip, the nation and the chess-drop option, the clocks as they stood
// and a loaded record's header. The computer moves at once when it is to
// move. A file that cannot be read is ignored with one message.
void resume_match_click(Game& g);

}  // namespace velmora
