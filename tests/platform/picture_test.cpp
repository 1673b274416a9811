// The picture of the position: the same whatever the window's scale, and the
// same from the command line as from the window.
#include <QFile>
#include <QTest>
#include <sstream>

#include "assist/move_list_panel.h"
#include "match/window.h"
#include "platform/board_picture.h"
#include "platform/picture_command.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

const QString SAVED_RECORD = QStringLiteral(VELMORA_TEST_DATA "/review/level4_against_level3.棋譜");

class PictureTest : public WindowTest {
 protected:
  // The record loaded in the window and shown after move n.
  void load_record_at(int n) {
    const QString name = QStringLiteral("対局.棋譜");
    ASSERT_TRUE(QFile::copy(SAVED_RECORD, folder.filePath(name)));
    window->dispatch([&](Game& g) {
      on_record_file_clicked(g, folder.path().toStdString(), name.toStdString());
      go_to_move(g, n);
    });
    ASSERT_EQ(game->pos.move_number, n);
  }
  int write_from_command_line(const PictureRequest& request) {
    std::ostringstream errors;
    const int status = write_record_picture(request, folder.path(), errors);
    told = errors.str();
    return status;
  }
  std::string told;
};

TEST_F(PictureTest, IsTheSameWhateverTheWindowsScale) {
  choose(MenuItem::MATCH_MAN);
  DesktopGame finer(folder.path(), DisplayScale{2.0, 3});
  finer.open();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&finer.window()));
  finer.window().dispatch([](Game& g) { on_menu(g, MenuItem::MATCH_MAN); });
  // Both clocks stopped at the same booked time: the finer window opened
  // later, and a running turn would show a second more or less.
  for (Game* g : {game, &finer.game()}) g->clock.timer1_enabled = false;
  EXPECT_EQ(differing_pixels(board_picture(*game, desktop->screen()), board_picture(finer.game(), finer.screen())), 0);
}

TEST_F(PictureTest, TheCommandLineDrawsWhatTheWindowSaves) {
  load_record_at(1);
  const QString from_window = folder.filePath(QStringLiteral("窓.png"));
  ASSERT_TRUE(save_board_picture(*game, desktop->screen(), from_window));
  const std::string from_command_line = folder.filePath(QStringLiteral("命令.png")).toStdString();
  ASSERT_EQ(write_from_command_line({SAVED_RECORD.toStdString(), from_command_line, 1, false}), 0) << told;
  EXPECT_EQ(differing_pixels(QImage(from_window), QImage(QString::fromStdString(from_command_line))), 0);

  const std::string flipped = folder.filePath(QStringLiteral("反転.png")).toStdString();
  ASSERT_EQ(write_from_command_line({SAVED_RECORD.toStdString(), flipped, 1, true}), 0) << told;
  EXPECT_GT(differing_pixels(QImage(from_window), QImage(QString::fromStdString(flipped))), 1000);
}

// What velmora-com --review refuses is refused too: an empty file, a file
// that is no record, a record holding a move the rules do not allow.
TEST_F(PictureTest, ABadRecordMoveOrOutputIsToldWithStatusTwo) {
  const std::string record = SAVED_RECORD.toStdString();
  const std::string output = folder.filePath(QStringLiteral("局面.png")).toStdString();
  const auto file_of = [&](const QString& name, const QByteArray& bytes) {
    QFile file(folder.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return folder.filePath(name).toStdString();
  };
  QFile played(SAVED_RECORD);
  EXPECT_TRUE(played.open(QIODevice::ReadOnly));
  QByteArray illegal = played.readAll();
  const qsizetype first_move = illegal.indexOf('\n', illegal.indexOf('\n', illegal.indexOf('\n') + 1) + 1) + 1;
  const qsizetype second_move = illegal.indexOf('\n', first_move) + 1;
  illegal.insert(second_move, illegal.mid(first_move, second_move - first_move));  // move 2 moves nothing
  const struct {
    PictureRequest request;
    std::string told;
  } rows[] = {
      {{folder.filePath(QStringLiteral("無い.棋譜")).toStdString(), output, {}, false}, "cannot open"},
      {{record, output, 49, false}, "has 48 moves, not 49"},
      {{record, folder.filePath(QStringLiteral("無い/局面.png")).toStdString(), {}, false}, "cannot write"},
      {{file_of(QStringLiteral("空.棋譜"), {}), output, {}, false}, "holds no move"},
      {{file_of(QStringLiteral("文.棋譜"), "a\r\nb\r\nc\r\nno move\r\n"), output, {}, false}, "line 4: the move line"},
      {{file_of(QStringLiteral("反則.棋譜"), illegal), output, {}, false}, "line 5: move 2: no move the rules allow"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(write_from_command_line(row.request), PICTURE_FAILED) << row.told;
    EXPECT_NE(told.find(row.told), std::string::npos) << told;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(output)));
  }
}

}  // namespace
}  // namespace velmora::platform::testing
