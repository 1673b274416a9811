#include "platform/canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/look.h"

namespace velmora::platform {

namespace {

constexpr int WINDOW_BACK_COLOUR = 2;

int button_number(Qt::MouseButton button) { return button == Qt::RightButton ? 2 : 1; }

int shift_state(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) + (modifiers & Qt::ControlModifier ? 2 : 0) +
         (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

Canvas::Canvas(TwipScale scale, int render_scale, QWidget* parent)
    : QWidget(parent),
      scale_(scale),
      render_scale_(render_scale),
      image_(static_cast<int>(image_pixels(IMAGE_WIDTH_TWIPS)), static_cast<int>(image_pixels(IMAGE_HEIGHT_TWIPS)),
             QImage::Format_ARGB32_Premultiplied) {
  // 96 dpi, so that font point sizes turn into the pixel heights the game expects.
  image_.setDotsPerMeterX(3780);
  image_.setDotsPerMeterY(3780);
  image_.fill(palette_colour(WINDOW_BACK_COLOUR));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
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
  return QRectF(QPointF(std::max(0.0, (width() - size.width()) / 2), std::max(0.0, (height() - size.height()) / 2)),
                size);
}

double Canvas::widget_scale() const { return twips_scale() * TWIPS_PER_PIXEL; }

QPointF Canvas::to_twips(QPointF widget_position) const {
  return (widget_position - drawing_rect().topLeft()) / twips_scale();
}

QRect Canvas::to_widget(int left, int top, int width, int height) const {
  const QPointF origin = drawing_rect().topLeft();
  const double scale = twips_scale();
  return QRectF(origin.x() + left * scale, origin.y() + top * scale, width * scale, height * scale).toRect();
}

void Canvas::show_changes() {
  if (changed_) update();
}

void Canvas::paintEvent(QPaintEvent*) {
  changed_ = false;
  QPainter painter(this);
  painter.fillRect(rect(), palette_colour(WINDOW_BACK_COLOUR));
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(drawing_rect(), image_);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
  if (dropping_presses_) return;
  const QPointF twips = to_twips(event->position());
  Q_EMIT mouse_pressed(button_number(event->button()), shift_state(event->modifiers()), twips.x(), twips.y());
}

void Canvas::resizeEvent(QResizeEvent*) { Q_EMIT resized(); }

}  // namespace velmora::platform
