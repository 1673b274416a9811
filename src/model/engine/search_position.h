// The position as the strong computer player (level 4) searches it: a padded
// board, both hands, the side to move and what the rules need besides the
// board (the last move for en passant, who may drop), with make and unmake
// that keep a Zobrist hash, the two-pawn columns, the king squares and the
// material up to date.
//
// Pieces keep the game's signed codes: negative for the own side (bottom),
// positive for the enemy side (top). A side is named by its sign.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/grid.h"
#include "rules/pieces.h"

namespace velmora {

// The board has two rings of off-board cells around the 9 x 9 squares, so
// that steps and leaps of up to two squares never leave the array.
inline constexpr int PADDED_WIDTH = 13;
inline constexpr int PADDED_CELLS = PADDED_WIDTH * PADDED_WIDTH;
inline constexpr int OFF_BOARD = 100;  // the code of a cell outside the board

constexpr int square_of(int x, int y) { return (y + 1) * PADDED_WIDTH + x + 1; }
constexpr int column_of(int square) { return square % PADDED_WIDTH - 1; }
constexpr int row_of(int square) { return square / PADDED_WIDTH - 1; }

// 0 for EMPTY and off-board cells, else the sign of the piece.
constexpr int owner_of(int code) { return code == OFF_BOARD ? 0 : sign_of(code); }
constexpr int side_index(int side) { return side > 0 ? 1 : 0; }

// A move packed into 32 bits: source, destination, the code before and the
// code after (they differ when the piece promotes). A drop's source is
// DROP_BASE + its hand index. 0 is no move.
class SearchMove {
 public:
  static constexpr int DROP_BASE = 200;
  constexpr SearchMove() = default;
  constexpr SearchMove(int from, int to, int code, int final_code)
      : bits_(static_cast<std::uint32_t>(from) | static_cast<std::uint32_t>(to) << 8 |
              static_cast<std::uint32_t>(code & 0xff) << 16 | static_cast<std::uint32_t>(final_code & 0xff) << 24) {}
  static constexpr SearchMove drop(int hand_index, int to, int code) {
    return SearchMove(DROP_BASE + hand_index, to, code, code);
  }
  static constexpr SearchMove from_bits(std::uint32_t bits) {
    SearchMove m;
    m.bits_ = bits;
    return m;
  }

  constexpr int from() const { return static_cast<int>(bits_ & 0xff); }
  constexpr int to() const { return static_cast<int>(bits_ >> 8 & 0xff); }
  constexpr int code() const { return static_cast<std::int8_t>(bits_ >> 16 & 0xff); }
  constexpr int final_code() const { return static_cast<std::int8_t>(bits_ >> 24); }
  constexpr bool is_drop() const { return from() >= DROP_BASE; }
  constexpr int hand_index() const { return from() - DROP_BASE; }
  constexpr bool promotes() const { return code() != final_code(); }
  constexpr bool is_none() const { return bits_ == 0; }
  constexpr std::uint32_t bits() const { return bits_; }
  constexpr bool operator==(const SearchMove&) const = default;

 private:
  std::uint32_t bits_ = 0;
};

// More moves than any position has: drops of all 18 kinds on every empty
// square are at most 1422, and a board that leaves that many squares empty
// holds few pieces. A list that were full would keep its first moves.
inline constexpr int MAX_MOVES = 2048;
struct SearchMoveList {
  std::array<SearchMove, MAX_MOVES> moves;
  int size = 0;
  void add(SearchMove m) {
    if (size < MAX_MOVES) moves[size++] = m;
  }
};

// What a position is made of, in the game's own terms.
struct PositionSetup {
  Board board;
  Hand hand_own{};    // the own side's captures, dropped with negative codes
  Hand hand_enemy{};  // the enemy side's captures, dropped with positive codes
  int side_to_move = +1;
  int chess_sign = +1;                        // the sign of the chess army's pieces
  bool chess_drops = false;                   // "ﾁｪｽ側持駒OK": the chess army may drop
  int last_x = 0, last_y = 0, last_code = 0;  // the last move's destination and final code
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
    for_each_attack(from, cells_[from], visit);
  }
  template <class Visit>
  void for_each_attack(int from, int code, Visit&& visit) const;
  // Whether the moved piece itself would attack the other king from its
  // destination (checks by uncovering a line are not seen).
  bool gives_direct_check(SearchMove move) const;

  // The hash computed from scratch, and a description of the first fault in
  // the bookkeeping (hash, kings, two-pawn columns, material), if any.
  std::uint64_t computed_hash() const;
  std::optional<std::string> find_fault() const;

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
  template <bool CapturesOnly>
  void add_move(int from, int to, int code, SearchMoveList& list) const;
  void drops(SearchMoveList& list, int centre = square_of(5, 5), int reach = 4) const;
  bool drop_allowed(int to, int code) const;
  bool step_attacks(int from, int code, int target) const;

  void put(int square, int code);
  void remove(int square);
  void add_to_hand(int side, int hand_index);
  void take_from_hand(int side, int hand_index);
  void set_last_move(int to, int code);
  std::uint64_t en_passant_key() const;

