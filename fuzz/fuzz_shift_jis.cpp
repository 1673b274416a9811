// The Shift-JIS converters against any bytes, both ways. Reading gives valid
// UTF-8 whatever a file holds, and a text read from a file and written again
// reads back the same, except that characters Shift-JIS cannot hold (the
// replacement mark among them) come back as "?". Writing gives Shift-JIS
// that reads back without a replacement mark, one character for each one
// written, as a text that is written the same way again (the code page
// writes a few characters as others, "¥" as "\").
#include "text/shift_jis.h"

#include <vector>

#include "fuzz_check.h"

namespace velmora::fuzz {
namespace {

constexpr std::string_view REPLACEMENT = "\xEF\xBF\xBD";  // U+FFFD

// The UTF-8 characters of a valid UTF-8 text, one string each.
std::vector<std::string_view> characters(std::string_view utf8) {
  std::vector<std::string_view> out;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char c = utf8[i];
    const std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    out.push_back(utf8.substr(i, n));
    i += n;
  }
  return out;
}

void check_reading(std::string_view sjis) {
  const std::string read = shift_jis_to_utf8(sjis);
  require(is_valid_utf8(read), "reading gave invalid UTF-8");
  const std::string written = utf8_to_shift_jis(read);
  std::string expected;
  for (const std::string_view c : characters(read)) expected += c == REPLACEMENT ? "?" : std::string(c);
  require(shift_jis_to_utf8(written) == expected, "a text read and written again does not read back the same");
}

void check_writing(std::string_view utf8) {
  const std::string written = utf8_to_shift_jis(utf8);
  const std::string read_back = shift_jis_to_utf8(written);
  require(read_back.find(REPLACEMENT) == std::string::npos, "writing gave bytes that are no Shift-JIS");
  require(utf8_to_shift_jis(read_back) == written, "what was written reads back as a text written otherwise");
  if (!is_valid_utf8(utf8)) return;
  require(characters(utf8).size() == characters(read_back).size(), "writing changed the number of characters");
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = velmora::fuzz::bytes(data, size);
  velmora::fuzz::check_reading(input);
  velmora::fuzz::check_writing(input);
  return 0;
}
