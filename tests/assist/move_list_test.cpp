// The move list panel's rows and steps, and the move list as text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "assist/move_list_panel.h"
#include "assist/record_text.h"
#include "match/match_start.h"
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
  const std::vector<std::string> rows = move_list_rows(chosen.game);
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
