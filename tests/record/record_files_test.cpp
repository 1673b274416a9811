#include "record/record_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "fakes/fake_ports.h"
#include "notation/record_format.h"
#include "record/played_match.h"
#include "record/record_folder.h"
#include "record/temp_folder.h"
#include "setup/new_game.h"
#include "text/shift_jis.h"

namespace velmora {
namespace {

using testing::DrawOp;
using testing::TempFolder;
using testing::TestGame;

std::string read_data_file(const std::string& name) {
  std::ifstream in(std::string(VELMORA_TEST_DATA) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The two positions of the hand-written record tests/data/saved_record.棋譜.
void fill_two_moves(Game& g) {
  for (int n : {1, 2}) {
    HistorySlot& s = g.pos.history.slot(n);
    s.board(1, 9) = -KYOU;
    s.board(5, 9) = -OU;
    s.board(6, 1) = KING;
    s.board(2, 1) = ROOK;
    s.board(9, 1) = ROOK;
    s.board(4, 6) = -HU;
    s.board(8, 8) = -KAKU;
    s.board(2, 8) = -HOU;
    s.hand_own[1] = 1;
    s.hand_enemy[6] = 8;
  }
  g.pos.history.slot(1).board(4, 2) = PORN;
  g.pos.history.slot(1).clock_own_after = 7.9;
  g.pos.history.slot(2).board(4, 4) = PORN;
  g.pos.history.slot(2).clock_own_before = 7.9;
  g.pos.history.slot(2).clock_own_after = 7.9;
  g.pos.history.slot(2).clock_enemy_before = 1234.5;
  g.pos.history.slot(2).clock_enemy_after = 99999.99;
  g.pos.history.record_length = 2;
}

// A record of two moves from the start under the header of
// tests/data/saved_record.棋譜, whose hand-written positions follow from no
// start of the game.
std::string playable_record() {
  TestGame played;
  testing::play_moves(played.game, 2);
  const std::string saved = read_data_file("saved_record.棋譜");
  std::size_t header_end = 0;
  for (int line = 0; line < HEADER_LINES; ++line) header_end = saved.find('\n', header_end) + 1;
  SaveNotes notes;
  std::string bytes = saved.substr(0, header_end);
  for (int n = 1; n <= 2; ++n) bytes += format_move_line(played.game.pos.history.slot(n), notes) + "\r\n";
  return bytes;
}

class RecordFiles : public ::testing::Test {
 protected:
  RecordFiles() {
    t.fakes.dialogs.folder = folder.path();
    t.fakes.dialogs.fields = RecordFields{"第一局", "練習対局", "山田", "ｽﾐｽ"};
  }
  Game& g() { return t.game; }
  const std::vector<testing::ShownBox>& boxes() { return t.fakes.dialogs.boxes; }
  bool called(const std::string& call) {
    const auto& calls = t.fakes.dialogs.calls;
    return std::find(calls.begin(), calls.end(), call) != calls.end();
  }

  TempFolder folder;
  TestGame t;
};

// ---- saving ----

TEST_F(RecordFiles, AnEmptyFileNameIsRefusedFirstEvenWithoutMoves) {
  t.fakes.dialogs.fields.file_name = "";
  record_save_click(g());
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].text, "ﾌｧｲﾙ名が入力されていません");
  EXPECT_EQ(boxes()[0].title, "  ");
  EXPECT_EQ(folder.entry_count(), 0);
}

TEST_F(RecordFiles, AnEmptyMoveListIsRefused) {
  record_save_click(g());
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].text, "保存するデータがありません");
  EXPECT_EQ(boxes()[0].title, "棋譜保存");
  EXPECT_EQ(folder.entry_count(), 0);
}

TEST_F(RecordFiles, AFileNameWithASlashIsRefused) {
  fill_two_moves(g());
  std::filesystem::create_directory(folder.file("sub"));
  t.fakes.dialogs.fields.file_name = "sub/第一局";
  record_save_click(g());
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].title, "  ");
  EXPECT_FALSE(folder.exists("sub/第一局.棋譜"));
}

