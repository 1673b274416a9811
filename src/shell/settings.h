// The settings file Velmora.ini and the option menu clicks.
#pragma once

#include "game/game.h"
#include "match/menu.h"

namespace velmora {

void 読込_環境設定ファイル(Game& g);
void write_settings(Game& g);
void select_background_menu(Game& g, int picture);

// Clicks of MIDORI..RENGA, SIDOU, KEIKA, CHESS_MOCHIKOMA, BGM, NIPPON, KANKOKU
// and the opening of the OPTION menu.
void option_click(Game& g, MenuItem item);

}  // namespace velmora
