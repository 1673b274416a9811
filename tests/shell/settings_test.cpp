#include "shell/settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <optional>

#include "com/levels.h"
#include "fakes/fake_ports.h"
#include "record/temp_folder.h"
#include "setup/new_game.h"
#include "text/shift_jis.h"
#include "view/system_reasons.h"

namespace velmora {
namespace {

using testing::DrawOp;
using testing::TempFolder;

constexpr int SND_BGM = 6;

class Settings : public ::testing::Test {
 protected:
  Settings() {
    g().working_directory = folder.path();
    g().sound = SoundHandles{100, 1, 2, 3, 4, 5, SND_BGM};
  }
  Game& g() { return t.game; }
  void write_ini(const std::string& utf8) { folder.write("Velmora.ini", utf8_to_shift_jis(utf8)); }
  std::string ini() { return shift_jis_to_utf8(folder.read("Velmora.ini")); }
  void remove_ini() { std::filesystem::remove(folder.file("Velmora.ini")); }
  const std::vector<std::string>& sound_calls() { return t.fakes.sound.calls; }
  int count_sound(const std::string& call) {
    return static_cast<int>(std::count(sound_calls().begin(), sound_calls().end(), call));
  }
  bool picture_pasted(int picture) {
    for (const DrawOp& op : t.fakes.screen.ops_of(DrawOp::Picture))
      if (op.picture == picture) return true;
    return false;
  }
  std::vector<bool> backgrounds() {
    const MenuChecks& m = g().menu;
    return {m.MIDORI, m.TATAMI, m.TAKE, m.UCHU, m.RENGA};
  }

