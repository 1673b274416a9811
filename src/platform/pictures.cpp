#include "platform/pictures.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

#include "view/pictures.h"

namespace velmora::platform {

int rendering_for_scale(double device_scale) {
  return std::clamp(static_cast<int>(std::ceil(device_scale - 1e-9)), 1, FINEST_RENDERING);
}

QImage named_picture(const QString& name, int rendering) {
  if (name.isEmpty()) return QImage();
  const QString file = rendering == 1 ? QStringLiteral(":/pictures/%1.png").arg(name)
                                      : QStringLiteral(":/%2x/pictures/%1@%2x.png").arg(name).arg(rendering);
  QImage image(file);
  if (image.isNull()) return image;
  // Converted in place. A picture without transparency (the game's all are)
  // stays plain 32-bit RGB: pasting it is a copy, with the pixels a blend
  // would give.
  image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  image.setDevicePixelRatio(rendering);
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

// The canvas's image counts plain pixels: the picture is pasted pixel for
// pixel, so its device pixel ratio is dropped.
const QImage& PictureBook::picture(int number, int shade) {
  const auto key = std::make_pair(number, shade);
  auto found = cache_.find(key);
  if (found != cache_.end()) return found->second;
  const int rendering = rendering_for_scale(render_scale_);
  QImage image = named_picture(picture_resource_name(number, shade), rendering);
  if (!image.isNull()) {
    image.setDevicePixelRatio(1);
    if (rendering != render_scale_) {
      image = image.scaled(image.size() / rendering * render_scale_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
  }
  return cache_.emplace(key, std::move(image)).first->second;
}

}  // namespace velmora::platform
