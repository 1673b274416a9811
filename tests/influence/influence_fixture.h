// A game on recording fakes for the influence tests: place pieces, survey,
// read the maps.
#pragma once

#include <gtest/gtest.h>

#include "fakes/fake_ports.h"
#include "influence/survey.h"

namespace velmora {

class InfluenceTest : public ::testing::Test {
 protected:
  testing::TestGame t;
  Game& g = t.game;
  InfluenceMaps& m = t.game.maps;

  void put(int x, int y, int code) { g.pos.board(x, y) = code; }
  void clear() { g.pos.board.fill_squares(EMPTY); }
  void survey() { 勢力調査(g.pos, g.maps); }

  // Sum of a map over the 81 squares.
  static int sum(const Grid<int>& grid) {
    int total = 0;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) total += grid(x, y);
    return total;
  }
};

}  // namespace velmora
