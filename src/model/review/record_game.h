// A record file read whole and checked as a game: its start found, every
// move found among the moves the rules allow. velmora --picture and
// velmora-com --review read records through it, so both refuse the same
// files.
#pragma once

#include <string>

#include "base/result.h"
#include "notation/record_format.h"
#include "review/record_start.h"
#include "review/replayed_game.h"

namespace velmora {

struct RecordGame {
  Record record;
  RecordStart start;
  ReviewGame game;        // slot 0 the start, slot n the position after move n
  ReplayedGame replayed;  // every position with its side to move, every move found
};

// Why a file cannot be taken as a game.
struct RecordFault {
  enum Kind { Unreadable, Damaged, NoMove, NoStart, Unplayable } kind = Unreadable;
  int line = 0;  // the file line (from 1) it concerns, 0 for none
  int move = 0;  // the move (from 1) it concerns, 0 for none
  std::string what;
};

using RecordGameResult = Result<RecordGame, RecordFault>;

// Writes a record's position into a slot of a move list: board, hands and
// clocks; the slot's destination and code stay as they were.
void take_record_position(HistorySlot& slot, const RecordPosition& p);

// The move list of a record played from `start`: slot 0 the start, slot n
// the position and clocks of move n.
ReviewGame game_of_record(const Record& record, const RecordStart& start);

// Reads the record at `path` and replays it. Refuses a file that cannot be
// read, a move line that is not whole, a record without a move, a first
// position no start leads to and a move no move the rules allow leads to.
RecordGameResult read_record_game(const std::string& path);

// The fault in English, its file line left to the caller: "move 4: no move
// the rules allow leads to this position".
std::string fault_text(const RecordFault& fault);

}  // namespace velmora
