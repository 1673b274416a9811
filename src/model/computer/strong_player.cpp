#include "computer/strong_player.h"

#include <algorithm>

#include "engine/engine_eval.h"
#include "rules/move_check.h"
#include "rules/moves.h"
#include "rules/promotion.h"

namespace velmora {

PositionSetup computer_to_move(const Position& pos, bool chess_drops) {
  PositionSetup s;
  s.board = pos.board;
  s.hand_own = pos.hand_own;
  s.hand_enemy = pos.hand_enemy;
  s.side_to_move = +1;
  s.chess_sign = pos.chess_sign;
  s.chess_drops = chess_drops;
  const HistorySlot& last = pos.history.slot(pos.move_number);
  s.last = last.move_to;
  s.last_code = last.move_code;
  return s;
}

namespace {

// The hashes of the positions of the move list before the current one,
// oldest first (whose move it was alternates back from the current turn).
std::vector<std::uint64_t> earlier_position_hashes(const Position& pos, bool chess_drops) {
  std::vector<std::uint64_t> hashes;
  PositionSetup s = computer_to_move(pos, chess_drops);
  for (int n = 0; n < pos.move_number; ++n) {
    const HistorySlot& slot = pos.history.slot(n);
    s.board = slot.board;
    s.hand_own = slot.hand_own;
    s.hand_enemy = slot.hand_enemy;
    s.side_to_move = (pos.move_number - n) % 2 == 0 ? +1 : -1;
    s.last = slot.move_to;
    s.last_code = slot.move_code;
    hashes.push_back(SearchPosition(s).hash());
  }
  return hashes;
}

}  // namespace

Candidate candidate_of(SearchMove move) {
  Candidate c;
  if (move.is_drop())
    c.hand = move.hand_index();
  else
    c.from = {column_of(move.from()), row_of(move.from())};
  c.to = {column_of(move.to()), row_of(move.to())};
  c.starting = move.code();
  c.final_code = move.final_code();
  return c;
}

StrongRoot strong_root(const Position& pos, bool chess_drops) {
  return {SearchPosition(computer_to_move(pos, chess_drops)), earlier_position_hashes(pos, chess_drops)};
}

SearchLimits within_move_time(SearchLimits limits) {
  limits.seconds = std::clamp(limits.seconds, 0.0, MAX_MOVE_SECONDS);
  return limits;
}

std::optional<Candidate> strong_search(StrongRoot& root, Engine& engine, const SearchLimits& limits,
                                       const std::atomic<bool>* stop, SearchReport* report) {
  const SearchReport found = engine.think(root.position, limits, root.earlier, stop);
  if (report) *report = found;
  if (found.best.is_none()) return std::nullopt;
  return candidate_of(found.best);
}

std::vector<StrongEvaluation> strong_evaluations(StrongRoot& root, Cell source, Cell to) {
  SearchPosition& p = root.position;
  SearchMoveList moves;
  p.generate(moves);
  std::vector<StrongEvaluation> evaluations;
  for (int i = 0; i < moves.size; ++i) {
    const SearchMove m = moves.moves[i];
    const Candidate c = candidate_of(m);
    if (c.named_source() != source || c.to != to) continue;
    p.make(m);
    if (!p.can_take_king()) {
      StrongEvaluation ev{m.final_code(), -evaluate_position(p), trace_evaluation(p)};
      for (EngineTraceTerm& term : ev.terms) term.amount = -term.amount;
      evaluations.push_back(std::move(ev));
    }
    p.unmake();
  }
  return evaluations;
}

bool rules_allow(Position& pos, const Candidate& m, int side) {
  調査_2歩フラグ設定(pos);
  if (sign_of(m.starting) != side || !移動チェック(pos, m.source_cell(), m.target_cell(), m.starting)) return false;
  if (m.is_drop()) return m.final_code == m.starting;
  if (pos.board(m.from.x, m.from.y) != m.starting) return false;
  if (m.final_code == m.starting) return 移動後チェック(m.to.y, m.starting);
  return 調査_駒成(m.source_cell(), m.target_cell(), m.starting) == m.final_code;
}

}  // namespace velmora
