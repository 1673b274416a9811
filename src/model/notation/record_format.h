// The ".棋譜" game-record file: three header lines (Shift-JIS) and one move
// line (move_line.h) per move, every line ended by CR LF.
#pragma once

#include <array>
#include <istream>
#include <string>
#include <system_error>
#include <vector>

#include "base/result.h"
#include "notation/move_line.h"
#include "rules/position.h"

namespace velmora {

// The longest record the game writes or reads; far beyond any real match,
// it keeps a huge or broken file from filling the memory.
inline constexpr int MAX_RECORD_MOVES = 20000;
// The header lines before the first move line.
inline constexpr int HEADER_LINES = 3;
// Header lines longer than this are cut, at a character boundary; they are
// only printed on the window.
inline constexpr std::size_t MAX_HEADER_BYTES = 1000;

// A record as read from a file; the header texts are UTF-8.
struct Record {
  std::string title;
  std::string top_name;     // the player whose army was at the top when saved
  std::string bottom_name;  // the player whose army was at the bottom
  std::vector<RecordPosition> moves;
  // The file line (from 1) of the first move line that is not well formed
  // (move_line.h), 0 when every one is; the record still reads leniently.
  int first_damaged_line = 0;

  // Whether there is a first move and its line was well formed.
  bool first_move_whole() const { return !moves.empty() && first_damaged_line != HEADER_LINES + 1; }
};

struct RecordError {
  enum Kind { CannotOpen, CannotRead, TooManyMoves } kind = CannotOpen;
  int line = 0;           // the line at which reading stopped (0: none was read)
  std::error_code cause;  // the system's reason for the failure, if any
};

using RecordResult = Result<Record, RecordError>;

// Reads a record. Never fails on content: every line after the third is a
// move, read by the lenient rules of read_move_line, and the first one that
// is not well formed is noted. Only a read error or more than
// MAX_RECORD_MOVES moves give an error.
RecordResult read_record(std::istream& in);
RecordResult read_record_file(const std::string& path);

// The whole file: the three header lines in Shift-JIS (line breaks inside a
// text become spaces) and move lines for slots 1..length, each line ended by
// CR LF.
std::string format_record(const std::string& title, const std::string& top_name, const std::string& bottom_name,
                          const MoveList& list, int length, SaveNotes& notes);

}  // namespace velmora
