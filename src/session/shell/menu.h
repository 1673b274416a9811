// The menu bar of the main window: every item with its control name and
// caption, in the order of the bar. The platform builds its menus from this
// table and mirrors the check marks with menu_checked().
#pragma once

#include <span>

#include "game/game.h"

namespace velmora {

enum class MenuItem {
  TAIKYOKU,
  MATCH_MAN,
  START2,
  LEVEL,
  LEVEL1,
  LEVEL2,
  LEVEL3,
  LEVEL4,
  OWARI,
  STOP,
  CANCEL,
  REVERSE,
  REPLAY,
  AFTER,
  LBEL_UP,
  LEBEL_DOWN,
  KIFU,
  KIFU_READ,
  KIFU_WRITE,
  OPTION,
  HAIKEI_GA,
  MIDORI,
  TATAMI,
  TAKE,
  UCHU,
  RENGA,
  SIDOU,
  KEIKA,
  CHESS_MOCHIKOMA,
  BGM,
  SYUSEN,
  NIPPON,
  KANKOKU,
  VER,
  NONE,
};

struct MenuEntry {
  MenuItem item;
  const char* name;     // control name, e.g. "MATCH_MAN"
  const char* caption;  // e.g. "対局(人間)"
  MenuItem parent;      // NONE for the entries of the bar itself
  bool checkable;
};

// The whole menu, bar entries and their items, in display order.
std::span<const MenuEntry> menu_entries();

// The check mark of a checkable item (false for the others).
bool menu_checked(const Game& g, MenuItem item);

}  // namespace velmora
