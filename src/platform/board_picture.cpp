#include "platform/board_picture.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <cmath>

#include "platform/twips.h"
#include "text/text_files.h"
#include "view/board_view.h"

namespace velmora::platform {
namespace {

int picture_pixels(int twips) { return static_cast<int>(std::lround(twips / TWIPS_PER_PIXEL * BOARD_PICTURE_SCALE)); }

}  // namespace

QRect board_picture_twips() {
  const TwipRect area = POSITION_PICTURE_AREA;
  return QRect(area.left, area.top, area.width, area.height);
}

// Drawing the picture notes what it shows (the texts on show, the bold
// label font) in the view state, as any drawing does; that is put back.
QImage board_picture(Game& g, DrawingScreen& screen) {
  Drawing drawing(BOARD_PICTURE_SCALE);
  const ViewState view = g.view;
  screen.draw_on(drawing, [&g] { draw_position_picture(g); });
  g.view = view;
  const QRect t = board_picture_twips();
  return drawing.image().copy(picture_pixels(t.left()), picture_pixels(t.top()), picture_pixels(t.width()),
                              picture_pixels(t.height()));
}

void copy_board_picture(Game& g, DrawingScreen& screen) {
  QGuiApplication::clipboard()->setImage(board_picture(g, screen));
}

Result<void, std::error_code> save_board_picture(Game& g, DrawingScreen& screen, const QString& path) {
  return save_png(board_picture(g, screen), path);
}

Result<void, std::error_code> save_png(const QImage& image, const QString& path) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return Failure{std::make_error_code(std::errc::io_error)};
  return replace_file(path.toStdString(), std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

}  // namespace velmora::platform
