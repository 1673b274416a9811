#include "rules/setup.h"

#include <tuple>

#include "rules/rules_fixture.h"
#include "setup/new_game.h"

namespace velmora {
namespace {

class SetupTest : public RulesTest {
 protected:
  void choose(bool nippon) {
    g.menu.NIPPON = nippon;
    g.menu.KANKOKU = !nippon;
  }

  // The starting position written out square by square.
  static Board start_position(bool nippon) {
    Board b;
    const int japanese[10] = {0, KYOU, UMA, GIN, TUKAE, OU, TUKAE, GIN, UMA, KYOU};
    const int korean[10] = {0, KURUMA, KEI, ZOU, KIN, SYOU, KIN, ZOU, KEI, KURUMA};
    const int chess[10] = {0, 0, ROOK, KNIG, BISH, QEEN, KING, BISH, KNIG, ROOK};
    for (int x = 1; x <= 9; ++x) {
      b(x, 9) = -(nippon ? japanese[x] : korean[x]);
      b(x, 7) = x % 2 == 1 ? -HEISI : -HU;
      b(x, 1) = chess[x];
      b(x, 2) = x >= 2 ? +PORN : EMPTY;
    }
    b(2, 8) = nippon ? -HOU : -SYA;
    b(8, 8) = nippon ? -KAKU : -HOU;
    return b;
  }
};

TEST_F(SetupTest, TheJapaneseLineUpFacesTheChessArmy) {
  choose(true);
  初期設定(g);
  EXPECT_EQ(g.pos.board, start_position(true));
  EXPECT_EQ(g.pos.board(5, 9), -OU);
  EXPECT_EQ(g.pos.board(8, 8), -KAKU);
}

TEST_F(SetupTest, TheKoreanLineUpFacesTheChessArmy) {
  choose(false);
  初期設定(g);
  EXPECT_EQ(g.pos.board, start_position(false));
  EXPECT_EQ(g.pos.board(5, 9), -SYOU);
  EXPECT_EQ(g.pos.board(2, 8), -SYA);
}

TEST_F(SetupTest, ANewGameResetsTheMatchStateOfEverySubsystem) {
  g.com.handicap_grade = 7;
  g.com.handicap_set = 1;
  g.game_mode = MODE_COM;
  g.pos.king_taken = -1;
  g.pos.turn = -1;
  g.pos.chess_sign = -1;
  g.pos.move_number = 42;
  g.com.move_counter = 42;
  g.board_flipped = 1;
  g.clock.timer1_enabled = true;
  g.clock.clock_own_total = 12.5;
  g.clock.clock_enemy_total = 30;
  g.clock.shown_second = 17;
  g.resume_pending = 1;
  g.record_mode = 1;
  g.pos.history.record_length = 42;
  g.pos.history.slot(0).move_code = -9;
  g.sel.selection_state = 1;
  g.pos.hand_own.fill(3);
  g.pos.hand_enemy.fill(2);
  put(5, 5, +QEEN);

  初期設定(g);
  EXPECT_EQ(g.com.handicap_grade, 0);
  EXPECT_EQ(g.com.handicap_set, 0);
  EXPECT_EQ(g.game_mode, MODE_MAN);
  EXPECT_EQ(g.pos.king_taken, 0);
  EXPECT_EQ(g.pos.turn, 0);
  EXPECT_EQ(g.pos.chess_sign, +1);
  EXPECT_EQ(g.pos.main_sign(), -1);
  EXPECT_EQ(g.pos.move_number, 0);
  EXPECT_EQ(g.com.move_counter, 0);
  EXPECT_EQ(g.board_flipped, 0);
  EXPECT_FALSE(g.clock.timer1_enabled);
  EXPECT_EQ(g.clock.clock_own_total, 0);
  EXPECT_EQ(g.clock.clock_enemy_total, 0);
  EXPECT_EQ(g.clock.shown_second, 0);
  EXPECT_EQ(g.resume_pending, 0);
  EXPECT_EQ(g.record_mode, 0);
  EXPECT_EQ(g.sel.selection_state, 0);
  EXPECT_EQ(g.pos.history.slot(0).move_code, HU);
  for (int i = 1; i < HAND_SIZE; ++i) {
    EXPECT_EQ(g.pos.hand_own[i], 0);
    EXPECT_EQ(g.pos.hand_enemy[i], 0);
  }
  EXPECT_EQ(g.pos.hand_own_total(), 0);
  EXPECT_EQ(g.pos.hand_enemy_total(), 0);
  EXPECT_EQ(g.pos.board(5, 5), EMPTY);
  // The moves of the list stay reachable.
  EXPECT_EQ(g.pos.history.record_length, 42);
}

TEST_F(SetupTest, TheStartingPositionIsMoveZeroOfTheList) {
  g.pos.hand_own[3] = 1;
  g.pos.history.slot(0).hand_own[3] = 1;
  初期設定(g);
  const HistorySlot& start = g.pos.history.slot(0);
  EXPECT_EQ(start.board, g.pos.board);
  EXPECT_EQ(start.hand_own, Hand{});
  EXPECT_EQ(start.hand_enemy, Hand{});
}

TEST_F(SetupTest, ANewGameRedrawsTheWholeWindow) {
  choose(true);
  初期設定(g);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const auto op = t.fakes.screen.last_picture_at_cell(x, y);
      ASSERT_TRUE(op) << x << "," << y;
      EXPECT_EQ(op->picture, g.pos.board(x, y)) << x << "," << y;
    }
}

// --- Switching the leading nation ------------------------------------------------

TEST_F(SetupTest, SwitchingTheStartingPositionExchangesBackRanksAndThePawnRow) {
  choose(true);
  初期設定(g);
  choose(false);
  初期設定_自駒配置(g);
  const Board korean = start_position(false);
  for (int x = 1; x <= 9; ++x) {
    EXPECT_EQ(g.pos.board(x, 9), korean(x, 9)) << x;
    EXPECT_EQ(g.pos.board(x, 7), x % 2 == 1 ? -HU : -HEISI) << x;  // the pawn row is exchanged too
    EXPECT_EQ(g.pos.board(x, 1), korean(x, 1)) << x;
    EXPECT_EQ(g.pos.board(x, 2), korean(x, 2)) << x;
  }
  EXPECT_EQ(g.pos.board(2, 8), -SYA);
  EXPECT_EQ(g.pos.board(8, 8), -HOU);

  choose(true);
  初期設定_自駒配置(g);
  EXPECT_EQ(g.pos.board, start_position(true));
}

TEST_F(SetupTest, SwitchingTheKoreanStartToJapaneseGivesTheJapaneseStart) {
  choose(false);
  初期設定(g);
  choose(true);
  初期設定_自駒配置(g);
  const Board japanese = start_position(true);
  for (int x = 1; x <= 9; ++x) EXPECT_EQ(g.pos.board(x, 9), japanese(x, 9)) << x;
  EXPECT_EQ(g.pos.board(2, 8), -HOU);
  EXPECT_EQ(g.pos.board(8, 8), -KAKU);
  for (int x = 1; x <= 9; ++x) EXPECT_EQ(g.pos.board(x, 7), x % 2 == 1 ? -HU : -HEISI) << x;
}

TEST_F(SetupTest, TwoCannonsOfOneSideBothBecomeTheNationsLongPiece) {
  put(2, 8, -HOU);
  put(5, 5, -HOU);  // dropped
  put(3, 3, +HOU);  // dropped by the chess army
  choose(true);
  初期設定_自駒配置(g);
  EXPECT_EQ(g.pos.board(2, 8), -KAKU);
  EXPECT_EQ(g.pos.board(5, 5), -KAKU);
  EXPECT_EQ(g.pos.board(3, 3), +KAKU);

  choose(false);
  初期設定_自駒配置(g);  // KAKU -> HOU
  初期設定_自駒配置(g);  // HOU -> SYA under 韓国
  EXPECT_EQ(g.pos.board(2, 8), -SYA);
  EXPECT_EQ(g.pos.board(3, 3), +SYA);
}

TEST_F(SetupTest, TheSwitchExchangesEveryMainArmyKindOnBothSidesAndNothingElse) {
  const int pairs[][2] = {{OU, SYOU}, {KIN, TUKAE}, {GIN, ZOU}, {KYOU, KURUMA}, {KEI, UMA}, {HU, HEISI}};
  choose(true);
  int x = 1;
  for (const auto& p : pairs) {
    put(x, 1, -p[0]);
    put(x, 2, +p[0]);
    put(x, 3, -p[1]);
    put(x, 4, +p[1]);
    ++x;
  }
  put(1, 9, -SYA);
  const int unchanged[] = {-HU_N, +KYOU_N, -KEI_N, +GIN_N, -KAKU_N, +SYA_N, -PORN, +ROOK, -KNIG, +BISH, -QEEN, +KING};
  for (int i = 0; i < 12; ++i) put(1 + i % 9, 6 + i / 9, unchanged[i]);
  g.pos.hand_own[6] = 1;
  g.pos.hand_enemy[13] = 2;

  初期設定_自駒配置(g);
  x = 1;
  for (const auto& p : pairs) {
    EXPECT_EQ(g.pos.board(x, 1), -p[1]);
    EXPECT_EQ(g.pos.board(x, 2), +p[1]);
    EXPECT_EQ(g.pos.board(x, 3), -p[0]);
    EXPECT_EQ(g.pos.board(x, 4), +p[0]);
    ++x;
  }
  EXPECT_EQ(g.pos.board(1, 9), -HOU);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(g.pos.board(1 + i % 9, 6 + i / 9), unchanged[i]);
  EXPECT_EQ(g.pos.hand_own[6], 1);
  EXPECT_EQ(g.pos.hand_own[13], 0);
  EXPECT_EQ(g.pos.hand_enemy[13], 2);
}

TEST_F(SetupTest, TheSwitchRedrawsTheBoardAndLeavesStrayCodesAlone) {
  put(4, 4, 55);
  put(5, 5, -KIN);
  初期設定_自駒配置(g);
  EXPECT_EQ(g.pos.board(4, 4), 55);
  EXPECT_EQ(g.pos.board(5, 5), -TUKAE);
  const auto op = t.fakes.screen.last_picture_at_cell(5, 5);
  ASSERT_TRUE(op);
  EXPECT_EQ(op->picture, -TUKAE);
}

TEST(NewGamePosition, ClearsTheMatchAndKeepsTheMoveList) {
  Position pos;
  pos.board(5, 5) = +KIN;
  pos.hand_own[1] = 2;
  pos.hand_enemy[3] = 1;
  pos.chess_sign = -1;
  pos.turn = -1;
  pos.move_number = 7;
  pos.king_taken = 1;
  pos.history.set_length(3);
  set_up_new_game(pos, false);
  EXPECT_EQ(pos.board, starting_board(false));
  EXPECT_EQ(pos.hand_own_total() + pos.hand_enemy_total(), 0);
  EXPECT_EQ(std::tie(pos.chess_sign, pos.turn, pos.move_number, pos.king_taken), std::make_tuple(+1, 0, 0, 0));
  EXPECT_EQ(pos.history.record_length, 3);
  const PositionCheck checked = pos.check();
  EXPECT_TRUE(checked) << checked.error().what;
}

}  // namespace
}  // namespace velmora
