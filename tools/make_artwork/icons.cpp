#include "icons.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "figurines.h"
#include "pieces.h"
#include "wood.h"

namespace artwork {

namespace {

// The icon is laid out on a 64-unit square and scaled to its size.
constexpr double kDesign = 64;
// From this size on the icon shows the janggi disc and the inner rim.
constexpr int kDetailedSize = 48;
// Wood grain is drawn at no more than this many pixels and then enlarged, so
// that the big icons show the same grain as the small ones.
constexpr int kGrainPixels = 128;

QPainterPath panelShape(double inset) {
  QPainterPath path;
  path.addRoundedRect(QRectF(inset, inset, kDesign - 2 * inset, kDesign - 2 * inset), 11 - inset, 11 - inset);
  return path;
}

void drawPanel(QPainter& painter, int size, bool detailed) {
  const int grainSize = std::min(size, kGrainPixels);
  const QImage grain = woodGrain(QSize(grainSize, grainSize), QColor(96, 54, 30), 4711U);
  painter.save();
  painter.setClipPath(panelShape(1));
  painter.drawImage(QRectF(0, 0, kDesign, kDesign), grain);
  painter.restore();
  painter.strokePath(panelShape(1), QPen(QColor(44, 22, 6), 1.2));
  painter.strokePath(panelShape(2.6), QPen(QColor(212, 170, 72), detailed ? 1.6 : 2.2));
  if (detailed) painter.strokePath(panelShape(5.2), QPen(QColor(150, 110, 40), 0.8));
}

// Paints what `draw` draws (in design units) with a dark rim all round, so that the pieces
// stand out from the walnut at every size: the drawing is made on a layer, whose outline is
// pasted in dark a little off-centre in eight directions before the layer itself.
template <typename Draw>
void withRim(QPainter& painter, int size, Draw draw) {
  QImage layer(size, size, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  {
    QPainter layerPainter(&layer);
    layerPainter.setRenderHint(QPainter::Antialiasing);
    layerPainter.scale(size / kDesign, size / kDesign);
    draw(layerPainter);
  }
  QImage rim = layer;
  {
    QPainter rimPainter(&rim);
    rimPainter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    rimPainter.fillRect(rim.rect(), QColor(24, 12, 4));
  }
  const QRectF whole(0, 0, kDesign, kDesign);
  constexpr double kRim = 0.7;
  for (int step = 0; step < 8; ++step) {
    const double angle = step * M_PI / 4;
    painter.drawImage(whole.translated(kRim * std::cos(angle), kRim * std::sin(angle)), rim);
  }
  painter.drawImage(whole, layer);
}

QImage drawIcon(const Fonts& fonts, int size, bool detailed) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.scale(size / kDesign, size / kDesign);
  drawPanel(painter, size, detailed);
  withRim(painter, size, [&](QPainter& pieces) {
    if (detailed) {
      drawShogiTile(pieces, fonts, QPointF(21, 25), 30, QStringLiteral("王"), false, Side::Lower);
      drawFigurine(pieces, Figure::King, ChessColour::White, QPointF(44, 55), 40);
      drawJanggiDisc(pieces, fonts, QPointF(21, 46), 19, QStringLiteral("将"), Side::Lower);
    } else {
      drawShogiTile(pieces, fonts, QPointF(21, 33), 38, QStringLiteral("王"), false, Side::Lower);
      drawFigurine(pieces, Figure::King, ChessColour::White, QPointF(45, 56), 44);
    }
  });
  return image;
}

}  // namespace

QImage gameIcon(const Fonts& fonts, int size) {
  if (size >= kDetailedSize) return drawIcon(fonts, size, true);
  // The outlines of the pieces are a pixel wide whatever their size, which
  // would blacken the tiny figures: small icons are drawn four times as large
  // and reduced.
  return drawIcon(fonts, size * 4, false).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool writeIcons(const Fonts& fonts, const QString& folder) {
  if (!QDir(folder).mkpath(".")) return false;
  bool written = true;
  for (const int size : kIconSizes) {
    const QString path = QDir(folder).filePath(QStringLiteral("velmora_%1.png").arg(size));
    if (!gameIcon(fonts, size).save(path, "PNG")) {
      std::fprintf(stderr, "make_artwork: could not write %s\n", qPrintable(path));
      written = false;
    }
  }
  return written;
}

}  // namespace artwork
