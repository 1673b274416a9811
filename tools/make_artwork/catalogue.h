#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

#include "fonts.h"

namespace artwork {

// One picture the game loads by name, with the size the window expects of it.
struct Picture {
  QString name;   // file name without ".png"
  QString group;  // for the contact sheet: pictures of one group share a page
  QSize size;
  std::function<QImage()> render;
};

// Every picture of the game. The fonts must outlive the returned renderers.
std::vector<Picture> catalogue(const Fonts& fonts);

}  // namespace artwork
