// Playing with the mouse in the real window, and what the window then shows.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "computer/strong_player.h"
#include "platform/view_menu.h"
#include "view/pictures.h"
#include "view/twips.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

using PlayTest = WindowTest;

// Board square (x, y) shows shade 1 where x + y is even.
QImage expected_cell(int code, int x, int y) {
  const QString name =
      QStringLiteral("%1_%2").arg(QString::fromStdString(picture_array_name(code))).arg((x + y) % 2 == 0 ? 1 : 0);
  return resource_picture(name).copy(1, 1, 32, 40);
}

TEST_F(PlayTest, ClicksMakeAMoveBetweenTwoPeople) {
  choose(MenuItem::MATCH_MAN);
  ASSERT_EQ(answerer->boxes.size(), 1u);
  EXPECT_EQ(answerer->boxes[0].text, "先手の番です");
  ASSERT_EQ(game->pos.board.at(2, 7), -HU);

  click_cell(2, 7);
  click_cell(2, 6);

  EXPECT_EQ(game->pos.board.at(2, 6), -HU);
  EXPECT_EQ(game->pos.board.at(2, 7), EMPTY);
  EXPECT_EQ(game->pos.move_number, 1);
  EXPECT_EQ(differing_pixels(cell_inside(2, 6), expected_cell(-HU, 2, 6)), 0);
  EXPECT_EQ(differing_pixels(cell_inside(2, 7), expected_cell(EMPTY, 2, 7)), 0);
}

TEST_F(PlayTest, ClicksLandOnTheirSquaresInAnEnlargedWindow) {
  choose(MenuItem::MATCH_MAN);
  window->resize(window->size() * 2);
  QTest::qWait(50);
  ASSERT_GT(window->canvas().drawing_rect().width(), 1.8 * window->canvas().sizeHint().width());

  click_cell(2, 7);
  click_cell(2, 6);
  EXPECT_EQ(game->pos.board.at(2, 6), -HU);
}

TEST_F(PlayTest, TheMiddleButtonActsAsTheLeftOne) {
  choose(MenuItem::MATCH_MAN);
  click_cell(2, 7, Qt::MiddleButton);
  click_cell(2, 6, Qt::MiddleButton);
  EXPECT_EQ(game->pos.board.at(2, 6), -HU);
}

TEST_F(PlayTest, EveryBoardSquareShowsThePictureOfItsPiece) {
  choose(MenuItem::MATCH_MAN);
  const int moves[][4] = {{2, 7, 2, 6}, {3, 2, 3, 3}, {7, 7, 7, 6}, {5, 2, 5, 4}};
  for (const auto& m : moves) {
    click_cell(m[0], m[1]);
    click_cell(m[2], m[3]);
  }
  ASSERT_EQ(game->pos.move_number, 4);
  EXPECT_EQ(differing_pixels(cell_inside(2, 6), expected_cell(-HU, 2, 6)), 0);
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      EXPECT_EQ(differing_pixels(cell_inside(x, y), expected_cell(game->pos.board.at(x, y), x, y)), 0)
          << "square " << x << "," << y;
    }
  }
  // A look at the whole window, for the eye.
  const QByteArray screenshot = qgetenv("VELMORA_SCREENSHOT");
  if (!screenshot.isEmpty()) window->grab().save(QString::fromLocal8Bit(screenshot));
}

TEST_F(PlayTest, TheComputerAnswersAMoveInTheWindow) {
  choose(MenuItem::START2);
  ASSERT_FALSE(answerer->boxes.empty());
  EXPECT_EQ(answerer->boxes.back().text, "MANの番です");
  const Board before = game->pos.board;

  click_cell(2, 7);
  click_cell(2, 6);

  EXPECT_EQ(game->pos.move_number, 2);
  EXPECT_EQ(game->pos.turn, game->pos.chess_sign) << "the person's turn again";
  int changed = 0;
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      changed += game->pos.board.at(x, y) != before.at(x, y) ? 1 : 0;
      EXPECT_EQ(differing_pixels(cell_inside(x, y), expected_cell(game->pos.board.at(x, y), x, y)), 0)
          << "square " << x << "," << y;
    }
  }
  EXPECT_GE(changed, 4) << "the person's pawn and the computer's piece both moved";
}

