// The menu 表示, after the game's own menus: the move list panel, 待った and
// its redo, the hint, 対局解析, 練習問題 and 指導対局, 前回の対局を再開, the position as a picture, the move
// list as text, the loudness of the sound effects, the window's language 言語
// and the help 操作説明; besides, the rungs of the ladder after LEVEL4 in the
// level menu. Its choices are kept in the preferences file of their own, never
// in Velmora.ini.
#pragma once

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSlider>

#include "assist/preferences.h"
#include "platform/help_window.h"
#include "platform/language.h"
#include "platform/main_window.h"
#include "platform/move_field.h"
#include "platform/move_list_dock.h"
#include "platform/qt_screen.h"
#include "platform/training_dock.h"
#include "training/teaching_game.h"
#include "training/training_session.h"

namespace velmora::platform {

class ViewMenu : public QObject {
  Q_OBJECT

 public:
  ViewMenu(MainWindow& window, QtScreen& screen, Game& game);
  ~ViewMenu() override;

  // After the window's start-up: reads the preferences and follows them.
  void start();

  QMenu& menu() { return *menu_; }
  // The move list panel, built the first time it is needed (shown, or a
  // review run): until then the list has nothing to follow.
  MoveListDock& dock();
  // The move field, built when it is first opened.
  MoveField& move_field();
  QAction* find(const char* name) const;
  // The help window once it has been opened.
  HelpWindow* help() const { return help_; }
  // Where the save dialog of an export opens: the folder the last export of
  // its kind went to, at first the user's Pictures or Documents folder.
  QString export_start_folder(ExportKind kind) const;

 private:
  // Shows or hides the move list panel, building it only to show it.
  void show_dock(bool shown);
  void order_tabs();
  void add_ladder_rungs();
  void add_game_commands();
  void add_training();
  // After 対局解析: its positions join the training collection, with the
  // review's progress bar.
  void collect_training(Game& g);
  void add_time_controls();
  void add_exports();
  void add_volume();
  void add_languages();
  void add_help();
  // Chosen under 言語: the window speaks `language` at once and remembers it.
  void use_language(Language language);
  // Shows every caption, the move list and the texts beside the board in
  // the language chosen now.
  void show_in_chosen_language();
  void show_help();
  void show_move_list(bool shown);
  void follow_match_to_resume();
  // The file chosen in a save dialog, empty when none; its folder is kept.
  QString ask_save_path(ExportKind kind, const QString& caption, const QString& name, const QString& filter);

  MainWindow& window_;
  QtScreen& screen_;
  Game& game_;
  QMenu* menu_;
  MoveListDock* dock_ = nullptr;
  QSlider* volume_ = nullptr;
  QAction* mute_ = nullptr;
  QActionGroup* languages_ = nullptr;
  HelpWindow* help_ = nullptr;
  MoveField* move_field_ = nullptr;
  TrainingSession training_;
  TeachingGame teaching_;
  TrainingDock* training_dock_ = nullptr;
};

}  // namespace velmora::platform
