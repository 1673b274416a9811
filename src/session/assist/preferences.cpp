#include "assist/preferences.h"

#include <charconv>
#include <sstream>

#include "text/text_files.h"
#include "view/texts.h"

namespace velmora {
namespace {

constexpr const char* KEY_MOVE_LIST = "move_list";
constexpr const char* KEY_VOLUME = "effect_volume";
constexpr const char* KEY_MUTED = "effects_muted";
constexpr std::size_t MAX_LINE_BYTES = 256;

std::string preferences_path(const Game& g) { return g.working_directory + "/" + PREFERENCES_FILE_NAME; }

const char* on_off(bool on) { return on ? "on" : "off"; }

void take_on_off(const std::string& value, bool& flag) {
  if (value == "on") flag = true;
  if (value == "off") flag = false;
}

void take_percent(const std::string& value, int& percent) {
  int parsed = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), parsed);
  if (error == std::errc{} && end == value.data() + value.size() && parsed >= 0 && parsed <= FULL_EFFECT_VOLUME)
    percent = parsed;
}

void apply_line(const std::string& line, AssistState& assist) {
  const std::size_t equals = line.find('=');
  if (equals == std::string::npos) return;
  const std::string key = line.substr(0, equals);
  const std::string value = line.substr(equals + 1);
  if (key == KEY_MOVE_LIST) take_on_off(value, assist.move_list_shown);
  if (key == KEY_VOLUME) take_percent(value, assist.effect_volume);
  if (key == KEY_MUTED) take_on_off(value, assist.effects_muted);
}

void apply_lines(std::istream& in, AssistState& assist) {
  LineReader reader(in);
  std::string line;
  while (reader.next(line, MAX_LINE_BYTES)) apply_line(line, assist);
}

}  // namespace

std::string format_preferences(const AssistState& assist) {
  return std::string(KEY_MOVE_LIST) + "=" + on_off(assist.move_list_shown) + "\n" + KEY_VOLUME + "=" +
         std::to_string(assist.effect_volume) + "\n" + KEY_MUTED + "=" + on_off(assist.effects_muted) + "\n";
}

void parse_preferences(const std::string& text, AssistState& assist) {
  std::istringstream in(text);
  apply_lines(in, assist);
}

void read_preferences(Game& g) {
  InputFile file(preferences_path(g));
  if (!file.error()) apply_lines(file.stream(), g.assist);
}

void write_preferences(Game& g) {
  const std::error_code error = replace_file(preferences_path(g), format_preferences(g.assist));
  if (!error || g.assist.preferences_write_reported) return;
  g.assist.preferences_write_reported = true;
  show_message(g, "表示の設定を保存できません\n" + preferences_path(g) + "\n" + error.message(), "表示",
               Icon::Exclamation);
}

}  // namespace velmora
