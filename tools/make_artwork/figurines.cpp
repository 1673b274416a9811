#include "figurines.h"

#include <QPainter>
#include <QPainterPath>

namespace artwork {

namespace {

// Figurines are designed in a box 100 units wide and 114 high, the base resting on y = 114.
constexpr double kDesignHeight = 114;

struct Silhouette {
  QPainterPath body;     // filled and outlined
  QPainterPath details;  // inner lines drawn in the contrasting colour
  QPainterPath marks;    // small areas filled with the contrasting colour
};

QPainterPath roundedBox(double left, double top, double right, double bottom, double radius) {
  QPainterPath path;
  path.addRoundedRect(QRectF(QPointF(left, top), QPointF(right, bottom)), radius, radius);
  return path;
}

QPainterPath circle(double x, double y, double r) {
  QPainterPath path;
  path.addEllipse(QPointF(x, y), r, r);
  return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

void addLine(QPainterPath& path, QPointF from, QPointF to) {
  path.moveTo(from);
  path.lineTo(to);
}

QPainterPath base() { return roundedBox(16, 98, 84, 114, 4); }

Silhouette pawn() {
  QPainterPath stem;
  stem.moveTo(41, 56);
  stem.cubicTo(40, 78, 30, 90, 24, 100);
  stem.lineTo(76, 100);
  stem.cubicTo(70, 90, 60, 78, 59, 56);
  stem.closeSubpath();
  Silhouette s;
  s.body = circle(50, 33, 16).united(roundedBox(32, 50, 68, 58, 3)).united(stem).united(base());
  addLine(s.details, {36, 58}, {64, 58});
  addLine(s.details, {24, 100}, {76, 100});
  return s;
}

Silhouette rook() {
  QPainterPath top = roundedBox(20, 12, 80, 40, 1.5);
  top = top.subtracted(roundedBox(35, 8, 44, 24, 1)).subtracted(roundedBox(56, 8, 65, 24, 1));
  Silhouette s;
  s.body = top.united(polygon({{30, 40}, {70, 40}, {73, 90}, {27, 90}}))
               .united(roundedBox(22, 86, 78, 98, 2))
               .united(base());
  addLine(s.details, {24, 40}, {76, 40});
  addLine(s.details, {26, 88}, {74, 88});
  addLine(s.details, {20, 100}, {80, 100});
  return s;
}

Silhouette knight() {
  QPainterPath head;
  head.moveTo(24, 100);
  head.cubicTo(24, 84, 36, 74, 46, 64);
  head.lineTo(38, 60);
  head.cubicTo(30, 66, 20, 68, 12, 62);
  head.cubicTo(6, 56, 8, 48, 14, 44);
  head.cubicTo(20, 38, 26, 30, 30, 22);
  head.lineTo(34, 4);
  head.lineTo(44, 16);
  head.cubicTo(68, 14, 86, 34, 86, 60);
  head.cubicTo(86, 76, 80, 88, 80, 100);
  head.closeSubpath();
  Silhouette s;
  s.body = head.united(base());
  s.marks.addEllipse(QPointF(32, 32), 4.5, 4.5);
  s.details.moveTo(48, 22);
  s.details.cubicTo(64, 24, 74, 42, 75, 66);
  addLine(s.details, {20, 100}, {80, 100});
  return s;
}

Silhouette bishop() {
  QPainterPath mitre;
  mitre.moveTo(50, 16);
  mitre.cubicTo(74, 30, 74, 52, 64, 62);
  mitre.lineTo(36, 62);
  mitre.cubicTo(26, 52, 26, 30, 50, 16);
  mitre.closeSubpath();
  QPainterPath stem;
  stem.moveTo(42, 68);
  stem.cubicTo(42, 84, 34, 94, 26, 100);
  stem.lineTo(74, 100);
  stem.cubicTo(66, 94, 58, 84, 58, 68);
  stem.closeSubpath();
  Silhouette s;
  s.body = circle(50, 11, 7).united(mitre).united(roundedBox(32, 60, 68, 70, 3)).united(stem).united(base());
  addLine(s.details, {43, 48}, {59, 30});
  addLine(s.details, {35, 70}, {65, 70});
  addLine(s.details, {22, 100}, {78, 100});
  return s;
}

Silhouette queen() {
  QPainterPath crown = polygon(
      {{28, 96}, {10, 32}, {33, 56}, {30, 22}, {44, 52}, {50, 16}, {56, 52}, {70, 22}, {67, 56}, {90, 32}, {72, 96}});
  for (const QPointF tip : {QPointF(10, 30), QPointF(30, 20), QPointF(50, 13), QPointF(70, 20), QPointF(90, 30)}) {
    crown = crown.united(circle(tip.x(), tip.y(), 6));
  }
  Silhouette s;
  s.body = crown.united(base());
  s.details.moveTo(25, 76);
  s.details.quadTo(50, 84, 75, 76);
  addLine(s.details, {20, 100}, {80, 100});
  return s;
}

Silhouette king() {
  QPainterPath crown;
  crown.moveTo(28, 96);
  crown.lineTo(20, 56);
  crown.cubicTo(8, 40, 26, 20, 46, 36);
  crown.lineTo(50, 30);
  crown.lineTo(54, 36);
  crown.cubicTo(74, 20, 92, 40, 80, 56);
  crown.lineTo(72, 96);
  crown.closeSubpath();
  Silhouette s;
  s.body = crown.united(roundedBox(45, 0, 55, 34, 1)).united(roundedBox(37, 8, 63, 17, 1)).united(base());
  s.details.moveTo(22, 58);
  s.details.quadTo(50, 50, 78, 58);
  s.details.moveTo(25, 78);
  s.details.quadTo(50, 84, 75, 78);
  addLine(s.details, {20, 100}, {80, 100});
  return s;
}

Silhouette silhouetteOf(Figure figure) {
  switch (figure) {
    case Figure::Pawn: return pawn();
    case Figure::Rook: return rook();
    case Figure::Knight: return knight();
    case Figure::Bishop: return bishop();
    case Figure::Queen: return queen();
    case Figure::King: return king();
  }
  return pawn();
}

// A pen `width` picture pixels wide whatever the figurine's size.
QPen cosmeticPen(QColor colour, double width, double fineness) {
  QPen pen(colour, width * fineness, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  pen.setCosmetic(true);
  return pen;
}

}  // namespace

void drawFigurine(QPainter& painter, Figure figure, ChessColour colour, QPointF foot, double height, double fineness) {
  const Silhouette s = silhouetteOf(figure);
  const bool white = colour == ChessColour::White;
  const double scale = height / kDesignHeight;
  const double pixel = 1.0 / scale;  // one picture pixel in design units

  painter.save();
  painter.translate(foot);
  painter.scale(scale, scale);
  painter.translate(-50, -kDesignHeight);
  painter.fillPath(s.body.translated(0.9 * pixel, 1.0 * pixel), QColor(0, 0, 0, 80));
  painter.fillPath(s.body, white ? QColor(252, 252, 248) : QColor(34, 32, 30));
  const QColor contrast = white ? QColor(20, 20, 20) : QColor(214, 210, 200);
  painter.strokePath(s.details, cosmeticPen(contrast, 1.0, fineness));
  painter.fillPath(s.marks, contrast);
  painter.strokePath(s.body, cosmeticPen(QColor(10, 10, 10), 1.1, fineness));
  painter.restore();
}

}  // namespace artwork
