#include "platform/qt_screen.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QScopeGuard>
#include <cmath>
#include <utility>

#include "platform/look.h"

namespace velmora::platform {

namespace {

// Qt draws glyphs of this size and larger as outlines, not from its glyph cache.
constexpr double OUTLINED_GLYPH_PIXELS = 64;

}  // namespace

QtScreen::QtScreen(Canvas& canvas, MainWindow& window, TwipScale scale)
    : canvas_(&canvas), window_(window), scale_(scale) {}

int QtScreen::image_pixel(double twips) const { return static_cast<int>(std::lround(canvas_->image_pixels(twips))); }

void QtScreen::paste_picture(int picture, int shade, double left, double top) {
  paste(canvas_->pictures().picture(picture, shade), QPoint(image_pixel(left), image_pixel(top)), QSize());
}

void QtScreen::paste_picture_within(int picture, int shade, double left, double top, double right, double bottom) {
  const QPoint corner(image_pixel(left), image_pixel(top));
  paste(canvas_->pictures().picture(picture, shade), corner,
        QSize(image_pixel(right) - corner.x(), image_pixel(bottom) - corner.y()));
}

// The picture from its top-left corner, cut to `room` when that is valid.
void QtScreen::paste(const QImage& image, QPoint corner, QSize room) {
  if (image.isNull()) return;
  canvas_->mark_changed();
  QPainter painter(&canvas_->image());
  painter.drawImage(corner, image, QRect(QPoint(0, 0), room.isValid() ? image.size().boundedTo(room) : image.size()));
}

// A one-pixel outline whose right and bottom lines lie on the given edges, so
// that the outline of a cell shares its lines with the neighbouring cells.
void QtScreen::outline(int colour, double left, double top, double right, double bottom) {
  const int thickness = canvas_->render_scale();
  const int x0 = image_pixel(left), y0 = image_pixel(top);
  const int x1 = image_pixel(right), y1 = image_pixel(bottom);
  const int width = x1 - x0 + thickness, height = y1 - y0 + thickness;
  canvas_->mark_changed();
  QPainter painter(&canvas_->image());
  const QColor pen = palette_colour(colour);
  painter.fillRect(QRect(x0, y0, width, thickness), pen);
  painter.fillRect(QRect(x0, y1, width, thickness), pen);
  painter.fillRect(QRect(x0, y0, thickness, height), pen);
  painter.fillRect(QRect(x1, y0, thickness, height), pen);
}

// Text is printed transparently with the top of its line at (left, top). A
// point is 20 twips; on the 96-dpi backing image a font of size x render
// scale points has exactly the height the game asks for.
void QtScreen::print_text(const std::string& text, double left, double top, int size, int colour, bool bold) {
  QImage& image = canvas_->image();
  canvas_->mark_changed();
  QFont font(japanese_font_family());
  font.setPointSizeF(static_cast<double>(size) * canvas_->render_scale());
  font.setBold(bold);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(palette_colour(colour));
  const QFontMetricsF metrics(font, &image);
  const QPointF baseline(canvas_->image_pixels(left), canvas_->image_pixels(top) + metrics.ascent());
  const double pixel_size = font.pointSizeF() * image.logicalDpiY() / 72;
  if (bold && pixel_size >= OUTLINED_GLYPH_PIXELS) return print_emboldened(painter, text, baseline, pixel_size);
  painter.drawText(baseline, QString::fromStdString(text));
}

// The Japanese font has no bold face of its own. Qt thickens its glyphs when
// it draws them from its cache, but draws large text as plain outlines; those
// are thickened here as much, by a 24th of the size, so that bold text stays
// bold when enlarged.
void QtScreen::print_emboldened(QPainter& painter, const std::string& text, QPointF baseline, double pixel_size) {
  QPainterPath outline;
  outline.addText(baseline, painter.font(), QString::fromStdString(text));
  const QColor colour = painter.pen().color();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.strokePath(outline, QPen(colour, pixel_size / 24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.fillPath(outline, colour);
}

void QtScreen::draw_on(Canvas& canvas, const std::function<void()>& drawing) {
  Canvas* const window_canvas = std::exchange(canvas_, &canvas);
  const auto back_to_window = qScopeGuard([this, window_canvas] { canvas_ = window_canvas; });
  drawing();
}

void QtScreen::refresh() { canvas_->repaint(); }

// The window's place is that of its frame; its size is that of its contents,
// menu bar included, so that the drawing keeps its size whatever the frame.
TwipRect QtScreen::window_rect() const {
  return TwipRect{scale_.twips(window_.x()), scale_.twips(window_.y()), scale_.twips(window_.width()),
                  scale_.twips(window_.height())};
}

// The window's place is that of its frame.
void QtScreen::set_window_rect(const TwipRect& rect) {
  window_.place(QPoint(scale_.pixels(rect.left), scale_.pixels(rect.top)),
                QSize(scale_.pixels(rect.width), scale_.pixels(rect.height)));
}

}  // namespace velmora::platform
