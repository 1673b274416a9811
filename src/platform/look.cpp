#include "platform/look.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <array>

namespace velmora::platform {

QColor palette_colour(PaletteColour colour) {
  static const std::array<QColor, PALETTE_SIZE> palette = {
      QColor(0, 0, 0),       QColor(0, 0, 128),   QColor(0, 128, 0),   QColor(0, 128, 128),
      QColor(128, 0, 0),     QColor(128, 0, 128), QColor(128, 128, 0), QColor(192, 192, 192),
      QColor(128, 128, 128), QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(0, 255, 255),
      QColor(255, 0, 0),     QColor(255, 0, 255), QColor(255, 255, 0), QColor(255, 255, 255),
  };
  return palette[palette_index(colour)];
}

// The system's font configuration usually knows the font already: then it is
// used as it is, without reading the whole file a second time at start.
QString japanese_font_family() {
  static const QString family = [] {
    const QString path = QStringLiteral("/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf");
    const QString known_family = QStringLiteral("IPAGothic");
    if (!QFile::exists(path)) return QGuiApplication::font().family();
    if (QFontDatabase::hasFamily(known_family)) return known_family;
    const QStringList families = QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(path));
    return families.isEmpty() ? QGuiApplication::font().family() : families.first();
  }();
  return family;
}

}  // namespace velmora::platform
