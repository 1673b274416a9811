#include "platform/look.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <array>

namespace velmora::platform {

QColor palette_colour(int index) {
  static const std::array<QColor, 16> palette = {
      QColor(0, 0, 0),       QColor(0, 0, 128),   QColor(0, 128, 0),   QColor(0, 128, 128),
      QColor(128, 0, 0),     QColor(128, 0, 128), QColor(128, 128, 0), QColor(192, 192, 192),
      QColor(128, 128, 128), QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(0, 255, 255),
      QColor(255, 0, 0),     QColor(255, 0, 255), QColor(255, 255, 0), QColor(255, 255, 255),
  };
  if (index < 0 || index >= static_cast<int>(palette.size())) return palette[0];
  return palette[index];
}

QString japanese_font_family() {
  static const QString family = [] {
    const QString path = QStringLiteral("/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf");
    if (QFile::exists(path)) {
      const int id = QFontDatabase::addApplicationFont(path);
      const QStringList families = QFontDatabase::applicationFontFamilies(id);
      if (!families.isEmpty()) return families.first();
    }
    return QGuiApplication::font().family();
  }();
  return family;
}

}  // namespace velmora::platform
