#include "engine/search_position.h"

#include <algorithm>
#include <cstdlib>

namespace velmora {
namespace {

constexpr int MAX_HAND_COUNT = 48;

// Fixed pseudo-random keys, the same in every run.
struct ZobristKeys {
  std::uint64_t piece[2 * KIND_COUNT + 1][PADDED_CELLS];
  std::uint64_t hand[2][HAND_SIZE][MAX_HAND_COUNT + 1];
  std::uint64_t en_passant[10];
  std::uint64_t enemy_to_move;

  ZobristKeys() {
    std::uint64_t state = 0x9e3779b97f4a7c15ULL;
    auto next = [&state] {
      std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
      z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
      z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
      return z ^ (z >> 31);
    };
    for (auto& per_code : piece)
      for (auto& key : per_code) key = next();
    for (auto& per_side : hand)
      for (auto& per_index : per_side) {
        per_index[0] = 0;
        for (int count = 1; count <= MAX_HAND_COUNT; ++count) per_index[count] = next();
      }
    for (auto& key : en_passant) key = next();
    enemy_to_move = next();
  }
};

const ZobristKeys& keys() {
  static const ZobristKeys zobrist;
  return zobrist;
}

std::uint64_t piece_key(int code, int square) { return keys().piece[code + KIND_COUNT][square]; }

// Rows counted from the side's own back row: 1 on its back row, 9 on the far row.
int rows_from_back(int side, int square) { return side < 0 ? 10 - row_of(square) : row_of(square); }

}  // namespace

bool in_palace(int side, int square) {
  const int x = column_of(square), y = row_of(square);
  if (x < 4 || x > 6) return false;
  return side < 0 ? (y >= 7 && y <= 9) : (y >= 1 && y <= 3);
}

int piece_value(int kind) { return PIECE_KINDS[kind].value; }

int hand_value(int kind, bool droppable) { return droppable ? piece_value(kind) * 115 / 100 : 0; }

int placement_value(int code, int square) {
  const int side = sign_of(code);
  const int advance = rows_from_back(side, square) - 1;  // 0 on the back row
  const int off_centre = std::abs(column_of(square) - 5) + std::abs(row_of(square) - 5);
  switch (kind_of(code)) {
    case HU: return advance * 4;
    case HEISI: return advance * 6 + (advance >= 5 ? 20 : 0);
    case PORN: {
      static constexpr int PAWN_ADVANCE[9] = {0, 0, 8, 16, 28, 45, 70, 100, 100};
      return PAWN_ADVANCE[advance];
    }
    case KEI:
    case KNIG:
    case UMA: return 24 - off_centre * 6;
    case HU_N:
    case KYOU_N:
    case KEI_N:
    case GIN_N:
    case KIN:
    case GIN: return advance * 3;
    case OU:
    case KING:
    case SYOU: return -advance * 20;
    default: return 0;
  }
}

SearchPosition::SearchPosition(const PositionSetup& setup)
    : side_(setup.side_to_move < 0 ? -1 : +1),
      chess_sign_(setup.chess_sign < 0 ? -1 : +1),
      chess_drops_(setup.chess_drops) {
  cells_.fill(OFF_BOARD);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      cells_[square_of(x, y)] = EMPTY;
      const int code = piece_at(setup.board, x, y);
      if (code != EMPTY) put(square_of(x, y), code);
    }
  for (int i = 1; i < HAND_SIZE; ++i) {
    for (int n = 0; n < setup.hand_own[i] && n < MAX_HAND_COUNT; ++n) add_to_hand(-1, i);
    for (int n = 0; n < setup.hand_enemy[i] && n < MAX_HAND_COUNT; ++n) add_to_hand(+1, i);
  }
  if (on_board(setup.last_x, setup.last_y)) set_last_move(square_of(setup.last_x, setup.last_y), setup.last_code);
  if (side_ > 0) hash_ ^= keys().enemy_to_move;
  undo_.reserve(256);
}

