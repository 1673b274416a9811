#include "engine/search_position.h"

#include <cstdlib>

#include "engine/hashing.h"

namespace velmora {

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
  if (on_board(setup.last)) set_last_move(square_of(setup.last.x, setup.last.y), setup.last_code);
  if (side_ > 0) hash_ ^= enemy_to_move_key();
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
  hash_ ^= hand_key(side, hand_index, count) ^ hand_key(side, hand_index, count + 1);
  ++count;
  material_ += side * hand_value(HAND_KINDS[hand_index], may_drop(side, hand_index));
}

void SearchPosition::take_from_hand(int side, int hand_index) {
  std::int8_t& count = hands_[side_index(side)][hand_index];
  hash_ ^= hand_key(side, hand_index, count) ^ hand_key(side, hand_index, count - 1);
  --count;
  material_ -= side * hand_value(HAND_KINDS[hand_index], may_drop(side, hand_index));
}

void SearchPosition::set_last_move(int to, int code) {
  hash_ ^= en_passant_key(last_to_, last_code_);
  last_to_ = to;
  last_code_ = code;
  hash_ ^= en_passant_key(last_to_, last_code_);
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
  hash_ ^= enemy_to_move_key();
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
  hash_ ^= enemy_to_move_key();
}

void SearchPosition::unmake_null() { unmake(); }

// --- Checks -----------------------------------------------------------------------

Result<void, std::string> SearchPosition::check_bookkeeping() const {
  if (hash_ != computed_hash()) return Failure{"the hash differs from the position's"};
  const SearchPosition fresh(setup());
  if (material_ != fresh.material_) return Failure{"the material differs from the position's"};
  if (hu_in_column_ != fresh.hu_in_column_) return Failure{"the two-pawn columns differ from the board"};
  if (king_square_ != fresh.king_square_) return Failure{"a king square differs from the board"};
  for (const auto& hand : hands_)
    for (int count : hand)
      if (count < 0) return Failure{"a hand holds a negative count"};
  return {};
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
    s.last = {column_of(last_to_), row_of(last_to_)};
    s.last_code = last_code_;
  }
  return s;
}

std::vector<SearchMove> moves_keeping_the_king(SearchPosition& p) {
  SearchMoveList all;
  p.generate(all);
  std::vector<SearchMove> kept;
  for (int i = 0; i < all.size; ++i) {
    p.make(all.moves[i]);
    if (!p.can_take_king()) kept.push_back(all.moves[i]);
    p.unmake();
  }
  return kept;
}

}  // namespace velmora
