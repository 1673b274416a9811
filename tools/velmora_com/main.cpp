// velmora-com: reads positions from standard input, one a line, and answers
// each with the computer player's choice (mode=com), the legal moves
// (mode=moves) or every evaluation of its search (mode=scores). With
// --selfplay N --seed S it prints N positions of games the computer plays
// against itself instead; with --soak G --seed S it plays G such games and
// prints a summary. Both check the position after every move and end with
// status 1, the seed and the position when a check fails. With --match A B
// it plays two levels against each other and prints the result. With
// --review RECORD it judges every move of a game record by level 4's search;
// with --puzzles RECORD… it prints the training positions of the records.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "com_protocol.h"
#include "computer/ladder.h"
#include "fit_chances.h"
#include "ladder_run.h"
#include "match.h"
#include "puzzles.h"
#include "review_record.h"
#include "selfplay.h"
#include "text/text_files.h"
#ifdef VELMORA_NETWORK
#include "network_play.h"
#endif

namespace {

const char* const USAGE =
    "usage: velmora-com            (positions on standard input)\n"
    "       velmora-com --selfplay N [--seed S]\n"
    "       velmora-com --soak GAMES [--seed S]\n"
    "       velmora-com --match A B --games N [--seed S] [--movetime MS | --tc CONTROL] [--sprt ELO0 ELO1]\n"
    "       velmora-com --ladder [--games N] [--top-games M] [--seed S] [--movetime MS]\n"
    "       velmora-com --fit-chances GAMES [--seed S] [--movetime MS] [--records DIR]\n"
    "       velmora-com --review RECORD.棋譜 [--movetime MS | --nodes N] [--threads T]\n"
    "       velmora-com --puzzles RECORD.棋譜… [--movetime MS | --nodes N] [--threads T] [--army main|chess]\n"
    "       velmora-com --host PORT [--level N] [--army main|chess] [--tc CONTROL] [--records DIR]\n"
    "       velmora-com --join HOST:PORT [--level N] [--records DIR]\n"
    "       velmora-com --help | --version\n";

// The names of the ladder's rungs, weakest first.
std::string rung_names() {
  std::string names;
  for (const velmora::LadderRung& rung : velmora::LADDER_RUNGS)
    names += (names.empty() ? "" : ", ") + std::string(rung.name);
  return names;
}

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
               "(default 1000, at most 3000). A game that reaches 300 moves is a draw.\n"
               "--tc CONTROL plays the match under a time control for both armies, written\n"
               "sudden:SECONDS, fischer:SECONDS+INCREMENT or byoyomi:SECONDS+BYOYOMI[xPERIODS];\n"
               "level 4 then manages its own time, and a side whose flag falls loses on time.\n"
               "A and B may also be rungs of the ladder between level 3 and level 4, by name\n"
            << "(" << rung_names()
            << "): level 4 held to a depth, with a seeded die among\n"
               "the moves within its margin of the best. --sprt ELO0 ELO1 stops the match\n"
               "after the pair of games with which the sequential test (pentanomial,\n"
               "alpha = beta = 0.05) accepts that A is ELO0 or ELO1 Elo better, and says which.\n"
               "--ladder plays every neighbouring pair of levels 1, 2, 3, the rungs and level 4\n"
               "(N games a pair, default 20; M for the top rung against level 4, default 4)\n"
               "and fits one Elo number to each, level 1 at 0, with 95 % intervals.\n"
               "--records DIR saves every game of --match or --fit-chances there as a record.\n"
               "--fit-chances GAMES plays level 4 against itself and fits the scale of the curve\n"
               "that turns its scores into winning chances to the games' results.\n"
               "--review RECORD judges every move of the record with level 4's search of\n"
               "MS milliseconds (default 100) or N nodes a position, on T threads (default:\n"
               "one a core): a line per move (number, move, score before and after from the\n"
               "mover's side, the best move, the mark ??, ?, ?! or -) and a line per army.\n"
               "--puzzles RECORD… reviews each record as --review does and prints the positions\n"
               "before its moves marked ? or ?? whose better move leads every other by 0.10 of the\n"
               "winning chances (searched four times as long): a line each, separated by tabs,\n"
               "the record, the move number, the record line of the position, the answer and its\n"
               "lead; --army takes only the mistakes of the main or the chess army.\n"
               "--host PORT waits on the TCP port (7650 is the game's) for a player on another\n"
               "machine (the window's ネット対局 or velmora-com --join) and plays the match\n"
               "with the computer of level N (1-4, default 1); --army is the army of the\n"
               "host's computer (default main), --tc both armies' time control. --join\n"
               "HOST:PORT connects to such a host, and again after the line dropped. Both\n"
               "print a line per move (\"move N here|there SECONDS\", when it was played\n"
               "here or heard from there), end with status 0 once the match has ended\n"
               "(a king taken, 投了, a flag; at 400 moves the host's computer resigns) and\n"
               "with --records DIR write its record as network-host.棋譜 or network-join.棋譜,\n"
               "the same bytes on both machines.\n";
  return 0;
}

