// Velmora: the game in its desktop window. Started from the build tree, the
// working directory holds the settings file Velmora.ini and the wave files;
// the installed game keeps them apart (see game_folders.h).
#include <QApplication>
#include <QDir>
#include <iostream>

#include "platform/command_line.h"
#include "platform/desktop_game.h"
#include "platform/end_signals.h"
#include "platform/game_folders.h"
#include "platform/language.h"
#include "platform/picture_command.h"
#include "platform/pictures.h"

using namespace velmora::platform;

namespace {

// Help and the version are answered before the window system is opened, so
// they also work without a display.
bool answered_without_window(int argc, char** argv) {
  const CommandLine line = read_command_line(arguments_of(argc, argv));
  if (line.action == CommandLineAction::Help) std::cout << help_text();
  if (line.action == CommandLineAction::Version) std::cout << version_text();
  return line.action == CommandLineAction::Help || line.action == CommandLineAction::Version;
}

GameFolders folders_of_this_run() { return game_folders(QCoreApplication::applicationDirPath(), QDir::currentPath()); }

// A picture is drawn on Qt's offscreen platform: no display is needed and no
// window opens.
int write_picture(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const CommandLine line = read_command_line(arguments_of(argc, argv));
  if (line.action != CommandLineAction::Picture) {
    std::cerr << refusal_text(line);
    return 2;
  }
  // The labels of the board are drawn in the language asked for.
  if (const auto language = language_of_code(line.language)) choose_language(*language);
  return write_record_picture(line.picture, folders_of_this_run().working, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  if (answered_without_window(argc, argv)) return 0;
  if (asks_for_picture(arguments_of(argc, argv))) return write_picture(argc, argv);
  QApplication application(argc, argv);
  // Qt has taken its own options (such as -platform) out of argv by now.
  const CommandLine line = read_command_line(arguments_of(argc, argv));
  if (line.action == CommandLineAction::Refuse) {
    std::cerr << refusal_text(line);
    return 2;
  }
  if (const auto language = language_of_code(line.language)) choose_language_for_run(*language);
  // The first paint's pictures are scaled on another core while the fonts
  // are found and the window is built.
  const DisplayScale display = display_scale_for_primary_screen();
  begin_raw_pictures(display.image_scale());
  use_japanese_font();
  use_qt_translations();
  use_game_icon();
  const GameFolders folders = folders_of_this_run();
  DesktopGame game(folders.working, display, folders.sounds);
  // Logging out or closing the terminal ends the game as closing its window
  // does: the running match is kept.
  const EndSignals end_signals([&game] { game.window().end_by_signal(); });
  game.open();
  return application.exec();
}
