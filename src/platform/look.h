// The look shared by every window of the game: the 16-colour palette and the
// Japanese font.
#pragma once

#include <QColor>
#include <QString>

#include "ports/ports.h"

namespace velmora::platform {

// The colour on screen of a colour of the game's palette.
QColor palette_colour(PaletteColour colour);

// The family of the IPA Gothic font, loaded from the system's font folder
// when it is there (it holds every kanji and the half-width katakana the game
// prints); otherwise the default family of the application.
QString japanese_font_family();

}  // namespace velmora::platform
