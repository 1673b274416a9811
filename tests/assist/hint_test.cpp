// ヒント: the computer's choice for the side to move, searched on a copy.
#include "assist/hint.h"

#include "match/match_fixture.h"
#include "rules/move_check.h"

namespace velmora::testing {
namespace {

// Everything of a game that play or drawing could change.
struct GameState {
  Board board;
  Hand hand_own, hand_enemy;
  int hand_own_total, hand_enemy_total, turn, move_number, record_length, resume_pending, selection_state, move_counter;
  double own_total, enemy_total, turn_start, turn_elapsed;
  bool timer1;
  std::vector<HistorySlot> slots;

  explicit GameState(const Game& g)
      : board(g.board),
        hand_own(g.hand_own),
        hand_enemy(g.hand_enemy),
        hand_own_total(g.hand_own_total),
        hand_enemy_total(g.hand_enemy_total),
        turn(g.turn),
        move_number(g.move_number),
        record_length(g.history.record_length),
        resume_pending(g.resume_pending),
        selection_state(g.sel.selection_state),
        move_counter(g.com.move_counter),
        own_total(g.clock.clock_own_total),
        enemy_total(g.clock.clock_enemy_total),
        turn_start(g.clock.turn_start_time),
        turn_elapsed(g.clock.turn_elapsed),
        timer1(g.clock.timer1_enabled) {
    for (int n = 0; n <= g.history.record_length; ++n) slots.push_back(g.history.slot(n));
  }
  bool operator==(const GameState& o) const {
    const auto same_slot = [](const HistorySlot& a, const HistorySlot& b) {
      return a.board == b.board && a.hand_own == b.hand_own && a.hand_enemy == b.hand_enemy &&
             a.move_code == b.move_code && a.clock_own_after == b.clock_own_after &&
             a.clock_enemy_after == b.clock_enemy_after;
    };
    return board == o.board && hand_own == o.hand_own && hand_enemy == o.hand_enemy &&
           hand_own_total == o.hand_own_total && hand_enemy_total == o.hand_enemy_total && turn == o.turn &&
           move_number == o.move_number && record_length == o.record_length && resume_pending == o.resume_pending &&
           selection_state == o.selection_state && move_counter == o.move_counter && own_total == o.own_total &&
           enemy_total == o.enemy_total && turn_start == o.turn_start && turn_elapsed == o.turn_elapsed &&
           timer1 == o.timer1 && std::equal(slots.begin(), slots.end(), o.slots.begin(), o.slots.end(), same_slot);
  }
};

using HintTest = MatchTest;

TEST_F(HintTest, FramesTwoCellsAndLeavesTheGameAsItWas) {
  on_menu(g, MenuItem::START2);
  move(4, 7, 4, 6);
  move(3, 7, 3, 6);
  ASSERT_EQ(g.move_number, 4);
  const GameState before(g);
  clear_logs();

  hint_click(g);

  EXPECT_TRUE(before == GameState(g));
  EXPECT_TRUE(t.fakes.sound.calls.empty());
  EXPECT_TRUE(box_texts().empty());
  const std::vector<DrawOp> outlines = t.fakes.screen.ops_of(DrawOp::Outline);
  ASSERT_EQ(outlines.size(), 2u);
  EXPECT_EQ(t.fakes.screen.ops.size(), 2u);
  for (const DrawOp& frame : outlines) EXPECT_EQ(frame.colour, HINT_FRAME_COLOUR);
}

TEST_F(HintTest, ForTheSideAtTheTopIsTheMoveTheComputerPlays) {
  start_two_people();
  move(4, 7, 4, 6);
  const std::optional<HintMove> hint = find_hint(g);
  ASSERT_TRUE(hint.has_value());
  const int piece = g.board(hint->from_x, hint->from_y);
  ASSERT_GT(piece, 0);

  on_menu(g, MenuItem::START2);  // the computer takes the top side, which is to move

  ASSERT_EQ(g.move_number, 2);
  EXPECT_EQ(g.board(hint->from_x, hint->from_y), EMPTY);
  EXPECT_GT(g.board(hint->to_x, hint->to_y), 0);
}

TEST_F(HintTest, ForTheSideAtTheBottomIsALegalMoveOfItsOwn) {
  start_two_people();
  const std::optional<HintMove> hint = find_hint(g);
  ASSERT_TRUE(hint.has_value());
  const int piece = g.board(hint->from_x, hint->from_y);
  EXPECT_LT(piece, 0);
  EXPECT_EQ(移動チェック(g, hint->from_x, hint->from_y, hint->to_x, hint->to_y, piece), 1);
}

TEST_F(HintTest, WithNoSideToMoveIsRefused) {
  hint_click(g);
  EXPECT_EQ(refusals(), 1);
  EXPECT_TRUE(t.fakes.screen.ops_of(DrawOp::Outline).empty());
}

}  // namespace
}  // namespace velmora::testing
