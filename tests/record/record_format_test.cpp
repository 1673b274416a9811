#include "notation/record_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "record/temp_folder.h"
#include "text/shift_jis.h"

namespace velmora {
namespace {

using testing::TempFolder;

// Field offsets of a move line: square (x, y), hand index k, clock i (0..3).
std::size_t square_field(int x, int y) { return 3 * (9 * (x - 1) + (y - 1)); }
std::size_t own_hand_field(int k) { return 243 + 2 * (k - 1); }
std::size_t enemy_hand_field(int k) { return own_hand_field(k) + 1; }
std::size_t clock_field(int i) { return 279 + 5 * i; }

std::string line_of(const HistorySlot& slot) {
  SaveNotes notes;
  return format_move_line(slot, notes);
}

Record read_text(const std::string& text) {
  std::istringstream in(text);
  RecordResult result = read_record(in);
  EXPECT_TRUE(result);
  return result ? *result : Record{};
}

// ---- writing ----

TEST(MoveLineFields, CodesAreRightAlignedInThreeCharacters) {
  HistorySlot slot;
  slot.board(1, 1) = 5;
  slot.board(1, 2) = -5;
  slot.board(9, 9) = -27;
  slot.board(6, 1) = 25;
  const std::string line = line_of(slot);
  EXPECT_EQ(line.substr(square_field(1, 1), 3), "  5");
  EXPECT_EQ(line.substr(square_field(1, 2), 3), " -5");
  EXPECT_EQ(line.substr(square_field(9, 9), 3), "-27");
  EXPECT_EQ(line.substr(square_field(6, 1), 3), " 25");
  EXPECT_EQ(line.substr(square_field(5, 5), 3), "  0");
}

TEST(MoveLineFields, HandsAreOneDigitOwnThenEnemyPerIndex) {
  HistorySlot slot;
  slot.hand_own[1] = 8;
  slot.hand_enemy[1] = 2;
  slot.hand_enemy[18] = 1;
  const std::string line = line_of(slot);
  EXPECT_EQ(line.substr(own_hand_field(1), 2), "82");
  EXPECT_EQ(line[enemy_hand_field(18)], '1');
  EXPECT_EQ(line.substr(own_hand_field(2), 10), "0000000000");
}

TEST(MoveLineFields, ClocksAreWholeSecondsInFiveCharacters) {
  HistorySlot slot;
  slot.clock_own_before = 7.9;
  slot.clock_own_after = 1234;
  slot.clock_enemy_before = 12345.99;
  slot.clock_enemy_after = 0;
  const std::string line = line_of(slot);
  EXPECT_EQ(line.substr(clock_field(0), 20), "    7 123412345    0");
}

TEST(MoveLineFields, EveryLineHas299CharactersWhateverTheValues) {
  HistorySlot slot;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) slot.board(x, y) = (x * 10 + y) % 2 ? -27 : 1000;
  slot.hand_own.fill(12);
  slot.hand_enemy.fill(-3);
  slot.clock_own_before = 1e12;
  slot.clock_own_after = -5;
  slot.clock_enemy_before = NAN;
  slot.clock_enemy_after = 99999.5;
  EXPECT_EQ(line_of(slot).size(), 299u);
  EXPECT_EQ(line_of(HistorySlot{}).size(), 299u);
}

TEST(MoveLineFields, ValuesThatDoNotFitAreFittedAndNoted) {
  HistorySlot slot;
  slot.board(3, 3) = 99;    // no piece
  slot.hand_own[6] = 10;    // ten pawns cannot be one digit
  slot.hand_enemy[2] = -1;  // no such count
  slot.clock_own_after = 100000;
  slot.clock_enemy_after = -2;
  SaveNotes notes;
  const std::string line = format_move_line(slot, notes);
  EXPECT_EQ(line.substr(square_field(3, 3), 3), "  0");
  EXPECT_EQ(line[own_hand_field(6)], '9');
  EXPECT_EQ(line[enemy_hand_field(2)], '0');
  EXPECT_EQ(line.substr(clock_field(1), 5), "99999");
  EXPECT_EQ(line.substr(clock_field(3), 5), "    0");
  EXPECT_TRUE(notes.hand_clamped);
  EXPECT_TRUE(notes.clock_clamped);
}

TEST(MoveLineFields, ValuesThatFitLeaveNoNote) {
  HistorySlot slot;
  slot.hand_own[1] = 9;
  slot.clock_own_after = 99999.99;
  SaveNotes notes;
  EXPECT_EQ(format_move_line(slot, notes).substr(clock_field(1), 5), "99999");
  EXPECT_FALSE(notes.hand_clamped);
  EXPECT_FALSE(notes.clock_clamped);
}

TEST(RecordText, HeadersAreShiftJisAndEveryLineEndsWithCrLf) {
  MoveList list;
  list.slot(1).board(5, 9) = -OU;
  list.slot(2).board(5, 8) = -OU;
  SaveNotes notes;
  const std::string text = format_record("名人戦", "ﾁｪｽ", "山田", list, 2, notes);
  const std::string expected_headers =
      utf8_to_shift_jis("名人戦") + "\r\n" + utf8_to_shift_jis("ﾁｪｽ") + "\r\n" + utf8_to_shift_jis("山田") + "\r\n";
  ASSERT_EQ(text.substr(0, expected_headers.size()), expected_headers);
  EXPECT_EQ(text.size(), expected_headers.size() + 2 * 301);
  EXPECT_EQ(text.substr(expected_headers.size() + 299, 2), "\r\n");
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(RecordText, LineBreaksInsideAHeaderBecomeSpaces) {
  SaveNotes notes;
  const std::string text = format_record("一行目\r\n二行目", "a\nb", "c", MoveList{}, 0, notes);
  EXPECT_EQ(text, utf8_to_shift_jis("一行目  二行目") + "\r\na b\r\nc\r\n");
}

// ---- reading ----

TEST(RecordReading, GivesBackWhatWasWritten) {
  MoveList list;
  list.slot(1).board(1, 9) = -KYOU;
  list.slot(1).board(6, 1) = KING;
  list.slot(1).hand_own[5] = 3;
  list.slot(1).hand_enemy[13] = 9;
  list.slot(1).clock_own_before = 1.5;
  list.slot(1).clock_own_after = 62.9;
  list.slot(1).clock_enemy_before = 3;
  list.slot(1).clock_enemy_after = 99999;
  SaveNotes notes;
  const Record r = read_text(format_record("対局", "上", "下", list, 1, notes));
  EXPECT_EQ(r.title, "対局");
  EXPECT_EQ(r.top_name, "上");
  EXPECT_EQ(r.bottom_name, "下");
  ASSERT_EQ(r.moves.size(), 1u);
  EXPECT_EQ(r.moves[0].board, list.slot(1).board);
  EXPECT_EQ(r.moves[0].hand_own, list.slot(1).hand_own);
  EXPECT_EQ(r.moves[0].hand_enemy, list.slot(1).hand_enemy);
  EXPECT_EQ(r.moves[0].clock_own_before, 1);
  EXPECT_EQ(r.moves[0].clock_own_after, 62);
  EXPECT_EQ(r.moves[0].clock_enemy_before, 3);
  EXPECT_EQ(r.moves[0].clock_enemy_after, 99999);
}

TEST(RecordReading, AShortLineReadsZerosBeyondItsEnd) {
  const Record r = read_text("t\r\na\r\nb\r\n  5 -3\r\n\r\n");
  ASSERT_EQ(r.moves.size(), 2u);  // every line after the third is a move, however short
  EXPECT_EQ(r.moves[0].board(1, 1), 5);
  EXPECT_EQ(r.moves[0].board(1, 2), -3);
  EXPECT_EQ(r.moves[0].board(1, 3), EMPTY);
  EXPECT_EQ(r.moves[0].clock_enemy_after, 0);
  EXPECT_EQ(r.moves[1].board, Board{});
}

TEST(RecordReading, ALongLineIsReadUpTo299Characters) {
  HistorySlot slot;
  slot.clock_enemy_after = 42;
  const Record r = read_text("t\na\nb\n" + line_of(slot) + "123456789 trailing junk");
  ASSERT_EQ(r.moves.size(), 1u);
  EXPECT_EQ(r.moves[0].clock_enemy_after, 42);
}

TEST(RecordReading, FieldsWithoutANumberReadZeroAndOddCodesReadEmpty) {
  std::string line = line_of(HistorySlot{});
  line.replace(square_field(1, 1), 3, "abc");
  line.replace(square_field(1, 2), 3, " 99");
  line.replace(square_field(1, 3), 3, "-28");
  line.replace(square_field(1, 4), 3, "7x1");  // the number ends at the first other character
  line.replace(square_field(1, 5), 3, "- 4");  // spaces are ignored
  line.replace(square_field(1, 6), 3, "+12");
  line.replace(own_hand_field(1), 2, "-x");
  line.replace(own_hand_field(2), 2, " 7");
  line.replace(clock_field(0), 5, "12.75");
  line.replace(clock_field(1), 5, "  -30");
  line.replace(clock_field(2), 5, "     ");
  const Record r = read_text("t\na\nb\n" + line);
  ASSERT_EQ(r.moves.size(), 1u);
  const RecordPosition& p = r.moves[0];
  EXPECT_EQ(p.board(1, 1), EMPTY);
  EXPECT_EQ(p.board(1, 2), EMPTY);
  EXPECT_EQ(p.board(1, 3), EMPTY);
  EXPECT_EQ(p.board(1, 4), 7);
  EXPECT_EQ(p.board(1, 5), -4);
  EXPECT_EQ(p.board(1, 6), 12);
  EXPECT_EQ(p.hand_own[1], 0);
  EXPECT_EQ(p.hand_enemy[1], 0);
  EXPECT_EQ(p.hand_own[2], 0);
  EXPECT_EQ(p.hand_enemy[2], 7);
  EXPECT_EQ(p.clock_own_before, 12);
  EXPECT_EQ(p.clock_own_after, 0);  // a clock is never negative
  EXPECT_EQ(p.clock_enemy_before, 0);
}

TEST(RecordReading, MissingHeaderLinesReadAsNothing) {
  EXPECT_EQ(read_text("").title, "");
  const Record two = read_text(utf8_to_shift_jis("題\r\n名"));
  EXPECT_EQ(two.title, "題");
  EXPECT_EQ(two.top_name, "名");
  EXPECT_EQ(two.bottom_name, "");
  EXPECT_TRUE(two.moves.empty());
  EXPECT_TRUE(read_text("a\r\nb\r\nc\r\n").moves.empty());
}

TEST(RecordReading, AHugeLineWithoutLineEndsIsCut) {
  const Record r = read_text(std::string(8'000'000, 'A'));
  EXPECT_EQ(r.title.size(), MAX_HEADER_BYTES);
  EXPECT_TRUE(r.moves.empty());
}

TEST(RecordReading, ALongHeaderIsCutBeforeACharacterItWouldSplit) {
  const std::string kanji = utf8_to_shift_jis("漢");  // two bytes
  const std::string cut = std::string(MAX_HEADER_BYTES - 1, 'a') + kanji;
  EXPECT_EQ(read_text(cut + "\r\n").title, std::string(MAX_HEADER_BYTES - 1, 'a'));
  const std::string whole = std::string(MAX_HEADER_BYTES - 2, 'a') + kanji;
  EXPECT_EQ(read_text(whole + "x\r\n").title, std::string(MAX_HEADER_BYTES - 2, 'a') + "漢");
}

// A move line with one change, where the reader notices it and what it says.
struct Damage {
  const char* name;
  std::size_t at;
  std::string put;  // replaces as many characters; at == npos: appended
  int column;
  const char* what;
};

TEST(MoveLineFaults, TheFirstBadFieldIsFoundWithItsColumn) {
  const std::string good = line_of(HistorySlot{});
  const Damage damages[] = {
      {"letter in a code", square_field(1, 2), " x1", 4, "board field 1,2 is not a piece code"},
      {"code out of range", square_field(3, 1), " 28", 55, "board field 3,1 is not a piece code"},
      {"space inside", square_field(1, 1), "- 4", 1, "board field 1,1 is not a piece code"},
      {"blank code", square_field(9, 9), "   ", 241, "board field 9,9 is not a piece code"},
      {"hand not a digit", enemy_hand_field(2), "-", 247, "enemy hand field 2 is not a digit"},
      {"negative clock", clock_field(2), "  -30", 290, "clock field 3 is not a number of seconds"},
      {"short line", 200, "", 201, "the line has 200 characters, not 299"},
      {"long line", std::string::npos, " ", 300, "the line is longer than 299 characters"},
  };
  for (const Damage& d : damages) {
    std::string line = good;
    if (d.at == std::string::npos)
      line += d.put;
    else if (d.put.empty())
      line.resize(d.at);
    else
      line.replace(d.at, d.put.size(), d.put);
    const ReadMoveLine read = read_move_line(line);
    ASSERT_FALSE(read.well_formed) << d.name;
    EXPECT_EQ(read.well_formed.error().column, d.column) << d.name;
    EXPECT_EQ(read.well_formed.error().what, d.what) << d.name;
  }
  std::string two_faults = good;
  two_faults.replace(clock_field(0), 5, "xxxxx");
  two_faults.replace(square_field(2, 1), 3, "abc");
  EXPECT_EQ(read_move_line(two_faults).well_formed.error().column, 28);

  EXPECT_TRUE(read_move_line(good).well_formed);
  std::string signed_codes = good;
  signed_codes.replace(square_field(1, 1), 3, "+12");
  signed_codes.replace(square_field(1, 2), 3, "-3 ");
  EXPECT_TRUE(read_move_line(signed_codes).well_formed);
}

TEST(RecordReading, TheFirstDamagedMoveLineIsNotedAndTheRecordStillReads) {
  const std::string good = line_of(HistorySlot{});
  const std::string headers = "t\r\na\r\nb\r\n";
  EXPECT_EQ(read_text(headers + good + "\r\n" + good + "\r\n").first_damaged_line, 0);
  const Record r = read_text(headers + good + "\r\n" + "\x82\xA0garbage" + "\r\n" + good + "x\r\n");
  EXPECT_EQ(r.first_damaged_line, 5);
  EXPECT_EQ(r.moves.size(), 3u);
}

TEST(RecordReading, MoreMovesThanTheGameKeepsIsAnErrorWithItsLine) {
  std::string text = "t\r\na\r\nb\r\n";
  for (int n = 0; n <= MAX_RECORD_MOVES; ++n) text += "\r\n";
  std::istringstream in(text);
  const RecordResult result = read_record(in);
  ASSERT_FALSE(result);
  EXPECT_EQ(result.error().kind, RecordError::TooManyMoves);
  EXPECT_EQ(result.error().line, 3 + MAX_RECORD_MOVES + 1);
}

// A stream whose reads fail after `good` bytes, as a disk error would.
class FailingBuffer : public std::streambuf {
 public:
  explicit FailingBuffer(std::string text) : text_(std::move(text)) {
    setg(text_.data(), text_.data(), text_.data() + text_.size());
  }

 protected:
  int_type underflow() override { throw std::ios_base::failure("read error"); }

 private:
  std::string text_;
};

TEST(RecordReading, AReadErrorIsAnErrorWithItsLine) {
  FailingBuffer buffer("t\r\na\r\nb\r\n" + std::string(299, ' ') + "\r\n  1");
  std::istream in(&buffer);
  const RecordResult result = read_record(in);
  ASSERT_FALSE(result);
  EXPECT_EQ(result.error().kind, RecordError::CannotRead);
  EXPECT_EQ(result.error().line, 5);
}

TEST(RecordFileReading, AMissingFileOrAFolderCannotBeOpened) {
  TempFolder folder;
  std::filesystem::create_directory(folder.file("フォルダ.棋譜"));
  for (const std::string name : {"無い.棋譜", "フォルダ.棋譜"}) {
    const RecordResult result = read_record_file(folder.file(name));
    ASSERT_FALSE(result) << name;
    EXPECT_EQ(result.error().kind, RecordError::CannotOpen);
    EXPECT_TRUE(result.error().cause);
  }
}

}  // namespace
}  // namespace velmora
