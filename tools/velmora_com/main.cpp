// velmora-com: reads positions from standard input, one a line, and answers
// each with the computer player's choice (mode=com), the legal moves
// (mode=moves) or every evaluation of its search (mode=scores). With
// --selfplay N --seed S it prints N positions of games the computer plays
// against itself instead; with --soak G --seed S it plays G such games and
// prints a summary. Both check the position after every move and end with
// status 1, the seed and the position when a check fails.
#include <cstdlib>
#include <iostream>
#include <string>

#include "search/analysis.h"
#include "selfplay.h"

namespace {

const char* const USAGE =
    "usage: velmora-com            (positions on standard input)\n"
    "       velmora-com --selfplay N [--seed S]\n"
    "       velmora-com --soak GAMES [--seed S]\n"
    "       velmora-com --help | --version\n";

int help() {
  std::cout << USAGE
            << "\n"
               "Answers each position line (a 299-character record move line, optionally\n"
               "followed by level=1|2|3, drops=0|1, last=X,Y,CODE, mode=com|moves|scores and\n"
               "trace=SX,SY,TX,TY) with the computer player's move, the legal moves or every\n"
               "evaluation of its search.\n"
               "--selfplay N prints N positions of games the computer plays against itself;\n"
               "--soak GAMES plays whole games and prints a summary. Both check every position\n"
               "and end with status 1 when a check fails.\n";
  return 0;
}

int refuse(const std::string& argument) {
  std::cerr << "velmora-com: "
            << (argument.empty() ? "one of --selfplay N or --soak GAMES is needed" : "bad argument '" + argument + "'")
            << "\n"
            << USAGE;
  return 2;
}

bool read_count(const char* text, long& value) {
  char* end = nullptr;
  value = std::strtol(text, &end, 10);
  return end != text && *end == '\0' && value >= 0;
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
  long positions = -1, games = -1, seed = 1;
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
    } else {
      return refuse(arg);
    }
  }
  if ((positions < 0) == (games < 0)) return refuse("");
  const bool passed =
      positions >= 0
          ? velmora::run_selfplay(static_cast<int>(positions), static_cast<unsigned>(seed), std::cout, std::cerr)
          : velmora::run_soak(static_cast<int>(games), static_cast<unsigned>(seed), std::cerr);
  return passed ? 0 : 1;
}
