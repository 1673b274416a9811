// Seeded random settings files: whatever the lines hold, reading never
// crashes and leaves the menus in a state the game can use, and what is
// written from them reads back to the same check marks.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "fakes/fake_ports.h"
#include "record/temp_folder.h"
#include "shell/settings.h"
#include "text/shift_jis.h"

namespace velmora {
namespace {

class SettingsFuzzer {
 public:
  explicit SettingsFuzzer(unsigned seed) : rng_(seed) {}

  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  std::string text() {
    std::string out;
    for (int n = pick(0, 12); n > 0; --n) out += line() + line_end();
    return out;
  }

 private:
  std::string line() {
    static const char* keys[] = {"背景画", "移動指導", "経過時間", "チェス側持駒OK", "BGM", "主戦", "bgm", ""};
    static const char* values[] = {"緑", "畳", "竹", "宇宙", "煉瓦", "ON", "OFF", "on", "日本", "韓国", "", "=ON"};
    switch (pick(0, 5)) {
      case 0: {  // random bytes
        std::string junk;
        for (int n = pick(0, 40); n > 0; --n) junk += static_cast<char>(pick(0, 255));
        return junk;
      }
      case 1: return std::string(pick(200, 600), '=');  // longer than any setting
      default: {
        std::string l = utf8_to_shift_jis(std::string(keys[pick(0, 7)]) + "=" + values[pick(0, 11)]);
        if (pick(0, 5) == 0 && !l.empty()) l[pick(0, static_cast<int>(l.size()) - 1)] = static_cast<char>(pick(0, 255));
        return l;
      }
    }
  }
  std::string line_end() {
    static const char* ends[] = {"\r\n", "\n", "\r"};
    return ends[pick(0, 2)];
  }

  std::mt19937 rng_;
};

int checked_backgrounds(const MenuChecks& m) { return m.MIDORI + m.TATAMI + m.TAKE + m.UCHU + m.RENGA; }

int checked_background_picture(const MenuChecks& m) {
  return m.MIDORI   ? PICTURE_MIDORI
         : m.TATAMI ? PICTURE_TATAMI
         : m.TAKE   ? PICTURE_TAKE
         : m.UCHU   ? PICTURE_UCHU
         : m.RENGA  ? PICTURE_RENGA
                    : 0;
}

bool same_marks(const MenuChecks& a, const MenuChecks& b) {
  return a.MIDORI == b.MIDORI && a.TATAMI == b.TATAMI && a.TAKE == b.TAKE && a.UCHU == b.UCHU && a.RENGA == b.RENGA &&
         a.SIDOU == b.SIDOU && a.KEIKA == b.KEIKA && a.CHESS_MOCHIKOMA == b.CHESS_MOCHIKOMA && a.BGM == b.BGM &&
         a.NIPPON == b.NIPPON && a.KANKOKU == b.KANKOKU;
}

TEST(SettingsReaderFuzz, AnyLinesLeaveUsableMenusThatWriteAndReadBack) {
  testing::TempFolder folder;
  SettingsFuzzer fuzz(1357);
  for (int round = 0; round < 400; ++round) {
    testing::TestGame t;
    Game& g = t.game;
    g.working_directory = folder.path();
    g.sound.snd_bgm = 6;
    std::istringstream in(fuzz.text());
    apply_settings(g, in);

    ASSERT_EQ(g.menu.NIPPON + g.menu.KANKOKU, 1) << "round " << round;
    ASSERT_EQ(checked_backgrounds(g.menu), 1) << "round " << round;
    ASSERT_EQ(g.view.current_background, checked_background_picture(g.menu)) << "round " << round;
    ASSERT_EQ(g.view.guidance_on, g.menu.SIDOU ? 1 : 0) << "round " << round;
    const std::vector<std::string> music_started{"dsPlayLooping 6"};
    ASSERT_EQ(t.fakes.sound.calls, g.menu.BGM ? music_started : std::vector<std::string>{});

    if (round % 4 != 0) continue;  // writing files is slower; every fourth round is enough
    write_settings(g);
    testing::TestGame again;
    again.game.working_directory = folder.path();
    読込_環境設定ファイル(again.game);
    ASSERT_TRUE(same_marks(again.game.menu, g.menu)) << "round " << round;
  }
}

}  // namespace
}  // namespace velmora
