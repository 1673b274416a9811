// The game's command line: it starts the game when empty or given only
// --lang, and otherwise knows --help, --version and --picture.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmora::platform {

enum class CommandLineAction { Play, Help, Version, Picture, Refuse };

// What "--picture RECORD [--move N] [--flipped] OUT" asks for: a picture of
// the position after move N of a game record (its last move when N is not
// given), turned round when flipped, written to OUT as PNG.
struct PictureRequest {
  std::string record;
  std::string output;
  std::optional<int> move;
  bool flipped = false;
};

struct CommandLine {
  CommandLineAction action = CommandLineAction::Play;
  std::string refusal;  // what was wrong, for Refuse
  PictureRequest picture;
  std::string language;  // "ja" or "en" for this run with --lang; empty without
};

// Reads the arguments after the program name. A request for help (-h,
// --help) wins over everything else, then one for the version; then
// --picture with its record, its options and its output file; then --lang
// with "ja" or "en" (or --lang=en); any other argument is refused.
CommandLine read_command_line(const std::vector<std::string>& arguments);
std::vector<std::string> arguments_of(int argc, const char* const* argv);
// Whether the arguments ask for a picture (rightly or not).
bool asks_for_picture(const std::vector<std::string>& arguments);

std::string help_text();
std::string version_text();  // "velmora " and the version of the build
// The error lines for a refused command line.
std::string refusal_text(const CommandLine& line);

}  // namespace velmora::platform
