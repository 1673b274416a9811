#include "assist/take_back.h"

#include "match/match_start.h"
#include "record/replay.h"
#include "rules/moves.h"
#include "rules/turn_order.h"
#include "view/sound_effects.h"

namespace velmora {
namespace {

// Move n was the computer's: the piece that arrived belongs to the side at
// the top, which the computer always plays.
bool computer_made(const Game& g, int n) {
  int x = 0, y = 0, code = EMPTY;
  return 調査_移動結果(g.pos, n, x, y, code) && is_enemy_piece(code);
}

bool against_computer(const Game& g) { return g.game_mode == MODE_COM; }

bool match_running(const Game& g) { return g.pos.turn != 0 && !g.record_mode; }

// Moves one take-back removes: the last move, and against the computer,
// when that was its reply, the person's move before it. 0: none.
int moves_to_take_back(const Game& g) {
  const int n = g.pos.move_number;
  if (!against_computer(g) || (n >= 1 && !computer_made(g, n))) return n >= 1 ? 1 : 0;
  return n >= 2 ? 2 : 0;
}

// Moves one redo puts back: the next move, and against the computer, when
// that was the person's, the computer's reply after it.
int moves_to_redo(const Game& g) {
  const int n = g.pos.move_number;
  const int ahead = g.pos.history.record_length - n;
  if (ahead < 1) return 0;
  if (against_computer(g) && ahead >= 2 && !computer_made(g, n + 1) && computer_made(g, n + 2)) return 2;
  return 1;
}

// The side to move plays on at once: no announcement, its clock restarts
// (against the computer Timer1 runs whatever 経過時間 says, as in 対局(COM)).
// Should the computer be to move (a list that ends after the person's move),
// the next click lets it move, as after "進".
void play_on(Game& g) {
  if (against_computer(g) && side_to_move(g.pos) == Side::Enemy) return;
  g.resume_pending = false;
  start_turn_clock(g);
  if (against_computer(g)) g.clock.timer1_enabled = true;
}

}  // namespace

void take_back(Game& g) {
  if (g.network) return g.network->take_back_asked(g);  // the other player is asked
  const int moves = match_running(g) ? moves_to_take_back(g) : 0;
  if (moves == 0) return play_refusal(g);
  for (int i = 0; i < moves; ++i) replay_click(g);
  show_last_move(g);
  play_on(g);
}

void take_back_redo(Game& g) {
  // Over the network a take-back is agreed by both players and stays.
  const int moves = match_running(g) && !g.network ? moves_to_redo(g) : 0;
  if (moves == 0) return play_refusal(g);
  for (int i = 0; i < moves; ++i) after_click(g);
  play_on(g);
}

}  // namespace velmora
