#include "engine/search.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <optional>
#include <unordered_map>

#include "engine/engine_eval.h"

namespace velmora {
namespace {

constexpr int INFINITE_SCORE = 32000;
constexpr int MAX_PLY = 128;
constexpr int WIN_BOUND = SCORE_WIN - MAX_PLY;  // beyond it a score is a won or lost game
constexpr int ASPIRATION = 60;
constexpr int CHECK_REACH = 2;  // quiet checks in the quiescence search land this near the king
// Pruning margins: a node whose static score stands this far above beta
// (for each ply of depth left) is cut at once; a quiet move near the leaves
// is skipped when even this much over the static score cannot reach alpha;
// a capture in the quiescence search likewise.
constexpr int REVERSE_FUTILITY_DEPTH = 3;  // the most plies left where the first cut is tried
constexpr int REVERSE_FUTILITY_PER_PLY = 150;
constexpr int FUTILITY_DEPTH = 2;  // and the second
constexpr int FUTILITY_MARGIN = 120;
constexpr int FUTILITY_PER_PLY = 100;
constexpr int DELTA_MARGIN = 200;
// A pass (the null move) is searched this many plies shallower, and a sixth
// of the depth besides, from this depth on.
constexpr int NULL_MOVE_DEPTH = 3;
constexpr int NULL_MOVE_REDUCTION = 3;
// No deeper search is begun once this share of the time is gone.
constexpr double NEW_DEPTH_TIME_SHARE = 0.5;
// Move ordering: the hash move, then captures and promotions (the most
// valuable victim first, then the least valuable attacker), then the two
// killers, then the rest by their history.
constexpr int ORDER_HASH_MOVE = 1 << 30;
constexpr int ORDER_TACTICAL = 1 << 28;
constexpr int ORDER_KILLER = 1 << 27;
constexpr int VICTIM_WEIGHT = 64;
constexpr int ATTACKER_SHARE = 16;  // the attacker counts a sixteenth of its value
constexpr int KING_CAPTURE_VALUE = 5000;
constexpr int MAX_HISTORY = 1 << 26;
constexpr int HISTORY_AGING = 8;  // a new search keeps an eighth of the history

enum Bound : std::uint8_t { BOUND_NONE, BOUND_UPPER, BOUND_LOWER, BOUND_EXACT };

// An entry keeps the hash of its position with the low bits, which the
// entry's place in the table already tells, standing for the search
// generation that wrote it: a new generation (clear) finds none of the older
// entries, as a table of zeros would. The table has at least as many entries
// as the generation bits can count, so that no bit of the hash is lost.
constexpr std::uint64_t GENERATION_BITS = 0xffff;
constexpr std::size_t MIN_TABLE_ENTRIES = GENERATION_BITS + 1;

struct TableEntry {
  std::uint64_t key = 0;  // 0: never written (no generation is 0)
  std::uint32_t move = 0;
  std::int16_t score = 0;
  std::int8_t depth = 0;
  std::uint8_t bound = BOUND_NONE;
};

// Won and lost scores are kept in the table as distances from the node.
int to_table(int score, int ply) { return score > WIN_BOUND ? score + ply : score < -WIN_BOUND ? score - ply : score; }
int from_table(int score, int ply) {
  return score > WIN_BOUND ? score - ply : score < -WIN_BOUND ? score + ply : score;
}

int capture_value(int code) { return is_king_kind(kind_of(code)) ? KING_CAPTURE_VALUE : piece_value(kind_of(code)); }

// The moves of a node with their ordering scores, handed out best first:
// the first few picks take the best left (the earliest of equal ones) and
// swap it to the front, then the rest come out of a heap in the order a
// stable sort by score would give them. A move that the node would pass
// over at once (the `playable` test says no) is never handed out; leaving it
// out of the heap changes nothing in the order of the others. The lists are
// kept by the engine, one per ply, and never cleared: only the first
// `list.size` entries mean anything.
class ScoredMoves {
 public:
  SearchMoveList list;
  std::array<int, MAX_MOVES> score;

  // The picks begin again, over the moves and scores of the list.
  void start() {
    picked_ = 0;
    places_ = 0;
    heap_size_ = -1;
  }

