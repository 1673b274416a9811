#pragma once

#include <QString>
#include <vector>

#include "catalogue.h"

namespace artwork {

// Writes one page per picture group, every picture enlarged four times with its name under
// it, to <prefix>-<group>.png, for checking the artwork by eye. Background tiles are also shown
// laid out as the window lays them out, to reveal seams. Returns false when a page cannot be
// written.
bool writeContactSheets(const std::vector<Picture>& pictures, const std::vector<QImage>& images, const Fonts& fonts,
                        const QString& prefix);

}  // namespace artwork
