#include "platform/command_line.h"

#include <algorithm>

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

}  // namespace

CommandLine read_command_line(const std::vector<std::string>& arguments) {
  if (contains(arguments, {"-h", "--help"})) return {CommandLineAction::Help, {}};
  if (contains(arguments, {"--version"})) return {CommandLineAction::Version, {}};
  if (!arguments.empty()) return {CommandLineAction::Refuse, refusal_of(arguments.front())};
  return {};
}

std::vector<std::string> arguments_of(int argc, const char* const* argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

std::string help_text() {
  return "Usage: velmora [--help | --version]\n"
         "Velmora, a board game: a Japanese-Korean army of shogi and janggi pieces\n"
         "against a Western chess army on a 9x9 board, for two people or against\n"
         "the computer.\n"
         "\n"
         "  -h, --help     show this help and exit\n"
         "      --version  show the version and exit\n"
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
