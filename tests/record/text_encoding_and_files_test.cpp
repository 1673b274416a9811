#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

#include "record/temp_folder.h"
#include "text/file_lock.h"
#include "text/shift_jis.h"
#include "text/text_files.h"

namespace velmora {
namespace {

using testing::TempFolder;

std::string bytes(std::initializer_list<unsigned char> list) { return std::string(list.begin(), list.end()); }

TEST(ShiftJis, KanjiAreTwoBytesAndHalfWidthKatakanaOne) {
  EXPECT_EQ(utf8_to_shift_jis("背景画=畳"), bytes({0x94, 0x77, 0x8C, 0x69, 0x89, 0xE6, '=', 0x8F, 0xF4}));
  EXPECT_EQ(utf8_to_shift_jis("ﾌｧｲﾙ"), bytes({0xCC, 0xA7, 0xB2, 0xD9}));
  EXPECT_EQ(utf8_to_shift_jis("BGM=ON"), "BGM=ON");
}

TEST(ShiftJis, RoundTripsTheTextsOfTheGame) {
  for (const std::string text : {"対局名 先手 後手", "主戦=韓国", "ﾁｪｽ側持駒OK", "山田　太郎（初段）", ""})
    EXPECT_EQ(shift_jis_to_utf8(utf8_to_shift_jis(text)), text);
}

TEST(ShiftJis, CharactersWithoutAShiftJisFormBecomeOneQuestionMarkEach) {
  EXPECT_EQ(utf8_to_shift_jis("a😀b"), "a?b");
  EXPECT_EQ(utf8_to_shift_jis("王\xE2\x82x"), utf8_to_shift_jis("王") + "?x");  // a cut UTF-8 sequence
  EXPECT_EQ(utf8_to_shift_jis("\xFF"), "?");
}

TEST(ShiftJis, TheCharactersWithoutAShiftJisFormAreNamedOnceEach) {
  using V = std::vector<std::string>;
  EXPECT_EQ(characters_without_shift_jis("김철수 Kim 김 王 😀"), (V{"김", "철", "수", "😀"}));
  EXPECT_EQ(characters_without_shift_jis("山田　太郎 ﾊﾝﾃﾞｨ ①"), V{});
}

TEST(ShiftJis, BytesThatAreNotShiftJisBecomeReplacementCharacters) {
  EXPECT_EQ(shift_jis_to_utf8(bytes({'a', 0xFF, 'b'})),
            "a\xEF\xBF\xBD"
            "b");
  // A lead byte cut off at the end of the text.
  EXPECT_EQ(shift_jis_to_utf8(bytes({'x', 0x94})), "x\xEF\xBF\xBD");
  EXPECT_EQ(shift_jis_to_utf8(std::string("\0z", 2)), std::string("\0z", 2));
}

std::vector<std::string> all_lines(const std::string& text, std::size_t keep) {
  std::istringstream in(text);
  LineReader reader(in);
  std::vector<std::string> out;
  std::string line;
  while (reader.next(line, keep)) out.push_back(line);
  EXPECT_FALSE(reader.failed());
  return out;
}

TEST(LineReader, EndsLinesAtCrLfLfOrALoneCr) {
  using V = std::vector<std::string>;
  EXPECT_EQ(all_lines("a\r\nb\nc\rd", 10), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(all_lines("a\r\n\r\n", 10), (V{"a", ""}));
  EXPECT_EQ(all_lines("", 10), V{});
  EXPECT_EQ(all_lines("\r\r\n", 10), (V{"", ""}));
}

TEST(LineReader, KeepsOnlyTheFirstBytesOfALongLine) {
  const std::string huge(3'000'000, 'x');
  const auto lines = all_lines(huge + "\r\nnext", 5);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "xxxxx");
  EXPECT_EQ(lines[1], "next");
}

TEST(ReplaceFile, CreatesAndReplacesLeavingNoTemporaryFile) {
  TempFolder folder;
  const std::string path = folder.file("記録.棋譜");
  EXPECT_TRUE(replace_file(path, "first"));
  EXPECT_EQ(folder.read("記録.棋譜"), "first");
  EXPECT_TRUE(replace_file(path, "second"));
  EXPECT_EQ(folder.read("記録.棋譜"), "second");
  EXPECT_EQ(folder.entry_count(), 1);
}

TEST(ReplaceFile, WritesThroughLinksToTheTargetAndKeepsItsPermissions) {
  namespace fs = std::filesystem;
  TempFolder folder;
  fs::create_directory(folder.file("本物"));
  folder.write("本物/Velmora.ini", "old");
  fs::permissions(folder.file("本物/Velmora.ini"),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("本物/Velmora.ini", folder.file("中継"));  // relative, and a chain of two
  fs::create_symlink(folder.file("中継"), folder.file("Velmora.ini"));

  EXPECT_TRUE(replace_file(folder.file("Velmora.ini"), "new"));
  EXPECT_TRUE(fs::is_symlink(folder.file("Velmora.ini")));
  EXPECT_TRUE(fs::is_symlink(folder.file("中継")));
  EXPECT_EQ(folder.read("本物/Velmora.ini"), "new");
  EXPECT_EQ(fs::status(folder.file("本物/Velmora.ini")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(folder.entry_count(), 3);
}

TEST(ReplaceFile, ALinkLoopIsAnError) {
  TempFolder folder;
  std::filesystem::create_symlink("b", folder.file("a"));
  std::filesystem::create_symlink("a", folder.file("b"));
  EXPECT_EQ(replace_file(folder.file("a"), "x").error(), std::errc::too_many_symbolic_link_levels);
  EXPECT_EQ(folder.entry_count(), 2);
}

TEST(ReplaceFile, FailsInAMissingFolder) {
  TempFolder folder;
  EXPECT_FALSE(replace_file(folder.file("無い/記録.棋譜"), "x"));
  EXPECT_EQ(folder.entry_count(), 0);
}

TEST(ReplaceFile, AWriteThatFailsHalfwayKeepsTheEarlierFile) {
  TempFolder folder;
  folder.write("記録.棋譜", "earlier");
  Result<void, std::error_code> written;
  {
    const testing::FileSizeLimit limit(16);
    written = replace_file(folder.file("記録.棋譜"), std::string(1000, 'x'));
  }

  ASSERT_FALSE(written);
  EXPECT_EQ(written.error(), std::errc::file_too_large);
  EXPECT_EQ(folder.read("記録.棋譜"), "earlier");
  EXPECT_EQ(folder.entry_count(), 1);
}

TEST(ReplaceFile, AFolderInTheWayIsAnError) {
  TempFolder folder;
  std::filesystem::create_directory(folder.file("記録.棋譜"));
  EXPECT_FALSE(replace_file(folder.file("記録.棋譜"), "x"));
  EXPECT_EQ(folder.entry_count(), 1);
}

// A FIFO or a device where a file of the game should be: replacing would
// remove it (or write into it), so it is left alone, and the error says why.
TEST(ReplaceFile, LeavesAFifoOrADeviceAloneEvenThroughALink) {
  namespace fs = std::filesystem;
  TempFolder folder;
  ASSERT_TRUE(testing::make_fifo(folder.file("fifo")));
  fs::create_symlink("fifo", folder.file("Velmora.ini"));
  std::vector<std::string> names = {"fifo", "Velmora.ini"};
  if (testing::make_zero_device(folder.file("zero"))) {
    fs::create_symlink(folder.file("zero"), folder.file("velmora-view.ini"));
    names.insert(names.end(), {"zero", "velmora-view.ini"});
  }
  for (const std::string& name : names) {
    const Result<void, std::error_code> written = replace_file(folder.file(name), "x");
    ASSERT_FALSE(written) << name;
    const std::error_code& error = written.error();
    EXPECT_EQ(error, FileError::NotRegularFile) << name;
    EXPECT_EQ(error.message(), "Not a regular file") << name;
  }
  EXPECT_EQ(testing::type_of(folder.file("fifo")), fs::file_type::fifo);
  if (names.size() > 2) {
    EXPECT_EQ(testing::type_of(folder.file("zero")), fs::file_type::character);
  }
  EXPECT_EQ(folder.entry_count(), static_cast<int>(names.size()));
}

TEST(ReadWholeFile, RefusesAFileLargerThanAllowed) {
  TempFolder folder;
  folder.write("設定.ini", "a=1\n");
  EXPECT_EQ(read_whole_file(folder.file("設定.ini"), 4).value(), "a=1\n");
  EXPECT_EQ(read_whole_file(folder.file("設定.ini"), 3).error(), std::errc::file_too_large);
}

TEST(FileLock, IsHeldAgainstEveryOtherTakerAndLetGoWhenItsProgramIsKilled) {
  TempFolder folder;
  const std::string path = folder.file("velmora-match.lock");
  {
    auto held = FileLock::take(path);
    ASSERT_TRUE(held);
    EXPECT_EQ(FileLock::take(path).error(), std::errc::resource_unavailable_try_again);
  }
  EXPECT_TRUE(FileLock::take(path)) << "let go with its object";

  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t holder = fork();
  if (holder == 0) {
    const auto lock = FileLock::take(path);
    const char taken = lock ? 1 : 0;
    (void)!write(ready[1], &taken, 1);
    pause();
    _exit(0);
  }
  char taken = 0;
  const bool told = read(ready[0], &taken, 1) == 1;
  const auto while_held = FileLock::take(path);
  kill(holder, SIGKILL);
  waitpid(holder, nullptr, 0);
  close(ready[0]);
  close(ready[1]);
  EXPECT_TRUE(told && taken == 1);
  ASSERT_FALSE(while_held) << "held by another program";
  EXPECT_EQ(while_held.error(), std::errc::resource_unavailable_try_again);
  EXPECT_TRUE(FileLock::take(path)) << "a killed program leaves no lock behind";
}

}  // namespace
}  // namespace velmora
