// The survey of the stepping pieces: counts, defender and attacker records,
// thresholds, ties, check marks and the king squares.
#include "influence/survey.h"

#include <gtest/gtest.h>

#include "influence_fixture.h"

namespace velmora {
namespace {

using Survey = InfluenceTest;

TEST_F(Survey, EmptyBoardResetsEveryMapAndKeepsTheKingSquares) {
  m.own_king_x = 3, m.own_king_y = 4, m.enemy_king_x = 5, m.enemy_king_y = 6;
  // Leave traces of an earlier survey everywhere.
  put(5, 5, -SYA);
  put(5, 1, KING);
  put(4, 4, KEI);
  put(6, 6, KNIG);
  survey();
  g.pos.board.fill_squares(EMPTY);
  survey();
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      SCOPED_TRACE(::testing::Message() << "square " << x << "," << y);
      EXPECT_EQ(m.own_influence(x, y), 0);
      EXPECT_EQ(m.enemy_influence(x, y), 0);
      EXPECT_EQ(m.own_check_map(x, y), 0);
      EXPECT_EQ(m.enemy_check_map(x, y), 0);
      EXPECT_EQ(m.own_defender_code(x, y), 999);
      EXPECT_EQ(m.enemy_defender_code(x, y), 999);
      EXPECT_EQ(m.enemy_attacker_code(x, y), 999);
      EXPECT_EQ(m.own_attacker_code(x, y), -999);
      EXPECT_EQ(m.own_attacker_x(x, y), 0);
      EXPECT_EQ(m.own_attacker_y(x, y), 0);
      EXPECT_EQ(m.enemy_defender_x(x, y), 0);
      EXPECT_EQ(m.enemy_defender_y(x, y), 0);
      EXPECT_EQ(m.enemy_attacker_x(x, y), 0);
      EXPECT_EQ(m.enemy_attacker_y(x, y), 0);
    }
  }
  EXPECT_EQ(m.own_attacker_code(0, 0), 0) << "index 0 is never written";
  EXPECT_EQ(m.own_king_x, 3) << "no own king was ever on the board";
  EXPECT_EQ(m.own_king_y, 4);
  EXPECT_EQ(m.enemy_king_x, 5) << "the king of the earlier survey";
  EXPECT_EQ(m.enemy_king_y, 1);
}

TEST_F(Survey, KingSquaresComeFromEveryKindOfKing) {
  put(2, 8, -SYOU);
  put(7, 2, KING);
  survey();
  EXPECT_EQ(m.own_king_x, 2);
  EXPECT_EQ(m.own_king_y, 8);
  EXPECT_EQ(m.enemy_king_x, 7);
  EXPECT_EQ(m.enemy_king_y, 2);

  g.pos.board.fill_squares(EMPTY);
  put(4, 9, -KING);
  put(5, 2, SYOU);
  survey();
  EXPECT_EQ(m.own_king_x, 4);
  EXPECT_EQ(m.own_king_y, 9);
  EXPECT_EQ(m.enemy_king_x, 5);
  EXPECT_EQ(m.enemy_king_y, 2);

  g.pos.board.fill_squares(EMPTY);
  put(1, 1, -OU);
  put(9, 9, OU);
  survey();
  EXPECT_EQ(m.own_king_x, 1);
  EXPECT_EQ(m.own_king_y, 1);
  EXPECT_EQ(m.enemy_king_x, 9);
  EXPECT_EQ(m.enemy_king_y, 9);
}

TEST_F(Survey, AttackerTieGoesToTheFirstPieceInScanOrder) {
  put(4, 6, -GIN);
  put(6, 6, -GIN);
  put(5, 5, KIN);
  survey();
  EXPECT_EQ(m.own_influence(5, 5), 2);
  EXPECT_EQ(m.own_attacker_code(5, 5), -GIN);
  EXPECT_EQ(m.own_attacker_x(5, 5), 4);
  EXPECT_EQ(m.own_attacker_y(5, 5), 6);
}

