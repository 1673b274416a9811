// The move list panel 棋譜一覧: a dock beside the board listing the start and
// every move of the move list, the position on the board highlighted.
// Choosing a row shows that position, stepped to with "戻" and "進".
#pragma once

#include <QDockWidget>
#include <QListWidget>

#include "assist/move_list_panel.h"
#include "platform/main_window.h"

namespace velmora::platform {

class MoveListDock : public QDockWidget {
  Q_OBJECT

 public:
  MoveListDock(MainWindow& window, Game& game);

  QListWidget& list() { return *list_; }
  // Shows or hides the dock, widening or narrowing the window by its width so
  // that the board keeps its size; a dock shown is filled afresh.
  void show_beside_board(bool shown);
  // Changes the rows that changed and the highlight, if anything changed.
  void follow();
  // Follows a move listed while an event goes on, and shows it at once.
  void follow_at_once();

 private:
  void apply(const MoveListUpdate& update);
  void go_to_row(int row);

  MainWindow& window_;
  Game& game_;
  QListWidget* list_;
  int added_width_ = 0;  // what showing the dock added to the window's width
};

}  // namespace velmora::platform
