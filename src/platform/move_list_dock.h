// The move list panel 棋譜一覧: a dock beside the board listing the start and
// every move of the move list, the position on the board highlighted.
// Choosing a row shows that position, stepped to with "戻" and "進".
#pragma once

#include <QListWidget>

#include "assist/move_list_panel.h"
#include "platform/main_window.h"
#include "platform/side_dock.h"

namespace velmora::platform {

class MoveListDock : public SideDock {
  Q_OBJECT

 public:
  MoveListDock(MainWindow& window, Game& game);

  QListWidget& list() { return *list_; }
  // Shows or hides the dock, beside the board; a dock shown is filled afresh.
  void show_beside_board(bool shown);
  // Changes the rows that changed and the highlight, if anything changed.
  void follow();
  // Follows a move listed while an event goes on, and shows it at once.
  void follow_at_once();
  // Shows the caption and every row in the language chosen now.
  void relabel_rows();

 private:
  void fit_width();
  void apply(const MoveListUpdate& update);
  void go_to_row(int row);

  MainWindow& window_;
  Game& game_;
  QListWidget* list_;
};

}  // namespace velmora::platform
