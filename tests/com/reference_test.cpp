// Every reference position through the same code path as velmora-com: the
// computer's choice must agree exactly, the list of legal moves as a set.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "com/analysis.h"

namespace velmora {
namespace {

std::vector<std::string> read_lines(const std::string& name) {
  std::ifstream in(std::string(VELMORA_TEST_DATA) + "/reference/" + name);
  EXPECT_TRUE(in) << name;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::set<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::set<std::string> set;
  for (std::string w; in >> w;) set.insert(w);
  return set;
}

struct Reference : ::testing::Test {
  std::vector<std::string> positions = read_lines("positions.txt");
};

TEST_F(Reference, TheComputersChoiceAgreesOnEveryPosition) {
  const std::vector<std::string> expected = read_lines("com.expected");
  ASSERT_EQ(positions.size(), 200u);
  ASSERT_EQ(expected.size(), positions.size());
  for (size_t i = 0; i < positions.size(); ++i)
    EXPECT_EQ(answer_position_line(positions[i]), expected[i]) << "position line " << i + 1;
}

TEST_F(Reference, TheLegalMovesAgreeOnEveryPosition) {
  const std::vector<std::string> expected = read_lines("moves.expected");
  ASSERT_EQ(expected.size(), positions.size());
  for (size_t i = 0; i < positions.size(); ++i)
    EXPECT_EQ(words(answer_position_line(positions[i] + " mode=moves")), words(expected[i]))
        << "position line " << i + 1;
}

}  // namespace
}  // namespace velmora
