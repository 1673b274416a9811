// Selecting, moving, capturing and dropping with the mouse, and what follows
// a move: the record, the clocks, the other person's turn or the computer's.
#include "match_fixture.h"
#include "rules/turn_order.h"

namespace velmora {
namespace {

using testing::MatchTest;

class Selecting : public MatchTest {
 protected:
  void guidance_on() {
    if (!g.menu.SIDOU) on_menu(g, MenuItem::SIDOU);
    clear_logs();
  }
};

TEST_F(Selecting, OwnPieceIsFramedAndSelected) {
  start_two_people();
  click(2, 7);
  EXPECT_EQ(g.sel.selection_state, 1);
  EXPECT_EQ(g.sel.sel_code, -HU);
  EXPECT_EQ(outline_colour(2, 7), PaletteColour::LightRed);
}

TEST_F(Selecting, GuidanceFramesOnlyTheLegalSquares) {
  guidance_on();
  start_two_people();
  click(2, 7);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const PaletteColour expected = (x == 2 && y == 6)   ? PaletteColour::White
                                     : (x == 2 && y == 7) ? PaletteColour::LightRed
                                                          : PaletteColour::Green;
      EXPECT_EQ(outline_colour(x, y), expected) << x << "," << y;
    }
}

TEST_F(Selecting, OpposingPieceIsShownButNotSelected) {
  guidance_on();
  start_two_people();
  click(3, 2);
  EXPECT_EQ(g.sel.selection_state, 0);
  EXPECT_EQ(outline_colour(3, 2), PaletteColour::White);
  EXPECT_EQ(outline_colour(3, 4), PaletteColour::White);  // its double step
  EXPECT_EQ(outline_colour(3, 5), PaletteColour::Green);
  click(3, 3);
  EXPECT_EQ(g.pos.board(3, 3), EMPTY);
  EXPECT_EQ(g.pos.move_number, 0);
}

TEST_F(Selecting, SecondOwnPieceTakesOverTheSelection) {
  start_two_people();
  click(2, 7);
  click(4, 7);
  EXPECT_EQ(g.sel.selection_state, 1);
  EXPECT_EQ(g.sel.from.x, 4);
  EXPECT_EQ(outline_colour(2, 7), PaletteColour::Green);
  EXPECT_EQ(outline_colour(4, 7), PaletteColour::LightRed);
}

TEST_F(Selecting, ChessPieceTakenFromTheHandIgnoresOwnPiecesWhileChessDropsAreOff) {
  give_own(ROOK);
  give_own(PORN);
  start_two_people();
  click(11, 6);
  click(2, 7);
  EXPECT_EQ(g.sel.from.x, 11);
  EXPECT_EQ(g.sel.sel_code, -ROOK);
  click(11, 5);  // the pawn's slot is not held
  click(2, 7);
  EXPECT_EQ(g.sel.from.x, 2);
  on_menu(g, MenuItem::CHESS_MOCHIKOMA);
  click(11, 6);
  click(2, 7);
  EXPECT_EQ(g.sel.from.x, 2);
}

class Moving : public MatchTest {};

TEST_F(Moving, AMoveIsMadeRecordedAndShown) {
  start_two_people();
  move(2, 7, 2, 6);
  EXPECT_EQ(g.pos.board(2, 6), -HU);
  EXPECT_EQ(g.pos.board(2, 7), EMPTY);
  EXPECT_EQ(g.sel.selection_state, 0);
  EXPECT_EQ(g.pos.move_number, 1);
  EXPECT_EQ(g.com.move_counter, 1);
  const HistorySlot& slot = g.pos.history.slot(1);
  EXPECT_EQ(slot.board, g.pos.board);
  EXPECT_EQ(slot.move_to, (Cell{2, 6}));
  EXPECT_EQ(slot.move_code, -HU);
  EXPECT_EQ(g.pos.history.record_length, 1);
  EXPECT_EQ(t.fakes.sound.played(), std::vector<int>{g.sound.snd_piece});
  EXPECT_EQ(outline_colour(2, 7), PaletteColour::Green);
  EXPECT_FALSE(t.fakes.screen.texts().empty());
  EXPECT_EQ(g.pos.turn, -1);
}

TEST_F(Moving, CaptureFillsTheHandAndTheOtherPersonAnswers) {
  set_position({{5, 9, -OU}, {5, 1, +KING}, {3, 5, -SYA}, {3, 2, +QEEN}});
  start_two_people();
  move(3, 5, 3, 2);
  EXPECT_EQ(g.pos.hand_own[hand_index_of(QEEN)], 1);
  EXPECT_EQ(g.pos.board(3, 2), -SYA);
  EXPECT_EQ(g.pos.turn, -1);
  move(5, 1, 4, 1);
  EXPECT_EQ(g.pos.board(4, 1), +KING);
  EXPECT_EQ(g.pos.turn, +1);
  EXPECT_EQ(g.pos.move_number, 2);
  EXPECT_EQ(times_played(g.sound.snd_chess), 1);
}

TEST_F(Moving, APieceFromTheHandIsDropped) {
  give_own(ROOK);
  start_two_people();
  click(11, 6);
  EXPECT_EQ(outline_colour(11, 6), PaletteColour::LightRed);
  click(5, 5);
  EXPECT_EQ(g.pos.board(5, 5), -ROOK);
  EXPECT_EQ(g.pos.hand_own[hand_index_of(ROOK)], 0);
  EXPECT_EQ(g.pos.hand_own_total(), 0);
  EXPECT_EQ(g.pos.move_number, 1);
}

TEST_F(Moving, TheEnemyDropsFromItsHandWhenChessDropsAreOn) {
  on_menu(g, MenuItem::CHESS_MOCHIKOMA);
  give_enemy(HU);
  start_two_people();
  move(2, 7, 2, 6);
  click(-5, 7);
  EXPECT_EQ(g.sel.selection_state, 1);
  click(2, 5);
  EXPECT_EQ(g.pos.board(2, 5), +HU);
  EXPECT_EQ(g.pos.hand_enemy[hand_index_of(HU)], 0);
}

class TwoPeople : public MatchTest {};

TEST_F(TwoPeople, TakingTheKingNamesTheMainArmyFirstAndYesStartsAfresh) {
  set_position({{5, 9, -OU}, {5, 2, +KING}, {5, 5, -SYA}});
  start_two_people();
  move(5, 5, 5, 2);
  EXPECT_EQ(box_texts(), (std::vector<std::string>{"先手の勝ちです", "続けますか？"}));
  EXPECT_EQ(g.pos.turn, 0);
  EXPECT_EQ(g.pos.board(5, 9), -OU);
  EXPECT_EQ(g.pos.board(5, 5), EMPTY);
  clear_logs();
  click(2, 7);
  EXPECT_EQ(box_texts(), std::vector<std::string>{"「対局」で始めて下さい"});
}

TEST_F(TwoPeople, TheChessArmyTakingTheKingWinsAsSecondAndNoEndsTheProgram) {
  set_position({{5, 8, -OU}, {5, 1, +KING}, {5, 3, +ROOK}, {1, 9, -KYOU}});
  start_two_people();
  move(1, 9, 1, 8);
  t.fakes.dialogs.yes_no_answers = {Answer::No};
  move(5, 3, 5, 8);
  EXPECT_EQ(box_texts(), (std::vector<std::string>{"後手の勝ちです", "続けますか？"}));
  EXPECT_TRUE(g.program_ended);
  EXPECT_EQ(t.fakes.sound.calls.back(), "dsTerminate 100");
}

TEST_F(TwoPeople, AfterAFlipTheWinnerIsNamedByItsArmy) {
  // The chess army sits below and the main army above, which opens the match.
  set_position({{5, 9, -KING}, {5, 1, +OU}, {4, 5, -ROOK}});
  start_two_people();
  move(5, 1, 4, 1);
  move(4, 5, 4, 1);
  ASSERT_FALSE(box_texts().empty());
  EXPECT_EQ(box_texts().front(), "後手の勝ちです");
}

TEST_F(TwoPeople, SwitchingTheNationMidMatchKeepsTheTurnOrder) {
  start_two_people();
  move(2, 7, 2, 6);               // the main army
  on_menu(g, MenuItem::KANKOKU);  // the pawn row and back ranks are exchanged
  move(3, 2, 3, 3);               // the chess army
  ASSERT_EQ(g.pos.board(3, 3), +PORN);
  EXPECT_EQ(g.pos.turn, +1);
  click(5, 7);  // the next click asks the move list whose move it is: the main army's
  EXPECT_EQ(g.pos.turn, +1);
  EXPECT_EQ(g.sel.selection_state, 1);
  // Stepping back shows the line-up now chosen, and names the chess pawn's move.
  on_menu(g, MenuItem::REPLAY);
  EXPECT_EQ(g.pos.board(1, 9), -KURUMA);
  EXPECT_EQ(g.pos.board(2, 6), -HEISI);
  clear_logs();
  on_menu(g, MenuItem::AFTER);
  EXPECT_EQ(g.pos.board, g.pos.history.slot(2).board);
  const auto texts = t.fakes.screen.texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "ポーン"), texts.end());
}