bool SearchPosition::may_drop(int side, int hand_index) const {
  // Without the option the chess army never drops, and the main army offers
  // only the chess pieces it has captured.
  if (chess_drops_) return true;
  return side != chess_sign_ && hand_index <= 5;
}

// --- Board bookkeeping ----------------------------------------------------

void SearchPosition::put(int square, int code) {
  cells_[square] = static_cast<std::int8_t>(code);
  hash_ ^= piece_key(code, square);
  const int side = sign_of(code), kind = kind_of(code);
  material_ += side * (piece_value(kind) + placement_value(code, square));
  if (kind == HU) ++hu_in_column_[side_index(side)][column_of(square)];
  if (is_king_kind(kind)) king_square_[side_index(side)] = square;
}

void SearchPosition::remove(int square) {
  const int code = cells_[square];
  cells_[square] = EMPTY;
  hash_ ^= piece_key(code, square);
  const int side = sign_of(code), kind = kind_of(code);
  material_ -= side * (piece_value(kind) + placement_value(code, square));
  if (kind == HU) --hu_in_column_[side_index(side)][column_of(square)];
  if (is_king_kind(kind) && king_square_[side_index(side)] == square) king_square_[side_index(side)] = 0;
}

void SearchPosition::add_to_hand(int side, int hand_index) {
  std::int8_t& count = hands_[side_index(side)][hand_index];
  const auto& key = keys().hand[side_index(side)][hand_index];
  hash_ ^= key[count] ^ key[count + 1];
  ++count;
  material_ += side * hand_value(HAND_KINDS[hand_index], may_drop(side, hand_index));
}

void SearchPosition::take_from_hand(int side, int hand_index) {
  std::int8_t& count = hands_[side_index(side)][hand_index];
  const auto& key = keys().hand[side_index(side)][hand_index];
  hash_ ^= key[count] ^ key[count - 1];
  --count;
  material_ -= side * hand_value(HAND_KINDS[hand_index], may_drop(side, hand_index));
}

// A pawn that has just arrived beside an opposing pawn's en-passant row may
// be taken en passant on the next move: then the last move is part of the
// position.
std::uint64_t SearchPosition::en_passant_key() const {
  if (last_to_ == 0) return 0;
  const int row = row_of(last_to_);
  const bool takeable = (last_code_ == +PORN && row == 4) || (last_code_ == -PORN && row == 6);
  return takeable ? keys().en_passant[column_of(last_to_)] : 0;
}

void SearchPosition::set_last_move(int to, int code) {
  hash_ ^= en_passant_key();
  last_to_ = to;
  last_code_ = code;
  hash_ ^= en_passant_key();
}

// --- Moves ------------------------------------------------------------------

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
  if (!always && !stuck_on_row(code, row_of(to)) && (!CapturesOnly || capture)) list.add(SearchMove(from, to, code, code));
}

