// The menu 表示 and the keys: shortcuts reach the game's handlers, the move
// list panel follows the game and steps to a chosen move, the position is
// exported at the board's size into the folder its kind was last saved in,
// and 操作説明 tells every key.
#include "platform/view_menu.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <functional>

#include "assist/match_review.h"
#include "platform/board_picture.h"
#include "record/temp_folder.h"
#include "rules/pieces.h"
#include "setup/new_game.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

class ViewMenuTest : public WindowTest {
 protected:
  ViewMenu& view() { return desktop->view_menu(); }
  // Two people play three moves: pawns forward, then the chess pawn's double step.
  void play_three_moves() {
    choose(MenuItem::MATCH_MAN);
    for (const auto& [fx, fy, tx, ty] : {std::array{4, 7, 4, 6}, {4, 2, 4, 4}, {3, 7, 3, 6}}) {
      click_cell(fx, fy);
      click_cell(tx, ty);
    }
    ASSERT_EQ(game->pos.move_number, 3);
  }
  // The window is active again, as after a message box on a desktop, and the
  // key goes where the keyboard's focus is (the board, at first).
  void press(QKeyCombination keys) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QWidget* focus = window->focusWidget();
    QTest::keyClick(focus != nullptr ? focus : window, keys.key(), keys.keyboardModifiers());
  }
};

TEST_F(ViewMenuTest, KeysReachTheirHandlers) {
  play_three_moves();
  const struct {
    QKeyCombination keys;
    std::function<bool()> done;
  } rows[] = {
      {Qt::Key_Left, [&] { return game->pos.move_number == 2; }},
      {Qt::Key_Right, [&] { return game->pos.move_number == 3; }},
      {Qt::CTRL | Qt::Key_Z, [&] { return game->pos.move_number == 2 && game->resume_pending == 0; }},
      {Qt::CTRL | Qt::Key_Y, [&] { return game->pos.move_number == 3; }},
      {Qt::CTRL | Qt::Key_L, [&] { return view().dock().isVisible(); }},
      {Qt::CTRL | Qt::Key_F, [&] { return game->board_flipped == 1; }},
      // Home and End step to the ends of the move list; the match stays.
      {Qt::Key_Home,
       [&] { return game->pos.move_number == 0 && game->pos.turn != 0 && game->pos.history.record_length == 3; }},
      {Qt::Key_End, [&] { return game->pos.move_number == 3; }},
      {Qt::CTRL | Qt::Key_S, [&] { return window->record_panel().return_button()->isVisibleTo(window); }},
      {Qt::CTRL | Qt::Key_O, [&] { return window->record_panel().file_list()->isVisibleTo(window); }},
  };
  for (const auto& row : rows) {
    press(row.keys);
    EXPECT_TRUE(row.done()) << QKeySequence(row.keys).toString().toStdString();
  }
  bool about_shown = false;
  answerer->on_dialog = [&](QWidget* modal) {
    about_shown = true;
    modal->close();
  };
  press(Qt::Key_F1);
  EXPECT_TRUE(about_shown);
}

TEST_F(ViewMenuTest, MoveListFillsAndAClickShowsThatPosition) {
  EXPECT_FALSE(view().dock().isVisible());
  view().find("MOVE_LIST")->trigger();
  play_three_moves();
  QListWidget& list = view().dock().list();
  ASSERT_EQ(list.count(), 4);
  EXPECT_EQ(list.item(1)->text(), "  1 ６六 歩");
  EXPECT_EQ(list.currentRow(), 3);

  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, list.visualItemRect(list.item(1)).center());

  EXPECT_EQ(game->pos.move_number, 1);
  EXPECT_EQ(game->pos.board, game->pos.history.slot(1).board);
  EXPECT_EQ(list.currentRow(), 1);
}

