// The menu 表示, after the game's own menus: the move list panel, 待った and
// its redo, the hint, 前回の対局を再開, the position as a picture, the move list as text, and
// the loudness of the sound effects. Its choices are kept in the preferences
// file of their own, never in Velmora.ini.
#pragma once

#include <QAction>
#include <QMenu>
#include <QSlider>

#include "platform/main_window.h"
#include "platform/move_list_dock.h"
#include "platform/qt_screen.h"

namespace velmora::platform {

class ViewMenu : public QObject {
  Q_OBJECT

 public:
  ViewMenu(MainWindow& window, QtScreen& screen, Game& game);

  // After the window's start-up: reads the preferences and follows them.
  void start();

  QMenu& menu() { return *menu_; }
  MoveListDock& dock() { return *dock_; }
  QAction* find(const char* name) const;

 private:
  void add_game_commands();
  void add_exports();
  void add_volume();
  void show_move_list(bool shown);
  void follow_match_to_resume();
  QString ask_save_path(const QString& caption, const QString& name, const QString& filter);

  MainWindow& window_;
  QtScreen& screen_;
  Game& game_;
  QMenu* menu_;
  MoveListDock* dock_;
  QSlider* volume_ = nullptr;
  QAction* mute_ = nullptr;
};

}  // namespace velmora::platform
