#include "platform/command_line.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

#include "base/result.h"

namespace velmora::platform {
namespace {

bool contains(const std::vector<std::string>& arguments, std::initializer_list<const char*> names) {
  return std::any_of(arguments.begin(), arguments.end(), [&](const std::string& argument) {
    return std::any_of(names.begin(), names.end(), [&](const char* name) { return argument == name; });
  });
}

std::string refusal_of(const std::string& argument) {
  if (argument.size() > 1 && argument.front() == '-') return "unknown option '" + argument + "'";
  return "unexpected argument '" + argument + "'";
}

CommandLine refused(const std::string& refusal) { return {CommandLineAction::Refuse, refusal, {}, {}}; }

std::optional<int> move_number(const std::string& text) {
  int n = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (error != std::errc{} || end != text.data() + text.size() || n < 0) return std::nullopt;
  return n;
}

// Whether the name ends in ".png" (in any case): the picture is written as PNG.
bool png_name(const std::string& name) {
  constexpr std::string_view EXTENSION = ".png";
  if (name.size() <= EXTENSION.size()) return false;
  const std::string_view end = std::string_view(name).substr(name.size() - EXTENSION.size());
  return std::equal(end.begin(), end.end(), EXTENSION.begin(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

bool is_language_option(const std::string& argument) {
  return argument == "--lang" || argument.rfind("--lang=", 0) == 0;
}

// The language of --lang LANG or --lang=LANG at arguments[i] (i then stands
// on its last part), or the refusal when it is none of ours.
Result<std::string, std::string> read_language(const std::vector<std::string>& arguments, std::size_t& i) {
  const bool separate = arguments[i] == "--lang";
  if (separate && i + 1 == arguments.size()) return Failure{std::string("option '--lang' needs a language (ja or en)")};
  std::string language = separate ? arguments[++i] : arguments[i].substr(7);
  if (language != "ja" && language != "en") return Failure{"unknown language '" + language + "' (ja or en)"};
  return language;
}

// --picture, --flipped, --move N (or --move=N) and --lang ja|en in any
// order, and two operands: the record, then the output file.
CommandLine read_picture_request(const std::vector<std::string>& arguments) {
  CommandLine line{CommandLineAction::Picture, {}, {}, {}};
  std::vector<std::string> operands;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--picture") continue;
    if (argument == "--flipped") {
      line.picture.flipped = true;
    } else if (argument == "--move" || argument.rfind("--move=", 0) == 0) {
      const bool separate = argument == "--move";
      if (separate && i + 1 == arguments.size()) return refused("option '--move' needs a move number");
      const std::string value = separate ? arguments[++i] : argument.substr(7);
      line.picture.move = move_number(value);
      if (!line.picture.move) return refused("invalid move number '" + value + "'");
    } else if (is_language_option(argument)) {
      Result<std::string, std::string> language = read_language(arguments, i);
      if (!language) return refused(language.error());
      line.language = *language;
    } else if (argument.size() > 1 && argument.front() == '-') {
      return refused(refusal_of(argument));
    } else {
      operands.push_back(argument);
    }
  }
  if (operands.size() < 2) return refused("option '--picture' needs a record file and an output file");
  if (operands.size() > 2) return refused(refusal_of(operands[2]));
  line.picture.record = operands[0];
  line.picture.output = operands[1];
  if (!png_name(line.picture.output)) return refused("the picture '" + operands[1] + "' must be a .png file");
  return line;
}

// The game started in a language of its own for this run.
CommandLine read_play_request(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (!is_language_option(arguments[i])) return refused(refusal_of(arguments[i]));
    Result<std::string, std::string> language = read_language(arguments, i);
    if (!language) return refused(language.error());
    line.language = *language;
  }
  return line;
}

}  // namespace

CommandLine read_command_line(const std::vector<std::string>& arguments) {
  if (contains(arguments, {"-h", "--help"})) return {CommandLineAction::Help, {}, {}, {}};
  if (contains(arguments, {"--version"})) return {CommandLineAction::Version, {}, {}, {}};
  if (asks_for_picture(arguments)) return read_picture_request(arguments);
  return read_play_request(arguments);
}

bool asks_for_picture(const std::vector<std::string>& arguments) { return contains(arguments, {"--picture"}); }

std::vector<std::string> arguments_of(int argc, const char* const* argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

std::string help_text() {
  return "Usage: velmora [--help | --version | --lang ja|en]\n"
         "       velmora --picture RECORD.棋譜 [--move N] [--flipped] [--lang ja|en] OUT.png\n"
         "Velmora, a board game: a Japanese-Korean army of shogi and janggi pieces\n"
         "against a Western chess army on a 9x9 board, for two people or against\n"
         "the computer.\n"
         "\n"
         "  -h, --help     show this help and exit\n"
         "      --version  show the version and exit\n"
         "      --lang     ja or en: the window's language for this run (the\n"
         "                 default is Japanese, or what 表示 > 言語 last chose)\n"
         "      --picture  write the position after move N of a game record (its\n"
         "                 last move without --move; 0 is the start) as a PNG\n"
         "                 picture, as 表示 > 局面を画像で保存 does, turned round\n"
         "                 with --flipped, its labels in the language of --lang,\n"
         "                 without opening a window; a record or\n"
         "                 move that cannot be shown ends with exit status 2\n"
         "\n"
         "The installed game keeps its settings (Velmora.ini) and, unless you choose\n"
         "another folder, its game records in $XDG_DATA_HOME/velmora\n"
         "(~/.local/share/velmora).\n";
}

std::string version_text() { return std::string("velmora ") + VELMORA_VERSION + "\n"; }

std::string refusal_text(const CommandLine& line) {
  return "velmora: " + line.refusal + "\nTry 'velmora --help' for more information.\n";
}

}  // namespace velmora::platform
