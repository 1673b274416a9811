// The record-file panel: hidden at start, its lists and fields shown by the
// record menu, the files of the folder, a drive that is not ready.
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFontMetrics>
#include <QScreen>
#include <QTest>
#include <fstream>

#include "match/window.h"
#include "platform/view_menu.h"
#include "rules/turn_order.h"
#include "text/shift_jis.h"
#include "view/board_view.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

using RecordPanelTest = WindowTest;

void write_file(const QString& path, const QByteArray& content) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(content);
}

QList<QWidget*> panel_widgets(RecordPanel& panel) {
  QList<QWidget*> widgets{panel.drive_list(), panel.folder_list(), panel.file_list(), panel.return_button()};
  for (int n = 1; n <= 4; ++n) widgets << panel.text_field(n);
  for (int i = 0; i < 4; ++i) widgets << panel.label(i);
  return widgets;
}

TEST_F(RecordPanelTest, EverythingIsHiddenWhenTheWindowOpens) {
  for (QWidget* widget : panel_widgets(window->record_panel())) EXPECT_FALSE(widget->isVisibleTo(window));
}

// The panels beside the board are made when first shown: a window that never
// shows them does not pay for them, and closing or asking them builds nothing.
TEST_F(RecordPanelTest, PanelsAreBuiltWhenFirstShown) {
  choose(MenuItem::MATCH_MAN);
  click_cell(4, 7);
  click_cell(4, 6);
  EXPECT_EQ(window->built_record_panel(), nullptr);
  EXPECT_EQ(window->findChild<QDockWidget*>(QStringLiteral("MOVE_LIST")), nullptr);
  EXPECT_EQ(desktop->dialogs().record_folder(), folder.path().toStdString());
  EXPECT_EQ(desktop->dialogs().record_fields().file_name, "");

  choose(MenuItem::KIFU_READ);
  ASSERT_NE(window->built_record_panel(), nullptr);
  EXPECT_TRUE(window->built_record_panel()->file_list()->isVisibleTo(window));
}

TEST_F(RecordPanelTest, ReadingShowsTheListsAndTheRecordFilesOfTheFolder) {
  write_file(folder.filePath("b.棋譜"), "title\r\n");
  write_file(folder.filePath("a.棋譜"), "title\r\n");
  write_file(folder.filePath("notes.txt"), "text\r\n");
  // Named in Shift-JIS, as records written on Windows are.
  std::ofstream(QFile::encodeName(folder.path()).toStdString() + "/" + utf8_to_shift_jis("対局.棋譜")) << "title\r\n";
  QDir(folder.path()).mkdir("older");
  RecordPanel& panel = window->record_panel();

  choose(MenuItem::KIFU_READ);
  EXPECT_TRUE(panel.drive_list()->isVisibleTo(window));
  EXPECT_TRUE(panel.folder_list()->isVisibleTo(window));
  EXPECT_TRUE(panel.file_list()->isVisibleTo(window));
  EXPECT_FALSE(panel.text_field(1)->isVisibleTo(window));
  EXPECT_FALSE(panel.return_button()->isVisibleTo(window));
  ASSERT_EQ(panel.file_list()->count(), 3);
  EXPECT_EQ(panel.file_list()->item(0)->text(), "a.棋譜");
  EXPECT_EQ(panel.file_list()->item(1)->text(), "b.棋譜");
  EXPECT_EQ(panel.file_list()->item(2)->text(), "対局.棋譜");
  EXPECT_EQ(panel.folder(), QDir(folder.path()).absolutePath());
  EXPECT_EQ(panel.file_list()->size(), QSize(pixel(855 + 2295), pixel(930)));

  // Opening a subfolder in the folder list; the file list follows.
  const auto older = panel.folder_list()->findItems("older", Qt::MatchEndsWith);
  ASSERT_EQ(older.size(), 1);
  Q_EMIT panel.folder_list()->itemActivated(older.first());
  EXPECT_EQ(panel.folder(), QDir(folder.filePath("older")).absolutePath());
  EXPECT_EQ(panel.file_list()->count(), 0);

  panel.set_folder(folder.path());
  QTest::mouseClick(panel.file_list()->viewport(), Qt::LeftButton, Qt::NoModifier,
                    panel.file_list()->visualItemRect(panel.file_list()->item(2)).center());
  EXPECT_EQ(game->record_mode, 1) << "the file named in Shift-JIS loads";
}

