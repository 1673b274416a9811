// A record's start. A record file keeps the position after every move, never
// the one before the first; it is the start from which the first stored move
// leads, by a move the rules allow, to the first stored position. One routine
// finds it for every reader: the window's, velmora --picture and
// velmora-com --review.
#pragma once

#include "base/result.h"
#include "engine/search_move.h"
#include "rules/position.h"

namespace velmora {

struct RecordStart {
  HistorySlot start;       // its board; the hands are empty
  int chess_sign = +1;     // -1: turned round (the chess army at the bottom, as the board flip leaves a match)
  bool nippon = true;      // the main army's back ranks are the Japanese line-up
  bool switched = false;   // as the line-up switch leaves the start: the pawn row swapped
  int handicap_grade = 0;  // the ladder's grade, seen with the main army at the bottom
  SearchMove first;        // the first move
};

// The first stored position follows from none of the starts.
struct NoRecordStart {
  int move = 1;  // the move that no start leads to
};

using RecordStartResult = Result<RecordStart, NoRecordStart>;

// The start of a record whose first stored position is `first`. Tried in
// turn: the fresh 日本 and 韓国 starts, each also as the line-up switch leaves
// it (the pawn row swapped), each at every step of the handicap ladder, each
// the right way up and turned round. The main army makes the first move.
RecordStartResult record_start(const HistorySlot& first);

}  // namespace velmora