TEST_F(RecordFiles, SavedFileMatchesTheHandWrittenRecordByteForByte) {
  fill_two_moves(g());
  record_save_click(g());
  EXPECT_EQ(folder.read("第一局.棋譜"), read_data_file("saved_record.棋譜"));
  EXPECT_EQ(folder.entry_count(), 1);  // no temporary file left behind
}

TEST_F(RecordFiles, SavingClosesThePanelAndTellsSoButLeavesTheMatchAlone) {
  fill_two_moves(g());
  g().pos.move_number = 1;
  g().record_mode = 0;
  record_save_click(g());
  EXPECT_TRUE(called("set_record_lists_visible 000"));
  EXPECT_TRUE(called("set_record_fields_visible 0"));
  EXPECT_TRUE(called("refresh_record_files"));
  EXPECT_EQ(t.fakes.dialogs.fields.file_name, "");  // the fields are emptied
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].text, "棋譜を書き込みました");
  EXPECT_EQ(boxes()[0].title, "  ");
  EXPECT_EQ(g().pos.history.record_length, 2);
  EXPECT_EQ(g().pos.move_number, 1);
  EXPECT_EQ(g().record_mode, 0);
}

std::string first_lines(const std::string& bytes, int count) {
  std::size_t at = 0;
  for (int i = 0; i < count; ++i) at = bytes.find("\r\n", at) + 2;
  return shift_jis_to_utf8(bytes.substr(0, at));
}

TEST_F(RecordFiles, TheTopPlayersNameGoesFirst) {
  fill_two_moves(g());
  record_save_click(g());
  EXPECT_EQ(first_lines(folder.read("第一局.棋譜"), 3), "練習対局\r\nｽﾐｽ\r\n山田\r\n");

  // After a flip the main army (先手, Text3) sits on top.
  g().pos.chess_sign = -1;
  t.fakes.dialogs.fields = RecordFields{"第一局", "練習対局", "山田", "ｽﾐｽ"};
  record_save_click(g());
  EXPECT_EQ(first_lines(folder.read("第一局.棋譜"), 3), "練習対局\r\n山田\r\nｽﾐｽ\r\n");
}

TEST_F(RecordFiles, SavingOverwritesAnEarlierRecordWithoutAsking) {
  folder.write("第一局.棋譜", "old");
  fill_two_moves(g());
  record_save_click(g());
  EXPECT_EQ(folder.read("第一局.棋譜"), read_data_file("saved_record.棋譜"));
  // The only box is the report of the save: nothing asked before overwriting.
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].text, "棋譜を書き込みました");
  EXPECT_EQ(boxes()[0].buttons, Buttons::Ok);
}

TEST_F(RecordFiles, AFileThatCannotBeCreatedIsReportedAndThePanelStays) {
  fill_two_moves(g());
  t.fakes.dialogs.folder = folder.file("消えたフォルダ");
  record_save_click(g());
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_NE(boxes()[0].text.find("棋譜ﾌｧｲﾙを書き込めません"), std::string::npos);
  EXPECT_EQ(boxes()[0].title, "棋譜保存");
  EXPECT_FALSE(called("set_record_lists_visible 000"));
  EXPECT_EQ(t.fakes.dialogs.fields.file_name, "第一局");  // the user may correct it
}

TEST_F(RecordFiles, AFolderInTheWayOfTheRecordIsReported) {
  fill_two_moves(g());
  std::filesystem::create_directory(folder.file("第一局.棋譜"));
  record_save_click(g());
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].title, "棋譜保存");
  EXPECT_TRUE(std::filesystem::is_directory(folder.file("第一局.棋譜")));
  EXPECT_EQ(folder.entry_count(), 1);
}

// Line n (from 1) of a file, without its CR LF.
std::string line_of_file(const std::string& bytes, int n) {
  std::size_t at = 0;
  for (int i = 1; i < n; ++i) at = bytes.find("\r\n", at) + 2;
  return bytes.substr(at, bytes.find("\r\n", at) - at);
}