TEST_F(PlayTest, ClicksMadeWhileTheComputerMovesAreDropped) {
  choose(MenuItem::START2);
  const Board before = game->pos.board;
  bool clicked = false;
  // Runs at the first moment the window takes events: in the computer's animation.
  QTimer::singleShot(0, [&] {
    click_cell(4, 7);
    click_cell(4, 6);
    clicked = true;
  });
  click_cell(2, 7);
  click_cell(2, 6);
  ASSERT_TRUE(clicked);
  EXPECT_EQ(game->pos.move_number, 2);
  EXPECT_EQ(game->pos.board.at(4, 7), before.at(4, 7));

  click_cell(4, 7);  // once the computer has moved, clicks count again
  EXPECT_EQ(game->sel.selection_state, 1);
}

// A match against level 4, with something done while the computer thinks.
class LevelFourTest : public WindowTest {
 protected:
  // Starts the match, makes the person's first move and runs `act` once the
  // window takes events while the computer thinks (its move not yet made).
  void move_and_meanwhile(const std::function<void()>& act) {
    choose(MenuItem::LEVEL4);
    choose(MenuItem::START2);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (game->pos.move_number != 1) return;
      poll.stop();
      acted = true;
      act();
    });
    poll.start(20);
    click_cell(2, 7);
    click_cell(2, 6);
  }
  bool acted = false;
};

// Level 4 thinks on a thread of its own: the window goes on taking events
// meanwhile; a command chosen then waits until the computer has moved.
TEST_F(LevelFourTest, TheComputerAnswersWhileTheWindowStaysAlive) {
  move_and_meanwhile([&] {
    choose(MenuItem::LEVEL2);
    EXPECT_EQ(game->com.com_level, STRONG_LEVEL) << "not yet";
  });
  EXPECT_TRUE(acted);
  EXPECT_EQ(game->pos.move_number, 2);
  EXPECT_EQ(game->pos.turn, game->pos.chess_sign);
  EXPECT_EQ(game->com.com_level, 2);
  EXPECT_TRUE(window->action(MenuItem::LEVEL2)->isChecked());
}

// Esc (true) and closing the window (false) stop the search at once; its
// move is not played and the program ends.
class StopWhileThinking : public LevelFourTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StopWhileThinking, EndsTheProgramWithoutTheComputersMove) {
  move_and_meanwhile([&] {
    if (GetParam())
      QTest::keyClick(&window->canvas(), Qt::Key_Escape);
    else
      window->close();
  });
  EXPECT_TRUE(acted);
  EXPECT_TRUE(game->program_ended);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(game->pos.move_number, 1);
}

INSTANTIATE_TEST_SUITE_P(EscapeOrClose, StopWhileThinking, ::testing::Bool());

// 待った while level 4 thinks stops the search and takes the person's move
// back; the computer's reply is never played.
TEST_F(LevelFourTest, TakeBackStopsTheSearchAndTakesThePersonsMoveBack) {
  const Board start = game->pos.board;
  move_and_meanwhile([&] { desktop->view_menu().find("TAKE_BACK")->trigger(); });
  EXPECT_TRUE(acted);
  EXPECT_EQ(game->pos.move_number, 0);
  EXPECT_EQ(game->pos.history.record_length, 1) << "no reply in the move list";
  EXPECT_EQ(game->pos.turn, game->pos.chess_sign);
  EXPECT_EQ(game->pos.board, start);
  EXPECT_FALSE(game->program_ended);
}

// Clicks made while level 4 thinks are dropped, as during the other levels.
TEST_F(LevelFourTest, ClicksMadeWhileItThinksAreDropped) {
  const Board start = game->pos.board;
  move_and_meanwhile([&] {
    click_cell(4, 7);
    click_cell(4, 6);
  });
  EXPECT_EQ(game->pos.move_number, 2);
  EXPECT_EQ(game->pos.board.at(4, 7), start.at(4, 7));
  EXPECT_EQ(game->sel.selection_state, 0);
}

// The hint at level 4 searches off the window's thread too: the window takes
// events meanwhile, and Esc stops the search (no frame is drawn, the program
// ends); left alone, it frames its move.
class LevelFourHintTest : public LevelFourTest, public ::testing::WithParamInterface<bool> {};

TEST_P(LevelFourHintTest, SearchesWhileTheWindowTakesEvents) {
  const bool escape = GetParam();
  choose(MenuItem::LEVEL4);
  choose(MenuItem::MATCH_MAN);
  QTimer meanwhile;
  meanwhile.setSingleShot(true);
  QObject::connect(&meanwhile, &QTimer::timeout, [&] {
    acted = true;
    if (escape) QTest::keyClick(&window->canvas(), Qt::Key_Escape);
  });
  meanwhile.start(0);
  desktop->view_menu().find("HINT")->trigger();
  EXPECT_TRUE(acted) << "the window took events while the hint was searched";
  EXPECT_EQ(game->program_ended, escape);
  const QImage& image = window->canvas().image();
  int hint_pixels = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) hint_pixels += image.pixelColor(x, y) == QColor(0, 255, 255) ? 1 : 0;
  EXPECT_EQ(hint_pixels > 0, !escape);
}

