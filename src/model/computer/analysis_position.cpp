#include "computer/analysis_position.h"

#include "influence/survey.h"
#include "rules/turn_order.h"

namespace velmora {

void set_up_position(Position& pos, InfluenceMaps& maps, const AnalysisPosition& p) {
  pos.board = p.board;
  pos.hand_own = p.hand_own;
  pos.hand_enemy = p.hand_enemy;
  pos.chess_sign = +1;
  調査_先手後手(pos);
  pos.turn = pos.main_sign();
  HistorySlot& last = pos.history.slot(pos.move_number);
  last.move_to = p.last;
  last.move_code = p.last_code;
  pos.refresh_two_pawn_flags();
  勢力調査(pos, maps);
}

}  // namespace velmora
