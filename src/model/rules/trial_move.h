// Trying a move on the board without keeping it.
#pragma once

#include <array>

#include "rules/grid.h"

namespace velmora {

// Places codes on up to two squares of a board for a trial; when it goes out
// of scope, every square it touched gets back what stood there, so no path out
// of the trial can leave the board changed. Only the board is touched: hands,
// totals and flags stay as they are.
class TrialSquares {
 public:
  explicit TrialSquares(Board& board) : board_(board) {}
  TrialSquares(const TrialSquares&) = delete;
  TrialSquares& operator=(const TrialSquares&) = delete;
  ~TrialSquares() {
    for (int i = count_; i-- > 0;) board_(saved_[i].x, saved_[i].y) = saved_[i].code;
  }

  // Puts `code` on (x, y). A third square is refused (ignored).
  void place(int x, int y, int code) {
    if (count_ == static_cast<int>(saved_.size())) return;
    saved_[count_++] = {x, y, board_(x, y)};
    board_(x, y) = code;
  }

  // The piece on (x, y) steps to (tx, ty), over whatever stood there.
  void move(int x, int y, int tx, int ty) {
    const int piece = board_(x, y);
    place(tx, ty, piece);
    place(x, y, 0);
  }

 private:
  struct Saved {
    int x = 0, y = 0, code = 0;
  };
  Board& board_;
  std::array<Saved, 2> saved_{};
  int count_ = 0;
};

}  // namespace velmora
