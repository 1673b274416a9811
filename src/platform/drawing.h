// A drawing of the game's window in twip geometry: the backing image of the
// window's canvas, or one made apart for a picture of the position. Pictures,
// outlines and texts are painted on it by twip positions; `render_scale`
// image pixels stand for one pixel of 15 twips.
#pragma once

#include <QImage>
#include <QPainter>
#include <functional>
#include <string>
#include <utility>

#include "platform/pictures.h"

namespace velmora::platform {

class Drawing {
 public:
  // An image covering the window's whole client area, filled with the
  // window's background colour.
  explicit Drawing(int render_scale);

  QImage& image() { return image_; }
  const QImage& image() const { return image_; }
  int render_scale() const { return render_scale_; }
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
  void outline(int colour, double left, double top, double right, double bottom);
  void print_text(const std::string& text, double left, double top, int size, int colour, bool bold);

 private:
  int image_pixel(double twips) const;
  void paste(const QImage& picture, QPoint corner, QSize room);
  void changed() const {
    if (listener_) listener_();
  }
  void print_emboldened(QPainter& painter, const std::string& text, QPointF baseline, double pixel_size);

  int render_scale_;
  QImage image_;
  PictureBook pictures_;
  std::function<void()> listener_;
};

}  // namespace velmora::platform
