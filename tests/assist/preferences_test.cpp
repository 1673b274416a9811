// The preferences file of the menu 表示 and the loudness of the sound effects.
#include "assist/preferences.h"

#include "assist/effect_volume.h"
#include "match/match_fixture.h"

namespace velmora::testing {
namespace {

TEST(Preferences, TextSetsWhatItNamesAndPassesOverTheRest) {
  const struct {
    const char* text;
    bool shown;
    int volume;
    bool muted;
  } rows[] = {
      {"", false, 100, false},
      {"move_list=on\r\neffect_volume=35\r\neffects_muted=on\r\n", true, 35, true},
      {"effect_volume=101\nmove_list=yes\n", false, 100, false},
      {"effect_volume=-1\neffect_volume=4x\n", false, 100, false},
      {"effect_volume=0\nmove_list\nunknown=on", false, 0, false},
  };
  for (const auto& row : rows) {
    AssistState assist;
    parse_preferences(row.text, assist);
    EXPECT_EQ(assist.move_list_shown, row.shown) << row.text;
    EXPECT_EQ(assist.effect_volume, row.volume) << row.text;
    EXPECT_EQ(assist.effects_muted, row.muted) << row.text;
    AssistState again;
    parse_preferences(format_preferences(assist), again);
    EXPECT_EQ(format_preferences(again), format_preferences(assist)) << row.text;
  }
}

class EffectVolumeTest : public MatchTest {
 protected:
  std::vector<std::string> volume_calls() const {
    std::vector<std::string> out;
    for (const std::string& call : t.fakes.sound.calls)
      if (call.starts_with("dsSetVolume")) out.push_back(call);
    return out;
  }
  std::string file(const char* name) const {
    std::ifstream in(dir / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

TEST_F(EffectVolumeTest, SetsTheFiveEffectsAndRemembersItApartFromTheSettings) {
  const std::string settings = file("Velmora.ini");
  const SoundHandles& s = g.sound;

  set_effect_volume(g, 40);
  std::vector<std::string> expected;
  for (int buffer : {s.snd_other, s.snd_refuse, s.snd_piece, s.snd_chess, s.snd_vanish})
    expected.push_back("dsSetVolume " + std::to_string(buffer) + " 40");
  EXPECT_EQ(volume_calls(), expected);  // the music keeps its loudness

  clear_logs();
  set_effects_muted(g, true);
  EXPECT_EQ(volume_calls().size(), 5u);
  EXPECT_EQ(volume_calls().front(), "dsSetVolume " + std::to_string(s.snd_other) + " 0");

  EXPECT_EQ(file("Velmora.ini"), settings);
  AssistState read_back;
  parse_preferences(file(PREFERENCES_FILE_NAME), read_back);
  EXPECT_EQ(read_back.effect_volume, 40);
  EXPECT_TRUE(read_back.effects_muted);

  g.assist = AssistState{};
  read_preferences(g);
  EXPECT_EQ(effective_effect_volume(g.assist), 0);
  set_effects_muted(g, false);
  EXPECT_EQ(effective_effect_volume(g.assist), 40);
}

TEST_F(EffectVolumeTest, AFailedWriteIsToldOnce) {
  std::filesystem::create_directory(dir / PREFERENCES_FILE_NAME);  // a folder where the file belongs
  set_effect_volume(g, 10);
  set_effect_volume(g, 20);
  ASSERT_EQ(box_texts().size(), 1u);
  EXPECT_EQ(last_box_title(), "表示");
  EXPECT_EQ(g.assist.effect_volume, 20);
}

}  // namespace
}  // namespace velmora::testing
