#include "platform/keyboard.h"

#include <QShortcut>
#include <array>

namespace velmora::platform {

std::span<const MenuKey> menu_keys() {
  static const std::array keys{
      MenuKey{QKeySequence(Qt::Key_Left), MenuItem::REPLAY},
      MenuKey{QKeySequence(Qt::Key_Right), MenuItem::AFTER},
      MenuKey{QKeySequence(Qt::Key_Home), MenuItem::CANCEL},
      MenuKey{QKeySequence(Qt::CTRL | Qt::Key_F), MenuItem::REVERSE},
      MenuKey{QKeySequence(Qt::CTRL | Qt::Key_O), MenuItem::KIFU_READ},
      MenuKey{QKeySequence(Qt::CTRL | Qt::Key_S), MenuItem::KIFU_WRITE},
      MenuKey{QKeySequence(Qt::Key_F1), MenuItem::VER},
  };
  return keys;
}

void add_menu_keys(MainWindow& window) {
  for (const MenuKey& key : menu_keys()) {
    auto* shortcut = new QShortcut(key.keys, &window);
    QAction* action = window.action(key.item);
    QObject::connect(shortcut, &QShortcut::activated, action, &QAction::trigger);
  }
}

}  // namespace velmora::platform
