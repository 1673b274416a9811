// The move list panel 棋譜一覧: a dock beside the board listing the start and
// every move of the move list, the position on the board highlighted.
// Choosing a row shows that position, stepped to with "戻" and "進". Under
// the list, 対局解析's progress, summary and graph; a review that stands for
// the list puts each move's mark beside it, and choosing a row frames the
// move's best move on the board.
#pragma once

#include <QListWidget>

#include "assist/move_list_panel.h"
#include "platform/main_window.h"
#include "platform/review_panel.h"
#include "platform/side_dock.h"

namespace velmora::platform {

class MoveListDock : public SideDock {
  Q_OBJECT

 public:
  MoveListDock(MainWindow& window, Game& game);

  QListWidget& list() { return *list_; }
  ReviewPanel& review_panel() { return *review_panel_; }
  // Shows or hides the dock, beside the board; a dock shown is filled afresh.
  void show_beside_board(bool shown);
  // Changes the rows that changed and the highlight, if anything changed.
  void follow();
  // Follows a move listed while an event goes on, and shows it at once.
  void follow_at_once();
  // 対局解析 of the match on show, as an event of the game: the progress
  // shows under the list until the review ends.
  void review(Game& g);
  // Shows the caption and every row in the language chosen now.
  void relabel_rows();

 private:
  void name_for_reader();
  void fit_width();
  void apply(const MoveListUpdate& update);
  // The marks beside the rows, the summary and the graph, as the review
  // standing for the list (if any) has them.
  void show_review();
  void go_to_row(int row);

  MainWindow& window_;
  Game& game_;
  QListWidget* list_;
  bool marks_shown_ = false;  // some row shows a review's mark
  ReviewPanel* review_panel_;
};

}  // namespace velmora::platform
