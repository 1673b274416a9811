#include "platform/promotion_dialog.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "platform/language.h"
#include "platform/message_box.h"
#include "platform/pictures.h"
#include "platform/qt_clock.h"
#include "rules/pieces.h"

namespace velmora::platform {

namespace {

constexpr int DIALOG_WIDTH_TWIPS = 1680;
constexpr int BUTTON_LEFT_TWIPS = 690;
constexpr int MARGIN_TWIPS = 120;
constexpr int GAP_TWIPS = 60;
constexpr double PRESSED_SECONDS = 0.3;

// The dialog's width: the game's own in Japanese; in English wide enough for
// the longer title beside the frame's buttons (the English "Promotion" would
// be cut at the smallest zoom), with the choices in the middle.
int dialog_width(const QDialog& dialog, TwipScale scale) {
  const int own = scale.pixels(DIALOG_WIDTH_TWIPS);
  if (chosen_language() == Language::Japanese) return own;
  return std::max(own, whole_title_width(dialog));
}

}  // namespace

PictureButton::PictureButton(double zoom, QWidget* parent) : QAbstractButton(parent), zoom_(zoom) {
  setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::set_picture(const QImage& picture) {
  picture_ = picture;
  if (!picture_.isNull()) setFixedSize((picture_.deviceIndependentSize() * zoom_).toSize());
  update();
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(rect(), picture_);
}

// The dialog draws the focus round the button.
void PictureButton::focusInEvent(QFocusEvent* event) {
  QAbstractButton::focusInEvent(event);
  parentWidget()->update();
}

void PictureButton::focusOutEvent(QFocusEvent* event) {
  QAbstractButton::focusOutEvent(event);
  parentWidget()->update();
}

// Space presses as QAbstractButton does; Enter presses too; the arrows move
// the focus to the next or previous choice.
void PictureButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: Q_EMIT pressed(); return;
    case Qt::Key_Down:
    case Qt::Key_Right: focusNextChild(); return;
    case Qt::Key_Up:
    case Qt::Key_Left: focusPreviousChild(); return;
    default: QAbstractButton::keyPressEvent(event);
  }
}

// Index 1 (own side) and 3 (enemy side) show the piece, 0 and 2 the same
// piece pressed.
QImage PromotionDialog::choice_picture(const Choice& choice, bool pressed) const {
  const int index = (side_ == Side::Own ? 1 : 3) - (pressed ? 1 : 0);
  return named_picture_for(QStringLiteral("PROMO_%1_%2").arg(QLatin1String(choice.picture)).arg(index), zoom_, *this);
}

PromotionDialog::PromotionDialog(Side side, TwipScale scale, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), side_(side), zoom_(scale.zoom) {
  set_shown_text(this, QT_TRID_NOOP("成り"));
  choices_ = {{PORN, "PORN", nullptr},  {ROOK, "ROOK", nullptr}, {KNIG, "NIGT", nullptr},
              {BISH, "BISYO", nullptr}, {QEEN, "QEEN", nullptr}, {KING, "KING", nullptr}};
  const int width = dialog_width(*this, scale);
  const int left = scale.pixels(BUTTON_LEFT_TWIPS) + (width - scale.pixels(DIALOG_WIDTH_TWIPS)) / 2;
  int top = scale.pixels(MARGIN_TWIPS);
  for (Choice& choice : choices_) {
    choice.button = new PictureButton(scale.zoom, this);
    choice.button->set_picture(choice_picture(choice, false));
    choice.button->setAccessibleName(shown(PIECE_KINDS[choice.kind].record_name));
    choice.button->move(left, top);
    top += choice.button->height() + scale.pixels(GAP_TWIPS);
    connect(choice.button, &PictureButton::pressed, this, [this, &choice] { choose(choice); });
  }
  // The buttons stand one below the other, with a margin above and below.
  setFixedSize(width, top - scale.pixels(GAP_TWIPS) + scale.pixels(MARGIN_TWIPS));
}

// The usual choice takes the focus first.
void PromotionDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  button_of(QEEN)->setFocus();
}

// The focus is a frame in the highlight colour in the gap round the focused
// button, so that the piece's picture stays whole.
void PromotionDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  for (const Choice& choice : choices_) {
    if (!choice.button->hasFocus() || choice.button->isHidden()) continue;
    QPainter painter(this);
    const int width = std::max(2, static_cast<int>(zoom_ * 2));
    painter.setPen(QPen(palette().color(QPalette::Highlight), width));
    painter.setBrush(Qt::NoBrush);
    const int out = width / 2 + 1;
    painter.drawRect(choice.button->geometry().adjusted(-out, -out, out - 1, out - 1));
  }
}

PictureButton* PromotionDialog::button_of(int kind) const {
  for (const Choice& choice : choices_) {
    if (choice.kind == kind) return choice.button;
  }
  return nullptr;
}

void PromotionDialog::show_pressed(int code) {
  for (const Choice& choice : choices_) {
    if (choice.kind == kind_of(code)) show_pressed(choice);
  }
}

void PromotionDialog::show_pressed(const Choice& choice) {
  choice_ = code_sign(side_) * choice.kind;
  choice.button->set_picture(choice_picture(choice, true));
  repaint();
}

void PromotionDialog::choose(const Choice& choice) {
  if (choice_ != 0) return;
  show_pressed(choice);
  wait_painted(PRESSED_SECONDS);
  for (const Choice& each : choices_) each.button->hide();
  done(QDialog::Accepted);
}

}  // namespace velmora::platform
