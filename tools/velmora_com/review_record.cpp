#include "review_record.h"

#include <chrono>
#include <cstdio>

#include "review/game_review.h"
#include "review/review_text.h"

namespace velmora {

void tell_record_fault(const std::string& path, const RecordFault& fault, std::ostream& report) {
  report << "velmora-com: " << path;
  if (fault.line != 0) report << ':' << fault.line;
  report << ": " << fault_text(fault) << "\n";
}

bool review_record(const ReviewOptions& options, std::ostream& out, std::ostream& report) {
  const std::string& path = options.record_path;
  const RecordGameResult read = read_record_game(path);
  if (!read) {
    tell_record_fault(path, read.error(), report);
    return false;
  }
  const ReplayedGame& game = read->replayed;
  const auto start = std::chrono::steady_clock::now();
  ReviewProgress progress;
  const std::vector<SearchReport> reports = search_positions(game.positions, options.limits, options.threads, progress);
  const GameReview review = judge_moves(game, reports);
  for (const ReviewedMove& move : review.moves) out << review_line(move) << '\n';
  out << summary_line("main army", review.main_army) << '\n' << summary_line("chess army", review.chess_army) << '\n';
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  char timing[160];
  std::snprintf(timing, sizeof timing, "review: %zu positions, %lld nodes in %.2f s (%.0f nodes/s) on %d threads\n",
                review.moves.size() + 1, review.nodes, seconds, seconds > 0 ? review.nodes / seconds : 0.0,
                options.threads);
  report << timing;
  return true;
}

}  // namespace velmora
