// Opening the window and ending the program.
#include <sys/wait.h>

#include <filesystem>

#include "assist/preferences.h"
#include "match_fixture.h"
#include "record/temp_folder.h"

namespace velmora {
namespace {

using testing::MatchTest;
using testing::TestGame;

class Opening : public MatchTest {};

TEST_F(Opening, BringsUpSoundLevelSettingsAndTheStartingPosition) {
  EXPECT_EQ(g.sound.sound_device, 100);
  EXPECT_NE(g.sound.snd_refuse, 0);
  EXPECT_NE(g.sound.snd_bgm, 0);
  EXPECT_EQ(g.com.com_level, 3);
  EXPECT_TRUE(g.menu.LEVEL3);
  EXPECT_FALSE(g.menu.LEVEL1 || g.menu.LEVEL2);
  EXPECT_TRUE(std::filesystem::exists(dir / "Velmora.ini"));
  EXPECT_EQ(g.view.guidance_on, 0);
  EXPECT_EQ(g.view.guidance_colour, g.view.frame_colour);
  EXPECT_EQ(g.view.frame_colour, PaletteColour::Green);
  EXPECT_EQ(g.pos.chess_sign, +1);
  EXPECT_EQ(g.pos.board(5, 9), -OU);
  EXPECT_EQ(g.pos.board(6, 1), +KING);
  EXPECT_EQ(g.pos.turn, 0);
  EXPECT_EQ(g.pos.history.record_length, 0);
  EXPECT_FALSE(g.program_ended);
}

TEST_F(Opening, ShadesEverySecondSquare) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(g.view.square_shade(x, y), (x + y) % 2 == 0 ? 1 : 0) << x << "," << y;
}

TEST_F(Opening, LoadsTheSixSoundsInOrderBeforeAnythingElse) {
  TestGame fresh;
  fresh.game.working_directory = dir.string();
  on_window_load(fresh.game, 7);
  const auto& calls = fresh.fakes.sound.calls;
  ASSERT_GE(calls.size(), 7u);
  EXPECT_EQ(calls[0], "dsInitialize 7");
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(calls[i], "dsCreateDSB 100 3");
  EXPECT_EQ(calls[6], "dsCreateDSB 100 1");
}

TEST_F(Opening, MovesTheWindowUnlessItsTopIsAtMinus60) {
  EXPECT_EQ(t.fakes.screen.rect, (TwipRect{-20, -20, 11600, 8500}));
  TestGame kept;
  kept.game.working_directory = dir.string();
  kept.fakes.screen.rect = TwipRect{500, -60, 4000, 3000};
  on_window_load(kept.game, 7);
  EXPECT_EQ(kept.fakes.screen.rect, (TwipRect{500, -60, 4000, 3000}));
}

// A file of the game that is no file, or links to none: the window opens at
// once with its defaults and leaves the thing alone.
TEST_F(Opening, AFifoOrADeviceInPlaceOfAFileOfTheGameDoesNotHoldTheStart) {
  namespace fs = std::filesystem;
  const struct {
    const char* name;
    fs::file_type kind;
  } rows[] = {
      {"Velmora.ini", fs::file_type::fifo},      {"velmora-view.ini", fs::file_type::fifo},
      {"Velmora.ini", fs::file_type::character}, {"velmora-view.ini", fs::file_type::character},
      {"禁止.wav", fs::file_type::character},
  };
  for (const auto& row : rows) {
    const fs::path folder = testing::fresh_working_directory();
    const std::string thing = (folder / "thing").string();
    const bool made = row.kind == fs::file_type::fifo ? testing::make_fifo(thing) : testing::make_zero_device(thing);
    if (!made) continue;  // no device nodes here
    fs::remove(folder / row.name);
    fs::create_symlink("thing", folder / row.name);
    TestGame fresh;
    fresh.game.working_directory = folder.string();
    testing::expect_finishes_soon(
        [&] {
          on_window_load(fresh.game, 7);
          read_preferences(fresh.game);
        },
        row.name);
    EXPECT_EQ(fresh.game.pos.board(5, 9), -OU) << row.name;
    EXPECT_EQ(testing::type_of(thing), row.kind) << row.name;
    fs::remove_all(folder);
  }
}

TEST_F(Opening, RemovesTheTemporaryFilesOfRunsThatWereKilledWhileWriting) {
  const pid_t gone = fork();
  if (gone == 0) _exit(0);
  waitpid(gone, nullptr, 0);
  const std::string stale = ".velmora-" + std::to_string(gone) + "-3.tmp";
  const std::string running = ".velmora-" + std::to_string(getpid()) + "-9.tmp";
  for (const std::string& name : {stale, running, std::string(".velmora-notes.tmp")})
    std::ofstream(dir / name) << "half a file";
  TestGame next;
  next.game.working_directory = dir.string();
  on_window_load(next.game, 7);
  EXPECT_FALSE(std::filesystem::exists(dir / stale));
  EXPECT_TRUE(std::filesystem::exists(dir / running));
  EXPECT_TRUE(std::filesystem::exists(dir / ".velmora-notes.tmp"));
}

class Ending : public MatchTest {
 protected:
  void expect_ended_without_question() {
    EXPECT_TRUE(g.program_ended);
    EXPECT_TRUE(box_texts().empty());
    const std::vector<std::string> release{"dsFree 1", "dsFree 2", "dsFree 3",       "dsFree 4",
                                           "dsFree 5", "dsFree 6", "dsTerminate 100"};
    EXPECT_EQ(t.fakes.sound.calls, release);
  }
};

TEST_F(Ending, EscapeEndsEvenInTheMiddleOfAMatch) {
  start_two_people();
  click(2, 7);
  clear_logs();
  on_key_press(g, 13);
  EXPECT_FALSE(g.program_ended);
  on_key_press(g, KEY_ESCAPE);
  expect_ended_without_question();
}

TEST_F(Ending, OwariEnds) {
  on_menu(g, MenuItem::OWARI);
  expect_ended_without_question();
}

TEST_F(Ending, ClosingTheWindowEnds) {
  on_window_unload(g);
  expect_ended_without_question();
}

TEST_F(Ending, NoEventDoesAnythingAfterTheEnd) {
  start_two_people();
  on_key_press(g, KEY_ESCAPE);
  clear_logs();
  const Board before = g.pos.board;
  click(2, 7);
  choose(MenuItem::START2);
  on_menu(g, MenuItem::CANCEL);
  g.clock.timer1_enabled = true;
  t.fakes.clock.now += 5;
  on_timer(g);
  on_key_press(g, KEY_ESCAPE);
  on_window_unload(g);
  on_record_save_clicked(g);
  on_record_file_clicked(g, dir.string(), "x.棋譜");
  EXPECT_TRUE(t.fakes.screen.ops.empty());
  EXPECT_TRUE(t.fakes.dialogs.calls.empty());
  EXPECT_TRUE(box_texts().empty());
  EXPECT_TRUE(t.fakes.sound.calls.empty());
  EXPECT_EQ(g.pos.board, before);
  EXPECT_EQ(g.game_mode, MODE_MAN);
}

}  // namespace
}  // namespace velmora