  template <class Playable>
  std::optional<SearchMove> next(Playable&& playable) {
    while (picked_ < PICKED_ONE_BY_ONE && picked_ < list.size) {
      const int i = picked_++;
      swap_best_to(i);
      if (playable(list.moves[i])) {
        last_score_ = score[i];
        return list.moves[i];
      }
    }
    if (picked_ < PICKED_ONE_BY_ONE) return std::nullopt;
    if (heap_size_ < 0) fill_heap(playable);
    if (heap_size_ == 0) return std::nullopt;
    std::pop_heap(heap_.begin(), heap_.begin() + heap_size_--);
    const std::uint64_t key = heap_[heap_size_];
    last_score_ = static_cast<int>(static_cast<std::uint32_t>(key >> 32) ^ SIGN_BIT);
    return list.moves[MAX_MOVES - static_cast<int>(key & 0xffffffffu)];
  }

  // The ordering score of the move handed out last.
  int last_score() const { return last_score_; }

 private:
  static constexpr int PICKED_ONE_BY_ONE = 6;
  static constexpr std::uint32_t SIGN_BIT = 0x80000000u;

  // The first picks only ever take moves from a few places: the first
  // PICKED_ONE_BY_ONE places, whose moves the swaps move about, and the
  // places of the PICKED_ONE_BY_ONE best moves behind them, which stay put
  // until picked and come before every other move behind them. So each
  // pick searches those places alone.
  void swap_best_to(int i) {
    if (places_ == 0) find_places();
    int best = i;
    for (int j = 0; j < places_; ++j)
      if (const int k = place_[j]; k > i && score[k] > score[best]) best = k;
    std::swap(list.moves[i], list.moves[best]);
    std::swap(score[i], score[best]);
  }

  void find_places() {
    const int front = std::min(PICKED_ONE_BY_ONE, list.size);
    for (int k = 0; k < front; ++k) place_[places_++] = k;
    // The best behind the front, best first, the earlier of equal ones first.
    std::array<int, PICKED_ONE_BY_ONE> best;
    int found = 0;
    int bar = std::numeric_limits<int>::min();  // what a move must beat to be among them once they are found
    const int size = list.size;
    for (int k = front; k < size; ++k) {
      if (score[k] <= bar) continue;
      int at = found < PICKED_ONE_BY_ONE ? found++ : found - 1;
      for (; at > 0 && score[best[at - 1]] < score[k]; --at) best[at] = best[at - 1];
      best[at] = k;
      if (found == PICKED_ONE_BY_ONE) bar = score[best[found - 1]];
    }
    for (int j = 0; j < found; ++j) place_[places_++] = best[j];
    // In the order of the list, so that the earliest of equal moves wins.
    std::sort(place_.begin() + front, place_.begin() + places_);
  }

  // A key orders by score, then by the place in the list (the earlier
  // first), as a stable sort would; no two keys are equal.
  static std::uint64_t key_of(int score, int place) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(score) ^ SIGN_BIT) << 32 |
           static_cast<std::uint32_t>(MAX_MOVES - place);
  }

  template <class Playable>
  void fill_heap(Playable& playable) {
    heap_size_ = 0;
    for (int k = PICKED_ONE_BY_ONE; k < list.size; ++k)
      if (playable(list.moves[k])) heap_[heap_size_++] = key_of(score[k], k);
    std::make_heap(heap_.begin(), heap_.begin() + heap_size_);
  }

  int picked_ = 0;
  int last_score_ = 0;
  std::array<int, 2 * PICKED_ONE_BY_ONE> place_;  // the places the first picks search
  int places_ = 0;                                // 0: not found yet
  std::array<std::uint64_t, MAX_MOVES> heap_;
  int heap_size_ = -1;  // -1: the heap is not filled yet
};

}  // namespace

class Engine::Impl {
 public:
  explicit Impl(int megabytes) {
    std::size_t entries = 1;
    while (entries < MIN_TABLE_ENTRIES || entries * 2 * sizeof(TableEntry) <= static_cast<std::size_t>(megabytes) << 20)
      entries *= 2;
    table_.resize(entries);
    lists_.resize(MAX_PLY);
  }

  void clear() {
    if (++generation_ > GENERATION_BITS) {
      std::fill(table_.begin(), table_.end(), TableEntry{});
      generation_ = 1;
    }
    for (auto& per_side : history_)
      for (auto& per_piece : per_side) per_piece.fill(0);
  }

