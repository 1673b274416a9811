#include "training/training_positions.h"

#include <algorithm>

namespace velmora {
namespace {

// A search limited by nodes alone: the same position gives the same answer
// on every run.
constexpr double NODE_LIMITED_SECONDS = 24 * 3600;

SearchReport search(Engine& engine, const PositionSetup& position, long long nodes, SearchMove excluded = {}) {
  SearchLimits limits;
  limits.seconds = NODE_LIMITED_SECONDS;
  limits.max_nodes = std::max(1LL, nodes);
  limits.excluded = excluded;
  SearchPosition root(position);
  engine.clear();
  return engine.think(root, limits, {});
}

double margin_of(Engine& engine, const PositionSetup& position, SearchMove answer, long long nodes) {
  const SearchReport best = search(engine, position, nodes);
  if (!(best.best == answer)) return -1;
  const SearchReport other = search(engine, position, nodes, answer);
  return winning_chances(best.score) - winning_chances(other.score);
}

bool wanted(const ReviewedMove& move, TrainingArmy army) {
  if (move.mark != Mark::Mistake && move.mark != Mark::Blunder) return false;
  if (move.best.is_none()) return false;
  return army == TrainingArmy::Both || (army == TrainingArmy::Main) == move.main_army;
}

bool main_army_is_nippon(const PositionSetup& p) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (sign_of(p.board(x, y)) == -p.chess_sign && is_king_kind(kind_of(p.board(x, y))))
        return kind_of(p.board(x, y)) == OU;
  return true;
}

// The answer and the best replies after it, each searched as the review
// searched a position; the line ends where a king is taken or no move is left.
std::vector<SearchMove> line_after(Engine& engine, const PositionSetup& position, SearchMove answer, long long nodes) {
  std::vector<SearchMove> line{answer};
  SearchPosition p(position);
  for (SearchMove m = answer; static_cast<int>(line.size()) < LINE_MOVES;) {
    const bool takes_king = !m.is_drop() && is_king_kind(kind_of(p.at(m.to())));
    p.make(m);
    if (takes_king) break;
    m = search(engine, p.setup(), nodes).best;
    if (m.is_none()) break;
    line.push_back(m);
  }
  return line;
}

int turned_square(int square) {
  const Cell c = turned_cell(Cell{column_of(square), row_of(square)});
  return square_of(c.x, c.y);
}

// The move on the board turned round: its squares turned, its codes of the
// other side.
SearchMove turned_move(SearchMove m) {
  if (m.is_none()) return m;
  if (m.is_drop()) return SearchMove::drop(m.hand_index(), turned_square(m.to()), -m.code());
  return SearchMove(turned_square(m.from()), turned_square(m.to()), -m.code(), -m.final_code());
}

}  // namespace

int training_candidates(const GameReview& review, TrainingArmy army) {
  return static_cast<int>(
      std::count_if(review.moves.begin(), review.moves.end(), [&](const ReviewedMove& m) { return wanted(m, army); }));
}

long long check_nodes(const GameReview& review, const ReviewLimits& limits) {
  if (limits.nodes > 0) return CHECK_NODES_FACTOR * limits.nodes;
  const long long positions = std::max<long long>(1, static_cast<long long>(review.moves.size()) + 1);
  return CHECK_NODES_FACTOR * std::max(1LL, review.nodes / positions);
}

std::vector<TrainingPosition> training_positions(const ReplayedGame& game, const GameReview& review, TrainingArmy army,
                                                 long long check_nodes, ReviewProgress* progress) {
  std::vector<TrainingPosition> found;
  Engine engine;
  for (const ReviewedMove& move : review.moves) {
    if (progress && progress->stop.load()) break;
    if (!wanted(move, army) || move.number >= static_cast<int>(game.positions.size())) continue;
    if (progress) ++progress->positions_done;
    const PositionSetup& before = game.positions[move.number - 1].setup;
    const double margin = margin_of(engine, before, move.best, check_nodes);
    if (margin < CLEAR_MARGIN) continue;
    TrainingPosition position;
    position.setup = before;
    position.number = move.number;
    position.played = move.played;
    position.answer = move.best;
    position.line = line_after(engine, before, move.best, check_nodes / CHECK_NODES_FACTOR);
    position.margin = margin;
    position.mark = move.mark;
    position.main_army = move.main_army;
    position.nippon = main_army_is_nippon(before);
    position.drop = move.best.is_drop();
    found.push_back(position);
  }
  return found;
}

TrainingPosition bottom_to_move(const TrainingPosition& position) {
  if (position.setup.side_to_move < 0) return position;
  TrainingPosition turned = position;
  PositionSetup& s = turned.setup;
  s.board = turned_board(position.setup.board);
  for (int i = 0; i < HAND_SIZE; ++i) {
    s.hand_own[i] = position.setup.hand_enemy[i];
    s.hand_enemy[i] = position.setup.hand_own[i];
  }
  s.side_to_move = -1;
  s.chess_sign = -position.setup.chess_sign;
  if (s.last != Cell{}) s.last = turned_cell(s.last);
  s.last_code = -s.last_code;
  turned.played = turned_move(position.played);
  turned.answer = turned_move(position.answer);
  for (SearchMove& m : turned.line) m = turned_move(m);
  return turned;
}

}  // namespace velmora