INSTANTIATE_TEST_SUITE_P(EscapeOrNot, LevelFourHintTest, ::testing::Bool());

TEST_F(PlayTest, TheWindowKeepsItsPictureWhenRepainted) {
  const QImage before = window->canvas().image().copy();
  window->canvas().repaint();
  window->hide();
  window->show();
  EXPECT_EQ(differing_pixels(window->canvas().image(), before), 0);
  EXPECT_EQ(differing_pixels(cell_inside(5, 9), expected_cell(game->pos.board.at(5, 9), 5, 9)), 0);
}

TEST_F(PlayTest, EscapeEndsTheProgramAndClosesTheWindow) {
  choose(MenuItem::MATCH_MAN);
  window->canvas().setFocus();
  QTest::keyClick(&window->canvas(), Qt::Key_Escape);
  EXPECT_TRUE(game->program_ended);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(PlayTest, ClosingTheWindowEndsTheProgram) {
  window->close();
  EXPECT_TRUE(game->program_ended);
}

TEST_F(PlayTest, AWindowClosedDuringAnEventClosesWhenTheEventIsOver) {
  window->dispatch([&](Game& g) {
    window->close();
    EXPECT_FALSE(g.program_ended) << "the running event goes on undisturbed";
    EXPECT_TRUE(window->isVisible());
  });
  EXPECT_TRUE(game->program_ended);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(PlayTest, EscapeInARecordListEndsTheProgram) {
  choose(MenuItem::KIFU_READ);
  QListWidget* files = window->record_panel().file_list();
  ASSERT_TRUE(files->isVisibleTo(window));
  files->setFocus();
  QTest::keyClick(files, Qt::Key_Escape);
  EXPECT_TRUE(game->program_ended);
}

TEST_F(PlayTest, EscapeInATextFieldLeavesTheGameRunning) {
  choose(MenuItem::KIFU_WRITE);
  QLineEdit* file_name = window->record_panel().text_field(1);
  ASSERT_TRUE(file_name->isVisibleTo(window));
  file_name->setFocus();
  QTest::keyClick(file_name, Qt::Key_Escape);
  EXPECT_FALSE(game->program_ended);
}

}  // namespace
}  // namespace velmora::platform::testing

namespace velmora::platform::testing {
namespace {

// A large screen: the window twice as large, its picture rendered twice as fine.
class ZoomedPlayTest : public WindowTest {
 protected:
  DisplayScale display() const override { return DisplayScale{2.0, 2}; }
};

TEST_F(ZoomedPlayTest, TheWholeWindowGrowsAndClicksStillFindTheirSquares) {
  EXPECT_EQ(window->size(), QSize(pixel(2 * 11600), pixel(2 * 8500)));
  EXPECT_EQ(window->canvas().image().size(), QSize(2 * 773, 2 * 567));
  EXPECT_DOUBLE_EQ(window->canvas().widget_scale(), 2.0);

  choose(MenuItem::MATCH_MAN);
  click_cell(2, 7);
  click_cell(2, 6);
  EXPECT_EQ(game->pos.board.at(2, 6), -HU);

  // The board's outlines stay one screen pixel of the zoomed window wide (two image pixels).
  const QImage& image = window->canvas().image();
  const int left = 2 * pixel(BOARD_LEFT + 3 * SQUARE_WIDTH), top = 2 * pixel(BOARD_TOP + 4 * SQUARE_HEIGHT);
  const QColor frame = image.pixelColor(left, top + 20);
  EXPECT_EQ(image.pixelColor(left + 1, top + 20), frame);
  EXPECT_NE(image.pixelColor(left + 2, top + 20), frame);
}

TEST_F(ZoomedPlayTest, MenusAndMessageBoxesGrowWithTheZoom) {
  const double points = QApplication::font().pointSizeF();
  EXPECT_DOUBLE_EQ(window->menuBar()->font().pointSizeF(), 2 * points);
  EXPECT_DOUBLE_EQ(window->action(MenuItem::OPTION)->menu()->font().pointSizeF(), 2 * points);
  choose(MenuItem::MATCH_MAN);
  ASSERT_EQ(answerer->boxes.size(), 1u);
  EXPECT_DOUBLE_EQ(answerer->boxes[0].font_points, 2 * points);
}

}  // namespace
}  // namespace velmora::platform::testing
