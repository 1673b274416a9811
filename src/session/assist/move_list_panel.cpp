#include "assist/move_list_panel.h"

#include <algorithm>
#include <cstdio>

#include "record/replay.h"
#include "text/shown.h"

namespace velmora {
namespace {

int row_count(const Game& g) { return g.pos.history.record_length + 1; }

std::string row_text(const Game& g, int row) { return row == 0 ? START_ROW_TEXT : numbered_move(g, row); }

}  // namespace

std::string numbered_move(const Game& g, int n) {
  char number[16];
  std::snprintf(number, sizeof number, "%3d ", n);
  return number + move_notation(g, n);
}

bool move_list_update_pending(const Game& g) {
  const ListedMoves& listed = g.assist.listed_moves;
  return !g.pos.history.written().empty() || listed.rows != row_count(g) || listed.current_row != current_move_row(g);
}

MoveListUpdate take_move_list_update(Game& g, bool whole) {
  MoveListUpdate update;
  update.row_count = row_count(g);
  update.current_row = current_move_row(g);
  ListedMoves& listed = g.assist.listed_moves;
  SlotSpan rows = g.pos.history.take_written();
  // The next move's row compares with the last written slot.
  if (!rows.empty()) rows.last = std::min(rows.last, update.row_count - 2) + 1;
  if (whole) rows = SlotSpan{0, update.row_count - 1};
  rows = joined(rows, SlotSpan{listed.rows, update.row_count - 1});  // the new rows
  update.first_row = rows.first;
  for (int row = rows.first; row <= rows.last; ++row) update.rows.push_back(row_text(g, row));
  listed = ListedMoves{update.row_count, update.current_row};
  return update;
}

void go_to_move(Game& g, int n) {
  n = std::clamp(n, 0, g.pos.history.record_length);
  // A list kept after its match (ended, or left for a new game) is stepped
  // through as a loaded record is.
  if (g.pos.turn == 0 && g.pos.history.record_length > 0) show_list_as_record(g);
  while (g.pos.move_number != n && !g.program_ended) {
    const int before = g.pos.move_number;
    if (n < before) {
      replay_click(g);
    } else {
      after_click(g);
    }
    if (g.pos.move_number == before) break;
  }
  show_last_move(g);
}

}  // namespace velmora
