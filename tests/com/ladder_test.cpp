// The rungs of the ladder between level 3 and level 4: each takes the king and
// free material, a seed always plays the same move while seeds vary among
// near-equal ones, and in the window a rung is chosen beside LEVEL4 and plays
// through the computer's turn.
#include <gtest/gtest.h>

#include <set>

#include "com/ladder_rungs.h"
#include "com/levels.h"
#include "com_test_support.h"
#include "rules/setup.h"
#include "shell/menu.h"

namespace velmora {
namespace {

using testing::ComGame;

PositionSetup placed(std::initializer_list<std::array<int, 3>> pieces) {
  PositionSetup s;
  for (const auto& [x, y, code] : pieces) s.board(x, y) = code;
  return s;
}

Candidate rung_move(const PositionSetup& s, const LadderRung& rung, std::uint64_t seed) {
  StrongRoot root{SearchPosition(s), {}};
  Engine engine(1);
  const std::optional<Candidate> move = ladder_search(root, engine, rung, seed);
  EXPECT_TRUE(move.has_value());
  EXPECT_EQ(root.position.hash(), SearchPosition(s).hash()) << "the root is left as it was";
  return move.value_or(Candidate{});
}

TEST(LadderSearch, EveryRungTakesTheKingAndARookLeftOpen) {
  const PositionSetup king_open = placed({{5, 9, -OU}, {5, 2, +ROOK}, {6, 1, +KING}, {1, 9, -SYA}});
  // The own HI faces the enemy QEEN on column 2: the QEEN takes it or is taken.
  const PositionSetup rook_open = placed({{5, 9, -OU}, {6, 1, +KING}, {2, 2, +QEEN}, {2, 7, -SYA}});
  for (const LadderRung& rung : LADDER_RUNGS) {
    EXPECT_EQ(rung_move(king_open, rung, 1).to, (Cell{5, 9})) << rung.name;
    EXPECT_EQ(rung_move(rook_open, rung, 1).to, (Cell{2, 7})) << rung.name;
  }
}

TEST(LadderSearch, ASeedPlaysItsMoveAgainWhileSeedsVaryAmongNearEqualMoves) {
  PositionSetup opening;
  opening.board = starting_board(true);
  for (const LadderRung& rung : {LADDER_RUNGS.front(), LADDER_RUNGS.back()}) {
    std::set<std::array<int, 4>> played;
    for (std::uint64_t seed = 0; seed < 8; ++seed) {
      const Candidate move = rung_move(opening, rung, seed);
      EXPECT_EQ(rung_move(opening, rung, seed), move) << rung.name << " seed " << seed;
      played.insert({move.source_cell().x, move.source_cell().y, move.to.x, move.to.y});
    }
    EXPECT_GT(played.size(), 1u) << rung.name;
  }
}

// Under a time control a turn out of time chooses among the moves it has
// read: with no time left only the first is read, so every seed plays it
// (with time, the seeds vary among the opening's near-equal moves).
TEST(LadderSearch, ATurnOutOfTimeChoosesAmongTheMovesRead) {
  PositionSetup opening;
  opening.board = starting_board(true);
  std::set<std::array<int, 4>> played;
  for (std::uint64_t seed = 0; seed < 8; ++seed) {
    StrongRoot root{SearchPosition(opening), {}};
    Engine engine(1);
    const std::optional<Candidate> move = ladder_search(root, engine, LADDER_RUNGS.back(), seed, nullptr, 0.0);
    ASSERT_TRUE(move.has_value());
    Position pos;
    pos.board = opening.board;
    EXPECT_TRUE(rules_allow(pos, *move, root.position.side_to_move()));
    played.insert({move->source_cell().x, move->source_cell().y, move->to.x, move->to.y});
  }
  EXPECT_EQ(played.size(), 1u);
}

TEST(LadderSearch, RungsAreFoundByNumberAndName) {
  EXPECT_FALSE(ladder_rung(0));
  EXPECT_FALSE(ladder_rung(LADDER_RUNG_COUNT + 1));
  for (int number = 1; number <= LADDER_RUNG_COUNT; ++number)
    EXPECT_EQ(ladder_rung_named(ladder_rung(number)->name), number);
  EXPECT_FALSE(ladder_rung_named("4"));
}

// A rung chosen makes the level 4 and takes LEVEL4's check mark; its move
// comes through the computer's turn, searched aside; LEVEL4 takes it back.
TEST(LadderRungs, ARungChosenBesideLevel4PlaysUntilALevelIsChosen) {
  ComGame c({{2, 3, +KIN}, {2, 4, -OU}, {5, 1, +OU}, {9, 9, -SYA}});
  c.t.fakes.dialogs.yes_no_answers.push_back(Answer::No);
  ladder_click(c.g, 2);
  EXPECT_EQ(c.g.com.com_level, STRONG_LEVEL);
  EXPECT_TRUE(ladder_checked(c.g, 2));
  EXPECT_FALSE(ladder_checked(c.g, 1));
  EXPECT_FALSE(menu_checked(c.g, MenuItem::LEVEL4));
  com_ban(c.g);
  EXPECT_EQ(c.t.fakes.clock.runs_aside, 1);
  EXPECT_EQ(c.g.pos.board(2, 4), +KIN);
  EXPECT_EQ(c.t.fakes.dialogs.box_texts().front(), "ｺﾝﾋﾟｭｰﾀの勝ちです");

  level_click(c.g, STRONG_LEVEL);
  EXPECT_FALSE(ladder_checked(c.g, 2));
  EXPECT_TRUE(menu_checked(c.g, MenuItem::LEVEL4));
  ladder_click(c.g, 1);
  level_click(c.g, 3);
  EXPECT_FALSE(playing_rung(c.g));
  ladder_click(c.g, LADDER_RUNG_COUNT + 1);
  EXPECT_EQ(c.g.com.com_level, 3) << "no such rung: nothing changes";
}

}  // namespace
}  // namespace velmora