  SearchReport think(SearchPosition& root, const SearchLimits& limits, const std::vector<std::uint64_t>& earlier,
                     const std::atomic<bool>* stop) {
    p_ = &root;
    limits_ = limits;
    stop_ = stop;
    met_before_.clear();
    for (const std::uint64_t hash : earlier) ++met_before_[hash];
    start_ = std::chrono::steady_clock::now();
    nodes_ = 0;
    stopped_ = false;
    for (auto& k : killers_) k = {};
    age_history();

    SearchReport report;
    if (!prepare_root(report)) return finish(report);
    for (int depth = 1; depth <= limits_.max_depth; ++depth) {
      const int score = search_root_with_window(depth, report.score);
      if (stopped_) break;
      report.score = score;
      report.depth = depth;
      if (std::abs(score) > WIN_BOUND || elapsed() > limits_.seconds * NEW_DEPTH_TIME_SHARE) break;
    }
    report.best = root_moves_.moves[0];
    if (report.depth == 0) report.score = evaluate_position(root);
    return finish(report);
  }

 private:
  double elapsed() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count(); }

  SearchReport& finish(SearchReport& report) {
    report.nodes = nodes_;
    report.seconds = elapsed();
    return report;
  }

  bool time_is_up() {
    if ((nodes_ & 1023) != 0) return stopped_;
    if ((stop_ && stop_->load(std::memory_order_relaxed)) || elapsed() >= limits_.seconds ||
        (limits_.max_nodes > 0 && nodes_ >= limits_.max_nodes))
      stopped_ = true;
    return stopped_;
  }

  // The legal moves of the root in root_moves_. False when nothing is left
  // to search: the king can be taken, or at most one move is there.
  bool prepare_root(SearchReport& report) {
    SearchPosition& p = *p_;
    root_moves_.size = 0;
    SearchMoveList all;
    p.generate(all);
    for (int i = 0; i < all.size; ++i) {
      const SearchMove m = all.moves[i];
      if (m.to() == p.king_square(-p.side_to_move()) && !m.is_drop()) {
        report.best = m;
        report.score = SCORE_WIN;
        return false;
      }
      p.make(m);
      const bool keeps_king = !p.can_take_king();
      p.unmake();
      if (keeps_king && !(m == limits_.excluded)) root_moves_.add(m);
    }
    if (root_moves_.size == 0) {
      // Every move leaves the king to be taken: the rules still want a move.
      if (all.size > 0) report.best = all.moves[0];
      report.score = -SCORE_WIN;
      return false;
    }
    std::stable_sort(root_moves_.moves.begin(), root_moves_.moves.begin() + root_moves_.size,
                     [&](SearchMove a, SearchMove b) { return order_score(a, {}, 0) > order_score(b, {}, 0); });
    if (root_moves_.size == 1) {
      report.best = root_moves_.moves[0];
      report.score = evaluate_position(p);
      return false;
    }
    return true;
  }

  int search_root_with_window(int depth, int previous) {
    if (depth >= 4 && std::abs(previous) < WIN_BOUND) {
      const int alpha = previous - ASPIRATION, beta = previous + ASPIRATION;
      const int score = search_root(depth, alpha, beta);
      if (stopped_ || (score > alpha && score < beta)) return score;
    }
    return search_root(depth, -INFINITE_SCORE, INFINITE_SCORE);
  }

  // What a root move costs for leading back to a position the game has met
  // (REPEAT_COST for each time); nothing for a search without a game.
  int repeat_cost() const {
    if (met_before_.empty()) return 0;
    const auto met = met_before_.find(p_->hash());
    return met == met_before_.end() ? 0 : REPEAT_COST * met->second;
  }

  // Searches the root moves in order; the best moves to the front, so that
  // an interrupted search still plays the best move it has proven. A move
  // back to a position of the game counts its cost off its score: it is
  // searched with the window raised by the cost. A won or lost game is
  // not made any cheaper.
  int search_root(int depth, int alpha, int beta) {
    SearchPosition& p = *p_;
    int best = -INFINITE_SCORE;
    for (int i = 0; i < root_moves_.size; ++i) {
      const SearchMove m = root_moves_.moves[i];
      p.make(m);
      const int cost = repeat_cost();
      const int low = alpha + cost, high = beta + cost;
      int score;
      if (i == 0) {
        score = -search(depth - 1, -high, -low, 1, true);
      } else {
        score = -search(depth - 1, -low - 1, -low, 1, true);
        if (score > low && score < high && !stopped_) score = -search(depth - 1, -high, -low, 1, true);
      }
      if (std::abs(score) < WIN_BOUND) score -= cost;
      p.unmake();
      if (stopped_) break;
      if (score > best) {
        best = score;
        // The new best goes first, the rest keep their order.
        std::rotate(root_moves_.moves.begin(), root_moves_.moves.begin() + i, root_moves_.moves.begin() + i + 1);
      }
      if (score > alpha) alpha = score;
      if (alpha >= beta) break;
    }
    return best;
  }

  TableEntry* probe() { return &table_[p_->hash() & (table_.size() - 1)]; }
  // The key of the position on the board as this generation keeps it.
  std::uint64_t key() const { return (p_->hash() & ~GENERATION_BITS) | generation_; }

  void store(int depth, int score, int bound, SearchMove move, int ply) {
    TableEntry& e = *probe();
    e.key = key();
    e.move = move.bits();
    e.score = static_cast<std::int16_t>(to_table(score, ply));
    e.depth = static_cast<std::int8_t>(depth);
    e.bound = static_cast<std::uint8_t>(bound);
  }

  bool is_capture(SearchMove m) const {
    if (m.is_drop()) return false;
    if (p_->at(m.to()) != EMPTY) return true;
    return kind_of(m.code()) == PORN && column_of(m.to()) != column_of(m.from());  // en passant
  }

  bool is_tactical(SearchMove m) const { return is_capture(m) || m.promotes(); }

  int order_score(SearchMove m, SearchMove hash_move, int ply) const {
    if (m == hash_move) return ORDER_HASH_MOVE;
    if (m.is_drop()) return quiet_order_score(m, ply);  // a drop takes nothing and never promotes
    const int victim = p_->at(m.to());
    const int gain = m.promotes() ? piece_value(kind_of(m.final_code())) - piece_value(kind_of(m.code())) : 0;
    if (victim != EMPTY)
      return ORDER_TACTICAL + capture_value(victim) * VICTIM_WEIGHT + gain - capture_value(m.code()) / ATTACKER_SHARE;
    if (gain > 0 || is_capture(m)) return ORDER_TACTICAL + gain * VICTIM_WEIGHT;
    return quiet_order_score(m, ply);
  }

  int quiet_order_score(SearchMove m, int ply) const {
    if (m == killers_[ply][0]) return ORDER_KILLER + 1;
    if (m == killers_[ply][1]) return ORDER_KILLER;
    return history_for(m);
  }

  int& history_for(SearchMove m) {
    return history_[side_index(sign_of(m.code()))][kind_of(m.code()) + (m.is_drop() ? KIND_COUNT : 0)][m.to()];
  }
  int history_for(SearchMove m) const {
    return history_[side_index(sign_of(m.code()))][kind_of(m.code()) + (m.is_drop() ? KIND_COUNT : 0)][m.to()];
  }

  void age_history() {
    for (auto& per_side : history_)
      for (auto& per_piece : per_side)
        for (int& h : per_piece) h /= HISTORY_AGING;
  }

  void reward_quiet(SearchMove m, int depth, int ply) {
    if (!(m == killers_[ply][0])) {
      killers_[ply][1] = killers_[ply][0];
      killers_[ply][0] = m;
    }
    int& h = history_for(m);
    h = std::min(h + depth * depth, MAX_HISTORY);
  }

  // The drops, which come after the board moves and are most of the moves
  // of a side with a full hand, are scored by their history alone unless
  // the hash move or a killer is a drop: the scores order_score gives them.
  void score_moves(ScoredMoves& moves, SearchMove hash_move, int ply) const {
    const SearchMoveList& list = moves.list;
    int i = 0;
    for (; i < list.size && !list.moves[i].is_drop(); ++i) moves.score[i] = order_score(list.moves[i], hash_move, ply);
    if (hash_move.is_drop() || killers_[ply][0].is_drop() || killers_[ply][1].is_drop()) {
      for (; i < list.size; ++i) moves.score[i] = order_score(list.moves[i], hash_move, ply);
    } else {
      const auto& rows = history_[side_index(p_->side_to_move())];
      std::array<const int*, HAND_SIZE> drop_rows;
      for (int h = 1; h < HAND_SIZE; ++h) drop_rows[h] = rows[HAND_KINDS[h] + KIND_COUNT].data();
      const int size = list.size;
      const SearchMove* in = list.moves.data();
      int* out = moves.score.data();
      for (; i < size; ++i) out[i] = drop_rows[in[i].hand_index()][in[i].to()];
    }
    moves.start();
  }

  int search(int depth, int alpha, int beta, int ply, bool null_allowed) {
    SearchPosition& p = *p_;
    alpha = std::max(alpha, -SCORE_WIN + ply);
    beta = std::min(beta, SCORE_WIN - ply - 1);
    if (alpha >= beta) return alpha;
    const bool in_check = p.in_check();
    if (in_check && ply < MAX_PLY / 2) ++depth;
    if (depth <= 0) return quiesce(alpha, beta, ply, 0);
    ++nodes_;
    if (time_is_up()) return 0;
    if (ply >= MAX_PLY - 1) return evaluate_position(p);

    const bool pv = beta - alpha > 1;
    const TableEntry* entry = probe();
    SearchMove hash_move;
    if (entry->key == key()) {
      hash_move = SearchMove::from_bits(entry->move);
      const int score = from_table(entry->score, ply);
      if (!pv && entry->depth >= depth &&
          (entry->bound == BOUND_EXACT || (entry->bound == BOUND_LOWER && score >= beta) ||
           (entry->bound == BOUND_UPPER && score <= alpha)))
        return score;
    }

    const int static_eval = in_check ? -INFINITE_SCORE : evaluate_position(p);
    if (!pv && !in_check && depth <= REVERSE_FUTILITY_DEPTH && std::abs(beta) < WIN_BOUND &&
        static_eval - REVERSE_FUTILITY_PER_PLY * depth >= beta)
      return static_eval;
    if (!pv && null_allowed && !in_check && depth >= NULL_MOVE_DEPTH && static_eval >= beta &&
        std::abs(beta) < WIN_BOUND) {
      p.make_null();
      const int score = -search(depth - NULL_MOVE_REDUCTION - depth / 6, -beta, -beta + 1, ply + 1, false);
      p.unmake_null();
      if (stopped_) return 0;
      if (score >= beta) return score;
    }

    ScoredMoves& moves = lists_[ply];
    moves.list.size = 0;
    if (in_check)
      p.generate_evasions(moves.list);
    else
      p.generate(moves.list);
    score_moves(moves, hash_move, ply);
    const int alpha_before = alpha;
    int best = -INFINITE_SCORE, legal = 0;
    SearchMove best_move;
    while (const std::optional<SearchMove> next = moves.next([](SearchMove) { return true; })) {
      const SearchMove m = *next;
      const bool quiet = !is_tactical(m);
      p.make(m);
      if (p.can_take_king()) {  // the mover's king is left to be taken
        p.unmake();
        continue;
      }
      ++legal;
      const bool gives_check = p.in_check();
      if (!pv && !in_check && !gives_check && quiet && legal > 1 && depth <= FUTILITY_DEPTH &&
          static_eval + FUTILITY_MARGIN + FUTILITY_PER_PLY * depth <= alpha) {
        p.unmake();
        continue;
      }
      int reduction = 0;
      if (depth >= 3 && quiet && !in_check && !gives_check && legal > 3 && moves.last_score() < ORDER_KILLER)
        reduction = 1 + (legal > 8) + (depth >= 8 && legal > 16);
      int score;
      if (legal == 1) {
        score = -search(depth - 1, -beta, -alpha, ply + 1, true);
      } else {
        score = -search(depth - 1 - reduction, -alpha - 1, -alpha, ply + 1, true);
        if (score > alpha && reduction > 0 && !stopped_) score = -search(depth - 1, -alpha - 1, -alpha, ply + 1, true);
        if (score > alpha && score < beta && !stopped_) score = -search(depth - 1, -beta, -alpha, ply + 1, true);
      }
      p.unmake();
      if (stopped_) return 0;
      if (score > best) {
        best = score;
        best_move = m;
      }
      if (score > alpha) alpha = score;
      if (alpha >= beta) {
        if (quiet) reward_quiet(m, depth, ply);
        break;
      }
    }
    if (legal == 0) return -SCORE_WIN + ply;  // mated, or no move at all: lost
    const int bound = best >= beta ? BOUND_LOWER : best > alpha_before ? BOUND_EXACT : BOUND_UPPER;
    store(depth, best, bound, best_move, ply);
    return best;
  }

  // Captures (and promotions of pawns) until the position is quiet; on its
  // first ply also quiet moves and drops that check the king from near by.
  // A side in check answers with every move.
  int quiesce(int alpha, int beta, int ply, int qdepth) {
    SearchPosition& p = *p_;
    ++nodes_;
    if (time_is_up()) return 0;
    if (ply >= MAX_PLY - 1) return evaluate_position(p);
    const bool in_check = p.in_check();
    int best = -INFINITE_SCORE;
    if (!in_check) {
      best = evaluate_position(p);
      if (best >= beta) return best;
      alpha = std::max(alpha, best);
    }
    ScoredMoves& moves = lists_[ply];
    moves.list.size = 0;
    const int king = p.king_square(-p.side_to_move());
    if (in_check)
      p.generate_evasions(moves.list);
    else if (qdepth == 0 && king != 0)
      p.generate_near(moves.list, king, CHECK_REACH);
    else
      p.generate_captures(moves.list);
    score_moves(moves, {}, ply);
    // Out of check, a quiet move is tried only when it checks from near by.
    auto playable = [&](SearchMove m) {
      return in_check || is_tactical(m) || (near(m.to(), king) && p.gives_direct_check(m));
    };
    int legal = 0;
    while (const std::optional<SearchMove> next = moves.next(playable)) {
      const SearchMove m = *next;
      const bool tactical = is_tactical(m);
      if (!in_check && tactical && !m.is_drop()) {
        const int victim = p.at(m.to());
        const int gain = (victim == EMPTY ? piece_value(PORN) : capture_value(victim)) +
                         (m.promotes() ? piece_value(kind_of(m.final_code())) : 0);
        if (best + gain + DELTA_MARGIN <= alpha) continue;  // cannot reach alpha
      }
      p.make(m);
      if (p.can_take_king() || (!in_check && !tactical && !p.in_check())) {
        p.unmake();
        continue;
      }
      ++legal;
      const int score = -quiesce(-beta, -alpha, ply + 1, qdepth + 1);
      p.unmake();
      if (stopped_) return 0;
      if (score > best) best = score;
      if (score > alpha) alpha = score;
      if (alpha >= beta) break;
    }
    if (in_check && legal == 0) return -SCORE_WIN + ply;
    return best;
  }

  static bool near(int square, int king) {
    return king != 0 && std::abs(column_of(square) - column_of(king)) <= CHECK_REACH &&
           std::abs(row_of(square) - row_of(king)) <= CHECK_REACH;
  }

  SearchPosition* p_ = nullptr;
  SearchLimits limits_;
  const std::atomic<bool>* stop_ = nullptr;
  std::unordered_map<std::uint64_t, int> met_before_;  // how often the game met each position before the root
  std::chrono::steady_clock::time_point start_;
  long long nodes_ = 0;
  bool stopped_ = false;
  SearchMoveList root_moves_;
  std::vector<TableEntry> table_;
  std::vector<ScoredMoves> lists_;  // the moves of the node at each ply
  std::uint64_t generation_ = 1;
  std::array<std::array<SearchMove, 2>, MAX_PLY> killers_{};
  std::array<std::array<std::array<int, PADDED_CELLS>, 2 * KIND_COUNT + 1>, 2> history_{};
};

Engine::Engine(int table_megabytes) : impl_(std::make_unique<Impl>(table_megabytes)) {}
Engine::~Engine() = default;

SearchReport Engine::think(SearchPosition& root, const SearchLimits& limits, const std::vector<std::uint64_t>& earlier,
                           const std::atomic<bool>* stop) {
  return impl_->think(root, limits, earlier, stop);
}

void Engine::clear() { impl_->clear(); }

}  // namespace velmora
