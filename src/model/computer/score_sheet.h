// The running score of one evaluation, in whole tenths, with an optional
// list of the terms that fired. With no list attached, adding a term is one
// addition and one pointer test.
#pragma once

#include <vector>

#include "computer/com_analysis.h"
#include "computer/terms.h"

namespace velmora {

// A whole number of points as tenths.
constexpr Tenths points(int n) { return n * 10; }

inline constexpr Tenths SCORE_KING_CAPTURED = points(9999);
inline constexpr Tenths SCORE_MATE = points(9998);
inline constexpr Tenths SCORE_NO_CANDIDATE = points(-99999);

// One term that fired: which, the square it looked at (0, 0 when the term
// concerns the candidate itself) and its amount.
struct TraceTerm {
  Term term;
  int x, y;
  Tenths amount;
};
using EvalTrace = std::vector<TraceTerm>;

class ScoreSheet {
 public:
  explicit ScoreSheet(EvalTrace* trace) : trace_(trace) {}

  void add(Tenths amount, Term term, int x = 0, int y = 0) {
    total_ += amount;
    if (trace_) trace_->push_back({term, x, y, amount});
  }
  Tenths total() const { return total_; }
  EvalTrace* trace() const { return trace_; }

 private:
  Tenths total_ = 0;
  EvalTrace* trace_;
};

}  // namespace velmora
