#include "com/strong_player.h"

#include <algorithm>

#include "rules/move_check.h"
#include "rules/moves.h"
#include "rules/promotion.h"

namespace velmora {

PositionSetup computer_to_move(const Game& g) {
  PositionSetup s;
  s.board = g.board;
  s.hand_own = g.hand_own;
  s.hand_enemy = g.hand_enemy;
  s.side_to_move = +1;
  s.chess_sign = g.chess_sign;
  s.chess_drops = g.menu.CHESS_MOCHIKOMA;
  const HistorySlot& last = g.history.slot(g.move_number);
  s.last_x = last.move_to_x;
  s.last_y = last.move_to_y;
  s.last_code = last.move_code;
  return s;
}

std::vector<std::uint64_t> earlier_position_hashes(const Game& g) {
  std::vector<std::uint64_t> hashes;
  PositionSetup s = computer_to_move(g);
  for (int n = 0; n < g.move_number; ++n) {
    const HistorySlot& slot = g.history.slot(n);
    s.board = slot.board;
    s.hand_own = slot.hand_own;
    s.hand_enemy = slot.hand_enemy;
    s.side_to_move = (g.move_number - n) % 2 == 0 ? +1 : -1;
    s.last_x = slot.move_to_x;
    s.last_y = slot.move_to_y;
    s.last_code = slot.move_code;
    hashes.push_back(SearchPosition(s).hash());
  }
  return hashes;
}

Candidate candidate_of(SearchMove move) {
  Candidate c;
  if (move.is_drop()) {
    const Slot slot = move.code() > 0 ? enemy_hand_slot(move.hand_index()) : own_hand_slot(move.hand_index());
    c.sx = slot.x;
    c.sy = move.hand_index();
  } else {
    c.sx = column_of(move.from());
    c.sy = row_of(move.from());
  }
  c.tx = column_of(move.to());
  c.ty = row_of(move.to());
  c.starting = move.code();
  c.final_code = move.final_code();
  return c;
}

bool strong_search(Game& g, Engine& engine, const SearchLimits& limits, Candidate& best, const std::atomic<bool>* stop,
                   SearchReport* report) {
  SearchPosition root(computer_to_move(g));
  const SearchReport found = engine.think(root, limits, earlier_position_hashes(g), stop);
  if (report) *report = found;
  if (found.best.is_none()) return false;
  best = candidate_of(found.best);
  return true;
}

bool rules_allow(Game& g, const Candidate& m, int side) {
  const bool drop = m.sx < 1 || m.sx > 9;
  const int source_row = drop ? (m.sx > 9 ? own_hand_slot(m.sy).y : enemy_hand_slot(m.sy).y) : m.sy;
  調査_2歩フラグ設定(g);
  if (sign_of(m.starting) != side || 移動チェック(g, m.sx, source_row, m.tx, m.ty, m.starting) != 1) return false;
  if (drop) return m.final_code == m.starting;
  if (g.board(m.sx, m.sy) != m.starting) return false;
  if (m.final_code == m.starting) return 移動後チェック(m.ty, m.starting) == 1;
  return 調査_駒成(g, m.sx, m.sy, m.tx, m.ty, m.starting) == 1 && g.promotion_choice == m.final_code;
}

ComAnswer strong_turn(Game& g, Candidate& best) {
  if (!g.com.strong_engine) g.com.strong_engine = std::make_shared<Engine>();
  Engine& engine = *g.com.strong_engine;
  SearchPosition root(computer_to_move(g));
  const std::vector<std::uint64_t> earlier = earlier_position_hashes(g);
  SearchLimits limits;
  limits.seconds = std::clamp(g.com.strong_seconds, 0.0, MAX_MOVE_SECONDS);
  SearchReport report;
  const bool finished = g.ports.clock.run_aside(
      [&](const std::atomic<bool>& stop) { report = engine.think(root, limits, earlier, &stop); });
  if (!finished) return ComAnswer::Stopped;
  if (report.best.is_none()) return ComAnswer::NoMove;
  best = candidate_of(report.best);
  return ComAnswer::Move;
}

}  // namespace velmora
