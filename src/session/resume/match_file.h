// The running match as a file of its own: everything 前回の対局を再開 needs to
// set the match up again exactly as it stood. A small versioned text format,
// UTF-8, one line each of a key and its values parted by single spaces, in
// this order:
//
//   velmora-match 1                    the version
//   mode com|people                    against the computer or two people
//   level 1..4                         the computer's level
//   nation nippon|kankoku              the main army's leading nation
//   drops on|off                       ﾁｪｽ側持駒OK
//   handicap GRADE SET                 the handicap ladder
//   flipped, record, pending 0|1       board_flipped, record_mode, resume_pending
//   turn, chess_sign, move_number, move_counter, king_taken
//   clocks OWN ENEMY running|stopped   both totals in seconds, Timer1
//   shown_count N                      the move count on show
//   shown_enemy, shown_own SHOWN X Y CODE COLOUR   the last moves on show
//   header SHOWN, title, top, bottom   a loaded record's header
//   board 81 codes (columns outer), hand_own 18 counts, hand_enemy 18 counts
//   list LENGTH TURNED ENDED SLOTS     the move list, then SLOTS lines from 0:
//   slot TO_X TO_Y CODE OWN_BEFORE OWN_AFTER ENEMY_BEFORE ENEMY_AFTER, 81 codes, 18 + 18 counts
//   thinking SECONDS                   how long the side to move has thought
//   end
//
// A match played under a time control is written as version 2: the same
// lines, and before "end" the controls of both armies (the times left follow
// from them and the move list's clocks):
//
//   time_main CONTROL, time_chess CONTROL   e.g. fischer:60+2 (clock/time_control.h)
//
// A match under no control is written as version 1, byte for byte as before,
// and a file of either version reads back.
//
// Times are written with the fewest digits that read back to the same
// number, so the clocks round-trip exactly. In texts a backslash, a line
// feed and a carriage return are written as \\, \n and \r.
#pragma once

#include <string>
#include <string_view>

#include "base/result.h"
#include "game/game.h"

namespace velmora {

inline constexpr const char* MATCH_FILE_NAME = "velmora-match.txt";
// The first line of a match file of this version.
inline constexpr std::string_view MATCH_FILE_SIGNATURE = "velmora-match 1";
// The first line of a match file that keeps time controls.
inline constexpr std::string_view TIMED_MATCH_FILE_SIGNATURE = "velmora-match 2";
// A match file is never near this size (a 20,000-move list is about 8 MB).
inline constexpr std::size_t MAX_MATCH_FILE_BYTES = std::size_t{32} << 20;

// Everything of a running match that the file keeps.
struct SavedMatch {
  // The position on the board and the move list (slots 0 to the last in use).
  Position pos;
  // Who plays, and the options the match is played with.
  int game_mode = MODE_MAN;
  int com_level = 3;
  bool nippon = true;
  bool chess_drops = false;
  int handicap_grade = 0;
  int handicap_set = 0;
  int board_flipped = 0;
  int record_mode = 0;
  int resume_pending = 0;
  int move_counter = 0;
  // The clocks: both totals, whether Timer1 runs, and how long the side to
  // move has thought in this turn.
  double clock_own_total = 0;
  double clock_enemy_total = 0;
  bool clock_running = false;
  double thinking = 0;
  // The time controls of both armies (none: the clocks only measure).
  TimeControls time_controls;
  // The move count, last moves and record header on show.
  ShownTexts shown;

  bool operator==(const SavedMatch&) const = default;
};

// The match `g` holds now; `thinking` is measured on its clock.
SavedMatch saved_match(Game& g);

std::string format_saved_match(const SavedMatch& match);

// Why a match file cannot be used, in a line a person can read.
struct MatchFileFault {
  std::string what;
};
using MatchFileResult = Result<SavedMatch, MatchFileFault>;

// Reads a match file strictly: a file of another program or version, a
// truncated file, a line out of order, a value out of range or a position
// whose bookkeeping does not hold gives the fault, never a crash.
MatchFileResult read_saved_match(std::string_view text);

}  // namespace velmora
