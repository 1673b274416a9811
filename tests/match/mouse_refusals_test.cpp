// Clicks that the mouse input refuses or ignores: the board, the hands and
// the turn stay as they were.
#include "match_fixture.h"

namespace velmora {
namespace {

using testing::MatchTest;

class MouseRefusals : public MatchTest {};

TEST_F(MouseRefusals, BeforeAnyMatchEveryClickAsksToStartOne) {
  const Board before = g.pos.board;
  const std::vector<std::pair<int, int>> cells{{2, 7}, {5, 5}, {15, 3}, {-1, 5}, {0, 0}, {20, 20}};
  for (auto [x, y] : cells) click(x, y);
  EXPECT_EQ(refusals(), 6);
  ASSERT_EQ(box_texts(), std::vector<std::string>(6, "「対局」で始めて下さい"));
  EXPECT_EQ(last_box_title(), "開始");
  EXPECT_EQ(g.pos.board, before);
  EXPECT_EQ(g.sel.selection_state, 0);
  EXPECT_EQ(g.pos.turn, 0);
}

TEST_F(MouseRefusals, EveryClickClosesTheRecordPanel) {
  click(2, 7);
  EXPECT_TRUE(dialog_called("set_record_lists_visible 000"));
  EXPECT_TRUE(dialog_called("set_record_fields_visible 0"));
}

TEST_F(MouseRefusals, WhileARecordIsShownYesKeepsIt) {
  start_two_people();
  g.record_mode = 1;
  g.pos.board(5, 5) = -KIN;
  t.fakes.dialogs.yes_no_answers = {Answer::Yes};
  click(2, 7);
  ASSERT_EQ(box_texts(), std::vector<std::string>{"棋譜を '進 'で進めて下さい"});
  EXPECT_EQ(last_box_title(), "棋譜");
  EXPECT_EQ(t.fakes.dialogs.boxes.back().buttons, Buttons::YesNo);
  EXPECT_EQ(refusals(), 0);
  EXPECT_EQ(g.record_mode, 1);
  EXPECT_EQ(g.pos.board(5, 5), -KIN);
  EXPECT_EQ(g.sel.selection_state, 0);
}

TEST_F(MouseRefusals, WhileARecordIsShownNoReturnsToTheStart) {
  start_two_people();
  g.record_mode = 1;
  g.pos.board(5, 5) = -KIN;
  t.fakes.dialogs.yes_no_answers = {Answer::No};
  click(5, 5);
  EXPECT_EQ(refusals(), 1);
  EXPECT_EQ(g.record_mode, 0);
  EXPECT_EQ(g.pos.turn, 0);
  EXPECT_EQ(g.pos.board(5, 5), EMPTY);
  EXPECT_EQ(g.pos.board(5, 9), -OU);
}

TEST_F(MouseRefusals, IllegalDestinationDropsTheSelection) {
  start_two_people();
  click(2, 7);
  ASSERT_EQ(g.sel.selection_state, 1);
  click(2, 5);
  EXPECT_EQ(refusals(), 1);
  EXPECT_TRUE(box_texts().empty());
  EXPECT_EQ(g.sel.selection_state, 0);
  EXPECT_EQ(outline_colour(2, 7), g.view.frame_colour);
  // The piece must be picked up again: a click on its square alone moves nothing.
  click(2, 6);
  EXPECT_EQ(g.pos.board(2, 6), EMPTY);
  EXPECT_EQ(g.pos.board(2, 7), -HU);
  EXPECT_EQ(g.pos.move_number, 0);
}

TEST_F(MouseRefusals, ClicksOnNothingAreIgnoredSilently) {
  start_two_people();
  click(5, 5);                                  // empty square, nothing selected
  click(12, 5);                                 // between the own hand columns
  click(11, 5);                                 // own chess-pawn slot, empty
  click(-1, 5);                                 // enemy hand of the chess army, barred
  click(10, 10);                                // below the board
  on_mouse_down(g, MOUSE_LEFT, 0, 3095, 1000);  // 100 twips left of the board: column 0
  EXPECT_EQ(refusals(), 0);
  EXPECT_TRUE(box_texts().empty());
  EXPECT_EQ(g.sel.selection_state, 0);
  EXPECT_EQ(g.pos.move_number, 0);
}

TEST_F(MouseRefusals, AnEmptyHandSlotKeepsTheSelection) {
  start_two_people();
  click(2, 7);
  click(11, 9);
  EXPECT_EQ(g.sel.selection_state, 1);
  EXPECT_EQ(g.sel.from.x, 2);
  EXPECT_EQ(g.sel.from.y, 7);
}

TEST_F(MouseRefusals, ChessDropsOffBarTheHandsThatCannotDrop) {
  give_own(HU);
  give_own(HEISI);
  give_enemy(HU);
  start_two_people();
  for (auto [x, y] : std::vector<std::pair<int, int>>{{15, 3}, {13, 4}, {-5, 7}}) {
    click(x, y);
    EXPECT_EQ(g.sel.selection_state, 0) << x << "," << y;
    EXPECT_NE(g.sel.from.x, x) << x << "," << y;
  }
  on_menu(g, MenuItem::CHESS_MOCHIKOMA);
  click(15, 3);
  EXPECT_EQ(g.sel.selection_state, 1);
  EXPECT_EQ(g.sel.sel_code, -HU);
}

TEST_F(MouseRefusals, AfterAFlipOnlyTheMainArmysChessSlotsAreOffered) {
  set_position({{5, 9, -KING}, {5, 1, +OU}});
  give_own(ROOK);
  give_enemy(PORN);
  give_enemy(HU);
  start_two_people();
  ASSERT_EQ(g.pos.chess_sign, -1);
  click(11, 6);
  EXPECT_NE(g.sel.from.x, 11);
  // The main army on top offers its captured chess pieces only.
  click(-5, 7);
  EXPECT_NE(g.sel.from.x, -5);
  click(-1, 5);
  EXPECT_EQ(g.sel.from.x, -1);
  EXPECT_EQ(g.sel.sel_code, +PORN);
  EXPECT_EQ(g.sel.selection_state, 1);  // the main army on top opens the match
}

TEST_F(MouseRefusals, ASelectionWhosePieceWasExchangedIsNotMoved) {
  start_two_people();
  click(4, 9);  // -TUKAE under 日本
  on_menu(g, MenuItem::KANKOKU);
  ASSERT_EQ(g.pos.board(4, 9), -KIN);
  click(5, 8);  // a step the guard could make
  EXPECT_EQ(g.pos.board(5, 8), EMPTY);
  EXPECT_EQ(g.pos.board(4, 9), -KIN);
  EXPECT_EQ(g.pos.move_number, 0);
}

TEST_F(MouseRefusals, ADropKeepsTheTwoPawnRuleAfterTheNationChanged) {
  on_menu(g, MenuItem::CHESS_MOCHIKOMA);
  give_own(HU);
  start_two_people();
  click(15, 3);  // the pawn in hand; under 日本 the pawns stand in the even columns
  ASSERT_EQ(g.sel.selection_state, 1);
  on_menu(g, MenuItem::KANKOKU);  // now they stand in the odd columns
  ASSERT_EQ(g.pos.board(1, 7), -HU);
  click(1, 5);
  EXPECT_EQ(g.pos.board(1, 5), EMPTY);
  EXPECT_EQ(g.pos.hand_own[hand_index_of(HU)], 1);
  EXPECT_EQ(g.pos.move_number, 0);
  EXPECT_EQ(refusals(), 1);
}

}  // namespace
}  // namespace velmora
