// Level 4's choices searched to a fixed depth on the benchmark positions and a
// few self-play positions, recorded once with the search before it was made
// faster: a change that only makes the search faster leaves every move and
// every score at every depth as it was, so that a strength limited by depth
// stays what it was.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "com_protocol.h"

namespace velmora {
namespace {

// One row: the depth, the expected answer ("SX,SY TX,TY FINAL SCORE", a
// drop's source being its hand column and index) and the position line.
struct DepthRow {
  int depth = 0;
  std::string expected;
  std::string position;
};

std::vector<DepthRow> read_rows() {
  std::ifstream in(std::string(VELMORA_TEST_DATA) + "/engine/equal_depth.txt");
  EXPECT_TRUE(in);
  std::vector<DepthRow> rows;
  for (std::string line; std::getline(in, line);) {
    const size_t tab = line.find('\t');
    const size_t space = line.find(' ');
    rows.push_back({std::stoi(line.substr(0, space)), line.substr(space + 1, tab - space - 1), line.substr(tab + 1)});
  }
  return rows;
}

// The answer of a fresh engine searching `row`'s position to its depth
// exactly, in the row's format.
std::string answer_at_depth(const DepthRow& row) {
  const Result<AnalysisPosition, LineError> read = parse_position_line(row.position);
  EXPECT_TRUE(read);
  Position pos;
  InfluenceMaps maps;
  set_up_position(pos, maps, *read);
  StrongRoot root = strong_root(pos, read->drops);
  Engine engine;
  SearchLimits limits;
  limits.seconds = 1e9;
  limits.max_depth = row.depth;
  SearchReport report;
  const Candidate best = strong_search(root, engine, limits, nullptr, &report).value_or(Candidate{});
  std::ostringstream out;
  out << best.named_source().x << ',' << best.named_source().y << ' ' << best.to.x << ',' << best.to.y << ' '
      << best.final_code << ' ' << report.score;
  return out.str();
}

TEST(StrongSearchAtEqualDepth, ChoosesEveryMoveAndScoreAsRecorded) {
  const std::vector<DepthRow> rows = read_rows();
  ASSERT_EQ(rows.size(), 31u);
  for (size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(answer_at_depth(rows[i]), rows[i].expected) << "row " << i + 1 << ", depth " << rows[i].depth;
}

}  // namespace
}  // namespace velmora
