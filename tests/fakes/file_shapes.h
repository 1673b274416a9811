// The shapes of the files the game writes, judged by their bytes: the
// settings file Velmora.ini and the ".棋譜" record files.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::testing {

// The numbers of a move line laid out as the game writes it (81 board codes
// of 3 characters, 36 hand digits, 4 clock totals of 5, numbers
// right-aligned), in line order; nothing when the line is laid out otherwise.
std::optional<std::vector<int>> written_move_fields(std::string_view line);

// What is wrong with a settings file: each line ended by CR LF, each one of
// the settings the game writes (in Shift-JIS), the keys in the game's order
// and none twice. Nothing when it is well-formed.
std::optional<std::string> settings_file_fault(std::string_view bytes);

// What is wrong with a record file: every line ended by CR LF, at least the
// three header lines, and every further line a move line as the game writes
// it, with piece codes and clock totals in range. Nothing when well-formed.
std::optional<std::string> record_file_fault(std::string_view bytes);

}  // namespace velmora::testing
