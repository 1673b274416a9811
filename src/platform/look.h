// The look shared by every window of the game: the 16-colour palette and the
// Japanese font.
#pragma once

#include <QColor>
#include <QString>

namespace velmora::platform {

// Palette colour 0..15 (black, blue, green, cyan, red, magenta, brown, light
// grey, dark grey and the bright ones); any other index gives black.
QColor palette_colour(int index);

// The family of the IPA Gothic font, loaded from the system's font folder
// when it is there (it holds every kanji and the half-width katakana the game
// prints); otherwise the default family of the application.
QString japanese_font_family();

}  // namespace velmora::platform
