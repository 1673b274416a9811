// Saving and loading ".棋譜" game-record files through the record-file panel.
#pragma once

#include <optional>
#include <string>

#include "game/game.h"
#include "notation/record_format.h"
#include "review/record_start.h"

namespace velmora {

void 描画_可視(Game& g, bool drive, bool folder, bool files);
// The record panel's two ways: writing a record shows the four fields (file
// name, title, both players) and the RETURN button; reading one clears and
// hides them, as a closed panel leaves them.
enum class RecordPanelMode { Write, Read };
void 描画_棋譜_IO(Game& g, RecordPanelMode mode);
// Hides the panel: 描画_可視(false, false, false) then 描画_棋譜_IO(Read).
void close_record_panel(Game& g);

void kifu_read_click(Game& g);
void kifu_write_click(Game& g);
// Command1 ("RETURN"): saves the move list under the panel's folder and file name.
void record_save_click(Game& g);
// The bytes of the record of the move list with the names of `fields`, as
// the save writes them.
std::string record_bytes(const Game& g, const RecordFields& fields, SaveNotes& notes);
// File1 click: loads folder/file_name.
void record_file_click(Game& g, const std::string& folder, const std::string& file_name);
// The start of a record as the window takes it: the one its first move
// leads from (record_start), or none when its first move line is not whole
// (the record then starts from a new game's position, as it reads). A first
// position no start leads to is told with one message; then the answer is
// false and nothing changes.
bool find_record_start(Game& g, const Record& record, std::optional<RecordStart>& start);

// A record read from a file fills the move list over a new game and is shown
// at its start, `start` when it has one, with its header (record mode); tells
// nothing.
void show_record(Game& g, const Record& record, const std::optional<RecordStart>& start);

}  // namespace velmora
