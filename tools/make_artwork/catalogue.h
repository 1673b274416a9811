#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

#include "fonts.h"

namespace artwork {

// Every picture is rendered at its own size and two and three times as fine, for large and
// high-density screens; the finer ones are written as "<name>@2x.png" and "<name>@3x.png".
inline constexpr int kRenderScales[] = {1, 2, 3};

// One picture the game loads by name, with the size the window expects of it.
struct Picture {
  QString name;                             // file name without ".png"
  QString group;                            // for the contact sheet: pictures of one group share a page
  QSize size;                               // at scale 1
  std::function<QImage(int scale)> render;  // an image of size x scale pixels
};

// Every picture of the game. The fonts must outlive the returned renderers.
std::vector<Picture> catalogue(const Fonts& fonts);

}  // namespace artwork
