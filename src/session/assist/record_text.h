// The move list as readable UTF-8 text, for saving from the menu 表示: the
// title, the two players, one numbered move a line in the game's notation,
// and how the match ended when it ended on the last move of the list.
#pragma once

#include <string>

#include "game/game.h"
#include "view/phrases.h"

namespace velmora {

// The winner of the match the list ends with; empty when none ended there.
std::string result_of_list(const Game& g);

// The whole text, lines ended by LF, with the game's own words put through
// `in_language` when it is given; the title and names the players typed stay
// as typed.
std::string record_text(const Game& g, const TextLookup& in_language = {});

// Writes record_text to `path`, in the window's language when `in_language`
// is given (the window's lookup of a Japanese text); a failure is told in a
// message box and leaves an existing file as it was.
void save_record_text(Game& g, const std::string& path, const TextLookup& in_language = {});

}  // namespace velmora
