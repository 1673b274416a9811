#include "notation/notation.h"

#include "rules/pieces.h"
#include "text/shown.h"

namespace velmora {
namespace {

const char* const FULL_WIDTH_DIGITS[9] = {SHOWN("１"), SHOWN("２"), SHOWN("３"), SHOWN("４"), SHOWN("５"),
                                          SHOWN("６"), SHOWN("７"), SHOWN("８"), SHOWN("９")};
const char* const KANJI_NUMERALS[9] = {SHOWN("一"), SHOWN("二"), SHOWN("三"), SHOWN("四"), SHOWN("五"),
                                       SHOWN("六"), SHOWN("七"), SHOWN("八"), SHOWN("九")};

}  // namespace

std::string 文字列変換(int v) {
  if (v >= 101 && v <= 109) return FULL_WIDTH_DIGITS[v - 101];
  if (v >= 111 && v <= 119) return KANJI_NUMERALS[v - 111];
  if (is_piece(v)) return PIECE_KINDS[kind_of(v)].record_name;
  return "";
}

}  // namespace velmora