TEST_F(RecordFiles, TenPiecesOfAKindAreSavedAsNineAndTheUserIsTold) {
  fill_two_moves(g());
  g().pos.history.slot(2).hand_own[6] = 10;
  record_save_click(g());
  const std::string line = line_of_file(folder.read("第一局.棋譜"), 5);
  EXPECT_EQ(line.size(), 299u);
  EXPECT_EQ(line[243 + 2 * 5], '9');
  ASSERT_EQ(boxes().size(), 2u);
  EXPECT_EQ(boxes()[0].text, "棋譜を書き込みました");
  EXPECT_NE(boxes()[1].text.find("9枚"), std::string::npos);
}

TEST_F(RecordFiles, CharactersShiftJisCannotHoldAreNamedAndTheUserDecides) {
  for (const Answer answer : {Answer::No, Answer::Yes}) {
    TestGame fresh;
    fresh.fakes.dialogs.folder = folder.path();
    fresh.fakes.dialogs.fields = RecordFields{"韓国戦", "練習対局", "김철수", "Kim 김"};
    fresh.fakes.dialogs.yes_no_answers = {answer};
    fill_two_moves(fresh.game);
    record_save_click(fresh.game);
    const auto& shown = fresh.fakes.dialogs.boxes;
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0].buttons, Buttons::YesNo);
    EXPECT_EQ(shown[0].title, "棋譜保存");
    EXPECT_NE(shown[0].text.find("김 철 수\n"), std::string::npos) << shown[0].text;  // each character once
    if (answer == Answer::No) {
      EXPECT_EQ(shown.size(), 1u);
      EXPECT_FALSE(folder.exists("韓国戦.棋譜"));
      EXPECT_EQ(fresh.fakes.dialogs.fields.first, "김철수");  // kept for the user to correct
    } else {
      EXPECT_EQ(first_lines(folder.read("韓国戦.棋譜"), 3), "練習対局\r\nKim ?\r\n???\r\n");
      EXPECT_EQ(shown.back().text, "棋譜を書き込みました");
    }
  }
}

// ---- loading ----

TEST_F(RecordFiles, LoadingFillsTheMoveListAndAnnouncesIt) {
  folder.write("第一局.棋譜", playable_record());
  TestGame saved;
  testing::play_moves(saved.game, 2);
  g().pos.history.slot(1).move_to.x = 4;  // left from earlier play
  g().pos.history.slot(1).move_code = -HU;

  record_file_click(g(), folder.path(), "第一局.棋譜");

  EXPECT_TRUE(called("set_record_lists_visible 000"));
  EXPECT_EQ(g().record_mode, 1);
  EXPECT_EQ(g().pos.history.record_length, 2);
  EXPECT_EQ(g().pos.move_number, 0);
  EXPECT_EQ(g().com.move_counter, 0);
  EXPECT_EQ(g().pos.turn, +1);
  for (int n : {1, 2}) {
    const HistorySlot& got = g().pos.history.slot(n);
    const HistorySlot& want = saved.game.pos.history.slot(n);
    EXPECT_EQ(got.board, want.board) << n;
    EXPECT_EQ(got.hand_own, want.hand_own) << n;
    EXPECT_EQ(got.hand_enemy, want.hand_enemy) << n;
    EXPECT_EQ(got.clock_own_after, std::floor(want.clock_own_after)) << n;
    EXPECT_EQ(got.clock_enemy_before, std::floor(want.clock_enemy_before)) << n;
    EXPECT_EQ(got.clock_enemy_after, std::floor(want.clock_enemy_after)) << n;
  }
  EXPECT_EQ(g().pos.history.slot(1).move_to.x, 4);
  EXPECT_EQ(g().pos.history.slot(1).move_code, -HU);
  // A fresh starting position is on the board, not the record's.
  EXPECT_EQ(g().pos.board(5, 9), -OU);
  ASSERT_EQ(boxes().size(), 2u);
  EXPECT_EQ(boxes()[0].text, " 読み込みました");
  EXPECT_EQ(boxes()[0].title, "棋譜");
  EXPECT_EQ(boxes()[1].text, "棋譜を '進 'で進めて下さい");
  EXPECT_EQ(boxes()[1].title, "棋譜");
}

