// 前回の対局を再開 in the window: SIGTERM ends the game with the match
// written; in the next run the menu item is enabled and Ctrl+R sets the
// match up again.
#include <QTest>
#include <csignal>
#include <filesystem>

#include "platform/end_signals.h"
#include "resume/resume.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

class ResumeWindowTest : public WindowTest {
 protected:
  QAction* resume_item() { return desktop->view_menu().find("RESUME_MATCH"); }
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

TEST_F(ResumeWindowTest, SigtermKeepsTheMatchAndCtrlRSetsItUpInTheNextRun) {
  EXPECT_FALSE(resume_item()->isEnabled());
  const EndSignals signals([this] { window->end_by_signal(); });
  choose(MenuItem::MATCH_MAN);
  click_cell(3, 7);
  click_cell(3, 6);
  EXPECT_FALSE(resume_item()->isEnabled()) << "this run's match is the one kept";
  const Board board = game->pos.board;
  const auto written = std::filesystem::last_write_time(match_file_path(*game));
  QTest::qWait(50);
  std::raise(SIGTERM);
  ASSERT_TRUE(QTest::qWaitFor([this] { return game->program_ended; }, 5000));
  EXPECT_FALSE(window->isVisible());
  EXPECT_NE(std::filesystem::last_write_time(match_file_path(*game)), written) << "written again as it ended";

  next_run();
  ASSERT_TRUE(resume_item()->isEnabled());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(game->pos.board, board);
  EXPECT_EQ(game->pos.turn, -1);
  EXPECT_FALSE(resume_item()->isEnabled());
}

}  // namespace
}  // namespace velmora::platform::testing
