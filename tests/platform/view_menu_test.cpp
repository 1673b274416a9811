// The menu 表示 and the keys: shortcuts reach the game's handlers, the move
// list panel follows the game and steps to a chosen move, the position is
// exported at the board's size.
#include "platform/view_menu.h"

#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QMenuBar>
#include <QTest>
#include <functional>

#include "platform/board_picture.h"
#include "record/temp_folder.h"
#include "rules/pieces.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

class ViewMenuTest : public WindowTest {
 protected:
  ViewMenu& view() { return desktop->view_menu(); }
  // Two people play three moves: pawns forward, then the chess pawn's double step.
  void play_three_moves() {
    choose(MenuItem::MATCH_MAN);
    for (const auto& [fx, fy, tx, ty] : {std::array{4, 7, 4, 6}, {4, 2, 4, 4}, {3, 7, 3, 6}}) {
      click_cell(fx, fy);
      click_cell(tx, ty);
    }
    ASSERT_EQ(game->move_number, 3);
  }
  // The window is active again, as after a message box on a desktop.
  void press(QKeyCombination keys) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, keys.key(), keys.keyboardModifiers());
  }
};

TEST_F(ViewMenuTest, KeysReachTheirHandlers) {
  play_three_moves();
  const struct {
    QKeyCombination keys;
    std::function<bool()> done;
  } rows[] = {
      {Qt::Key_Left, [&] { return game->move_number == 2; }},
      {Qt::Key_Right, [&] { return game->move_number == 3; }},
      {Qt::CTRL | Qt::Key_Z, [&] { return game->move_number == 2 && game->resume_pending == 0; }},
      {Qt::CTRL | Qt::Key_Y, [&] { return game->move_number == 3; }},
      {Qt::CTRL | Qt::Key_L, [&] { return view().dock().isVisible(); }},
      {Qt::CTRL | Qt::Key_F, [&] { return game->board_flipped == 1; }},
      {Qt::Key_Home, [&] { return game->move_number == 0 && game->turn == 0; }},
      {Qt::CTRL | Qt::Key_S, [&] { return window->record_panel().return_button()->isVisibleTo(window); }},
      {Qt::CTRL | Qt::Key_O, [&] { return window->record_panel().file_list()->isVisibleTo(window); }},
  };
  for (const auto& row : rows) {
    press(row.keys);
    EXPECT_TRUE(row.done()) << QKeySequence(row.keys).toString().toStdString();
  }
  bool about_shown = false;
  answerer->on_dialog = [&](QWidget* modal) {
    about_shown = true;
    modal->close();
  };
  press(Qt::Key_F1);
  EXPECT_TRUE(about_shown);
}

TEST_F(ViewMenuTest, MoveListFillsAndAClickShowsThatPosition) {
  EXPECT_FALSE(view().dock().isVisible());
  view().find("MOVE_LIST")->trigger();
  play_three_moves();
  QListWidget& list = view().dock().list();
  ASSERT_EQ(list.count(), 4);
  EXPECT_EQ(list.item(1)->text(), "  1 ６六 歩");
  EXPECT_EQ(list.currentRow(), 3);

  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, list.visualItemRect(list.item(1)).center());

  EXPECT_EQ(game->move_number, 1);
  EXPECT_EQ(game->board, game->history.slot(1).board);
  EXPECT_EQ(list.currentRow(), 1);
}

TEST_F(ViewMenuTest, PictureHasTheBoardsSizeAtTwiceTheScreenPixels) {
  const QRect area = board_picture_twips();
  const QSize expected(area.width() * 2 / 15, area.height() * 2 / 15);
  EXPECT_EQ(board_picture(*game, desktop->screen()).size(), expected);
  const QString path = folder.filePath(QStringLiteral("局面.png"));
  ASSERT_FALSE(save_board_picture(*game, desktop->screen(), path));
  EXPECT_EQ(QImage(path).size(), expected);
}

// On a full disk the earlier picture stays whole, and the system says why.
TEST_F(ViewMenuTest, APictureThatCannotBeWrittenLeavesTheEarlierOneWhole) {
  const QString path = folder.filePath(QStringLiteral("局面.png"));
  ASSERT_FALSE(save_board_picture(*game, desktop->screen(), path));
  QFile earlier(path);
  ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
  const QByteArray bytes = earlier.readAll();
  earlier.close();
  std::error_code error;
  {
    const velmora::testing::FileSizeLimit limit(bytes.size() / 2);
    error = save_board_picture(*game, desktop->screen(), path);
  }
  EXPECT_EQ(error, std::errc::file_too_large);
  ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
  EXPECT_EQ(earlier.readAll(), bytes);
  EXPECT_TRUE(QDir(folder.path()).entryList({QStringLiteral(".velmora-*")}, QDir::Files | QDir::Hidden).isEmpty());
}

}  // namespace
}  // namespace velmora::platform::testing