TEST_F(Survey, EnemyTiesKeepTheFirstPieceInScanOrder) {
  put(4, 3, KEI);
  put(6, 3, KEI);
  put(5, 5, GIN);
  put(1, 7, ROOK);
  put(9, 7, ROOK);
  put(5, 7, -KIN);
  survey();
  EXPECT_EQ(m.enemy_influence(5, 5), 2);
  EXPECT_EQ(m.enemy_defender_code(5, 5), KEI);
  EXPECT_EQ(m.enemy_defender_x(5, 5), 4);
  EXPECT_EQ(m.enemy_defender_y(5, 5), 3);
  EXPECT_EQ(m.enemy_influence(5, 7), 2);
  EXPECT_EQ(m.enemy_attacker_code(5, 7), ROOK);
  EXPECT_EQ(m.enemy_attacker_x(5, 7), 1);
  EXPECT_EQ(m.enemy_attacker_y(5, 7), 7);
}

TEST_F(Survey, TheWeakestAttackerIsRecorded) {
  put(5, 9, -SYA);  // reaches (5, 5) along the column
  put(6, 6, -GIN);  // reaches (5, 5) diagonally
  put(5, 5, ROOK);
  survey();
  EXPECT_EQ(m.own_influence(5, 5), 2);
  EXPECT_EQ(m.own_attacker_code(5, 5), -GIN) << "the code nearest to zero wins";
  EXPECT_EQ(m.own_attacker_x(5, 5), 6);
  EXPECT_EQ(m.own_attacker_y(5, 5), 6);
}

TEST_F(Survey, TheLowestCodeIsTheDefender) {
  put(5, 6, -HU);
  put(4, 6, -KIN);
  put(5, 5, -GIN);
  survey();
  EXPECT_EQ(m.own_defender_code(5, 5), -KIN);
  EXPECT_EQ(m.own_influence(5, 5), 2);

  g.pos.board.fill_squares(EMPTY);
  put(5, 4, HU);
  put(4, 4, KIN);
  put(5, 5, GIN);
  survey();
  EXPECT_EQ(m.enemy_defender_code(5, 5), HU);
  EXPECT_EQ(m.enemy_influence(5, 5), 2);
}

TEST_F(Survey, ShogiKnightMarksTheCheckedKingsSquareToo) {
  put(5, 5, -KEI);
  put(4, 3, KING);
  survey();
  EXPECT_EQ(m.own_check_map(5, 5), CHECKER_MARK);
  EXPECT_EQ(m.own_check_map(4, 3), CHECKER_MARK);

  g.pos.board.fill_squares(EMPTY);
  put(5, 5, -KNIG);
  put(4, 3, KING);
  survey();
  EXPECT_EQ(m.own_check_map(5, 5), CHECKER_MARK);
  EXPECT_EQ(m.own_check_map(4, 3), 0);
  EXPECT_EQ(m.own_attacker_code(4, 3), -KNIG);
}

TEST_F(Survey, EnemyShogiKnightMarksTheOwnKingButNotItsOwnKing) {
  put(5, 1, KEI);
  put(4, 3, -OU);
  survey();
  EXPECT_EQ(m.enemy_check_map(5, 1), CHECKER_MARK);
  EXPECT_EQ(m.enemy_check_map(4, 3), CHECKER_MARK);
  EXPECT_EQ(m.enemy_influence(4, 3), 1);

  g.pos.board.fill_squares(EMPTY);
  put(5, 1, KEI);
  put(6, 3, KING);
  survey();
  EXPECT_EQ(m.enemy_check_map(5, 1), 0);
  EXPECT_EQ(m.enemy_check_map(6, 3), 0);
  EXPECT_EQ(m.enemy_defender_code(6, 3), KEI);
  EXPECT_EQ(m.enemy_defender_x(6, 3), 5);
  EXPECT_EQ(m.enemy_defender_y(6, 3), 1);
}

TEST_F(Survey, ChessPawnAndKingSkipThePawnsInTheirRecords) {
  put(5, 5, -PORN);
  put(4, 4, HU);
  put(6, 4, ROOK);
  survey();
  EXPECT_EQ(m.own_influence(4, 4), 1);
  EXPECT_EQ(m.own_attacker_code(4, 4), -999);
  EXPECT_EQ(m.own_attacker_code(6, 4), -PORN);
  EXPECT_EQ(m.own_attacker_x(6, 4), 5);
  EXPECT_EQ(m.own_attacker_y(6, 4), 5);

  g.pos.board.fill_squares(EMPTY);
  put(5, 5, -KING);
  put(4, 4, HEISI);
  put(5, 4, HU_N);
  put(6, 4, PORN);
  survey();
  EXPECT_EQ(m.own_influence(4, 4), 1);
  EXPECT_EQ(m.own_attacker_code(4, 4), -999);
  EXPECT_EQ(m.own_attacker_code(5, 4), -999);
  EXPECT_EQ(m.own_attacker_code(6, 4), -KING) << "a chess pawn has code 4 and counts";
}

