// The menu bar is built from the game's menu table and mirrors its check marks.
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolButton>

#include "com/ladder_rungs.h"
#include "shell/menu.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

QStringList captions(const QList<QAction*>& actions) {
  QStringList texts;
  for (const QAction* action : actions) {
    if (!action->isSeparator()) texts << action->text();
  }
  return texts;
}

QStringList entry_captions(MenuItem parent) {
  QStringList texts;
  for (const MenuEntry& entry : menu_entries()) {
    if (entry.parent == parent) texts << QString::fromUtf8(entry.caption);
  }
  // The rungs of the ladder follow LEVEL4 in the level menu.
  if (parent == MenuItem::LEVEL)
    for (const char* caption : LADDER_CAPTIONS) texts << QString::fromUtf8(caption);
  return texts;
}

using MenuBarTest = WindowTest;

// The bar is made while no plugin folder is searched: its extension button
// still has the style's icon, and the folders are searched again afterwards.
TEST_F(MenuBarTest, ExtensionButtonHasTheStylesIconAndThePluginFoldersComeBack) {
  QMenuBar* bar = window->menuBar();
  const auto* button = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
  ASSERT_NE(button, nullptr);
  const QIcon style_icon = bar->style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, bar);
  ASSERT_FALSE(button->icon().isNull());
  for (const int size : {16, 32}) EXPECT_EQ(button->icon().pixmap(size).toImage(), style_icon.pixmap(size).toImage());
  EXPECT_FALSE(QCoreApplication::libraryPaths().isEmpty());
}

TEST_F(MenuBarTest, BarHoldsTheMenusAndTheFiveCommandsInOrder) {
  const QStringList bar = captions(window->menuBar()->actions());
  EXPECT_EQ(bar, QStringList({"対局", "局面", "戻", "進", "△", "▽", "棋譜", "ｵﾌﾟｼｮﾝ", "バージョン情報", "表示"}));
  for (MenuItem command : {MenuItem::REPLAY, MenuItem::AFTER, MenuItem::LBEL_UP, MenuItem::LEBEL_DOWN, MenuItem::VER}) {
    EXPECT_EQ(window->action(command)->menu(), nullptr) << "a command, not a menu";
  }
}

TEST_F(MenuBarTest, EveryMenuHoldsItsItemsWithTheirCaptions) {
  for (const MenuEntry& entry : menu_entries()) {
    QMenu* menu = window->action(entry.item)->menu();
    if (menu == nullptr) continue;
    EXPECT_EQ(captions(menu->actions()), entry_captions(entry.item)) << entry.name;
  }
  EXPECT_EQ(captions(window->action(MenuItem::TAIKYOKU)->menu()->actions()),
            QStringList({"対局(人間)", "対局(COM)", "COM対局ﾚﾍﾞﾙ", "終わり"}));
  EXPECT_EQ(captions(window->action(MenuItem::HAIKEI_GA)->menu()->actions()),
            QStringList({"緑", "畳", "竹", "宇宙", "煉瓦"}));
}

TEST_F(MenuBarTest, CheckMarksFollowTheGameAfterEveryChoice) {
  const auto expect_mirrored = [&] {
    for (const MenuEntry& entry : menu_entries()) {
      const QAction* action = window->action(entry.item);
      EXPECT_EQ(action->isCheckable(), entry.checkable) << entry.name;
      EXPECT_EQ(action->isChecked(), menu_checked(*game, entry.item)) << entry.name;
    }
  };
  expect_mirrored();
  EXPECT_TRUE(window->action(MenuItem::LEVEL3)->isChecked()) << "the level set at start-up";

  const bool guidance = window->action(MenuItem::SIDOU)->isChecked();
  choose(MenuItem::SIDOU);
  EXPECT_NE(window->action(MenuItem::SIDOU)->isChecked(), guidance);
  expect_mirrored();

  choose(MenuItem::LEVEL1);
  EXPECT_TRUE(window->action(MenuItem::LEVEL1)->isChecked());
  EXPECT_FALSE(window->action(MenuItem::LEVEL3)->isChecked());
  expect_mirrored();

  choose(MenuItem::RENGA);
  EXPECT_TRUE(window->action(MenuItem::RENGA)->isChecked());
  expect_mirrored();
}

// A rung chosen takes LEVEL4's check mark, and LEVEL4 takes it back.
TEST_F(MenuBarTest, TheRungsOfTheLadderFollowTheGameBesideLevel4) {
  QMenu* levels = window->action(MenuItem::LEVEL)->menu();
  QAction* rung = levels->findChild<QAction*>(QStringLiteral("LADDER2"));
  ASSERT_NE(rung, nullptr);
  rung->trigger();
  EXPECT_TRUE(rung->isChecked());
  EXPECT_FALSE(window->action(MenuItem::LEVEL4)->isChecked());
  EXPECT_EQ(game->com.ladder_rung, 2);
  choose(MenuItem::LEVEL4);
  EXPECT_FALSE(rung->isChecked());
  EXPECT_TRUE(window->action(MenuItem::LEVEL4)->isChecked());
}

TEST_F(MenuBarTest, OpeningTheMatchMenuClosesTheRecordPanel) {
  choose(MenuItem::KIFU_READ);
  ASSERT_TRUE(window->record_panel().file_list()->isVisibleTo(window));
  QMenu* match_menu = window->action(MenuItem::TAIKYOKU)->menu();
  match_menu->popup(window->mapToGlobal(QPoint(0, 0)));
  match_menu->close();
  EXPECT_FALSE(window->record_panel().file_list()->isVisibleTo(window));
  EXPECT_FALSE(window->record_panel().drive_list()->isVisibleTo(window));
}

}  // namespace
}  // namespace velmora::platform::testing
