// What 対局解析 shows under the move list: while a review runs, a progress
// bar with the position being analysed, the time left and a Cancel button;
// once it stands for the list, a summary row per army and the evaluation
// graph. The graph is drawn with QPainter: a filled curve, a few dots and a
// line need no chart library, and it keeps the window's palette and its
// offscreen tests free of another Qt module.
#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

#include "assist/match_review.h"
#include "base/result.h"

namespace velmora::platform {

// The main army's chances move by move: above the midline the main army
// leads, below the chess army; the marks as dots in their colours, the move on
// show as a vertical line. A click goes to the move under it, hovering tells
// the move and its evaluation.
class ReviewGraph : public QWidget {
  Q_OBJECT

 public:
  explicit ReviewGraph(QWidget* parent);

  // The review to draw (none: empty) and the row on show.
  void show_review(const GameReview* review, int current_row);
  // The row (0: the start, n: move n) at x.
  int row_at(int x) const;
  bool has_review() const { return !chances_.empty(); }

 Q_SIGNALS:
  void row_chosen(int row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  double x_of(int row) const;
  double y_of(double chances) const;

  std::vector<double> chances_;
  std::vector<std::optional<RowMark>> marks_;
  std::vector<QString> tips_;
  int current_row_ = 0;
};

class ReviewPanel : public QWidget {
  Q_OBJECT

 public:
  explicit ReviewPanel(QWidget* parent);

  ReviewGraph& graph() { return *graph_; }
  QPushButton& cancel_button() { return *cancel_; }

  // A review begins: the progress row shows how far `progress` has come.
  void begin(ReviewProgress& progress, int positions);
  // The review has ended, whichever way.
  void end();
  // Shows the review standing for the list (none: hides the summary and the graph).
  void show_review(const GameReview* review, int current_row);
  // The width the summary rows take on one line each, with a little room;
  // 0 without a review.
  int summary_width() const;
  // Writes the graph to `path` as PNG, as the position's picture is written.
  Result<void, std::error_code> save_graph(const QString& path);

 Q_SIGNALS:
  // The graph's context menu asked for it to be saved as a picture.
  void save_graph_requested();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void follow_progress();

  QLabel* main_summary_;
  QLabel* chess_summary_;
  ReviewGraph* graph_;
  QWidget* progress_row_;
  QProgressBar* bar_;
  QLabel* progress_text_;
  QPushButton* cancel_;
  QTimer progress_timer_;
  QElapsedTimer elapsed_;
  ReviewProgress* progress_ = nullptr;
  int positions_ = 0;
};

}  // namespace velmora::platform
