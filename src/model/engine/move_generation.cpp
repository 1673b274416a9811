// The moves and drops of the side to move of level 4's position.
#include <algorithm>
#include <cstdlib>

#include "engine/search_position.h"

namespace velmora {

template <bool CapturesOnly>
void SearchPosition::add_move(int from, int to, int code, SearchMoveList& list) const {
  const int kind = kind_of(code), side = sign_of(code);
  const bool capture = cells_[to] != EMPTY;
  const PieceKind& facts = PIECE_KINDS[kind];
  const int promoted = side * facts.promoted_kind;
  if (!may_promote(facts.promotion, side, row_of(from), row_of(to))) {
    if (!CapturesOnly || capture) list.add(SearchMove(from, to, code, code));
    return;
  }
  // Quiet promotions of the pawns are worth a capture; the others wait for
  // the full search.
  if (!CapturesOnly || capture || kind == PORN || kind == HU) list.add(SearchMove(from, to, code, promoted));
  const bool always = kind == HU || kind == KAKU || kind == SYA || kind == PORN;
  if (!always && !stuck_on_row(code, row_of(to)) && (!CapturesOnly || capture))
    list.add(SearchMove(from, to, code, code));
}

void SearchPosition::castling(int from, int code, SearchMoveList& list) const {
  // Only the named squares count, not whether king or rook has moved, nor
  // attacked squares.
  const int side = sign_of(code);
  const int back = side < 0 ? 9 : 1;
  auto empty = [&](int x) { return cells_[square_of(x, back)] == EMPTY; };
  auto rook = [&](int x) { return cells_[square_of(x, back)] == side * ROOK; };
  if (side > 0 && from == square_of(6, 1)) {
    if (empty(7) && empty(8) && rook(9)) list.add(SearchMove(from, square_of(8, 1), code, code));
    if (empty(3) && empty(4) && empty(5) && rook(2)) list.add(SearchMove(from, square_of(4, 1), code, code));
  }
  if (side < 0 && from == square_of(4, 9)) {
    if (empty(5) && empty(6) && empty(7) && rook(8)) list.add(SearchMove(from, square_of(6, 9), code, code));
    if (empty(2) && empty(3) && rook(1)) list.add(SearchMove(from, square_of(2, 9), code, code));
  }
}

template <bool CapturesOnly>
void SearchPosition::piece_moves(int from, int code, SearchMoveList& list) const {
  with_kind(kind_of(code), [&]<int K>() { kind_moves<K, CapturesOnly>(from, code, list); });
}

template <int Kind, bool CapturesOnly>
void SearchPosition::kind_moves(int from, int code, SearchMoveList& list) const {
  const int side = sign_of(code);
  auto go = [&](int to) {
    const int target = cells_[to];
    if (target == OFF_BOARD || owner_of(target) == side) return;
    add_move<CapturesOnly>(from, to, code, list);
  };
  auto slide = [&](int step) {
    int to = from + step;
    for (; cells_[to] == EMPTY; to += step)
      if (!CapturesOnly) list.add(SearchMove(from, to, code, code));
    if (owner_of(cells_[to]) == -side) add_move<CapturesOnly>(from, to, code, list);
  };
  // Sliders that may promote go through add_move on every square.
  auto slide_promoting = [&](int step) {
    for (int to = from + step;; to += step) {
      const int target = cells_[to];
      if (target == OFF_BOARD || owner_of(target) == side) return;
      add_move<CapturesOnly>(from, to, code, list);
      if (target != EMPTY) return;
    }
  };
  auto cannon = [&](int step) {
    int to = from + step;
    for (; cells_[to] == EMPTY; to += step)
      if (!CapturesOnly) list.add(SearchMove(from, to, code, code));
    if (cells_[to] == OFF_BOARD) return;
    for (to += step; cells_[to] == EMPTY; to += step) {
    }
    if (owner_of(cells_[to]) == -side) list.add(SearchMove(from, to, code, code));
  };
  auto push = [&](int step) {
    const int ahead = from + step;
    if (cells_[ahead] != EMPTY) return;
    add_move<CapturesOnly>(from, ahead, code, list);
    if (!CapturesOnly && far_row(side, row_of(from)) == PAWN_START_FAR_ROW && cells_[ahead + step] == EMPTY)
      list.add(SearchMove(from, ahead + step, code, code));
  };
  auto capture = [&](int to, int beside) {
    if (owner_of(cells_[to]) == -side) {
      add_move<CapturesOnly>(from, to, code, list);
    } else if (cells_[to] == EMPTY && far_row(side, row_of(from)) == EN_PASSANT_FAR_ROW && last_to_ == beside &&
               last_code_ == -code && cells_[beside] == -code) {
      list.add(SearchMove(from, to, code, code));  // en passant
    }
  };
  if constexpr (!CapturesOnly && PIECE_MOVES[Kind].castles) castling(from, code, list);
  constexpr bool promotes = PIECE_KINDS[Kind].promotion != PromotionRule::Never;
  for_each_pattern<Kind>([&]<Pattern P>() {
    const int to = from + padded_offset<Kind>(P.dx, P.dy, side);
    if constexpr (P.shape == Shape::Step) {
      if (padded_bound_holds(P.bound, side, from, to)) go(to);
    } else if constexpr (P.shape == Shape::Leg) {
      if (cells_[from + padded_offset<Kind>(P.lx, P.ly, side)] == EMPTY && padded_bound_holds(P.bound, side, from, to))
        go(to);
    } else if constexpr (P.shape == Shape::Ride) {
      if constexpr (promotes) {
        slide_promoting(to - from);
      } else {
        slide(to - from);
      }
    } else if constexpr (P.shape == Shape::Cannon) {
      cannon(to - from);
    } else if constexpr (P.shape == Shape::Push) {
      push(to - from);
    } else {
      capture(to, from + P.dx);
    }
  });
}

bool SearchPosition::drop_allowed(int to, int code) const {
  const int side = sign_of(code);
  if (far_row(side, row_of(to)) <= PIECE_KINDS[kind_of(code)].barred_drop_rows) return false;
  switch (kind_of(code)) {
    case HU: return hu_in_column_[side_index(side)][column_of(to)] == 0;
    case TUKAE: {  // the five palace points
      if (!in_palace(side, to)) return false;
      const int dx = column_of(to) - 5, dy = row_of(to) - (side < 0 ? 8 : 2);
      return (dx == 0) == (dy == 0);
    }
    default: return true;
  }
}

// The drops onto the empty squares `where(x, y)` takes, kind by kind, each
// kind's squares column by column.
template <class Where>
void SearchPosition::drops(SearchMoveList& list, Where&& where) const {
  const auto& hand = hands_[side_index(side_)];
  // The empty squares, found once for all the kinds in hand: by the far
  // rows a kind may not land on (none, the last, the last two), so that most
  // kinds add their drops without a test.
  constexpr int BARRED_CLASSES = 3;
  std::array<std::array<std::uint8_t, 81>, BARRED_CLASSES> empty;
  std::array<int, BARRED_CLASSES> empties{};
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int to = square_of(x, y);
      if (cells_[to] != EMPTY || !where(x, y)) continue;
      for (int barred = 0; barred < BARRED_CLASSES; ++barred)
        if (far_row(side_, y) > barred) empty[barred][empties[barred]++] = static_cast<std::uint8_t>(to);
    }
  for (int i = 1; i < HAND_SIZE; ++i) {
    if (hand[i] <= 0 || !may_drop(side_, i)) continue;
    const int code = side_ * HAND_KINDS[i];
    const int barred = PIECE_KINDS[HAND_KINDS[i]].barred_drop_rows;
    if (barred >= BARRED_CLASSES || HAND_KINDS[i] == HU || HAND_KINDS[i] == TUKAE) {
      for (int e = 0; e < empties[0]; ++e)
        if (drop_allowed(empty[0][e], code)) list.add(SearchMove::drop(i, empty[0][e], code));
      continue;
    }
    const int n = std::min(empties[barred], MAX_MOVES - list.size);
    const std::uint32_t kind_bits = SearchMove::drop(i, 0, code).bits();
    const std::uint8_t* to = empty[barred].data();
    SearchMove* out = list.moves.data() + list.size;
    for (int e = 0; e < n; ++e) out[e] = SearchMove::from_bits(kind_bits | static_cast<std::uint32_t>(to[e]) << 8);
    list.size += n;
  }
}

template <bool CapturesOnly>
void SearchPosition::board_moves(SearchMoveList& list) const {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int from = square_of(x, y);
      const int code = cells_[from];
      if (owner_of(code) == side_) piece_moves<CapturesOnly>(from, code, list);
    }
}

void SearchPosition::generate(SearchMoveList& list) const {
  board_moves<false>(list);
  drops(list, [](int, int) { return true; });
}

void SearchPosition::generate_captures(SearchMoveList& list) const { board_moves<true>(list); }

void SearchPosition::generate_near(SearchMoveList& list, int centre, int reach) const {
  board_moves<false>(list);
  const int cx = column_of(centre), cy = row_of(centre);
  drops(list, [&](int x, int y) { return std::abs(x - cx) <= reach && std::abs(y - cy) <= reach; });
}

void SearchPosition::generate_evasions(SearchMoveList& list) const {
  board_moves<false>(list);
  const int king = king_square_[side_index(side_)];
  const int kx = column_of(king), ky = row_of(king);
  drops(list, [&](int x, int y) { return king == 0 || x == kx || y == ky || std::abs(x - kx) == std::abs(y - ky); });
}

}  // namespace velmora
