#include "played_position.h"

#include <utility>

#include "rules/moves.h"
#include "view/piece_move.h"

namespace velmora {

void flip(AnalysisPosition& p) {
  p.board = turned_board(p.board);
  std::swap(p.hand_own, p.hand_enemy);
  if (p.last.x != 0) {
    p.last = turned_cell(p.last);
    p.last_code = -p.last_code;
  }
}

void take_position(AnalysisPosition& p, const Game& g, const Candidate& move) {
  p.board = g.pos.board;
  p.hand_own = g.pos.hand_own;
  p.hand_enemy = g.pos.hand_enemy;
  p.last = move.to;
  p.last_code = move.final_code;
}

void move_piece(Game& g, const Candidate& move) { 駒移動(g, move.source_cell(), move.target_cell(), move.final_code); }

PositionCheck check_played_position(const Game& g) {
  if (PositionCheck checked = g.pos.check(); !checked) return checked;
  return check_line_up(g.pos);
}

}  // namespace velmora
