// The preferences of the menu 表示, kept in a file of their own beside the
// settings file ("velmora-view.ini", UTF-8, one "key=value" a line): whether
// the move list panel is shown, the loudness of the sound effects, and the
// computer's level last chosen.
// Velmora.ini stays exactly as the option menus write it.
#pragma once

#include <string>

#include "game/game.h"

namespace velmora {

inline constexpr const char* PREFERENCES_FILE_NAME = "velmora-view.ini";

// The file's text for the preferences of `g`.
std::string format_preferences(const AssistState& assist);
// Takes what the text sets; unknown keys, bad values and other lines are
// passed over, so what is missing keeps its default.
void parse_preferences(const std::string& text, AssistState& assist);

// At start-up: reads the file of the working directory when there is one,
// and checks and plays the level it names.
void read_preferences(Game& g);
// After a LEVEL1–4 click: the level is kept for the next run.
void remember_level(Game& g);
// After every change; a failed write is told once a run.
void write_preferences(Game& g);

}  // namespace velmora
