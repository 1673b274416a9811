// A running match across a board flip, and a match started again after
// stepping through the list.
#include "assist/take_back.h"
#include "match_fixture.h"
#include "resume/match_file.h"
#include "setup/new_game.h"

namespace velmora {
namespace {

using FlipAndRestart = testing::MatchTest;

TEST_F(FlipAndRestart, BetweenTwoPeopleTheSameArmyMovesNextFromTheOtherSide) {
  const int moves[][4] = {{2, 7, 2, 6}, {3, 2, 3, 4}, {4, 7, 4, 6}};
  // A pawn of each army after the flip, and a step forward for it.
  const int main_pawn[4] = {4, 3, 4, 4}, chess_pawn[4] = {5, 8, 5, 7};
  for (int played = 1; played <= 3; ++played) {
    初期設定(g);
    start_two_people();
    for (int i = 0; i < played; ++i) move(moves[i][0], moves[i][1], moves[i][2], moves[i][3]);
    const int army_to_move = played % 2 == 0 ? +1 : -1;
    choose(MenuItem::REVERSE);
    EXPECT_EQ(g.pos.turn, army_to_move) << played << " moves";
    const int* waiting = army_to_move == +1 ? chess_pawn : main_pawn;
    const int* moving = army_to_move == +1 ? main_pawn : chess_pawn;
    move(waiting[0], waiting[1], waiting[2], waiting[3]);
    EXPECT_EQ(g.pos.move_number, played) << played << " moves: the waiting army may not move";
    move(moving[0], moving[1], moving[2], moving[3]);
    EXPECT_EQ(g.pos.move_number, played + 1) << played << " moves";
  }
}

TEST_F(FlipAndRestart, AgainstTheComputerItMovesAtOnceWhenTheArmyOnTopIsToMove) {
  choose(MenuItem::START2);
  move(2, 7, 2, 6);
  choose(MenuItem::REVERSE);  // the person's army, to move, goes to the top
  EXPECT_EQ(g.pos.chess_sign, -1);
  EXPECT_EQ(g.pos.move_number, 3);
  EXPECT_GT(g.pos.history.slot(3).move_code, 0) << "the computer moved the main army, now on top";
  EXPECT_EQ(g.pos.turn, g.pos.chess_sign);
}

TEST_F(FlipAndRestart, StartingAMatchLeavesNoSelectionAndNoResumeBehind) {
  choose(MenuItem::START2);
  move(2, 7, 2, 6);
  on_menu(g, MenuItem::REPLAY);  // the computer to move: resume pending
  choose(MenuItem::START2);      // the computer moves at once
  EXPECT_EQ(g.resume_pending, 0);

  const int pawn = g.pos.board(5, 7);
  click(5, 7);
  on_menu(g, MenuItem::MATCH_MAN);
  click(5, 6);  // an empty square: nothing moves
  EXPECT_EQ(g.pos.board(5, 7), pawn);
}

// A take-back hides the last move's text; a flip then leaves it hidden and
// the kept match still reads back.
TEST_F(FlipAndRestart, AFlipAfterATakeBackKeepsAMatchThatReadsBack) {
  start_two_people();
  move(4, 7, 4, 6);
  move(4, 2, 4, 4);
  take_back(g);
  on_menu(g, MenuItem::REVERSE);
  const MatchFileResult read = read_saved_match(format_saved_match(saved_match(g)));
  ASSERT_TRUE(read) << read.error().what;
  EXPECT_EQ(read->shown, g.view.shown);
}

}  // namespace
}  // namespace velmora
