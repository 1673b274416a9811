// velmora-com run as a program: numbers out of range are refused with a clear
// error, an input line of any length is read in bounded memory, and the Elo
// line gives both ends of its interval.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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
  };
  for (const auto& row : rows) {
    const ComRun run = run_com(row.arguments);
    EXPECT_EQ(run.status, 2) << row.error;
    EXPECT_NE(run.err.find("velmora-com: " + row.error), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << row.error;
  }
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

}  // namespace
}  // namespace velmora
