#include "puzzles.h"

#include <cstdio>

#include "review/game_review.h"
#include "review/review_text.h"
#include "review_record.h"
#include "training/training_collection.h"

namespace velmora {
namespace {

std::string puzzle_line(const std::string& path, const TrainingPosition& p) {
  char margin[32];
  std::snprintf(margin, sizeof margin, "%.3f", p.margin);
  return path + "\t" + std::to_string(p.number) + "\t" + record_line_of(p.setup) + "\t" + move_text_from(p.answer) +
         "\t" + margin;
}

}  // namespace

bool print_puzzles(const PuzzleOptions& options, std::ostream& out, std::ostream& report) {
  bool all_read = true;
  for (const std::string& path : options.record_paths) {
    const RecordGameResult read = read_record_game(path);
    if (!read) {
      tell_record_fault(path, read.error(), report);
      all_read = false;
      continue;
    }
    ReviewProgress progress;
    const std::vector<SearchReport> reports =
        search_positions(read->replayed.positions, options.limits, options.threads, progress);
    const GameReview review = judge_moves(read->replayed, reports);
    for (const TrainingPosition& p :
         training_positions(read->replayed, review, options.army, check_nodes(review, options.limits)))
      out << puzzle_line(path, p) << '\n';
  }
  return all_read;
}

}  // namespace velmora