TEST_F(RecordFiles, LoadingPrintsTheHeaderLinesAtTheirPlaces) {
  folder.write("第一局.棋譜", playable_record());
  record_file_click(g(), folder.path(), "第一局.棋譜");
  std::vector<DrawOp> headers;
  for (const DrawOp& op : t.fakes.screen.ops_of(DrawOp::Text))
    if ((op.text == "練習対局" || op.text == "ｽﾐｽ" || op.text == "山田") && op.colour != PaletteColour::Black)
      headers.push_back(op);  // not the title's edge
  ASSERT_EQ(headers.size(), 3u);
  // 4 characters: 2700 + 495 * (3 + 9 / 5) - 3000, at the bottom left in light red.
  EXPECT_DOUBLE_EQ(headers[0].left, 2076);
  EXPECT_DOUBLE_EQ(headers[0].top, 7450);
  EXPECT_EQ(headers[0].colour, PaletteColour::LightRed);
  EXPECT_EQ(headers[0].size, 12);
  // The top player's name above the board, the bottom player's below, in white.
  EXPECT_EQ(headers[1].text, "ｽﾐｽ");
  EXPECT_DOUBLE_EQ(headers[1].left, 5175);
  EXPECT_DOUBLE_EQ(headers[1].top, 250);
  EXPECT_EQ(headers[1].colour, PaletteColour::White);
  EXPECT_EQ(headers[2].text, "山田");
  EXPECT_DOUBLE_EQ(headers[2].left, 5274);
  EXPECT_DOUBLE_EQ(headers[2].top, 7450);
  EXPECT_EQ(headers[2].colour, PaletteColour::White);
}

TEST_F(RecordFiles, AHeaderOnlyFileLoadsNoMoves) {
  folder.write("空.棋譜", utf8_to_shift_jis("題\r\n上\r\n下\r\n"));
  fill_two_moves(g());
  record_file_click(g(), folder.path(), "空.棋譜");
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].text, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません");
  EXPECT_EQ(boxes()[0].title, "棋譜");
  EXPECT_EQ(g().record_mode, 1);
  EXPECT_EQ(g().pos.history.record_length, 0);
  EXPECT_EQ(g().pos.turn, 0);
}

TEST_F(RecordFiles, ADamagedFileLoadsAndTellsItsFirstBadLineOnce) {
  const std::string saved = playable_record();
  std::string damaged = saved;
  damaged[saved.size() - 301 + 4] = 'x';  // in the last line: move 2, file line 5
  folder.write("壊れた.棋譜", damaged + "garbage\r\n");
  record_file_click(g(), folder.path(), "壊れた.棋譜");
  EXPECT_EQ(g().pos.history.record_length, 3);
  EXPECT_EQ(g().record_mode, 1);
  EXPECT_EQ(t.fakes.dialogs.box_texts(),
            (std::vector<std::string>{" 読み込みました",
                                      "棋譜ﾌｧｲﾙが壊れています（5行目）\n読めない所は空きとして読み込みました",
                                      "棋譜を '進 'で進めて下さい"}));
}

// A match in progress, to see that a failed load leaves it as it was.
void play_three_moves(Game& g) {
  初期設定(g);
  fill_two_moves(g);
  g.pos.history.slot(3).board(5, 5) = -KIN;
  g.pos.history.record_length = 3;
  g.pos.move_number = 3;
  g.pos.turn = -1;
  g.pos.board(5, 5) = -KIN;
  g.pos.hand_own[2] = 1;
}

void expect_failed_load_leaves_the_match(TestGame& t, const std::string& folder, const std::string& name,
                                         const std::string& text_part) {
  TestGame before;
  play_three_moves(before.game);
  play_three_moves(t.game);
  t.fakes.dialogs.boxes.clear();
  record_file_click(t.game, folder, name);
  ASSERT_EQ(t.fakes.dialogs.boxes.size(), 1u);
  EXPECT_NE(t.fakes.dialogs.boxes[0].text.find(text_part), std::string::npos) << t.fakes.dialogs.boxes[0].text;
  EXPECT_EQ(t.fakes.dialogs.boxes[0].title, "棋譜");
  EXPECT_EQ(t.game.pos.board, before.game.pos.board);
  EXPECT_EQ(t.game.pos.hand_own, before.game.pos.hand_own);
  EXPECT_EQ(t.game.pos.turn, -1);
  EXPECT_EQ(t.game.pos.move_number, 3);
  EXPECT_EQ(t.game.record_mode, 0);
  EXPECT_EQ(t.game.pos.history.record_length, 3);
  for (int n = 0; n <= 3; ++n) EXPECT_EQ(t.game.pos.history.slot(n).board, before.game.pos.history.slot(n).board);
}

