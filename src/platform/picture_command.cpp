#include "platform/picture_command.h"

#include <QFile>
#include <memory>
#include <variant>

#include "assist/record_picture.h"
#include "platform/board_picture.h"
#include "ports/null_ports.h"
#include "review/record_game.h"

namespace velmora::platform {
namespace {

std::string fault_line(const RecordFault& fault) {
  std::string text;
  if (fault.line != 0) text = "line " + std::to_string(fault.line) + ": ";
  return text + fault_text(fault);
}

}  // namespace

int write_record_picture(const PictureRequest& request, const QString& working_folder, std::ostream& errors) {
  const std::string& path = request.record;
  // The record is read and replayed as velmora-com --review reads it, so
  // both refuse the same files.
  const RecordGameResult result = read_record_game(path);
  if (!result) {
    errors << "velmora: record '" << path << "': " << fault_line(result.error()) << "\n";
    return PICTURE_FAILED;
  }
  const Record& record = result->record;
  const int moves = static_cast<int>(record.moves.size());
  const int n = request.move.value_or(moves);
  if (n > moves) {
    errors << "velmora: record '" << path << "' has " << moves << " moves, not " << n << "\n";
    return PICTURE_FAILED;
  }

  NullPorts silent;
  PictureScreen screen;
  const auto game = std::make_unique<Game>(Ports{screen, silent.dialogs, silent.sound, silent.clock});
  game->working_directory = working_folder.toStdString();
  show_record_position(*game, record, result->start, n, request.flipped);
  const Result<void, std::error_code> written =
      save_board_picture(*game, screen, QFile::decodeName(request.output.c_str()));
  if (!written) {
    errors << "velmora: cannot write '" << request.output << "': " << written.error().message() << "\n";
    return PICTURE_FAILED;
  }
  return 0;
}

}  // namespace velmora::platform
