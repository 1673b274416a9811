// 練習問題: the positions where the player went wrong, collected from the
// games the player reviewed, asked again on the board. A position is shown
// with its side to move at the bottom; the answer is taken from the mouse or
// the move field and judged against the review's better move; a hint frames
// the piece to move, then its square; the solution steps its line on the
// board. The match on show is set aside meanwhile and comes back as it was:
// the match kept for 前回の対局を再開 is never written while a position is
// on the board.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "game/game.h"
#include "resume/match_file.h"
#include "training/training_collection.h"

namespace velmora {

inline constexpr const char* TRAINING_TITLE = SHOWN("練習問題");
// The pause between the moves of a solution's line stepped on the board.
inline constexpr double SOLUTION_STEP_SECONDS = 0.8;

struct TrainingSession {
  // Seconds since 1970: when an answer is given and what is due.
  std::function<std::int64_t()> now;
  TrainingCollection collection;
  bool loaded = false;          // the file was read this run
  bool writable = true;         // false: the file holds what this program cannot read; it is left alone
  bool write_reported = false;  // a failed write is told once a run
  TrainingFilter filter;
  // The position on the board, turned so that its side to move is at the
  // bottom, and the entry it came from.
  std::optional<std::size_t> asked;
  TrainingPosition shown;
  int hints = 0;        // 1: the piece framed, 2: its square too
  bool judged = false;  // the answer to the position on the board is booked
  // The match set aside while positions are solved.
  std::optional<SavedMatch> match;
  ResumeState resume;
  MenuChecks menu;
  // The move list whose review was last collected.
  ReviewGame collected;
};

// The collection's file beside the settings file.
std::string training_path(const Game& g);

// Reads the file the first time it is needed; a file that cannot be read
// leaves the collection empty, a later version of it is left alone.
void load_training(Game& g, TrainingSession& t);

// After 対局解析: the positions of the review standing for the move list,
// checked off the window's thread, join the collection (against the computer
// the person's army only, else both armies). Answers how many were added; a
// review already collected adds none.
int collect_review(Game& g, TrainingSession& t, ReviewProgress& progress);
// The candidates the collection of the standing review checks (its progress).
int review_candidates(const Game& g);

bool training_on(const TrainingSession& t);

// 表示 → 練習問題: the match is set aside and the next due position shown;
// with none due, says so and leaves the match as it is.
void open_training(Game& g, TrainingSession& t);
// The person's move on the board while a position is shown.
void take_answer(Game& g, TrainingSession& t, const Candidate& move);
// The hint: first the piece to move framed, then the square it goes to.
void training_hint(Game& g, TrainingSession& t);
// The answer and the line after it, stepped on the board; an unanswered
// position counts as missed.
void show_solution(Game& g, TrainingSession& t);
// The next due position (under the filter as it stands); with none, says so
// and keeps the position on the board.
void next_training_position(Game& g, TrainingSession& t);
// The filter changed: the next position is the next due under it.
void set_training_filter(Game& g, TrainingSession& t, const TrainingFilter& filter);
// Back to the match set aside, as it was.
void close_training(Game& g, TrainingSession& t);

// "解けた 3  間違えた 2  復習 4 / 12": answers solved and missed, the
// positions due now and all the filter passes.
std::string training_status(const TrainingSession& t);

}  // namespace velmora