// 対局解析 runs beside the window: while it runs the window paints and its
// progress shows; Cancel stops it and keeps nothing; left alone, the summary
// and the graph show, and a click on the graph goes to that move.
class ReviewWindowTest : public ViewMenuTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ReviewWindowTest, PaintsWhileItRunsAndCancelStopsIt) {
  const bool cancel = GetParam();
  view().find("MOVE_LIST")->trigger();
  play_three_moves();
  ReviewPanel& panel = view().dock().review_panel();
  int paints_meanwhile = 0;
  bool progress_shown = false;
  QTimer meanwhile;
  QObject::connect(&meanwhile, &QTimer::timeout, [&] {
    window->canvas().repaint();
    ++paints_meanwhile;
    progress_shown = progress_shown || panel.findChild<QProgressBar*>("REVIEW_PROGRESS")->isVisible();
    if (cancel) panel.cancel_button().click();
  });
  meanwhile.start(50);
  view().find("REVIEW")->trigger();
  meanwhile.stop();
  EXPECT_GT(paints_meanwhile, 0) << "the window painted while the review ran";
  EXPECT_TRUE(progress_shown);
  EXPECT_FALSE(panel.findChild<QProgressBar*>("REVIEW_PROGRESS")->isVisible());
  EXPECT_EQ(current_review(*game) != nullptr, !cancel);
  EXPECT_EQ(panel.graph().isVisible(), !cancel);
  EXPECT_FALSE(game->program_ended);
  if (cancel) return;
  EXPECT_TRUE(panel.findChild<QLabel*>("REVIEW_SUMMARY_MAIN")->text().startsWith(QStringLiteral("先手")));
  ReviewGraph& graph = panel.graph();
  QTest::mouseClick(&graph, Qt::LeftButton, Qt::NoModifier, QPoint(graph.width() / 3, graph.height() / 2));
  EXPECT_EQ(game->pos.move_number, 1);
  // The graph saved as PNG is the graph as it is drawn; a folder that is not
  // there is told as a failure.
  const velmora::testing::TempFolder folder;
  const QString path = QString::fromStdString(folder.file("graph.png"));
  ASSERT_TRUE(panel.save_graph(path));
  EXPECT_EQ(QImage(path).size(), graph.grab().toImage().size());
  EXPECT_FALSE(panel.save_graph(QString::fromStdString(folder.file("missing/graph.png"))));
}

INSTANTIATE_TEST_SUITE_P(CancelOrNot, ReviewWindowTest, ::testing::Bool());

// The person's winning move is listed while the result box is up.
TEST_F(ViewMenuTest, TheWinningMoveIsListedBeforeTheResultBox) {
  view().find("MOVE_LIST")->trigger();
  window->dispatch([](Game& g) {
    初期設定(g);
    g.pos.board.fill_squares(EMPTY);
    g.pos.board(5, 9) = -OU, g.pos.board(5, 2) = +KING, g.pos.board(5, 5) = -SYA;
    g.pos.history.slot(0).board = g.pos.board;
  });
  choose(MenuItem::START2);
  QListWidget& list = view().dock().list();
  QStringList listed_at_result;
  answerer->on_box = [&](QMessageBox* box) {
    if (box->text() != QStringLiteral("あなたの勝ちです")) return;
    for (int row = 0; row < list.count(); ++row) listed_at_result << list.item(row)->text();
  };
  click_cell(5, 5);
  click_cell(5, 2);
  EXPECT_EQ(listed_at_result, (QStringList{"開始局面", "  1 ５二 飛"}));
}

TEST_F(ViewMenuTest, AChosenLevelIsKeptBesideTheSettings) {
  choose(MenuItem::LEVEL2);
  QFile preferences(folder.filePath(QStringLiteral("velmora-view.ini")));
  ASSERT_TRUE(preferences.open(QIODevice::ReadOnly));
  EXPECT_TRUE(preferences.readAll().contains("level=2\n"));
}

TEST_F(ViewMenuTest, PictureHasTheBoardsSizeAtTwiceTheScreenPixels) {
  const QRect area = board_picture_twips();
  const QSize expected(area.width() * 2 / 15, area.height() * 2 / 15);
  EXPECT_EQ(board_picture(*game, desktop->screen()).size(), expected);
  const QString path = folder.filePath(QStringLiteral("局面.png"));
  ASSERT_TRUE(save_board_picture(*game, desktop->screen(), path));
  EXPECT_EQ(QImage(path).size(), expected);
}

