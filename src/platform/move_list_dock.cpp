#include "platform/move_list_dock.h"

#include "assist/move_list_panel.h"

namespace velmora::platform {
namespace {

// The widest row the list holds.
constexpr const char* WIDEST_ROW = "999 ５四 ﾋﾞｼｮｯﾌﾟ";
// Room beside it for the scroll bar and the row's margins, in widths of "M".
constexpr int ROOM_CHARACTERS = 4;

}  // namespace

MoveListDock::MoveListDock(MainWindow& window, Game& game)
    : SideDock(QStringLiteral("棋譜一覧"), window, Qt::RightDockWidgetArea),
      window_(window),
      game_(game),
      list_(new QListWidget(this)) {
  setObjectName(QStringLiteral("MOVE_LIST"));
  const QFontMetrics metrics = list_->fontMetrics();
  list_->setFixedWidth(metrics.horizontalAdvance(QString::fromUtf8(WIDEST_ROW)) +
                       metrics.horizontalAdvance(QLatin1Char('M')) * ROOM_CHARACTERS);
  setWidget(list_);
  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { go_to_row(list_->row(item)); });
  connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { go_to_row(list_->row(item)); });
  connect(&window, &MainWindow::event_handled, this, &MoveListDock::refresh);
}

// A hidden list is left alone: it is filled anew when it is shown.
void MoveListDock::refresh() {
  if (!isVisible()) return;
  const std::vector<std::string> rows = move_list_rows(game_);
  const QSignalBlocker quiet(list_);
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const QString text = QString::fromStdString(rows[i]);
    if (i < list_->count()) {
      if (list_->item(i)->text() != text) list_->item(i)->setText(text);
    } else {
      list_->addItem(text);
    }
  }
  while (list_->count() > static_cast<int>(rows.size())) delete list_->takeItem(list_->count() - 1);
  list_->setCurrentRow(current_move_row(game_));
}

void MoveListDock::go_to_row(int row) {
  window_.dispatch([row](Game& g) { go_to_move(g, row); });
}

}  // namespace velmora::platform