TEST_F(RecordFiles, AFileThatVanishedBeforeLoadingLeavesTheMatch) {
  expect_failed_load_leaves_the_match(t, folder.path(), "消えた.棋譜", "開けません");
}

TEST_F(RecordFiles, ARecordNoStartLeadsToLeavesTheMatch) {
  folder.write("手書き.棋譜", read_data_file("saved_record.棋譜"));
  expect_failed_load_leaves_the_match(t, folder.path(), "手書き.棋譜",
                                      "どの開始局面からも指せない手があります（1手目）");
}

TEST_F(RecordFiles, ARecordTooLongForTheGameLeavesTheMatch) {
  folder.write("長い.棋譜", "t\r\na\r\nb\r\n" + std::string(MAX_RECORD_MOVES + 1, '\n'));
  expect_failed_load_leaves_the_match(t, folder.path(), "長い.棋譜", "多すぎます");
}

TEST_F(RecordFiles, ABinaryFileOfManyMegabytesLoadsWithoutHarm) {
  std::string junk(6'000'000, '\0');
  for (std::size_t i = 0; i < junk.size(); ++i) {
    const char c = static_cast<char>((i * 2654435761u >> 13) & 0xFF);
    junk[i] = i % 1000 == 999 ? '\n' : c == '\n' || c == '\r' ? 'x' : c;
  }
  folder.write("壊れた.棋譜", junk);
  record_file_click(g(), folder.path(), "壊れた.棋譜");
  EXPECT_EQ(g().record_mode, 1);
  EXPECT_EQ(g().pos.history.record_length, 6000 - 3);
  for (int n = 1; n <= g().pos.history.record_length; ++n)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        ASSERT_TRUE(is_piece(g().pos.history.slot(n).board(x, y)) || g().pos.history.slot(n).board(x, y) == EMPTY);
}

// Names in UTF-8, in Shift-JIS (as written on Windows) and in neither are
// all listed, readably, in the order of the shown names; each opens by the
// bytes of its name. Other files and folders named like records are not.
TEST_F(RecordFiles, EveryRecordFileIsListedReadablyAndLoads) {
  const std::string shift_jis_name = utf8_to_shift_jis("対局.棋譜");
  const std::string latin1_name = "caf\xE9.棋譜";
  for (const std::string& name : {shift_jis_name, latin1_name, std::string("第一局.棋譜")})
    folder.write(name, playable_record());
  folder.write("notes.txt", "text");
  std::filesystem::create_directory(folder.file("folder.棋譜"));

  EXPECT_EQ(record_files_in(folder.path()),
            (std::vector<RecordFileName>{
                {latin1_name, "caf\uFFFD.棋譜"}, {shift_jis_name, "対局.棋譜"}, {"第一局.棋譜", "第一局.棋譜"}}));
  for (const std::string& name : {shift_jis_name, latin1_name}) {
    record_file_click(g(), folder.path(), name);
    EXPECT_EQ(g().pos.history.record_length, 2) << readable_file_name(name);
  }
}

// ---- the panel ----

TEST_F(RecordFiles, WriteShowsTheFolderListAndTheFieldsKeepingTheirText) {
  kifu_write_click(g());
  EXPECT_EQ(t.fakes.dialogs.calls,
            (std::vector<std::string>{"set_record_lists_visible 110", "set_record_fields_visible 1"}));
  EXPECT_EQ(t.fakes.dialogs.fields.title, "練習対局");
}

TEST_F(RecordFiles, ReadShowsTheFileListAndEmptiesAndHidesTheFields) {
  kifu_read_click(g());
  EXPECT_EQ(t.fakes.dialogs.calls,
            (std::vector<std::string>{"set_record_lists_visible 111", "set_record_fields_visible 0"}));
  EXPECT_EQ(t.fakes.dialogs.fields.title, "");
}

}  // namespace
}  // namespace velmora
