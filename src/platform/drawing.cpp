#include "platform/drawing.h"

#include <sys/mman.h>

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/look.h"
#include "platform/twips.h"

namespace velmora::platform {

namespace {

constexpr PaletteColour WINDOW_BACK_COLOUR = PaletteColour::Green;
// Qt draws glyphs of this size and larger as outlines, not from its glyph cache.
constexpr double OUTLINED_GLYPH_PIXELS = 64;
// The system's large memory pages.
constexpr std::size_t LARGE_PAGE_BYTES = std::size_t{2} << 20;

void free_pixels(void* pixels) { std::free(pixels); }

// An image whose pixels lie in large memory pages where the system offers
// them: the first painting touches a few pages rather than thousands of
// small ones, which is most of the cost of a new full-window image. Only
// the large pages the pixels fill whole are asked for; the rest of the
// pixels lie in small pages, so that no part of a large page beyond the
// image is held (up to 2 MB of a large screen's image).
QImage image_in_large_pages(int width, int height) {
  const qsizetype bytes_per_line = qsizetype{width} * 4;
  const std::size_t bytes = static_cast<std::size_t>(bytes_per_line) * static_cast<std::size_t>(height);
  const std::size_t rounded = (bytes + LARGE_PAGE_BYTES - 1) / LARGE_PAGE_BYTES * LARGE_PAGE_BYTES;
  void* pixels = rounded == 0 ? nullptr : std::aligned_alloc(LARGE_PAGE_BYTES, rounded);
  if (pixels == nullptr) return QImage(width, height, QImage::Format_ARGB32_Premultiplied);
  const std::size_t whole = bytes / LARGE_PAGE_BYTES * LARGE_PAGE_BYTES;
  // Only wishes: small pages serve as well.
  if (whole > 0) (void)madvise(pixels, whole, MADV_HUGEPAGE);
  if (rounded > whole) (void)madvise(static_cast<char*>(pixels) + whole, rounded - whole, MADV_NOHUGEPAGE);
  return QImage(static_cast<uchar*>(pixels), width, height, bytes_per_line, QImage::Format_ARGB32_Premultiplied,
                free_pixels, pixels);
}

}  // namespace

Drawing::Drawing(double render_scale) : render_scale_(render_scale), pictures_(render_scale) {}

QImage& Drawing::made_image() const {
  if (!image_.isNull()) return image_;
  image_ = image_in_large_pages(static_cast<int>(image_pixels(IMAGE_WIDTH_TWIPS)),
                                static_cast<int>(image_pixels(IMAGE_HEIGHT_TWIPS)));
  // 96 dpi, so that font point sizes turn into the pixel heights the game expects.
  image_.setDotsPerMeterX(3780);
  image_.setDotsPerMeterY(3780);
  image_.fill(palette_colour(WINDOW_BACK_COLOUR));
  return image_;
}

double Drawing::image_pixels(double twips) const { return twips / TWIPS_PER_PIXEL * render_scale_; }

int Drawing::image_pixel(double twips) const { return static_cast<int>(std::lround(image_pixels(twips))); }

void Drawing::paste_picture(int picture, int shade, double left, double top) {
  paste(pictures_.picture(picture, shade), QPoint(image_pixel(left), image_pixel(top)), QSize());
}

void Drawing::paste_picture_within(int picture, int shade, double left, double top, double right, double bottom) {
  const QPoint corner(image_pixel(left), image_pixel(top));
  paste(pictures_.picture(picture, shade), corner,
        QSize(image_pixel(right) - corner.x(), image_pixel(bottom) - corner.y()));
}

// The picture from its top-left corner, cut to `room` when that is valid.
// An opaque picture is copied row by row, which is what painting it would do,
// without a painter for each of the many cells drawn at a time.
void Drawing::paste(const QImage& picture, QPoint corner, QSize room) {
  if (picture.isNull()) return;
  changed();
  const QRect part(QPoint(0, 0), room.isValid() ? picture.size().boundedTo(room) : picture.size());
  if (picture.format() == QImage::Format_RGB32) return copy_opaque(picture, part, corner);
  QPainter painter(&image());
  painter.drawImage(corner, picture, part);
}

void Drawing::copy_opaque(const QImage& picture, QRect part, QPoint corner) {
  QImage& target = image();
  const QRect place = QRect(corner, part.size()) & target.rect();
  if (place.isEmpty()) return;
  const QPoint from = part.topLeft() + (place.topLeft() - corner);
  const std::size_t row_bytes = static_cast<std::size_t>(place.width()) * 4;
  for (int row = 0; row < place.height(); ++row) {
    std::memcpy(target.scanLine(place.top() + row) + std::size_t{4} * static_cast<std::size_t>(place.left()),
                picture.constScanLine(from.y() + row) + std::size_t{4} * static_cast<std::size_t>(from.x()), row_bytes);
  }
}

// A one-pixel outline whose right and bottom lines lie on the given edges, so
// that the outline of a cell shares its lines with the neighbouring cells.
// It is as thick as a pixel of the scale, rounded to whole image pixels.
void Drawing::outline(PaletteColour colour, double left, double top, double right, double bottom) {
  const int thickness = std::max(1, static_cast<int>(std::lround(render_scale_)));
  const int x0 = image_pixel(left), y0 = image_pixel(top);
  const int x1 = image_pixel(right), y1 = image_pixel(bottom);
  const int width = x1 - x0 + thickness, height = y1 - y0 + thickness;
  changed();
  QPainter painter(&image());
  const QColor pen = palette_colour(colour);
  painter.fillRect(QRect(x0, y0, width, thickness), pen);
  painter.fillRect(QRect(x0, y1, width, thickness), pen);
  painter.fillRect(QRect(x0, y0, thickness, height), pen);
  painter.fillRect(QRect(x1, y0, thickness, height), pen);
}

// Text is printed transparently with the top of its line at (left, top). A
// point is 20 twips; on the 96-dpi image a font of size x render scale points
// has exactly the height the game asks for.
void Drawing::print_text(const std::string& text, double left, double top, int size, PaletteColour colour, bool bold) {
  changed();
  QFont font(japanese_font_family());
  font.setPointSizeF(static_cast<double>(size) * render_scale_);
  font.setBold(bold);
  QPainter painter(&image());
  painter.setFont(font);
  painter.setPen(palette_colour(colour));
  const QFontMetricsF metrics(font, &image());
  const QPointF baseline(image_pixels(left), image_pixels(top) + metrics.ascent());
  const double pixel_size = font.pointSizeF() * image().logicalDpiY() / 72;
  if (bold && pixel_size >= OUTLINED_GLYPH_PIXELS) return print_emboldened(painter, text, baseline, pixel_size);
  painter.drawText(baseline, QString::fromStdString(text));
}

// The Japanese font has no bold face of its own. Qt thickens its glyphs when
// it draws them from its cache, but draws large text as plain outlines; those
// are thickened here as much, by a 24th of the size, so that bold text stays
// bold when enlarged.
void Drawing::print_emboldened(QPainter& painter, const std::string& text, QPointF baseline, double pixel_size) {
  QPainterPath outline;
  outline.addText(baseline, painter.font(), QString::fromStdString(text));
  const QColor colour = painter.pen().color();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.strokePath(outline, QPen(colour, pixel_size / 24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.fillPath(outline, colour);
}

}  // namespace velmora::platform
