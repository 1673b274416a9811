// Promotion of the person's moves: the right button promotes shogi pieces,
// a chess pawn reaching its last rows gets the promotion dialog, and a piece
// that must promote is refused with the left button.
#include "match_fixture.h"

namespace velmora {
namespace {

using testing::MatchTest;

class Promotion : public MatchTest {
 protected:
  // Both kings plus `piece`, own side to move.
  void start_with(testing::Placed piece) {
    set_position({{5, 9, -OU}, {5, 1, +KING}, piece});
    start_two_people();
  }
  void expect_refused(const std::string& text, const std::string& title, int fx, int fy, int tx, int ty) {
    EXPECT_EQ(refusals(), 1);
    EXPECT_EQ(box_texts(), std::vector<std::string>{text});
    EXPECT_EQ(last_box_title(), title);
    EXPECT_EQ(g.pos.board(tx, ty), EMPTY);
    EXPECT_NE(g.pos.board(fx, fy), EMPTY);
    EXPECT_EQ(g.pos.move_number, 0);
    EXPECT_EQ(g.sel.selection_state, 1);  // the piece stays selected
    EXPECT_EQ(g.sel.from.x, fx);
  }
};

TEST_F(Promotion, KnightThatMustPromoteIsRefusedWithTheLeftButton) {
  start_with({3, 4, -KEI});
  move(3, 4, 2, 2);
  expect_refused("マウスの右をクリックして下さい", "成り", 3, 4, 2, 2);
  click(2, 2, MOUSE_RIGHT);
  EXPECT_EQ(g.pos.board(2, 2), -KEI_N);
  EXPECT_EQ(g.pos.history.slot(1).move_code, -KEI_N);
}

TEST_F(Promotion, OtherButtonsActLikeTheLeftOne) {
  start_with({3, 4, -KEI});
  move(3, 4, 2, 2, 4);
  expect_refused("マウスの右をクリックして下さい", "成り", 3, 4, 2, 2);
  click(4, 2, 3);
  EXPECT_EQ(refusals(), 2);
  start_with({3, 4, -GIN});
  move(3, 4, 3, 3, 4);
  EXPECT_EQ(g.pos.board(3, 3), -GIN);
}

TEST_F(Promotion, SilverLeavingTheZoneMayPromote) {
  start_with({3, 3, -GIN});
  move(3, 3, 2, 4, MOUSE_RIGHT);
  EXPECT_EQ(g.pos.board(2, 4), -GIN_N);
  start_with({3, 3, -GIN});
  move(3, 3, 2, 4);
  EXPECT_EQ(g.pos.board(2, 4), -GIN);
}

TEST_F(Promotion, EnemyRookPromotesLeavingItsZone) {
  set_position({{5, 9, -OU}, {5, 1, +KING}, {3, 7, +SYA}});
  start_two_people();
  move(5, 9, 4, 9);
  move(3, 7, 3, 4, MOUSE_RIGHT);
  EXPECT_EQ(g.pos.board(3, 4), +SYA_N);
}

TEST_F(Promotion, APawnDroppedWithTheRightButtonStaysAPawn) {
  on_menu(g, MenuItem::CHESS_MOCHIKOMA);
  set_position({{5, 9, -OU}, {5, 1, +KING}});
  give_own(HU);
  start_two_people();
  click(15, 3);
  click(3, 2, MOUSE_RIGHT);
  EXPECT_EQ(g.pos.board(3, 2), -HU);
}

TEST_F(Promotion, PawnPromotionDialogOpensBesideTheWindowForTheSideToMove) {
  start_with({3, 3, -PORN});
  t.fakes.dialogs.promotion_answers = {-QEEN};
  t.fakes.screen.rect = TwipRect{300, 400, 9000, 7000};
  move(3, 3, 3, 2, MOUSE_RIGHT);
  // The own side's dialog opens 7820 right of the window's left edge, 1400 below its top.
  EXPECT_TRUE(dialog_called("promotion_dialog -1 8120 1800"));
  EXPECT_EQ(g.pos.board(3, 2), -QEEN);
  EXPECT_EQ(g.pos.history.slot(1).move_code, -QEEN);
  EXPECT_EQ(times_played(g.sound.snd_chess), 1);
}

TEST_F(Promotion, EnemyPawnDialogOpensOnTheLeft) {
  set_position({{5, 9, -OU}, {5, 1, +KING}, {7, 7, +PORN}});
  start_two_people();
  move(5, 9, 4, 9);
  t.fakes.dialogs.promotion_answers = {+ROOK};
  t.fakes.screen.rect = TwipRect{300, 400, 9000, 7000};
  move(7, 7, 7, 8, MOUSE_RIGHT);
  EXPECT_TRUE(dialog_called("promotion_dialog 1 1850 1800"));
  EXPECT_EQ(g.pos.board(7, 8), +ROOK);
}

TEST_F(Promotion, ChoosingTheKingIsRefused) {
  start_with({3, 3, -PORN});
  t.fakes.dialogs.promotion_answers = {-KING};
  move(3, 3, 3, 2, MOUSE_RIGHT);
  expect_refused("キングには成れません", "エラー", 3, 3, 3, 2);
}

TEST_F(Promotion, APawnMayStayOnItsSecondLastRowButNotOnItsLast) {
  for (int answer : {0, -PORN}) {
    start_with({3, 3, -PORN});
    t.fakes.dialogs.promotion_answers = {answer};
    move(3, 3, 3, 2, MOUSE_RIGHT);
    EXPECT_EQ(g.pos.board(3, 2), -PORN) << answer;

    start_with({3, 2, -PORN});
    t.fakes.dialogs.promotion_answers = {answer};
    move(3, 2, 3, 1, MOUSE_RIGHT);
    expect_refused("別の駒に成って下さい", "エラー", 3, 2, 3, 1);
  }
}

TEST_F(Promotion, TheLeftButtonMovesAPawnWithoutTheDialog) {
  start_with({3, 3, -PORN});
  move(3, 3, 3, 2);
  EXPECT_EQ(g.pos.board(3, 2), -PORN);
  EXPECT_FALSE(dialog_called("promotion_dialog -1 8120 1800"));
  start_with({3, 2, -PORN});
  move(3, 2, 3, 1);
  expect_refused("マウスの右をクリックして下さい", "成り", 3, 2, 3, 1);
}

TEST_F(Promotion, TheChosenPieceKeepsThePawnsSide) {
  start_with({3, 3, -PORN});
  t.fakes.dialogs.promotion_answers = {+KNIG};
  move(3, 3, 3, 2, MOUSE_RIGHT);
  EXPECT_EQ(g.pos.board(3, 2), -KNIG);
}

}  // namespace
}  // namespace velmora
