#include "view/phrases.h"

#include <string_view>

namespace velmora {
namespace {

constexpr const char* PHRASES[] = {PHRASE_WINS,
                                   PHRASE_CANNOT_READ_AT,
                                   PHRASE_TOO_MANY_MOVES_AT,
                                   PHRASE_DAMAGED_AT,
                                   PHRASE_FIRST_PLAYER,
                                   PHRASE_SECOND_PLAYER,
                                   PHRASE_RESULT,
                                   PHRASE_LAST_MOVE,
                                   PHRASE_WRONG_PART,
                                   PHRASE_UNREVIEWABLE_AT,
                                   PHRASE_REVIEW_SUMMARY,
                                   PHRASE_NO_START_AT,
                                   PHRASE_EMPTY_SQUARE,
                                   PHRASE_NOT_IN_HAND,
                                   PHRASE_OWN_PIECE_ON,
                                   PHRASE_CANNOT_GO_TO,
                                   PHRASE_MAIN_ARMY_PIECE,
                                   PHRASE_CHESS_ARMY_PIECE,
                                   PHRASE_MAIN_ARMY_HAND,
                                   PHRASE_CHESS_ARMY_HAND,
                                   PHRASE_MAIN_ARMY_CLOCK,
                                   PHRASE_CHESS_ARMY_CLOCK,
                                   PHRASE_TIME_UP,
                                   PHRASE_FIRST_TIME_CONTROL,
                                   PHRASE_SECOND_TIME_CONTROL};

bool plain_ascii(std::string_view text) {
  for (const unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

// The length in bytes of the UTF-8 character that starts with `lead`.
std::size_t character_bytes(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  return 2;
}

// A square "７六" as its file and rank in the language ("7f"); any other
// word as it is (a name the player typed stays whole).
std::string square_or_word(const std::string& word, const TextLookup& lookup) {
  const std::size_t file_bytes = character_bytes(static_cast<unsigned char>(word[0]));
  if (file_bytes >= word.size()) return word;
  const std::size_t rank_bytes = character_bytes(static_cast<unsigned char>(word[file_bytes]));
  if (file_bytes + rank_bytes != word.size()) return word;
  const std::string file = lookup(word.substr(0, file_bytes));
  const std::string rank = lookup(word.substr(file_bytes));
  const bool square =
      file.size() == 1 && file[0] >= '1' && file[0] <= '9' && rank.size() == 1 && rank[0] >= 'a' && rank[0] <= 'i';
  return square ? file + rank : word;
}

std::string translated_word(const std::string& word, const TextLookup& lookup) {
  if (plain_ascii(word)) return word;
  const std::string found = lookup(word);
  return found.empty() ? square_or_word(word, lookup) : found;
}

// `text` with each part between two `separator`s put through `each`.
template <class Each>
std::string each_part(const std::string& text, char separator, const Each& each) {
  std::string result;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    result += each(text.substr(start, end - start));
    if (end == std::string::npos) return result;
    result += separator;
    start = end + 1;
  }
}

std::string translated_words(const std::string& line, const TextLookup& lookup) {
  return each_part(line, ' ', [&](const std::string& word) { return translated_word(word, lookup); });
}

std::string translated_line(const std::string& line, const TextLookup& lookup);

// The line as one of the phrases with its part filled in; "" when it is none.
std::string translated_phrase(const std::string& line, const TextLookup& lookup) {
  for (const std::string_view phrase : PHRASES) {
    const std::size_t blank = phrase.find("%1");
    const std::string_view before = phrase.substr(0, blank);
    const std::string_view after = phrase.substr(blank + 2);
    if (line.size() < before.size() + after.size() || !line.starts_with(before) || !line.ends_with(after)) continue;
    const std::string in_language = lookup(std::string(phrase));
    if (in_language.empty()) continue;
    const std::string part = line.substr(before.size(), line.size() - before.size() - after.size());
    return fill(in_language, translated_line(part, lookup));
  }
  return "";
}

std::string translated_line(const std::string& line, const TextLookup& lookup) {
  if (line.empty()) return line;
  // A caption written in Latin letters ("O K") may have its own English.
  if (std::string found = lookup(line); !found.empty()) return found;
  if (plain_ascii(line)) return line;
  if (std::string found = translated_phrase(line, lookup); !found.empty()) return found;
  return translated_words(line, lookup);
}

}  // namespace

std::string translated_text(const std::string& text, const TextLookup& lookup) {
  if (text.find('\n') == std::string::npos) return translated_line(text, lookup);
  if (std::string found = lookup(text); !found.empty()) return found;
  return each_part(text, '\n', [&](const std::string& line) { return translated_line(line, lookup); });
}

}  // namespace velmora
