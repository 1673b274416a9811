// A host's announcement is read only when every field is right: it comes
// from anyone on the network.
#include "platform/network/discovery.h"

#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

TEST(HostAnnouncement, ReadsBackWhatIsSentAndRefusesAnythingElse) {
  EXPECT_EQ(parse_announcement(format_announcement({7650, "花子"})), (HostAnnouncement{7650, "花子"}));
  EXPECT_EQ(parse_announcement("VELMORA-HOST 1 7650 "), (HostAnnouncement{7650, ""}));
  const struct {
    const char* why;
    std::string datagram;
  } refused[] = {
      {"another version", "VELMORA-HOST 2 7650 a"},
      {"port 0", "VELMORA-HOST 1 0 a"},
      {"port past 65535", "VELMORA-HOST 1 65536 a"},
      {"a port with a sign", "VELMORA-HOST 1 +7650 a"},
      {"no name field", "VELMORA-HOST 1 7650"},
      {"another head", "VELMORA-GUEST 1 7650 a"},
      {"a control character", "VELMORA-HOST 1 7650 a\nb"},
      {"bytes that are not UTF-8", "VELMORA-HOST 1 7650 \xff"},
      {"a name too long", "VELMORA-HOST 1 7650 " + std::string(41, 'a')},
      {"a datagram too long", "VELMORA-HOST 1 7650 a" + std::string(100, ' ')},
  };
  for (const auto& r : refused) EXPECT_FALSE(parse_announcement(r.datagram)) << r.why;
}

TEST(HostAnnouncement, ANameIsCleanedAndCutToFit) {
  const std::string sent = format_announcement({7650, "a\tb" + std::string(60, 'c')});
  const std::optional<HostAnnouncement> read = parse_announcement(sent);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->name, "ab" + std::string(38, 'c'));
}

}  // namespace
}  // namespace velmora::platform
