#include "view/twips.h"

namespace velmora {
namespace {

// Number of characters of a UTF-8 text (continuation bytes do not count).
int character_count(const std::string& s) {
  int n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

double 取得_棋譜のX座標(const std::string& s) {
  const int length = character_count(s);
  return cell_left(3 + (13 - length) / 5.0);
}

}  // namespace velmora
