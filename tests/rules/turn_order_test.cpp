#include "rules/turn_order.h"

#include "rules/rules_fixture.h"
#include "rules/side.h"
#include "setup/new_game.h"

namespace velmora {
namespace {

class TurnOrderTest : public RulesTest {
 protected:
  void SetUp() override { 初期設定(g); }
};

TEST_F(TurnOrderTest, TheArmySignsFollowTheFirstNegativeKing) {
  g.pos.chess_sign = -1;
  調査_先手後手(g.pos);
  EXPECT_EQ(g.pos.chess_sign, +1);
  EXPECT_EQ(g.pos.main_sign(), -1);

  turn_board_around();
  g.pos.chess_sign = +1;
  調査_先手後手(g.pos);
  EXPECT_EQ(g.pos.chess_sign, -1);
  EXPECT_EQ(g.pos.main_sign(), +1);
}

TEST_F(TurnOrderTest, TheKoreanGeneralAlsoMarksTheMainArmy) {
  g.menu.NIPPON = false;
  初期設定(g);
  ASSERT_EQ(g.pos.board(5, 9), -SYOU);
  g.pos.chess_sign = -1;
  調査_先手後手(g.pos);
  EXPECT_EQ(g.pos.chess_sign, +1);
  EXPECT_EQ(g.pos.main_sign(), -1);
}

TEST_F(TurnOrderTest, WithoutANegativeKingTheSignsStayAsTheyWere) {
  put(5, 9, EMPTY);
  g.pos.chess_sign = -1;
  調査_先手後手(g.pos);
  EXPECT_EQ(g.pos.chess_sign, -1);
  EXPECT_EQ(g.pos.main_sign(), +1);
  EXPECT_EQ(調査_先番(g.pos, 0), 0);
}

TEST_F(TurnOrderTest, TheMainArmyOpensTheMatchOnWhicheverSideItPlays) {
  EXPECT_EQ(調査_先番(g.pos, 0), g.pos.chess_sign);  // the own side, the main army, moves
  EXPECT_EQ(調査_先番(g.pos, 0), +1);

  turn_board_around();
  調査_先手後手(g.pos);
  EXPECT_EQ(調査_先番(g.pos, 0), g.pos.main_sign());  // the enemy side, now the main army, moves
  EXPECT_EQ(調査_先番(g.pos, 0), +1);
}

TEST_F(TurnOrderTest, AfterEachMoveTheOtherSideMoves) {
  play(2, 7, 2, 6, -HU);
  EXPECT_EQ(調査_先番(g.pos, 1), g.pos.main_sign());
  play(3, 2, 3, 4, +PORN);
  EXPECT_EQ(調査_先番(g.pos, 2), g.pos.chess_sign);
  // Earlier moves can still be asked about.
  EXPECT_EQ(調査_先番(g.pos, 1), g.pos.main_sign());
}

TEST_F(TurnOrderTest, ACaptureIsJudgedByTheSquareWhereTheCapturerArrived) {
  g.pos.board.fill_squares(EMPTY);
  put(5, 9, -OU);
  put(6, 1, +KING);
  put(8, 8, -KAKU);
  put(4, 4, +PORN);
  put(2, 4, +ROOK);
  g.pos.history.slot(0).board = g.pos.board;
  play(8, 8, 4, 4, -KAKU);  // arrives in a lower column than it left
  EXPECT_EQ(調査_先番(g.pos, 1), g.pos.main_sign());
  play(2, 4, 4, 4, +ROOK);  // arrives in a higher column than it left
  EXPECT_EQ(調査_先番(g.pos, 2), g.pos.chess_sign);
  EXPECT_EQ(g.pos.hand_own[1], 1);
  EXPECT_EQ(g.pos.hand_enemy[11], 1);
}

TEST_F(TurnOrderTest, ADropIsJudgedByTheDroppedPiece) {
  g.pos.hand_own[6] = 1;
  play(15, 3, 5, 5, -HU);
  EXPECT_EQ(調査_先番(g.pos, 1), g.pos.main_sign());
  g.pos.hand_enemy[6] = 1;
  play(-5, 7, 1, 5, +HU);
  EXPECT_EQ(調査_先番(g.pos, 2), g.pos.chess_sign);
}

TEST_F(TurnOrderTest, NothingArrivedOrNoSuchMoveGivesNoAnswer) {
  g.pos.move_number = 1;
  手順保存(g.pos, {});  // the same position again
  EXPECT_EQ(調査_先番(g.pos, 1), 0);
  EXPECT_EQ(調査_先番(g.pos, -1), 0);
  EXPECT_EQ(調査_先番(g.pos, 9999), 0);
}

// --- Where no move is played the model sets the turn -------------------------

TEST_F(TurnOrderTest, TheListTheRecordAndAStepSetTheTurnThroughTheModel) {
  EXPECT_EQ(g.pos.turn, 0);  // a new game: no army to move
  take_turn_from_list(g.pos);
  EXPECT_EQ(g.pos.turn, MAIN_ARMY);  // the main army opens
  EXPECT_EQ(side_to_move(g.pos), Side::Own);
  pass_turn(g.pos);
  EXPECT_EQ(side_to_move(g.pos), Side::Enemy);

  turn_board_around();    // the chess army at the bottom
  g.pos.chess_sign = +1;  // not yet read from the board
  take_turn_of_record(g.pos);
  EXPECT_EQ(g.pos.chess_sign, -1);
  EXPECT_EQ(g.pos.turn, MAIN_ARMY);
  EXPECT_EQ(side_to_move(g.pos), Side::Enemy);

  初期設定(g);
  pass_turn(g.pos);
  EXPECT_EQ(g.pos.turn, 0);  // no match stays no match
}

// --- The move hands the turn over ---------------------------------------------

TEST_F(TurnOrderTest, APlayedMoveGivesTheTurnToTheOtherSidesArmyOnEitherWayUp) {
  struct Row {
    bool turned;
    Candidate move;
    Side next;
  };
  const Row rows[] = {
      {false, {{7, 7}, {7, 6}, -HU, -HU}, Side::Enemy},  // the main army at the bottom opens
      {false, {{7, 3}, {7, 4}, +PORN, +PORN}, Side::Own},
      {true, {{3, 7}, {3, 6}, -PORN, -PORN}, Side::Enemy},  // the chess army at the bottom
      {true, {{7, 3}, {7, 4}, +HU, +HU}, Side::Own},
  };
  for (const Row& row : rows) {
    初期設定(g);
    if (row.turned) turn_board_around();
    put(row.move.from.x, row.move.from.y, row.move.starting);
    g.pos.turn = army_of(g.pos, other_side(row.next));
    ASSERT_TRUE(play_move(g, row.move).played);
    EXPECT_EQ(side_to_move(g.pos), row.next) << row.move.starting;
    EXPECT_EQ(g.pos.move_number, 1);
    EXPECT_TRUE(is_side_to_move(g.pos, code_sign(row.next) * KIN));
    EXPECT_FALSE(is_side_to_move(g.pos, -code_sign(row.next) * KIN));
  }
}

TEST_F(TurnOrderTest, NoSideIsToMoveAfterAKingIsTakenOrOutsideAMatch) {
  put(5, 2, -KIN);
  put(5, 1, +KING);
  g.pos.turn = g.pos.chess_sign;
  ASSERT_TRUE(play_move(g, {{5, 2}, {5, 1}, -KIN, -KIN}).played);
  EXPECT_EQ(g.pos.turn, g.pos.chess_sign);  // the turn stays where the match ended
  初期設定(g);
  ASSERT_TRUE(play_move(g, {{7, 7}, {7, 6}, -HU, -HU}).played);
  EXPECT_EQ(side_to_move(g.pos), std::nullopt);
}

TEST_F(TurnOrderTest, ARefusedMoveIsNeitherPlayedNorBooked) {
  g.pos.turn = g.pos.chess_sign;
  const Position before = g.pos;
  const std::size_t sounds = t.fakes.sound.calls.size();
  for (const Candidate& refused : {Candidate{{7, 7}, {7, 0}, -HU, -HU}, Candidate{{7, 7}, {7, 6}, -HU, EMPTY},
                                   Candidate{Cell{}, {5, 5}, -HU, -HU, 6}}) {  // no pawn in hand
    EXPECT_FALSE(play_move(g, refused).played);
  }
  EXPECT_EQ(g.pos.board, before.board);
  EXPECT_EQ(g.pos.turn, before.turn);
  EXPECT_EQ(g.pos.move_number, 0);
  EXPECT_EQ(g.pos.history.record_length, before.history.record_length);
  EXPECT_EQ(g.com.move_counter, 0);
  EXPECT_EQ(t.fakes.sound.calls.size(), sounds);
}

}  // namespace
}  // namespace velmora
