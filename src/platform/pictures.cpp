#include "platform/pictures.h"

#include "view/pictures.h"

namespace velmora::platform {

QImage named_picture(const QString& name) {
  if (name.isEmpty()) return QImage();
  QImage image(QStringLiteral(":/pictures/%1.png").arg(name));
  return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QString picture_resource_name(int number, int shade) {
  const QString array = QString::fromStdString(picture_array_name(number));
  if (array.isEmpty()) return array;
  if (!has_two_shades(number)) return array;
  return QStringLiteral("%1_%2").arg(array).arg(shade == 1 ? 1 : 0);
}

const QImage& PictureBook::picture(int number, int shade) {
  const auto key = std::make_pair(number, shade);
  auto found = cache_.find(key);
  if (found != cache_.end()) return found->second;
  QImage image = named_picture(picture_resource_name(number, shade));
  if (!image.isNull() && render_scale_ != 1) {
    image = image.scaled(image.size() * render_scale_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  return cache_.emplace(key, std::move(image)).first->second;
}

}  // namespace velmora::platform