TEST_F(Survey, OwnChessKnightAttacksEveryEnemyPiece) {
  put(5, 5, -KNIG);
  put(4, 3, HU);
  put(7, 6, PORN);
  survey();
  EXPECT_EQ(m.own_attacker_code(4, 3), -KNIG);
  EXPECT_EQ(m.own_attacker_code(7, 6), -KNIG);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int dx = x - 5, dy = y - 5;
      const bool leap = (dx * dx == 1 && dy * dy == 4) || (dx * dx == 4 && dy * dy == 1);
      EXPECT_EQ(m.own_influence(x, y), leap ? 1 : 0) << x << "," << y;
    }
}

TEST_F(Survey, EnemyChessPiecesProtectOnlyFromCodeFour) {
  put(5, 5, KNIG);
  put(4, 7, HU_N);  // protected by nobody in the records
  put(6, 7, GIN);
  put(3, 6, -HU);  // a knight records no attack
  survey();
  EXPECT_EQ(m.enemy_influence(4, 7), 1);
  EXPECT_EQ(m.enemy_defender_code(4, 7), 999);
  EXPECT_EQ(m.enemy_defender_code(6, 7), KNIG);
  EXPECT_EQ(m.enemy_defender_x(6, 7), 5);
  EXPECT_EQ(m.enemy_defender_y(6, 7), 5);
  EXPECT_EQ(m.enemy_influence(3, 6), 1);
  EXPECT_EQ(m.enemy_attacker_code(3, 6), 999);

  g.pos.board.fill_squares(EMPTY);
  put(5, 5, KING);
  put(4, 4, HEISI);
  put(6, 6, PORN);
  survey();
  EXPECT_EQ(m.enemy_defender_code(4, 4), 999);
  EXPECT_EQ(m.enemy_defender_code(6, 6), KING);
  EXPECT_EQ(m.enemy_defender_x(6, 6), 0) << "a king records no defender square";
}

TEST_F(Survey, EnemyPawnsRecordTheAttackerCodeWithoutItsSquare) {
  put(5, 5, PORN);
  put(4, 6, -HU);
  put(6, 6, -GIN);
  put(3, 3, HU);
  put(3, 4, -KIN);
  survey();
  EXPECT_EQ(m.enemy_attacker_code(4, 6), 999) << "threshold 4 skips the HU";
  EXPECT_EQ(m.enemy_attacker_code(6, 6), PORN);
  EXPECT_EQ(m.enemy_attacker_x(6, 6), 0);
  EXPECT_EQ(m.enemy_attacker_y(6, 6), 0);
  EXPECT_EQ(m.enemy_attacker_code(3, 4), HU);
  EXPECT_EQ(m.enemy_attacker_x(3, 4), 0);
}

TEST_F(Survey, SilversReachAsTabledAtTheEdges) {
  put(5, 1, -GIN);
  put(5, 9, GIN);
  survey();
  EXPECT_EQ(m.own_influence(4, 2), 1);
  EXPECT_EQ(m.own_influence(6, 2), 1);
  EXPECT_EQ(m.own_influence(5, 2), 0);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(m.enemy_influence(x, y), 0) << "an enemy silver on row 9 reaches nothing";

  g.pos.board.fill_squares(EMPTY);
  put(5, 5, GIN);
  put(4, 4, HU);
  survey();
  EXPECT_EQ(m.enemy_influence(5, 6), 1);
  EXPECT_EQ(m.enemy_influence(4, 6), 1);
  EXPECT_EQ(m.enemy_influence(6, 4), 1);
  EXPECT_EQ(m.enemy_influence(5, 4), 0);
  EXPECT_EQ(m.enemy_defender_code(4, 4), GIN);
  EXPECT_EQ(m.enemy_defender_x(4, 4), 5);
  EXPECT_EQ(m.enemy_defender_y(4, 4), 5);
}

