// Where one run of the game keeps its files.
#pragma once

#include <QString>

namespace velmora::platform {

// The data folder of the installed game, as seen from the folder of its
// executable ("../share/velmora" for an installation under one prefix).
extern const char* const INSTALLED_DATA_FOLDER;

struct GameFolders {
  QString working;  // Velmora.ini and the first folder of the record-file panel
  QString sounds;   // the six wave files
};

// The installed game, recognised by its data folder beside the executable's
// folder, reads the wave files from there and keeps its per-user files in
// $XDG_DATA_HOME/velmora (~/.local/share/velmora when the variable is unset or
// not an absolute path), which it creates. Started from the build tree, it
// keeps both in the current directory, as the game always has.
GameFolders game_folders(const QString& executable_folder, const QString& current_folder);

}  // namespace velmora::platform
