// The judges of well-formed files that the fuzz targets and the window
// monkey rely on: they pass what the game writes and name what it never does.
#include "fakes/file_shapes.h"

#include <gtest/gtest.h>

#include "notation/record_format.h"
#include "text/shift_jis.h"

namespace velmora {
namespace {

std::string shift_jis_lines(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += utf8_to_shift_jis(line) + end;
  return text;
}

TEST(FileShapes, SettingsFilesAsTheGameWritesThemPassAndOthersAreNamed) {
  const std::vector<std::string> written = {"背景画=竹",         "移動指導=ON", "経過時間=OFF",
                                            "チェス側持駒OK=ON", "BGM=OFF",     "主戦=韓国"};
  const std::pair<std::string, std::string> rows[] = {
      {"", "well-formed"},
      {shift_jis_lines(written), "well-formed"},
      {shift_jis_lines({"背景画=畳", "移動指導=OFF", "経過時間=ON", "BGM=ON", "主戦=日本"}), "well-formed"},
      {shift_jis_lines(written, "\n"), "a line is not ended by CR LF"},
      {shift_jis_lines({"BGM=on"}), "line 1 is no setting"},
      {shift_jis_lines({"BGM=ON", "移動指導=ON"}), "line 2 is out of order or repeated"},
      {shift_jis_lines({"主戦=日本", "主戦=日本"}), "line 2 is out of order or repeated"},
  };
  for (const auto& [bytes, expected] : rows)
    EXPECT_EQ(testing::settings_file_fault(bytes).value_or("well-formed"), expected) << bytes;
}

TEST(FileShapes, RecordFilesAsTheGameWritesThemPassAndOthersAreNamed) {
  MoveList list;
  list.slot(1).board(5, 9) = -OU;
  list.slot(1).hand_own[3] = 2;
  list.slot(1).clock_enemy_after = 1234;
  SaveNotes notes;
  const std::string file = format_record("題", "上", "下", list, 1, notes);
  std::string line = file.substr(file.size() - MOVE_LINE_LENGTH - 2, MOVE_LINE_LENGTH);
  auto with_line = [&](const std::string& changed) {
    return file.substr(0, file.size() - line.size() - 2) + changed + "\r\n";
  };

  std::string big_code = line, negative_clock = line, letter = line;
  big_code.replace(0, 3, " 28");
  negative_clock.replace(279, 5, "   -1");
  letter[250] = 'x';
  const std::pair<std::string, std::string> rows[] = {
      {file, "well-formed"},
      {"t\r\na\r\nb\r\n", "well-formed"},
      {"t\r\na\r\n", "the header lines are missing"},
      {with_line(line + " "), "line 4 is not laid out as a move line"},
      {with_line(line.substr(1)), "line 4 is not laid out as a move line"},
      {with_line(letter), "line 4 is not laid out as a move line"},
      {with_line(big_code), "line 4 holds a code out of range"},
      {with_line(negative_clock), "line 4 holds a negative clock"},
      {file.substr(0, file.size() - 1), "a line is not ended by CR LF"},
  };
  for (const auto& [bytes, expected] : rows)
    EXPECT_EQ(testing::record_file_fault(bytes).value_or("well-formed"), expected);

  const std::optional<std::vector<int>> fields = testing::written_move_fields(line);
  ASSERT_TRUE(fields);
  EXPECT_EQ((*fields)[8 + 9 * 4], -OU) << "square (5, 9)";
  EXPECT_EQ((*fields)[81 + 2 * 2], 2) << "own hand, index 3";
  EXPECT_EQ((*fields)[81 + 36 + 3], 1234) << "the enemy's clock after the move";
}

}  // namespace
}  // namespace velmora
