// The preferences of the menu 表示, kept in a file of their own beside the
// settings file ("velmora-view.ini", UTF-8, one "key=value" a line): whether
// the move list panel is shown, the loudness of the sound effects, and the
// folders the exports were last saved in, the computer's level (and rung of
// the ladder beside LEVEL4) last chosen, the window's language and whether
// the teaching game is on.
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
// After a LEVEL1–4 click or a rung's: the level, and the rung with level 4,
// are kept for the next run.
void remember_level(Game& g);
// After every change; a failed write is told once a run.
void write_preferences(Game& g);

// The exports of 表示, each remembering its own folder.
enum class ExportKind { Picture, Text };

// The folder the last export of that kind was saved in; empty before the first.
const std::string& export_folder(const AssistState& assist, ExportKind kind);
// Keeps the folder of an export just saved and writes the preferences when
// it changed; a folder that cannot stand on one line of the file is not kept.
void remember_export_folder(Game& g, ExportKind kind, const std::string& folder);

}  // namespace velmora