TEST_F(TwoPeople, AMateIsNotNoticed) {
  set_position({{9, 9, -OU}, {1, 1, +KING}, {3, 3, -KIN}, {2, 3, -HU}});
  start_two_people();
  move(3, 3, 2, 2);
  EXPECT_TRUE(box_texts().empty());
  EXPECT_EQ(g.pos.turn, -1);
}

TEST_F(TwoPeople, HiddenClocksBookRealTimeToTheSideThatMoved) {
  on_menu(g, MenuItem::KEIKA);  // the clocks are hidden
  ASSERT_FALSE(g.menu.KEIKA);
  t.fakes.clock.now = 100;
  start_two_people();
  EXPECT_FALSE(g.clock.timer1_enabled);
  t.fakes.clock.now = 130;
  move(2, 7, 2, 6);
  EXPECT_DOUBLE_EQ(g.clock.clock_own_total, 30);
  t.fakes.clock.now = 150;
  move(2, 2, 2, 3);
  EXPECT_DOUBLE_EQ(g.clock.clock_own_total, 30);
  EXPECT_DOUBLE_EQ(g.clock.clock_enemy_total, 20);
  const HistorySlot& first = g.pos.history.slot(1);
  const HistorySlot& second = g.pos.history.slot(2);
  EXPECT_DOUBLE_EQ(first.clock_own_after, 30);
  EXPECT_DOUBLE_EQ(first.clock_enemy_after, 0);
  EXPECT_DOUBLE_EQ(second.clock_own_before, 30);
  EXPECT_DOUBLE_EQ(second.clock_own_after, 30);
  EXPECT_DOUBLE_EQ(second.clock_enemy_after, 20);
}