TEST_F(Survey, SteppingPiecesCheckEveryKingButKingsCheckNothing) {
  put(5, 2, -HU);
  put(5, 1, SYOU);
  put(2, 5, HEISI);
  put(2, 6, -SYOU);
  survey();
  EXPECT_EQ(m.own_check_map(5, 2), CHECKER_MARK);
  EXPECT_EQ(m.enemy_check_map(2, 5), CHECKER_MARK);

  g.pos.board.fill_squares(EMPTY);
  put(5, 5, -OU);
  put(5, 4, KING);
  survey();
  EXPECT_EQ(m.own_influence(5, 4), 1);
  EXPECT_EQ(m.enemy_influence(5, 5), 1);
  EXPECT_EQ(m.own_attacker_code(5, 4), -OU);
  EXPECT_EQ(m.own_check_map(5, 5), 0);
  EXPECT_EQ(m.enemy_check_map(5, 4), 0);
}

TEST_F(Survey, PromotedBishopBooksItsStepsAndItsDiagonalsWithDifferentCodes) {
  put(5, 5, -KAKU_N);
  put(5, 4, ROOK);
  put(3, 3, ROOK);
  put(6, 5, -HU);
  survey();
  EXPECT_EQ(m.own_attacker_code(5, 4), -KAKU_N);
  EXPECT_EQ(m.own_attacker_code(3, 3), -KAKU);
  EXPECT_EQ(m.own_defender_code(6, 5), -KAKU_N);
  EXPECT_EQ(m.own_influence(2, 2), 0) << "the diagonal stops at the rook";
  EXPECT_EQ(m.own_influence(5, 3), 0) << "the orthogonal reach is one step";
}

TEST_F(Survey, EnemyPromotedBishopStepsOnlyCountAndCheck) {
  put(5, 5, KAKU_N);
  put(5, 6, -OU);
  put(5, 4, GIN);
  put(7, 7, -HU);
  put(3, 3, GIN);
  survey();
  EXPECT_EQ(m.enemy_influence(5, 6), 1);
  EXPECT_EQ(m.enemy_attacker_code(5, 6), 999);
  EXPECT_EQ(m.enemy_check_map(5, 5), CHECKER_MARK);
  EXPECT_EQ(m.enemy_influence(5, 4), 1);
  EXPECT_EQ(m.enemy_defender_code(5, 4), 999);
  EXPECT_EQ(m.enemy_attacker_code(7, 7), KAKU_N);
  EXPECT_EQ(m.enemy_attacker_x(7, 7), 5);
  EXPECT_EQ(m.enemy_attacker_y(7, 7), 5);
  EXPECT_EQ(m.enemy_defender_code(3, 3), KAKU_N);
  EXPECT_EQ(m.enemy_defender_x(3, 3), 5);
}

TEST_F(Survey, PromotedRookBooksItsDiagonalStepsWithItsOwnCode) {
  put(5, 5, SYA_N);
  put(4, 6, -KIN);
  put(6, 4, KIN);
  put(6, 6, -OU);
  survey();
  EXPECT_EQ(m.enemy_attacker_code(4, 6), SYA_N);
  EXPECT_EQ(m.enemy_attacker_x(4, 6), 5);
  EXPECT_EQ(m.enemy_attacker_y(4, 6), 5);
  EXPECT_EQ(m.enemy_defender_code(6, 4), SYA_N);
  EXPECT_EQ(m.enemy_defender_y(6, 4), 5);
  EXPECT_EQ(m.enemy_check_map(5, 5), CHECKER_MARK);
  EXPECT_EQ(m.enemy_influence(5, 1), 1);

  g.pos.board.fill_squares(EMPTY);
  put(5, 5, -SYA_N);
  put(6, 4, KING);
  survey();
  EXPECT_EQ(m.own_attacker_code(6, 4), -SYA_N);
  EXPECT_EQ(m.own_check_map(5, 5), CHECKER_MARK);
  EXPECT_EQ(m.own_influence(5, 9), 1);
}

