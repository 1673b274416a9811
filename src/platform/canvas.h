// The main window's drawing area. The game paints on a drawing in twip
// geometry (so the picture survives being covered); the widget shows that
// drawing fitted to its size with the proportions kept, and hands mouse
// presses back in twips.
#pragma once

#include <QImage>
#include <QWidget>

#include "platform/drawing.h"
#include "platform/twips.h"

namespace velmora::platform {

class Canvas : public QWidget {
  Q_OBJECT

 public:
  // `render_scale` image pixels stand for one pixel of 15 twips: above 1 the
  // texts and outlines stay sharp on large and high-density screens. At the
  // zoom times the screen's device pixel ratio the image has the window's
  // real size and is shown pixel for pixel.
  Canvas(TwipScale scale, double render_scale, QWidget* parent = nullptr);

  // The drawing, which the Screen port paints on, and it as an image.
  Drawing& drawing() { return drawing_; }
  QImage& image() { return drawing_.image(); }
  const QImage& image() const { return drawing_.image(); }
  double render_scale() const { return drawing_.render_scale(); }
  double image_pixels(double twips) const { return drawing_.image_pixels(twips); }

  // Where the drawing stands in the widget (proportions kept; it may reach
  // beyond the widget's right and bottom edges).
  QRectF drawing_rect() const;
  QRect widget_rect(const QRect& image_part) const;
  QPointF to_twips(QPointF widget_position) const;
  QRect to_widget(int left, int top, int width, int height) const;
  // Widget pixels per pixel of 15 twips, and per pixel of the drawing.
  double widget_scale() const;
  double widget_per_image_pixel() const { return drawing_rect().width() / drawing_.size().width(); }

  // Where the widget is larger than the drawing, the margin around it shows
  // picture `number`, the background the game tiles around the board,
  // continuing its tiling.
  void set_margin_picture(int number);

  // Mouse presses are dropped from now on (while the computer moves or an
  // animation runs), until take_presses() is called.
  void drop_presses() { dropping_presses_ = true; }
  bool dropping_presses() const { return dropping_presses_; }
  void take_presses() { dropping_presses_ = false; }

  // Paints at once what was drawn since the last paint (during long
  // routines, which hold up the window's own paints).
  void show_changes_now();

  QSize sizeHint() const override;

 Q_SIGNALS:
  // Button 1 left (and any button other than the right one), 2 right; shift
  // is 1 for Shift, 2 for Ctrl, 4 for Alt, added.
  void mouse_pressed(int button, int shift, double x, double y);
  void resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Widget pixels per twip.
  double twips_scale() const;
  void paint_margin(QPainter& painter);
  bool paint_in_store(QPainter& painter);

  TwipScale scale_;
  Drawing drawing_;
  int margin_picture_ = -1;
  QImage margin_tile_;  // one cell of it; null: the window's background colour
  // The backing store whose pages were brought in at one go.
  const uchar* store_taken_in_ = nullptr;
  bool dropping_presses_ = false;
  QRect unshown_;  // widget pixels drawn on and not yet painted
};

}  // namespace velmora::platform
