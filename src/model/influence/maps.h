// The influence maps a survey fills in, and the king squares.
#pragma once

#include "rules/grid.h"

namespace velmora {

inline constexpr int CHECKER_MARK = 9;  // check maps: square of a checking piece
inline constexpr int LINE_MARK = 1;     // check maps: square between a slider and the king

struct InfluenceMaps {
  Grid<int> own_influence;
  Grid<int> enemy_influence;
  Grid<int> own_defender_code;
  Grid<int> enemy_defender_code;
  Grid<int> enemy_defender_x, enemy_defender_y;  // not reset by a survey
  Grid<int> own_attacker_code;
  Grid<int> own_attacker_x, own_attacker_y;
  Grid<int> enemy_attacker_code;
  Grid<int> enemy_attacker_x, enemy_attacker_y;  // not reset by a survey
  Grid<int> own_check_map;
  Grid<int> enemy_check_map;
  int own_king_x = 0, own_king_y = 0;
  int enemy_king_x = 0, enemy_king_y = 0;
};

}  // namespace velmora
