// velmora-com run as a program: numbers out of range are refused with a clear
// error, an input line of any length is read in bounded memory, and the Elo
// line gives both ends of its interval.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "elo_fit.h"
#include "fit_chances.h"
#include "match.h"
#include "notation/move_line.h"
#include "rules/setup.h"

namespace velmora {
namespace {

struct ComRun {
  int status = -1;
  std::string out, err;
};

std::string file_text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A part of the input, written `times` times over: a huge line is never held
// whole in this process either.
struct Part {
  std::string text;
  int times = 1;
};

// Runs velmora-com with `arguments` and `input` on its standard input.
ComRun run_com(const std::string& arguments, const std::vector<Part>& input = {}) {
  const std::string name = ::testing::TempDir() + "velmora_com_" + std::to_string(getpid());
  const std::string out = name + ".out", err = name + ".err";
  FILE* in = popen((std::string(VELMORA_COM) + " " + arguments + " >" + out + " 2>" + err).c_str(), "w");
  for (const Part& part : input)
    for (int i = 0; i < part.times; ++i) std::fwrite(part.text.data(), 1, part.text.size(), in);
  const int status = pclose(in);
  ComRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, file_text(out), file_text(err)};
  std::remove(out.c_str());
  std::remove(err.c_str());
  return run;
}

// The most memory any program run so far held, in kilobytes.
long peak_kilobytes_of_programs() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return usage.ru_maxrss;
}

TEST(VelmoraCom, RefusesNumbersOutOfRangeWithAClearError) {
  const struct {
    std::string arguments;
    std::string error;
  } rows[] = {
      {"--match 1 1 --games 4294967297", "--games takes a whole number from 1 to 1000000, not '4294967297'"},
      {"--soak 2147483648", "--soak takes a whole number from 0 to 10000000, not '2147483648'"},
      {"--soak 1 --seed 4294967296", "--seed takes a whole number from 0 to 4294967295, not '4294967296'"},
      {"--match 4 3 --games 2 --movetime 3001", "--movetime takes a whole number from 1 to 3000"},
      {"--soak", "--soak takes a whole number from 0 to 10000000, and none was given"},
      {"--match 4 3 --games 2 --tc fischer:60", "--tc: SECONDS+SECONDS expected"},
      {"--match 4 3 --games 2 --tc sudden:60 --movetime 100", "--tc goes with --match, without --movetime"},
      {"--soak 1 --tc sudden:60", "--tc goes with --match, without --movetime"},
  };
  for (const auto& row : rows) {
    const ComRun run = run_com(row.arguments);
    EXPECT_EQ(run.status, 2) << row.error;
    EXPECT_NE(run.err.find("velmora-com: " + row.error), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << row.error;
  }
}

// Under a time control each game says how it ended and the summary ends with
// the games lost on time (levels 1 and 2 never come near a flag of seconds).
TEST(VelmoraCom, AMatchUnderATimeControlCountsTheGamesLostOnTime) {
  const ComRun run = run_com("--match 2 1 --games 2 --seed 3 --tc byoyomi:5+2x3");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("level 2 against level 1, 2 games (byoyomi:5+2x3): "), std::string::npos) << run.out;
  EXPECT_TRUE(run.out.ends_with("; lost on time: A 0, B 0\n")) << run.out;
}

// A line of many megabytes is answered like one a character too long, and
// the program holds no more of it than of a short one.
TEST(VelmoraCom, AnOverLongLineIsRefusedAtAnyLengthInBoundedMemory) {
  HistorySlot start;
  start.board = starting_board(true);
  SaveNotes notes;
  const std::string position = format_move_line(start, notes);
  const std::string refusal = "error: the move line is longer than 299 characters\n";
  const std::string moves = run_com("", {{position + " mode=moves\n"}}).out;
  ASSERT_NE(moves.rfind("error", 0), 0u) << moves;

  EXPECT_EQ(run_com("", {{position + "x\n"}, {position + " mode=moves\n"}}).out, refusal + moves);
  const long short_peak = peak_kilobytes_of_programs();
  EXPECT_EQ(run_com("", {{position}, {std::string(1 << 20, 'x'), 64}, {"\n" + position + " mode=moves\n"}}).out,
            refusal + moves);
  EXPECT_LT(peak_kilobytes_of_programs() - short_peak, 16 * 1024);
}

