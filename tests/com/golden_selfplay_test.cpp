// The computer's choices on self-play positions, recorded once with the
// straightforward search: every speed-up must leave every move and every
// score as it was.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "com_protocol.h"

namespace velmora {
namespace {

std::vector<std::string> read_lines(const std::string& name) {
  std::ifstream in(std::string(VELMORA_TEST_DATA) + "/golden/" + name);
  EXPECT_TRUE(in) << name;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The position line with its level option set to `level`.
std::string at_level(std::string line, int level) {
  const size_t at = line.find(" level=");
  EXPECT_NE(at, std::string::npos);
  line[at + 7] = static_cast<char>('0' + level);
  return line;
}

class GoldenSelfPlay : public ::testing::TestWithParam<int> {};

TEST_P(GoldenSelfPlay, EveryChoiceAndScoreAsRecorded) {
  const int level = GetParam();
  const std::vector<std::string> positions = read_lines("positions.txt");
  const std::vector<std::string> expected = read_lines("level" + std::to_string(level) + ".expected");
  ASSERT_EQ(positions.size(), 300u);
  ASSERT_EQ(expected.size(), positions.size());
  for (size_t i = 0; i < positions.size(); ++i)
    EXPECT_EQ(answer_position_line(at_level(positions[i], level)), expected[i]) << "position line " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Levels, GoldenSelfPlay, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace velmora
