// Texts of the move notation.
#pragma once

#include <string>

namespace velmora {

// 101..109 -> "１".."９", 111..119 -> "一".."九", a piece code of either sign
// -> the record name of its kind, anything else -> "".
std::string 文字列変換(int v);

}  // namespace velmora
