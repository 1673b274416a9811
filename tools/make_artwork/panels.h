#pragma once

#include <QImage>

#include "figurines.h"
#include "fonts.h"

namespace artwork {

// Each picture is drawn `scale` times as fine as its own size.

// The title picture above the right-hand margin of the window.
QImage titlePicture(const Fonts& fonts, int scale);

// The picture of the About box: title, version and maker in the upper part; the box's two
// buttons stand over the lower part.
QImage aboutPicture(const Fonts& fonts, int scale);

// One picture of a promotion dialog button: a chess piece on a raised wooden button, or the
// same button pressed in.
QImage promotionButton(Figure figure, ChessColour colour, bool pressed, int scale);

}  // namespace artwork
