// A short match played move by move as the game plays it: the move is made
// on the board, the move number grows, the position goes into the move list
// with the clock totals of the side that moved.
#pragma once

#include "fakes/fake_ports.h"
#include "rules/move_list.h"
#include "rules/moves.h"
#include "setup/new_game.h"
#include "view/piece_move.h"

namespace velmora::testing {

// Buffer handles of the six sounds, so that the played ones can be told apart.
inline void give_sound_handles(Game& g) { g.sound = SoundHandles{100, 1, 2, 3, 4, 5, 6}; }
inline constexpr int SND_OTHER = 1, SND_REFUSE = 2, SND_PIECE = 3, SND_CHESS = 4, SND_VANISH = 5, SND_BGM = 6;

struct PlayedMove {
  int fx, fy, tx, ty, code;
  double thinking;  // seconds the mover took
};

// Ten moves from the starting position of the Japanese line-up: pawns meet,
// the own side captures a chess pawn and promotes, the enemy knight takes
// the promoted pawn, and the own side drops the captured chess pawn.
inline const PlayedMove TEN_MOVES[] = {
    {4, 7, 4, 6, -HU, 3.7},    {4, 2, 4, 4, PORN, 1.25}, {4, 6, 4, 5, -HU, 61.9},      {5, 2, 5, 3, PORN, 0.5},
    {4, 5, 4, 4, -HU, 12.0},   {3, 2, 3, 3, PORN, 2.75}, {4, 4, 4, 3, -HU_N, 3600.01}, {3, 1, 4, 3, KNIG, 9.99},
    {11, 5, 5, 5, -PORN, 0.2}, {6, 2, 6, 3, PORN, 4.4},
};

// Plays `count` moves of TEN_MOVES on a fresh starting position; the own side
// (the main army) moves first.
inline void play_moves(Game& g, int count) {
  初期設定(g);
  g.pos.turn = +1;
  for (int i = 0; i < count; ++i) {
    const PlayedMove& m = TEN_MOVES[i];
    const bool own_move = m.code < 0;
    const double own_before = g.clock.clock_own_total, enemy_before = g.clock.clock_enemy_total;
    if (own_move)
      g.clock.clock_own_total += m.thinking;
    else
      g.clock.clock_enemy_total += m.thinking;
    const MoveReport played = 駒移動(g, {m.fx, m.fy}, {m.tx, m.ty}, m.code);
    g.pos.move_number += 1;
    g.com.move_counter += 1;
    手順保存(g.pos, {played.move, own_before, g.clock.clock_own_total, enemy_before, g.clock.clock_enemy_total});
    g.pos.turn = -g.pos.turn;
  }
}

}  // namespace velmora::testing
