// The preferences file of the menu 表示 and the loudness of the sound effects.
#include "assist/preferences.h"

#include "assist/effect_volume.h"
#include "com/ladder_rungs.h"
#include "match/match_fixture.h"

namespace velmora::testing {
namespace {

TEST(Preferences, TextSetsWhatItNamesAndPassesOverTheRest) {
  const struct {
    const char* text;
    bool shown;
    int volume;
    bool muted;
    int level;
    const char* language;
  } rows[] = {
      {"move_list=on\r\neffect_volume=35\r\neffects_muted=on\r\nlevel=4\r\nlanguage=en\r\n", true, 35, true, 4, "en"},
      {"effect_volume=101\nmove_list=yes\neffect_volume=4x\nlevel=5\nlevel=03\nlanguage=fr\n", false, 100, false, 0,
       ""},
      {"effect_volume=0\nmove_list\nunknown=on\nlevel=0\nlanguage=en\nlanguage=ja", false, 0, false, 0, "ja"},
  };
  for (const auto& row : rows) {
    AssistState assist;
    parse_preferences(row.text, assist);
    EXPECT_EQ(assist.move_list_shown, row.shown) << row.text;
    EXPECT_EQ(assist.effect_volume, row.volume) << row.text;
    EXPECT_EQ(assist.effects_muted, row.muted) << row.text;
    EXPECT_EQ(assist.computer_level, row.level) << row.text;
    EXPECT_EQ(assist.language, row.language) << row.text;
    // What is kept is written back as read, and nothing when nothing was chosen.
    AssistState again;
    parse_preferences(format_preferences(assist), again);
    EXPECT_EQ(again.language, assist.language) << row.text;
    EXPECT_EQ(format_preferences(assist).find("language=") != std::string::npos, !assist.language.empty());
  }
}

using PreferencesTest = MatchTest;

TEST_F(PreferencesTest, TheChosenLevelIsCheckedAndPlayedAfterARestart) {
  const auto settings = std::filesystem::last_write_time(dir / "Velmora.ini");
  on_menu(g, MenuItem::LEVEL4);
  remember_level(g);
  TestGame restarted;
  restarted.game.working_directory = dir.string();
  on_window_load(restarted.game, 7);
  read_preferences(restarted.game);
  EXPECT_TRUE(restarted.game.menu.LEVEL4 && !restarted.game.menu.LEVEL3);
  EXPECT_EQ(restarted.game.com.com_level, 4);
  EXPECT_EQ(std::filesystem::last_write_time(dir / "Velmora.ini"), settings);
}

// A rung of the ladder beside LEVEL4 is kept with the level and played again
// after a restart; a level chosen after it leaves it.
TEST_F(PreferencesTest, TheChosenRungIsPlayedAgainAfterARestartUntilALevelIsChosen) {
  const auto settings = std::filesystem::last_write_time(dir / "Velmora.ini");
  const auto restarted_rung = [&] {
    TestGame restarted;
    restarted.game.working_directory = dir.string();
    on_window_load(restarted.game, 7);
    read_preferences(restarted.game);
    const std::optional<LadderRung> rung = playing_rung(restarted.game);
    return rung ? std::string(rung->name) : "level " + std::to_string(restarted.game.com.com_level);
  };
  ladder_click(g, 3);
  remember_level(g);
  EXPECT_EQ(restarted_rung(), LADDER_RUNGS[2].name);
  on_menu(g, MenuItem::LEVEL4);
  remember_level(g);
  EXPECT_EQ(restarted_rung(), "level 4");
  ladder_click(g, 1);
  remember_level(g);
  on_menu(g, MenuItem::LEVEL2);
  remember_level(g);
  EXPECT_EQ(restarted_rung(), "level 2");
  EXPECT_EQ(std::filesystem::last_write_time(dir / "Velmora.ini"), settings);
  AssistState assist;
  parse_preferences("level=4\nladder_rung=9\n", assist);
  EXPECT_EQ(assist.ladder_rung, 0) << "no such rung";
}

using EffectVolumeTest = MatchTest;
using ExportFolderTest = MatchTest;

// Each kind of export remembers its own folder in the preferences file, never
// in Velmora.ini; a folder that cannot stand on one line is not kept.
TEST_F(ExportFolderTest, EachKindRemembersItsFolderApartFromTheSettings) {
  const auto settings = std::filesystem::last_write_time(dir / "Velmora.ini");
  remember_export_folder(g, ExportKind::Picture, "/home/あ/画像");
  remember_export_folder(g, ExportKind::Text, "/home/あ/文書");
  remember_export_folder(g, ExportKind::Text, "/bad\nfolder");
  g.assist = AssistState{};
  read_preferences(g);
  EXPECT_EQ(export_folder(g.assist, ExportKind::Picture), "/home/あ/画像");
  EXPECT_EQ(export_folder(g.assist, ExportKind::Text), "/home/あ/文書");
  EXPECT_EQ(std::filesystem::last_write_time(dir / "Velmora.ini"), settings);
  EXPECT_TRUE(box_texts().empty());
}

TEST_F(EffectVolumeTest, SetsTheFiveEffectsAndRemembersItApartFromTheSettings) {
  const auto settings = std::filesystem::last_write_time(dir / "Velmora.ini");
  const SoundHandles& s = g.sound;
  set_effect_volume(g, 40);
  set_effects_muted(g, true);
  std::vector<std::string> expected;
  for (int percent : {40, 0})  // the music keeps its loudness
    for (int buffer : {s.snd_other, s.snd_refuse, s.snd_piece, s.snd_chess, s.snd_vanish})
      expected.push_back("dsSetVolume " + std::to_string(buffer) + " " + std::to_string(percent));
  EXPECT_EQ(t.fakes.sound.calls, expected);
  EXPECT_EQ(std::filesystem::last_write_time(dir / "Velmora.ini"), settings);

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
  EXPECT_EQ(box_texts().size(), 1u);
  EXPECT_EQ(g.assist.effect_volume, 20);
}

}  // namespace
}  // namespace velmora::testing
