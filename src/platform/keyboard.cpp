#include "platform/keyboard.h"

#include <QKeyEvent>
#include <QShortcut>
#include <algorithm>

#include "assist/move_list_panel.h"

namespace velmora::platform {
namespace {

struct MenuKey {
  QKeySequence keys;
  MenuItem item;
};

// Keys that act on the window even while the record panel holds the focus:
// they change nothing of the match.
const QKeySequence PANEL_PASSES_ON[] = {QKeySequence(Qt::CTRL | Qt::Key_O), QKeySequence(Qt::CTRL | Qt::Key_S),
                                        QKeySequence(Qt::Key_F1)};

// Installed on the record panel's controls: a key that would run a shortcut
// goes to the control instead, unless it is one the panel passes on.
class PanelKeys : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    if (std::find(std::begin(PANEL_PASSES_ON), std::end(PANEL_PASSES_ON), pressed) == std::end(PANEL_PASSES_ON))
      key->accept();
    return false;
  }
};

}  // namespace

void add_menu_keys(MainWindow& window) {
  const MenuKey keys[] = {
      {QKeySequence(Qt::Key_Left), MenuItem::REPLAY},
      {QKeySequence(Qt::Key_Right), MenuItem::AFTER},
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
  const auto step_key = [&window](Qt::Key key, int (*row)(const Game&)) {
    auto* shortcut = new QShortcut(QKeySequence(key), &window);
    QObject::connect(shortcut, &QShortcut::activated, &window,
                     [&window, row] { window.dispatch([row](Game& g) { go_to_move(g, row(g)); }); });
  };
  step_key(Qt::Key_Home, [](const Game&) { return 0; });
  step_key(Qt::Key_End, [](const Game& g) { return g.history.record_length; });

  auto* panel_keys = new PanelKeys(&window);
  for (QWidget* control : window.record_panel().controls()) control->installEventFilter(panel_keys);
}

}  // namespace velmora::platform