// The janggi pieces bound to a palace, a leg or a screen count the squares
// they may move to, and nothing else.
TEST_F(Survey, OwnJanggiPiecesCountOnlyTheirLegalMoves) {
  put(5, 9, -HOU);
  put(5, 6, KEI);   // the screen
  put(5, 3, KIN);   // capturable over the screen
  put(5, 1, ROOK);  // behind two screens
  put(3, 9, -HU);   // own piece: never counted
  survey();
  EXPECT_EQ(m.own_influence(5, 8), 1);
  EXPECT_EQ(m.own_influence(5, 7), 1);
  EXPECT_EQ(m.own_influence(5, 6), 0) << "no screen before the first piece";
  EXPECT_EQ(m.own_influence(5, 5), 0) << "an empty square behind the screen";
  EXPECT_EQ(m.own_influence(5, 3), 1);
  EXPECT_EQ(m.own_influence(5, 1), 0);
  EXPECT_EQ(m.own_influence(4, 9), 1);
  EXPECT_EQ(m.own_influence(3, 9), 0);
  EXPECT_EQ(m.own_influence(2, 9), 0) << "an empty square behind a piece";
  EXPECT_EQ(m.own_influence(9, 9), 1);
  EXPECT_EQ(m.own_influence(4, 8), 0);
  EXPECT_EQ(m.own_attacker_code(5, 3), -999) << "no record but the count";
}

TEST_F(Survey, OwnHorseIsBlockedByItsLeg) {
  put(5, 5, -UMA);
  put(5, 4, KIN);
  survey();
  EXPECT_EQ(m.own_influence(4, 3), 0);
  EXPECT_EQ(m.own_influence(6, 3), 0);
  EXPECT_EQ(m.own_influence(3, 4), 1);
  EXPECT_EQ(m.own_influence(7, 6), 1);
  EXPECT_EQ(m.own_influence(5, 4), 0) << "the leg is not a horse move";
  int reached = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) reached += m.own_influence(x, y);
  EXPECT_EQ(reached, 6);
}

TEST_F(Survey, PalacePiecesStayInThePalace) {
  put(4, 9, -SYOU);
  put(5, 8, -TUKAE);
  put(5, 2, SYOU);
  survey();
  EXPECT_EQ(m.own_king_x, 4);
  EXPECT_EQ(m.own_king_y, 9);
  EXPECT_EQ(m.own_influence(4, 8), 1);
  EXPECT_EQ(m.own_influence(3, 9), 0) << "outside the palace";
  EXPECT_EQ(m.own_influence(5, 9), 1);
  EXPECT_EQ(m.own_influence(5, 8), 0) << "own guard";
  EXPECT_EQ(m.own_influence(4, 7), 1) << "the guard's diagonal";
  EXPECT_EQ(m.own_influence(6, 7), 1);
  EXPECT_EQ(m.own_influence(6, 9), 1);
  EXPECT_EQ(m.own_influence(5, 7), 0);
  EXPECT_EQ(m.enemy_king_x, 5);
  EXPECT_EQ(m.enemy_king_y, 2);
  EXPECT_EQ(m.enemy_influence(5, 1), 1);
  EXPECT_EQ(m.enemy_influence(5, 3), 1);
  EXPECT_EQ(m.enemy_influence(4, 2), 1);
  EXPECT_EQ(m.enemy_influence(4, 1), 0);
  EXPECT_EQ(m.enemy_influence(5, 4), 0) << "the palace ends at row 3";
}

TEST_F(Survey, JanggiChecksShowOnlyInTheCounts) {
  put(5, 9, -HOU);
  put(5, 5, -HU);
  put(5, 1, KING);
  survey();
  EXPECT_EQ(m.own_influence(5, 1), 1);
  EXPECT_EQ(m.own_attacker_code(5, 1), -999);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(m.own_check_map(x, y), 0);
}

TEST_F(Survey, EnemyJanggiPiecesAddNothing) {
  put(5, 5, UMA);
  put(3, 3, ZOU);
  put(5, 2, TUKAE);
  put(7, 5, HOU);
  put(7, 7, -KIN);
  put(5, 7, -KIN);
  survey();
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(m.enemy_influence(x, y), 0) << x << "," << y;
}

}  // namespace
}  // namespace velmora
