#include "platform/network/discovery.h"

#include <charconv>

#include "network/protocol.h"
#include "text/shift_jis.h"

namespace velmora::platform {
namespace {

constexpr std::string_view HEAD = "VELMORA-HOST ";

bool printable_byte(unsigned char c) { return c >= 0x20 && c != 0x7f; }

bool printable_name(std::string_view name) {
  for (unsigned char c : name)
    if (!printable_byte(c)) return false;
  return name.size() <= MAX_NAME_BYTES && is_utf8(name);
}

// `name` without control characters, cut at a character boundary to fit.
std::string clean_name(std::string_view name) {
  std::string cleaned;
  for (unsigned char c : name)
    if (printable_byte(c)) cleaned += static_cast<char>(c);
  if (cleaned.size() > MAX_NAME_BYTES) cleaned.resize(MAX_NAME_BYTES);
  while (!cleaned.empty() && !is_utf8(cleaned)) cleaned.pop_back();
  return cleaned;
}

// A whole decimal number of `text` from `least` to `most`, without sign or zeros in front.
std::optional<int> number(std::string_view text, int least, int most) {
  int value = 0;
  if (text.empty() || text.size() > 5 || (text.size() > 1 && text[0] == '0')) return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value < least || value > most) return std::nullopt;
  return value;
}

}  // namespace

std::string format_announcement(const HostAnnouncement& announcement) {
  return std::string(HEAD) + std::to_string(PROTOCOL_VERSION) + " " + std::to_string(announcement.port) + " " +
         clean_name(announcement.name);
}

std::optional<HostAnnouncement> parse_announcement(std::string_view datagram) {
  if (datagram.size() > MAX_ANNOUNCEMENT_BYTES || datagram.substr(0, HEAD.size()) != HEAD) return std::nullopt;
  std::string_view rest = datagram.substr(HEAD.size());
  const std::size_t after_version = rest.find(' ');
  if (after_version == std::string_view::npos) return std::nullopt;
  const std::optional<int> version = number(rest.substr(0, after_version), 0, 99999);
  if (version != PROTOCOL_VERSION) return std::nullopt;
  rest.remove_prefix(after_version + 1);
  const std::size_t after_port = rest.find(' ');
  if (after_port == std::string_view::npos) return std::nullopt;
  const std::optional<int> port = number(rest.substr(0, after_port), 1, 65535);
  const std::string_view name = rest.substr(after_port + 1);
  if (!port || !printable_name(name)) return std::nullopt;
  return HostAnnouncement{*port, std::string(name)};
}

}  // namespace velmora::platform
