#include "platform/canvas.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/look.h"
#include "rules/pieces.h"
#include "view/twips.h"

namespace velmora::platform {

namespace {

constexpr PaletteColour WINDOW_BACK_COLOUR = PaletteColour::Green;

// A new backing store lies in memory shared with the window system that the
// process has not touched yet: painting it would bring it in page by page,
// thousands of faults on a large screen. The rows `rows` of it are brought
// in at one go instead (a wish: painting brings in whatever is left).
void take_in_rows(const QImage& store, int first_row, int rows) {
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto start = reinterpret_cast<std::uintptr_t>(store.constScanLine(first_row)) / page * page;
  const auto end = reinterpret_cast<std::uintptr_t>(store.constScanLine(first_row + rows - 1)) +
                   static_cast<std::uintptr_t>(store.bytesPerLine());
  (void)madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
}

int button_number(Qt::MouseButton button) { return button == Qt::RightButton ? 2 : 1; }

int shift_state(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) + (modifiers & Qt::ControlModifier ? 2 : 0) +
         (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

Canvas::Canvas(TwipScale scale, double render_scale, QWidget* parent)
    : QWidget(parent), scale_(scale), drawing_(render_scale) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  // Made while the window is being built and opened, on the other core.
  drawing_.pictures().make_raw_pictures_aside();
  drawing_.on_change([this](const QRect& part) {
    const QRect place = widget_rect(part);
    unshown_ |= place;
    update(place);
  });
}

QSize Canvas::sizeHint() const { return scale_.content_size(); }

// The drawing is enlarged as far as the content fits, in quarter steps so that
// a window a little larger than the content shows it pixel for pixel rather
// than slightly blurred; a window too small shrinks it to fit. The image is
// centred where the widget is larger and cut off at the right and bottom where
// it is smaller.
double Canvas::twips_scale() const {
  const double fit = std::min(width() / static_cast<double>(CONTENT_WIDTH_TWIPS),
                              height() / static_cast<double>(CONTENT_HEIGHT_TWIPS));
  const double pixels_per_pixel = fit * TWIPS_PER_PIXEL;
  if (pixels_per_pixel < 1) return fit;
  return std::floor(pixels_per_pixel * 4) / 4 / TWIPS_PER_PIXEL;
}

QRectF Canvas::drawing_rect() const {
  const double scale = twips_scale();
  const QSizeF size(IMAGE_WIDTH_TWIPS * scale, IMAGE_HEIGHT_TWIPS * scale);
  // On whole pixels, so that a drawing shown at its own size stays sharp.
  return QRectF(QPointF(std::max(0.0, std::floor((width() - size.width()) / 2)),
                        std::max(0.0, std::floor((height() - size.height()) / 2))),
                size);
}

double Canvas::widget_scale() const { return twips_scale() * TWIPS_PER_PIXEL; }

QPointF Canvas::to_twips(QPointF widget_position) const {
  return (widget_position - drawing_rect().topLeft()) / twips_scale();
}

// The widget pixels that show image pixels `part`, and the pixel around them
// that smoothing reaches where the drawing is scaled.
QRect Canvas::widget_rect(const QRect& part) const {
  const QRectF place = drawing_rect();
  const double per_pixel = widget_per_image_pixel();
  return QRectF(place.topLeft() + QPointF(part.topLeft()) * per_pixel, QSizeF(part.size()) * per_pixel)
      .toAlignedRect()
      .adjusted(-1, -1, 1, 1);
}

QRect Canvas::to_widget(int left, int top, int width, int height) const {
  const QPointF origin = drawing_rect().topLeft();
  const double scale = twips_scale();
  return QRectF(origin.x() + left * scale, origin.y() + top * scale, width * scale, height * scale).toRect();
}

// The tile is cut from the rendering of the picture, where a cell is whole
// pixels, and scaled to the drawing's cell when painted: at a render scale
// such as 1.5 a cell of the drawing is 49.5 image pixels, and tiles of 49 or
// 50 would drift away from the background drawn beside them.
void Canvas::set_margin_picture(int number) {
  if (number == margin_picture_) return;
  margin_picture_ = number;
  const int rendering = rendering_for_scale(render_scale());
  QImage picture = named_picture(picture_resource_name(number, 0), rendering);
  picture.setDevicePixelRatio(1);
  const QSize cell(static_cast<int>(SQUARE_WIDTH / TWIPS_PER_PIXEL * rendering),
                   static_cast<int>(SQUARE_HEIGHT / TWIPS_PER_PIXEL * rendering));
  margin_tile_ = picture.isNull() ? QImage() : picture.copy(QRect(QPoint(0, 0), cell));
  update();
}

void Canvas::show_changes_now() {
  if (!unshown_.isEmpty()) repaint(unshown_);
}

// Where the drawing's place on the screen has just its size in device
// pixels, it is painted pixel for pixel: straight into the window's backing
// store where that can be, otherwise from its image. Elsewhere its image is
// scaled smoothly. (Once made, the image is kept and painted on.)
void Canvas::paintEvent(QPaintEvent* event) {
  if (QRegion(unshown_).subtracted(event->region()).isEmpty()) unshown_ = QRect();
  QPainter painter(this);
  paint_margin(painter);
  const QRectF place = drawing_rect();
  const QSizeF device_size = place.size() * devicePixelRatioF();
  const QSize size = drawing_.size();
  if (std::abs(device_size.width() - size.width()) < 1 && std::abs(device_size.height() - size.height()) < 1) {
    if (paint_in_store(painter)) return;
    painter.drawImage(QRectF(place.topLeft(), QSizeF(size) / devicePixelRatioF()), drawing_.image());
    return;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(place, drawing_.image());
}

// The window's backing store is, on most systems, an image of 32-bit pixels
// that the widget's painter paints on. The drawing is painted on that image
// itself, within the part the window repaints, from the device pixel nearest
// its corner (where its image would be painted too, the widget lying half a
// pixel off where the screen's scale is fractional). Being drawn with the
// drawing's own 96-dpi fonts, its pixels are those of the drawing's image.
bool Canvas::paint_in_store(QPainter& painter) {
  auto* store = dynamic_cast<QImage*>(painter.paintEngine()->paintDevice());
  if (store == nullptr) return false;
  if (store->format() != QImage::Format_RGB32 && store->format() != QImage::Format_ARGB32_Premultiplied) return false;
  const QRegion repainted = painter.paintEngine()->systemClip();
  const QPointF corner = painter.deviceTransform().map(drawing_rect().topLeft());
  if (repainted.isEmpty()) return false;
  const QPoint origin(static_cast<int>(std::lround(corner.x())), static_cast<int>(std::lround(corner.y())));
  const QRect place = QRect(origin, drawing_.size()) & store->rect();
  if (place.topLeft() != origin) return false;
  if (store->constBits() != store_taken_in_) {
    store_taken_in_ = store->constBits();
    const QRect rows = repainted.boundingRect() & store->rect();
    if (!rows.isEmpty()) take_in_rows(*store, rows.top(), rows.height());
  }
  // The store's own pixels, not a copy: it is not shared while it is painted on.
  auto* pixels = const_cast<uchar*>(store->constBits()) + origin.y() * store->bytesPerLine() + origin.x() * 4;
  QImage part(pixels, place.width(), place.height(), store->bytesPerLine(), store->format());
  drawing_.paint_on(part, repainted.translated(-origin) & QRegion(part.rect()));
  return true;
}

// The margin tile repeats every cell from where the cells of the window grid
// lie in the drawing, so the background goes on beyond the drawing's edges.
void Canvas::paint_margin(QPainter& painter) {
  const QRectF drawing = drawing_rect();
  // The drawing's edge pixels are painted over the margin, half covered.
  const QRect drawn(drawing.topLeft().toPoint(),
                    QSize(static_cast<int>(drawing.width()), static_cast<int>(drawing.height())));
  const QRegion margin = QRegion(rect()).subtracted(drawn);
  if (margin.isEmpty()) return;
  if (margin_tile_.isNull()) {
    for (const QRect& part : margin) painter.fillRect(part, palette_colour(WINDOW_BACK_COLOUR));
    return;
  }
  const double widget_per_pixel = widget_per_image_pixel();
  const QPointF grid_origin(std::lround(image_pixels(BOARD_LEFT)), std::lround(image_pixels(BOARD_TOP)));
  const double tile_scale = render_scale() / rendering_for_scale(render_scale());  // image pixels a tile pixel
  QBrush tiles(margin_tile_);
  tiles.setTransform(QTransform::fromTranslate(drawing.left(), drawing.top())
                         .scale(widget_per_pixel, widget_per_pixel)
                         .translate(grid_origin.x(), grid_origin.y())
                         .scale(tile_scale, tile_scale));
  for (const QRect& part : margin) painter.fillRect(part, tiles);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
  if (dropping_presses_) return;
  const QPointF twips = to_twips(event->position());
  Q_EMIT mouse_pressed(button_number(event->button()), shift_state(event->modifiers()), twips.x(), twips.y());
}

void Canvas::resizeEvent(QResizeEvent*) { Q_EMIT resized(); }

}  // namespace velmora::platform
