#include "record/record_files.h"

#include <variant>
#include <vector>

#include "notation/record_format.h"
#include "record/replay.h"
#include "review/record_game.h"
#include "rules/move_list.h"
#include "rules/turn_order.h"
#include "setup/new_game.h"
#include "text/shift_jis.h"
#include "text/text_files.h"
#include "view/phrases.h"
#include "view/system_reasons.h"
#include "view/texts.h"

namespace velmora {
namespace {

constexpr const char* RECORD_EXTENSION = ".棋譜";
constexpr const char* TITLE_SAVE = SHOWN("棋譜保存");
constexpr const char* TITLE_RECORD = SHOWN("棋譜");
constexpr const char* TITLE_BLANK = "  ";

// folder + "/" + name; no folder at all means the working directory, never
// the root of the file system.
std::string in_folder(const std::string& folder, const std::string& name) {
  return (folder.empty() ? std::string(".") : folder) + "/" + name;
}

bool usable_file_name(const std::string& name) { return name.find_first_of(std::string("/\0", 2)) == name.npos; }

std::string load_error_text(const RecordError& error, const std::string& path) {
  std::string text;
  switch (error.kind) {
    case RecordError::CannotOpen: text = SHOWN("棋譜ﾌｧｲﾙを開けません"); break;
    case RecordError::CannotRead: text = fill(PHRASE_CANNOT_READ_AT, std::to_string(error.line)); break;
    case RecordError::TooManyMoves: text = fill(PHRASE_TOO_MANY_MOVES_AT, std::to_string(error.line)); break;
  }
  text += "\n" + path;
  if (error.cause) {
    text += '\n';
    text += reason_text(error.cause);
  }
  return text;
}

// Slots 1..n take the positions of the record; the destinations and codes of
// earlier play stay as they were.
void fill_move_list(Game& g, const Record& record) {
  int n = 0;
  for (const RecordPosition& p : record.moves) take_record_position(g.pos.history.slot(++n), p);
  g.pos.history.set_length(n);
}

// The characters of the three header texts that Shift-JIS cannot hold, for
// the question before saving ("" when there are none).
std::string characters_to_replace(const RecordFields& fields) {
  constexpr std::size_t MAX_LISTED = 20;
  const std::vector<std::string> missing =
      characters_without_shift_jis(fields.title + "\n" + fields.first + "\n" + fields.second);
  std::string listed;
  for (std::size_t i = 0; i < missing.size() && i < MAX_LISTED; ++i) listed += (i ? " " : "") + missing[i];
  if (missing.size() > MAX_LISTED) listed += " …";
  return listed;
}

// Asks before a text is saved with "?" in place of characters the file
// cannot hold; true to save.
bool replacement_accepted(Game& g, const RecordFields& fields) {
  const std::string listed = characters_to_replace(fields);
  if (listed.empty()) return true;
  const std::string text =
      SHOWN("次の文字は棋譜ﾌｧｲﾙに書き込めません") "\n" + listed + "\n\n" SHOWN("\"?\" に置き換えて書き込みますか？");
  return g.ports.dialogs.message_box(text, TITLE_SAVE, Buttons::YesNo, Icon::Exclamation) == Answer::Yes;
}

void tell_what_was_fitted(Game& g, const SaveNotes& notes) {
  if (notes.hand_clamped)
    show_message(g, SHOWN("持駒が10枚以上の局面は9枚として書き込みました"), TITLE_SAVE, Icon::Exclamation);
  if (notes.clock_clamped)
    show_message(g, SHOWN("99999秒を超える所有時間は99999秒として書き込みました"), TITLE_SAVE, Icon::Exclamation);
}

// Whether the chess army sits at the bottom of the list's start.
bool chess_at_bottom_of(const MoveList& list) {
  Position start;
  start.board = list.slot(0).board;
  調査_先手後手(start);
  return start.chess_sign == -1;
}

// The record of the list turned round: the main army at the bottom.
std::string turned_record(const RecordFields& fields, const MoveList& list, SaveNotes& notes) {
  const int length = list.record_length;
  MoveList turned = list;
  for (int n = 0; n <= length; ++n) turn_slot(turned.slot(n));
  return format_record(fields.title, fields.second, fields.first, turned, length, notes);
}

}  // namespace

void kifu_read_click(Game& g) {
  描画_可視(g, true, true, true);
  描画_棋譜_IO(g, RecordPanelMode::Read);
}

void kifu_write_click(Game& g) {
  描画_可視(g, true, true, false);
  描画_棋譜_IO(g, RecordPanelMode::Write);
}

std::string record_bytes(const Game& g, const RecordFields& fields, SaveNotes& notes) {
  const MoveList& list = g.pos.history;
  const int length = list.record_length;
  // A match played over the network is written as the main army's player
  // sees it, so that both machines write the same file.
  if (g.list_from_network && chess_at_bottom_of(list)) return turned_record(fields, list, notes);
  // The names go top line first: the chess army (後手) sits on top unless
  // the board has been flipped.
  if (g.pos.chess_sign == +1) return format_record(fields.title, fields.second, fields.first, list, length, notes);
  return format_record(fields.title, fields.first, fields.second, list, length, notes);
}

void record_save_click(Game& g) {
  Dialogs& dialogs = g.ports.dialogs;
  const RecordFields fields = dialogs.record_fields();
  if (fields.file_name.empty()) return show_message(g, SHOWN("ﾌｧｲﾙ名が入力されていません"), TITLE_BLANK);
  if (g.pos.history.record_length < 1) return show_message(g, SHOWN("保存するデータがありません"), TITLE_SAVE);
  if (!usable_file_name(fields.file_name))
    return show_message(g, SHOWN("ﾌｧｲﾙ名に \"/\" は使えません"), TITLE_BLANK, Icon::Exclamation);
  if (g.pos.history.record_length > MAX_RECORD_MOVES)
    return show_message(g, SHOWN("手数が多すぎて保存できません"), TITLE_SAVE, Icon::Exclamation);
  if (!replacement_accepted(g, fields)) return;  // the fields stay for the user to correct

  SaveNotes notes;
  const std::string bytes = record_bytes(g, fields, notes);
  const std::string path = in_folder(dialogs.record_folder(), fields.file_name + RECORD_EXTENSION);
  if (const Result<void, std::error_code> written = replace_file(path, bytes); !written)
    return show_message(g, SHOWN("棋譜ﾌｧｲﾙを書き込めません") "\n" + path + "\n" + reason_text(written.error()),
                        TITLE_SAVE, Icon::Exclamation);

  close_record_panel(g);
  dialogs.refresh_record_files();
  show_message(g, SHOWN("棋譜を書き込みました"), TITLE_BLANK);
  tell_what_was_fitted(g, notes);
}

void record_file_click(Game& g, const std::string& folder, const std::string& file_name) {
  描画_可視(g, false, false, false);
  const std::string path = in_folder(folder, file_name);
  // The whole file is read before the match is touched, so a file that
  // cannot be read leaves the match and the move list as they were.
  const RecordResult result = read_record_file(path);
  if (!result) return show_message(g, load_error_text(result.error(), path), TITLE_RECORD, Icon::Exclamation);
  const Record& record = *result;
  std::optional<RecordStart> start;
  if (!find_record_start(g, record, start)) return;

  show_record(g, record, start);
  if (g.pos.history.record_length == 0) return show_message(g, SHOWN("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"), TITLE_RECORD);
  show_message(g, SHOWN(" 読み込みました"), TITLE_RECORD);
  if (record.first_damaged_line != 0)
    show_message(g,
                 fill(PHRASE_DAMAGED_AT, std::to_string(record.first_damaged_line)) +
                     "\n" SHOWN("読めない所は空きとして読み込みました"),
                 TITLE_RECORD, Icon::Exclamation);
  show_message(g, SHOWN("棋譜を '進 'で進めて下さい"), TITLE_RECORD);
  take_turn_of_record(g.pos);
}

bool find_record_start(Game& g, const Record& record, std::optional<RecordStart>& start) {
  start.reset();
  if (!record.first_move_whole()) return true;
  HistorySlot first;
  take_record_position(first, record.moves.front());
  const RecordStartResult found = record_start(first);
  if (!found) {
    show_message(g, fill(PHRASE_NO_START_AT, std::to_string(found.error().move)), TITLE_RECORD, Icon::Exclamation);
    return false;
  }
  start = *found;
  return true;
}

void show_record(Game& g, const Record& record, const std::optional<RecordStart>& start) {
  初期設定(g);
  g.record_mode = true;
  fill_move_list(g, record);
  g.assist.list_chess_drops = false;  // a record does not say; the review looks at its drops
  if (start) set_record_start(g, *start);
  描画_棋譜見出し(g, record.title, record.top_name, record.bottom_name);
  g.pos.move_number = 0;
  g.com.move_counter = 0;
}

}  // namespace velmora