  TempFolder folder;
  testing::TestGame t;
};

using Marks = std::vector<bool>;
const Marks ONLY_MIDORI{true, false, false, false, false};
const Marks ONLY_TATAMI{false, true, false, false, false};

// ---- reading ----

TEST_F(Settings, FirstRunWritesAndAppliesTheStartingSettings) {
  読込_環境設定ファイル(g());
  EXPECT_EQ(folder.read("Velmora.ini"),
            utf8_to_shift_jis("背景画=畳\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n主戦=日本\r\n"));
  EXPECT_EQ(backgrounds(), ONLY_TATAMI);
  EXPECT_EQ(g().view.current_background, PICTURE_TATAMI);
  EXPECT_TRUE(picture_pasted(PICTURE_TATAMI));
  EXPECT_FALSE(g().menu.SIDOU);
  EXPECT_EQ(g().view.guidance_on, 0);
  EXPECT_TRUE(g().menu.KEIKA);
  EXPECT_FALSE(g().menu.CHESS_MOCHIKOMA);
  EXPECT_TRUE(g().menu.BGM);
  EXPECT_EQ(count_sound("dsPlayLooping 6"), 1);  // BGM checked means music, from the first run on
  EXPECT_TRUE(g().menu.NIPPON);
  EXPECT_FALSE(g().menu.KANKOKU);
  初期設定(g());
  EXPECT_EQ(g().pos.board(5, 9), -OU);
  EXPECT_EQ(g().pos.board(8, 8), -KAKU);
}

TEST_F(Settings, KoreaChosenInTheFileGivesTheKoreanLineUpAndIsWrittenBack) {
  write_ini("主戦=韓国\r\n");
  読込_環境設定ファイル(g());
  EXPECT_FALSE(g().menu.NIPPON);
  EXPECT_TRUE(g().menu.KANKOKU);
  初期設定(g());
  EXPECT_EQ(g().pos.board(5, 9), -SYOU);
  EXPECT_EQ(g().pos.board(2, 8), -SYA);
  write_settings(g());
  EXPECT_NE(ini().find("主戦=韓国\r\n"), std::string::npos);
}

TEST_F(Settings, MusicStartsOnlyForAnExactOn) {
  write_ini("BGM=on\r\n");
  読込_環境設定ファイル(g());
  EXPECT_FALSE(g().menu.BGM);
  EXPECT_EQ(count_sound("dsPlayLooping 6"), 0);

  testing::TestGame other;
  other.game.working_directory = folder.path();
  other.game.sound.snd_bgm = SND_BGM;
  write_ini("BGM=ON\r\n");
  読込_環境設定ファイル(other.game);
  EXPECT_TRUE(other.game.menu.BGM);
  EXPECT_EQ(other.fakes.sound.calls, std::vector<std::string>{"dsPlayLooping 6"});
}

TEST_F(Settings, MusicSwitchedOnAndOffAgainInTheFileStaysSilent) {
  write_ini("BGM=ON\r\nBGM=OFF\r\n");
  読込_環境設定ファイル(g());
  EXPECT_FALSE(g().menu.BGM);
  EXPECT_EQ(count_sound("dsPlayLooping 6"), 0);
}

TEST_F(Settings, AfterReadingEveryMarkIsTheStateItStandsFor) {
  // Lines that leave a mark in its state from when the window opened.
  for (const std::string text :
       {"背景画=花\r\n", "移動指導=OFF\r\n", "BGM=OFF\r\n", "BGM=ON\r\n", "", "BGM=ON\r\nBGM=OFF\r\n"}) {
    testing::TestGame fresh;
    fresh.game.working_directory = folder.path();
    fresh.game.sound.snd_bgm = SND_BGM;
    write_ini(text);
    読込_環境設定ファイル(fresh.game);
    const Game& g = fresh.game;
    EXPECT_TRUE(g.menu.TATAMI) << text;
    EXPECT_EQ(g.view.current_background, PICTURE_TATAMI) << text;
    EXPECT_EQ(g.view.guidance_on, g.menu.SIDOU ? 1 : 0) << text;
    EXPECT_EQ(g.view.guidance_colour, g.menu.SIDOU ? PaletteColour::White : g.view.frame_colour) << text;
    const std::vector<std::string> music{"dsPlayLooping 6"};
    EXPECT_EQ(fresh.fakes.sound.calls, g.menu.BGM ? music : std::vector<std::string>{}) << text;
  }
}

TEST_F(Settings, EveryBackgroundNameHasItsPicture) {
  const std::pair<const char*, int> names[] = {{"緑", PICTURE_MIDORI},
                                               {"畳", PICTURE_TATAMI},
                                               {"竹", PICTURE_TAKE},
                                               {"宇宙", PICTURE_UCHU},
                                               {"煉瓦", PICTURE_RENGA}};
  for (const auto& [name, picture] : names) {
    testing::TestGame fresh;
    fresh.game.working_directory = folder.path();
    write_ini(std::string("背景画=") + name + "\r\n");
    読込_環境設定ファイル(fresh.game);
    EXPECT_EQ(fresh.game.view.current_background, picture) << name;
    const MenuChecks& m = fresh.game.menu;
    EXPECT_EQ(m.MIDORI + m.TATAMI + m.TAKE + m.UCHU + m.RENGA, 1) << name;
  }
}

TEST_F(Settings, KeysAndValuesAreComparedExactlyAndOddLinesAreSkipped) {
  write_ini(
      "bgm=ON\r\n"
      " 経過時間=OFF\r\n"
      "ひとりごと\r\n"
      "\r\n"
      "チェス側持駒OK=ON\r\n"
      "経過時間=ON=1\r\n"
      "移動指導=ON");  // the last line has no line end
  g().menu.KEIKA = true;
  読込_環境設定ファイル(g());
  EXPECT_FALSE(g().menu.BGM);
  EXPECT_FALSE(g().menu.KEIKA);  // its value is "ON=1"
  EXPECT_TRUE(g().menu.CHESS_MOCHIKOMA);
  EXPECT_TRUE(g().menu.SIDOU);
  EXPECT_EQ(g().view.guidance_on, 1);
  EXPECT_EQ(g().view.guidance_colour, PaletteColour::White);
}

TEST_F(Settings, LaterLinesWinAndOnlyCheckMarksChangeForTheClock) {
  write_ini("経過時間=ON\n背景画=竹\n経過時間=OFF\n背景画=宇宙\n移動指導=ON\n移動指導=OFF\n");
  g().clock.timer1_enabled = true;
  読込_環境設定ファイル(g());
  EXPECT_FALSE(g().menu.KEIKA);
  EXPECT_TRUE(g().clock.timer1_enabled);
  EXPECT_EQ(g().view.current_background, PICTURE_UCHU);
  EXPECT_TRUE(g().menu.UCHU);
  EXPECT_FALSE(g().menu.TAKE);
  EXPECT_FALSE(g().menu.SIDOU);
  EXPECT_EQ(g().view.guidance_on, 0);
  EXPECT_EQ(g().view.guidance_colour, g().view.frame_colour);
}

TEST_F(Settings, ExactlyOneNationIsCheckedAfterReading) {
  // Both nations named: the Korean line-up is used (日本 is unchecked), and
  // its menu item stays checked so the army can be switched again.
  write_ini("主戦=日本\r\n主戦=韓国\r\n");
  読込_環境設定ファイル(g());
  EXPECT_FALSE(g().menu.NIPPON);
  EXPECT_TRUE(g().menu.KANKOKU);

  // No nation named: the Japanese line-up, and only 日本 checked.
  testing::TestGame other;
  other.game.working_directory = folder.path();
  write_ini("BGM=OFF\r\n");
  読込_環境設定ファイル(other.game);
  EXPECT_TRUE(other.game.menu.NIPPON);
  EXPECT_FALSE(other.game.menu.KANKOKU);
  option_click(other.game, MenuItem::KANKOKU);
  EXPECT_TRUE(other.game.menu.KANKOKU);
}

// ---- writing ----

TEST_F(Settings, WritingGivesOneLinePerOptionInShiftJisWithCrLf) {
  select_background_menu(g(), PICTURE_RENGA);
  g().menu.SIDOU = false;
  g().menu.KEIKA = true;
  g().menu.CHESS_MOCHIKOMA = true;
  g().menu.BGM = false;
  g().menu.NIPPON = false;
  write_settings(g());
  EXPECT_EQ(
      folder.read("Velmora.ini"),
      utf8_to_shift_jis("背景画=煉瓦\r\n移動指導=OFF\r\n経過時間=ON\r\nチェス側持駒OK=ON\r\nBGM=OFF\r\n主戦=韓国\r\n"));
  EXPECT_EQ(folder.entry_count(), 1);
}

TEST_F(Settings, TheFirstCheckedBackgroundIsWrittenAndNoneGivesNoLine) {
  g().menu.TATAMI = true;
  g().menu.TAKE = true;  // 竹 is looked at before 畳
  write_settings(g());
  EXPECT_EQ(ini().substr(0, ini().find("\r\n")), "背景画=竹");
  select_background_menu(g(), 99);
  EXPECT_EQ(backgrounds(), Marks(5, false));
  write_settings(g());
  EXPECT_EQ(ini().substr(0, ini().find("\r\n")), "移動指導=ON");
}

// Each way a write can fail, with the reason the report gives; the
// read-only folder only where the tests do not run as the super-user, who
// may write anywhere.
struct WriteFailure {
  std::string cause;
  std::errc reason;
};
std::vector<WriteFailure> write_failures() {
  std::vector<WriteFailure> failures{{"missing folder", std::errc::no_such_file_or_directory},
                                     {"full disk", std::errc::file_too_large}};
  if (geteuid() != 0) failures.push_back({"read-only folder", std::errc::permission_denied});
  return failures;
}

TEST_F(Settings, AFailedWriteKeepsEveryClickAndIsReportedOncePerRun) {
  namespace fs = std::filesystem;
  for (const auto& [cause, reason] : write_failures()) {
    testing::TestGame fresh;
    Game& game = fresh.game;
    game.working_directory = cause == "missing folder" ? folder.file("無いフォルダ") : folder.path();
    game.sound.snd_bgm = SND_BGM;
    game.menu.KANKOKU = false;
    初期設定(game);
    if (cause == "read-only folder") fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    {
      std::optional<testing::FileSizeLimit> full;
      if (cause == "full disk") full.emplace(4);
      for (MenuItem item :
           {MenuItem::CHESS_MOCHIKOMA, MenuItem::BGM, MenuItem::KANKOKU, MenuItem::UCHU, MenuItem::SIDOU})
        option_click(game, item);
    }
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_TRUE(game.menu.CHESS_MOCHIKOMA) << cause;
    EXPECT_TRUE(game.menu.BGM) << cause;
    EXPECT_EQ(fresh.fakes.sound.calls, std::vector<std::string>{"dsPlayLooping 6"}) << cause;
    EXPECT_TRUE(game.menu.KANKOKU && !game.menu.NIPPON) << cause;
    EXPECT_EQ(game.pos.board(5, 9), -SYOU) << cause;
    EXPECT_EQ(game.pos.board(2, 8), -SYA) << cause;  // the whole Korean line-up
    EXPECT_TRUE(game.menu.UCHU && !game.menu.MIDORI && !game.menu.TATAMI) << cause;
    EXPECT_EQ(game.view.current_background, PICTURE_UCHU) << cause;
    EXPECT_FALSE(game.menu.SIDOU) << cause;
    EXPECT_FALSE(folder.exists("Velmora.ini")) << cause;
    ASSERT_EQ(fresh.fakes.dialogs.boxes.size(), 1u) << cause;
    const testing::ShownBox& box = fresh.fakes.dialogs.boxes[0];
    EXPECT_NE(box.text.find(game.working_directory + "/Velmora.ini"), std::string::npos) << box.text;
    EXPECT_NE(box.text.find(reason_text(std::make_error_code(reason))), std::string::npos) << box.text;
    EXPECT_EQ(box.icon, Icon::Exclamation);
  }
}

TEST_F(Settings, AFailedWriteKeepsTheEarlierFile) {
  write_ini("BGM=ON\r\n");
  {
    const testing::FileSizeLimit limit(4);
    option_click(g(), MenuItem::KEIKA);
  }
  EXPECT_EQ(ini(), "BGM=ON\r\n");
  EXPECT_EQ(folder.entry_count(), 1);
}

// ---- option clicks ----

TEST_F(Settings, ChoosingABackgroundChecksItWritesAndRedraws) {
  option_click(g(), MenuItem::UCHU);
  EXPECT_TRUE(g().menu.UCHU);
  EXPECT_FALSE(g().menu.TATAMI);
  EXPECT_EQ(g().view.current_background, PICTURE_UCHU);
  EXPECT_EQ(ini().substr(0, ini().find("\r\n")), "背景画=宇宙");
  EXPECT_TRUE(picture_pasted(PICTURE_UCHU));
}

TEST_F(Settings, ClickingTheCheckedBackgroundStillWritesAndRedraws) {
  option_click(g(), MenuItem::TATAMI);
  EXPECT_EQ(g().view.current_background, 0);  // not chosen anew
  EXPECT_EQ(ini().substr(0, ini().find("\r\n")), "背景画=畳");
  EXPECT_FALSE(t.fakes.screen.ops.empty());
}

TEST_F(Settings, GuidanceOffReframesEverySquareAndOnUsesWhite) {
  g().view.guidance_on = 1;
  option_click(g(), MenuItem::SIDOU);
  EXPECT_FALSE(g().menu.SIDOU);
  EXPECT_EQ(g().view.guidance_on, 0);
  EXPECT_EQ(g().view.guidance_colour, g().view.frame_colour);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const auto outline = t.fakes.screen.last_outline_at_cell(x, y);
      ASSERT_TRUE(outline.has_value());
      EXPECT_EQ(outline->colour, g().view.frame_colour);
    }
  EXPECT_NE(ini().find("移動指導=OFF"), std::string::npos);
  option_click(g(), MenuItem::SIDOU);
  EXPECT_TRUE(g().menu.SIDOU);
  EXPECT_EQ(g().view.guidance_on, 1);
  EXPECT_EQ(g().view.guidance_colour, PaletteColour::White);
  EXPECT_NE(ini().find("移動指導=ON"), std::string::npos);
}

TEST_F(Settings, ClocksOnShowBothTotalsAndOffRemovesThem) {
  g().clock.clock_own_total = 3725;
  g().clock.clock_enemy_total = 7;
  option_click(g(), MenuItem::KEIKA);
  EXPECT_TRUE(g().menu.KEIKA);
  EXPECT_TRUE(g().clock.timer1_enabled);
  const auto texts = t.fakes.screen.texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "01:02:05"), 2);  // shadow and text
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "00:00:07"), 2);
  EXPECT_NE(ini().find("経過時間=ON"), std::string::npos);

  t.fakes.screen.clear();
  option_click(g(), MenuItem::KEIKA);
  EXPECT_FALSE(g().menu.KEIKA);
  EXPECT_FALSE(g().clock.timer1_enabled);
  EXPECT_TRUE(t.fakes.screen.texts().empty());
  EXPECT_EQ(t.fakes.screen.ops_of(DrawOp::Picture).size(), 6u);  // three cells under each hand
  EXPECT_NE(ini().find("経過時間=OFF"), std::string::npos);
}

