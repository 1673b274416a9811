#include "record/shift_jis.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace velmora {
namespace {

constexpr const char* SHIFT_JIS = "CP932";
constexpr const char* UTF8 = "UTF-8";
constexpr std::string_view REPLACEMENT_UTF8 = "\xEF\xBF\xBD";  // U+FFFD

bool is_continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// How many bytes of UTF-8 input make the character at `p` that the converter
// refused: its lead byte and the continuation bytes that follow it.
std::size_t utf8_character_length(const char* p, std::size_t left) {
  std::size_t n = 1;
  while (n < left && n < 4 && is_continuation(static_cast<unsigned char>(p[n]))) ++n;
  return n;
}

// A refused Shift-JIS byte is dropped on its own: the next byte may start a
// good character again.
std::size_t one_byte(const char*, std::size_t) { return 1; }

// Converts `in` from one encoding to the other. At a sequence the converter
// refuses, `skip` tells how many input bytes to drop and `replacement` is
// written in their place. Without a converter (a C library without code page
// 932) ASCII passes and every other byte is replaced.
std::string convert(const char* to, const char* from, std::string_view in, std::string_view replacement,
                    std::size_t (*skip)(const char*, std::size_t)) {
  std::string out;
  const iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    for (const char c : in) {
      if (static_cast<unsigned char>(c) < 0x80)
        out += c;
      else
        out.append(replacement);
    }
    return out;
  }
  char* src = const_cast<char*>(in.data());
  std::size_t src_left = in.size();
  char buffer[256];
  while (src_left > 0) {
    char* dst = buffer;
    std::size_t dst_left = sizeof buffer;
    const std::size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
    const int error = errno;
    out.append(buffer, dst - buffer);
    if (r != static_cast<std::size_t>(-1) || error == E2BIG) continue;
    // EILSEQ (no such character) or EINVAL (a character cut off at the end).
    const std::size_t n = std::min(src_left, skip(src, src_left));
    src += n;
    src_left -= n;
    out.append(replacement);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string utf8_to_shift_jis(std::string_view utf8) {
  return convert(SHIFT_JIS, UTF8, utf8, "?", utf8_character_length);
}

std::string shift_jis_to_utf8(std::string_view sjis) {
  return convert(UTF8, SHIFT_JIS, sjis, REPLACEMENT_UTF8, one_byte);
}

}  // namespace velmora