int refuse(const std::string& reason) {
  std::cerr << "velmora-com: " << reason << "\n" << USAGE;
  return 2;
}

// A whole number an option takes, and the numbers it allows.
struct NumberOption {
  const char* name;
  long long least, most;
};
constexpr NumberOption SELFPLAY{"--selfplay", 0, 10'000'000};
constexpr NumberOption SOAK{"--soak", 0, 10'000'000};
constexpr NumberOption SEED{"--seed", 0, 4'294'967'295};
constexpr NumberOption GAMES{"--games", 1, 1'000'000};
constexpr NumberOption MOVETIME{"--movetime", 1, 3000};
constexpr NumberOption LEVEL{"--match", 1, 4};
constexpr NumberOption NODES{"--nodes", 1, 1'000'000'000};
constexpr NumberOption THREADS{"--threads", 1, 256};
constexpr NumberOption TOP_GAMES{"--top-games", 0, 1'000'000};
constexpr NumberOption NETWORK_LEVEL{"--level", 1, 4};
constexpr NumberOption PORT{"--host", 0, 65535};
constexpr long long REVIEW_MOVETIME_MS = 100;
constexpr double MOST_SPRT_ELO = 1000;

// The number of `text` when it is a whole decimal number within the option's
// range; otherwise the reason, for the error line.
std::optional<long long> read_number(const char* text, const NumberOption& option, std::string& reason) {
  const std::string_view digits = text == nullptr ? "" : text;
  long long value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (!digits.empty() && error == std::errc{} && end == digits.data() + digits.size() && value >= option.least &&
      value <= option.most)
    return value;
  reason = std::string(option.name) + " takes a whole number from " + std::to_string(option.least) + " to " +
           std::to_string(option.most) +
           (text == nullptr ? ", and none was given" : ", not '" + std::string(digits) + "'");
  return std::nullopt;
}

// A player of --match: a level 1-4, or a rung of the ladder by its name.
bool read_player(const char* text, velmora::MatchOptions& options, bool first, std::string& reason) {
  int& level = first ? options.level_a : options.level_b;
  int& rung = first ? options.rung_a : options.rung_b;
  const std::string_view name = text == nullptr ? "" : text;
  if (const std::optional<int> number = velmora::ladder_rung_named(name)) {
    level = velmora::STRONG_LEVEL;
    rung = *number;
    return true;
  }
  const std::optional<long long> number = read_number(text, LEVEL, reason);
  if (!number) {
    reason = "--match takes two players, each a level from 1 to 4 or a rung (" + rung_names() + "), not '" +
             std::string(name) + "'";
    return false;
  }
  level = static_cast<int>(*number);
  rung = 0;
  return true;
}

// The two Elo numbers of --sprt, the first below the second.
bool read_sprt(int argc, char** argv, int& i, velmora::MatchOptions& options, std::string& reason) {
  double elo[2] = {0, 0};
  for (double& e : elo) {
    const std::string_view text = ++i < argc ? argv[i] : "";
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), e);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || std::abs(e) > MOST_SPRT_ELO) {
      reason = "--sprt takes two Elo numbers from -1000 to 1000, not '" + std::string(text) + "'";
      return false;
    }
  }
  if (elo[0] >= elo[1]) {
    reason = "--sprt takes ELO0 below ELO1";
    return false;
  }
  options.sprt = velmora::SequentialTest{elo[0], elo[1]};
  return true;
}

// Position lines longer than this are refused unread: the 299 characters of
// the move line and the few options after it never come near.
constexpr std::size_t MAX_POSITION_LINE_BYTES = 1024;

int answer_lines() {
  std::ios::sync_with_stdio(false);
  velmora::LineReader reader(std::cin);
  std::string line;
  while (reader.next(line, MAX_POSITION_LINE_BYTES + 1)) {
    std::string trace;
    if (line.size() > MAX_POSITION_LINE_BYTES)
      std::cout << "error: the move line is longer than 299 characters\n";
    else
      std::cout << velmora::answer_position_line(line, &trace) << '\n';
    std::cout << std::flush;
    if (!trace.empty()) std::cerr << trace << std::flush;
  }
  return 0;
}

