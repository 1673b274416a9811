// velmora-com run as a program: numbers out of range are refused with a clear
// error, an input line of any length is read in bounded memory, and the Elo
// line gives both ends of its interval.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
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
  long peak_kilobytes = 0;  // the most memory the program held
};

std::string read_all(int fd) {
  std::string text;
  char block[4096];
  ssize_t n = 0;
  while ((n = read(fd, block, sizeof block)) > 0) text.append(block, static_cast<std::size_t>(n));
  close(fd);
  return text;
}

void write_all(int fd, const std::string& bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

// A part of the input, written `times` times over: a huge line is never held
// in this process, whose memory the program's would count until it starts.
struct Part {
  std::string text;
  int times = 1;
};

// Runs velmora-com with `arguments` and `input` on its standard input.
ComRun run_com(const std::vector<std::string>& arguments, const std::vector<Part>& input = {}) {
  int in[2], out[2], err[2];
  if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    dup2(in[0], 0), dup2(out[1], 1), dup2(err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
    std::vector<char*> argv{const_cast<char*>(VELMORA_COM)};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(VELMORA_COM, argv.data());
    _exit(127);
  }
  close(in[0]), close(out[1]), close(err[1]);
  const auto old_pipe_handler = std::signal(SIGPIPE, SIG_IGN);
  for (const Part& part : input)
    for (int i = 0; i < part.times; ++i) write_all(in[1], part.text);
  close(in[1]);
  std::signal(SIGPIPE, old_pipe_handler);
  ComRun run;
  run.out = read_all(out[0]);
  run.err = read_all(err[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.peak_kilobytes = usage.ru_maxrss;
  return run;
}

TEST(VelmoraCom, RefusesNumbersOutOfRangeWithAClearError) {
  const struct {
    std::vector<std::string> arguments;
    std::string error;
  } rows[] = {
      {{"--match", "1", "1", "--games", "4294967297"},
       "--games takes a whole number from 1 to 1000000, not '4294967297'"},
      {{"--soak", "2147483648"}, "--soak takes a whole number from 0 to 10000000, not '2147483648'"},
      {{"--soak", "1", "--seed", "4294967296"}, "--seed takes a whole number from 0 to 4294967295, not '4294967296'"},
      {{"--match", "4", "3", "--games", "2", "--movetime", "3001"}, "--movetime takes a whole number from 1 to 3000"},
      {{"--soak"}, "--soak takes a whole number from 0 to 10000000, and none was given"},
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
  const std::string moves = run_com({}, {{position + " mode=moves\n"}}).out;
  ASSERT_NE(moves.rfind("error", 0), 0u) << moves;

  const ComRun short_run = run_com({}, {{position + "x\n"}, {position + " mode=moves\n"}});
  EXPECT_EQ(short_run.out, refusal + moves);
  const ComRun long_run =
      run_com({}, {{position}, {std::string(1 << 20, 'x'), 64}, {"\n" + position + " mode=moves\n"}});
  EXPECT_EQ(long_run.out, refusal + moves);
  EXPECT_LT(long_run.peak_kilobytes - short_run.peak_kilobytes, 16 * 1024);
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
