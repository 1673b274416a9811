// The move list panel's rows and steps, and the move list as text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "assist/move_list_panel.h"
#include "assist/record_text.h"
#include "match/match_fixture.h"
#include "match/match_start.h"
#include "match/window.h"
#include "record/played_match.h"
#include "record/replay.h"
#include "setup/game_over.h"

namespace velmora::testing {
namespace {

std::string file_text(const std::filesystem::path& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

// Ten moves of a match between two people, with a capture, a promotion and a drop.
void play_ten_moves(TestGame& t) {
  give_sound_handles(t.game);
  play_moves(t.game, 10);
  t.game.game_mode = MODE_MAN;
}

// Choosing row 3 at move 10 is seven steps of "戻": the same position,
// clocks, sounds and drawing.
TEST(MoveListPanel, ChoosingARowStepsThereLikeTheReplayCommands) {
  TestGame chosen, stepped;
  play_ten_moves(chosen);
  play_ten_moves(stepped);
  const std::vector<std::string> rows = take_move_list_update(chosen.game, true).rows;
  ASSERT_EQ(rows.size(), 11u);
  EXPECT_EQ(rows[0], START_ROW_TEXT);
  EXPECT_EQ(current_move_row(chosen.game), 10);

  go_to_move(chosen.game, 3);
  for (int i = 0; i < 7; ++i) replay_click(stepped.game);

  EXPECT_EQ(current_move_row(chosen.game), 3);
  EXPECT_EQ(chosen.game.board, stepped.game.board);
  EXPECT_EQ(chosen.game.clock.clock_own_total, stepped.game.clock.clock_own_total);
  EXPECT_EQ(chosen.fakes.sound.calls, stepped.fakes.sound.calls);
  EXPECT_EQ(chosen.fakes.screen.ops.size(), stepped.fakes.screen.ops.size());
}

// After every change the panel gets the rows that changed, and nothing while
// nothing changes, however long the list.
TEST(MoveListPanel, TakesOnlyTheRowsThatChanged) {
  TestGame t;
  play_ten_moves(t);
  Game& g = t.game;
  ASSERT_EQ(take_move_list_update(g, false).rows.size(), 11u);  // all new
  const struct {
    const char* change;
    std::function<void(Game&)> make;
    bool pending;
    int first_row, rows, current_row;
  } rows[] = {
      {"a clock tick", [](Game& g) { on_timer(g); }, false, 0, 0, 10},
      {"a step back", [](Game& g) { replay_click(g); }, true, 0, 0, 9},
      {"another last move there",
       [](Game& g) {
         駒移動(g, 7, 2, 7, 3, PORN);
         g.move_number += 1;
         手順保存(g, 7, 2, 7, 3, PORN, PORN, EMPTY, 0, 0, 0, 0);
       },
       true, 10, 1, 10},
      {"a new game", [](Game& g) { 初期設定(g); }, true, 0, 2, 0},  // the start, and move 1 read from it
      {"a flip", [](Game& g) { reverse_click(g); }, true, 0, 11, 0},
  };
  for (const auto& row : rows) {
    row.make(g);
    EXPECT_EQ(move_list_update_pending(g), row.pending) << row.change;
    const MoveListUpdate update = take_move_list_update(g, false);
    if (row.rows > 0) {
      EXPECT_EQ(update.first_row, row.first_row) << row.change;
    }
    EXPECT_EQ(update.rows.size(), static_cast<std::size_t>(row.rows)) << row.change;
    EXPECT_EQ(update.row_count, 11) << row.change;
    EXPECT_EQ(update.current_row, row.current_row) << row.change;
    EXPECT_FALSE(move_list_update_pending(g)) << row.change;
  }
}

using MoveListAsPlayed = MatchTest;

// The person's move is listed before the computer replies, and the winning
// move before the result box.
TEST_F(MoveListAsPlayed, AMoveIsListedAsSoonAsItIsMade) {
  std::vector<int> listed;  // the rows of the list each time a move is told
  t.fakes.screen.on_move_list_changed = [&] { listed.push_back(take_move_list_update(g, false).row_count); };
  on_menu(g, MenuItem::START2);
  move(2, 7, 2, 6);
  EXPECT_EQ(listed, (std::vector<int>{2, 3}));

  set_position({{9, 9, -OU}, {1, 1, +KING}, {3, 3, -KIN}, {2, 3, -HU}});
  on_menu(g, MenuItem::START2);
  int listed_at_result = 0;
  t.fakes.dialogs.on_box = [&](const ShownBox& box) {
    if (box.text == "あなたの勝ちです") listed_at_result = g.assist.listed_moves.rows;
  };
  move(3, 3, 2, 2);  // mates the computer
  EXPECT_EQ(listed_at_result, 2);
}

TEST(RecordText, OfAFinishedMatchEqualsTheHandWrittenFile) {
  TestGame t;
  play_ten_moves(t);
  t.fakes.dialogs.fields = RecordFields{"", "ある対局", "山田", "Smith"};
  note_match_result(t.game, "先手");
  const std::filesystem::path saved = std::filesystem::temp_directory_path() / "velmora_ten_moves.txt";
  save_record_text(t.game, saved.string());
  EXPECT_EQ(file_text(saved), file_text(std::string(VELMORA_TEST_DATA) + "/assist/ten_moves.txt"));
  std::filesystem::remove(saved);
}

// The result is written while the list still ends where the match ended.
TEST(RecordText, NamesTheResultOnlyWhileTheListEndsWhereTheMatchEnded) {
  struct Row {
    const char* change;
    std::function<void(Game&)> make;
    bool named;
  };
  const Row rows[] = {
      {"a step back", [](Game& g) { replay_click(g); }, true},
      {"a flip", [](Game& g) { reverse_click(g); }, true},
      {"another last move in the same place",
       [](Game& g) {
         replay_click(g);
         駒移動(g, 7, 2, 7, 3, PORN);
         g.move_number += 1;
         手順保存(g, 7, 2, 7, 3, PORN, PORN, EMPTY, 0, 0, 0, 0);
       },
       false},
      {"the other nation's line-up",
       [](Game& g) {
         g.menu.NIPPON = !g.menu.NIPPON;
         g.menu.KANKOKU = !g.menu.KANKOKU;
         switch_main_army(g);
       },
       false},
      {"a match against the computer started from the end of the list",
       [](Game& g) {
         g.com.move_counter = g.history.record_length;
         start2_click(g);
       },
       false},
  };
  for (const Row& row : rows) {
    TestGame t;
    play_ten_moves(t);
    note_match_result(t.game, "先手");
    row.make(t.game);
    EXPECT_EQ(result_of_list(t.game), row.named ? "先手" : "") << row.change;
  }
}

}  // namespace
}  // namespace velmora::testing
