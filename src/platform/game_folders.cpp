#include "platform/game_folders.h"

#include <QDir>
#include <QFileInfo>

namespace velmora::platform {

const char* const INSTALLED_DATA_FOLDER = VELMORA_DATA_FROM_BIN;

namespace {

QString user_data_home() {
  const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
  if (!configured.isEmpty() && QDir::isAbsolutePath(configured)) return configured;
  return QDir::homePath() + QStringLiteral("/.local/share");
}

}  // namespace

GameFolders game_folders(const QString& executable_folder, const QString& current_folder) {
  const QString data_folder = QDir(executable_folder).filePath(QString::fromUtf8(INSTALLED_DATA_FOLDER));
  if (!QFileInfo(data_folder).isDir()) return {current_folder, current_folder};
  const QString user_folder = QDir(user_data_home()).filePath(QStringLiteral("velmora"));
  // When the folder cannot be made the game still runs: the settings then fall
  // back to their defaults as for any settings file that cannot be written.
  QDir().mkpath(user_folder);
  return {user_folder, QDir::cleanPath(data_folder)};
}

}  // namespace velmora::platform
