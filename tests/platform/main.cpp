// The window tests run on Qt's offscreen platform unless another is chosen.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/desktop_game.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // each test closes its own window
  velmora::platform::use_japanese_font();
  return RUN_ALL_TESTS();
}
