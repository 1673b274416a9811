#include "platform/canvas.h"

#include <QMouseEvent>
#include <QPainter>

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
      image_(static_cast<int>(image_pixels(CANVAS_WIDTH_TWIPS)), static_cast<int>(image_pixels(CANVAS_HEIGHT_TWIPS)),
             QImage::Format_ARGB32_Premultiplied) {
  // 96 dpi, so that font point sizes turn into the pixel heights the game expects.
  image_.setDotsPerMeterX(3780);
  image_.setDotsPerMeterY(3780);
  image_.fill(palette_colour(WINDOW_BACK_COLOUR));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize Canvas::sizeHint() const { return scale_.canvas_size(); }

QRectF Canvas::drawing_rect() const {
  const double factor =
      std::min(width() / static_cast<double>(CANVAS_WIDTH_TWIPS), height() / static_cast<double>(CANVAS_HEIGHT_TWIPS));
  const QSizeF size(CANVAS_WIDTH_TWIPS * factor, CANVAS_HEIGHT_TWIPS * factor);
  return QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

double Canvas::widget_scale() const { return drawing_rect().width() / (CANVAS_WIDTH_TWIPS / TWIPS_PER_PIXEL); }

QPointF Canvas::to_twips(QPointF widget_position) const {
  const QRectF drawing = drawing_rect();
  const double twips_per_widget_pixel = CANVAS_WIDTH_TWIPS / drawing.width();
  return (widget_position - drawing.topLeft()) * twips_per_widget_pixel;
}

QRect Canvas::to_widget(int left, int top, int width, int height) const {
  const QRectF drawing = drawing_rect();
  const double factor = drawing.width() / CANVAS_WIDTH_TWIPS;
  return QRectF(drawing.left() + left * factor, drawing.top() + top * factor, width * factor, height * factor).toRect();
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
  const QPointF twips = to_twips(event->position());
  Q_EMIT mouse_pressed(button_number(event->button()), shift_state(event->modifiers()), twips.x(), twips.y());
}

void Canvas::resizeEvent(QResizeEvent*) { Q_EMIT resized(); }

}  // namespace velmora::platform