TEST_F(Settings, ChessDropsToggleWritesAndRedraws) {
  option_click(g(), MenuItem::CHESS_MOCHIKOMA);
  EXPECT_TRUE(g().menu.CHESS_MOCHIKOMA);
  EXPECT_NE(ini().find("チェス側持駒OK=ON"), std::string::npos);
  EXPECT_FALSE(t.fakes.screen.ops.empty());
  option_click(g(), MenuItem::CHESS_MOCHIKOMA);
  EXPECT_NE(ini().find("チェス側持駒OK=OFF"), std::string::npos);
}

TEST_F(Settings, MusicClickStartsAndStopsTheLoop) {
  option_click(g(), MenuItem::BGM);
  EXPECT_TRUE(g().menu.BGM);
  EXPECT_NE(ini().find("BGM=ON"), std::string::npos);
  option_click(g(), MenuItem::BGM);
  EXPECT_FALSE(g().menu.BGM);
  EXPECT_NE(ini().find("BGM=OFF"), std::string::npos);
  EXPECT_EQ(sound_calls(), (std::vector<std::string>{"dsPlayLooping 6", "dsStop 6"}));
}

TEST_F(Settings, ClickingTheCheckedNationDoesNothingAtAll) {
  g().menu.KANKOKU = false;
  初期設定(g());
  const Board board = g().pos.board;
  t.fakes.screen.clear();
  option_click(g(), MenuItem::NIPPON);
  EXPECT_FALSE(folder.exists("Velmora.ini"));
  EXPECT_EQ(g().pos.board, board);
  EXPECT_TRUE(t.fakes.screen.ops.empty());
}

