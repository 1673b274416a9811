// A drawing of the game's window in twip geometry: what the window's canvas
// shows, or one made apart for a picture of the position. Pictures, outlines
// and texts are painted on it by twip positions; `render_scale` image pixels
// (not always a whole number) stand for one pixel of 15 twips.
//
// A drawing keeps what was painted as a list of strokes until someone asks
// for it as an image. The canvas paints those strokes straight into the
// window's own backing store, so that a window shown pixel for pixel holds
// no second full-window image (20 MB on a 4K screen). Strokes hidden whole
// under a later opaque one (a cell painted again) are forgotten, so the list
// stays about as long as what is on show.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <functional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/pictures.h"
#include "ports/ports.h"

namespace velmora::platform {

class Drawing {
 public:
  explicit Drawing(double render_scale);

  // The drawing as one image, filled with the window's background colour
  // where nothing is painted. It is made from the strokes when first asked
  // for; from then on everything is painted on it.
  QImage& image() { return made_image(); }
  const QImage& image() const { return made_image(); }
  // Whether the drawing is kept as an image (rather than as strokes).
  bool keeps_image() const { return !image_.isNull(); }
  // Its size in image pixels.
  QSize size() const { return size_; }
  double render_scale() const { return render_scale_; }
  // The pictures at the render scale.
  PictureBook& pictures() { return pictures_; }
  // Image pixel of a twip coordinate.
  double image_pixels(double twips) const;

  // Called with the image pixels that may have changed whenever something is
  // painted (the canvas then repaints that part at its next chance: after
  // the event, or during its waits and boxes).
  void on_change(std::function<void(const QRect&)> listener) { listener_ = std::move(listener); }

  void paste_picture(int picture, int shade, double left, double top);
  void paste_picture_within(int picture, int shade, double left, double top, double right, double bottom);
  void outline(PaletteColour colour, double left, double top, double right, double bottom);
  void print_text(const std::string& text, double left, double top, int size, PaletteColour colour, bool bold);
  // The width in twips print_text gives `text`.
  double text_width(const std::string& text, int size, bool bold) const;

  // Paints the part `clip` of the drawing on `target`, an image of 32-bit
  // pixels whose pixel (0, 0) is the drawing's: the pixels are those image()
  // has or would have. (The target is taken at 96 dpi, as image() is.)
  void paint_on(QImage& target, const QRegion& clip) const;

 private:
  // A picture, or the part `part` of it, with its top-left corner at `corner`.
  struct PictureStroke {
    QImage picture;
    QRect part;
    QPoint corner;
  };
  // The four sides of an outline.
  struct OutlineStroke {
    QColor colour;
    QRect sides[4];
  };
  struct TextStroke {
    QString text;
    QFont font;
    QColor colour;
    QPointF baseline;
    bool outlined;  // large bold text, thickened by hand
  };
  struct Stroke {
    std::variant<PictureStroke, OutlineStroke, TextStroke> what;
    QRect bounds;  // the image pixels it may touch
    bool opaque;   // it covers `bounds` whole
  };

  int image_pixel(double twips) const;
  QFont text_font(int size, bool bold) const;
  QImage& made_image() const;
  void paste(const QImage& picture, QPoint corner, QSize room);
  void add(Stroke stroke);
  void forget_hidden() const;
  void copy_opaque(const PictureStroke& stroke) const;
  static void paint_stroke(QPainter& painter, const Stroke& stroke);
  static void print_emboldened(QPainter& painter, const TextStroke& text);

  double render_scale_;
  QSize size_;
  mutable QImage image_;                      // null while the strokes are kept
  mutable std::vector<Stroke> strokes_;       // what is on show, oldest first
  mutable std::size_t unhidden_strokes_ = 0;  // strokes left when hidden ones were last forgotten
  PictureBook pictures_;
  std::function<void(const QRect&)> listener_;
};

}  // namespace velmora::platform
