#include "platform/picture_command.h"

#include <QFile>
#include <memory>
#include <variant>

#include "assist/record_picture.h"
#include "notation/record_format.h"
#include "platform/board_picture.h"
#include "ports/null_ports.h"

namespace velmora::platform {
namespace {

std::string reading_failure(const RecordError& error) {
  std::string text;
  switch (error.kind) {
    case RecordError::CannotOpen: text = "cannot open it"; break;
    case RecordError::CannotRead: text = "cannot read line " + std::to_string(error.line); break;
    case RecordError::TooManyMoves:
      text = "more than " + std::to_string(MAX_RECORD_MOVES) + " moves (line " + std::to_string(error.line) + ")";
      break;
  }
  return error.cause ? text + ": " + error.cause.message() : text;
}

}  // namespace

int write_record_picture(const PictureRequest& request, const QString& working_folder, std::ostream& errors) {
  const std::string& path = request.record;
  const RecordResult result = read_record_file(path);
  if (!result) {
    errors << "velmora: record '" << path << "': " << reading_failure(result.error()) << "\n";
    return PICTURE_FAILED;
  }
  const Record& record = *result;
  const int moves = static_cast<int>(record.moves.size());
  const int n = request.move.value_or(moves);
  if (n > moves) {
    errors << "velmora: record '" << path << "' has " << moves << " moves, not " << n << "\n";
    return PICTURE_FAILED;
  }
  if (record.first_damaged_line != 0)
    errors << "velmora: record '" << path << "': line " << record.first_damaged_line
           << " is damaged; what cannot be read is shown empty\n";

  NullPorts silent;
  PictureScreen screen;
  const auto game = std::make_unique<Game>(Ports{screen, silent.dialogs, silent.sound, silent.clock});
  game->working_directory = working_folder.toStdString();
  show_record_position(*game, record, n, request.flipped);
  const Result<void, std::error_code> written =
      save_board_picture(*game, screen, QFile::decodeName(request.output.c_str()));
  if (!written) {
    errors << "velmora: cannot write '" << request.output << "': " << written.error().message() << "\n";
    return PICTURE_FAILED;
  }
  return 0;
}

}  // namespace velmora::platform
