// The computer's analysis of the position at the start of its turn, which the
// evaluation of every candidate reads, and its strength.
#pragma once

#include "rules/grid.h"

namespace velmora {

// Evaluation scores are kept as whole tenths so that equal scores compare
// equal whatever the order of the additions (0.1 -> 1, 9998 -> 99980).
using Tenths = int;

struct ComAnalysis {
  Tenths com_best_score = 0;
  int com_move_code = 0;  // the piece of the candidate being scored
  int king_distance_before = 0;
  int own_king_escapes_before = 0;
  Board board_before_com;
  Grid<int> own_influence_before, enemy_influence_before;
  Grid<int> enemy_attacker_x_before, enemy_attacker_y_before;
  Grid<int> bishop_threat_mark;
  Grid<int> own_pinned;
  int enemy_pinned_any = 0;
  int com_level = 3;  // 1..3: how many of the evaluation's stages count; 4 searches deep
};

}  // namespace velmora
