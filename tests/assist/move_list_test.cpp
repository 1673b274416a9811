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

// Choosing row 3 at move 10 is seven steps of "戻" and the last move's text
// shown again: the same position, clocks, sounds and drawing.
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
  show_last_move(stepped.game);

  EXPECT_EQ(current_move_row(chosen.game), 3);
  EXPECT_EQ(chosen.game.pos.board, stepped.game.pos.board);
  EXPECT_EQ(chosen.game.clock.clock_own_total, stepped.game.clock.clock_own_total);
  EXPECT_EQ(chosen.fakes.sound.calls, stepped.fakes.sound.calls);
  EXPECT_EQ(chosen.fakes.screen.ops.size(), stepped.fakes.screen.ops.size());
}

// The panel gets the rows that changed and nothing at rest, however long
// the list.
TEST(MoveListPanel, TakesOnlyTheRowsThatChanged) {
  TestGame t;
  Game& g = t.game;
  play_ten_moves(t);
  ASSERT_EQ(take_move_list_update(g, false).rows.size(), 11u);
  on_timer(g);
  EXPECT_FALSE(move_list_update_pending(g));
  const struct {
    const char* change;
    std::function<void(Game&)> make;
    int first_row, rows, current_row;  // first_row 11: none
  } rows[] = {
      {"a step back", replay_click, 11, 0, 9},
      {"a new game", 初期設定, 0, 2, 0},  // the start, and move 1 read from it
      {"a flip", reverse_click, 0, 11, 0},
      {"a kept match set up again", [](Game& g) { g.pos.history = MoveList(g.pos.history); }, 0, 11, 0},
  };
  for (const auto& row : rows) {
    row.make(g);
    EXPECT_TRUE(move_list_update_pending(g)) << row.change;
    const MoveListUpdate u = take_move_list_update(g, false);
    EXPECT_EQ(std::tuple(u.first_row, u.rows.size(), u.current_row),
              std::tuple(row.first_row, static_cast<std::size_t>(row.rows), row.current_row))
        << row.change;
  }
}

using MoveListAsPlayed = MatchTest;

TEST_F(MoveListAsPlayed, ThePersonsMoveIsListedBeforeTheComputerReplies) {
  std::vector<int> listed;  // the rows each time a move is told
  t.fakes.screen.on_move_list_changed = [&] { listed.push_back(take_move_list_update(g, false).row_count); };
  choose(MenuItem::START2);
  move(2, 7, 2, 6);
  EXPECT_EQ(listed, (std::vector<int>{2, 3}));
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

// In another language the game's own words change and the players' stay: a
// player named 金 is not the gold general.
TEST(RecordText, KeepsTheNamesThePlayersTypedInAnotherLanguage) {
  TestGame t;
  play_ten_moves(t);
  t.fakes.dialogs.fields = RecordFields{"", "金", "金", ""};
  const auto english = [](const std::string& text) {
    std::string out = text;
    for (std::size_t at; (at = out.find("金")) != std::string::npos;) out.replace(at, 3, "Gold");
    return out;
  };
  const std::string text = record_text(t.game, english);
  EXPECT_EQ(text.substr(0, text.find("\n", text.find("\n") + 1)), "金\n先手：金");
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
         const MoveReport played = 駒移動(g, {7, 2}, {7, 3}, PORN);
         g.pos.move_number += 1;
         手順保存(g.pos, {played.move});
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
         g.com.move_counter = g.pos.history.record_length;
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
