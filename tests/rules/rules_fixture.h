// A game on recording fakes with small helpers to set up positions and to play
// moves the way the mouse input and the computer do.
#pragma once

#include <gtest/gtest.h>

#include <utility>

#include "fakes/fake_ports.h"
#include "rules/move_list.h"
#include "rules/moves.h"
#include "view/piece_move.h"

namespace velmora {

class RulesTest : public ::testing::Test {
 protected:
  testing::TestGame t;
  Game& g = t.game;

  void put(int x, int y, int code) { g.pos.board(x, y) = code; }

  // A move as its callers make it: the move itself, the next move number,
  // the new position in the move list.
  void play(int fx, int fy, int tx, int ty, int code) {
    const MoveReport played = 駒移動(g, {fx, fy}, {tx, ty}, code);
    g.pos.move_number += 1;
    手順保存(g.pos, {played.move});
  }

  // The board turned by 180 degrees with every code negated and the hands
  // exchanged: the chess army then plays the own side at the bottom.
  void turn_board_around() {
    const Board before = g.pos.board;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) g.pos.board(x, y) = -before(10 - x, 10 - y);
    std::swap(g.pos.hand_own, g.pos.hand_enemy);
    g.pos.chess_sign = -g.pos.chess_sign;
  }
};

}  // namespace velmora
