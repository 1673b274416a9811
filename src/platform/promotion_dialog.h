// The dialog in which a chess pawn's promotion is chosen: six picture
// buttons (pawn, rook, knight, bishop, queen, king) showing the pieces of the
// side to move. A click shows the pressed picture for a moment and closes the
// dialog with the chosen code.
#pragma once

#include <QDialog>
#include <QImage>
#include <vector>

#include "platform/twips.h"
#include "rules/side.h"

namespace velmora::platform {

class PictureButton : public QWidget {
  Q_OBJECT

 public:
  PictureButton(double zoom, QWidget* parent);
  void set_picture(const QImage& picture);

 Q_SIGNALS:
  void pressed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

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
