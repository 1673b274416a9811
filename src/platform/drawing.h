// A drawing of the game's window in twip geometry: the backing image of the
// window's canvas, or one made apart for a picture of the position. Pictures,
// outlines and texts are painted on it by twip positions; `render_scale`
// image pixels (not always a whole number) stand for one pixel of 15 twips.
#pragma once

#include <QImage>
#include <QPainter>
#include <functional>
#include <string>
#include <utility>

#include "platform/pictures.h"
#include "ports/ports.h"

namespace velmora::platform {

class Drawing {
 public:
  // An image covering the window's whole client area, filled with the
  // window's background colour. It is made when it is first painted on or
  // looked at, so that a window costs nothing until it draws.
  explicit Drawing(double render_scale);

  QImage& image() { return made_image(); }
  const QImage& image() const { return made_image(); }
  double render_scale() const { return render_scale_; }
  // The pictures at the render scale.
  PictureBook& pictures() { return pictures_; }
  // Image pixel of a twip coordinate.
  double image_pixels(double twips) const;

  // Called whenever something is painted (the window's canvas then paints
  // itself whole at its next chance: after the event, or during its waits
  // and boxes, so that what is drawn shows at once).
  void on_change(std::function<void()> listener) { listener_ = std::move(listener); }

  void paste_picture(int picture, int shade, double left, double top);
  void paste_picture_within(int picture, int shade, double left, double top, double right, double bottom);
  void outline(PaletteColour colour, double left, double top, double right, double bottom);
  void print_text(const std::string& text, double left, double top, int size, PaletteColour colour, bool bold);

 private:
  int image_pixel(double twips) const;
  QImage& made_image() const;
  void paste(const QImage& picture, QPoint corner, QSize room);
  void copy_opaque(const QImage& picture, QRect part, QPoint corner);
  void changed() const {
    if (listener_) listener_();
  }
  void print_emboldened(QPainter& painter, const std::string& text, QPointF baseline, double pixel_size);

  double render_scale_;
  mutable QImage image_;  // null until first needed
  PictureBook pictures_;
  std::function<void()> listener_;
};

}  // namespace velmora::platform
