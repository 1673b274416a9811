// The game's pictures, embedded in the program as resources under
// ":/pictures/<name>.png" (SITA_HU_0, W_QEEN_1, HAIKEI_TATAMI, TITLE, ...),
// each also rendered two and three times as fine for large and high-density
// screens (":/2x/pictures/<name>@2x.png", ":/3x/pictures/<name>@3x.png").
#pragma once

#include <QImage>
#include <QString>
#include <future>
#include <map>
#include <utility>

class QWidget;

namespace velmora::platform {

// The finest rendering of the pictures.
inline constexpr int FINEST_RENDERING = 3;

// The rendering for a device scale (device pixels per pixel of 15 twips): the
// closest at or above it, or the finest when the scale is larger still.
int rendering_for_scale(double device_scale);

// The resource picture of that name in that rendering; a null image when
// there is none. Its device pixel ratio is the rendering, so that its device
// independent size is the picture's own.
QImage named_picture(const QString& name, int rendering = 1);

// The picture in the rendering that suits `widget` drawing it `zoom` times
// its own size.
QImage named_picture_for(const QString& name, double zoom, const QWidget& widget);

// The resource name of picture number `number` (a piece code, EMPTY, the
// title or a background tile) in shade 0 or 1; empty when it has no picture.
QString picture_resource_name(int number, int shade);

// Begins scaling the pictures kept as raw pixels for a canvas of
// `render_scale` on a thread of its own at once, before the window exists:
// the program calls it as soon as it knows its screen, and the canvas's
// PictureBook of that scale takes them over (see make_raw_pictures_aside).
void begin_raw_pictures(double render_scale);

// Pictures by number at the canvas's render scale, taken from the closest
// rendering (enlarged or reduced only when there is none of that scale),
// each made when it is first drawn and kept.
class PictureBook {
 public:
  explicit PictureBook(double render_scale) : render_scale_(render_scale) {}

  // Where the pictures are scaled, scales those kept as raw pixels (the
  // first paint's) on a thread of their own, so that the window thread
  // finds them made when it first draws them; those begun for its scale by
  // begin_raw_pictures are taken over instead.
  void make_raw_pictures_aside();

  // A null image for a number with no picture.
  const QImage& picture(int number, int shade);

 private:
  QImage made_picture(const QString& name);

  double render_scale_;
  std::map<std::pair<int, int>, QImage> cache_;
  std::future<std::map<QString, QImage>> made_aside_;
  std::map<QString, QImage> ready_;  // made aside, not yet asked for
};

}  // namespace velmora::platform
