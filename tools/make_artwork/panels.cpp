#include "panels.h"

#include <QLinearGradient>
#include <QPainter>

#include "geometry.h"
#include "pieces.h"
#include "wood.h"

namespace artwork {

namespace {

const QString kTitle = QStringLiteral("Velmora");
const QString kSubtitle = QStringLiteral("日韓連合 対 チェス");
const QColor kCream(250, 238, 210);

QImage darkWood(QSize size, int scale) { return woodGrain(size, QColor(96, 54, 30), 4711U, scale); }

// A double gold frame along the edge of a panel.
void goldFrame(QPainter& painter, QSize size) {
  const QRectF outer = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(2, 2, -2, -2);
  painter.setPen(QPen(QColor(212, 170, 72), 1.4));
  painter.drawRect(outer);
  painter.setPen(QPen(QColor(150, 110, 40), 0.7));
  painter.drawRect(outer.adjusted(3, 3, -3, -3));
}

// The program's name in gold letters with a dark rim and a shadow.
void goldTitle(QPainter& painter, const Fonts& fonts, QPointF centre, double pixelSize) {
  const QPainterPath letters = centredTextPath(kTitle, fonts.title(pixelSize)).translated(centre);
  painter.fillPath(letters.translated(1.6, 1.8), QColor(0, 0, 0, 150));
  painter.strokePath(letters, QPen(QColor(44, 22, 6), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const QRectF box = letters.boundingRect();
  QLinearGradient gold(box.topLeft(), box.bottomLeft());
  gold.setColorAt(0.0, QColor(255, 244, 184));
  gold.setColorAt(0.5, QColor(232, 184, 64));
  gold.setColorAt(1.0, QColor(168, 108, 24));
  painter.fillPath(letters, gold);
}

// Antialiased drawing in the pixels of the picture at its own size.
QPainter& antialiased(QPainter& painter, int scale) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(scale, scale);
  return painter;
}

void bevel(QPainter& painter, QSize size, bool pressed) {
  const QColor light(255, 246, 226), lightInner(236, 214, 176);
  const QColor dark(52, 34, 18), darkInner(130, 96, 60);
  const int w = size.width(), h = size.height();
  // Lines one picture pixel wide, as rectangles so that they stay whole pixels at every scale.
  const auto edge = [&](int inset, QColor topLeft, QColor bottomRight) {
    painter.fillRect(QRect(inset, inset, w - 2 * inset, 1), topLeft);
    painter.fillRect(QRect(inset, inset, 1, h - 2 * inset), topLeft);
    painter.fillRect(QRect(inset, h - 1 - inset, w - 2 * inset, 1), bottomRight);
    painter.fillRect(QRect(w - 1 - inset, inset, 1, h - 2 * inset), bottomRight);
  };
  if (pressed) {
    edge(0, dark, light);
    edge(1, darkInner, lightInner);
  } else {
    edge(0, light, dark);
    edge(1, lightInner, darkInner);
  }
}

}  // namespace

QImage titlePicture(const Fonts& fonts, int scale) {
  QImage image = darkWood(kTitleSize, scale);
  QPainter painter(&image);
  antialiased(painter, scale);
  goldFrame(painter, kTitleSize);
  drawShogiTile(painter, fonts, QPointF(25, 31), 38, QStringLiteral("王"), false, Side::Lower);
  drawFigurine(painter, Figure::King, ChessColour::White, QPointF(208, 50), 38, scale);
  goldTitle(painter, fonts, QPointF(116.5, 24), 34);
  drawCentredText(painter, kSubtitle, fonts.kanji(12), QPointF(116.5, 49), kCream);
  return image;
}

QImage aboutPicture(const Fonts& fonts, int scale) {
  QImage image = darkWood(kAboutSize, scale);
  QPainter painter(&image);
  antialiased(painter, scale);
  goldFrame(painter, kAboutSize);
  drawShogiTile(painter, fonts, QPointF(26, 36), 38, QStringLiteral("王"), false, Side::Lower);
  drawJanggiDisc(painter, fonts, QPointF(58, 36), 30, QStringLiteral("将"), Side::Lower);
  drawFigurine(painter, Figure::King, ChessColour::White, QPointF(90, 55), 38, scale);
  goldTitle(painter, fonts, QPointF(212, 22), 34);
  drawCentredText(painter, kSubtitle, fonts.kanji(12), QPointF(212, 45), kCream);
  drawCentredText(painter, QStringLiteral("Version 1.0   Velmora Project"), fonts.title(12), QPointF(212, 61), kCream);
  return image;
}

QImage promotionButton(Figure figure, ChessColour colour, bool pressed, int scale) {
  const QSize size = kPromotionButtonSize;
  QImage image = boardSquare(Shade::Light, size, scale);
  QPainter painter(&image);
  antialiased(painter, scale);
  if (pressed) painter.fillRect(QRect(QPoint(0, 0), size), QColor(60, 30, 0, 48));
  const double shift = pressed ? 1.0 : 0.0;
  drawFigurine(painter, figure, colour, QPointF(size.width() / 2.0 + shift, size.height() - 5 + shift),
               size.height() - 11, scale);
  painter.setRenderHint(QPainter::Antialiasing, false);
  bevel(painter, size, pressed);
  return image;
}

}  // namespace artwork