TEST_F(RecordPanelTest, WritingShowsTheFieldsAndTheButtonInsteadOfTheFileList) {
  RecordPanel& panel = window->record_panel();
  choose(MenuItem::KIFU_WRITE);
  EXPECT_TRUE(panel.drive_list()->isVisibleTo(window));
  EXPECT_TRUE(panel.folder_list()->isVisibleTo(window));
  EXPECT_FALSE(panel.file_list()->isVisibleTo(window));
  for (int n = 1; n <= 4; ++n) EXPECT_TRUE(panel.text_field(n)->isVisibleTo(window));
  EXPECT_EQ(panel.label(0)->text(), "ﾌｧｲﾙ名 ：");
  EXPECT_EQ(panel.label(3)->text(), "対 局 名：");
  EXPECT_EQ(panel.return_button()->text(), "RETURN");
  EXPECT_EQ(panel.text_field(1)->size(), QSize(pixel(2295), pixel(270)));

  panel.text_field(1)->setText("match");
  panel.text_field(2)->setText("題");
  const RecordFields fields = desktop->dialogs().record_fields();
  EXPECT_EQ(fields.file_name, "match");
  EXPECT_EQ(fields.title, "題");
}

// While the panel's lists and fields hold the focus the keys act there: they
// move in a list and edit a field, and leave the match as it was.
TEST_F(RecordPanelTest, KeysActWhereTheFocusIsAndLeaveTheMatch) {
  for (const char* name : {"a.棋譜", "b.棋譜", "c.棋譜"}) write_file(folder.filePath(name), "title\r\n");
  choose(MenuItem::MATCH_MAN);
  for (const auto& [fx, fy, tx, ty] : {std::array{2, 7, 2, 6}, {3, 2, 3, 3}}) {
    click_cell(fx, fy);
    click_cell(tx, ty);
  }
  const Board board = game->pos.board;
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  RecordPanel& panel = window->record_panel();
  const auto press = [](QWidget* control, QKeyCombination keys) {
    control->setFocus();
    QTest::keyClick(control, keys.key(), keys.keyboardModifiers());
  };

  choose(MenuItem::KIFU_READ);
  QListWidget* files = panel.file_list();
  files->setCurrentRow(0);
  const struct {
    QKeyCombination keys;
    int row;
  } list_keys[] = {{Qt::Key_End, 2},  {Qt::Key_Up, 1},    {Qt::Key_Home, 0},         {Qt::Key_Down, 1},
                   {Qt::Key_Left, 1}, {Qt::Key_Right, 1}, {Qt::CTRL | Qt::Key_Z, 1}, {Qt::CTRL | Qt::Key_F, 1}};
  for (const auto& k : list_keys) {
    press(files, k.keys);
    EXPECT_EQ(files->currentRow(), k.row) << QKeySequence(k.keys).toString().toStdString();
  }
  press(panel.folder_list(), Qt::Key_Home);
  EXPECT_TRUE(files->isVisible());

  choose(MenuItem::KIFU_WRITE);
  QLineEdit* name = panel.text_field(1);
  name->setText("ab");
  for (const QKeyCombination keys : {QKeyCombination(Qt::Key_Home), QKeyCombination(Qt::Key_Right)}) press(name, keys);
  QTest::keyClicks(name, "x");
  press(name, Qt::Key_End);
  QTest::keyClicks(name, "y");
  EXPECT_EQ(name->text(), "axby");
  press(name, Qt::CTRL | Qt::Key_Z);
  EXPECT_EQ(name->text(), "axb") << "Ctrl+Z undoes the typing";

  EXPECT_EQ(game->pos.move_number, 2);
  EXPECT_EQ(game->pos.history.record_length, 2);
  EXPECT_EQ(game->pos.board, board);
  EXPECT_EQ(game->board_flipped, 0);
  EXPECT_FALSE(game->program_ended);
}

// Enter in any field saves as RETURN does; Enter on a file loads it, Enter on
// a folder opens it.
TEST_F(RecordPanelTest, EnterSavesAndLoads) {
  QDir(folder.path()).mkdir("older");
  choose(MenuItem::MATCH_MAN);
  click_cell(2, 7);
  click_cell(2, 6);
  RecordPanel& panel = window->record_panel();
  choose(MenuItem::KIFU_WRITE);
  panel.text_field(1)->setText("entered");
  QTest::keyClick(panel.text_field(2), Qt::Key_Return);
  EXPECT_TRUE(QFile::exists(folder.filePath("entered.棋譜")));
  EXPECT_FALSE(panel.return_button()->isVisibleTo(window));

  choose(MenuItem::KIFU_READ);
  panel.file_list()->setCurrentRow(0);
  QTest::keyClick(panel.file_list(), Qt::Key_Enter);
  EXPECT_EQ(game->record_mode, 1);
  EXPECT_EQ(game->pos.history.record_length, 1);

  choose(MenuItem::KIFU_READ);
  panel.folder_list()->setCurrentItem(panel.folder_list()->findItems("older", Qt::MatchEndsWith).value(0));
  QTest::keyClick(panel.folder_list(), Qt::Key_Return);
  EXPECT_EQ(panel.folder(), QDir(folder.filePath("older")).absolutePath());
}

