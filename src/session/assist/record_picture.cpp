#include "assist/record_picture.h"

#include "assist/move_list_panel.h"
#include "match/window.h"
#include "record/record_files.h"
#include "record/replay.h"
#include "rules/turn_order.h"

namespace velmora {

void show_record_position(Game& g, const Record& record, const RecordStart& start, int n, bool flipped) {
  open_without_window(g);
  show_record(g, record, start);
  take_turn_of_record(g.pos);
  go_to_move(g, n);
  if (flipped) turn_board_round(g);
}

}  // namespace velmora