TEST_F(Settings, SwitchingNationWritesAndConvertsTheArmyOnTheBoard) {
  g().menu.KANKOKU = false;
  初期設定(g());
  option_click(g(), MenuItem::KANKOKU);
  EXPECT_TRUE(g().menu.KANKOKU);
  EXPECT_FALSE(g().menu.NIPPON);
  EXPECT_NE(ini().find("主戦=韓国"), std::string::npos);
  EXPECT_EQ(g().pos.board(5, 9), -SYOU);
  option_click(g(), MenuItem::NIPPON);
  EXPECT_TRUE(g().menu.NIPPON);
  EXPECT_FALSE(g().menu.KANKOKU);
  EXPECT_NE(ini().find("主戦=日本"), std::string::npos);
  EXPECT_EQ(g().pos.board(5, 9), -OU);
}

TEST_F(Settings, AfterASwitchTheHandicapLadderPutsBackThePieceOfTheChosenNation) {
  g().menu.KANKOKU = false;
  初期設定(g());
  option_click(g(), MenuItem::KANKOKU);
  ASSERT_EQ(g().pos.board(2, 8), -SYA);
  EXPECT_EQ(g().pos.history.slot(0).board, g().pos.board);
  handicap_click(g(), false);  // takes the piece on (2, 8)
  ASSERT_EQ(g().pos.board(2, 8), EMPTY);
  handicap_click(g(), true);  // and puts back the starting position's piece
  EXPECT_EQ(g().pos.board(2, 8), -SYA);
}

TEST_F(Settings, OpeningTheOptionMenuClosesTheRecordPanelAndWritesNothing) {
  option_click(g(), MenuItem::OPTION);
  EXPECT_EQ(t.fakes.dialogs.calls,
            (std::vector<std::string>{"set_record_lists_visible 000", "set_record_fields_visible 0"}));
  EXPECT_FALSE(folder.exists("Velmora.ini"));
}

}  // namespace
}  // namespace velmora
