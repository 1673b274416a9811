// 前回の対局を再開 in the window: the match is written after every event and
// as a signal ends the program; the menu item is enabled only while a match
// of an earlier run waits, and Ctrl+R sets it up.
#include <QTest>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/end_signals.h"
#include "resume/resume.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

class ResumeWindowTest : public WindowTest {
 protected:
  QAction* resume_item() { return desktop->view_menu().find("RESUME_MATCH"); }
  bool match_file_exists() { return std::filesystem::exists(match_file_path(*game)); }
  std::string match_file() {
    std::ifstream in(match_file_path(*game), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void play_one_move() {
    choose(MenuItem::MATCH_MAN);
    click_cell(3, 7);
    click_cell(3, 6);
    ASSERT_EQ(game->move_number, 1);
  }
  // The program starts again in the same folder.
  void next_run() {
    desktop.reset();
    desktop = std::make_unique<DesktopGame>(folder.path(), display());
    game = &desktop->game();
    window = &desktop->window();
    desktop->open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  }
};

TEST_F(ResumeWindowTest, CtrlRSetsUpTheMatchOfTheLastRunAndIsEnabledOnlyThen) {
  EXPECT_FALSE(resume_item()->isEnabled());
  play_one_move();
  EXPECT_TRUE(match_file_exists());
  EXPECT_FALSE(resume_item()->isEnabled()) << "this run's match is the one kept";
  const Board board = game->board;

  next_run();
  ASSERT_TRUE(resume_item()->isEnabled());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(game->board, board);
  EXPECT_EQ(game->move_number, 1);
  EXPECT_EQ(game->turn, -1);
  EXPECT_FALSE(resume_item()->isEnabled());
}

TEST_F(ResumeWindowTest, SigtermEndsTheGameWithItsMatchKept) {
  const EndSignals signals([this] { window->end_by_signal(); });
  play_one_move();
  const std::string after_move = match_file();
  QTest::qWait(200);  // the person thinks
  std::raise(SIGTERM);
  ASSERT_TRUE(QTest::qWaitFor([this] { return game->program_ended; }, 5000));
  EXPECT_FALSE(window->isVisible());
  EXPECT_NE(match_file(), after_move) << "written again as the program ended, with the time thought";
  next_run();
  EXPECT_TRUE(resume_item()->isEnabled());
}

}  // namespace
}  // namespace velmora::platform::testing
