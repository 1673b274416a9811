// Keys for the commands of the menu bar: ← 戻, → 進, Ctrl+F 反転, Ctrl+O 読込,
// Ctrl+S 書込, F1 バージョン情報. Each key triggers the menu item itself, so
// refusals and messages are those of the mouse; the captions stay as they
// are. The arrows step the match only while the board or the move list holds
// the focus: never while a menu is open or walked, nor in a field. F10 opens
// the menu bar; T on the board tells a screen reader both clocks. Home and End show the start and the last move of the
// move list, as its rows do (a step through the list: nothing of the match is lost); 最初, which sets up a new game,
// has no key. Esc is the window's own key.
//
// Keys act where the focus is: while the record panel holds it, its lists
// and fields take the keys (they move in a list and edit a field), and only
// the keys that switch the panel or show the About box act on the window.
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

// ← 戻 and → 進, which act where the board or the move list has the focus.
std::span<const MenuKey> arrow_keys();
// Gives `where` (the board, or the move list) the arrow keys.
void add_arrow_keys(MainWindow& window, QWidget& where);

// Keys that show one end of the move list, with what the help says of them.
struct StepKey {
  QKeySequence keys;
  const char* does;  // UTF-8
  int (*row)(const Game&);
};
std::span<const StepKey> step_keys();

void add_menu_keys(MainWindow& window);

}  // namespace velmora::platform
