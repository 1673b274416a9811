#include "text/shift_jis.h"

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
// refuses, `skip` tells how many input bytes to drop, `replacement` is
// written in their place and the dropped bytes go to `refused` (when given).
// Without a converter (a C library without code page 932) ASCII passes and
// every other character is refused.
std::string convert(const char* to, const char* from, std::string_view in, std::string_view replacement,
                    std::size_t (*skip)(const char*, std::size_t), std::vector<std::string>* refused = nullptr) {
  std::string out;
  const char* src = in.data();
  std::size_t src_left = in.size();
  auto refuse_one = [&] {
    const std::size_t n = std::min(src_left, skip(src, src_left));
    if (refused) refused->emplace_back(src, n);
    src += n;
    src_left -= n;
    out.append(replacement);
  };
  const iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    while (src_left > 0) {
      if (static_cast<unsigned char>(*src) >= 0x80) {
        refuse_one();
        continue;
      }
      out += *src++;
      --src_left;
    }
    return out;
  }
  char buffer[256];
  while (src_left > 0) {
    char* dst = buffer;
    std::size_t dst_left = sizeof buffer;
    const std::size_t r = iconv(cd, const_cast<char**>(&src), &src_left, &dst, &dst_left);
    const int error = errno;
    out.append(buffer, dst - buffer);
    if (r != static_cast<std::size_t>(-1) || error == E2BIG) continue;
    // EILSEQ (no such character) or EINVAL (a character cut off at the end).
    refuse_one();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

// A lead byte of a two-byte character of code page 932.
bool is_lead_byte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

}  // namespace

std::string utf8_to_shift_jis(std::string_view utf8) {
  return convert(SHIFT_JIS, UTF8, utf8, "?", utf8_character_length);
}

std::vector<std::string> characters_without_shift_jis(std::string_view utf8) {
  std::vector<std::string> refused;
  convert(SHIFT_JIS, UTF8, utf8, "?", utf8_character_length, &refused);
  std::vector<std::string> once;
  for (std::string& c : refused)
    if (std::find(once.begin(), once.end(), c) == once.end()) once.push_back(std::move(c));
  return once;
}

std::string shift_jis_to_utf8(std::string_view sjis) {
  return convert(UTF8, SHIFT_JIS, sjis, REPLACEMENT_UTF8, one_byte);
}

std::string lossy_utf8(std::string_view bytes) { return convert(UTF8, UTF8, bytes, REPLACEMENT_UTF8, one_byte); }

bool is_utf8(std::string_view bytes) { return lossy_utf8(bytes) == bytes; }

std::string_view cut_shift_jis(std::string_view sjis, std::size_t max_bytes) {
  std::size_t end = 0;
  while (end < sjis.size()) {
    const std::size_t next = end + (is_lead_byte(static_cast<unsigned char>(sjis[end])) ? 2 : 1);
    if (next > max_bytes) break;
    end = next;
  }
  return sjis.substr(0, std::min(end, sjis.size()));
}

}  // namespace velmora