template <bool CapturesOnly>
void SearchPosition::piece_moves(int from, int code, SearchMoveList& list) const {
  const int side = sign_of(code);
  const int f = side * PADDED_WIDTH;
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
  switch (kind_of(code)) {
    case HU: go(from + f); break;
    case KYOU: slide_promoting(f); break;
    case KEI:
      go(from + 2 * f + 1);
      go(from + 2 * f - 1);
      break;
    case KAKU:
      for (int s : STEP_DIAGONAL) slide_promoting(s);
      break;
    case SYA:
      for (int s : STEP_ORTHOGONAL) slide_promoting(s);
      break;
    case HEISI: {
      go(from + f);
      const int row = row_of(from);
      if (side < 0 ? row <= 4 : row >= 6) {
        go(from + 1);
        go(from - 1);
      }
      break;
    }
    case PORN: {
      const int ahead = from + f;
      if (cells_[ahead] == EMPTY) {
        add_move<CapturesOnly>(from, ahead, code, list);
        if (!CapturesOnly && rows_from_back(side, from) == 2 && cells_[ahead + f] == EMPTY)
          list.add(SearchMove(from, ahead + f, code, code));
      }
      for (int dx : {-1, 1}) {
        const int to = ahead + dx;
        if (owner_of(cells_[to]) == -side) {
          add_move<CapturesOnly>(from, to, code, list);
        } else if (cells_[to] == EMPTY && rows_from_back(side, from) == 6 && last_to_ == from + dx &&
                   last_code_ == -code && cells_[from + dx] == -code) {
          list.add(SearchMove(from, to, code, code));  // en passant
        }
      }
      break;
    }
    case KING:
      if (!CapturesOnly) {
        // Castling: only the named squares count, not whether king or rook
        // has moved, nor attacked squares.
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
      for_each_attack(from, go);
      break;
    case HOU:
      for (int s : STEP_ORTHOGONAL) {
        int to = from + s;
        for (; cells_[to] == EMPTY; to += s)
          if (!CapturesOnly) list.add(SearchMove(from, to, code, code));
        if (cells_[to] == OFF_BOARD) continue;
        for (to += s; cells_[to] == EMPTY; to += s) {
        }
        if (owner_of(cells_[to]) == -side) list.add(SearchMove(from, to, code, code));
      }
      break;
    case BISH:
      for (int s : STEP_DIAGONAL) slide(s);
      break;
    case KURUMA:
    case ROOK:
      for (int s : STEP_ORTHOGONAL) slide(s);
      break;
    case QEEN:
      for (int s : STEP_DIAGONAL) slide(s);
      for (int s : STEP_ORTHOGONAL) slide(s);
      break;
    case KAKU_N:
      for (int s : STEP_DIAGONAL) slide(s);
      for (int s : STEP_ORTHOGONAL) go(from + s);
      break;
    case SYA_N:
      for (int s : STEP_ORTHOGONAL) slide(s);
      for (int s : STEP_DIAGONAL) go(from + s);
      break;
    default: for_each_attack(from, go); break;  // the steppers and leapers
  }
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

void SearchPosition::drops(SearchMoveList& list, int centre, int reach) const {
  const auto& hand = hands_[side_index(side_)];
  const int left = std::max(1, column_of(centre) - reach), right = std::min(9, column_of(centre) + reach);
  const int top = std::max(1, row_of(centre) - reach), bottom = std::min(9, row_of(centre) + reach);
  for (int i = 1; i < HAND_SIZE; ++i) {
    if (hand[i] <= 0 || !may_drop(side_, i)) continue;
    const int code = side_ * HAND_KINDS[i];
    for (int x = left; x <= right; ++x)
      for (int y = top; y <= bottom; ++y) {
        const int to = square_of(x, y);
        if (cells_[to] == EMPTY && drop_allowed(to, code)) list.add(SearchMove::drop(i, to, code));
      }
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
  drops(list);
}

void SearchPosition::generate_captures(SearchMoveList& list) const { board_moves<true>(list); }

void SearchPosition::generate_near(SearchMoveList& list, int centre, int reach) const {
  board_moves<false>(list);
  drops(list, centre, reach);
}

// --- Attacks ------------------------------------------------------------------

bool SearchPosition::step_attacks(int from, int code, int target) const {
  const int side = sign_of(code);
  const int f = side * PADDED_WIDTH;
  const int d = target - from;
  const bool orthogonal = d == 1 || d == -1 || d == PADDED_WIDTH || d == -PADDED_WIDTH;
  switch (kind_of(code)) {
    case HU: return d == f;
    case PORN: return d == f + 1 || d == f - 1;
    case HEISI: {
      const int row = row_of(from);
      return d == f || ((side < 0 ? row <= 4 : row >= 6) && (d == 1 || d == -1));
    }
    case GIN: return d == f || d == f + 1 || d == f - 1 || d == -f + 1 || d == -f - 1;
    case KIN:
    case HU_N:
    case KYOU_N:
    case KEI_N:
    case GIN_N: return d == f || d == f + 1 || d == f - 1 || d == 1 || d == -1 || d == -f;
    case OU:
    case KING:
    case KAKU_N:
    case SYA_N: return true;
    case TUKAE: return !orthogonal && in_palace(side, target);
    case SYOU: return orthogonal && in_palace(side, target);
    default: return false;
  }
}

bool SearchPosition::attacked(int square, int by) const {
  const int f = by * PADDED_WIDTH;
  auto is = [&](int at, int kind) { return cells_[at] == by * kind; };
  for (int d : STEP_ORTHOGONAL) {
    int at = square + d;
    while (cells_[at] == EMPTY) at += d;
    const int code = cells_[at];
    if (code == OFF_BOARD) continue;
    if (owner_of(code) == by) {
      const int kind = kind_of(code);
      if (kind == SYA || kind == SYA_N || kind == KURUMA || kind == ROOK || kind == QEEN) return true;
      if (kind == KYOU && d == -f) return true;
      if (at == square + d && step_attacks(at, code, square)) return true;
    }
    for (at += d; cells_[at] == EMPTY; at += d) {
    }
    if (is(at, HOU)) return true;  // a cannon over its screen
  }
  for (int d : STEP_DIAGONAL) {
    int at = square + d;
    while (cells_[at] == EMPTY) at += d;
    const int code = cells_[at];
    if (owner_of(code) != by) continue;
    const int kind = kind_of(code);
    if (kind == KAKU || kind == KAKU_N || kind == BISH || kind == QEEN) return true;
    if (at == square + d && step_attacks(at, code, square)) return true;
  }
  if (is(square - 2 * f + 1, KEI) || is(square - 2 * f - 1, KEI)) return true;
  for (int leap : LEAP_KNIGHT)
    if (is(square + leap, KNIG)) return true;
  for (int s : STEP_ORTHOGONAL) {
    const int across = (s == 1 || s == -1) ? PADDED_WIDTH : 1;
    for (int a : {across, -across}) {
      const int horse = square - 2 * s - a;
      if (is(horse, UMA) && cells_[horse + s] == EMPTY) return true;
    }
  }
  const int row = row_of(square);
  if (by < 0 ? row >= 5 : row <= 5)
    for (int s : STEP_DIAGONAL)
      if (is(square - 2 * s, ZOU) && cells_[square - s] == EMPTY) return true;
  return false;
}

bool SearchPosition::gives_direct_check(SearchMove move) const {
  const int king = king_square_[side_index(-side_)];
  bool hits = false;
  for_each_attack(move.to(), move.final_code(), [&](int square) { hits = hits || square == king; });
  return hits;
}

bool SearchPosition::can_take_king() const {
  const int king = king_square_[side_index(-side_)];
  return king != 0 && attacked(king, side_);
}

bool SearchPosition::in_check() const {
  const int king = king_square_[side_index(side_)];
  return king != 0 && attacked(king, -side_);
}

// --- Make and unmake -------------------------------------------------------------

namespace {

// The rook's squares of a castling king arriving on `to`, or false.
bool castling_rook(int code, int from, int to, int& rook_from, int& rook_to) {
  if (kind_of(code) != KING || std::abs(column_of(to) - column_of(from)) != 2) return false;
  const int y = row_of(to);
  const int x = column_of(to);
  if (code < 0 && y == 9) {
    rook_from = square_of(x == 6 ? 8 : 1, 9);
    rook_to = square_of(x == 6 ? 5 : 3, 9);
    return true;
  }
  if (code > 0 && y == 1) {
    rook_from = square_of(x == 8 ? 9 : 2, 1);
    rook_to = square_of(x == 8 ? 7 : 5, 1);
    return true;
  }
  return false;
}

}  // namespace

void SearchPosition::make(SearchMove move) {
  Undo& u = undo_.emplace_back();
  u.move = move;
  u.last_to = last_to_;
  u.last_code = last_code_;
  u.hash = hash_;
  u.material = material_;
  const int side = side_, to = move.to();
  if (move.is_drop()) {
    take_from_hand(side, move.hand_index());
    put(to, move.code());
  } else {
    const int from = move.from(), code = move.code();
    const int captured = cells_[to];
    u.captured = captured;
    if (captured != EMPTY) {
      remove(to);
      if (const int index = hand_index_of(captured); index != 0) add_to_hand(side, index);
    } else if (kind_of(code) == PORN && std::abs(column_of(to) - column_of(from)) == 1) {
      const int passed = square_of(column_of(to), row_of(from));
      if (cells_[passed] == -code) {
        remove(passed);
        add_to_hand(side, hand_index_of(PORN));
        u.en_passant_square = passed;
      }
    }
    remove(from);
    put(to, move.final_code());
    int rook_from = 0, rook_to = 0;
    if (castling_rook(code, from, to, rook_from, rook_to)) {
      remove(rook_from);
      put(rook_to, side * ROOK);
    }
  }
  set_last_move(to, move.final_code());
  side_ = -side_;
  hash_ ^= keys().enemy_to_move;
}

void SearchPosition::unmake() {
  const Undo u = undo_.back();
  undo_.pop_back();
  side_ = -side_;
  const SearchMove move = u.move;
  const int side = side_, to = move.to();
  if (move.is_drop()) {
    remove(to);
    add_to_hand(side, move.hand_index());
  } else if (!move.is_none()) {
    const int from = move.from(), code = move.code();
    int rook_from = 0, rook_to = 0;
    if (castling_rook(code, from, to, rook_from, rook_to)) {
      remove(rook_to);
      put(rook_from, side * ROOK);
    }
    remove(to);
    put(from, code);
    if (u.captured != EMPTY) {
      put(to, u.captured);
      if (const int index = hand_index_of(u.captured); index != 0) take_from_hand(side, index);
    }
    if (u.en_passant_square != 0) {
      put(u.en_passant_square, -code);
      take_from_hand(side, hand_index_of(PORN));
    }
  }
  last_to_ = u.last_to;
  last_code_ = u.last_code;
  hash_ = u.hash;
  material_ = u.material;
}

void SearchPosition::make_null() {
  Undo& u = undo_.emplace_back();
  u.last_to = last_to_;
  u.last_code = last_code_;
  u.hash = hash_;
  u.material = material_;
  set_last_move(0, 0);
  side_ = -side_;
  hash_ ^= keys().enemy_to_move;
}

void SearchPosition::unmake_null() { unmake(); }

// --- Checks -----------------------------------------------------------------------

std::uint64_t SearchPosition::computed_hash() const {
  std::uint64_t h = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (const int code = cells_[square_of(x, y)]; code != EMPTY) h ^= piece_key(code, square_of(x, y));
  for (int s = 0; s < 2; ++s)
    for (int i = 1; i < HAND_SIZE; ++i) h ^= keys().hand[s][i][hands_[s][i]];
  h ^= en_passant_key();
  if (side_ > 0) h ^= keys().enemy_to_move;
  return h;
}

std::optional<std::string> SearchPosition::find_fault() const {
  if (hash_ != computed_hash()) return "the hash differs from the position's";
  const SearchPosition fresh(setup());
  if (material_ != fresh.material_) return "the material differs from the position's";
  if (hu_in_column_ != fresh.hu_in_column_) return "the two-pawn columns differ from the board";
  if (king_square_ != fresh.king_square_) return "a king square differs from the board";
  for (const auto& hand : hands_)
    for (int count : hand)
      if (count < 0) return "a hand holds a negative count";
  return std::nullopt;
}

PositionSetup SearchPosition::setup() const {
  PositionSetup s;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) s.board(x, y) = cells_[square_of(x, y)];
  for (int i = 1; i < HAND_SIZE; ++i) {
    s.hand_own[i] = hands_[0][i];
    s.hand_enemy[i] = hands_[1][i];
  }
  s.side_to_move = side_;
  s.chess_sign = chess_sign_;
  s.chess_drops = chess_drops_;
  if (last_to_ != 0) {
    s.last_x = column_of(last_to_);
    s.last_y = row_of(last_to_);
    s.last_code = last_code_;
  }
  return s;
}

}  // namespace velmora
