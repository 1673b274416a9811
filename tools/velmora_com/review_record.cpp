#include "review_record.h"

#include <chrono>
#include <cstdio>

#include "game/game.h"
#include "notation/record_format.h"
#include "ports/null_ports.h"
#include "record/record_files.h"
#include "review/game_review.h"
#include "review/review_text.h"

namespace velmora {
namespace {

std::string read_error_text(const RecordError& error) {
  switch (error.kind) {
    case RecordError::CannotOpen: return "cannot open the record" + (error.cause ? ": " + error.cause.message() : "");
    case RecordError::CannotRead:
      return "cannot read the record at line " + std::to_string(error.line) +
             (error.cause ? ": " + error.cause.message() : "");
    case RecordError::TooManyMoves:
      return "more than " + std::to_string(MAX_RECORD_MOVES) + " moves, at line " + std::to_string(error.line);
  }
  return "cannot read the record";
}

// Whether the main army of the first move is the Japanese one (its king is
// 王), which decides the line-up the record started from.
bool japanese_main_army(const Record& record) {
  const Board& first = record.moves.front().board;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (kind_of(first(x, y)) == SYOU) return false;
  return true;
}

// The move list of the record as the window shows it after loading it with
// the main army's nation set as the record's: the start it implies and every
// move.
ReviewGame game_of(const Record& record) {
  NullPorts silent;
  Game g(silent.ports());
  g.menu.NIPPON = japanese_main_army(record);
  g.menu.KANKOKU = !g.menu.NIPPON;
  show_record(g, record);
  return review_game_of(g.pos.history, g.pos.chess_sign, false);
}

}  // namespace

bool review_record(const ReviewOptions& options, std::ostream& out, std::ostream& report) {
  const std::string& path = options.record_path;
  const RecordResult read = read_record_file(path);
  if (!read) {
    report << "velmora-com: " << path << ": " << read_error_text(read.error()) << "\n";
    return false;
  }
  const Record& record = *read;
  if (record.first_damaged_line != 0) {
    report << "velmora-com: " << path << ":" << record.first_damaged_line
           << ": the move line is damaged (not 299 well-formed characters)\n";
    return false;
  }
  if (record.moves.empty()) {
    report << "velmora-com: " << path << ": the record holds no move\n";
    return false;
  }
  const auto start = std::chrono::steady_clock::now();
  ReviewProgress progress;
  const ReviewResult result = review_game(game_of(record), options.limits, options.threads, progress);
  if (!result) {
    const ReplayError& error = result.error().replay;
    report << "velmora-com: " << path << ":" << HEADER_LINES + error.move << ": move " << error.move << ": "
           << error.what << "\n";
    return false;
  }
  const GameReview& review = *result;
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
