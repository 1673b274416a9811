// Names of the pictures the window shows, by picture number: a piece code
// (-27..27, EMPTY for the empty square), 31 the title, 32..36 the backgrounds.
#pragma once

#include <string>

namespace velmora {

// "SITA_HU", "UE_OU", "W_QEEN", "B_KING", "KARA_MASU", "TITLE",
// "HAIKEI_MIDORI", ...; "" for a number that names no picture.
std::string picture_array_name(int picture);

// Whether the picture comes in two shades (index 0 and 1): every piece picture.
bool has_two_shades(int picture);

}  // namespace velmora
