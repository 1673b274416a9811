// The game's pictures, embedded in the program as resources under
// ":/pictures/<name>.png" (SITA_HU_0, W_QEEN_1, HAIKEI_TATAMI, TITLE, ...).
#pragma once

#include <QImage>
#include <QString>
#include <map>
#include <utility>

namespace velmora::platform {

// The resource picture of that name; a null image when there is none.
QImage named_picture(const QString& name);

// The resource name of picture number `number` (a piece code, EMPTY, the
// title or a background tile) in shade 0 or 1; empty when it has no picture.
QString picture_resource_name(int number, int shade);

// Pictures by number, enlarged once to the canvas's render scale and kept.
class PictureBook {
 public:
  explicit PictureBook(int render_scale) : render_scale_(render_scale) {}

  // A null image for a number with no picture.
  const QImage& picture(int number, int shade);

 private:
  int render_scale_;
  std::map<std::pair<int, int>, QImage> cache_;
};

}  // namespace velmora::platform
