// The About box.
#pragma once

#include "game/game.h"

namespace velmora {

inline constexpr const char* HOME_PAGE_URL = "https://velmora.example.org/";

void ver_click(Game& g);
void homepage_click(Game& g);

}  // namespace velmora
