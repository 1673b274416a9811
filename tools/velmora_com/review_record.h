// velmora-com --review: a game record judged move by move by level 4.
#pragma once

#include <ostream>
#include <string>

#include "review/record_game.h"
#include "review/review_pool.h"

namespace velmora {

struct ReviewOptions {
  std::string record_path;
  ReviewLimits limits;
  int threads = 1;
};

// Reads the record and prints one line per move and one summary line per
// army on `out`; the nodes searched and the time go to `report`. A record
// that cannot be read, is damaged or holds a move the rules do not allow is
// told on `report` with its line; then the answer is false.
bool review_record(const ReviewOptions& options, std::ostream& out, std::ostream& report);

}  // namespace velmora

namespace velmora {

// "velmora-com: PATH:LINE: what is wrong" on `report`.
void tell_record_fault(const std::string& path, const RecordFault& fault, std::ostream& report);

}  // namespace velmora
