#include "contact_sheet.h"

#include <QPainter>
#include <algorithm>
#include <map>

#include "geometry.h"

namespace artwork {

namespace {

constexpr int kZoom = 4;
constexpr int kPageWidth = 1500;
constexpr int kGap = 12;
constexpr int kLabelHeight = 16;

struct Entry {
  QString label;
  QImage image;  // already enlarged
};

// Tiles laid out as the window does: one every cell, each new tile covering the last pixel
// column of its left neighbour.
QImage tiledPreview(const QImage& tile) {
  QImage area(kCellSize.width() * 4, kCellSize.height() * 3, QImage::Format_RGB32);
  QPainter painter(&area);
  for (int x = 0; x < 4; ++x) {
    for (int y = 0; y < 3; ++y) painter.drawImage(x * kCellSize.width(), y * kCellSize.height(), tile);
  }
  return area;
}

QImage enlarged(const QImage& image) { return image.scaled(image.size() * kZoom, Qt::IgnoreAspectRatio); }

QImage page(const std::vector<Entry>& entries, const Fonts& fonts) {
  std::vector<QPoint> places;
  int x = kGap, y = kGap, rowHeight = 0;
  for (const Entry& e : entries) {
    if (x + e.image.width() > kPageWidth - kGap && x > kGap) {
      x = kGap;
      y += rowHeight + kLabelHeight + kGap;
      rowHeight = 0;
    }
    places.emplace_back(x, y);
    x += e.image.width() + kGap;
    rowHeight = std::max(rowHeight, e.image.height());
  }
  QImage sheet(kPageWidth, y + rowHeight + kLabelHeight + kGap, QImage::Format_RGB32);
  sheet.fill(QColor(60, 60, 60));
  QPainter painter(&sheet);
  painter.setFont(fonts.title(12));
  painter.setPen(Qt::white);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    painter.drawImage(places[i], entries[i].image);
    painter.drawText(places[i] + QPoint(0, entries[i].image.height() + kLabelHeight - 3), entries[i].label);
  }
  return sheet;
}

}  // namespace

bool writeContactSheets(const std::vector<Picture>& pictures, const std::vector<QImage>& images, const Fonts& fonts,
                        const QString& prefix) {
  std::map<QString, std::vector<Entry>> groups;
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    groups[pictures[i].group].push_back({pictures[i].name, enlarged(images[i])});
    if (pictures[i].size == kTileSize) {
      groups[pictures[i].group].push_back({pictures[i].name + " tiled", enlarged(tiledPreview(images[i]))});
    }
  }
  bool ok = true;
  for (const auto& [group, entries] : groups) {
    QString file = prefix + "-" + group + ".png";
    file.replace(' ', '_');
    ok = page(entries, fonts).save(file) && ok;
  }
  return ok;
}

}  // namespace artwork
