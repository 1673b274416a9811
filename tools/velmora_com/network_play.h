// velmora-com --host PORT / --join HOST:PORT: the computer of a level plays a
// match over the network against another machine (the window, or another
// velmora-com). This header leaves the protocol's names out, so that the
// program's main sees only the options.
#pragma once

#include <ostream>
#include <string>

#include "clock/time_control.h"

namespace velmora {

struct NetworkPlayOptions {
  bool host = true;     // --host, or --join
  std::string address;  // the host the joiner connects to
  int port = 0;
  int level = 1;
  bool host_plays_main = true;  // --army of the host's computer
  TimeControl control;          // both armies' (--tc, host only)
  std::string records_folder;   // where the record is written; empty: none
};

// Plays the match; true when it ended normally (and its record, when asked
// for, was written).
bool play_network_match(const NetworkPlayOptions& options, std::ostream& out, std::ostream& report);

}  // namespace velmora
