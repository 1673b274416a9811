// The game's command line: it starts the game when empty and otherwise knows
// only --help and --version.
#pragma once

#include <string>
#include <vector>

namespace velmora::platform {

enum class CommandLineAction { Play, Help, Version, Refuse };

struct CommandLine {
  CommandLineAction action = CommandLineAction::Play;
  std::string refusal;  // what was wrong, for Refuse
};

// Reads the arguments after the program name. A request for help (-h,
// --help) wins over everything else, then one for the version; any other
// argument is refused.
CommandLine read_command_line(const std::vector<std::string>& arguments);
std::vector<std::string> arguments_of(int argc, const char* const* argv);

std::string help_text();
std::string version_text();  // "velmora " and the version of the build
// The error lines for a refused command line.
std::string refusal_text(const CommandLine& line);

}  // namespace velmora::platform
