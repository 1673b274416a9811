// Velmora: the game in its desktop window. The working directory holds the
// settings file Velmora.ini and the wave files.
#include <QApplication>
#include <QDir>

#include "platform/desktop_game.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  velmora::platform::use_japanese_font();
  velmora::platform::DesktopGame game(QDir::currentPath(), velmora::platform::display_scale_for_primary_screen());
  game.open();
  return application.exec();
}