// Qt's file dialog speaks Japanese; pictures start in the user's Pictures
// folder and texts in Documents, and each kind then starts where it was last
// saved, kept in velmora-view.ini and never in Velmora.ini.
TEST_F(ViewMenuTest, ExportsStartInPicturesOrDocumentsThenWhereTheirKindWasSaved) {
  ASSERT_TRUE(use_qt_translations()) << "Qt's translations are not installed";
  QTemporaryDir home;
  const QByteArray saved_home = qgetenv("HOME"), saved_config = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", home.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", home.filePath(".config").toUtf8());
  for (const char* name : {"Pictures", "Documents", "図面"}) ASSERT_TRUE(QDir(home.path()).mkdir(name));

  // Saves through the menu item into `into`; the folder the dialog opened in.
  const auto save = [&](const char* item, const QString& into) {
    QString opened;
    answerer->on_dialog = [&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      if (dialog == nullptr || !opened.isEmpty()) return;
      opened = dialog->directory().absolutePath();
      EXPECT_EQ(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text(), "キャンセル");
      EXPECT_NE(dialog->findChild<QLabel*>("lookInLabel")->text(), "Look in:");
      dialog->selectFile(QDir(into).filePath(QFileInfo(dialog->selectedFiles().value(0)).fileName()));
      static_cast<QDialog*>(dialog)->accept();  // as its Save button does
    };
    view().find(item)->trigger();
    return opened;
  };
  EXPECT_EQ(save("SAVE_PICTURE", home.filePath("図面")), home.filePath("Pictures"));
  EXPECT_TRUE(QFile::exists(home.filePath("図面/局面.png")));
  EXPECT_EQ(save("SAVE_TEXT", home.filePath("Documents")), home.filePath("Documents"));
  EXPECT_EQ(save("SAVE_PICTURE", home.filePath("Pictures")), home.filePath("図面"));

  QFile preferences(folder.filePath(QString::fromUtf8(PREFERENCES_FILE_NAME))),
      settings(folder.filePath("Velmora.ini"));
  ASSERT_TRUE(preferences.open(QIODevice::ReadOnly) && settings.open(QIODevice::ReadOnly));
  const QByteArray kept = preferences.readAll();
  EXPECT_TRUE(kept.contains(("picture_folder=" + home.filePath("Pictures")).toUtf8())) << kept.toStdString();
  EXPECT_TRUE(kept.contains(("text_folder=" + home.filePath("Documents")).toUtf8())) << kept.toStdString();
  EXPECT_FALSE(settings.readAll().contains("folder"));
  qputenv("HOME", saved_home);
  qputenv("XDG_CONFIG_HOME", saved_config);
}

// 操作説明 tells the mouse with its right button, the menus, and every key
// the window takes, whoever added it.
TEST_F(ViewMenuTest, HelpTellsTheMouseTheMenusAndEveryKeyOfTheWindow) {
  view().find("HELP")->trigger();
  ASSERT_NE(view().help(), nullptr);
  EXPECT_TRUE(view().help()->isVisible());
  const QString text = view().help()->text();
  for (const char* words : {"右クリック", "成って", "Esc", "ｵﾌﾟｼｮﾝ", "背景画", "COM対局ﾚﾍﾞﾙ", "一手戻る"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words;
  QList<QKeySequence> keys;
  for (const QShortcut* shortcut : window->findChildren<QShortcut*>()) keys << shortcut->key();
  for (const QAction* action : window->findChildren<QAction*>())
    if (!action->shortcut().isEmpty()) keys << action->shortcut();
  ASSERT_GE(keys.size(), 11);
  for (const QKeySequence& key : keys)
    EXPECT_TRUE(text.contains(key_text(key).toHtmlEscaped())) << key.toString().toStdString();
}

// On a full disk the earlier picture stays whole, and the system says why.
TEST_F(ViewMenuTest, APictureThatCannotBeWrittenLeavesTheEarlierOneWhole) {
  const QString path = folder.filePath(QStringLiteral("局面.png"));
  ASSERT_TRUE(save_board_picture(*game, desktop->screen(), path));
  QFile earlier(path);
  ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
  const QByteArray bytes = earlier.readAll();
  earlier.close();
  Result<void, std::error_code> written;
  {
    const velmora::testing::FileSizeLimit limit(bytes.size() / 2);
    written = save_board_picture(*game, desktop->screen(), path);
  }
  ASSERT_FALSE(written);
  EXPECT_EQ(written.error(), std::errc::file_too_large);
  ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
  EXPECT_EQ(earlier.readAll(), bytes);
  EXPECT_TRUE(QDir(folder.path()).entryList({QStringLiteral(".velmora-*")}, QDir::Files | QDir::Hidden).isEmpty());
}

}  // namespace
}  // namespace velmora::platform::testing
