#include "review/game_review.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

Mark mark_for(double loss) {
  if (loss >= BLUNDER_LOSS) return Mark::Blunder;
  if (loss >= MISTAKE_LOSS) return Mark::Mistake;
  if (loss >= INACCURACY_LOSS) return Mark::Inaccuracy;
  return Mark::None;
}

ReviewedMove judge_move(int number, const ReplayedMove& move, int chess_sign, const SearchReport& before,
                        const SearchReport& after) {
  ReviewedMove judged;
  judged.number = number;
  judged.mover = move.mover;
  judged.main_army = move.mover != chess_sign;
  judged.played = move.played;
  judged.best = before.best;
  judged.score_before = before.score;
  judged.score_after = move.took_king ? SCORE_WIN : -after.score;
  judged.chances_before = winning_chances(judged.score_before);
  judged.chances_after = winning_chances(judged.score_after);
  // Taking the king ends the game and level 4's own choice is the yardstick:
  // neither gives anything away, whatever else they do.
  const bool best = move.played == before.best || move.took_king;
  judged.loss = best ? 0 : std::max(0.0, judged.chances_before - judged.chances_after);
  judged.mark = best ? Mark::None : move.exposed_king ? Mark::Blunder : mark_for(judged.loss);
  judged.best_was_drop = judged.mark != Mark::None && before.best.is_drop();
  return judged;
}

void add_to_summary(ArmySummary& summary, const ReviewedMove& move) {
  ++summary.moves;
  ++summary.marks[static_cast<int>(move.mark)];
  if (move.best_was_drop) ++summary.missed_drops;
  summary.average_loss += move.loss;
  summary.accuracy += 100 * std::exp(-ACCURACY_DECAY * move.loss);
}

void finish_summary(ArmySummary& summary) {
  if (summary.moves == 0) {
    summary.accuracy = 100;
    return;
  }
  summary.average_loss /= summary.moves;
  summary.accuracy /= summary.moves;
}

}  // namespace

double winning_chances(int score) { return 1 / (1 + std::exp(-score / CHANCES_SCALE)); }

const char* mark_text(Mark mark) {
  switch (mark) {
    case Mark::Blunder: return "??";
    case Mark::Mistake: return "?";
    case Mark::Inaccuracy: return "?!";
    case Mark::None: break;
  }
  return "-";
}

GameReview judge_moves(const ReplayedGame& game, const std::vector<SearchReport>& reports) {
  GameReview review;
  review.main_army.accuracy = review.chess_army.accuracy = 0;
  const int chess_sign = game.positions.empty() ? +1 : game.positions[0].setup.chess_sign;
  for (std::size_t i = 0; i < game.moves.size() && i + 1 < reports.size(); ++i) {
    const ReviewedMove move =
        judge_move(static_cast<int>(i) + 1, game.moves[i], chess_sign, reports[i], reports[i + 1]);
    add_to_summary(move.main_army ? review.main_army : review.chess_army, move);
    review.moves.push_back(move);
  }
  for (const SearchReport& report : reports) review.nodes += report.nodes;
  finish_summary(review.main_army);
  finish_summary(review.chess_army);
  return review;
}

ReviewResult review_game(const ReviewGame& game, const ReviewLimits& limits, int threads, ReviewProgress& progress) {
  const ReplayResult replayed = replay_game(game);
  if (!replayed) return Failure{ReviewError{ReviewError::Unreplayable, replayed.error()}};
  const ReplayedGame& moves = *replayed;
  const std::vector<SearchReport> reports = search_positions(moves.positions, limits, threads, progress);
  if (reports.size() != moves.positions.size()) return Failure{ReviewError{ReviewError::Stopped, {}}};
  return judge_moves(moves, reports);
}

}  // namespace velmora
