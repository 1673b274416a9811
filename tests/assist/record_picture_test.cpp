// A record's position set up for its picture in a game without a window.
#include "assist/record_picture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <variant>

#include "fakes/fake_ports.h"
#include "record/temp_folder.h"
#include "review/record_game.h"
#include "rules/pieces.h"

namespace velmora::testing {
namespace {

// The position after move n as stepping there shows it, its last move and
// count on show, turned round when asked; the settings file is read, never
// written.
TEST(RecordPicture, ShowsTheAskedMoveTurnedRoundWhenAsked) {
  const RecordGameResult read = read_record_game(VELMORA_TEST_DATA "/review/level4_against_level3.棋譜");
  const Record& record = read.value().record;
  const TempFolder folder;
  for (const bool flipped : {false, true}) {
    for (const int n : {1, 2}) {
      TestGame t;
      Game& g = t.game;
      g.working_directory = folder.path();
      show_record_position(g, record, read->start, n, flipped);
      const Board& board = record.moves[n - 1].board;
      EXPECT_EQ(g.pos.board, flipped ? turned_board(board) : board) << n << flipped;
      EXPECT_EQ(g.pos.move_number, n);
      EXPECT_EQ(g.view.shown.move_count, n);
      EXPECT_EQ(g.view.shown.own_move.shown + g.view.shown.enemy_move.shown, n) << "each side's last move";
      EXPECT_TRUE(t.fakes.dialogs.boxes.empty());
    }
  }
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

}  // namespace
}  // namespace velmora::testing
