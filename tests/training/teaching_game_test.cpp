// The teaching game against the computer: a move that gives away the
// queen it could have won is offered back with the better move framed, the
// best move is not, and a judgement stopped (Esc while it thinks) offers
// nothing.
#include "training/teaching_game.h"

#include "assist/hint.h"
#include "match/match_fixture.h"

namespace velmora::testing {
namespace {

class TeachingGameTest : public MatchTest {
 protected:
  // Node-limited, so that the judgement is the same on every run.
  TeachingGame teaching{SearchLimits{24 * 3600, 20000, 64, {}}};

  // The gold on 5,7 can take the queen in front of it; the pawn on 1,7 can
  // only step on.
  void start_match() {
    set_position({{5, 9, -OU}, {5, 7, -KIN}, {5, 6, QEEN}, {9, 1, KING}, {1, 7, -HU}, {9, 3, PORN}});
    set_teaching_game(g, teaching, true);
    choose(MenuItem::START2);
    clear_logs();
  }
  int offers() const {
    int n = 0;
    for (const ShownBox& box : t.fakes.dialogs.boxes) n += box.title == TEACHING_TITLE;
    return n;
  }
};

TEST_F(TeachingGameTest, ABlunderIsOfferedBackWithTheBetterMoveFramed) {
  start_match();
  t.fakes.dialogs.yes_no_answers = {Answer::Yes};
  move(1, 7, 1, 6);
  ASSERT_EQ(offers(), 1);
  const ShownBox& box = t.fakes.dialogs.boxes.back();
  EXPECT_EQ(box.buttons, Buttons::YesNo);
  EXPECT_NE(box.text.find("最善 ５六 金"), std::string::npos) << box.text;
  EXPECT_EQ(g.pos.move_number, 0) << "the move and the reply taken back";
  EXPECT_EQ(g.pos.board(1, 7), -HU);
  EXPECT_EQ(outline_colour(5, 7), HINT_FRAME_COLOUR);
  EXPECT_EQ(outline_colour(5, 6), HINT_FRAME_COLOUR);
}

TEST_F(TeachingGameTest, TheBestMoveIsNotOfferedNorAStoppedJudgementNorAMatchWithoutTheOption) {
  start_match();
  move(5, 7, 5, 6);
  EXPECT_EQ(offers(), 0);
  EXPECT_EQ(g.pos.move_number, 2);

  start_match();
  t.fakes.clock.stop_runs_aside = true;  // Esc as the window waits for the judgement
  move(1, 7, 1, 6);
  EXPECT_EQ(offers(), 0);
  t.fakes.clock.stop_runs_aside = false;

  start_match();
  set_teaching_game(g, teaching, false);
  move(1, 7, 1, 6);
  EXPECT_EQ(offers(), 0);
  EXPECT_EQ(g.pos.move_number, 2);
}

}  // namespace
}  // namespace velmora::testing
