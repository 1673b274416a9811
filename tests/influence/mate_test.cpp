// Check and mate detection for both sides, and the own king's escape count.
#include "influence/mate.h"

#include <gtest/gtest.h>

#include "influence/survey.h"
#include "influence_fixture.h"

namespace velmora {
namespace {

class Mate : public InfluenceTest {
 protected:
  void own_hand(int index, int count) { g.pos.hand_own[index] = count; }
  void enemy_hand(int index, int count) { g.pos.hand_enemy[index] = count; }

  // Surveys the position, then runs the test and checks that it left the
  // board as it found it.
  template <class Test>
  bool run(Test test) {
    勢力調査(g.pos, g.maps);
    const Board before = g.pos.board;
    const bool answer = test(g.pos, g.maps);
    EXPECT_EQ(g.pos.board, before) << "the board was changed";
    return answer;
  }
  bool own_mated() { return run(詰めかMAN); }
  bool enemy_mated() { return run(詰めかCOM); }
};

bool same_maps(const InfluenceMaps& a, const InfluenceMaps& b) {
  return a.own_influence == b.own_influence && a.enemy_influence == b.enemy_influence &&
         a.own_defender_code == b.own_defender_code && a.enemy_defender_code == b.enemy_defender_code &&
         a.enemy_defender_x == b.enemy_defender_x && a.enemy_defender_y == b.enemy_defender_y &&
         a.own_attacker_code == b.own_attacker_code && a.own_attacker_x == b.own_attacker_x &&
         a.own_attacker_y == b.own_attacker_y && a.enemy_attacker_code == b.enemy_attacker_code &&
         a.enemy_attacker_x == b.enemy_attacker_x && a.enemy_attacker_y == b.enemy_attacker_y &&
         a.own_check_map == b.own_check_map && a.enemy_check_map == b.enemy_check_map && a.own_king_x == b.own_king_x &&
         a.own_king_y == b.own_king_y && a.enemy_king_x == b.enemy_king_x && a.enemy_king_y == b.enemy_king_y;
}

// The own OU on (5, 9) hemmed in by own knights that cannot move to (6, 7).
void hem_in_own_king(Game& g) {
  g.pos.board(5, 9) = -OU;
  for (const auto& sq : {std::pair{4, 8}, {5, 8}, {6, 8}, {4, 9}, {6, 9}}) g.pos.board(sq.first, sq.second) = -KEI;
}

TEST_F(Mate, AKingNotInCheckIsNeverMated) {
  hem_in_own_king(g);
  EXPECT_FALSE(own_mated());

  g.pos.board.fill_squares(EMPTY);
  put(1, 1, KING);
  put(1, 2, -ROOK);  // next to the king, protected from (1, 9)
  put(1, 9, -ROOK);
  put(2, 9, -ROOK);  // covers column 2
  EXPECT_TRUE(enemy_mated());

  put(1, 2, EMPTY);
  put(1, 9, EMPTY);
  put(3, 2, -ROOK);  // covers row 2 but gives no check
  EXPECT_FALSE(enemy_mated()) << "no safe square, but no check either";
}

TEST_F(Mate, AChessKnightCheckWithAPieceInHandIsNeverMate) {
  hem_in_own_king(g);
  put(6, 7, KNIG);
  own_hand(6, 1);
  EXPECT_FALSE(own_mated()) << "no line to block and the checker is not adjacent";

  g.pos.hand_own = {};
  EXPECT_TRUE(own_mated()) << "without a hand the escape and capture tests decide";
}

TEST_F(Mate, AShogiKnightCheckMarksTheKingSquareAndGoesToTheEscapeTest) {
  hem_in_own_king(g);
  put(6, 7, KEI);
  own_hand(6, 1);
  EXPECT_TRUE(own_mated());
}

TEST_F(Mate, AnAdjacentCheckerGoesStraightToTheEscapeTest) {
  put(5, 9, -OU);
  put(5, 8, KIN);
  put(5, 7, HU);  // protects the gold
  for (int i = 1; i <= 18; ++i) own_hand(i, 1);
  EXPECT_TRUE(own_mated()) << "a full hand does not help against an adjacent checker";

  put(5, 7, EMPTY);
  EXPECT_FALSE(own_mated()) << "the king takes the unprotected gold";
}

// The own OU on (1, 9) checked by a rook along column 1; a knight covers
// (2, 9), and each test covers (2, 8) its own way.
class LineCheck : public Mate {
 protected:
  void SetUp() override {
    put(1, 9, -OU);
    put(1, 1, ROOK);
    put(4, 8, KNIG);
  }
};

TEST_F(LineCheck, ADropOnTheLineDefends) {
  put(2, 1, ROOK);
  own_hand(6, 1);
  EXPECT_FALSE(own_mated());
  g.pos.hand_own = {};
  EXPECT_TRUE(own_mated());
}

TEST_F(LineCheck, AHandOfChessPawnsAloneNeverBlocks) {
  put(2, 1, ROOK);
  own_hand(1, 3);
  EXPECT_TRUE(own_mated());
  own_hand(4, 1);
  EXPECT_FALSE(own_mated());
}

TEST_F(LineCheck, ADoubleCheckCannotBeBlockedByOneDrop) {
  put(9, 1, BISH);  // second check along the long diagonal, through (2, 8)
  own_hand(12, 2);
  EXPECT_TRUE(own_mated());
  EXPECT_EQ(m.enemy_check_map(9, 1), CHECKER_MARK);
  EXPECT_EQ(m.enemy_check_map(1, 1), CHECKER_MARK);
}

TEST_F(LineCheck, CapturingTheCheckerDefends) {
  put(2, 1, ROOK);
  put(5, 5, -KAKU);  // reaches (1, 1) along the diagonal
  EXPECT_FALSE(own_mated());
  put(5, 5, -HU);
  EXPECT_TRUE(own_mated());
}

TEST_F(LineCheck, BlockingWithABoardMoveDefends) {
  put(2, 1, ROOK);
  put(8, 5, -SYA);  // can move to (1, 5) on the line
  EXPECT_FALSE(own_mated());
}

TEST_F(LineCheck, ABlockThatOpensAnotherLineDoesNotCount) {
  put(2, 8, -GIN);  // shields the king from the bishop, may step to (1, 7)
  put(9, 1, BISH);
  EXPECT_TRUE(own_mated());
  put(9, 1, EMPTY);
  EXPECT_FALSE(own_mated());
}

TEST_F(Mate, AGeneralMovesLikeAnOuWhenEscaping) {
  put(4, 9, -SYOU);
  put(4, 1, ROOK);  // check along column 4; covers (4, 8)
  put(5, 7, KIN);   // covers (5, 8)
  put(9, 9, ROOK);  // covers (5, 9)
  put(1, 8, KNIG);  // covers (3, 9)
  EXPECT_FALSE(own_mated()) << "the step to (3, 8) leaves the palace and is diagonal";
  put(1, 7, KNIG);  // covers (3, 8) as well
  EXPECT_TRUE(own_mated());
}

TEST_F(Mate, EnemySideMirrorsTheOwnSide) {
  put(5, 1, KING);
  put(5, 9, -SYA);
  put(4, 9, -ROOK);
  put(6, 9, -ROOK);
  EXPECT_TRUE(enemy_mated());

  enemy_hand(6, 1);
  EXPECT_FALSE(enemy_mated()) << "a drop blocks the column";
  g.pos.hand_enemy = {};
  enemy_hand(1, 1);
  EXPECT_TRUE(enemy_mated()) << "a chess pawn alone does not block";

  put(1, 5, ROOK);  // can move onto the line at (5, 5)
  EXPECT_FALSE(enemy_mated());
}

TEST_F(Mate, EnemyCaptureOfTheCheckerIsJudgedOnTheResurveyedBoard) {
  put(5, 1, KING);
  put(5, 2, -KIN);   // adjacent checker covering every neighbour of the king
  put(5, 9, -SYA);   // protects the gold
  put(4, 2, ROOK);   // can take the gold ...
  put(2, 4, -BISH);  // ... but shields the king from this bishop
  EXPECT_TRUE(enemy_mated());

  put(2, 4, EMPTY);
  EXPECT_FALSE(enemy_mated()) << "the capture ends the check";
}

// A trial that fails changes the maps; the squares tried afterwards are still
// the checks of the position being tested.
TEST_F(Mate, EnemyTrialsKeepTheChecksOfTheTestedPosition) {
  put(5, 1, KING);
  put(5, 9, -ROOK);  // check along column 5
  put(4, 9, -ROOK);  // covers column 4
  put(6, 9, -ROOK);  // covers column 6
  put(1, 5, -BISH);  // would check on the diagonal behind the first defender
  put(3, 3, ROOK);   // first defender: its block on (5, 3) uncovers the bishop
  put(7, 4, KAKU);   // second defender: blocks on (5, 2)
  EXPECT_FALSE(enemy_mated());

  // The maps now describe the last trial, the block on (5, 2).
  EXPECT_EQ(g.pos.board(5, 2), EMPTY);
  EXPECT_EQ(m.own_attacker_code(5, 2), -ROOK);
  EXPECT_EQ(m.own_influence(5, 1), 0);
  const InfluenceMaps after_test = m;
  勢力調査(g.pos, g.maps);
  EXPECT_FALSE(same_maps(after_test, m));
  EXPECT_EQ(m.own_attacker_code(5, 2), -999);
  EXPECT_EQ(m.own_influence(5, 1), 1);
}

TEST_F(Mate, OwnSideTestChangesNoMap) {
  put(1, 9, -OU);
  put(1, 1, ROOK);
  put(2, 1, ROOK);
  put(4, 8, KNIG);
  put(8, 5, -SYA);
  勢力調査(g.pos, g.maps);
  const InfluenceMaps before = m;
  EXPECT_FALSE(詰めかMAN(g.pos, g.maps));
  EXPECT_TRUE(same_maps(before, m));
  EXPECT_TRUE(詰めかMAN_COM移動(g.pos, g.maps));
  EXPECT_TRUE(same_maps(before, m));
}

TEST_F(Mate, EnemyReachOfTheOwnKing) {
  put(5, 9, -OU);
  put(5, 5, -HU);
  put(5, 1, ROOK);  // blocked by the pawn
  put(7, 7, UMA);   // its leaps pass the king by
  勢力調査(g.pos, g.maps);
  EXPECT_FALSE(詰めかMAN_COM移動(g.pos, g.maps));
  put(6, 7, UMA);  // (6, 7) -> (5, 9) over the leg (6, 8)
  EXPECT_TRUE(詰めかMAN_COM移動(g.pos, g.maps));
  put(6, 8, -HU);
  EXPECT_FALSE(詰めかMAN_COM移動(g.pos, g.maps)) << "the leg is blocked";
}

TEST_F(Mate, EscapeSquaresAreEmptyAndUnreached) {
  put(5, 5, -OU);
  put(4, 4, KIN);   // an enemy piece is never an escape square
  put(6, 6, -HU);   // nor an own one
  put(9, 4, ROOK);  // covers (6, 4) and (5, 4)
  勢力調査(g.pos, g.maps);
  // The gold covers (4, 5) and (5, 4); (4, 6), (5, 6) and (6, 5) are free.
  EXPECT_EQ(調査_自王逃道(g.pos, g.maps), 3);

  g.pos.board.fill_squares(EMPTY);
  put(1, 1, -KING);
  勢力調査(g.pos, g.maps);
  EXPECT_EQ(調査_自王逃道(g.pos, g.maps), 3) << "a corner king has three neighbours";
}

}  // namespace
}  // namespace velmora
