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
// Strokes kept before the drawing becomes an image: many more than a window
// ever shows at once, so that only texts printed over and over in one place
// without the place being cleared could reach it.
constexpr std::size_t MOST_STROKES = 4096;
// Strokes added beyond twice those left the last time before hidden ones
// are looked for again.
constexpr std::size_t FORGETTING_STEP = 256;
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

// A 96-dpi paint device, so that font point sizes turn into the pixel heights
// the game expects: every image painted on has this resolution.
constexpr int DOTS_PER_METRE_96_DPI = 3780;

void set_96_dpi(QImage& image) {
  image.setDotsPerMeterX(DOTS_PER_METRE_96_DPI);
  image.setDotsPerMeterY(DOTS_PER_METRE_96_DPI);
}

const QImage& measuring_device() {
  static const QImage device = [] {
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    set_96_dpi(image);
    return image;
  }();
  return device;
}

double font_pixels(const QFont& font) { return font.pointSizeF() * measuring_device().logicalDpiY() / 72; }

}  // namespace

Drawing::Drawing(double render_scale)
    : render_scale_(render_scale),
      size_(static_cast<int>(image_pixels(IMAGE_WIDTH_TWIPS)), static_cast<int>(image_pixels(IMAGE_HEIGHT_TWIPS))),
      pictures_(render_scale) {}

