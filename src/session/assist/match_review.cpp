#include "assist/match_review.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

#include "computer/strong_player.h"
#include "review/review_text.h"
#include "view/board_view.h"
#include "view/phrases.h"
#include "view/texts.h"

namespace velmora {
namespace {

// How often the thread that runs the review looks whether the window asked
// it to stop.
constexpr auto STOP_POLL = std::chrono::milliseconds(20);

// The chess army may drop in the review as it might when the list was played.
ReviewGame game_to_review(const Game& g) {
  return review_game_of(g.pos.history, g.pos.chess_sign, g.assist.list_chess_drops);
}

// Whether the kept review judged the move list as it stands. The slots are
// compared where they lie, newest first, so that asking at every event of a
// long match copies nothing and a changed list is mostly told at once.
bool judged_list(const ReviewGame& kept, const Game& g) {
  const MoveList& list = g.pos.history;
  if (kept.chess_sign != g.pos.chess_sign || kept.chess_drops != g.assist.list_chess_drops) return false;
  if (static_cast<int>(kept.slots.size()) != list.record_length + 1) return false;
  for (int n = list.record_length; n >= 0; --n)
    if (!(kept.slots[n] == list.slot(n))) return false;
  return true;
}

ReviewResult review_aside(Clock& clock, const ReviewGame& game, ReviewProgress& progress, int threads, bool& ran) {
  ReviewResult result = Failure{ReviewError{ReviewError::Stopped, {}}};
  ran = run_stoppable_aside(clock, progress.stop, [&] {
    result = review_game(game, ReviewLimits{WINDOW_REVIEW_SECONDS, 0}, threads, progress);
  });
  return result;
}

Mark mark_of(const GameReview& review, int n) {
  return n >= 1 && n <= static_cast<int>(review.moves.size()) ? review.moves[n - 1].mark : Mark::None;
}

PaletteColour colour_of(Mark mark) {
  switch (mark) {
    case Mark::Blunder: return BLUNDER_COLOUR;
    case Mark::Mistake: return MISTAKE_COLOUR;
    case Mark::Inaccuracy: return INACCURACY_COLOUR;
    case Mark::None: break;
  }
  return PaletteColour::Black;
}

}  // namespace

bool run_stoppable_aside(Clock& clock, std::atomic<bool>& stop, const std::function<void()>& work) {
  return clock.run_aside([&](const std::atomic<bool>& window_stop) {
    std::atomic<bool> finished{false};
    std::thread worker([&] {
      work();
      finished = true;
    });
    while (!finished) {
      if (window_stop) stop = true;
      std::this_thread::sleep_for(STOP_POLL);
    }
    worker.join();
  });
}

const GameReview* current_review(const Game& g) {
  const KeptReview& kept = g.assist.review;
  if (!kept.exists || !judged_list(kept.game, g)) return nullptr;
  return &kept.review;
}

ReviewOutcome review_match(Game& g, ReviewProgress& progress, int threads) {
  if (current_review(g)) return ReviewOutcome::AlreadyKept;
  if (g.pos.history.record_length < 1) {
    show_message(g, SHOWN("解析する手がありません"), REVIEW_TITLE);
    return ReviewOutcome::NothingToReview;
  }
  g.ports.screen.drop_clicks_meanwhile();
  const ReviewGame game = game_to_review(g);
  bool ran = false;
  const ReviewResult result = review_aside(g.ports.clock, game, progress, threads, ran);
  if (!result && result.error().kind == ReviewError::Unreplayable) {
    show_message(g, fill(PHRASE_UNREVIEWABLE_AT, std::to_string(result.error().replay.move)), REVIEW_TITLE,
                 Icon::Exclamation);
    return ReviewOutcome::Refused;
  }
  if (!ran || !result) return ReviewOutcome::Stopped;
  g.assist.review = KeptReview{true, game, *result};
  return ReviewOutcome::Reviewed;
}

std::string progress_text(int done, int total, double seconds) {
  // Before the first position is done the pace is not known: each position
  // takes at most its time. While positions remain, at least a second is left.
  const double estimate = done > 0 ? seconds / done * (total - done) : total * WINDOW_REVIEW_SECONDS;
  const int left = done < total ? std::max(1, static_cast<int>(std::ceil(estimate))) : 0;
  char text[96];
  std::snprintf(text, sizeof text, "%d / %d %s %d %s", std::min(done + 1, total), total, SHOWN("局面を解析中　残り"),
                left, SHOWN("秒"));
  return text;
}

std::optional<RowMark> row_mark(const Game& g, int n) {
  const GameReview* review = current_review(g);
  return review ? row_mark(*review, n) : std::nullopt;
}

std::optional<RowMark> row_mark(const GameReview& review, int n) {
  const Mark mark = mark_of(review, n);
  if (mark == Mark::None) return std::nullopt;
  return RowMark{mark_text(mark), colour_of(mark)};
}

std::optional<Candidate> best_move_of(const Game& g, int n) {
  const GameReview* review = current_review(g);
  if (!review || n < 1 || n > static_cast<int>(review->moves.size())) return std::nullopt;
  const ReviewedMove& move = review->moves[n - 1];
  if (move.best.is_none()) return std::nullopt;
  return candidate_of(move.best);
}

void frame_best_move(Game& g, int n) {
  const std::optional<Candidate> best = best_move_of(g, n);
  if (!best) return;
  描画_桝輪郭(g, HINT_FRAME_COLOUR, best->source_cell());
  描画_桝輪郭(g, HINT_FRAME_COLOUR, best->to);
}

std::vector<double> main_army_chances(const GameReview& review) {
  std::vector<double> chances;
  for (const ReviewedMove& move : review.moves) {
    if (chances.empty()) chances.push_back(move.main_army ? move.chances_before : 1 - move.chances_before);
    chances.push_back(move.main_army ? move.chances_after : 1 - move.chances_after);
  }
  return chances;
}

std::string summary_row(const GameReview& review, bool main_army) {
  const ArmySummary& s = main_army ? review.main_army : review.chess_army;
  char text[160];
  std::snprintf(text, sizeof text, "%s  ?? %d  ? %d  ?! %d  %s %.1f %%", main_army ? SHOWN("先手") : SHOWN("後手"),
                s.marks[static_cast<int>(Mark::Blunder)], s.marks[static_cast<int>(Mark::Mistake)],
                s.marks[static_cast<int>(Mark::Inaccuracy)], SHOWN("正確度"), s.accuracy);
  return text;
}

std::string review_note(const GameReview& review, int n) {
  if (n < 1 || n > static_cast<int>(review.moves.size())) return "";
  const ReviewedMove& move = review.moves[n - 1];
  return score_text(move.score_before) + " → " + score_text(move.score_after) + "  " SHOWN("最善") " " +
         move_text(move.best) + " " + mark_text(move.mark);
}

std::string move_tip(const GameReview& review, int n) {
  if (n < 1 || n > static_cast<int>(review.moves.size())) return "";
  return std::to_string(n) + " " + move_text(review.moves[n - 1].played) + "  " + review_note(review, n);
}

}  // namespace velmora
