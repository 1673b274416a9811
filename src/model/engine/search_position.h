// The position as the strong computer player (level 4) searches it: a padded
// board, both hands, the side to move and what the rules need besides the
// board (the last move for en passant, who may drop), with make and unmake
// that keep a Zobrist hash, the two-pawn columns, the king squares and the
// material up to date.
//
// Its parts live in rooms of their own: the squares (squares.h), the moves
// (search_move.h), what a piece attacks (piece_attacks.h), the values kept as
// material (piece_values.h) and the keys of the hash (hashing.h); the members
// are defined by what they do: make and unmake here, move generation in
// move_generation.cpp, the attack tests in attacks.cpp, the hash in
// hashing.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/result.h"
#include "engine/piece_attacks.h"
#include "engine/piece_values.h"
#include "engine/search_move.h"
#include "engine/squares.h"
#include "rules/grid.h"
#include "rules/pieces.h"

namespace velmora {

// What a position is made of, in the game's own terms.
struct PositionSetup {
  Board board;
  Hand hand_own{};    // the own side's captures, dropped with negative codes
  Hand hand_enemy{};  // the enemy side's captures, dropped with positive codes
  int side_to_move = +1;
  int chess_sign = +1;       // the sign of the chess army's pieces
  bool chess_drops = false;  // "ﾁｪｽ側持駒OK": the chess army may drop
  Cell last;                 // the last move's destination
  int last_code = 0;         // and its final code
};

class SearchPosition {
 public:
  explicit SearchPosition(const PositionSetup& setup);

  int side_to_move() const { return side_; }
  int at(int square) const { return cells_[square]; }
  int hand_count(int side, int hand_index) const { return hands_[side_index(side)][hand_index]; }
  int king_square(int side) const { return king_square_[side_index(side)]; }
  std::uint64_t hash() const { return hash_; }
  // Material and placement of both sides, from the enemy side's view.
  int material() const { return material_; }
  int chess_sign() const { return chess_sign_; }
  // Whether `side` may drop the kind of `hand_index` at all.
  bool may_drop(int side, int hand_index) const;
  int plies() const { return static_cast<int>(undo_.size()); }

  // Every move and drop the rules allow the side to move (whether its king is
  // left attacked or not). Pawns, HU, KAKU and SYA always promote when they
  // may, since the promoted piece moves at least as well; KYOU, KEI and GIN
  // are offered both ways unless promotion is compulsory.
  void generate(SearchMoveList& list) const;
  // Only captures and promotions.
  void generate_captures(SearchMoveList& list) const;
  // The board moves, and the drops onto squares at most `reach` columns and
  // rows from `centre`.
  void generate_near(SearchMoveList& list, int centre, int reach) const;
  // The board moves, and the drops on the lines of the king of the side to
  // move: a drop anywhere else cannot take that king out of check (a
  // leaper's leg is next to the king, so on a line too).
  void generate_evasions(SearchMoveList& list) const;

  // Whether a piece of side `by` could move onto `square` (which holds a
  // piece of the other side or is empty as an attack on a king would see it).
  bool attacked(int square, int by) const;
  // The side to move can take the other king.
  bool can_take_king() const;
  // The king of the side to move is attacked.
  bool in_check() const;

  void make(SearchMove move);
  void unmake();
  void make_null();
  void unmake_null();

  // The squares the piece on `from` attacks (own pieces included), or that a
  // piece with `code` would attack from there.
  template <class Visit>
  void for_each_attack(int from, Visit&& visit) const {
    visit_attacks(cells_, from, cells_[from], visit);
  }
  template <class Visit>
  void for_each_attack(int from, int code, Visit&& visit) const {
    visit_attacks(cells_, from, code, visit);
  }
  // Whether the moved piece itself would attack the other king from its
  // destination (checks by uncovering a line are not seen).
  bool gives_direct_check(SearchMove move) const;

  // The hash computed from scratch, and the check of the bookkeeping (hash,
  // kings, two-pawn columns, material), failing with its first fault.
  std::uint64_t computed_hash() const;
  Result<void, std::string> check_bookkeeping() const;

  // The position back in the game's terms.
  PositionSetup setup() const;

 private:
  struct Undo {
    SearchMove move;
    int captured = EMPTY;
    int en_passant_square = 0;  // the square of a pawn taken en passant
    int last_to = 0, last_code = 0;
    std::uint64_t hash = 0;
    int material = 0;
  };

  template <bool CapturesOnly>
  void board_moves(SearchMoveList& list) const;
  template <bool CapturesOnly>
  void piece_moves(int from, int code, SearchMoveList& list) const;
  template <int Kind, bool CapturesOnly>
  void kind_moves(int from, int code, SearchMoveList& list) const;
  void castling(int from, int code, SearchMoveList& list) const;
  template <int By>
  bool attacked_by(int square) const;
  template <bool CapturesOnly>
  void add_move(int from, int to, int code, SearchMoveList& list) const;
  template <class Where>
  void drops(SearchMoveList& list, Where&& where) const;
  bool drop_allowed(int to, int code) const;

  void put(int square, int code);
  void remove(int square);
  void add_to_hand(int side, int hand_index);
  void take_from_hand(int side, int hand_index);
  void set_last_move(int to, int code);

  Cells cells_{};
  std::array<std::array<std::int8_t, HAND_SIZE>, 2> hands_{};
  std::array<std::array<std::int8_t, 10>, 2> hu_in_column_{};  // HU of each side per column
  std::array<int, 2> king_square_{};
  int side_ = +1;
  int chess_sign_ = +1;
  bool chess_drops_ = false;
  int last_to_ = 0, last_code_ = 0;
  std::uint64_t hash_ = 0;
  int material_ = 0;
  std::vector<Undo> undo_;
};

// The moves of the side to move that do not leave its king to be taken, in
// the order of their generation.
std::vector<SearchMove> moves_keeping_the_king(SearchPosition& p);

}  // namespace velmora
