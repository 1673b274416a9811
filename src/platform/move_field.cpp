#include "platform/move_field.h"

#include <QHBoxLayout>
#include <QKeyEvent>

#include "match/typed_move.h"
#include "platform/language.h"

namespace velmora::platform {

namespace {

// Room for a move and a little more, in characters.
constexpr int FIELD_CHARACTERS = 10;
constexpr int FIELD_MARGIN = 4;

}  // namespace

MoveField::MoveField(MainWindow& window)
    : QWidget(&window.canvas()),
      window_(window),
      caption_(new QLabel(this)),
      line_(new QLineEdit(this)),
      note_(new QLabel(this)) {
  setObjectName(QStringLiteral("MOVE_FIELD"));
  setAutoFillBackground(true);
  set_shown_text(caption_, QT_TRID_NOOP("指し手："));
  caption_->setBuddy(line_);
  set_shown_accessible_name(line_, QT_TRID_NOOP("指し手"));
  line_->setFixedWidth(line_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * FIELD_CHARACTERS);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(FIELD_MARGIN, FIELD_MARGIN, FIELD_MARGIN, FIELD_MARGIN);
  row->addWidget(caption_);
  row->addWidget(line_);
  row->addWidget(note_);
  line_->installEventFilter(this);
  connect(line_, &QLineEdit::returnPressed, this, &MoveField::enter);
  hide();
}

void MoveField::open() {
  adjustSize();
  move(0, parentWidget()->height() - height());
  show();
  raise();
  line_->setFocus();
}

void MoveField::close_field() {
  hide();
  window_.canvas().setFocus();
}

void MoveField::enter() {
  const std::string text = line_->text().trimmed().toStdString();
  if (text.empty()) return close_field();
  TypedMove read;
  window_.dispatch([&read, text](Game& g) { read = play_typed_move(g, text); });
  if (read.played) {
    line_->clear();
    note_->clear();
  } else if (read.wrong != TypedPart::None) {
    note_->setText(shown(read.reason));
    const int start = static_cast<int>(QString::fromStdString(text.substr(0, read.wrong_at)).size());
    const int length = static_cast<int>(QString::fromStdString(text.substr(read.wrong_at, read.wrong_length)).size());
    line_->setText(QString::fromStdString(text));
    line_->setSelection(start, length);
  }
  // A move the mouse's routine answered with a box of its own keeps its text.
  note_->setAccessibleName(note_->text());
  adjustSize();
  move(0, parentWidget()->height() - height());
}

// Esc ends the game from the field as from the board.
bool MoveField::eventFilter(QObject* watched, QEvent* event) {
  if (watched == line_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    window_.press_escape();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace velmora::platform
