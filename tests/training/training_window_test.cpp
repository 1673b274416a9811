// 練習問題 in the window: a position of the collection is shown with its side
// to move at the bottom, a wrong answer is told and booked as missed, the
// hint frames the piece and then its square, the right answer is played and
// told, the solution steps its line, and the match set aside comes back as it
// was, the kept match untouched. A restart reads the results back and asks
// the missed position again once it is due.
#include <filesystem>

#include "assist/hint.h"
#include "assist/match_review.h"
#include "match/match_fixture.h"
#include "text/text_files.h"
#include "training/training_session.h"

namespace velmora::testing {
namespace {

const SearchMove GOLD_TAKES(square_of(5, 7), square_of(5, 6), -KIN, -KIN);
const SearchMove PAWN_ON(square_of(1, 7), square_of(1, 6), -HU, -HU);
const SearchMove QUEEN_BACK(square_of(5, 4), square_of(5, 1), QEEN, QEEN);

class TrainingWindowTest : public MatchTest {
 protected:
  std::int64_t now = 1'700'000'000;
  TrainingSession session;

  void SetUp() override {
    MatchTest::SetUp();
    session.now = [this] { return now; };
  }

  // The gold can take the queen; the main army to move at the bottom.
  static TrainingPosition gold_takes_queen() {
    TrainingPosition p;
    for (const Placed& q :
         {Placed{5, 9, -OU}, Placed{5, 7, -KIN}, Placed{5, 6, QEEN}, Placed{9, 1, KING}, Placed{1, 7, -HU}})
      p.setup.board(q.x, q.y) = q.code;
    p.setup.side_to_move = -1;
    p.answer = GOLD_TAKES;
    p.played = PAWN_ON;
    p.line = {GOLD_TAKES};
    p.margin = 0.4;
    return p;
  }
  // The chess army at the top is to move: its queen on 5,4 can go back to 5,1.
  static TrainingPosition queen_back_at_top() {
    TrainingPosition p;
    for (const Placed& q : {Placed{5, 9, -OU}, Placed{5, 4, QEEN}, Placed{9, 1, KING}})
      p.setup.board(q.x, q.y) = q.code;
    p.setup.side_to_move = +1;
    p.answer = QUEEN_BACK;
    p.played = QUEEN_BACK;
    p.line = {QUEEN_BACK};
    p.main_army = false;
    return p;
  }
  void write_collection(const std::vector<TrainingPosition>& positions) {
    TrainingCollection c;
    ASSERT_EQ(add_positions(c, positions), static_cast<int>(positions.size()));
    ASSERT_TRUE(replace_file(training_path(g), format_collection(c)));
  }
  TrainingCollection file_collection() {
    return parse_collection(read_whole_file(training_path(g), 1 << 20).value()).value();
  }
};

TEST_F(TrainingWindowTest, AWrongAnswerIsMissedTheHintFramesTheRightOneIsPlayedAndTheMatchComesBack) {
  write_collection({gold_takes_queen()});
  set_position({{5, 9, -OU}, {5, 1, KING}, {2, 7, -HU}});
  start_two_people();
  move(2, 7, 2, 6);
  const Position match = g.pos;
  const ResumeState resume = g.resume;
  clear_logs();

  open_training(g, session);
  ASSERT_TRUE(training_on(session));
  EXPECT_EQ(g.pos.board(5, 6), QEEN);
  EXPECT_TRUE(g.resume.frozen) << "the kept match is not written meanwhile";
  move(1, 7, 1, 6);
  EXPECT_EQ(box_texts(), std::vector<std::string>{"不正解です"});
  EXPECT_EQ(g.pos.board(1, 7), -HU) << "a wrong answer is not played";
  TrainingEntry booked = file_collection().entries.at(0);
  EXPECT_EQ(booked.missed, 1);
  EXPECT_EQ(booked.due, now + BOX_WAIT_SECONDS[0]);

  training_hint(g, session);
  EXPECT_EQ(outline_colour(5, 7), HINT_FRAME_COLOUR);
  EXPECT_NE(t.fakes.screen.last_outline_at_cell(5, 6)->colour, HINT_FRAME_COLOUR);
  training_hint(g, session);
  EXPECT_EQ(outline_colour(5, 6), HINT_FRAME_COLOUR);
  clear_logs();
  move(5, 7, 5, 6);
  EXPECT_EQ(box_texts(), std::vector<std::string>{"正解です"});
  EXPECT_EQ(g.pos.board(5, 6), -KIN);
  EXPECT_EQ(g.view.shown.move_count, 1) << "the position's moves are counted from 1";
  EXPECT_EQ(file_collection().entries.at(0).missed, 1) << "only the first answer counts";
  EXPECT_EQ(training_status(session), "解けた 0  間違えた 1  復習 0 / 1");

  close_training(g, session);
  EXPECT_FALSE(training_on(session));
  EXPECT_EQ(g.pos, match);
  EXPECT_EQ(g.com.move_counter, 1);
  EXPECT_FALSE(g.resume.frozen);
  EXPECT_EQ(g.resume.keeping, resume.keeping);
  EXPECT_EQ(g.game_mode, MODE_MAN);
}

TEST_F(TrainingWindowTest, ThePositionIsTurnedToTheBottomAndTheSolutionStepsItsLine) {
  write_collection({queen_back_at_top()});
  open_training(g, session);
  ASSERT_TRUE(training_on(session));
  EXPECT_EQ(g.pos.board(5, 6), -QEEN) << "the side to move plays from the bottom";
  EXPECT_EQ(g.pos.board(5, 1), OU);
  EXPECT_EQ(g.pos.chess_sign, -1);
  show_solution(g, session);
  EXPECT_EQ(g.pos.board(5, 9), -QEEN);
  EXPECT_GE(t.fakes.clock.waited, SOLUTION_STEP_SECONDS);
  EXPECT_EQ(file_collection().entries.at(0).missed, 1) << "a solution shown is a miss";
  close_training(g, session);
}

TEST_F(TrainingWindowTest, ARestartReadsTheResultsAndAsksTheMissedPositionOnceItIsDue) {
  write_collection({gold_takes_queen(), queen_back_at_top()});
  open_training(g, session);
  move(5, 7, 5, 6);  // solved
  next_training_position(g, session);
  show_solution(g, session);  // missed
  clear_logs();
  next_training_position(g, session);
  EXPECT_EQ(box_texts(), std::vector<std::string>{"今は復習する局面がありません"});
  close_training(g, session);

  TrainingSession restarted;
  restarted.now = [this] { return now + BOX_WAIT_SECONDS[0]; };
  load_training(g, restarted);
  EXPECT_EQ(training_status(restarted), "解けた 1  間違えた 1  復習 1 / 2");
  open_training(g, restarted);
  EXPECT_EQ(g.pos.board(5, 6), -QEEN) << "the missed one is asked again";
  close_training(g, restarted);

  TrainingSession filtered;
  filtered.now = restarted.now;
  set_training_filter(g, filtered, {TrainingArmy::Main, TrainingFilter::Drops::Any});
  load_training(g, filtered);
  EXPECT_EQ(training_status(filtered), "解けた 1  間違えた 0  復習 0 / 1");
}

TEST_F(TrainingWindowTest, AReviewOfTheMatchAddsItsClearMistakeOnceAndSaysSo) {
  const TrainingPosition planted = gold_takes_queen();
  set_position({{5, 9, -OU}, {5, 7, -KIN}, {5, 6, QEEN}, {9, 1, KING}, {1, 7, -HU}});
  start_two_people();
  move(1, 7, 1, 6);  // the pawn steps on while the gold could take the queen
  ReviewProgress progress;
  ASSERT_EQ(review_match(g, progress, 1), ReviewOutcome::Reviewed);
  clear_logs();
  ReviewProgress collecting;
  EXPECT_EQ(review_candidates(g), 1);
  EXPECT_EQ(collect_review(g, session, collecting), 1);
  EXPECT_EQ(box_texts(), std::vector<std::string>{"練習問題に 1 局面を加えました"});
  const TrainingCollection kept = file_collection();
  ASSERT_EQ(kept.entries.size(), 1u);
  EXPECT_EQ(kept.entries[0].position.answer, planted.answer);
  EXPECT_EQ(kept.entries[0].position.played, planted.played);
  ReviewProgress again;
  EXPECT_EQ(collect_review(g, session, again), 0) << "a review is collected once";
}

}  // namespace
}  // namespace velmora::testing
