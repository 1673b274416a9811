// The start of a loaded record, which no file holds: it stands the way the
// record's moves stand, without the pieces a handicap took off.
#include <gtest/gtest.h>

#include <array>

#include "com/levels.h"
#include "record/played_match.h"
#include "record/record_files.h"
#include "record/replay.h"
#include "record/temp_folder.h"

namespace velmora {
namespace {

class RecordStart : public ::testing::Test {
 protected:
  RecordStart() { t.fakes.dialogs.folder = folder.path(); }
  Game& g() { return t.game; }
  void save_and_load() {
    t.fakes.dialogs.fields = RecordFields{"kyoku", "", "", ""};
    record_save_click(g());
    record_file_click(g(), folder.path(), "kyoku.棋譜");
    ASSERT_EQ(g().record_mode, 1);
  }

  testing::TempFolder folder;
  testing::TestGame t;
};

TEST_F(RecordStart, ARecordSavedAfterAFlipLoadsTurnedRound) {
  testing::play_moves(g(), 3);
  reverse_click(g());
  g().view.current_background = PICTURE_TATAMI;
  save_and_load();
  EXPECT_EQ(g().board, turned_board(starting_board(g().menu.NIPPON)));
  EXPECT_EQ(g().history.slot(0).board, g().board);
  EXPECT_EQ(g().chess_sign, -1);
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(-1, 3)->picture, EMPTY) << "the main army's hand slots, on top";
  std::array<int, 3> first_move{};
  調査_移動結果(g(), 1, first_move[0], first_move[1], first_move[2]);
  EXPECT_EQ(first_move, (std::array{6, 4, +HU})) << "the main army's pawn, now on top";
}

TEST_F(RecordStart, AHandicapRecordStartsWithoutThePiecesTakenOff) {
  初期設定(g());
  handicap_click(g(), true);
  handicap_click(g(), true);  // both chess rooks off
  const Board start = g().board;
  駒移動(g(), 4, 7, 4, 6, -HU);
  g().move_number = 1;
  手順保存(g(), 4, 7, 4, 6, -HU, -HU, EMPTY, 0, 0, 0, 0);
  save_and_load();
  EXPECT_EQ(g().board, start);
  EXPECT_EQ(g().history.slot(0).board, start);
}

}  // namespace
}  // namespace velmora
