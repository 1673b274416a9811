#include "platform/review_panel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/board_picture.h"
#include "platform/language.h"
#include "platform/look.h"

namespace velmora::platform {
namespace {

constexpr int GRAPH_HEIGHT = 120;
constexpr int PROGRESS_REFRESH_MS = 100;
constexpr double MARGIN = 4;
constexpr double DOT_RADIUS = 3;
const QColor MAIN_ARMY_FILL(70, 110, 170);  // the main army's lead, above the midline
const QColor CHESS_ARMY_FILL(150, 150, 150);

}  // namespace

ReviewGraph::ReviewGraph(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("REVIEW_GRAPH"));
  setMinimumHeight(GRAPH_HEIGHT);
  setMouseTracking(true);
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

void ReviewGraph::show_review(const GameReview* review, int current_row) {
  chances_.clear();
  marks_.clear();
  tips_.clear();
  if (review) {
    chances_ = main_army_chances(*review);
    for (int row = 0; row < static_cast<int>(chances_.size()); ++row) {
      marks_.push_back(row_mark(*review, row));
      tips_.push_back(row == 0 ? shown(QT_TRID_NOOP("開始局面")) : shown(move_tip(*review, row)));
    }
  }
  current_row_ = current_row;
  update();
}

double ReviewGraph::x_of(int row) const {
  const int rows = std::max(1, static_cast<int>(chances_.size()) - 1);
  return MARGIN + (width() - 2 * MARGIN) * row / rows;
}

double ReviewGraph::y_of(double chances) const { return MARGIN + (height() - 2 * MARGIN) * (1 - chances); }

int ReviewGraph::row_at(int x) const {
  if (chances_.empty()) return 0;
  const int rows = static_cast<int>(chances_.size()) - 1;
  const double step = rows > 0 ? (width() - 2 * MARGIN) / rows : 1;
  return std::clamp(static_cast<int>(std::lround((x - MARGIN) / step)), 0, rows);
}

void ReviewGraph::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), Qt::white);
  const double middle = y_of(0.5);
  painter.setPen(QPen(Qt::lightGray, 1));
  painter.drawLine(QPointF(0, middle), QPointF(width(), middle));
  if (chances_.empty()) return;
  // The area between the curve and the midline, filled in the colour of the
  // army ahead: clipped above and below the midline.
  QPainterPath area(QPointF(x_of(0), middle));
  for (int row = 0; row < static_cast<int>(chances_.size()); ++row) area.lineTo(x_of(row), y_of(chances_[row]));
  area.lineTo(x_of(static_cast<int>(chances_.size()) - 1), middle);
  area.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.save();
  painter.setClipRect(QRectF(0, 0, width(), middle));
  painter.fillPath(area, MAIN_ARMY_FILL);
  painter.setClipRect(QRectF(0, middle, width(), height() - middle));
  painter.fillPath(area, CHESS_ARMY_FILL);
  painter.restore();
  painter.setPen(QPen(palette_colour(PaletteColour::Red), 1.5));
  painter.drawLine(QPointF(x_of(current_row_), 0), QPointF(x_of(current_row_), height()));
  for (int row = 0; row < static_cast<int>(marks_.size()); ++row) {
    if (!marks_[row]) continue;
    painter.setPen(QPen(Qt::black, 0.5));
    painter.setBrush(palette_colour(marks_[row]->colour));
    painter.drawEllipse(QPointF(x_of(row), y_of(chances_[row])), DOT_RADIUS, DOT_RADIUS);
  }
}

void ReviewGraph::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && has_review()) Q_EMIT row_chosen(row_at(event->position().toPoint().x()));
}

void ReviewGraph::mouseMoveEvent(QMouseEvent* event) {
  if (!has_review()) return;
  const int row = row_at(event->position().toPoint().x());
  QToolTip::showText(event->globalPosition().toPoint(), tips_[row], this);
}

