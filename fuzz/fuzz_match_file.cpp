// The reader of the kept match (前回の対局を再開) against any file: it never
// fails other than with a fault; a file it takes writes back to text that
// reads as the same match, and the match set up in a window keeps its
// position's bookkeeping and holds exactly what the file said.
#include <cmath>

#include "fakes/fake_ports.h"
#include "fuzz_check.h"
#include "resume/resume.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  const MatchFileResult read = read_saved_match(fuzz::bytes(data, size));
  if (!read) {
    fuzz::require(!read.error().what.empty(), "a fault without a reason");
    return 0;
  }
  const SavedMatch* match = &*read;
  const std::string written = format_saved_match(*match);
  const MatchFileResult again = read_saved_match(written);
  fuzz::require(again && *again == *match, "the match written does not read back the same");

  fuzz::clear_scratch_folder();
  testing::TestGame t;
  t.game.working_directory = fuzz::scratch_folder();
  t.fakes.clock.now = 1000;
  restore_saved_match(t.game, *match);
  if (const PositionCheck checked = t.game.pos.check(); !checked)
    fuzz::fail("the match set up: " + checked.error().what);
  SavedMatch set_up = saved_match(t.game);
  fuzz::require(std::abs(set_up.thinking - match->thinking) < 1e-6, "the turn's thinking time changed");
  set_up.thinking = match->thinking;
  fuzz::require(format_saved_match(set_up) == written, "the match set up differs from the file");
  return 0;
}
