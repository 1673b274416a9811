// A 10 x 10 table indexed (column, row) like the board: 1..9 are the squares,
// index 0 of each dimension exists and is never written, so it reads as the
// zero value. Reads outside 0..9 are safe too and give the zero value, which
// lets the rules look one or two squares past an edge without a guard.
#pragma once

#include <array>

namespace velmora {

template <class T>
class Grid {
 public:
  constexpr Grid() : cells_{} {}

  // Unchecked access for loops that stay on the board.
  T& operator()(int x, int y) { return cells_[x][y]; }
  const T& operator()(int x, int y) const { return cells_[x][y]; }

  // Checked read: anything outside 0..9 reads as T{}.
  T at(int x, int y) const {
    return (static_cast<unsigned>(x) <= 9u && static_cast<unsigned>(y) <= 9u) ? cells_[x][y] : T{};
  }

  // Sets squares 1..9 x 1..9 to v; index 0 stays as it is.
  void fill_squares(T v) {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) cells_[x][y] = v;
  }

  bool operator==(const Grid&) const = default;

 private:
  std::array<std::array<T, 10>, 10> cells_;
};

// The board holds piece codes; EMPTY (0) is an empty square.
using Board = Grid<int>;

// Counts per hand index 1..18 (index 0 holds no kind).
using Hand = std::array<int, 19>;

// Per column 1..9 (index 0 unused).
using ColumnFlags = std::array<int, 10>;

}  // namespace velmora
