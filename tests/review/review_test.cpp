// The review of a game: the played moves are found in the list, a move that
// opens the way to the own king is a blunder, the engine's own moves are never
// marked, marks follow the chances given away, and the pool can be stopped.
#include <gtest/gtest.h>

#include "planted_game.h"
#include "review/game_review.h"
#include "review/record_start.h"
#include "review/review_text.h"
#include "rules/setup.h"

namespace velmora {
namespace {

using testing::game_of;
using testing::slot_of;

constexpr long long TEST_NODES = 3000;

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
    game.moves[0].exposed_king = true;  // not even when it leaves the king to be taken
    EXPECT_EQ(judge_moves(game, reports).moves.at(0).mark, Mark::None);
    reports[0].best = best_drop;
    game.moves[0].took_king = true;  // nor taking the king
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

TEST(GameReview, TwoThreadsJudgeEveryMoveAsOneDoes) {
  HistorySlot start;
  start.board = starting_board(false);
  const int pawn = start.board(5, 7);
  const std::vector<SearchMove> moves = {
      SearchMove(square_of(5, 7), square_of(5, 6), pawn, pawn),
      SearchMove(square_of(5, 2), square_of(5, 3), +PORN, +PORN),
      SearchMove(square_of(5, 6), square_of(5, 5), pawn, pawn),
      SearchMove(square_of(4, 1), square_of(7, 4), +BISH, +BISH),
  };
  const ReviewGame game = game_of(start, moves);
  const GameReview review = reviewed(game, 2);
  ASSERT_EQ(review.moves.size(), moves.size());
  EXPECT_FALSE(review.moves[1].main_army);
  EXPECT_GT(review.nodes, 0);
  const GameReview alone = reviewed(game, 1);
  for (std::size_t i = 0; i < moves.size(); ++i) EXPECT_EQ(review_line(review.moves[i]), review_line(alone.moves[i]));
  EXPECT_EQ(review.nodes, alone.nodes);
}

TEST(GameReview, APawnPromotedToARookIsReplayedAndJudged) {
  // The chess pawn on (5, 7) becomes a rook on (5, 8), as the promotion
  // dialog lets a person choose, and the rook plays on.
  const HistorySlot start = slot_of({{9, 9, -OU}, {1, 7, -HU}, {1, 1, +KING}, {5, 7, +PORN}});
  const std::vector<SearchMove> moves = {
      SearchMove(square_of(1, 7), square_of(1, 6), -HU, -HU),
      SearchMove(square_of(5, 7), square_of(5, 8), +PORN, +ROOK),
      SearchMove(square_of(1, 6), square_of(1, 5), -HU, -HU),
      SearchMove(square_of(5, 8), square_of(9, 8), +ROOK, +ROOK),
  };
  const GameReview review = reviewed(game_of(start, moves));
  ASSERT_EQ(review.moves.size(), moves.size());
  EXPECT_EQ(review.moves[1].played, moves[1]);
  EXPECT_EQ(review_line(review.moves[1]).rfind("  2 ５八 ルーク(５七) ", 0), 0u) << review_line(review.moves[1]);
  EXPECT_EQ(review.moves[3].played, moves[3]);
}

// Both armies step a piece out and back for 300 moves: the game has no
// repetition rule, so each of its four positions is worth the same every
// time it comes again and each move is judged as it was the time before.
TEST(GameReview, AShufflingGameIsJudgedTheSameEachTimeAPositionComesAgain) {
  HistorySlot start;
  start.board = starting_board(true);
  const SearchMove king_up(square_of(5, 9), square_of(5, 8), -OU, -OU);
  const SearchMove king_back(square_of(5, 8), square_of(5, 9), -OU, -OU);
  const SearchMove rook_out(square_of(2, 1), square_of(3, 1), +ROOK, +ROOK);
  const SearchMove rook_back(square_of(3, 1), square_of(2, 1), +ROOK, +ROOK);
  std::vector<SearchMove> moves = {king_up, SearchMove(square_of(3, 1), square_of(4, 3), +KNIG, +KNIG)};
  while (moves.size() < 300) {
    const bool out = moves.size() % 4 == 2;
    moves.push_back(out ? king_back : king_up);
    moves.push_back(out ? rook_out : rook_back);
  }
  const GameReview review = reviewed(game_of(start, moves));
  ASSERT_EQ(review.moves.size(), 300u);
  for (std::size_t i = 2; i + 4 < review.moves.size(); ++i) {
    EXPECT_EQ(review.moves[i].score_before, review.moves[i + 4].score_before) << review_line(review.moves[i]);
    EXPECT_EQ(review.moves[i].mark, review.moves[i + 4].mark) << review_line(review.moves[i + 4]);
  }
  EXPECT_LE(review.main_army.marks[static_cast<int>(Mark::Blunder)] +
                review.chess_army.marks[static_cast<int>(Mark::Blunder)],
            1)
      << "no saw-tooth of ??";
}

// ---- a record's start ----

// After one pawn step of the main army from each line-up, the right way up
// and turned round, the start is found again (the ladder's grades:
// tests/com/levels_test.cpp); a position no move leads to has none.
TEST(RecordStart, IsFoundForEachLineUpAndWayUp) {
  for (const int chess_sign : {+1, -1})
    for (const bool switched : {false, true})
      for (const bool nippon : {true, false}) {
        Board board = starting_board(switched ? !nippon : nippon);
        if (switched) exchange_main_army(board, nippon);
        if (chess_sign < 0) board = turned_board(board);
        PositionSetup s;
        s.board = board;
        s.chess_sign = chess_sign;
        s.side_to_move = -chess_sign;
        SearchPosition p(s);
        const int from = chess_sign > 0 ? square_of(5, 7) : square_of(5, 3);
        const int to = chess_sign > 0 ? square_of(5, 6) : square_of(5, 4);
        const SearchMove step(from, to, p.at(from), p.at(from));
        p.make(step);
        HistorySlot first;
        first.board = p.setup().board;
        const RecordStartResult found = record_start(first);
        ASSERT_TRUE(found) << chess_sign << switched << nippon;
        EXPECT_EQ(found->start.board, board);
        EXPECT_EQ(found->chess_sign, chess_sign);
        EXPECT_EQ(found->nippon, nippon);
        EXPECT_EQ(found->switched, switched);
        EXPECT_EQ(found->handicap_grade, 0);
        EXPECT_EQ(found->first, step);
      }
  HistorySlot stray;
  stray.board = starting_board(true);
  stray.board(5, 5) = -KIN;  // a piece from nowhere
  EXPECT_FALSE(record_start(stray));
}

}  // namespace
}  // namespace velmora
