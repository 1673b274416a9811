// velmora-com: reads positions from standard input, one a line, and answers
// each with the computer player's choice (mode=com), the legal moves
// (mode=moves) or every evaluation of its search (mode=scores). With
// --selfplay N --seed S it prints N positions of games the computer plays
// against itself instead; with --soak G --seed S it plays G such games and
// prints a summary. Both check the position after every move and end with
// status 1, the seed and the position when a check fails. With --match A B
// it plays two levels against each other and prints the result.
#include <cstdlib>
#include <iostream>
#include <string>

#include "com_protocol.h"
#include "match.h"
#include "selfplay.h"

namespace {

const char* const USAGE =
    "usage: velmora-com            (positions on standard input)\n"
    "       velmora-com --selfplay N [--seed S]\n"
    "       velmora-com --soak GAMES [--seed S]\n"
    "       velmora-com --match LEVEL_A LEVEL_B --games N [--seed S] [--movetime MS]\n"
    "       velmora-com --help | --version\n";

int help() {
  std::cout << USAGE
            << "\n"
               "Answers each position line (a 299-character record move line, optionally\n"
               "followed by level=1|2|3|4, movetime=MS (level 4), drops=0|1, last=X,Y,CODE,\n"
               "mode=com|moves|scores and trace=SX,SY,TX,TY) with the computer player's move,\n"
               "the legal moves or every evaluation of its search.\n"
               "--selfplay N prints N positions of games the computer plays against itself;\n"
               "--soak GAMES plays whole games and prints a summary. Both check every position\n"
               "and end with status 1 when a check fails.\n"
               "--match A B plays N games between levels A and B (1-4) from short random\n"
               "openings, each pair with the armies swapped, and prints the wins, draws and\n"
               "losses of A and an Elo difference; level 4 thinks MS milliseconds a move\n"
               "(default 1000, at most 3000). A game that reaches 300 moves is a draw.\n";
  return 0;
}

int refuse(const std::string& argument) {
  std::cerr << "velmora-com: "
            << (argument.empty() ? "one of --selfplay N, --soak GAMES or --match A B is needed"
                                 : "bad argument '" + argument + "'")
            << "\n"
            << USAGE;
  return 2;
}

bool read_count(const char* text, long& value) {
  char* end = nullptr;
  value = std::strtol(text, &end, 10);
  return end != text && *end == '\0' && value >= 0;
}

bool read_level(const char* text, int& level) {
  long value = 0;
  if (!read_count(text, value) || value < 1 || value > 4) return false;
  level = static_cast<int>(value);
  return true;
}

int answer_lines() {
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string trace;
    std::cout << velmora::answer_position_line(line, &trace) << '\n' << std::flush;
    if (!trace.empty()) std::cerr << trace << std::flush;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 1) return answer_lines();
  long positions = -1, games = -1, seed = 1, match_games = -1, movetime = 1000;
  bool match = false;
  velmora::MatchOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") return help();
    if (arg == "--version") {
      std::cout << "velmora-com " << VELMORA_VERSION << '\n';
      return 0;
    }
    if (arg == "--selfplay" && i + 1 < argc && read_count(argv[i + 1], positions)) {
      ++i;
    } else if (arg == "--soak" && i + 1 < argc && read_count(argv[i + 1], games)) {
      ++i;
    } else if (arg == "--seed" && i + 1 < argc && read_count(argv[i + 1], seed)) {
      ++i;
    } else if (arg == "--match" && i + 2 < argc && read_level(argv[i + 1], options.level_a) &&
               read_level(argv[i + 2], options.level_b)) {
      match = true;
      i += 2;
    } else if (arg == "--games" && i + 1 < argc && read_count(argv[i + 1], match_games) && match_games > 0) {
      ++i;
    } else if (arg == "--movetime" && i + 1 < argc && read_count(argv[i + 1], movetime) && movetime >= 1 &&
               movetime <= 3000) {
      ++i;
    } else {
      return refuse(arg);
    }
  }
  if (match) {
    if (positions >= 0 || games >= 0 || match_games < 0)
      return refuse(match_games < 0 ? "--match without --games" : "");
    options.games = static_cast<int>(match_games);
    options.seed = static_cast<unsigned>(seed);
    options.movetime_ms = static_cast<int>(movetime);
    return velmora::run_match(options, std::cout, std::cerr) ? 0 : 1;
  }
  if ((positions < 0) == (games < 0)) return refuse("");
  const bool passed =
      positions >= 0
          ? velmora::run_selfplay(static_cast<int>(positions), static_cast<unsigned>(seed), std::cout, std::cerr)
          : velmora::run_soak(static_cast<int>(games), static_cast<unsigned>(seed), std::cerr);
  return passed ? 0 : 1;
}