// --host PORT / --join HOST:PORT: the match over the network.
int play_over_network(bool host, const std::string& where, long long level,
                      const std::optional<velmora::TrainingArmy>& army, const velmora::MatchOptions& match,
                      std::string& reason) {
#ifdef VELMORA_NETWORK
  velmora::NetworkPlayOptions options;
  options.host = host;
  std::string port = where;
  if (!host) {
    const std::size_t colon = where.rfind(':');
    if (colon == std::string::npos || colon == 0) return refuse("--join takes HOST:PORT, not '" + where + "'");
    options.address = where.substr(0, colon);
    port = where.substr(colon + 1);
    if (army || match.control.kind != velmora::TimeKind::None)
      return refuse("--army and --tc go with --host: the host chooses the match");
  }
  const std::optional<long long> number = read_number(port.c_str(), PORT, reason);
  if (!number || (!host && *number == 0))
    return refuse(host ? reason : "--join takes a port from 1 to 65535, not '" + port + "'");
  options.port = static_cast<int>(*number);
  options.level = level > 0 ? static_cast<int>(level) : 1;
  options.host_plays_main = army.value_or(velmora::TrainingArmy::Main) != velmora::TrainingArmy::Chess;
  options.control = match.control;
  options.records_folder = match.records_folder;
  return velmora::play_network_match(options, std::cout, std::cerr) ? 0 : 1;
#else
  (void)host, (void)where, (void)level, (void)army, (void)match, (void)reason;
  return refuse("this velmora-com was built without Qt's network module");
#endif
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 1) return answer_lines();
  long long positions = -1, games = -1, seed = 1, match_games = -1, movetime = -1, nodes = 0;
  long long threads = std::max(1u, std::thread::hardware_concurrency());
  bool match = false, ladder = false;
  long long top_games = -1;
  std::optional<std::string> review;
  std::vector<std::string> puzzles;
  std::optional<velmora::TrainingArmy> army;
  bool fit = false;
  // --host PORT or --join HOST:PORT, and --level.
  struct NetworkMode {
    bool host;
    std::string where;
  };
  std::optional<NetworkMode> network;
  long long network_level = -1;
  velmora::MatchOptions options;
  std::string reason;
  // The value after option i (nullptr when none), read within the option's range.
  auto take = [&](int& i, const NumberOption& option, long long& value) {
    const std::optional<long long> number = read_number(i + 1 < argc ? argv[i + 1] : nullptr, option, reason);
    if (number) value = *number;
    ++i;
    return number.has_value();
  };
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") return help();
    if (arg == "--version") {
      std::cout << "velmora-com " << VELMORA_VERSION << '\n';
      return 0;
    }
    bool taken = true;
    if (arg == "--selfplay") {
      taken = take(i, SELFPLAY, positions);
    } else if (arg == "--soak") {
      taken = take(i, SOAK, games);
    } else if (arg == "--seed") {
      taken = take(i, SEED, seed);
    } else if (arg == "--games") {
      taken = take(i, GAMES, match_games);
    } else if (arg == "--movetime") {
      taken = take(i, MOVETIME, movetime);
    } else if (arg == "--nodes") {
      taken = take(i, NODES, nodes);
    } else if (arg == "--threads") {
      taken = take(i, THREADS, threads);
    } else if (arg == "--review") {
      if (i + 1 >= argc) return refuse("--review takes the path of a record");
      review = argv[++i];
    } else if (arg == "--puzzles") {
      while (i + 1 < argc && std::string_view(argv[i + 1]).substr(0, 2) != "--") puzzles.push_back(argv[++i]);
      if (puzzles.empty()) return refuse("--puzzles takes the paths of records");
    } else if (arg == "--army") {
      const std::string_view name = i + 1 < argc ? argv[++i] : "";
      if (name != "main" && name != "chess") return refuse("--army takes main or chess");
      army = name == "main" ? velmora::TrainingArmy::Main : velmora::TrainingArmy::Chess;
    } else if (arg == "--tc") {
      if (i + 1 >= argc) return refuse("--tc takes a time control");
      const auto control = velmora::parse_time_control(argv[++i]);
      if (!control) return refuse("--tc: " + control.error().what);
      options.control = *control;
    } else if (arg == "--records") {
      if (i + 1 >= argc) return refuse("--records takes a folder");
      options.records_folder = argv[++i];
    } else if (arg == "--fit-chances") {
      taken = take(i, GAMES, match_games);
      options.level_a = options.level_b = 4;
      fit = true;
    } else if (arg == "--match") {
      taken = read_player(i + 1 < argc ? argv[i + 1] : nullptr, options, true, reason) &&
              read_player(i + 2 < argc ? argv[i + 2] : nullptr, options, false, reason);
      i += 2;
      match = true;
    } else if (arg == "--sprt") {
      taken = read_sprt(argc, argv, i, options, reason);
    } else if (arg == "--host" || arg == "--join") {
      if (network) return refuse("--host and --join go alone");
      network = NetworkMode{arg == "--host", i + 1 < argc ? argv[++i] : ""};
    } else if (arg == "--level") {
      taken = take(i, NETWORK_LEVEL, network_level);
    } else if (arg == "--ladder") {
      ladder = true;
    } else if (arg == "--top-games") {
      taken = take(i, TOP_GAMES, top_games);
    } else {
      return refuse("bad argument '" + arg + "'");
    }
    if (!taken) return refuse(reason);
  }
  // How long a review searches each position.
  const auto review_limits = [&] {
    return velmora::ReviewLimits{(movetime > 0 ? movetime : REVIEW_MOVETIME_MS) / 1000.0, nodes};
  };
  if (network) return play_over_network(network->host, network->where, network_level, army, options, reason);
  if (network_level >= 0) return refuse("--level goes with --host or --join");
  if (army && puzzles.empty()) return refuse("--army goes with --puzzles");
  if (!puzzles.empty()) {
    if (review || match || positions >= 0 || games >= 0)
      return refuse("--puzzles goes without --review, --match, --selfplay and --soak");
    if (nodes > 0 && movetime > 0) return refuse("--puzzles takes --movetime or --nodes, not both");
    velmora::PuzzleOptions options;
    options.record_paths = puzzles;
    options.limits = review_limits();
    options.threads = static_cast<int>(threads);
    options.army = army.value_or(velmora::TrainingArmy::Both);
    return velmora::print_puzzles(options, std::cout, std::cerr) ? 0 : 2;
  }
  if (review) {
    if (match || positions >= 0 || games >= 0) return refuse("--review goes without --match, --selfplay and --soak");
    if (nodes > 0 && movetime > 0) return refuse("--review takes --movetime or --nodes, not both");
    velmora::ReviewOptions options;
    options.record_path = *review;
    options.limits = review_limits();
    options.threads = static_cast<int>(threads);
    return velmora::review_record(options, std::cout, std::cerr) ? 0 : 2;
  }
  if (nodes > 0) return refuse("--nodes goes with --review or --puzzles");
  if (options.control.kind != velmora::TimeKind::None && (!match || movetime != -1))
    return refuse("--tc goes with --match, without --movetime");
  if (movetime < 0) movetime = 1000;
  if (options.sprt && !match) return refuse("--sprt goes with --match");
  if (top_games >= 0 && !ladder) return refuse("--top-games goes with --ladder");
  if (ladder) {
    if (match || fit || positions >= 0 || games >= 0) return refuse("--ladder goes alone with its options");
    velmora::LadderOptions ladder_options;
    if (match_games > 0) ladder_options.games = static_cast<int>(match_games);
    if (top_games >= 0) ladder_options.top_games = static_cast<int>(top_games);
    ladder_options.seed = static_cast<unsigned>(seed);
    ladder_options.movetime_ms = static_cast<int>(movetime);
    return velmora::run_ladder(ladder_options, std::cout, std::cerr) ? 0 : 1;
  }
  if (match || fit) {
    if (positions >= 0 || games >= 0) return refuse("--match goes without --selfplay and --soak");
    if (match && fit) return refuse("--fit-chances goes without --match");
    if (match_games < 0) return refuse("--match without --games");
    options.games = static_cast<int>(match_games);
    options.seed = static_cast<unsigned>(seed);
    options.movetime_ms = static_cast<int>(movetime);
    if (fit) return velmora::run_chances_fit(options, std::cout, std::cerr) ? 0 : 1;
    return velmora::run_match(options, std::cout, std::cerr) ? 0 : 1;
  }
  if ((positions < 0) == (games < 0)) return refuse("one of --selfplay N, --soak GAMES or --match A B is needed");
  const bool passed =
      positions >= 0
          ? velmora::run_selfplay(static_cast<int>(positions), static_cast<unsigned>(seed), std::cout, std::cerr)
          : velmora::run_soak(static_cast<int>(games), static_cast<unsigned>(seed), std::cerr);
  return passed ? 0 : 1;
}
