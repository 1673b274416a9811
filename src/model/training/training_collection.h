// The collection of training positions: every position found in the
// reviewed games, with the player's results, and which one is asked next.
//
// What is asked follows Leitner boxes: a new position starts in box 1; a
// solved one moves up a box and comes back after that box's interval, a
// missed one goes back to box 1 and comes back soon. Among the positions that
// are due, the lowest box is asked first, then the one due longest.
//
// The file ("velmora-training.txt" in the folder of the settings file, UTF-8,
// lines ended by LF) is written whole by the atomic replace, so a kill during
// a write leaves the old file or the new one, never half of one:
//
//   velmora-training 1
//   box=1 due=0 solved=0 missed=0 number=12 mark=?? army=main lineup=nippon drop=1
//     side=-1 chess=1 drops=0 last=5,6,-1 margin=0.231 played=5,7,5,6,-1,-1
//     answer=0,1,5,5,-1,-1 line=0,1,5,5,-1,-1;4,2,4,3,1,1 board=<move line>
//
// (one line a position; shown here on three). The first line names the
// format and its version. A position's fields: its Leitner box (1..5), when
// it is due (seconds since 1970, 0 at once), how often it was solved and
// missed, the move of its game that went wrong, its mark, the army to move
// (main or chess), the main army's line-up (nippon or kankoku), whether the
// answer is a drop, the side to move and the chess army's sign (-1 or 1),
// whether the chess army may drop, the last move's square and code (for en
// passant), the answer's lead in winning chances, the move played, the
// answer and the line that shows why. A move is "fx,fy,tx,ty,code,final"
// (a drop: fx 0 and fy its hand index). The board is last: the record file's
// 299-character move line of the position (its clocks 0). A line that cannot
// be read is passed over and the others are kept.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "training/training_positions.h"

namespace velmora {

inline constexpr const char* TRAINING_FILE_NAME = "velmora-training.txt";
inline constexpr const char* TRAINING_FORMAT = "velmora-training";
inline constexpr int TRAINING_VERSION = 1;

// The Leitner boxes and how long a position waits in each before it is due
// again: 5 minutes, a day, 3 days, a week, a month.
inline constexpr int LEITNER_BOXES = 5;
inline constexpr std::array<std::int64_t, LEITNER_BOXES> BOX_WAIT_SECONDS = {5 * 60, 86400, 3 * 86400, 7 * 86400,
                                                                             30 * 86400};

struct TrainingEntry {
  TrainingPosition position;
  int box = 1;           // 1..LEITNER_BOXES
  std::int64_t due = 0;  // seconds since 1970; 0: at once
  int solved = 0, missed = 0;
};

struct TrainingCollection {
  std::vector<TrainingEntry> entries;
};

// Which positions are asked: by army, by whether the answer is a drop.
struct TrainingFilter {
  TrainingArmy army = TrainingArmy::Both;
  enum class Drops { Any, Only, Without } drops = Drops::Any;
};
bool passes(const TrainingEntry& entry, const TrainingFilter& filter);

// Adds the positions not yet in the collection (the same position with the
// same answer is there once); answers how many were added.
int add_positions(TrainingCollection& collection, const std::vector<TrainingPosition>& positions);

// The position asked next among those the filter passes: the due one of the
// lowest box, the one due longest first; none when nothing is due.
std::optional<std::size_t> next_due(const TrainingCollection& collection, const TrainingFilter& filter,
                                    std::int64_t now);

// A solved position moves up a box, a missed one back to box 1; either is
// due again after its new box's wait.
void record_answer(TrainingEntry& entry, bool solved, std::int64_t now);

// What the window counts among the positions the filter passes: answers
// that solved and missed them, and the positions due now.
struct TrainingCounts {
  int solved = 0, missed = 0, due = 0, positions = 0;
};
TrainingCounts training_counts(const TrainingCollection& collection, const TrainingFilter& filter, std::int64_t now);

// The file's text.
std::string format_collection(const TrainingCollection& collection);

// Why a text is no collection this program can read: no first line naming
// the format, or a later version. The file is then left alone.
struct CollectionError {
  std::string what;
};
Result<TrainingCollection, CollectionError> parse_collection(std::string_view text);

// The record file's 299-character move line of a position (its clocks 0).
std::string record_line_of(const PositionSetup& position);

// A move as the file writes it: "fx,fy,tx,ty,code,final".
std::string move_field(SearchMove move);
std::optional<SearchMove> read_move_field(std::string_view text);

}  // namespace velmora
