#include "fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <stdexcept>

namespace artwork {

namespace {

const char* const kKanjiFontFile = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf";
const char* const kTitleFontFile = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf";

QString loadFamily(const char* file) {
  const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(file));
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (id < 0 || families.isEmpty()) throw std::runtime_error(std::string("cannot load font ") + file);
  return families.first();
}

QFont makeFont(const QString& family, double pixelSize) {
  QFont font(family);
  font.setPixelSize(qRound(pixelSize));
  font.setStyleStrategy(QFont::NoFontMerging);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace

QFont Fonts::kanji(double pixelSize) const { return makeFont(kanjiFamily, pixelSize); }
QFont Fonts::title(double pixelSize) const { return makeFont(titleFamily, pixelSize); }

Fonts loadFonts() { return Fonts{loadFamily(kKanjiFontFile), loadFamily(kTitleFontFile)}; }

QPainterPath centredTextPath(const QString& text, const QFont& font) {
  const QFontMetricsF metrics(font);
  for (const QChar c : text) {
    if (!c.isSpace() && !metrics.inFont(c)) {
      throw std::runtime_error("font " + font.family().toStdString() + " has no glyph for " + QString(c).toStdString());
    }
  }
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QPointF inkCentre = path.boundingRect().center();
  path.translate(-inkCentre);
  return path;
}

void drawCentredText(QPainter& painter, const QString& text, const QFont& font, QPointF centre, const QBrush& fill,
                     const QPen& outline) {
  const QPainterPath path = centredTextPath(text, font).translated(centre);
  if (outline.style() != Qt::NoPen) painter.strokePath(path, outline);
  painter.fillPath(path, fill);
}

}  // namespace artwork
