// 対局解析 in the session: the review runs aside and is kept for the list it
// judged, its marks and best moves reach the list and the board, the text
// export gains them, and a stopped review keeps nothing.
#include "assist/match_review.h"

#include "assist/move_list_panel.h"
#include "assist/record_text.h"
#include "match/match_fixture.h"
#include "record/replay.h"
#include "setup/game_over.h"

namespace velmora::testing {
namespace {

using MatchReviewTest = MatchTest;

TEST_F(MatchReviewTest, IsKeptForTheListItJudgedAndReachesTheListTheBoardAndTheText) {
  start_two_people();
  move(4, 7, 4, 6);
  move(4, 2, 4, 3);
  ReviewProgress progress;
  EXPECT_EQ(review_match(g, progress, 2), ReviewOutcome::Reviewed);
  EXPECT_EQ(t.fakes.clock.runs_aside, 1);
  const GameReview* review = current_review(g);
  ASSERT_NE(review, nullptr);
  ASSERT_EQ(review->moves.size(), 2u);
  EXPECT_EQ(progress.positions_done, 3);
  EXPECT_EQ(review_match(g, progress, 2), ReviewOutcome::AlreadyKept);
  EXPECT_EQ(t.fakes.clock.runs_aside, 1) << "shown again at once";

  clear_logs();
  frame_best_move(g, 1);
  ASSERT_EQ(t.fakes.screen.ops_of(DrawOp::Outline).size(), 2u);
  const std::string text = record_text(g);
  EXPECT_NE(text.find("最善"), std::string::npos) << text;
  EXPECT_NE(text.find("解析：先手"), std::string::npos) << text;
  EXPECT_EQ(main_army_chances(*review).size(), 3u);

  reverse_click(g);  // 反転 turns every slot of the list, keeping its length
  EXPECT_EQ(current_review(g), nullptr);
  reverse_click(g);
  EXPECT_NE(current_review(g), nullptr) << "turned back, the list is the one judged";

  move(3, 7, 3, 6);  // the list changes: the review no longer stands for it
  EXPECT_EQ(current_review(g), nullptr);
  EXPECT_FALSE(row_mark(g, 1).has_value());
  EXPECT_EQ(record_text(g).find("最善"), std::string::npos);
}

TEST_F(MatchReviewTest, AStoppedReviewKeepsNothingAndAnEmptyListIsTold) {
  start_two_people();
  ReviewProgress progress;
  EXPECT_EQ(review_match(g, progress, 1), ReviewOutcome::NothingToReview);
  EXPECT_EQ(box_texts().size(), 1u);
  move(4, 7, 4, 6);
  t.fakes.clock.stop_runs_aside = true;  // Esc as the review begins
  EXPECT_EQ(review_match(g, progress, 1), ReviewOutcome::Stopped);
  EXPECT_EQ(current_review(g), nullptr);
  t.fakes.clock.stop_runs_aside = false;
  ReviewProgress cancelled;
  cancelled.stop = true;  // the Cancel button
  EXPECT_EQ(review_match(g, cancelled, 1), ReviewOutcome::Stopped);
  EXPECT_EQ(current_review(g), nullptr);
}

// After the match has ended and a new game was set up, the list reviewed is
// stepped through as a loaded record: a row shows its position and move
// text, and the review lets the chess army drop as the match was played.
TEST_F(MatchReviewTest, AFinishedMatchIsBrowsedAsALoadedRecord) {
  on_menu(g, MenuItem::CHESS_MOCHIKOMA);
  start_two_people();
  move(4, 7, 4, 6);
  move(4, 2, 4, 3);
  move(3, 7, 3, 6);
  const MoveList played = g.pos.history;
  t.fakes.dialogs.yes_no_answers = {Answer::Yes};
  終了(g, "先手");                        // 続けますか？ Yes: a new game
  on_menu(g, MenuItem::CHESS_MOCHIKOMA);  // the option is off by now
  ReviewProgress progress;
  ASSERT_EQ(review_match(g, progress, 1), ReviewOutcome::Reviewed);
  EXPECT_TRUE(g.assist.review.game.chess_drops);
  clear_logs();
  go_to_move(g, 2);
  frame_best_move(g, 2);
  EXPECT_TRUE(box_texts().empty()) << box_texts().front();
  EXPECT_TRUE(g.record_mode);
  EXPECT_EQ(g.pos.board, played.slot(2).board);
  EXPECT_TRUE(g.view.shown.enemy_move.shown) << "move 2's text beside the board";
  EXPECT_GE(t.fakes.screen.ops_of(DrawOp::Outline).size(), 2u) << "its best move framed";
  go_to_move(g, 0);
  EXPECT_EQ(g.pos.board, played.slot(0).board);
  ASSERT_NE(current_review(g), nullptr) << "the review still stands for the list";
}

TEST(ReviewProgressText, TellsThePositionAndTheTimeLeftAtThePaceSoFar) {
  EXPECT_EQ(progress_text(0, 49, 0), "1 / 49 局面を解析中　残り 5 秒") << "each position's time before any pace";
  EXPECT_EQ(progress_text(10, 50, 2.0), "11 / 50 局面を解析中　残り 8 秒");
  EXPECT_EQ(progress_text(48, 49, 0.1), "49 / 49 局面を解析中　残り 1 秒") << "never 0 while one is left";
}

}  // namespace
}  // namespace velmora::testing
