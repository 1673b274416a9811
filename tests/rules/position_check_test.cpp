#include "rules/position_check.h"

#include <functional>

#include "record/replay.h"
#include "rules/rules_fixture.h"
#include "setup/new_game.h"
#include "view/piece_move.h"

namespace velmora {
namespace {

using Change = std::function<void(Game&)>;
using Finder = std::function<PositionCheck(const Position&)>;

std::string described(const PositionCheck& checked) { return checked ? "no fault" : checked.error().what; }

// What `find` reports on a new game after `change`.
std::string fault_after(const Change& change, Finder find) {
  testing::TestGame fresh;
  初期設定(fresh.game);
  change(fresh.game);
  return described(find(fresh.game.pos));
}

class PositionCheckTest : public RulesTest {
 protected:
  std::string fault() { return described(g.pos.check()); }
};

TEST_F(PositionCheckTest, TheBookkeepingFollowsNewGamesMovesSwitchesFlipsAndReplays) {
  初期設定(g);
  EXPECT_EQ(fault(), "no fault") << "a new game";
  g.pos.turn = +1;
  const std::pair<std::function<void()>, const char*> steps[] = {
      {[&] { play(2, 7, 2, 6, -HU); }, "a pawn steps forward"},
      {[&] { play(3, 2, 3, 3, +PORN); }, "a chess pawn steps forward"},
      {[&] { play(2, 6, 2, 5, -HU); }, "the pawn again"},
      {[&] { play(4, 2, 4, 3, +PORN); }, "another chess pawn"},
      {[&] { play(2, 5, 2, 4, -HU); }, "the pawn once more"},
      {[&] { play(3, 3, 2, 4, +PORN); }, "the chess pawn takes the pawn"},
      {[&] { play(-5, 7, 5, 5, +HU); }, "the taken pawn is dropped"},
      {[&] {
         g.menu.NIPPON = false;
         g.menu.KANKOKU = true;
         switch_main_army(g);
       },
       "a switch of the leading nation"},
      {[&] { reverse_click(g); }, "a flip"},
      {[&] { replay_click(g); }, "a step back"},
      {[&] { after_click(g); }, "a step forward"},
      {[&] { cancel_click(g); }, "back to the start"},
  };
  for (const auto& [step, name] : steps) {
    step();
    EXPECT_EQ(fault(), "no fault") << "after " << name;
  }
}

TEST_F(PositionCheckTest, EachBrokenPieceOfBookkeepingIsNamed) {
  const std::pair<Change, const char*> breakages[] = {
      {[](Game& g) { g.pos.board(3, 5) = 28; }, "code 28 on (3,5)"},
      {[](Game& g) { g.pos.board(0, 4) = -HU; }, "code -1 on (0,4)"},
      {[](Game& g) { g.pos.hand_own[0] = 1; }, "hand_own holds 1 under index 0"},
      {[](Game& g) { g.pos.hand_enemy[7] = -1; }, "hand_enemy(7) is -1"},
      {[](Game& g) { g.pos.board(2, 7) = EMPTY; }, "the two-pawn flags of column 2 do not match the board"},
      {[](Game& g) { g.pos.board(9, 5) = +HU; }, "the two-pawn flags of column 9 do not match the board"},
      {[](Game& g) { g.pos.chess_sign = 0; }, "chess_sign is 0"},
      {[](Game& g) { g.pos.turn = 2; }, "turn is 2"},
      {[](Game& g) { g.pos.king_taken = -3; }, "king_taken is -3"},
  };
  for (const auto& [breakage, expected] : breakages) EXPECT_EQ(fault_after(breakage, &Position::check), expected);
}

TEST_F(PositionCheckTest, TheLineUpsKeepTheirPiecesThroughCapturesAndAKingCapture) {
  const std::pair<Change, const char*> cases[] = {
      {[](Game&) {}, "no fault"},
      {[](Game& g) {
         駒移動(g, {3, 2}, {3, 7}, +PORN);
       },
       "no fault"},  // a chess pawn takes a HEISI
      {[](Game& g) {
         駒移動(g, {5, 9}, {6, 1}, -OU);
       },
       "no fault"},  // the main king takes the chess king
      {[](Game& g) { g.pos.board(3, 7) = EMPTY; },
       "board and hands hold 16 chess pieces and 19 main-army pieces instead of 16 and 20"},
      {[](Game& g) { g.pos.hand_own[1] = 1; },
       "board and hands hold 17 chess pieces and 20 main-army pieces instead of 16 and 20"},
      {[](Game& g) { g.pos.board(5, 5) = +KING; }, "the side of sign 1 has 2 kings on the board"},
      {[](Game& g) { g.pos.board(5, 9) = -HU; }, "the side of sign -1 has 0 kings on the board"},
      {[](Game& g) { g.pos.king_taken = g.pos.chess_sign; }, "the side of sign 1 has 1 kings on the board"},
  };
  for (const auto& [change, expected] : cases) EXPECT_EQ(fault_after(change, check_line_up), expected);
}

TEST_F(PositionCheckTest, EachKindKeepsItsCountAndItsRowsThroughPromotionsAndSwitches) {
  const struct {
    Change change;
    Finder find;
    const char* expected;
  } cases[] = {
      {[](Game& g) { g.pos.board(2, 2) = +QEEN; }, check_line_up, "no fault"},  // a chess pawn promoted
      {[](Game& g) { g.pos.board(2, 1) = +QEEN; }, check_line_up,
       "board and hands hold 8 chess pawns and 1 pieces promoted from them, more than the line-up's 8 pawns"},
      {[](Game& g) { g.pos.board(4, 9) = -HU_N; }, check_line_up,
       "board and hands hold 10 pieces counted as HU where the line-up has 9"},
      {[](Game& g) {
         g.pos.board(5, 9) = -KING;
         g.pos.board(6, 1) = +OU;
       },
       check_line_up, "the side of sign -1 has the other army's king"},
      {[](Game& g) {  // a soldier that reached the far row, then the other nation
         std::swap(g.pos.board(1, 7), g.pos.board(1, 1));
         g.menu.NIPPON = !g.menu.NIPPON;
         g.menu.KANKOKU = !g.menu.KANKOKU;
         switch_main_army(g);
       },
       check_line_up, "no fault"},
      {[](Game& g) { std::swap(g.pos.board(3, 2), g.pos.board(3, 9)); }, check_line_up,
       "the piece 4 on (3,9) may not stand on that row"},
      {[](Game& g) { g.pos.board(2, 1) = EMPTY; }, check_line_up_with_pieces_off, "no fault"},  // a handicap
      {[](Game& g) { g.pos.hand_own[PIECE_KINDS[SYA].hand_index] = 1; }, check_line_up_with_pieces_off,
       "board and hands hold 3 pieces counted as HOU where the line-up has 2"},
  };
  for (const auto& [change, find, expected] : cases) EXPECT_EQ(fault_after(change, find), expected);
}

}  // namespace
}  // namespace velmora
