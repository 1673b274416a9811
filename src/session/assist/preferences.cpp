#include "assist/preferences.h"

#include <charconv>
#include <sstream>

#include "assist/time_controls.h"
#include "com/levels.h"
#include "computer/ladder.h"
#include "computer/strong_player.h"
#include "text/shown.h"
#include "text/text_files.h"
#include "view/system_reasons.h"
#include "view/texts.h"

namespace velmora {
namespace {

constexpr const char* KEY_MOVE_LIST = "move_list";
constexpr const char* KEY_VOLUME = "effect_volume";
constexpr const char* KEY_MUTED = "effects_muted";
constexpr const char* KEY_PICTURE_FOLDER = "picture_folder";
constexpr const char* KEY_TEXT_FOLDER = "text_folder";
// Room for a folder as long as the system allows.
constexpr std::size_t MAX_LINE_BYTES = 4200;
constexpr std::size_t MAX_FOLDER_BYTES = 4096;

// The computer's level, kept apart from the other keys.
constexpr const char* KEY_LEVEL = "level";
constexpr const char* KEY_LADDER_RUNG = "ladder_rung";
constexpr const char* KEY_LANGUAGE = "language";
// The join dialog of a match over the network, written once it was used.
constexpr const char* KEY_NETWORK_ADDRESS = "network_address";
constexpr const char* KEY_NETWORK_PORT = "network_port";
constexpr const char* KEY_NETWORK_NAME = "network_name";
constexpr std::size_t MAX_NETWORK_TEXT_BYTES = 255;
// The teaching game, written only while it is on.
constexpr const char* KEY_TEACHING = "teaching";

void take_level(const std::string& value, int& level) {
  if (value.size() == 1 && value[0] >= '1' && value[0] < '1' + STRONG_LEVEL) level = value[0] - '0';
}

void take_rung(const std::string& value, int& rung) {
  if (value.size() == 1 && value[0] >= '1' && value[0] < '1' + LADDER_RUNG_COUNT) rung = value[0] - '0';
}

std::string level_line(const AssistState& assist) {
  if (assist.computer_level == 0) return "";
  const std::string rung =
      assist.ladder_rung == 0 ? "" : std::string(KEY_LADDER_RUNG) + "=" + std::to_string(assist.ladder_rung) + "\n";
  return std::string(KEY_LEVEL) + "=" + std::to_string(assist.computer_level) + "\n" + rung;
}

void take_language(const std::string& value, std::string& language) {
  if (value == "ja" || value == "en") language = value;
}

std::string language_line(const AssistState& assist) {
  return assist.language.empty() ? "" : std::string(KEY_LANGUAGE) + "=" + assist.language + "\n";
}

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

void take_port(const std::string& value, int& port) {
  int parsed = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), parsed);
  if (error == std::errc{} && end == value.data() + value.size() && parsed >= 1 && parsed <= 65535) port = parsed;
}

void take_text(const std::string& value, std::string& text) {
  if (value.size() <= MAX_NETWORK_TEXT_BYTES) text = value;
}

std::string network_lines(const AssistState& assist) {
  const auto line = [](const char* key, const std::string& value) {
    return value.empty() ? std::string() : std::string(key) + "=" + value + "\n";
  };
  return line(KEY_NETWORK_ADDRESS, assist.network_address) +
         line(KEY_NETWORK_PORT, assist.network_port > 0 ? std::to_string(assist.network_port) : "") +
         line(KEY_NETWORK_NAME, assist.network_name);
}

