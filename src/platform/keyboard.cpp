#include "platform/keyboard.h"

#include <QShortcut>

namespace velmora::platform {
namespace {

struct MenuKey {
  QKeySequence keys;
  MenuItem item;
};

}  // namespace

void add_menu_keys(MainWindow& window) {
  const MenuKey keys[] = {
      {QKeySequence(Qt::Key_Left), MenuItem::REPLAY},
      {QKeySequence(Qt::Key_Right), MenuItem::AFTER},
      {QKeySequence(Qt::Key_Home), MenuItem::CANCEL},
      {QKeySequence(Qt::CTRL | Qt::Key_F), MenuItem::REVERSE},
      {QKeySequence(Qt::CTRL | Qt::Key_O), MenuItem::KIFU_READ},
      {QKeySequence(Qt::CTRL | Qt::Key_S), MenuItem::KIFU_WRITE},
      {QKeySequence(Qt::Key_F1), MenuItem::VER},
  };
  for (const MenuKey& key : keys) {
    auto* shortcut = new QShortcut(key.keys, &window);
    QAction* action = window.action(key.item);
    QObject::connect(shortcut, &QShortcut::activated, action, &QAction::trigger);
  }
}

}  // namespace velmora::platform
