// The game's command line, its icon, and the folders a run keeps its files in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/command_line.h"
#include "platform/desktop_game.h"
#include "platform/game_folders.h"

namespace velmora::platform {
namespace {

TEST(CommandLine, KnowsHelpAndVersionAndRefusesEverythingElse) {
  struct Row {
    std::vector<std::string> arguments;
    CommandLineAction action;
    std::string refusal;
  };
  const Row rows[] = {
      {{}, CommandLineAction::Play, ""},
      {{"--help"}, CommandLineAction::Help, ""},
      {{"-h"}, CommandLineAction::Help, ""},
      {{"--version"}, CommandLineAction::Version, ""},
      {{"--version", "--help"}, CommandLineAction::Help, ""},
      {{"--fullscreen", "--version"}, CommandLineAction::Version, ""},
      {{"--fullscreen"}, CommandLineAction::Refuse, "unknown option '--fullscreen'"},
      {{"-x", "more"}, CommandLineAction::Refuse, "unknown option '-x'"},
      {{"対局.棋譜"}, CommandLineAction::Refuse, "unexpected argument '対局.棋譜'"},
      {{"-"}, CommandLineAction::Refuse, "unexpected argument '-'"},
  };
  for (const Row& row : rows) {
    const CommandLine line = read_command_line(row.arguments);
    EXPECT_EQ(line.action, row.action) << ::testing::PrintToString(row.arguments);
    EXPECT_EQ(line.refusal, row.refusal) << ::testing::PrintToString(row.arguments);
  }
  EXPECT_EQ(refusal_text(read_command_line({"--x"})),
            "velmora: unknown option '--x'\nTry 'velmora --help' for more information.\n");
}

TEST(CommandLine, ReadsAPictureRequestInAnyOrderAndRefusesABadOne) {
  const CommandLine line = read_command_line({"--flipped", "--picture", "対局.棋譜", "--move", "12", "局面.png"});
  ASSERT_EQ(line.action, CommandLineAction::Picture) << line.refusal;
  EXPECT_EQ(line.picture.record, "対局.棋譜");
  EXPECT_EQ(line.picture.output, "局面.png");
  EXPECT_EQ(line.picture.move, 12);
  EXPECT_TRUE(line.picture.flipped);
  const CommandLine last = read_command_line({"--picture", "a.棋譜", "b.PNG", "--move=0"});
  EXPECT_EQ(last.picture.move, 0);
  EXPECT_FALSE(read_command_line({"--picture", "a.棋譜", "b.png"}).picture.move.has_value()) << "the last move";
  EXPECT_EQ(read_command_line({"--picture", "a.棋譜", "--lang", "en", "b.png"}).language, "en");

  const std::pair<std::vector<std::string>, std::string> refused[] = {
      {{"--picture", "a.棋譜"}, "option '--picture' needs a record file and an output file"},
      {{"--picture", "a.棋譜", "b.png", "c.png"}, "unexpected argument 'c.png'"},
      {{"--picture", "a.棋譜", "b.png", "--move", "-1"}, "invalid move number '-1'"},
      {{"--picture", "a.棋譜", "b.png", "--move=3手"}, "invalid move number '3手'"},
      {{"--picture", "a.棋譜", "b.png", "--move"}, "option '--move' needs a move number"},
      {{"--picture", "a.棋譜", "b.png", "--big"}, "unknown option '--big'"},
      {{"--picture", "a.棋譜", "b.jpg"}, "the picture 'b.jpg' must be a .png file"},
      {{"--picture", "a.棋譜", ".png"}, "the picture '.png' must be a .png file"},
      {{"--picture", "a.棋譜", "b.png", "--lang=fr"}, "unknown language 'fr' (ja or en)"},
  };
  for (const auto& [arguments, refusal] : refused) {
    const CommandLine bad = read_command_line(arguments);
    EXPECT_EQ(bad.action, CommandLineAction::Refuse) << refusal;
    EXPECT_EQ(bad.refusal, refusal);
  }
}

TEST(GameIcon, EveryWindowCarriesTheIconFromMenuToDockSizes) {
  use_game_icon();
  const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
  for (const int side : {16, 32, 48, 256, 512}) EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
  EXPECT_EQ(QGuiApplication::desktopFileName(), "org.example.velmora");
}

// A temporary installation: <root>/bin and its data folder, and a home.
class GameFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root.isValid());
    bin = root.filePath("usr/bin");
    ASSERT_TRUE(QDir().mkpath(QDir(bin).filePath(QString::fromUtf8(INSTALLED_DATA_FOLDER))));
    saved_home = qgetenv("HOME");
    saved_data_home = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", root.filePath("home").toUtf8());
  }
  void TearDown() override {
    qputenv("HOME", saved_home);
    if (saved_data_home.isNull())
      qunsetenv("XDG_DATA_HOME");
    else
      qputenv("XDG_DATA_HOME", saved_data_home);
  }

  QTemporaryDir root;
  QString bin;
  QByteArray saved_home, saved_data_home;
};

TEST_F(GameFoldersTest, TheBuildTreeKeepsEverythingInTheCurrentDirectory) {
  const GameFolders folders = game_folders(root.filePath("build/src/platform"), root.filePath("start"));
  EXPECT_EQ(folders.working, root.filePath("start"));
  EXPECT_EQ(folders.sounds, root.filePath("start"));
}

TEST_F(GameFoldersTest, TheInstalledGameUsesItsDataFolderAndThePerUserFolder) {
  struct Row {
    QByteArray data_home;  // empty: unset
    QString user_folder;   // below the temporary root
  };
  const Row rows[] = {
      {"", "home/.local/share/velmora"},
      {root.filePath("xdg").toUtf8(), "xdg/velmora"},
      {"relative/data", "home/.local/share/velmora"},  // not absolute: ignored
  };
  for (const Row& row : rows) {
    if (row.data_home.isEmpty())
      qunsetenv("XDG_DATA_HOME");
    else
      qputenv("XDG_DATA_HOME", row.data_home);
    const GameFolders folders = game_folders(bin, root.filePath("start"));
    EXPECT_EQ(folders.working, root.filePath(row.user_folder)) << row.data_home.constData();
    EXPECT_TRUE(QFileInfo(folders.working).isDir()) << row.data_home.constData();
    EXPECT_EQ(folders.sounds, root.filePath("usr/share/velmora"));
  }
}

}  // namespace
}  // namespace velmora::platform