void apply_line(const std::string& line, AssistState& assist) {
  const std::size_t equals = line.find('=');
  if (equals == std::string::npos) return;
  const std::string key = line.substr(0, equals);
  const std::string value = line.substr(equals + 1);
  if (key == KEY_MOVE_LIST) take_on_off(value, assist.move_list_shown);
  if (key == KEY_VOLUME) take_percent(value, assist.effect_volume);
  if (key == KEY_MUTED) take_on_off(value, assist.effects_muted);
  if (key == KEY_PICTURE_FOLDER) assist.picture_folder = value;
  if (key == KEY_TEXT_FOLDER) assist.text_folder = value;
  if (key == KEY_LEVEL) take_level(value, assist.computer_level);
  if (key == KEY_LADDER_RUNG) take_rung(value, assist.ladder_rung);
  if (key == KEY_LANGUAGE) take_language(value, assist.language);
  if (key == KEY_TEACHING) take_on_off(value, assist.teaching_game);
  if (key == KEY_NETWORK_ADDRESS) take_text(value, assist.network_address);
  if (key == KEY_NETWORK_PORT) take_port(value, assist.network_port);
  if (key == KEY_NETWORK_NAME) take_text(value, assist.network_name);
  take_time_control(key, value, assist.time_controls);
}

std::string folder_line(const char* key, const std::string& folder) {
  return folder.empty() ? "" : std::string(key) + "=" + folder + "\n";
}

// A folder fits on one line of the file.
bool storable_folder(const std::string& folder) {
  return folder.size() <= MAX_FOLDER_BYTES && folder.find_first_of("\r\n") == std::string::npos;
}

void apply_lines(std::istream& in, AssistState& assist) {
  LineReader reader(in);
  std::string line;
  while (reader.next(line, MAX_LINE_BYTES)) apply_line(line, assist);
}

}  // namespace

std::string format_preferences(const AssistState& assist) {
  return std::string(KEY_MOVE_LIST) + "=" + on_off(assist.move_list_shown) + "\n" + KEY_VOLUME + "=" +
         std::to_string(assist.effect_volume) + "\n" + KEY_MUTED + "=" + on_off(assist.effects_muted) + "\n" +
         folder_line(KEY_PICTURE_FOLDER, assist.picture_folder) + folder_line(KEY_TEXT_FOLDER, assist.text_folder) +
         level_line(assist) + language_line(assist) +
         (assist.teaching_game ? std::string(KEY_TEACHING) + "=on\n" : "") + time_control_lines(assist.time_controls) +
         network_lines(assist);
}

void parse_preferences(const std::string& text, AssistState& assist) {
  std::istringstream in(text);
  apply_lines(in, assist);
}

void read_preferences(Game& g) {
  InputFile file(preferences_path(g));
  if (!file.error()) apply_lines(file.stream(), g.assist);
  if (g.assist.computer_level != 0) レベル_設定(g, g.assist.computer_level);
  use_time_controls_read(g);
  if (g.assist.computer_level == STRONG_LEVEL) g.com.ladder_rung = g.assist.ladder_rung;
}

void remember_level(Game& g) {
  const int rung = g.com.com_level == STRONG_LEVEL ? g.com.ladder_rung : 0;
  if (g.assist.computer_level == g.com.com_level && g.assist.ladder_rung == rung) return;
  g.assist.computer_level = g.com.com_level;
  g.assist.ladder_rung = rung;
  write_preferences(g);
}

void write_preferences(Game& g) {
  const Result<void, std::error_code> written = replace_file(preferences_path(g), format_preferences(g.assist));
  if (written || g.assist.preferences_write_reported) return;
  g.assist.preferences_write_reported = true;
  show_message(g, SHOWN("表示の設定を保存できません") "\n" + preferences_path(g) + "\n" + reason_text(written.error()),
               SHOWN("表示"), Icon::Exclamation);
}

const std::string& export_folder(const AssistState& assist, ExportKind kind) {
  return kind == ExportKind::Picture ? assist.picture_folder : assist.text_folder;
}

void remember_export_folder(Game& g, ExportKind kind, const std::string& folder) {
  std::string& kept = kind == ExportKind::Picture ? g.assist.picture_folder : g.assist.text_folder;
  if (folder == kept || !storable_folder(folder)) return;
  kept = folder;
  write_preferences(g);
}

}  // namespace velmora
