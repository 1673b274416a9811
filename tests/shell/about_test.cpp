#include "shell/about.h"

#include <gtest/gtest.h>

#include "fakes/fake_ports.h"

namespace velmora {
namespace {

TEST(AboutBox, OpensAfterClosingTheRecordPanelWithItsSound) {
  testing::TestGame t;
  t.game.sound.snd_other = 1;
  t.game.sound.snd_refuse = 2;
  t.fakes.dialogs.fields.title = "書きかけ";
  ver_click(t.game);
  EXPECT_EQ(t.fakes.dialogs.calls,
            (std::vector<std::string>{"set_record_lists_visible 000", "set_record_fields_visible 0", "about_box"}));
  EXPECT_EQ(t.fakes.dialogs.fields.title, "");
  EXPECT_EQ(t.fakes.sound.played(), std::vector<int>{1});
}

TEST(AboutBox, HomePageGoesToTheBrowserWithoutWaiting) {
  testing::TestGame t;
  homepage_click(t.game);
  EXPECT_EQ(t.fakes.dialogs.calls, std::vector<std::string>{"open_web_page https://velmora.example.org/"});
  EXPECT_EQ(t.fakes.clock.waited, 0);
  EXPECT_TRUE(t.fakes.sound.calls.empty());
}

}  // namespace
}  // namespace velmora
