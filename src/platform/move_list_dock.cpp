#include "platform/move_list_dock.h"

#include <QVBoxLayout>
#include <algorithm>
#include <thread>

#include "assist/match_review.h"
#include "assist/move_list_panel.h"
#include "platform/language.h"
#include "platform/look.h"
#include "rules/pieces.h"

namespace velmora::platform {
namespace {

// The widest row the list holds, before its piece's name.
constexpr const char* WIDEST_ROW_START = "999 ５四 ";
// Room beside it for the scroll bar and the row's margins, in widths of "M".
constexpr int ROOM_CHARACTERS = 4;
// Room after the widest row for a mark ("  ??").
constexpr int MARK_CHARACTERS = 3;
// The text of a row as the session gives it, without its mark.
constexpr int ROW_TEXT_ROLE = Qt::UserRole;

}  // namespace

MoveListDock::MoveListDock(MainWindow& window, Game& game)
    : SideDock(QString(), window, Qt::RightDockWidgetArea),
      window_(window),
      game_(game),
      list_(new QListWidget(this)),
      review_panel_(new ReviewPanel(this)) {
  setObjectName(QStringLiteral("MOVE_LIST"));
  set_shown_text(this, QT_TRID_NOOP("棋譜一覧"));
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(list_, 1);
  layout->addWidget(review_panel_);
  name_for_reader();
  fit_width();
  setWidget(column);
  connect(&review_panel_->graph(), &ReviewGraph::row_chosen, this, &MoveListDock::go_to_row);
  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { go_to_row(list_->row(item)); });
  connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { go_to_row(list_->row(item)); });
  connect(&window, &MainWindow::changes_shown, this, &MoveListDock::follow);
}

// Showing the dock fills it afresh.
void MoveListDock::show_beside_board(bool shown) {
  const bool newly_shown = shown && isHidden();
  SideDock::show_beside_board(shown);
  if (newly_shown) apply(take_move_list_update(game_, true));
}

// A hidden list is left alone: it is filled afresh when it is shown.
void MoveListDock::follow() {
  if (isVisible() && move_list_update_pending(game_)) apply(take_move_list_update(game_, false));
}

// The event may go on for a while without the window's event loop (the
// computer thinking): the list is painted now.
void MoveListDock::follow_at_once() {
  if (!isVisible() || !move_list_update_pending(game_)) return;
  apply(take_move_list_update(game_, false));
  list_->viewport()->repaint();
}

// As wide as the widest row: in Japanese the bishop's, in another language
// that of the longest piece name there; wider if a review's summary needs it.
void MoveListDock::fit_width() {
  const QFontMetrics metrics = list_->fontMetrics();
  const auto row_width = [&](int kind) {
    return metrics.horizontalAdvance(shown(std::string(WIDEST_ROW_START) + PIECE_KINDS[kind].record_name));
  };
  int widest = row_width(BISH);
  if (chosen_language() != Language::Japanese)
    for (int kind = 1; kind <= KIND_COUNT; ++kind) widest = std::max(widest, row_width(kind));
  const int width = widest + metrics.horizontalAdvance(QLatin1Char('M')) * (ROOM_CHARACTERS + MARK_CHARACTERS);
  // A review's summary rows, wider at a large zoom, keep to one line each.
  list_->setFixedWidth(std::max(width, review_panel_->summary_width()));
  review_panel_->setFixedWidth(list_->width());
}

// A screen reader names the list and the review beside it in the window's language.
void MoveListDock::name_for_reader() {
  list_->setAccessibleName(shown(QT_TRID_NOOP("棋譜一覧")));
  review_panel_->setAccessibleName(shown(REVIEW_TITLE));
}

void MoveListDock::relabel_rows() {
  name_for_reader();
  fit_width();
  if (isHidden()) return;
  // Shown again, the dock takes its new width from the window.
  show_beside_board(false);
  show_beside_board(true);
}

void MoveListDock::apply(const MoveListUpdate& update) {
  const QSignalBlocker quiet(list_);
  while (list_->count() > update.row_count) delete list_->takeItem(list_->count() - 1);
  QStringList added;
  for (int i = 0; i < static_cast<int>(update.rows.size()); ++i) {
    const int row = update.first_row + i;
    const QString text = shown(update.rows[i]);
    if (row >= list_->count()) {
      added.append(text);
    } else if (list_->item(row)->data(ROW_TEXT_ROLE).toString() != text) {
      list_->item(row)->setData(ROW_TEXT_ROLE, text);
      list_->item(row)->setText(text);
    }
  }
  for (const QString& text : added) {
    auto* item = new QListWidgetItem(text, list_);
    item->setData(ROW_TEXT_ROLE, text);
  }
  list_->setCurrentRow(update.current_row);
  // A review standing for the list adds its marks to the rows just written.
  show_review();
}

void MoveListDock::show_review() {
  const GameReview* review = current_review(game_);
  // Rows are written plain; without a review, and none shown before, no row
  // has a mark to add or take away, so a long list is not walked at every move.
  if (review == nullptr && !marks_shown_) return review_panel_->show_review(nullptr, current_move_row(game_));
  marks_shown_ = review != nullptr;
  for (int row = 0; row < list_->count(); ++row) {
    QListWidgetItem* item = list_->item(row);
    const std::optional<RowMark> mark = review ? row_mark(*review, row) : std::nullopt;
    const QString text = item->data(ROW_TEXT_ROLE).toString();
    const QString shown = mark ? text + QStringLiteral("  ") + QString::fromStdString(mark->text) : text;
    if (item->text() != shown) item->setText(shown);
    item->setForeground(mark ? QBrush(palette_colour(mark->colour)) : QBrush());
  }
  review_panel_->show_review(review, current_move_row(game_));
  fit_width();
}

void MoveListDock::review(Game& g) {
  ReviewProgress progress;
  review_panel_->begin(progress, g.pos.history.record_length + 1);
  review_match(g, progress, std::max(1u, std::thread::hardware_concurrency()));
  review_panel_->end();
  show_review();
}

void MoveListDock::go_to_row(int row) {
  window_.dispatch([row](Game& g) {
    go_to_move(g, row);
    frame_best_move(g, row);
  });
}

}  // namespace velmora::platform
