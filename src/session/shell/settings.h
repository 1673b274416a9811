// The settings file Velmora.ini and the option menu clicks.
#pragma once

#include <istream>

#include "game/game.h"
#include "shell/menu.h"

namespace velmora {

// Reads Velmora.ini from the working directory (once, at start-up); a file
// that cannot be opened is replaced by the first-run settings. Afterwards
// every check mark is the state it stands for: the background shown,
// guidance, the music playing when BGM is checked, one nation.
void 読込_環境設定ファイル(Game& g);
// Reads it the same way but never writes it: without a file the first-run
// settings hold for this game alone.
void read_settings_only(Game& g);
// Applies the lines of a settings file: key "=" value, Shift-JIS; a line
// without "=" and an unknown key are skipped. Then the state follows the marks.
void apply_settings(Game& g, std::istream& in);
// Rewrites Velmora.ini from the check marks. A failure changes no mark and no
// state; the first one of the run is reported in a message box.
void write_settings(Game& g);
void select_background_menu(Game& g, int picture);

// Clicks of MIDORI..RENGA, SIDOU, KEIKA, CHESS_MOCHIKOMA, BGM, NIPPON, KANKOKU
// and the opening of the OPTION menu.
void option_click(Game& g, MenuItem item);

}  // namespace velmora
