#pragma once

#include <QBrush>
#include <QFont>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QString>

class QPainter;

namespace artwork {

// The two IPA Gothic faces, loaded from their files so the pictures never depend on the
// system's font configuration: the monospaced face for the kanji of the pieces, the
// proportional face for Latin titles.
struct Fonts {
  QString kanjiFamily;
  QString titleFamily;

  QFont kanji(double pixelSize) const;
  QFont title(double pixelSize) const;
};

// Loads the fonts; throws std::runtime_error when a file is missing or unreadable.
Fonts loadFonts();

// The outline of a text with its ink centred on the origin. Throws std::runtime_error when the
// font lacks a glyph, so a picture never shows a fallback box.
QPainterPath centredTextPath(const QString& text, const QFont& font);

// Paints a text with its ink centred on a point: an optional outline stroke under the fill.
void drawCentredText(QPainter& painter, const QString& text, const QFont& font, QPointF centre, const QBrush& fill,
                     const QPen& outline = QPen(Qt::NoPen));

}  // namespace artwork
