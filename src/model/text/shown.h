// Texts the window can show are written in Japanese, the game's own language,
// and marked with SHOWN: the mark changes nothing in the program, but the
// catalogue tool finds every marked text there, and the window looks each one
// up, by its exact Japanese, in the language the player has chosen.
//
// A text with a part that varies (a winner, a line number) is written as a
// phrase with "%1" where that part goes, and filled in with fill(): the
// window then finds the phrase and fills in the part in its own language.
#pragma once

#include <string>
#include <string_view>

#define SHOWN(text) text

namespace velmora {

// The phrase with its "%1" replaced by `part` (the phrase as it is without one).
inline std::string fill(std::string_view phrase, std::string_view part) {
  const std::size_t blank = phrase.find("%1");
  if (blank == std::string_view::npos) return std::string(phrase);
  std::string text(phrase.substr(0, blank));
  text += part;
  text += phrase.substr(blank + 2);
  return text;
}

}  // namespace velmora
