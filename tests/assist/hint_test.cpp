// ヒント: the computer's choice for the side to move, searched on a copy.
#include "assist/hint.h"

#include <tuple>
#include <utility>

#include "match/match_fixture.h"
#include "rules/move_check.h"

namespace velmora::testing {
namespace {

// Everything of a game that play or drawing could change.
auto state_of(const Game& g) {
  const auto& s = g.pos.history.slots;
  return std::make_tuple(g.pos.board, g.pos.hand_own, g.pos.hand_enemy, g.pos.turn, g.pos.move_number,
                         g.pos.history.record_length, g.resume_pending, g.sel.selection_state, g.com.move_counter,
                         g.clock.clock_own_total, g.clock.clock_enemy_total, g.clock.turn_start_time,
                         g.clock.turn_elapsed, g.clock.timer1_enabled,
                         std::vector<HistorySlot>(s.begin(), s.begin() + g.pos.history.record_length + 1));
}

using HintTest = MatchTest;

TEST_F(HintTest, FramesTwoCellsAndLeavesTheGameAsItWas) {
  choose(MenuItem::START2);
  move(4, 7, 4, 6);
  move(3, 7, 3, 6);
  ASSERT_EQ(g.pos.move_number, 4);
  const auto before = state_of(g);
  clear_logs();

  hint_click(g);

  EXPECT_TRUE(before == state_of(g));
  EXPECT_TRUE(t.fakes.sound.calls.empty());
  EXPECT_TRUE(box_texts().empty());
  ASSERT_EQ(t.fakes.screen.ops_of(DrawOp::Outline).size(), 2u);
  EXPECT_EQ(t.fakes.screen.ops.size(), 2u);
  for (const DrawOp& frame : t.fakes.screen.ops) EXPECT_EQ(frame.colour, HINT_FRAME_COLOUR);
}

// For the side at the bottom the board is turned for the search and the
// answer turned back: a legal move of its own piece.
TEST_F(HintTest, IsTheComputersMoveForTheTopAndALegalOneForTheBottom) {
  start_two_people();
  const std::optional<Candidate> bottom = find_hint(g);
  ASSERT_TRUE(bottom.has_value());
  const int piece = g.pos.board(bottom->from.x, bottom->from.y);
  EXPECT_LT(piece, 0);
  EXPECT_EQ(piece, bottom->starting);
  EXPECT_EQ(移動チェック(g.pos, bottom->source_cell(), bottom->to, piece), 1);

  move(4, 7, 4, 6);
  const std::optional<Candidate> top = find_hint(g);
  ASSERT_TRUE(top.has_value());
  choose(MenuItem::START2);  // the computer takes the top side, which is to move
  ASSERT_EQ(g.pos.move_number, 2);
  EXPECT_EQ(g.pos.board(top->from.x, top->from.y), EMPTY);
  EXPECT_EQ(g.pos.board(top->to.x, top->to.y), top->final_code);
}

// The hint is the choice of the level set: here level 3's search and level
// 4's engine (held to four plies, so that its answer does not hang on the
// machine's speed) choose differently.
TEST_F(HintTest, IsTheChoiceOfTheLevelSet) {
  start_two_people();
  move(4, 7, 4, 6);
  g.com.strong_limits.seconds = MAX_MOVE_SECONDS;
  g.com.strong_limits.max_depth = 4;
  const std::pair<MenuItem, Candidate> rows[] = {{MenuItem::LEVEL3, {{4, 2}, {4, 3}, +PORN, +PORN}},
                                                 {MenuItem::LEVEL4, {{5, 2}, {5, 4}, +PORN, +PORN}}};
  for (const auto& [level, choice] : rows) {
    on_menu(g, level);
    EXPECT_EQ(find_hint(g), choice) << "menu item " << static_cast<int>(level);
  }
}

// Level 4's hint searches aside of the window, as its turn does. Stopped (Esc,
// closing, 待った) it shows nothing and makes no sound; failed, the other
// levels' search answers.
TEST_F(HintTest, AtLevelFourSearchesAsideAndMayBeStopped) {
  start_two_people();
  on_menu(g, MenuItem::LEVEL4);
  g.com.strong_limits.max_depth = 2;
  const struct {
    bool stop, fail;
    std::size_t frames;
  } rows[] = {{false, false, 2}, {true, false, 0}, {false, true, 2}};
  for (const auto& row : rows) {
    clear_logs();
    t.fakes.clock.stop_runs_aside = row.stop;
    t.fakes.clock.work_throws = row.fail;
    const int runs = t.fakes.clock.runs_aside;
    hint_click(g);
    EXPECT_EQ(t.fakes.clock.runs_aside, runs + 1);
    EXPECT_EQ(t.fakes.screen.ops_of(DrawOp::Outline).size(), row.frames) << row.stop << row.fail;
    EXPECT_EQ(refusals(), 0);
  }
}

TEST_F(HintTest, WithNoSideToMoveIsRefused) {
  hint_click(g);
  EXPECT_EQ(refusals(), 1);
  EXPECT_TRUE(t.fakes.screen.ops_of(DrawOp::Outline).empty());
}

}  // namespace
}  // namespace velmora::testing