// "先    手 ：" is wider than its label at the panel's font size; every caption
// must show its colon rather than run under the field beside it, at every zoom.
class RecordPanelZoomTest : public WindowTest, public ::testing::WithParamInterface<double> {
 protected:
  DisplayScale display() const override { return DisplayScale{GetParam(), 1}; }
};

TEST_P(RecordPanelZoomTest, EveryLabelShowsItsWholeCaption) {
  RecordPanel& panel = window->record_panel();
  choose(MenuItem::KIFU_WRITE);
  for (int i = 0; i < 4; ++i) {
    const QLabel* label = panel.label(i);
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width())
        << label->text().toStdString();
    EXPECT_GE(label->font().pixelSize(), 8 * GetParam()) << label->text().toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Zooms, RecordPanelZoomTest, ::testing::Values(1.0, 2.0));

// Loading and saving, the panel stands left of the drawing: the window
// widens by its width as far as the screen allows, and narrows again when
// the panel closes.
TEST_F(RecordPanelTest, ThePanelStandsBesideTheBoardAndTheHands) {
  const QSize window_size = window->size();
  const int widest =
      window->screen()->availableGeometry().width() - (window->frameGeometry().width() - window->width());
  for (const MenuItem item : {MenuItem::KIFU_READ, MenuItem::KIFU_WRITE}) {
    choose(item);
    QTest::qWait(20);
    const QRect panel = window->record_panel().dock().geometry();
    EXPECT_TRUE(window->record_panel().dock().isVisible());
    EXPECT_FALSE(panel.intersects(window->canvas().geometry()));
    EXPECT_EQ(window->width(), std::min(window_size.width() + panel.width(), widest));
  }
  window->dispatch([](Game& g) { on_menu(g, MenuItem::TAIKYOKU); });  // opening 対局 closes the panel
  QTest::qWait(20);
  EXPECT_FALSE(window->record_panel().dock().isVisible());
  EXPECT_EQ(window->size(), window_size);
}

TEST_F(RecordPanelTest, ADriveThatIsNotReadyIsReportedAndTheFolderStays) {
  RecordPanel& panel = window->record_panel();
  const QString before = panel.folder();
  EXPECT_FALSE(panel.choose_drive(folder.filePath("no-such-drive")));
  ASSERT_EQ(answerer->boxes.size(), 1u);
  EXPECT_EQ(answerer->boxes[0].text, "ﾃﾞﾊﾞｲｽが準備できていません");
  EXPECT_EQ(answerer->boxes[0].title, "ｴﾗｰ");
  EXPECT_EQ(panel.folder(), before);

  EXPECT_TRUE(panel.choose_drive(QDir::rootPath()));
  EXPECT_EQ(panel.folder(), QDir::rootPath());
}

TEST_F(RecordPanelTest, AMatchIsSavedWithTheButtonAndLoadedByAClickOnItsFile) {
  choose(MenuItem::MATCH_MAN);
  click_cell(2, 7);
  click_cell(2, 6);
  ASSERT_EQ(game->pos.move_number, 1);
  RecordPanel& panel = window->record_panel();

  choose(MenuItem::KIFU_WRITE);
  panel.text_field(1)->setText("first");
  panel.text_field(2)->setText("練習");
  QTest::mouseClick(panel.return_button(), Qt::LeftButton);
  EXPECT_TRUE(QFile::exists(folder.filePath("first.棋譜")));
  EXPECT_FALSE(panel.return_button()->isVisibleTo(window));
  EXPECT_EQ(panel.text_field(1)->text(), "") << "hiding the fields empties them";

  answerer->boxes.clear();
  choose(MenuItem::KIFU_READ);
  const auto files = panel.file_list()->findItems("first.棋譜", Qt::MatchExactly);
  ASSERT_EQ(files.size(), 1);
  QTest::mouseClick(panel.file_list()->viewport(), Qt::LeftButton, Qt::NoModifier,
                    panel.file_list()->visualItemRect(files.first()).center());
  EXPECT_EQ(game->record_mode, 1);
  EXPECT_EQ(game->pos.history.record_length, 1);
  EXPECT_FALSE(panel.file_list()->isVisibleTo(window));
  ASSERT_FALSE(answerer->boxes.empty());
  EXPECT_EQ(answerer->boxes.front().text, " 読み込みました");
}

