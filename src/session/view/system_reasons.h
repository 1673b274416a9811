// The system's reason for a failed file operation as the window says it.
#pragma once

#include <string>
#include <system_error>

namespace velmora {

// The common reasons (a full disk, a folder that may not be written, a file
// too large, ...) in the game's own words, so that the window shows them in
// its language; any other in the system's own text.
std::string reason_text(const std::error_code& error);

}  // namespace velmora
