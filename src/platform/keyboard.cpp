#include "platform/keyboard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>
#include <algorithm>
#include <array>

#include "assist/move_list_panel.h"

namespace velmora::platform {
namespace {

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

std::span<const MenuKey> menu_keys() {
  static const std::array keys{
      MenuKey{QKeySequence(Qt::CTRL | Qt::Key_F), MenuItem::REVERSE},
      MenuKey{QKeySequence(Qt::CTRL | Qt::Key_O), MenuItem::KIFU_READ},
      MenuKey{QKeySequence(Qt::CTRL | Qt::Key_S), MenuItem::KIFU_WRITE},
      MenuKey{QKeySequence(Qt::Key_F1), MenuItem::VER},
  };
  return keys;
}

std::span<const MenuKey> arrow_keys() {
  static const std::array keys{
      MenuKey{QKeySequence(Qt::Key_Left), MenuItem::REPLAY},
      MenuKey{QKeySequence(Qt::Key_Right), MenuItem::AFTER},
  };
  return keys;
}

namespace {

// Installed on the board and on the move list: ← and → pressed there step the
// match. A key press reaches them only while they hold the keyboard: an open
// menu takes the keys first, and a field on the board takes its own; while
// the menu bar is walked, the keys go on to it.
class ArrowKeys : public QObject {
 public:
  ArrowKeys(MainWindow& window, QObject* parent) : QObject(parent), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    // The menu bar walked onto one of its commands (no menu open) keeps the
    // arrows for walking on.
    QMenuBar* bar = window_.menuBar();
    if (bar->activeAction() != nullptr) return QCoreApplication::sendEvent(bar, event);
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const MenuKey& key : arrow_keys()) {
      if (key.keys != pressed) continue;
      window_.action(key.item)->trigger();
      return true;
    }
    return false;
  }

 private:
  MainWindow& window_;
};

}  // namespace

void add_arrow_keys(MainWindow& window, QWidget& where) { where.installEventFilter(new ArrowKeys(window, &where)); }

std::span<const StepKey> step_keys() {
  static const std::array keys{
      StepKey{QKeySequence(Qt::Key_Home), QT_TRID_NOOP("開始局面（棋譜一覧の最初）"), [](const Game&) { return 0; }},
      StepKey{QKeySequence(Qt::Key_End), QT_TRID_NOOP("最後の手（棋譜一覧の最後）"),
              [](const Game& g) { return g.pos.history.record_length; }},
  };
  return keys;
}

void add_menu_keys(MainWindow& window) {
  for (const MenuKey& key : menu_keys()) {
    auto* shortcut = new QShortcut(key.keys, &window);
    QAction* action = window.action(key.item);
    QObject::connect(shortcut, &QShortcut::activated, action, &QAction::trigger);
  }
  for (const StepKey& key : step_keys()) {
    auto* shortcut = new QShortcut(key.keys, &window);
    QObject::connect(shortcut, &QShortcut::activated, &window,
                     [&window, row = key.row] { window.dispatch([row](Game& g) { go_to_move(g, row(g)); }); });
  }

  add_arrow_keys(window, window.canvas());
  // T on the board tells a screen reader both armies' clocks.
  auto* clocks_key = new QShortcut(QKeySequence(Qt::Key_T), &window.canvas());
  clocks_key->setContext(Qt::WidgetShortcut);
  QObject::connect(clocks_key, &QShortcut::activated, &window, [&window] { window.tell_clocks_to_reader(); });
  // F10 opens the first menu of the bar, from which the arrows walk the rest.
  auto* menu_bar_key = new QShortcut(QKeySequence(Qt::Key_F10), &window);
  QObject::connect(menu_bar_key, &QShortcut::activated, &window, [&window] {
    QMenuBar* bar = window.menuBar();
    if (!bar->actions().isEmpty()) bar->setActiveAction(bar->actions().first());
  });

  auto* panel_keys = new PanelKeys(&window);
  QObject::connect(&window, &MainWindow::record_panel_built, panel_keys, [&window, panel_keys] {
    for (QWidget* control : window.record_panel().controls()) control->installEventFilter(panel_keys);
  });
}

}  // namespace velmora::platform