// Four moves, the flip, two moves, saved with a title and names; then 最初
// and the file loaded with a click, the move list panel beside the board.
// The record starts turned as it was saved, its header and position are on
// the screen while its messages are up, and stepping never turns the board.
TEST_F(RecordPanelTest, ARecordSavedAfterTheFlipLoadsAsSavedAndIsShownAtOnce) {
  desktop->view_menu().find("MOVE_LIST")->trigger();
  choose(MenuItem::MATCH_MAN);
  const auto play = [this](std::initializer_list<std::array<int, 4>> moves) {
    for (const auto& [fx, fy, tx, ty] : moves) {
      click_cell(fx, fy);
      click_cell(tx, ty);
    }
  };
  play({{2, 7, 2, 6}, {3, 2, 3, 3}, {4, 7, 4, 6}, {5, 2, 5, 4}});
  choose(MenuItem::REVERSE);
  play({{4, 3, 4, 4}, {3, 8, 3, 7}});
  ASSERT_EQ(game->pos.move_number, 6);
  RecordPanel& panel = window->record_panel();
  choose(MenuItem::KIFU_WRITE);
  panel.set_fields(RecordFields{"turned", "反転局", "先手氏", "後手氏"});
  QTest::mouseClick(panel.return_button(), Qt::LeftButton);
  choose(MenuItem::CANCEL);
  choose(MenuItem::KIFU_READ);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  panel.file_list()->setFocus();  // as the click gives it

  ShownPicture shown(window->canvas());
  std::vector<int> stale_under_boxes;
  answerer->on_box = [&](QMessageBox*) { stale_under_boxes.push_back(shown.stale_pixels()); };
  const QListWidgetItem* file = panel.file_list()->findItems("turned.棋譜", Qt::MatchExactly).value(0);
  ASSERT_NE(file, nullptr);
  QTest::mouseClick(panel.file_list()->viewport(), Qt::LeftButton, Qt::NoModifier,
                    panel.file_list()->visualItemRect(file).center());

  EXPECT_EQ(stale_under_boxes, std::vector<int>(2, 0)) << "both messages show the record's start behind them";
  EXPECT_EQ(game->view.shown.header.title, "反転局");
  EXPECT_EQ(first_own_king(game->pos.board), -KING) << "the chess army at the bottom, as saved";
  for (int n = 1; n <= 6; ++n) {
    choose(MenuItem::AFTER);
    EXPECT_EQ(first_own_king(game->pos.board), -KING) << "after step " << n;
  }
  QTest::qWait(20);
  EXPECT_EQ(shown.stale_pixels(), 0);
}

// A load and a new game leave the window as a full redraw of the position on
// show leaves it: no hand cell, frame or text of what was shown before (here
// a turned match with a piece picked up and the hint framed).
TEST_F(RecordPanelTest, ALoadAndANewGameLeaveNothingOfTheMatchBefore) {
  write_file(folder.filePath("plain.棋譜"),
             QByteArray("title\r\ntop\r\nbottom\r\n") + QByteArray(243, ' ') + QByteArray(56, '0') + "\r\n");
  const auto drawn_beyond_a_redraw = [this] {
    const QImage before = window->canvas().image().copy();
    window->dispatch([](Game& g) { 画面_再描画(g); });
    return differing_pixels(before, window->canvas().image());
  };
  const auto turned_match_with_frames = [this] {
    choose(MenuItem::MATCH_MAN);
    choose(MenuItem::REVERSE);
    desktop->view_menu().find("HINT")->trigger();
    click_cell(4, 3);
  };
  turned_match_with_frames();
  choose(MenuItem::KIFU_READ);
  QListWidget* files = window->record_panel().file_list();
  QTest::mouseClick(files->viewport(), Qt::LeftButton, Qt::NoModifier, files->visualItemRect(files->item(0)).center());
  ASSERT_EQ(game->record_mode, 1);
  EXPECT_EQ(drawn_beyond_a_redraw(), 0) << "after the load";

  turned_match_with_frames();
  choose(MenuItem::MATCH_MAN);
  EXPECT_EQ(drawn_beyond_a_redraw(), 0) << "after a new game";
}

}  // namespace
}  // namespace velmora::platform::testing