TEST_F(TwoPeople, ResumingAfterReplayAnnouncesTheArmyAndRestartsTheClock) {
  start_two_people();
  move(2, 7, 2, 6);
  g.resume_pending = 1;  // as "戻" or "進" leave it
  g.clock.timer1_enabled = false;
  t.fakes.clock.now = 500;
  click(2, 2);
  EXPECT_EQ(box_texts(), std::vector<std::string>{"後手の番です"});
  EXPECT_EQ(last_box_title(), "対局");
  EXPECT_EQ(g.resume_pending, 0);
  EXPECT_TRUE(g.clock.timer1_enabled);
  EXPECT_DOUBLE_EQ(g.clock.turn_start_time, 500);
  EXPECT_EQ(g.sel.selection_state, 1);  // the click itself is handled too
}

// Stepping back from the last position and forward again (Home, End) while
// a turn runs: the turn goes on with the time it had; resumed on an earlier
// position, a new turn starts.
TEST_F(TwoPeople, SteppingBackAndForthDuringATurnKeepsItsTime) {
  t.fakes.clock.now = 100;
  start_two_people();
  move(2, 7, 2, 6);
  t.fakes.clock.now = 108;  // the chess army has thought 8 seconds
  on_menu(g, MenuItem::REPLAY);
  on_menu(g, MenuItem::AFTER);
  t.fakes.clock.now = 200;  // looking at the list does not count
  move(2, 2, 2, 3);
  EXPECT_DOUBLE_EQ(g.clock.clock_enemy_total, 8);
  on_menu(g, MenuItem::REPLAY);
  t.fakes.clock.now = 300;
  click(2, 2);  // play resumes on move 1: a new turn
  EXPECT_DOUBLE_EQ(g.clock.turn_start_time, 300);
}

class AgainstComputer : public MatchTest {
 protected:
  void start_against_computer() {
    choose(MenuItem::START2);
    clear_logs();
  }
};

TEST_F(AgainstComputer, TheComputerAnswersAndHandsTheMoveBack) {
  t.fakes.clock.now = 1000;
  start_against_computer();
  t.fakes.clock.now = 1012;
  move(2, 7, 2, 6);
  EXPECT_EQ(g.pos.move_number, 2);
  EXPECT_EQ(g.pos.turn, g.pos.chess_sign);
  EXPECT_GT(g.pos.history.slot(2).move_code, 0);
  EXPECT_DOUBLE_EQ(g.clock.clock_own_total, 12);
  EXPECT_DOUBLE_EQ(g.pos.history.slot(1).clock_own_after, 12);
}

