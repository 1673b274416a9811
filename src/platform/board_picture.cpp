#include "platform/board_picture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <cmath>

#include "rules/pieces.h"

namespace velmora::platform {
namespace {

constexpr int FIRST_HAND_CELL = -5;
constexpr int LAST_HAND_CELL = 15;

int picture_pixels(int twips) { return static_cast<int>(std::lround(twips / TWIPS_PER_PIXEL * BOARD_PICTURE_SCALE)); }

}  // namespace

QRect board_picture_twips() {
  return QRect(BOARD_LEFT + FIRST_HAND_CELL * SQUARE_WIDTH, BOARD_TOP,
               (LAST_HAND_CELL - FIRST_HAND_CELL + 1) * SQUARE_WIDTH, (BOARD_SIZE + 1) * SQUARE_HEIGHT);
}

// The backing image holds render_scale pixels per 15 twips; where that is
// not two, the cut is rescaled smoothly.
QImage board_picture(const Canvas& canvas) {
  const QRect t = board_picture_twips();
  const QRectF source(canvas.image_pixels(t.left()), canvas.image_pixels(t.top()), canvas.image_pixels(t.width()),
                      canvas.image_pixels(t.height()));
  const QImage cut = canvas.image().copy(source.toAlignedRect());
  const QSize size(picture_pixels(t.width()), picture_pixels(t.height()));
  if (cut.size() == size) return cut;
  return cut.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void copy_board_picture(const Canvas& canvas) { QGuiApplication::clipboard()->setImage(board_picture(canvas)); }

bool save_board_picture(const Canvas& canvas, const QString& path) { return board_picture(canvas).save(path, "PNG"); }

}  // namespace velmora::platform
