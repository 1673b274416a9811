// The menu bar: its items and check marks, and where each command goes.
#include "shell/menu.h"

#include <set>

#include "match_fixture.h"

namespace velmora {
namespace {

using testing::MatchTest;
using M = MenuItem;

std::vector<std::string> names_under(MenuItem parent) {
  std::vector<std::string> out;
  for (const MenuEntry& e : menu_entries())
    if (e.parent == parent) out.push_back(e.name);
  return out;
}

TEST(MenuBar, EntriesFromLeftToRight) {
  EXPECT_EQ(names_under(M::NONE), (std::vector<std::string>{"TAIKYOKU", "STOP", "REPLAY", "AFTER", "LBEL_UP",
                                                            "LEBEL_DOWN", "KIFU", "OPTION", "VER"}));
  EXPECT_EQ(names_under(M::TAIKYOKU), (std::vector<std::string>{"MATCH_MAN", "START2", "LEVEL", "OWARI"}));
  EXPECT_EQ(names_under(M::LEVEL), (std::vector<std::string>{"LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4"}));
  EXPECT_EQ(names_under(M::STOP), (std::vector<std::string>{"CANCEL", "REVERSE"}));
  EXPECT_EQ(names_under(M::KIFU), (std::vector<std::string>{"KIFU_READ", "KIFU_WRITE"}));
  EXPECT_EQ(names_under(M::OPTION),
            (std::vector<std::string>{"HAIKEI_GA", "SIDOU", "KEIKA", "CHESS_MOCHIKOMA", "BGM", "SYUSEN"}));
  EXPECT_EQ(names_under(M::HAIKEI_GA), (std::vector<std::string>{"MIDORI", "TATAMI", "TAKE", "UCHU", "RENGA"}));
  EXPECT_EQ(names_under(M::SYUSEN), (std::vector<std::string>{"NIPPON", "KANKOKU"}));
}

TEST(MenuBar, EveryItemOnceEachParentBeforeItsItems) {
  std::set<MenuItem> seen;
  for (const MenuEntry& e : menu_entries()) {
    EXPECT_TRUE(e.parent == M::NONE || seen.count(e.parent)) << e.name;
    EXPECT_TRUE(seen.insert(e.item).second) << e.name;
  }
  EXPECT_EQ(seen.size(), static_cast<size_t>(M::NONE));
}

TEST(MenuBar, OnlyOptionsAndLevelsCarryCheckMarks) {
  std::vector<std::string> checkable;
  for (const MenuEntry& e : menu_entries())
    if (e.checkable) checkable.push_back(e.name);
  EXPECT_EQ(checkable,
            (std::vector<std::string>{"LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4", "MIDORI", "TATAMI", "TAKE", "UCHU",
                                      "RENGA", "SIDOU", "KEIKA", "CHESS_MOCHIKOMA", "BGM", "NIPPON", "KANKOKU"}));
}

class MenuCommands : public MatchTest {
 protected:
  std::vector<std::string> checked() const {
    std::vector<std::string> out;
    for (const MenuEntry& e : menu_entries())
      if (menu_checked(g, e.item)) out.push_back(e.name);
    return out;
  }
};

TEST_F(MenuCommands, CheckMarksFollowTheOptionState) {
  // As the first run leaves them, without a settings file.
  EXPECT_EQ(checked(), (std::vector<std::string>{"LEVEL3", "TATAMI", "KEIKA", "BGM", "NIPPON"}));
  on_menu(g, M::LEVEL1);
  on_menu(g, M::RENGA);
  on_menu(g, M::SIDOU);
  on_menu(g, M::KEIKA);
  on_menu(g, M::CHESS_MOCHIKOMA);
  on_menu(g, M::BGM);
  on_menu(g, M::KANKOKU);
  EXPECT_EQ(checked(), (std::vector<std::string>{"LEVEL1", "RENGA", "SIDOU", "CHESS_MOCHIKOMA", "KANKOKU"}));
  EXPECT_EQ(g.com.com_level, 1);
  EXPECT_EQ(g.view.guidance_on, 1);
  EXPECT_EQ(g.pos.board(5, 9), -SYOU);
}

TEST_F(MenuCommands, MenusThatOnlyOpenDoNothing) {
  for (MenuItem m : {M::LEVEL, M::KIFU, M::HAIKEI_GA, M::SYUSEN}) on_menu(g, m);
  EXPECT_TRUE(t.fakes.screen.ops.empty());
  EXPECT_TRUE(t.fakes.dialogs.calls.empty());
  EXPECT_TRUE(t.fakes.sound.calls.empty());
  EXPECT_TRUE(box_texts().empty());
}

TEST_F(MenuCommands, RecordAndShellCommandsReachTheirHandlers) {
  on_menu(g, M::KIFU_READ);
  EXPECT_TRUE(dialog_called("set_record_lists_visible 111"));
  on_menu(g, M::KIFU_WRITE);
  EXPECT_TRUE(dialog_called("set_record_lists_visible 110"));
  clear_logs();
  on_menu(g, M::OPTION);
  EXPECT_TRUE(dialog_called("set_record_lists_visible 000"));
  on_menu(g, M::VER);
  EXPECT_TRUE(dialog_called("about_box"));
}

TEST_F(MenuCommands, ReplayCommandsReachTheirHandlers) {
  on_menu(g, M::AFTER);
  EXPECT_EQ(box_texts(), std::vector<std::string>{"「対局」で始めて下さい"});
  clear_logs();
  on_menu(g, M::REPLAY);
  EXPECT_EQ(box_texts(), std::vector<std::string>{"できません"});
  EXPECT_EQ(last_box_title(), "戻る");
  on_menu(g, M::REVERSE);
  EXPECT_EQ(g.pos.board(5, 1), +OU);
  on_menu(g, M::CANCEL);
  EXPECT_EQ(g.pos.board(5, 9), -OU);
  EXPECT_EQ(g.board_flipped, 0);
}

TEST_F(MenuCommands, HandicapCommandsReachTheLadder) {
  on_menu(g, M::LBEL_UP);
  EXPECT_EQ(g.com.handicap_set, 1);
  const int up = g.com.handicap_grade;
  EXPECT_NE(up, 0);
  on_menu(g, M::LEBEL_DOWN);
  on_menu(g, M::LEBEL_DOWN);
  EXPECT_EQ(g.com.handicap_grade, -up);
}

TEST_F(MenuCommands, TheTimerTicksTheShownClock) {
  on_menu(g, M::MATCH_MAN);
  ASSERT_TRUE(g.clock.timer1_enabled);
  clear_logs();
  t.fakes.clock.now += 3.5;
  on_timer(g);
  EXPECT_DOUBLE_EQ(g.clock.turn_elapsed, 3.5);
  EXPECT_FALSE(t.fakes.screen.texts().empty());
}

TEST_F(MenuCommands, TheRecordPanelSavesAndLoads) {
  on_menu(g, M::MATCH_MAN);
  move(2, 7, 2, 6);
  t.fakes.dialogs.folder = dir.string();
  t.fakes.dialogs.fields = RecordFields{"match", "title", "first", "second"};
  on_record_save_clicked(g);
  std::string saved;
  for (const auto& f : std::filesystem::directory_iterator(dir))
    if (f.path().extension() == ".棋譜") saved = f.path().filename().string();
  ASSERT_FALSE(saved.empty());
  on_record_file_clicked(g, dir.string(), saved);
  EXPECT_EQ(g.record_mode, 1);
}

}  // namespace
}  // namespace velmora
