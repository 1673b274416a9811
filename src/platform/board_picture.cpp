#include "platform/board_picture.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <cmath>

#include "rules/pieces.h"
#include "text/text_files.h"
#include "view/board_view.h"

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

// The whole window is redrawn with the finer pictures and fonts, so the
// picture is as sharp as a window drawn at that scale. The redraw notes what
// it shows (the texts on show, the bold coordinate font) in the view state;
// that is put back as it was.
QImage board_picture(Game& g, QtScreen& screen) {
  Canvas canvas(TwipScale{}, BOARD_PICTURE_SCALE);
  const ViewState view = g.view;
  screen.draw_on(canvas, [&g] { 画面_再描画(g); });
  g.view = view;
  const QRect t = board_picture_twips();
  return canvas.image().copy(picture_pixels(t.left()), picture_pixels(t.top()), picture_pixels(t.width()),
                             picture_pixels(t.height()));
}

void copy_board_picture(Game& g, QtScreen& screen) { QGuiApplication::clipboard()->setImage(board_picture(g, screen)); }

std::error_code save_board_picture(Game& g, QtScreen& screen, const QString& path) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!board_picture(g, screen).save(&buffer, "PNG")) return std::make_error_code(std::errc::io_error);
  return replace_file(path.toStdString(), std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

}  // namespace velmora::platform