TEST(Review, GivesALinePerMoveTheSameOnEveryRunWithNodesAndNamesTheLineOfABadFile) {
  const std::string record = std::string(VELMORA_TEST_DATA) + "/review/level4_against_level3.棋譜";
  const ComRun first = run_com("--review '" + record + "' --nodes 2000 --threads 1");
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(run_com("--review '" + record + "' --nodes 2000 --threads 1").out, first.out);
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; (end = first.out.find('\n', at)) != std::string::npos; at = end + 1)
    lines.push_back(first.out.substr(at, end - at));
  ASSERT_EQ(lines.size(), 48u + 2u);
  EXPECT_EQ(lines[0].rfind("  1 ", 0), 0u) << lines[0];
  EXPECT_NE(lines[0].find(")"), std::string::npos) << "the square the move left: " << lines[0];
  EXPECT_EQ(run_com("--review '" + record + "' --nodes 2000 --threads 2").out, first.out) << "two threads";
  for (std::size_t i = 0; i < 48; ++i) {
    const std::string mark = lines[i].substr(lines[i].rfind(' ') + 1);
    EXPECT_TRUE(mark == "-" || mark == "?!" || mark == "?" || mark == "??") << lines[i];
  }
  EXPECT_EQ(lines[48].rfind("main army: 24 moves", 0), 0u) << lines[48];
  EXPECT_EQ(lines[49].rfind("chess army: 24 moves", 0), 0u) << lines[49];

  // The fifth move line (file line 8) is cut short.
  std::string bytes = file_text(record);
  std::size_t line_start = 0;
  for (int line = 1; line < 8; ++line) line_start = bytes.find('\n', line_start) + 1;
  bytes.erase(line_start + 100, 150);
  const std::string damaged = ::testing::TempDir() + "damaged_" + std::to_string(getpid()) + ".棋譜";
  std::ofstream(damaged, std::ios::binary) << bytes;
  const ComRun bad = run_com("--review '" + damaged + "'");
  std::remove(damaged.c_str());
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find(":8:"), std::string::npos) << bad.err;
  EXPECT_TRUE(bad.out.empty());
}

// The runs of one army each take two threads: a search held to nodes finds
// the same on any number of threads, so together they print again, line for
// line, what the run of both armies printed.
TEST(Puzzles, PrintsEachClearPositionOnceTheSameOnEveryRunAndTakesOneArmy) {
  const std::string record = std::string(VELMORA_TEST_DATA) + "/review/level4_against_level3.棋譜";
  const std::string args = "--puzzles '" + record + "' --nodes 20000 --threads ";
  const ComRun both = run_com(args + "1");
  ASSERT_EQ(both.status, 0) << both.err;
  const ComRun chess = run_com(args + "2 --army chess"), main = run_com(args + "2 --army main");
  auto lines = [](const std::string& text) { return std::count(text.begin(), text.end(), '\n'); };
  EXPECT_EQ(lines(chess.out) + lines(main.out), lines(both.out)) << "each position is of one army";
  for (const std::string& one_army : {chess.out, main.out}) {
    for (std::size_t at = 0, end; (end = one_army.find('\n', at)) != std::string::npos; at = end + 1)
      EXPECT_NE(both.out.find(one_army.substr(at, end - at + 1)), std::string::npos) << "the same on every run";
  }
  ASSERT_FALSE(both.out.empty());
  for (std::size_t at = 0, end; (end = both.out.find('\n', at)) != std::string::npos; at = end + 1) {
    std::vector<std::string> fields;
    const std::string line = both.out.substr(at, end - at);
    for (std::size_t f = 0, tab;; f = tab + 1) {
      tab = line.find('\t', f);
      fields.push_back(line.substr(f, tab == std::string::npos ? tab : tab - f));
      if (tab == std::string::npos) break;
    }
    ASSERT_EQ(fields.size(), 5u) << line;
    EXPECT_EQ(fields[0], record);
    EXPECT_EQ(fields[2].size(), 299u) << "the record line of the position";
    EXPECT_GE(std::stod(fields[4]), 0.10) << line;
  }
  EXPECT_EQ(run_com("--puzzles").status, 2);
  EXPECT_EQ(run_com(args + "2 --army both").status, 2);
  EXPECT_EQ(run_com("--army main").status, 2);
}

