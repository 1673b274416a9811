// The end of a match and of the program.
#pragma once

#include <string>

#include "game/game.h"

namespace velmora {

// Remembers the winner of the match that ends now with the move list as it
// stands (the move list as text names it while the list still ends there).
void note_match_result(Game& g, const std::string& winner);

// Announces "<winner>の勝ちです" and offers a new game; No ends the program.
void 終了(Game& g, const std::string& winner);
// Releases the sounds and the sound output; the program then ends.
void 終了処理(Game& g);

}  // namespace velmora
