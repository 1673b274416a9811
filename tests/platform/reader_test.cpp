// The window as a screen reader meets it: the board is a canvas, T on it
// tells both clocks, every move of either side is announced, and Tab walks
// the board, the move field, the move list and the review in that order.
#include <QAccessible>
#include <QListWidget>
#include <QTest>

#include "platform/move_field.h"
#include "platform/review_panel.h"
#include "view/board_words.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

using ReaderTest = EnglishTest;

TEST_F(ReaderTest, TheBoardIsACanvasThatTellsTheClocksOnT) {
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&window->canvas());
  ASSERT_NE(board, nullptr);
  EXPECT_EQ(board->role(), QAccessible::Canvas);
  game->clock.clock_own_total = 83;
  game->clock.clock_enemy_total = 40;
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  window->canvas().setFocus();
  QTest::keyClick(&window->canvas(), Qt::Key_T);
  EXPECT_EQ(board->text(QAccessible::Name),
            QStringLiteral("Board, Main army's clock: 00:01:23, Chess army's clock: 00:00:40"));
  const QString before_flip = board->text(QAccessible::Name);
  window->findChild<QAction*>(QStringLiteral("REVERSE"))->trigger();
  ASSERT_EQ(game->pos.chess_sign, -1);
  QTest::keyClick(&window->canvas(), Qt::Key_T);
  EXPECT_EQ(board->text(QAccessible::Name), before_flip) << "each army keeps its clock on the turned board";
  choose(MenuItem::MATCH_MAN);
  click_cell(4, 7);
  click_cell(4, 6);
  EXPECT_EQ(board->text(QAccessible::Name), QStringLiteral("Board")) << "a move names the board plainly again";
}

// The board's description is told to the reader whenever it changes; after
// the computer's reply it names that reply.
TEST_F(ReaderTest, TheComputersMoveIsToldAsThePersonsIs) {
  choose(MenuItem::START2);
  click_cell(2, 7);
  click_cell(2, 6);
  ASSERT_EQ(game->pos.move_number, 2);
  const QString told = window->canvas().accessibleDescription();
  EXPECT_TRUE(told.startsWith(QStringLiteral("Main army to move\nLast move: ") + shown(move_notation(*game, 2))))
      << told.toStdString();
}

TEST_F(ReaderTest, TabWalksTheBoardTheFieldTheListAndTheReview) {
  window->findChild<QAction*>(QStringLiteral("MOVE_LIST"))->setChecked(true);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QWidget* list = window->findChild<QListWidget*>();
  QWidget* review = window->findChild<ReviewPanel*>();
  const auto walked = [&] {
    window->canvas().setFocus();
    std::vector<QWidget*> seen;
    for (int i = 0; i < 3; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      seen.push_back(QApplication::focusWidget());
    }
    return seen;
  };
  EXPECT_EQ(walked()[0], list) << "a closed field is passed over";
  window->findChild<QAction*>(QStringLiteral("TYPE_MOVE"))->trigger();
  QWidget* field = &window->findChild<MoveField*>()->line();
  EXPECT_EQ(walked(), (std::vector<QWidget*>{field, list, review}));
}

}  // namespace
}  // namespace velmora::platform::testing
