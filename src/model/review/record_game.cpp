#include "review/record_game.h"

namespace velmora {
namespace {

std::string reading_failure(const RecordError& error) {
  std::string text;
  switch (error.kind) {
    case RecordError::CannotOpen: text = "cannot open the record"; break;
    case RecordError::CannotRead: text = "cannot read the record"; break;
    case RecordError::TooManyMoves: text = "more than " + std::to_string(MAX_RECORD_MOVES) + " moves"; break;
  }
  return error.cause ? text + ": " + error.cause.message() : text;
}

}  // namespace

void take_record_position(HistorySlot& slot, const RecordPosition& p) {
  slot.board = p.board;
  slot.hand_own = p.hand_own;
  slot.hand_enemy = p.hand_enemy;
  slot.clock_own_before = p.clock_own_before;
  slot.clock_own_after = p.clock_own_after;
  slot.clock_enemy_before = p.clock_enemy_before;
  slot.clock_enemy_after = p.clock_enemy_after;
}

ReviewGame game_of_record(const Record& record, const RecordStart& start) {
  ReviewGame game;
  game.chess_sign = start.chess_sign;
  game.slots.reserve(record.moves.size() + 1);
  game.slots.push_back(start.start);
  for (const RecordPosition& p : record.moves) take_record_position(game.slots.emplace_back(), p);
  return game;
}

RecordGameResult read_record_game(const std::string& path) {
  RecordResult read = read_record_file(path);
  if (!read) return Failure{RecordFault{RecordFault::Unreadable, read.error().line, 0, reading_failure(read.error())}};
  RecordGame g;
  g.record = std::move(*read);
  const Record& record = g.record;
  if (record.first_damaged_line != 0)
    return Failure{RecordFault{RecordFault::Damaged, record.first_damaged_line,
                               record.first_damaged_line - HEADER_LINES,
                               "the move line is damaged (not 299 well-formed characters)"}};
  if (record.moves.empty()) return Failure{RecordFault{RecordFault::NoMove, 0, 0, "the record holds no move"}};
  HistorySlot first;
  take_record_position(first, record.moves.front());
  const RecordStartResult start = record_start(first);
  if (!start)
    return Failure{RecordFault{RecordFault::NoStart, HEADER_LINES + 1, 1,
                               "no start of the game leads to this position by a move the rules allow"}};
  g.start = *start;
  g.game = game_of_record(record, g.start);
  ReplayResult replayed = replay_game(g.game);
  if (!replayed) {
    const ReplayError& error = replayed.error();
    return Failure{RecordFault{RecordFault::Unplayable, HEADER_LINES + error.move, error.move, error.what}};
  }
  g.replayed = std::move(*replayed);
  return g;
}

std::string fault_text(const RecordFault& fault) {
  if (fault.move == 0 || fault.kind == RecordFault::Damaged) return fault.what;
  return "move " + std::to_string(fault.move) + ": " + fault.what;
}

}  // namespace velmora