ReviewPanel::ReviewPanel(QWidget* parent)
    : QWidget(parent),
      main_summary_(new QLabel(this)),
      chess_summary_(new QLabel(this)),
      graph_(new ReviewGraph(this)),
      progress_row_(new QWidget(this)),
      bar_(new QProgressBar(progress_row_)),
      progress_text_(new QLabel(progress_row_)),
      cancel_(new QPushButton(progress_row_)) {
  set_shown_text(cancel_, QT_TRID_NOOP("キャンセル"));
  setObjectName(QStringLiteral("REVIEW_PANEL"));
  // Tab reaches the panel after the move list; a screen reader hears the
  // summary as its description.
  setFocusPolicy(Qt::TabFocus);
  // The panel is as narrow as the move list: the progress breaks its lines,
  // the summary rows widen the list instead (summary_width).
  progress_text_->setWordWrap(true);
  main_summary_->setObjectName(QStringLiteral("REVIEW_SUMMARY_MAIN"));
  chess_summary_->setObjectName(QStringLiteral("REVIEW_SUMMARY_CHESS"));
  bar_->setObjectName(QStringLiteral("REVIEW_PROGRESS"));
  cancel_->setObjectName(QStringLiteral("REVIEW_CANCEL"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* progress_layout = new QVBoxLayout(progress_row_);
  progress_layout->setContentsMargins(0, 0, 0, 0);
  progress_layout->addWidget(progress_text_);
  auto* bar_layout = new QHBoxLayout();
  bar_layout->addWidget(bar_, 1);
  bar_layout->addWidget(cancel_);
  progress_layout->addLayout(bar_layout);
  layout->addWidget(progress_row_);
  layout->addWidget(main_summary_);
  layout->addWidget(chess_summary_);
  layout->addWidget(graph_);
  auto* save = new QAction(graph_);
  set_shown_text(save, QT_TRID_NOOP("グラフを画像で保存..."));
  save->setObjectName(QStringLiteral("SAVE_GRAPH"));
  graph_->addAction(save);
  connect(save, &QAction::triggered, this, &ReviewPanel::save_graph_requested);
  // Cancel stops the review at once: it is no event of the game, which waits
  // for the review to end.
  connect(cancel_, &QPushButton::clicked, this, [this] {
    if (progress_) progress_->stop = true;
  });
  connect(&progress_timer_, &QTimer::timeout, this, &ReviewPanel::follow_progress);
  progress_row_->hide();
  show_review(nullptr, 0);
}

void ReviewPanel::begin(ReviewProgress& progress, int positions) {
  progress_ = &progress;
  positions_ = positions;
  bar_->setRange(0, positions);
  bar_->setValue(0);
  elapsed_.start();
  follow_progress();
  progress_row_->show();
  show();
  progress_timer_.start(PROGRESS_REFRESH_MS);
}

void ReviewPanel::end() {
  progress_timer_.stop();
  progress_ = nullptr;
  progress_row_->hide();
}

void ReviewPanel::follow_progress() {
  if (!progress_) return;
  const int done = progress_->positions_done;
  bar_->setValue(done);
  progress_text_->setText(shown(progress_text(done, positions_, elapsed_.elapsed() / 1000.0)));
}

void ReviewPanel::show_review(const GameReview* review, int current_row) {
  main_summary_->setVisible(review != nullptr);
  chess_summary_->setVisible(review != nullptr);
  graph_->setVisible(review != nullptr);
  if (review) {
    main_summary_->setText(shown(summary_row(*review, true)));
    chess_summary_->setText(shown(summary_row(*review, false)));
  }
  setAccessibleDescription(review ? main_summary_->text() + QLatin1Char('\n') + chess_summary_->text() : QString());
  graph_->show_review(review, current_row);
}

// The focus is drawn round the panel.
void ReviewPanel::paintEvent(QPaintEvent*) {
  if (!hasFocus()) return;
  QStylePainter painter(this);
  QStyleOptionFocusRect focus;
  focus.initFrom(this);
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

int ReviewPanel::summary_width() const {
  if (main_summary_->isHidden()) return 0;
  // With the room of a character after the longer row, which a large zoom's
  // rounding would otherwise eat into.
  const int room = main_summary_->fontMetrics().horizontalAdvance(QLatin1Char('M'));
  return std::max(main_summary_->sizeHint().width(), chess_summary_->sizeHint().width()) + room;
}

Result<void, std::error_code> ReviewPanel::save_graph(const QString& path) {
  return save_png(graph_->grab().toImage(), path);
}

}  // namespace velmora::platform
