// 対局解析: the match on show (finished, in progress or a record loaded)
// judged move by move by level 4, off the window's thread, and what the
// window shows of it: a mark beside each move of the list, the best move of
// the chosen move framed on the board, the chances of the main army move by
// move for the graph, and a summary per army. The review is kept until the
// move list changes, so showing it again costs nothing.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "assist/hint.h"
#include "game/game.h"
#include "review/game_review.h"

namespace velmora {

inline constexpr const char* REVIEW_TITLE = SHOWN("対局解析");
// Each position is searched this long in the window.
inline constexpr double WINDOW_REVIEW_SECONDS = 0.1;

// Palette colours of the marks, from the mildest.
inline constexpr PaletteColour INACCURACY_COLOUR = PaletteColour::Brown;
inline constexpr PaletteColour MISTAKE_COLOUR = PaletteColour::LightRed;
inline constexpr PaletteColour BLUNDER_COLOUR = PaletteColour::Red;

// Runs `work` on a thread of its own while the window waits
// (Clock::run_aside), passing the window's stop (Esc, closing) on to `stop`,
// which the work watches: returns once the work has ended; false when the
// window stopped it.
bool run_stoppable_aside(Clock& clock, std::atomic<bool>& stop, const std::function<void()>& work);

// The kept review when it judged the move list as it stands, else none.
const GameReview* current_review(const Game& g);

enum class ReviewOutcome { Reviewed, AlreadyKept, NothingToReview, Stopped, Refused };

// Reviews the move list with `threads` engines off the window's thread
// (Clock::run_aside) and keeps the result; a list already reviewed is not
// searched again. Setting `progress.stop` (the Cancel button) or the window's
// own stop (Esc, closing) ends it early and keeps nothing. A list without a
// move, or with a move the rules do not allow, is told in a message box.
ReviewOutcome review_match(Game& g, ReviewProgress& progress, int threads);

// "12 / 49 局面を解析中　残り 5 秒" while `done` of `total` positions are
// searched after `seconds`; the time left is estimated from the pace so far
// (before any pace, from each position's time), never 0 while any is left.
std::string progress_text(int done, int total, double seconds);

// The mark shown beside move n of the list, and its palette colour; none
// when the move is unmarked or no review stands for the list.
struct RowMark {
  std::string text;
  PaletteColour colour = PaletteColour::Black;
};
std::optional<RowMark> row_mark(const Game& g, int n);
std::optional<RowMark> row_mark(const GameReview& review, int n);

// The best move of move n (level 4's choice where n was played) on the board
// as the window shows it, as the hint frames its move; none without a review.
std::optional<Candidate> best_move_of(const Game& g, int n);

// Frames the best move of move n, as the hint does, when a review stands.
void frame_best_move(Game& g, int n);

// The main army's winning chances (0 to 1) in the position before move 1
// and after each move: what the evaluation graph draws.
std::vector<double> main_army_chances(const GameReview& review);

// "先手 ?? 1  ? 2  ?! 3  正確度 87.3 %" for the main army (先手) or the chess army (後手).
std::string summary_row(const GameReview& review, bool main_army);

// Move n's judgement for the text export: "+35 → -210  最善 ４四 歩打 ?".
std::string review_note(const GameReview& review, int n);

// The tip of the graph at move n: "12 ５五 角  +35 → -210  最善 ４四 歩打 ?".
std::string move_tip(const GameReview& review, int n);

}  // namespace velmora
