// Conversion between the UTF-8 texts of the game and the Shift-JIS (code page
// 932) bytes of the settings file and of the record headers, through the C
// library's converter.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// UTF-8 -> Shift-JIS. A character that Shift-JIS cannot hold (or a byte that
// is not UTF-8) becomes "?", as the Japanese ANSI code page writes it.
std::string utf8_to_shift_jis(std::string_view utf8);

// The characters of `utf8` that utf8_to_shift_jis writes as "?", each once,
// in the order they first appear.
std::vector<std::string> characters_without_shift_jis(std::string_view utf8);

// Shift-JIS -> UTF-8. A byte sequence that is not Shift-JIS becomes U+FFFD,
// so whatever a file holds gives printable UTF-8.
std::string shift_jis_to_utf8(std::string_view sjis);

// Whether `bytes` is well-formed UTF-8.
bool is_utf8(std::string_view bytes);

// `bytes` with every byte that is not part of well-formed UTF-8 replaced by
// U+FFFD, so that text of an unknown encoding can be shown.
std::string lossy_utf8(std::string_view bytes);

// The longest start of `sjis` of at most `max_bytes` bytes that does not end
// in the middle of a two-byte character.
std::string_view cut_shift_jis(std::string_view sjis, std::size_t max_bytes);

}  // namespace velmora
