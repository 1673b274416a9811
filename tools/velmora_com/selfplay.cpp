#include "selfplay.h"

#include <random>
#include <vector>

#include "com/analysis.h"
#include "com/com_turn.h"
#include "ports/null_ports.h"
#include "rules/move_check.h"
#include "rules/moves.h"
#include "rules/promotion.h"
#include "rules/setup.h"

namespace velmora {
namespace {

inline constexpr int MAX_PLIES_PER_GAME = 160;
inline constexpr unsigned MAX_RANDOM_OPENING_PLIES = 6;
inline constexpr unsigned RANDOM_MOVE_ODDS = 6;

// The position seen from the other side: the board turned by 180 degrees with
// every code negated, the hands exchanged, the last move turned along.
void flip(AnalysisPosition& p) {
  const Board before = p.board;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) p.board(10 - x, 10 - y) = -before(x, y);
  std::swap(p.hand_own, p.hand_enemy);
  if (p.last_x != 0) {
    p.last_x = 10 - p.last_x;
    p.last_y = 10 - p.last_y;
    p.last_code = -p.last_code;
  }
}

// The position after `move` was played on the game.
void take_position(AnalysisPosition& p, const Game& g, const Candidate& move) {
  p.board = g.board;
  p.hand_own = g.hand_own;
  p.hand_enemy = g.hand_enemy;
  p.last_x = move.tx;
  p.last_y = move.ty;
  p.last_code = move.final_code;
}

// Plays a move of the enemy side on the position through the game's own move
// routine (captures, hands, castling, en passant).
void play_on(AnalysisPosition& p, const Candidate& move) {
  NullPorts silent;
  Game g(silent.ports());
  set_up_position(g, p);
  const int source_row = move.sx < 0 ? enemy_hand_slot(move.sy).y : move.sy;
  駒移動(g, move.sx, source_row, move.tx, move.ty, move.final_code);
  take_position(p, g, move);
}

// The board moves of the enemy side, promoting only where it must.
std::vector<Candidate> enemy_board_moves(const AnalysisPosition& p) {
  NullPorts silent;
  Game g(silent.ports());
  set_up_position(g, p);
  std::vector<Candidate> moves;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int code = g.board(x, y);
      if (code < 1) continue;
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty) {
          if (移動チェック(g, x, y, tx, ty, code) != 1 || is_king_kind(kind_of(g.board(tx, ty)))) continue;
          int final_code = code;
          if (調査_駒成(g, x, y, tx, ty, code) == 1 && 移動後チェック(ty, code) == 0) final_code = g.promotion_choice;
          moves.push_back({x, y, tx, ty, code, final_code});
        }
    }
  return moves;
}

// Plays a random board move of the enemy side and turns the board; false
// when there is none.
bool play_random_move(AnalysisPosition& p, std::mt19937& rng) {
  const std::vector<Candidate> moves = enemy_board_moves(p);
  if (moves.empty()) return false;
  play_on(p, moves[rng() % moves.size()]);
  flip(p);
  return true;
}

AnalysisPosition starting_position(std::mt19937& rng) {
  NullPorts silent;
  Game g(silent.ports());
  g.menu.NIPPON = rng() % 2 == 0;
  g.menu.KANKOKU = !g.menu.NIPPON;
  初期設定(g);
  AnalysisPosition p;
  p.board = g.board;
  p.drops = rng() % 2 == 0;
  // The main army moves first: put it on top, where the computer plays.
  flip(p);
  return p;
}

}  // namespace

void run_selfplay(int positions, unsigned seed, std::ostream& out) {
  std::mt19937 rng(seed);
  int printed = 0;
  while (printed < positions) {
    AnalysisPosition p = starting_position(rng);
    const unsigned random_plies = rng() % (MAX_RANDOM_OPENING_PLIES + 1);
    for (unsigned i = 0; i < random_plies; ++i)
      if (!play_random_move(p, rng)) break;
    for (int ply = 0; ply < MAX_PLIES_PER_GAME && printed < positions; ++ply) {
      // Now and then a random move, so that the computer's own repetitions
      // do not fill the output.
      if (rng() % RANDOM_MOVE_ODDS == 0 && !play_random_move(p, rng)) break;
      p.level = 1 + static_cast<int>(rng() % 3);
      out << format_position_line(p) << '\n';
      ++printed;
      NullPorts silent;
      Game g(silent.ports());
      set_up_position(g, p);
      Candidate best;
      if (!com_search(g, best) || is_king_kind(kind_of(g.board(best.tx, best.ty)))) break;
      com_play(g, best);
      take_position(p, g, best);
      flip(p);
    }
  }
}

}  // namespace velmora
