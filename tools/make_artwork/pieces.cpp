#include "pieces.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace artwork {

namespace {

const QColor kShadow(0, 0, 0, 80);
const QPointF kShadowOffset(0.9, 1.0);

// Runs a drawing with the origin at the piece's centre, turned for the upper side.
template <typename Draw>
void atPiece(QPainter& painter, QPointF centre, Side side, Draw draw) {
  painter.save();
  painter.translate(centre);
  if (side == Side::Upper) painter.rotate(180);
  draw();
  painter.restore();
}

QPainterPath pentagon(double height) {
  const double width = height * 0.74;
  const double half = height / 2;
  const double shoulderY = -half + height * 0.25;
  QPainterPath path;
  path.moveTo(0, -half);
  path.lineTo(width * 0.41, shoulderY);
  path.lineTo(width * 0.5, half);
  path.lineTo(-width * 0.5, half);
  path.lineTo(-width * 0.41, shoulderY);
  path.closeSubpath();
  return path;
}

QPainterPath disc(double diameter) {
  QPainterPath path;
  path.addEllipse(QPointF(0, 0), diameter / 2, diameter / 2);
  return path;
}

// The shadow falls down and to the right on the board whichever way the piece faces.
void dropShadow(QPainter& painter, QPointF centre, Side side, const QPainterPath& shape) {
  atPiece(painter, centre + kShadowOffset, side, [&] { painter.fillPath(shape, kShadow); });
}

}  // namespace

void drawShogiTile(QPainter& painter, const Fonts& fonts, QPointF centre, double height, const QString& kanji,
                   bool promoted, Side side) {
  const QPainterPath shape = pentagon(height);
  dropShadow(painter, centre, side, shape);
  atPiece(painter, centre, side, [&] {
    // Lit from the top of the screen whichever way the tile faces.
    const double lit = side == Side::Lower ? -height / 2 : height / 2;
    QLinearGradient face(0, lit, 0, -lit);
    if (side == Side::Lower) {
      face.setColorAt(0, QColor(255, 255, 252));
      face.setColorAt(1, QColor(226, 224, 214));
    } else {
      face.setColorAt(0, QColor(255, 238, 120));
      face.setColorAt(1, QColor(228, 194, 52));
    }
    painter.fillPath(shape, face);
    painter.strokePath(shape, QPen(QColor(72, 50, 28), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const QColor ink = promoted ? QColor(206, 0, 0) : QColor(12, 12, 12);
    const double width = height * 0.74;
    drawCentredText(painter, kanji, fonts.kanji(width * 0.74), QPointF(0, height * 0.10), ink, QPen(ink, 0.35));
  });
}

void drawJanggiDisc(QPainter& painter, const Fonts& fonts, QPointF centre, double diameter, const QString& character,
                    Side side) {
  const QPainterPath shape = disc(diameter);
  dropShadow(painter, centre, side, shape);
  atPiece(painter, centre, side, [&] {
    QRadialGradient face(QPointF(-diameter * 0.15, -diameter * 0.18), diameter * 0.7);
    QColor ring, ink, inkEdge;
    if (side == Side::Lower) {
      face.setColorAt(0, QColor(250, 160, 186));
      face.setColorAt(1, QColor(208, 72, 116));
      ring = QColor(255, 214, 226);
      ink = Qt::white;
      inkEdge = QColor(120, 16, 52);
    } else {
      face.setColorAt(0, QColor(76, 76, 84));
      face.setColorAt(1, QColor(14, 14, 18));
      ring = QColor(70, 104, 190);
      ink = QColor(96, 156, 255);
      inkEdge = QColor(6, 12, 44);
    }
    painter.fillPath(shape, face);
    painter.strokePath(disc(diameter - 3.6), QPen(ring, 0.7));
    painter.strokePath(shape, QPen(QColor(40, 14, 20), 1.0));
    const QPainterPath glyph = centredTextPath(character, fonts.kanji(diameter * 0.64));
    painter.strokePath(glyph, QPen(inkEdge, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(glyph, QPen(ink, 0.5));
    painter.fillPath(glyph, ink);
  });
}

}  // namespace artwork
