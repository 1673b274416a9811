// 前回の対局を再開: the running match is kept after every event and comes
// back in the next run exactly as it stood; a match that ended is not
// offered; a file that cannot be read is ignored with one message.
#include "resume/resume.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "match/match_fixture.h"
#include "record/record_files.h"
#include "resume/match_keeper.h"

namespace velmora {
namespace {

using testing::MatchTest;
using testing::TestGame;

class Resume : public MatchTest {
 protected:
  // One event of the window: the game's handler, then the match kept, as
  // the window does after every event.
  void event(const std::function<void()>& handler) {
    handler();
    keep_match(g);
  }
  void menu(MenuItem item) {
    event([&] { on_menu(g, item); });
  }
  // A move by mouse after `seconds` of thought.
  void play(int fx, int fy, int tx, int ty, double seconds) {
    t.fakes.clock.now += seconds;
    event([&] { on_timer(g); });
    event([&] { click(fx, fy); });
    event([&] { click(tx, ty); });
  }
  void press_escape() {
    event([&] { on_key_press(g, KEY_ESCAPE); });
    ASSERT_TRUE(g.program_ended);
  }

  // The next run of the program in the same folder, an hour later, its
  // window open.
  std::unique_ptr<TestGame> next_run() {
    auto next = std::make_unique<TestGame>();
    next->game.working_directory = dir.string();
    next->fakes.clock.now = t.fakes.clock.now + 3600;
    on_window_load(next->game, 7);
    look_for_match_to_resume(next->game);
    return next;
  }
  // The match file's text; empty when there is none.
  std::string match_file() const {
    std::ifstream in(dir / MATCH_FILE_NAME, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // The next run resumes the match that ended this one, exactly.
  std::unique_ptr<TestGame> expect_next_run_resumes_it() {
    SavedMatch before = saved_match(g);
    auto next = next_run();
    EXPECT_TRUE(match_to_resume(next->game));
    resume_match_click(next->game);
    keep_match(next->game);
    SavedMatch after = saved_match(next->game);
    EXPECT_NEAR(after.thinking, before.thinking, 1e-6);
    after.thinking = before.thinking = 0;
    EXPECT_EQ(format_saved_match(after), format_saved_match(before));
    EXPECT_TRUE(next->fakes.dialogs.boxes.empty());
    EXPECT_FALSE(match_to_resume(next->game));
    return next;
  }
};

TEST_F(Resume, AMatchAgainstTheComputerComesBackAsItStood) {
  menu(MenuItem::LBEL_UP);
  menu(MenuItem::LBEL_UP);  // handicap: both chess rooks off
  menu(MenuItem::KANKOKU);
  menu(MenuItem::CHESS_MOCHIKOMA);
  menu(MenuItem::KEIKA);
  menu(MenuItem::LEVEL1);
  menu(MenuItem::START2);
  play(3, 7, 3, 6, 12.25);
  play(5, 7, 5, 6, 3.5);
  ASSERT_EQ(g.pos.move_number, 4);
  t.fakes.clock.now += 4.75;  // the person thinks, then presses Esc
  press_escape();
  ASSERT_EQ(g.pos.history.slot(3).clock_own_after, 15.75);

  // The next run starts with the first-run options; the match brings its
  // own, and the settings file follows them.
  std::filesystem::remove(dir / "Velmora.ini");
  const ShownMove reply = g.view.shown.enemy_move;
  const auto next = expect_next_run_resumes_it();
  const auto frame = next->fakes.screen.last_outline_at_cell(reply.at.x, reply.at.y);
  ASSERT_TRUE(frame.has_value());
  EXPECT_EQ(frame->colour, PaletteColour::White) << "the computer's reply stands framed as it was played";
  const MenuChecks options = next_run()->game.menu;
  EXPECT_TRUE(options.KANKOKU && options.CHESS_MOCHIKOMA);
}

// Looking at a record, reviewing and stepping through it replace nothing:
// the match played before stays kept, offered again, and comes back.
TEST_F(Resume, ARecordLookedAtLeavesTheKeptMatch) {
  menu(MenuItem::MATCH_MAN);
  play(3, 7, 3, 6, 1);
  const SavedMatch played = saved_match(g);
  const std::string kept = match_file();
  std::filesystem::copy_file(std::string(VELMORA_TEST_DATA) + "/review/level4_against_level3.棋譜", dir / "記録.棋譜");
  event([&] { record_file_click(g, dir.string(), "記録.棋譜"); });
  ASSERT_EQ(g.record_mode, 1);
  menu(MenuItem::AFTER);
  menu(MenuItem::AFTER);
  event([&] { on_window_unload(g); });
  EXPECT_EQ(match_file(), kept);
  EXPECT_TRUE(match_to_resume(g)) << "offered again in this run";
  auto next = next_run();
  resume_match_click(next->game);
  EXPECT_EQ(next->game.pos.history, played.pos.history);
  EXPECT_EQ(next->game.record_mode, 0);
}

TEST_F(Resume, TheComputerMovesAtOnceWhenItWasToMove) {
  menu(MenuItem::LEVEL4);
  menu(MenuItem::START2);
  t.fakes.clock.stop_runs_aside = true;  // Esc comes while level 4 thinks
  play(3, 7, 3, 6, 2);
  ASSERT_EQ(g.pos.turn, g.pos.main_sign());
  press_escape();

  auto next = next_run();
  next->game.com.strong_limits.seconds = 0.05;
  resume_match_click(next->game);
  on_turn_due(next->game);  // the window asks the computer once the click has ended
  EXPECT_EQ(next->fakes.clock.runs_aside, 1);
  EXPECT_EQ(next->game.pos.move_number, 2);
  EXPECT_EQ(next->game.pos.turn, next->game.pos.chess_sign);
  EXPECT_TRUE(next->game.menu.LEVEL4);
}

TEST_F(Resume, OnlyAMatchPlayedLeavesAFile) {
  menu(MenuItem::LBEL_UP);  // no match yet
  EXPECT_EQ(match_file(), "");
  menu(MenuItem::MATCH_MAN);
  EXPECT_EQ(match_file(), "") << "started, not yet played";
  play(3, 7, 3, 6, 1);
  const std::string after_move = match_file();
  EXPECT_NE(after_move, "");
  t.fakes.clock.now += 30;
  event([&] { on_timer(g); });
  EXPECT_EQ(match_file(), after_move) << "a tick of the clock writes nothing";
  menu(MenuItem::CANCEL);
  EXPECT_EQ(match_file(), after_move) << "a new game leaves the match kept";
  EXPECT_TRUE(match_to_resume(g));

  set_position({{5, 9, -OU}, {5, 1, KING}, {5, 5, -SYA}});
  menu(MenuItem::MATCH_MAN);
  t.fakes.dialogs.yes_no_answers = {Answer::No};
  event([&] { move(5, 5, 5, 1); });
  ASSERT_TRUE(g.program_ended);
  EXPECT_EQ(match_file(), "") << "a king taken";
  EXPECT_FALSE(match_to_resume(next_run()->game));
}

TEST_F(Resume, AFileThatCannotBeReadIsIgnoredWithOneMessage) {
  menu(MenuItem::MATCH_MAN);
  play(3, 7, 3, 6, 1);
  press_escape();
  const std::string good = match_file();
  auto replaced = next_run();  // a new match of the next run played takes the place of the one offered
  ASSERT_TRUE(match_to_resume(replaced->game));
  on_menu(replaced->game, MenuItem::MATCH_MAN);
  for (const int y : {7, 6})
    on_mouse_down(replaced->game, MOUSE_LEFT, 0, BOARD_LEFT + SQUARE_WIDTH * 7.5,
                  BOARD_TOP + SQUARE_HEIGHT * (y + 0.5));
  keep_match(replaced->game);
  EXPECT_FALSE(match_to_resume(replaced->game));
  EXPECT_NE(match_file(), good);
  std::string out_of_range = good;
  out_of_range.replace(out_of_range.find("level 3"), 7, "level 9");
  const struct {
    std::string text;
    const char* what;
  } rows[] = {
      {"[Velmora]\nlevel=3\n", "foreign"},
      {good.substr(0, good.size() / 2), "truncated"},
      {out_of_range, "a value out of range"},
      {good + "more\n", "text after the end"},
  };
  for (const auto& row : rows) {
    std::ofstream(dir / MATCH_FILE_NAME, std::ios::binary) << row.text;
    auto next = next_run();
    ASSERT_TRUE(match_to_resume(next->game)) << row.what;
    resume_match_click(next->game);
    ASSERT_EQ(next->fakes.dialogs.boxes.size(), 1u) << row.what;
    EXPECT_EQ(next->fakes.dialogs.boxes[0].text.rfind("前回の対局を読み込めません\n", 0), 0u) << row.what;
    EXPECT_EQ(next->game.pos.turn, 0) << row.what;
    EXPECT_FALSE(match_to_resume(next->game)) << row.what;
  }
  std::filesystem::resize_file(dir / MATCH_FILE_NAME, MAX_MATCH_FILE_BYTES + 1);
  auto next = next_run();
  resume_match_click(next->game);
  ASSERT_EQ(next->fakes.dialogs.boxes.size(), 1u);
  EXPECT_EQ(next->fakes.dialogs.boxes[0].text,
            "前回の対局を読み込めません\n" + match_file_path(next->game) + "\nﾌｧｲﾙが大きすぎます")
      << "the system's reason in the game's words";
}

TEST_F(Resume, AKeptPositionNoGameCouldReachIsRefusedAndTheFileStays) {
  menu(MenuItem::MATCH_MAN);
  play(3, 7, 3, 6, 1);
  press_escape();
  const MatchFileResult kept = read_saved_match(match_file());
  ASSERT_TRUE(kept);
  const struct {
    std::function<void(SavedMatch&)> change;
    const char* what;
  } rows[] = {
      {[](SavedMatch& m) { m.pos.board(5, 8) = -SYOU; }, "two main-army kings"},
      {[](SavedMatch& m) { m.pos.board(5, 9) = EMPTY; }, "no main-army king"},
      {[](SavedMatch& m) {
         for (int x = 1; x <= 9; ++x)
           for (int y = 3; y <= 5; ++y) m.pos.board(x, y) = +PORN;
       },
       "32 chess pawns"},
      {[](SavedMatch& m) { std::swap(m.pos.board(2, 2), m.pos.board(1, 9)); }, "a chess pawn on its far row"},
  };
  for (const auto& row : rows) {
    SavedMatch impossible = *kept;
    row.change(impossible);
    const std::string text = format_saved_match(impossible);
    std::ofstream(dir / MATCH_FILE_NAME, std::ios::binary) << text;
    auto next = next_run();
    resume_match_click(next->game);
    ASSERT_EQ(next->fakes.dialogs.boxes.size(), 1u) << row.what;
    EXPECT_EQ(next->fakes.dialogs.boxes[0].text.rfind("前回の対局を読み込めません\n", 0), 0u) << row.what;
    EXPECT_EQ(next->game.pos.turn, 0) << row.what;
    keep_match(next->game);
    EXPECT_EQ(match_file(), text) << row.what << ": the file is left as it is";
  }
}

TEST_F(Resume, ASecondWindowInTheFolderIsToldAndKeepsNoMatch) {
  claim_kept_match(g);
  EXPECT_TRUE(t.fakes.dialogs.boxes.empty());
  menu(MenuItem::MATCH_MAN);
  play(3, 7, 3, 6, 1);
  const std::string first = match_file();
  ASSERT_NE(first, "");

  auto second = next_run();
  ASSERT_TRUE(match_to_resume(second->game));
  claim_kept_match(second->game);
  ASSERT_EQ(second->fakes.dialogs.boxes.size(), 1u);
  EXPECT_EQ(second->fakes.dialogs.boxes[0].text.rfind("このﾌｫﾙﾀﾞの対局は、別のｳｨﾝﾄﾞｳが保存しています\n", 0), 0u);
  EXPECT_FALSE(match_to_resume(second->game)) << "the first window's match is not offered";
  on_menu(second->game, MenuItem::MATCH_MAN);
  keep_match(second->game);
  on_window_unload(second->game);
  keep_match(second->game);
  EXPECT_EQ(match_file(), first) << "the second window's match does not overwrite the first's";

  second.reset();
  play(3, 2, 3, 3, 1);
  EXPECT_NE(match_file(), first) << "the first window goes on keeping its match";
}

}  // namespace
}  // namespace velmora
