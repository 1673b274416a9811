#include "notation/notation.h"

#include "rules/pieces.h"

namespace velmora {
namespace {

const char* const FULL_WIDTH_DIGITS[9] = {"１", "２", "３", "４", "５", "６", "７", "８", "９"};
const char* const KANJI_NUMERALS[9] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};

}  // namespace

std::string 文字列変換(int v) {
  if (v >= 101 && v <= 109) return FULL_WIDTH_DIGITS[v - 101];
  if (v >= 111 && v <= 119) return KANJI_NUMERALS[v - 111];
  if (is_piece(v)) return PIECE_KINDS[kind_of(v)].record_name;
  return "";
}

}  // namespace velmora