TEST_F(AgainstComputer, IsAskedForItsMoveOnlyOnceThePersonsClickHasEnded) {
  start_against_computer();
  click(2, 7);
  on_mouse_down(g, MOUSE_LEFT, 0, BOARD_LEFT + SQUARE_WIDTH * 2.5, BOARD_TOP + SQUARE_HEIGHT * 6.5);
  EXPECT_EQ(g.pos.move_number, 1);  // the click played the person's move and nothing more
  EXPECT_EQ(side_to_move(g.pos), Side::Enemy);
  ASSERT_TRUE(turn_due(g));
  on_turn_due(g);
  EXPECT_EQ(g.pos.move_number, 2);
  EXPECT_EQ(side_to_move(g.pos), Side::Own);
  on_turn_due(g);  // the person, asked, answers later with the mouse
  EXPECT_FALSE(turn_due(g));
  EXPECT_EQ(g.pos.move_number, 2);
}

TEST_F(AgainstComputer, TakingTheKingWinsAndTheComputerDoesNotMove) {
  set_position({{5, 9, -OU}, {5, 2, +KING}, {5, 5, -SYA}});
  start_against_computer();
  move(5, 5, 5, 2);
  ASSERT_FALSE(box_texts().empty());
  EXPECT_EQ(box_texts().front(), "あなたの勝ちです");
  EXPECT_EQ(g.pos.turn, 0);
}

TEST_F(AgainstComputer, MatingTheComputerWins) {
  set_position({{9, 9, -OU}, {1, 1, +KING}, {3, 3, -KIN}, {2, 3, -HU}});
  start_against_computer();
  t.fakes.dialogs.yes_no_answers = {Answer::No};
  move(3, 3, 2, 2);
  EXPECT_EQ(box_texts().front(), "あなたの勝ちです");
  EXPECT_EQ(g.pos.move_number, 1);
  EXPECT_TRUE(g.program_ended);
}

TEST_F(AgainstComputer, ResumingOnTheComputersTurnLetsItMoveFirst) {
  start_against_computer();
  move(2, 7, 2, 6);
  ASSERT_EQ(g.pos.move_number, 2);
  // Step back one move, as "戻" does.
  g.pos.move_number = 1;
  g.com.move_counter = 1;
  g.pos.board = g.pos.history.slot(1).board;
  g.pos.hand_own = g.pos.history.slot(1).hand_own;
  g.pos.hand_enemy = g.pos.history.slot(1).hand_enemy;
  g.pos.turn = g.pos.main_sign();
  g.resume_pending = 1;
  clear_logs();
  click(5, 5);
  EXPECT_EQ(box_texts(), std::vector<std::string>{"OKですか？"});
  EXPECT_EQ(last_box_title(), "再開(COM)");
  EXPECT_EQ(g.pos.move_number, 2);
  EXPECT_EQ(g.pos.turn, g.pos.chess_sign);
  EXPECT_EQ(g.resume_pending, 0);
}

TEST_F(AgainstComputer, AClickThatLetsTheComputerWinEndsThere) {
  set_position({{5, 9, -OU}, {5, 1, +KING}, {5, 3, +ROOK}, {9, 9, -KYOU}});
  start_against_computer();
  // The person has moved; replay left the move to the computer.
  g.pos.board(9, 9) = EMPTY;
  g.pos.board(9, 8) = -KYOU;
  g.pos.history.slot(1).board = g.pos.board;
  g.pos.move_number = g.pos.history.record_length = 1;
  g.resume_pending = 1;
  click(2, 7);
  ASSERT_GE(box_texts().size(), 2u);
  EXPECT_EQ(box_texts()[1], "ｺﾝﾋﾟｭｰﾀの勝ちです");
  EXPECT_EQ(g.pos.turn, 0);
  EXPECT_NE(g.sel.from.x, 2);  // the click is not carried over to the new game
}

TEST_F(AgainstComputer, ResumingOnThePersonsTurnSaysSo) {
  start_against_computer();
  g.resume_pending = 1;
  click(2, 7);
  EXPECT_EQ(box_texts(), std::vector<std::string>{"MANの番です"});
  EXPECT_EQ(last_box_title(), "対局");
  EXPECT_EQ(g.sel.selection_state, 1);
}

}  // namespace
}  // namespace velmora