TEST(ChancesFit, FindsTheScaleTheResultsWereDrawnWith) {
  // Results drawn with chances of exactly 1 / (1 + e^(-score / 300)): a
  // tenth of the games at each score, won in proportion.
  std::vector<ScoreOutcome> samples;
  for (int score = -1500; score <= 1500; score += 50) {
    const double chances = 1 / (1 + std::exp(-score / 300.0));
    const int wins = static_cast<int>(std::lround(chances * 100));
    for (int game = 0; game < 100; ++game) samples.push_back({score, game < wins ? 1.0 : 0.0});
  }
  EXPECT_NEAR(fit_chances_scale(samples), 300, 10);
  EXPECT_LT(log_loss(samples, 300), log_loss(samples, 600));
}

TEST(EloLine, GivesBothEndsOfTheIntervalAndNoNegativeZero) {
  const struct {
    int wins, draws, losses;
    const char* line;
  } rows[] = {
      {5, 1, 0, "+417 (95 %: +208 to +inf)"},
      {10, 0, 10, "0 (95 %: -163 to +163)"},
      {1, 0, 1, "0 (95 %: -inf to +inf)"},
      {0, 0, 3, "-inf (95 %: -inf to -inf)"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(format_elo(estimate_elo(row.wins, row.draws, row.losses)), row.line)
        << row.wins << " " << row.draws << " " << row.losses;
}

// Along a chain of pairs the likeliest Elo numbers are the pairs' own
// differences (with the drawn game each pair counts), added up from the
// first player; the intervals grow along the chain and shrink with games.
TEST(LadderFit, AlongAChainTheNumbersAddUpThePairsAndTheirIntervalsGrow) {
  const auto difference = [](double points, double games) { return 400 * std::log10(points / (games - points)); };
  const std::vector<PairResult> pairs{{1, 0, 25, 10, 5}, {2, 1, 10, 0, 30}, {3, 2, 40, 20, 40}};
  const std::vector<FittedElo> fitted = fit_ladder(4, pairs);
  ASSERT_EQ(fitted.size(), 4u);
  EXPECT_EQ(fitted[0].elo, 0);
  EXPECT_NEAR(fitted[1].elo, difference(30.5, 41), 0.01);
  EXPECT_NEAR(fitted[2].elo - fitted[1].elo, difference(10.5, 41), 0.01);
  EXPECT_NEAR(fitted[3].elo - fitted[2].elo, 0, 0.01);
  EXPECT_LT(fitted[1].margin, fitted[2].margin);
  EXPECT_LT(fitted[2].margin, fitted[3].margin);
  // The first pair's interval: 1.96 over the root of the information.
  const double p = 30.5 / 41, slope = std::log(10.0) / 400;
  EXPECT_NEAR(fitted[1].margin, 1.959964 / std::sqrt(slope * slope * 41 * p * (1 - p)), 0.01);
  // A pair won every time still has a finite number; a loop of pairs is fitted together.
  const std::vector<FittedElo> swept = fit_ladder(3, {{1, 0, 10, 0, 0}, {2, 1, 5, 0, 5}, {2, 0, 8, 0, 2}});
  EXPECT_TRUE(std::isfinite(swept[1].elo) && swept[1].elo > 200);
  EXPECT_GT(swept[2].elo, swept[1].elo - 150);
}

// The sequential test's ratio: the exact likelihood ratio is close to the
// normal approximation where that holds, and its sign follows the score.
TEST(SequentialTest, TheRatioFollowsTheScoreAndMatchesTheNormalApproximation) {
  SequentialTest test{0, 20, {10, 40, 90, 45, 15}};
  double n = 0, mean = 0, square = 0;
  for (int i = 0; i < 5; ++i)
    n += test.pairs[i], mean += test.pairs[i] * i / 4.0, square += test.pairs[i] * i * i / 16.0;
  mean /= n;
  const double variance = square / n - mean * mean;
  const auto s = [](double elo) { return 1 / (1 + std::pow(10, -elo / 400)); };
  const double normal = n * (s(20) - s(0)) * (2 * mean - s(0) - s(20)) / (2 * variance);
  EXPECT_NEAR(test.llr(), normal, 0.05 * std::abs(normal) + 0.05);
  EXPECT_NEAR(SequentialTest::upper_bound(), std::log(19.0), 1e-12);
  EXPECT_NEAR(SequentialTest::lower_bound(), -std::log(19.0), 1e-12);
  const struct {
    std::array<int, 5> pairs;
    bool above, below;
  } rows[] = {
      {{0, 2, 10, 30, 20}, true, false},  // A clearly better: H1
      {{5, 20, 50, 20, 5}, false, true},  // even: H0
      {{0, 0, 0, 0, 1}, false, false},    // one pair won: too soon to tell
  };
  for (const auto& row : rows) {
    const SequentialTest t{0, 50, row.pairs};
    EXPECT_EQ(t.llr() >= SequentialTest::upper_bound(), row.above) << t.llr();
    EXPECT_EQ(t.llr() <= SequentialTest::lower_bound(), row.below) << t.llr();
  }
}

TEST(VelmoraCom, TheMatchTakesRungsAndStopsWhenTheSequentialTestDecides) {
  const ComRun rungs = run_com("--match rung2 3 --games 2 --seed 3");
  EXPECT_EQ(rungs.status, 0) << rungs.err;
  EXPECT_NE(rungs.out.find("level rung2 against level 3, 2 games"), std::string::npos) << rungs.out;
  const ComRun even = run_com("--match 3 3 --games 400 --seed 2 --sprt 150 300");
  EXPECT_EQ(even.status, 0) << even.err;
  EXPECT_NE(even.out.find("sprt: H0 accepted"), std::string::npos) << even.out;
  EXPECT_EQ(even.out.find("400 games"), std::string::npos) << "stopped before the end";
  for (const char* refused : {"--match 4x 3 --games 2", "--match 3 3 --games 2 --sprt 5 0", "--sprt 0 5 --soak 1",
                              "--ladder --match 3 3 --games 2", "--top-games 2 --soak 1"}) {
    const ComRun run = run_com(refused);
    EXPECT_EQ(run.status, 2) << refused;
    EXPECT_EQ(run.out, "") << refused;
  }
}

// A port no program listens on now (the system's choice for port 0).
int free_port() {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  close(s);
  return ntohs(address.sin_port);
}

TEST(VelmoraCom, AHostAndAJoinerPlayOneMatchAndWriteTheSameRecord) {
  const std::string folder = ::testing::TempDir() + "velmora_network_" + std::to_string(getpid());
  const std::string port = std::to_string(free_port());
  const std::string com = VELMORA_COM;
  // The joiner tries again until the host listens.
  const std::string script = "mkdir -p " + folder + " && cd " + folder + " && (" + com + " --host " + port +
                             " --army chess --records . >host.out 2>&1; echo $? >host.status) & " + com +
                             " --join 127.0.0.1:" + port + " --records " + folder + " >join.out 2>&1; echo $? >" +
                             folder + "/join.status; wait";
  ASSERT_EQ(std::system(("timeout 120 sh -c '" + script + "'").c_str()), 0);
  EXPECT_EQ(file_text(folder + "/host.status"), "0\n") << file_text(folder + "/host.out");
  EXPECT_EQ(file_text(folder + "/join.status"), "0\n") << file_text(folder + "/join.out");
  const std::string host = file_text(folder + "/network-host.棋譜");
  EXPECT_FALSE(host.empty());
  EXPECT_EQ(host, file_text(folder + "/network-join.棋譜"));
  for (const char* refused :
       {"--join 127.0.0.1", "--join 127.0.0.1:0", "--host 70000", "--join h:1 --army main", "--level 2 --soak 1"})
    EXPECT_EQ(run_com(refused).status, 2) << refused;
}

}  // namespace
}  // namespace velmora
