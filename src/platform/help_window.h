// 表示 → 操作説明: a short window on how to play: the mouse, every key of the
// window and the menus, in the game's words. The keys and the menus are read
// from the window itself, so the help stays true when they change.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QList>
#include <QMenu>
#include <QString>

#include "platform/main_window.h"

namespace velmora::platform {

// One line of the help: what to press (or which menu) and what it does.
struct HelpRow {
  QString what;
  QString does;
};

// A key as the help names it: "←", "Ctrl+Z", "F1".
QString key_text(const QKeySequence& keys);
// The keys: those of the menu bar's commands, those of 表示, then Esc.
QList<HelpRow> key_help(const MainWindow& window, const QMenu& view_menu);
// The menus of the menu bar in their order: a menu with the captions of its
// items, a command with what it does.
QList<HelpRow> menu_help(const MainWindow& window);

class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  HelpWindow(MainWindow& window, const QMenu& view_menu);

  // The help as shown, rich text.
  QString text() const { return text_->text(); }

 private:
  QLabel* text_;
};

}  // namespace velmora::platform