  std::array<std::int8_t, PADDED_CELLS> cells_{};
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

// Values of the pieces and their placement, shared by make/unmake (which
// keep the sum) and the evaluation.
int piece_value(int kind);
int hand_value(int kind, bool droppable);
// Placement bonus of a piece with `code` on `square`, from its owner's view.
int placement_value(int code, int square);

// Offsets on the padded board.
inline constexpr int STEP_ORTHOGONAL[4] = {1, -1, PADDED_WIDTH, -PADDED_WIDTH};
inline constexpr int STEP_DIAGONAL[4] = {PADDED_WIDTH + 1, PADDED_WIDTH - 1, -PADDED_WIDTH + 1, -PADDED_WIDTH - 1};
inline constexpr int LEAP_KNIGHT[8] = {2 * PADDED_WIDTH + 1,  2 * PADDED_WIDTH - 1, -2 * PADDED_WIDTH + 1,
                                       -2 * PADDED_WIDTH - 1, PADDED_WIDTH + 2,     PADDED_WIDTH - 2,
                                       -PADDED_WIDTH + 2,     -PADDED_WIDTH - 2};

bool in_palace(int side, int square);

template <class Visit>
void SearchPosition::for_each_attack(int from, int code, Visit&& visit) const {
  const int side = sign_of(code);
  const int f = side * PADDED_WIDTH;
  auto slide = [&](const int* steps, int count) {
    for (int k = 0; k < count; ++k)
      for (int to = from + steps[k]; cells_[to] != OFF_BOARD; to += steps[k]) {
        visit(to);
        if (cells_[to] != EMPTY) break;
      }
  };
  auto step = [&](int to) {
    if (cells_[to] != OFF_BOARD) visit(to);
  };
  switch (kind_of(code)) {
    case HU: step(from + f); break;
    case PORN:
      step(from + f + 1);
      step(from + f - 1);
      break;
    case HEISI: {
      step(from + f);
      const int row = row_of(from);
      if (side < 0 ? row <= 4 : row >= 6) {
        step(from + 1);
        step(from - 1);
      }
      break;
    }
    case KYOU: slide(side < 0 ? &STEP_ORTHOGONAL[3] : &STEP_ORTHOGONAL[2], 1); break;
    case KEI:
      step(from + 2 * f + 1);
      step(from + 2 * f - 1);
      break;
    case GIN:
      for (int dx = -1; dx <= 1; ++dx) step(from + f + dx);
      step(from - f + 1);
      step(from - f - 1);
      break;
    case KIN:
    case HU_N:
    case KYOU_N:
    case KEI_N:
    case GIN_N:
      for (int dx = -1; dx <= 1; ++dx) step(from + f + dx);
      step(from + 1);
      step(from - 1);
      step(from - f);
      break;
    case KAKU:
    case BISH: slide(STEP_DIAGONAL, 4); break;
    case SYA:
    case KURUMA:
    case ROOK: slide(STEP_ORTHOGONAL, 4); break;
    case QEEN:
      slide(STEP_DIAGONAL, 4);
      slide(STEP_ORTHOGONAL, 4);
      break;
    case KAKU_N:
      slide(STEP_DIAGONAL, 4);
      for (int s : STEP_ORTHOGONAL) step(from + s);
      break;
    case SYA_N:
      slide(STEP_ORTHOGONAL, 4);
      for (int s : STEP_DIAGONAL) step(from + s);
      break;
    case OU:
    case KING:
      for (int s : STEP_ORTHOGONAL) step(from + s);
      for (int s : STEP_DIAGONAL) step(from + s);
      break;
    case KNIG:
      for (int s : LEAP_KNIGHT) step(from + s);
      break;
    case UMA:  // a leap of (1, 2) whose leg, the first orthogonal step, must be empty
      for (int s : STEP_ORTHOGONAL) {
        if (cells_[from + s] != EMPTY) continue;
        const int across = (s == 1 || s == -1) ? PADDED_WIDTH : 1;
        step(from + 2 * s + across);
        step(from + 2 * s - across);
      }
      break;
    case ZOU:
      for (int s : STEP_DIAGONAL) {
        const int to = from + 2 * s;
        const int row = row_of(to);
        if (cells_[from + s] == EMPTY && cells_[to] != OFF_BOARD && (side < 0 ? row >= 5 : row <= 5)) visit(to);
      }
      break;
    case HOU:
      for (int s : STEP_ORTHOGONAL) {
        int to = from + s;
        while (cells_[to] == EMPTY) to += s;
        if (cells_[to] == OFF_BOARD) continue;
        for (to += s; cells_[to] == EMPTY; to += s) {
        }
        if (cells_[to] != OFF_BOARD) visit(to);
      }
      break;
    case TUKAE:
      for (int s : STEP_DIAGONAL)
        if (in_palace(side, from + s)) visit(from + s);
      break;
    case SYOU:
      for (int s : STEP_ORTHOGONAL)
        if (in_palace(side, from + s)) visit(from + s);
      break;
    default: break;
  }
}

}  // namespace velmora
