#include <gtest/gtest.h>

#include <cmath>

#include "record/played_match.h"
#include "record/record_files.h"
#include "record/replay.h"
#include "record/temp_folder.h"

namespace velmora {
namespace {

using testing::TempFolder;
using testing::TestGame;

TEST(RecordRoundTrip, SavedMatchLoadsAndStepsThroughEveryPositionHandAndClock) {
  TempFolder folder;
  TestGame played;
  testing::play_moves(played.game, 10);
  ASSERT_EQ(played.game.pos.hand_own[1], 0);  // the captured pawn was dropped again
  ASSERT_EQ(played.game.pos.hand_enemy[6], 1);
  played.fakes.dialogs.folder = folder.path();
  played.fakes.dialogs.fields = RecordFields{"対局 ｻﾝﾌﾟﾙ", "第一局", "先手さん", "後手さん"};
  record_save_click(played.game);
  ASSERT_TRUE(folder.exists("対局 ｻﾝﾌﾟﾙ.棋譜"));

  TestGame shown;
  testing::give_sound_handles(shown.game);
  record_file_click(shown.game, folder.path(), "対局 ｻﾝﾌﾟﾙ.棋譜");
  ASSERT_EQ(shown.game.pos.history.record_length, 10);

  for (int n = 1; n <= 10; ++n) {
    after_click(shown.game);
    const HistorySlot& want = played.game.pos.history.slot(n);
    ASSERT_EQ(shown.game.pos.move_number, n);
    EXPECT_EQ(shown.game.pos.board, want.board) << "move " << n;
    EXPECT_EQ(shown.game.pos.hand_own, want.hand_own) << "move " << n;
    EXPECT_EQ(shown.game.pos.hand_enemy, want.hand_enemy) << "move " << n;
    EXPECT_EQ(shown.game.clock.clock_own_total, std::floor(want.clock_own_after)) << "move " << n;
    EXPECT_EQ(shown.game.clock.clock_enemy_total, std::floor(want.clock_enemy_after)) << "move " << n;
  }
  EXPECT_EQ(shown.game.pos.board, played.game.pos.board);
  EXPECT_EQ(shown.game.pos.hand_enemy_total(), 1);
  EXPECT_EQ(shown.game.pos.turn, +1);  // ten moves: the main army is to move again

  shown.fakes.dialogs.boxes.clear();
  after_click(shown.game);
  ASSERT_EQ(shown.fakes.dialogs.boxes.size(), 1u);
  EXPECT_EQ(shown.fakes.dialogs.boxes[0].text, "終わり");
}

TEST(RecordRoundTrip, AFlippedMatchSavedAndLoadedKeepsItsNamesAndPositions) {
  TempFolder folder;
  TestGame played;
  testing::play_moves(played.game, 6);
  reverse_click(played.game);
  played.fakes.dialogs.folder = folder.path();
  played.fakes.dialogs.fields = RecordFields{"反転", "", "先手", "後手"};
  record_save_click(played.game);

  TestGame shown;
  record_file_click(shown.game, folder.path(), "反転.棋譜");
  bool first_above_board = false;
  for (const testing::DrawOp& op : shown.fakes.screen.ops_of(testing::DrawOp::Text))
    if (op.text == "先手" && op.top == 250) first_above_board = true;
  EXPECT_TRUE(first_above_board);
  for (int n = 1; n <= 6; ++n) after_click(shown.game);
  EXPECT_EQ(shown.game.pos.board, played.game.pos.board);
  // The flipped position keeps each hand beside the army that owns it.
  EXPECT_EQ(played.game.pos.hand_enemy[1], 1);
  EXPECT_EQ(shown.game.pos.hand_own, played.game.pos.hand_own);
  EXPECT_EQ(shown.game.pos.hand_enemy, played.game.pos.hand_enemy);
}

}  // namespace
}  // namespace velmora
