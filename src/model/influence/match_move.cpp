#include "influence/match_move.h"

#include "rules/turn_order.h"

namespace velmora {

MoveReport 駒移動(Position& pos, InfluenceMaps& maps, Cell from, Cell to, int code) {
  const MoveReport report = make_move(pos, from, to, code);
  if (report.played && !report.move.is_drop() && (code == -OU || code == -KING)) {
    maps.own_king_x = to.x;
    maps.own_king_y = to.y;
  }
  return report;
}

MoveReport play_move(Position& pos, InfluenceMaps& maps, const Candidate& move) {
  const MoveReport report = 駒移動(pos, maps, move.source_cell(), move.target_cell(), move.final_code);
  if (!report.played) return report;
  pos.move_number += 1;
  if (pos.turn != 0 && pos.king_taken == 0) pos.turn = army_of(pos, other_side(side_of_code(move.final_code)));
  return report;
}

}  // namespace velmora
