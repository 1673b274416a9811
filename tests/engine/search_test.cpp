// Level 4's search: it takes a king it can take, finds a mate, keeps its own
// king, stops when told to, and its answers pass the rules' move check.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <initializer_list>
#include <thread>

#include "com/com_turn.h"
#include "com_protocol.h"
#include "computer/strong_player.h"
#include "engine/engine_eval.h"
#include "game/game.h"
#include "ports/null_ports.h"
#include "rules/move_check.h"
#include "setup/new_game.h"

namespace velmora {
namespace {

struct Placed {
  int x, y, code;
};

PositionSetup position(std::initializer_list<Placed> pieces, int side_to_move = +1) {
  PositionSetup s;
  for (const Placed& p : pieces) s.board(p.x, p.y) = p.code;
  s.side_to_move = side_to_move;
  return s;
}

SearchReport think(const PositionSetup& setup, double seconds = 0.2) {
  SearchPosition p(setup);
  Engine engine(1);
  SearchLimits limits;
  limits.seconds = seconds;
  const SearchReport report = engine.think(p, limits, {});
  EXPECT_EQ(p.hash(), SearchPosition(setup).hash()) << "the root is left as it was";
  return report;
}

Candidate best_of(const SearchReport& r) { return candidate_of(r.best); }

TEST(StrongSearch, TakesAKingThatCanBeTaken) {
  // The own OU stands open on the enemy ROOK's column.
  const SearchReport r = think(position({{5, 9, -OU}, {5, 2, +ROOK}, {6, 1, +KING}, {1, 9, -SYA}}));
  EXPECT_EQ(best_of(r).to, (Cell{5, 9}));
  EXPECT_EQ(r.score, SCORE_WIN);
}

TEST(StrongSearch, MatesWithADropAndAvoidsBeingMated) {
  // The main army on top: a KIN dropped on (1, 8), guarded by the HU on
  // (1, 7), leaves the own KING in the corner no square.
  PositionSetup s = position({{1, 9, -KING}, {1, 7, +HU}, {9, 1, +OU}, {7, 9, -ROOK}});
  s.chess_sign = -1;
  s.chess_drops = true;
  s.hand_enemy[10] = 1;
  const SearchReport win = think(s);
  const Candidate mate = best_of(win);
  EXPECT_EQ(mate.source_cell(), enemy_hand_slot(10));
  EXPECT_EQ(mate.hand, 10);
  EXPECT_EQ(mate.to, (Cell{1, 8}));
  EXPECT_GT(win.score, SCORE_WIN - 10);

  // With the own side to move, the KING gets out of the corner in time.
  s.side_to_move = -1;
  EXPECT_GT(think(s).score, -SCORE_WIN + 200) << "the defender is not mated";
}

TEST(StrongSearch, KeepsItsKingWhenEveryOtherMoveLosesIt) {
  // The enemy KING is attacked by the own ROOK along row 1; only stepping off
  // the row keeps it (a capture is out of reach).
  const SearchReport r = think(position({{6, 1, +KING}, {1, 1, -ROOK}, {5, 9, -OU}, {9, 9, +HU}}));
  EXPECT_NE(best_of(r).to.y, 1) << "the KING leaves row 1";
  EXPECT_EQ(best_of(r).from.x, 6);
}

// A position the game has met is no draw: the root move back to it costs a
// little for every time it was met, until another move is worth more; the
// same search without the game chooses it again.
TEST(StrongSearch, AMoveBackToAPositionOfTheGameCostsMoreTheMoreOftenItWasMet) {
  const PositionSetup s = position({{5, 9, -OU}, {9, 1, +KING}, {1, 5, +ROOK}, {9, 9, -KYOU}});
  SearchLimits limits;
  limits.max_nodes = 20000;
  limits.seconds = 60;
  SearchPosition p(s);
  Engine engine(1);
  const SearchReport first = engine.think(p, limits, {});
  p.make(first.best);
  const std::uint64_t after_best = p.hash();
  p.unmake();
  engine.clear();
  const SearchReport circling = engine.think(p, limits, std::vector<std::uint64_t>(30, after_best));
  EXPECT_NE(circling.best, first.best) << "met thirty times: another move";
  EXPECT_GT(circling.score, first.score - 30 * REPEAT_COST) << "the other move is scored as it is";
  engine.clear();
  EXPECT_EQ(engine.think(p, limits, {}).best, first.best);
}

// A cleared engine answers as a new one would, so that a review gives the
// same answers whatever each thread searched before.
TEST(StrongSearch, AClearedEngineAnswersAsANewOne) {
  SearchLimits limits;
  limits.max_nodes = 5000;
  limits.seconds = 60;
  const PositionSetup before = position({{5, 9, -OU}, {4, 8, -KIN}, {6, 1, +KING}, {2, 2, +QEEN}});
  const PositionSetup judged = position({{5, 9, -OU}, {4, 9, -KIN}, {6, 1, +KING}, {3, 3, +QEEN}});
  Engine used(1);
  SearchPosition p(before);
  (void)used.think(p, limits, {});
  used.clear();
  SearchPosition q(judged);
  const SearchReport again = used.think(q, limits, {});
  Engine fresh(1);
  const SearchReport anew = fresh.think(q, limits, {});
  EXPECT_EQ(again.best, anew.best);
  EXPECT_EQ(again.score, anew.score);
  EXPECT_EQ(again.nodes, anew.nodes);
}

TEST(StrongSearch, StopsWhenAnotherThreadSaysSo) {
  NullPorts silent;
  Game g(silent.ports());
  初期設定(g);
  Engine engine(1);
  SearchLimits limits;
  limits.seconds = 60;
  std::atomic<bool> stop = false;
  SearchReport report;
  std::thread stopper([&stop] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    stop = true;
  });
  g.pos.board = turned_board(g.pos.board);  // the main army on top, to move
  StrongRoot root = strong_root(g.pos, g.menu.CHESS_MOCHIKOMA);
  const std::optional<Candidate> best = strong_search(root, engine, limits, &stop, &report);
  stopper.join();
  ASSERT_TRUE(best);
  EXPECT_LT(report.seconds, 10);
  EXPECT_EQ(移動チェック(g.pos, best->source_cell(), best->target_cell(), best->starting), 1);
}

TEST(StrongSearch, WithoutACompletedDepthItScoresThePositionItself) {
  NullPorts silent;
  Game g(silent.ports());
  初期設定(g);
  g.pos.board = turned_board(g.pos.board);
  StrongRoot root = strong_root(g.pos, g.menu.CHESS_MOCHIKOMA);
  const int own_evaluation = evaluate_position(root.position);
  Engine engine(1);
  SearchLimits no_depth;
  no_depth.max_depth = 0;
  SearchReport report;
  ASSERT_TRUE(strong_search(root, engine, no_depth, nullptr, &report));
  EXPECT_EQ(report.depth, 0);
  EXPECT_EQ(report.score, own_evaluation);
}

TEST(StrongSearch, AnswersOfVelmoraComPassTheMoveCheck) {
  NullPorts silent;
  Game g(silent.ports());
  初期設定(g);
  AnalysisPosition p;
  p.board = turned_board(g.pos.board);
  p.level = STRONG_LEVEL;
  std::istringstream answer(answer_position_line(format_position_line(p) + " movetime=50"));
  Cell source, to;
  int starting = 0, final_code = 0;
  answer >> source.x >> source.y >> to.x >> to.y >> starting >> final_code;
  const Candidate c = named_candidate(source, to, starting, final_code);
  set_up_position(g, p);
  EXPECT_EQ(移動チェック(g.pos, c.source_cell(), c.target_cell(), c.starting), 1);
  EXPECT_GT(c.starting, 0) << "the enemy side moves";
}

// The last word on a move of the searching player: the side, the piece on
// the source, the promotion and the dropped piece must be what the rules allow.
TEST(StrongPlayer, PlaysOnlyWhatTheRulesAllow) {
  NullPorts silent;
  Game g(silent.ports());
  g.pos.board(5, 1) = +KING;
  g.pos.board(5, 9) = -OU;
  g.pos.board(7, 3) = +PORN;
  g.pos.board(1, 8) = +PORN;
  g.pos.hand_enemy[10] = 1;  // a KIN, dropped from hand column -5
  g.menu.CHESS_MOCHIKOMA = true;
  struct Row {
    Candidate move;
    int side;
    bool allowed;
    const char* what;
  };
  const Row rows[] = {
      {{{7, 3}, {7, 4}, +PORN, +PORN}, +1, true, "a pawn's step"},
      {{{7, 3}, {7, 4}, +PORN, +PORN}, -1, false, "a piece of the other side"},
      {{{7, 3}, {7, 4}, +ROOK, +ROOK}, +1, false, "another piece than the one on the square"},
      {{{7, 3}, {7, 4}, +PORN, +QEEN}, +1, false, "a promotion the rules do not offer"},
      {{{1, 8}, {1, 9}, +PORN, +PORN}, +1, false, "a forced promotion left out"},
      {{{1, 8}, {1, 9}, +PORN, +QEEN}, +1, true, "the forced promotion"},
      {{Cell{}, {5, 5}, +KIN, +KIN, 10}, +1, true, "a drop"},
      {{Cell{}, {5, 5}, +KIN, +HU, 10}, +1, false, "a drop that changes its piece"},
      {{Cell{}, {5, 9}, +KIN, +KIN, 10}, +1, false, "a drop on an occupied square"},
  };
  for (const Row& row : rows) EXPECT_EQ(rules_allow(g.pos, row.move, row.side), row.allowed) << row.what;
}

TEST(StrongEvaluation, CountsHandPiecesOnlyForASideThatMayDropThem) {
  PositionSetup s = position({{5, 9, -OU}, {6, 1, +KING}});
  const int bare = evaluate_position(SearchPosition(s));
  s.hand_enemy[10] = 1;  // a KIN in the chess army's hand, chess drops off
  EXPECT_EQ(evaluate_position(SearchPosition(s)), bare);
  s.chess_drops = true;
  EXPECT_GT(evaluate_position(SearchPosition(s)), bare + piece_value(KIN));
}

}  // namespace
}  // namespace velmora
