// The move list panel's rows and steps, and the move list as text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "assist/move_list_panel.h"
#include "assist/record_text.h"
#include "record/played_match.h"
#include "record/replay.h"

namespace velmora::testing {
namespace {

std::string file_text(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class MoveListTest : public ::testing::Test {
 protected:
  TestGame t;
  Game& g = t.game;
  void SetUp() override {
    give_sound_handles(g);
    play_moves(g, 10);
    g.game_mode = MODE_MAN;
  }
};

TEST_F(MoveListTest, RowsNameEveryMoveAndMarkThePositionShown) {
  const std::vector<std::string> rows = move_list_rows(g);
  ASSERT_EQ(rows.size(), 11u);
  EXPECT_EQ(rows[0], START_ROW_TEXT);
  EXPECT_EQ(rows[1], "  1 ６六 歩");
  EXPECT_EQ(rows[7], "  7 ６三 と");
  EXPECT_EQ(rows[10], " 10 ４三 ポーン");
  EXPECT_EQ(current_move_row(g), 10);
}

// Choosing row 3 from move 10 is seven steps of "戻": the same position,
// clocks, sounds and drawing.
TEST_F(MoveListTest, ChoosingARowStepsThereLikeTheReplayCommands) {
  TestGame stepped;
  Game& h = stepped.game;
  give_sound_handles(h);
  play_moves(h, 10);
  h.game_mode = MODE_MAN;
  for (int i = 0; i < 7; ++i) replay_click(h);

  go_to_move(g, 3);

  EXPECT_EQ(g.move_number, 3);
  EXPECT_EQ(g.board, h.board);
  EXPECT_EQ(g.hand_own, h.hand_own);
  EXPECT_EQ(g.clock.clock_own_total, h.clock.clock_own_total);
  EXPECT_EQ(t.fakes.sound.calls, stepped.fakes.sound.calls);
  EXPECT_EQ(t.fakes.screen.ops.size(), stepped.fakes.screen.ops.size());
  EXPECT_EQ(current_move_row(g), 3);

  go_to_move(g, 9);
  EXPECT_EQ(g.board, g.history.slot(9).board);
}

TEST_F(MoveListTest, TextOfAFinishedMatchEqualsTheHandWrittenFile) {
  t.fakes.dialogs.fields = RecordFields{"", "ある対局", "山田", "Smith"};
  note_match_result(g, "先手");
  const std::filesystem::path saved = std::filesystem::temp_directory_path() / "velmora_ten_moves.txt";

  save_record_text(g, saved.string());

  EXPECT_EQ(file_text(saved), file_text(std::string(VELMORA_TEST_DATA) + "/assist/ten_moves.txt"));
  std::filesystem::remove(saved);
}

TEST_F(MoveListTest, ResultIsLeftOutOnceTheListNoLongerEndsThere) {
  note_match_result(g, "先手");
  EXPECT_EQ(result_of_list(g), "先手");
  replay_click(g);
  手順保存(g, 0, 0, 1, 1, EMPTY, EMPTY, EMPTY, 0, 0, 0, 0);  // a different last move
  EXPECT_EQ(result_of_list(g), "");
  EXPECT_EQ(record_text(g).find("結果"), std::string::npos);
}

}  // namespace
}  // namespace velmora::testing
