// The line a host announces on the local network while it waits for a
// player, so that the join dialog can list it: "VELMORA-HOST 1 7650 name",
// the protocol version, the TCP port it listens on and its player's name.
// A datagram comes from anyone on the network: it is read only when it is
// short, of printable UTF-8 and well-formed in every field.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::platform {

// The longest announcement sent or read.
inline constexpr std::size_t MAX_ANNOUNCEMENT_BYTES = 100;
// Hosts announce themselves this often.
inline constexpr int ANNOUNCE_INTERVAL_MS = 2000;

struct HostAnnouncement {
  int port = 0;
  std::string name;
  bool operator==(const HostAnnouncement&) const = default;
};

// The datagram; a name too long or not printable is cut or cleaned first.
std::string format_announcement(const HostAnnouncement& announcement);
// The announcement a datagram carries; none when it is not one.
std::optional<HostAnnouncement> parse_announcement(std::string_view datagram);

}  // namespace velmora::platform
