// The review of a game: the played moves are found in the list, a move that
// opens the way to the own king is a blunder, the engine's own moves are never
// marked, marks follow the chances given away, and the pool can be stopped.
#include <gtest/gtest.h>

#include <initializer_list>

#include "review/game_review.h"
#include "review/review_text.h"
#include "rules/setup.h"

namespace velmora {
namespace {

constexpr long long TEST_NODES = 3000;

struct Placed {
  int x, y, code;
};

// A position with the chess army at the top; the main army (the own side at
// the bottom) opens.
HistorySlot slot_of(std::initializer_list<Placed> pieces) {
  HistorySlot slot;
  for (const Placed& p : pieces) slot.board(p.x, p.y) = p.code;
  return slot;
}

// The game of `start` and the moves played from it, as a move list holds it.
ReviewGame game_of(const HistorySlot& start, const std::vector<SearchMove>& moves) {
  ReviewGame game;
  game.slots.push_back(start);
  PositionSetup s;
  s.board = start.board;
  s.side_to_move = -1;
  SearchPosition p(s);
  for (SearchMove m : moves) {
    p.make(m);
    const PositionSetup after = p.setup();
    HistorySlot slot;
    slot.board = after.board;
    slot.hand_own = after.hand_own;
    slot.hand_enemy = after.hand_enemy;
    game.slots.push_back(slot);
  }
  return game;
}

GameReview reviewed(const ReviewGame& game, int threads = 1) {
  ReviewProgress progress;
  ReviewLimits limits;
  limits.nodes = TEST_NODES;
  ReviewResult result = review_game(game, limits, threads, progress);
  EXPECT_TRUE(result);
  return result ? *result : GameReview{};
}

TEST(GameReview, OpeningTheWayToTheOwnKingIsABlunderAndTakingTheKingIsNot) {
  // The gold on 5,8 shields the king from the rook on the file; stepping
  // aside lets the rook take it.
  const HistorySlot start = slot_of({{5, 9, -OU}, {5, 8, -KIN}, {5, 1, +ROOK}, {9, 1, +KING}, {1, 7, -HU}});
  const SearchMove aside(square_of(5, 8), square_of(4, 8), -KIN, -KIN);
  const SearchMove takes(square_of(5, 1), square_of(5, 9), +ROOK, +ROOK);
  const GameReview review = reviewed(game_of(start, {aside, takes}));
  ASSERT_EQ(review.moves.size(), 2u);
  EXPECT_EQ(review.moves[0].mark, Mark::Blunder);
  EXPECT_TRUE(review.moves[0].main_army);
  EXPECT_EQ(review.moves[1].mark, Mark::None);
  EXPECT_EQ(review.moves[1].score_after, SCORE_WIN);
  EXPECT_EQ(review.main_army.marks[static_cast<int>(Mark::Blunder)], 1);
  EXPECT_EQ(review.chess_army.accuracy, 100);
  EXPECT_LT(review.main_army.accuracy, 50);
}

TEST(GameReview, AGameOfTheEngineBestMovesIsUnmarkedAndFullyAccurate) {
  // Each move is the one the review's own search chooses: the game grows by
  // the best move of its last position.
  ReviewGame game;
  HistorySlot start;
  start.board = starting_board(true);
  std::vector<SearchMove> moves;
  for (int n = 0; n < 8; ++n) {
    game = game_of(start, moves);
    const ReplayedGame replayed = replay_game(game).value();
    ReviewProgress progress;
    const std::vector<SearchReport> reports =
        search_positions(replayed.positions, ReviewLimits{0, TEST_NODES}, 1, progress);
    moves.push_back(reports.back().best);
  }
  game = game_of(start, moves);
  const GameReview review = reviewed(game);
  ASSERT_EQ(review.moves.size(), moves.size());
  for (const ReviewedMove& move : review.moves) {
    EXPECT_EQ(move.played, move.best) << "move " << move.number;
    EXPECT_EQ(move.mark, Mark::None) << review_line(move);
  }
  EXPECT_EQ(review.main_army.accuracy, 100);
  EXPECT_EQ(review.chess_army.accuracy, 100);
  EXPECT_EQ(review.main_army.moves + review.chess_army.moves, 8);
}

TEST(GameReview, MarksFollowTheChancesGivenAway) {
  // One move of the main army (sign -1), judged from the scores of the
  // positions before and after it; the best move differs from the played one.
  const SearchMove played(square_of(5, 7), square_of(5, 6), -HU, -HU);
  const SearchMove best_drop = SearchMove::drop(1, square_of(5, 5), -HU);
  struct Row {
    int before, after_for_opponent;
    Mark mark;
  };
  const double scale = CHANCES_SCALE;
  for (const Row& row : {Row{0, 0, Mark::None}, Row{0, static_cast<int>(scale * 0.45), Mark::Inaccuracy},
                         Row{0, static_cast<int>(scale * 0.90), Mark::Mistake},
                         Row{0, static_cast<int>(scale * 1.45), Mark::Blunder}, Row{-3000, 3000, Mark::None}}) {
    ReplayedGame game;
    game.positions.resize(2);
    game.positions[0].setup.chess_sign = +1;
    game.moves.push_back({played, -1, false, false});
    std::vector<SearchReport> reports(2);
    reports[0].best = best_drop;
    reports[0].score = row.before;
    reports[1].score = row.after_for_opponent;
    const ReviewedMove move = judge_moves(game, reports).moves.at(0);
    EXPECT_EQ(move.mark, row.mark) << row.after_for_opponent;
    EXPECT_EQ(move.best_was_drop, row.mark != Mark::None);
    reports[0].best = played;  // the engine's own move is never marked
    EXPECT_EQ(judge_moves(game, reports).moves.at(0).mark, Mark::None);
  }
}

TEST(GameReview, AMoveNoAllowedMoveLeadsToIsNamedAndAStoppedPoolAnswersNothing) {
  const HistorySlot start = slot_of({{5, 9, -OU}, {5, 1, +KING}});
  ReviewGame game = game_of(start, {SearchMove(square_of(5, 9), square_of(5, 8), -OU, -OU)});
  game.slots.push_back(game.slots.back());  // nothing moved
  const ReplayResult replayed = replay_game(game);
  ASSERT_FALSE(replayed);
  EXPECT_EQ(replayed.error().move, 2);

  game.slots.pop_back();
  ReviewProgress progress;
  progress.stop = true;
  const ReviewResult stopped = review_game(game, ReviewLimits{}, 2, progress);
  ASSERT_FALSE(stopped);
  EXPECT_EQ(stopped.error().kind, ReviewError::Stopped);
}

TEST(GameReview, TwoThreadsJudgeEveryMove) {
  HistorySlot start;
  start.board = starting_board(false);
  const int pawn = start.board(5, 7);
  const std::vector<SearchMove> moves = {SearchMove(square_of(5, 7), square_of(5, 6), pawn, pawn),
                                         SearchMove(square_of(5, 2), square_of(5, 3), +PORN, +PORN)};
  const GameReview review = reviewed(game_of(start, moves), 2);
  ASSERT_EQ(review.moves.size(), 2u);
  EXPECT_FALSE(review.moves[1].main_army);
  EXPECT_GT(review.nodes, 0);
}

}  // namespace
}  // namespace velmora
