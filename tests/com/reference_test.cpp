// Every reference position through the same code path as velmora-com: the
// computer's choice and every evaluation of its search must agree exactly, the
// list of legal moves as a set.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "com_protocol.h"

namespace velmora {
namespace {

std::vector<std::string> read_lines(const std::string& name) {
  std::ifstream in(std::string(VELMORA_TEST_DATA) + "/reference/" + name);
  EXPECT_TRUE(in) << name;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> word_list(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> list;
  for (std::string w; in >> w;) list.push_back(w);
  return list;
}

std::set<std::string> words(const std::string& line) {
  const std::vector<std::string> list = word_list(line);
  return {list.begin(), list.end()};
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

// Reports the first evaluation that differs, which names the candidate whose
// terms to look at.
TEST_F(Reference, EveryEvaluationOfTheSearchAgreesOnEveryPosition) {
  const std::vector<std::string> expected = read_lines("scores.expected");
  ASSERT_EQ(expected.size(), positions.size());
  for (size_t i = 0; i < positions.size(); ++i) {
    const std::vector<std::string> ours = word_list(answer_position_line(positions[i] + " mode=scores"));
    const std::vector<std::string> theirs = word_list(expected[i]);
    const auto [o, t] = std::mismatch(ours.begin(), ours.end(), theirs.begin(), theirs.end());
    EXPECT_TRUE(o == ours.end() && t == theirs.end())
        << "position line " << i + 1 << ", evaluation " << (o - ours.begin()) + 1 << ": "
        << (o == ours.end() ? "(none)" : *o) << " instead of " << (t == theirs.end() ? "(none)" : *t);
  }
}

}  // namespace
}  // namespace velmora
