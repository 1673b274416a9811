// Starting a match from the menu 対局 and opening the menus 対局 and 局面.
#include "match_fixture.h"

namespace velmora {
namespace {

using testing::MatchTest;

class MatchStart : public MatchTest {
 protected:
  // The starting position turned by 180 degrees: the chess army below.
  void flip_board() {
    g.pos.board = turned_board(g.pos.board);
    g.pos.history.slot(0).board = g.pos.board;
  }
};

TEST_F(MatchStart, TwoPeopleStartWithTheMainArmy) {
  t.fakes.clock.now = 42;
  on_menu(g, MenuItem::MATCH_MAN);
  EXPECT_EQ(box_texts(), std::vector<std::string>{"先手の番です"});
  EXPECT_EQ(last_box_title(), " ");
  EXPECT_EQ(g.pos.turn, +1);
  EXPECT_EQ(g.game_mode, MODE_MAN);
  EXPECT_EQ(g.record_mode, 0);
  EXPECT_DOUBLE_EQ(g.clock.turn_start_time, 42);
  EXPECT_TRUE(g.clock.timer1_enabled);  // 経過時間 is on
}

TEST_F(MatchStart, AgainstTheComputerThePersonBelowOpens) {
  g.sel.selection_state = 1;
  g.com.move_counter = 0;
  g.pos.history.record_length = 5;
  g.resume_pending = 1;
  choose(MenuItem::START2);
  EXPECT_EQ(box_texts(), std::vector<std::string>{"MANの番です"});
  EXPECT_EQ(last_box_title(), " ");
  EXPECT_EQ(g.pos.turn, g.pos.chess_sign);
  EXPECT_EQ(g.game_mode, MODE_COM);
  EXPECT_EQ(g.sel.selection_state, 0);
  EXPECT_EQ(g.pos.history.record_length, 0);
  EXPECT_EQ(g.resume_pending, 0);
  EXPECT_EQ(g.pos.move_number, 0);
}

TEST_F(MatchStart, OnlyTheComputerMatchRunsHiddenClocks) {
  on_menu(g, MenuItem::KEIKA);
  ASSERT_FALSE(g.menu.KEIKA);
  on_menu(g, MenuItem::MATCH_MAN);
  EXPECT_FALSE(g.clock.timer1_enabled);
  choose(MenuItem::START2);
  EXPECT_TRUE(g.clock.timer1_enabled);
}

TEST_F(MatchStart, AfterAFlipTheComputerOpensWithTheMainArmy) {
  flip_board();
  choose(MenuItem::START2);
  EXPECT_EQ(g.pos.chess_sign, -1);
  EXPECT_EQ(g.pos.move_number, 1);
  EXPECT_GT(g.pos.history.slot(1).move_code, 0);
  EXPECT_EQ(g.pos.turn, g.pos.chess_sign);
  for (const std::string& text : box_texts()) EXPECT_NE(text, "MANの番です");
}

TEST_F(MatchStart, SwitchingModeMidMatchKeepsThePosition) {
  choose(MenuItem::START2);
  move(2, 7, 2, 6);
  ASSERT_EQ(g.pos.move_number, 2);
  const Board position = g.pos.board;
  clear_logs();
  on_menu(g, MenuItem::MATCH_MAN);
  EXPECT_EQ(box_texts(), std::vector<std::string>{"先手の番です"});
  EXPECT_EQ(g.game_mode, MODE_MAN);
  EXPECT_EQ(g.pos.board, position);
  EXPECT_EQ(g.pos.move_number, 2);
}

TEST_F(MatchStart, OpeningTheMenusClosesTheRecordPanelOnly) {
  for (MenuItem menu : {MenuItem::TAIKYOKU, MenuItem::STOP}) {
    clear_logs();
    const Board before = g.pos.board;
    on_menu(g, menu);
    EXPECT_EQ(t.fakes.dialogs.calls,
              (std::vector<std::string>{"set_record_lists_visible 000", "set_record_fields_visible 0"}));
    EXPECT_TRUE(box_texts().empty());
    EXPECT_TRUE(t.fakes.screen.ops.empty());
    EXPECT_EQ(g.pos.board, before);
    EXPECT_EQ(g.pos.turn, 0);
  }
}

}  // namespace
}  // namespace velmora
