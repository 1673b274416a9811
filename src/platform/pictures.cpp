#include "platform/pictures.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/raw_pictures.h"
#include "view/pictures.h"

namespace velmora::platform {

int rendering_for_scale(double device_scale) {
  return std::clamp(static_cast<int>(std::ceil(device_scale - 1e-9)), 1, FINEST_RENDERING);
}

namespace {

// The raw pixels kept in the program, shared rather than copied; a null image
// for a picture not kept so.
QImage raw_picture(const QString& name, int rendering) {
  for (const RawPicture& raw : raw_pictures()) {
    if (raw.rendering == rendering && name == QLatin1String(raw.name)) {
      return QImage(reinterpret_cast<const uchar*>(raw.pixels), raw.width, raw.height, raw.width * 4,
                    QImage::Format_RGB32);
    }
  }
  return QImage();
}

QImage decoded_picture(const QString& name, int rendering) {
  const QString file = rendering == 1 ? QStringLiteral(":/pictures/%1.png").arg(name)
                                      : QStringLiteral(":/%2x/pictures/%1@%2x.png").arg(name).arg(rendering);
  QImage image(file);
  if (image.isNull()) return image;
  // Converted in place. A picture without transparency (the game's all are)
  // stays plain 32-bit RGB: pasting it is a copy, with the pixels a blend
  // would give.
  image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  return image;
}

}  // namespace

QImage named_picture(const QString& name, int rendering) {
  if (name.isEmpty()) return QImage();
  QImage image = raw_picture(name, rendering);
  if (image.isNull()) image = decoded_picture(name, rendering);
  if (!image.isNull()) image.setDevicePixelRatio(rendering);
  return image;
}

QImage named_picture_for(const QString& name, double zoom, const QWidget& widget) {
  return named_picture(name, rendering_for_scale(zoom * widget.devicePixelRatioF()));
}

QString picture_resource_name(int number, int shade) {
  const QString array = QString::fromStdString(picture_array_name(number));
  if (array.isEmpty()) return array;
  if (!has_two_shades(number)) return array;
  return QStringLiteral("%1_%2").arg(array).arg(shade == 1 ? 1 : 0);
}

namespace {

// The canvas's image counts plain pixels: the picture is pasted pixel for
// pixel, so its device pixel ratio is dropped.
QImage picture_at_scale(const QString& name, double render_scale) {
  const int rendering = rendering_for_scale(render_scale);
  QImage image = named_picture(name, rendering);
  if (image.isNull()) return image;
  image.setDevicePixelRatio(1);
  if (rendering == render_scale) return image;
  return image.scaled(image.size() / rendering * render_scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Gives the pages of the raw pixels of `rendering` back to the system once
// the pictures are made at another scale from them: the window does not read
// them again, and should anything ask for them they are read again from the
// program's file, unchanged.
void release_raw_pixels(int rendering) {
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  std::uintptr_t first = UINTPTR_MAX, end = 0;
  for (const RawPicture& raw : raw_pictures()) {
    if (raw.rendering != rendering) continue;
    first = std::min(first, reinterpret_cast<std::uintptr_t>(raw.pixels));
    end = std::max(end, reinterpret_cast<std::uintptr_t>(raw.pixels + std::ptrdiff_t{raw.width} * raw.height));
  }
  first = (first + page - 1) / page * page;
  end = end / page * page;
  if (first < end) (void)madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED);
}

std::future<std::map<QString, QImage>> raw_pictures_scaled_aside(double render_scale) {
  const int rendering = rendering_for_scale(render_scale);
  return std::async(std::launch::async, [rendering, render_scale] {
    std::map<QString, QImage> made;
    for (const RawPicture& raw : raw_pictures()) {
      if (raw.rendering != rendering) continue;
      const QString name = QString::fromLatin1(raw.name);
      made.emplace(name, picture_at_scale(name, render_scale));
    }
    release_raw_pixels(rendering);
    return made;
  });
}

// Those begun by begin_raw_pictures, until a PictureBook of their scale takes them.
struct BegunPictures {
  double render_scale = 0;
  std::future<std::map<QString, QImage>> made;
};

BegunPictures& begun_pictures() {
  static BegunPictures begun;
  return begun;
}

bool scaled_from_rendering(double render_scale) { return rendering_for_scale(render_scale) != render_scale; }

}  // namespace

void begin_raw_pictures(double render_scale) {
  BegunPictures& begun = begun_pictures();
  if (!scaled_from_rendering(render_scale) || begun.made.valid()) return;
  begun = BegunPictures{render_scale, raw_pictures_scaled_aside(render_scale)};
}

void PictureBook::make_raw_pictures_aside() {
  if (!scaled_from_rendering(render_scale_) || made_aside_.valid()) return;
  BegunPictures& begun = begun_pictures();
  if (begun.made.valid() && begun.render_scale == render_scale_) {
    made_aside_ = std::move(begun.made);
    return;
  }
  made_aside_ = raw_pictures_scaled_aside(render_scale_);
}

const QImage& PictureBook::picture(int number, int shade) {
  const auto key = std::make_pair(number, shade);
  auto found = cache_.find(key);
  if (found != cache_.end()) return found->second;
  return cache_.emplace(key, made_picture(picture_resource_name(number, shade))).first->second;
}

QImage PictureBook::made_picture(const QString& name) {
  if (made_aside_.valid()) ready_ = made_aside_.get();
  auto ready = ready_.find(name);
  if (ready == ready_.end()) return picture_at_scale(name, render_scale_);
  QImage image = std::move(ready->second);
  ready_.erase(ready);
  return image;
}

}  // namespace velmora::platform
