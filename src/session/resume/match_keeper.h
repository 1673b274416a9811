// One window keeps the match of a folder. A second window started in the
// same folder while the first runs is told so at start, and keeps nothing
// there for the rest of its run: it neither writes its own match over the
// first window's nor offers the kept match, so no match is ever overwritten
// without a word.
#pragma once

#include <string>

#include "game/game.h"

namespace velmora {

inline constexpr const char* MATCH_LOCK_NAME = "velmora-match.lock";

// Where the lock of the folder's kept match is taken.
std::string match_lock_path(const Game& g);

// At start-up, before the kept match is looked for: takes the folder's lock.
// While another window holds it, this window says so once and keeps no match.
// A folder where no lock can be made (one that may not be written) is kept as
// before: writing there fails, and that is told.
void claim_kept_match(Game& g);

}  // namespace velmora
