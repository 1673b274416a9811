#include "review/review_text.h"

#include <cstdio>
#include <cstdlib>

#include "engine/squares.h"
#include "notation/notation.h"

namespace velmora {
namespace {

// Scores this close to a taken king mean one can be taken by force.
constexpr int FORCED_WIN_MARGIN = 1000;

}  // namespace

std::string move_text(SearchMove move) {
  if (move.is_none()) return "――";
  const int x = column_of(move.to()), y = row_of(move.to());
  return 文字列変換(110 - x) + 文字列変換(110 + y) + " " + 文字列変換(move.final_code()) + (move.is_drop() ? "打" : "");
}

std::string move_text_from(SearchMove move) {
  if (move.is_none() || move.is_drop()) return move_text(move);
  const int x = column_of(move.from()), y = row_of(move.from());
  return move_text(move) + "(" + 文字列変換(110 - x) + 文字列変換(110 + y) + ")";
}

std::string score_text(int score) {
  if (std::abs(score) >= SCORE_WIN - FORCED_WIN_MARGIN) return score > 0 ? "+win" : "-win";
  char text[16];
  std::snprintf(text, sizeof text, score == 0 ? "%d" : "%+d", score);
  return text;
}

std::string review_line(const ReviewedMove& move) {
  char number[16];
  std::snprintf(number, sizeof number, "%3d ", move.number);
  return number + move_text_from(move.played) + " " + score_text(move.score_before) + " " +
         score_text(move.score_after) + " best " + move_text_from(move.best) + " " + mark_text(move.mark);
}

std::string summary_line(const char* army, const ArmySummary& s) {
  char text[200];
  std::snprintf(text, sizeof text,
                "%s: %d moves, ?? %d, ? %d, ?! %d, missed drops %d, average loss %.1f %%, accuracy %.1f %%", army,
                s.moves, s.marks[static_cast<int>(Mark::Blunder)], s.marks[static_cast<int>(Mark::Mistake)],
                s.marks[static_cast<int>(Mark::Inaccuracy)], s.missed_drops, 100 * s.average_loss, s.accuracy);
  return text;
}

}  // namespace velmora
