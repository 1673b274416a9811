#include "fakes/file_shapes.h"

#include "text/shift_jis.h"

namespace velmora::testing {
namespace {

struct FieldRun {
  int count;
  int width;
};
constexpr FieldRun MOVE_LINE_LAYOUT[] = {{81, 3}, {36, 1}, {4, 5}};
constexpr std::size_t MOVE_LINE_SIZE = 81 * 3 + 36 + 4 * 5;
constexpr int LARGEST_CODE = 27;

// The number in a right-aligned field: spaces, an optional minus, digits.
std::optional<int> right_aligned_number(std::string_view field) {
  const std::size_t first = field.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  std::string_view digits = field.substr(first);
  const bool negative = digits[0] == '-';
  if (negative) digits.remove_prefix(1);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  return (negative ? -1 : 1) * std::stoi(std::string(digits));
}

// The lines of a file whose every line ends in CR LF; nothing otherwise.
std::optional<std::vector<std::string_view>> crlf_lines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find("\r\n");
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view line = bytes.substr(0, end);
    if (line.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
    lines.push_back(line);
    bytes.remove_prefix(end + 2);
  }
  return lines;
}

struct SettingKey {
  const char* key;
  std::vector<const char*> values;
};

const std::vector<SettingKey>& setting_keys() {
  static const std::vector<SettingKey> keys = {
      {"背景画", {"緑", "竹", "畳", "宇宙", "煉瓦"}},
      {"移動指導", {"ON", "OFF"}},
      {"経過時間", {"ON", "OFF"}},
      {"チェス側持駒OK", {"ON", "OFF"}},
      {"BGM", {"ON", "OFF"}},
      {"主戦", {"日本", "韓国"}},
  };
  return keys;
}

// The index of the setting key of a line, or -1 when the line is no setting.
int setting_index(std::string_view line) {
  const std::vector<SettingKey>& keys = setting_keys();
  for (std::size_t k = 0; k < keys.size(); ++k)
    for (const char* value : keys[k].values)
      if (line == utf8_to_shift_jis(std::string(keys[k].key) + "=" + value)) return static_cast<int>(k);
  return -1;
}

std::optional<std::string> move_line_fault(std::string_view line, std::size_t number) {
  const std::string where = "line " + std::to_string(number) + " ";
  const std::optional<std::vector<int>> fields = written_move_fields(line);
  if (!fields) return where + "is not laid out as a move line";
  for (int i = 0; i < 81; ++i)
    if ((*fields)[i] < -LARGEST_CODE || (*fields)[i] > LARGEST_CODE) return where + "holds a code out of range";
  for (std::size_t i = 81 + 36; i < fields->size(); ++i)
    if ((*fields)[i] < 0) return where + "holds a negative clock";
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<int>> written_move_fields(std::string_view line) {
  if (line.size() != MOVE_LINE_SIZE) return std::nullopt;
  std::vector<int> numbers;
  std::size_t at = 0;
  for (const FieldRun& run : MOVE_LINE_LAYOUT)
    for (int i = 0; i < run.count; ++i, at += run.width) {
      const std::optional<int> n = right_aligned_number(line.substr(at, run.width));
      if (!n) return std::nullopt;
      numbers.push_back(*n);
    }
  return numbers;
}

std::optional<std::string> settings_file_fault(std::string_view bytes) {
  const std::optional<std::vector<std::string_view>> lines = crlf_lines(bytes);
  if (!lines) return "a line is not ended by CR LF";
  int last = -1;
  for (std::size_t n = 0; n < lines->size(); ++n) {
    const int index = setting_index((*lines)[n]);
    if (index < 0) return "line " + std::to_string(n + 1) + " is no setting";
    if (index <= last) return "line " + std::to_string(n + 1) + " is out of order or repeated";
    last = index;
  }
  return std::nullopt;
}

std::optional<std::string> record_file_fault(std::string_view bytes) {
  const std::optional<std::vector<std::string_view>> lines = crlf_lines(bytes);
  if (!lines) return "a line is not ended by CR LF";
  if (lines->size() < 3) return "the header lines are missing";
  for (std::size_t n = 3; n < lines->size(); ++n)
    if (auto fault = move_line_fault((*lines)[n], n + 1)) return fault;
  return std::nullopt;
}

}  // namespace velmora::testing
