// velmora --picture: the picture of a position of a game record, written
// without a window by the same drawing as 表示 → 局面を画像で保存.
#pragma once

#include <QString>
#include <ostream>

#include "platform/command_line.h"

namespace velmora::platform {

// Exit status of a picture that could not be made: a record that cannot be
// read, a move it does not have, an output file that cannot be written.
inline constexpr int PICTURE_FAILED = 2;

// Writes the picture `request` asks for; the background and the options are
// those of the settings file in `working_folder`, read and never written.
// Says on `errors` what went wrong and returns 0 or PICTURE_FAILED. Needs a
// QGuiApplication.
int write_record_picture(const PictureRequest& request, const QString& working_folder, std::ostream& errors);

}  // namespace velmora::platform