QImage& Drawing::made_image() const {
  if (!image_.isNull()) return image_;
  QImage image = image_in_large_pages(size_.width(), size_.height());
  paint_on(image, QRegion(image.rect()));
  strokes_.clear();
  strokes_.shrink_to_fit();
  unhidden_strokes_ = 0;
  image_ = std::move(image);
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
// The game's pictures are opaque: they hide whatever was painted under them.
void Drawing::paste(const QImage& picture, QPoint corner, QSize room) {
  if (picture.isNull()) return;
  const QRect part(QPoint(0, 0), room.isValid() ? picture.size().boundedTo(room) : picture.size());
  add(Stroke{PictureStroke{picture, part, corner}, QRect(corner, part.size()),
             picture.format() == QImage::Format_RGB32});
}

// A one-pixel outline whose right and bottom lines lie on the given edges, so
// that the outline of a cell shares its lines with the neighbouring cells.
// It is as thick as a pixel of the scale, rounded to whole image pixels.
void Drawing::outline(PaletteColour colour, double left, double top, double right, double bottom) {
  const int thickness = std::max(1, static_cast<int>(std::lround(render_scale_)));
  const int x0 = image_pixel(left), y0 = image_pixel(top);
  const int x1 = image_pixel(right), y1 = image_pixel(bottom);
  const int width = x1 - x0 + thickness, height = y1 - y0 + thickness;
  add(Stroke{OutlineStroke{palette_colour(colour),
                           {QRect(x0, y0, width, thickness), QRect(x0, y1, width, thickness),
                            QRect(x0, y0, thickness, height), QRect(x1, y0, thickness, height)}},
             QRect(x0, y0, width, height), false});
}

// Text is printed transparently with the top of its line at (left, top). A
// point is 20 twips; on a 96-dpi image a font of size x render scale points
// has exactly the height the game asks for.
QFont Drawing::text_font(int size, bool bold) const {
  QFont asked(japanese_font_family());
  asked.setPointSizeF(static_cast<double>(size) * render_scale_);
  asked.setBold(bold);
  return QFont(asked, &measuring_device());
}

double Drawing::text_width(const std::string& text, int size, bool bold) const {
  const QFontMetricsF metrics(text_font(size, bold), &measuring_device());
  return metrics.horizontalAdvance(QString::fromStdString(text)) / image_pixels(1);
}

void Drawing::print_text(const std::string& text, double left, double top, int size, PaletteColour colour, bool bold) {
  const QFont font = text_font(size, bold);
  const QString shown = QString::fromStdString(text);
  const QFontMetricsF metrics(font, &measuring_device());
  const QPointF baseline(image_pixels(left), image_pixels(top) + metrics.ascent());
  const double pixel_size = font_pixels(font);
  // The glyphs' own box, widened for the thickening of bold text and the
  // smoothing of edges.
  const double margin = pixel_size / 12 + 2;
  const QRect bounds =
      metrics.boundingRect(shown).translated(baseline).adjusted(-margin, -margin, margin, margin).toAlignedRect();
  add(Stroke{TextStroke{shown, font, palette_colour(colour), baseline, bold && pixel_size >= OUTLINED_GLYPH_PIXELS},
             bounds, false});
}

// A stroke is painted on the image where there is one; otherwise it is kept.
// The strokes hidden under later ones are forgotten now and then, when the
// list has grown well beyond what was left the last time, and before a paint.
void Drawing::add(Stroke stroke) {
  stroke.bounds &= QRect(QPoint(0, 0), size_);
  if (stroke.bounds.isEmpty()) return;
  if (listener_) listener_(stroke.bounds);
  if (image_.isNull()) {
    strokes_.push_back(std::move(stroke));
    if (strokes_.size() >= 2 * unhidden_strokes_ + FORGETTING_STEP) forget_hidden();
    if (strokes_.size() >= MOST_STROKES) made_image();
    return;
  }
  const auto* picture = std::get_if<PictureStroke>(&stroke.what);
  if (picture != nullptr && stroke.opaque) return copy_opaque(*picture);
  QPainter painter(&image_);
  paint_stroke(painter, stroke);
}

// A stroke lying whole within the place of a later opaque one is hidden. The
// places looked at are those of the opaque strokes not hidden themselves:
// mostly the window's cells, each once, however often it was painted.
void Drawing::forget_hidden() const {
  std::vector<QRect> covers;
  std::vector<bool> hidden(strokes_.size());
  for (std::size_t i = strokes_.size(); i-- > 0;) {
    const QRect& place = strokes_[i].bounds;
    hidden[i] = std::any_of(covers.begin(), covers.end(), [&place](const QRect& cover) {
      return cover.left() <= place.left() && cover.top() <= place.top() && cover.right() >= place.right() &&
             cover.bottom() >= place.bottom();
    });
    if (!hidden[i] && strokes_[i].opaque) covers.push_back(place);
  }
  std::size_t kept = 0;
  for (std::size_t i = 0; i < strokes_.size(); ++i) {
    if (hidden[i]) continue;
    if (kept != i) strokes_[kept] = std::move(strokes_[i]);
    ++kept;
  }
  strokes_.erase(strokes_.begin() + static_cast<std::ptrdiff_t>(kept), strokes_.end());
  unhidden_strokes_ = kept;
}

// An opaque picture is copied on the image row by row, which is what painting
// it would do, without a painter for each of the many cells drawn at a time.
void Drawing::copy_opaque(const PictureStroke& stroke) const {
  const QRect place = QRect(stroke.corner, stroke.part.size()) & image_.rect();
  if (place.isEmpty()) return;
  const QPoint from = stroke.part.topLeft() + (place.topLeft() - stroke.corner);
  const std::size_t row_bytes = static_cast<std::size_t>(place.width()) * 4;
  for (int row = 0; row < place.height(); ++row) {
    std::memcpy(image_.scanLine(place.top() + row) + std::size_t{4} * static_cast<std::size_t>(place.left()),
                stroke.picture.constScanLine(from.y() + row) + std::size_t{4} * static_cast<std::size_t>(from.x()),
                row_bytes);
  }
}

void Drawing::paint_on(QImage& target, const QRegion& clip) const {
  set_96_dpi(target);
  QPainter painter(&target);
  painter.setClipRegion(clip);
  if (!image_.isNull()) return painter.drawImage(0, 0, image_);
  if (strokes_.size() != unhidden_strokes_) forget_hidden();
  for (const QRect& part : clip) painter.fillRect(part, palette_colour(WINDOW_BACK_COLOUR));
  const QRect reach = clip.boundingRect();
  for (const Stroke& stroke : strokes_)
    if (stroke.bounds.intersects(reach) && clip.intersects(stroke.bounds)) paint_stroke(painter, stroke);
}

void Drawing::paint_stroke(QPainter& painter, const Stroke& stroke) {
  if (const auto* picture = std::get_if<PictureStroke>(&stroke.what)) {
    painter.drawImage(picture->corner, picture->picture, picture->part);
  } else if (const auto* outline = std::get_if<OutlineStroke>(&stroke.what)) {
    for (const QRect& side : outline->sides) painter.fillRect(side, outline->colour);
  } else if (const auto* text = std::get_if<TextStroke>(&stroke.what)) {
    if (text->outlined) return print_emboldened(painter, *text);
    painter.setFont(text->font);
    painter.setPen(text->colour);
    painter.drawText(text->baseline, text->text);
  }
}

// The Japanese font has no bold face of its own. Qt thickens its glyphs when
// it draws them from its cache, but draws large text as plain outlines; those
// are thickened here as much, by a 24th of the size, so that bold text stays
// bold when enlarged.
void Drawing::print_emboldened(QPainter& painter, const TextStroke& text) {
  const double pixel_size = font_pixels(text.font);
  QPainterPath outline;
  outline.addText(text.baseline, text.font, text.text);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.strokePath(outline, QPen(text.colour, pixel_size / 24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.fillPath(outline, text.colour);
  painter.restore();
}

}  // namespace velmora::platform
