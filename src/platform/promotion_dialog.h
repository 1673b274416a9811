// The dialog in which a chess pawn's promotion is chosen: six picture
// buttons (pawn, rook, knight, bishop, queen, king) showing the pieces of the
// side to move. A click shows the pressed picture for a moment and closes the
// dialog with the chosen code. The keyboard chooses as well: the dialog opens
// with the focus on the queen, the arrows and Tab move it (it is drawn round
// the button), Enter or Space choose; each button is named after its piece
// for a screen reader.
#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QImage>
#include <vector>

#include "platform/twips.h"
#include "rules/side.h"

namespace velmora::platform {

// A button that is a picture: pressed by the left mouse button going down,
// or by Enter or Space while it has the focus.
class PictureButton : public QAbstractButton {
  Q_OBJECT

 public:
  PictureButton(double zoom, QWidget* parent);
  void set_picture(const QImage& picture);
  QSize sizeHint() const override { return size(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  double zoom_;
  QImage picture_;
};

class PromotionDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows the pieces of `side`.
  PromotionDialog(Side side, TwipScale scale, QWidget* parent);

  // Shows the button of the kind of `code` pressed and records the signed
  // choice (the computer's display, which the game times and closes).
  void show_pressed(int code);
  // The signed code chosen, 0 while nothing has been chosen.
  int choice() const { return choice_; }
  // The button of a kind, for the tests; nullptr for a kind with no button.
  PictureButton* button_of(int kind) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  struct Choice {
    int kind;
    const char* picture;  // PROMO_<picture>_<0..3>
    PictureButton* button;
  };

  void show_pressed(const Choice& choice);
  // A click: pressed for 0.3 seconds, then the dialog closes.
  void choose(const Choice& choice);
  QImage choice_picture(const Choice& choice, bool pressed) const;

  Side side_;
  double zoom_;
  int choice_ = 0;
  std::vector<Choice> choices_;
};

}  // namespace velmora::platform
