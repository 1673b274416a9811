// Keys for the commands of the menu bar: ← 戻, → 進, Home 最初, Ctrl+F 反転,
// Ctrl+O 読込, Ctrl+S 書込, F1 バージョン情報. Each key triggers the menu
// item itself, so refusals and messages are those of the mouse; the captions
// stay as they are. Esc is the window's own key.
#pragma once

#include <QKeySequence>
#include <span>

#include "platform/main_window.h"

namespace velmora::platform {

struct MenuKey {
  QKeySequence keys;
  MenuItem item;
};

// The keys of the menu bar's commands, in the order the help lists them.
std::span<const MenuKey> menu_keys();

void add_menu_keys(MainWindow& window);

}  // namespace velmora::platform
