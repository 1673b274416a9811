// A panel in a dock of the main window, beside the board. Showing it widens
// the window by the panel's width, as far as the screen allows, so that the
// board keeps its size and nothing of the drawing lies under the panel;
// hiding it gives the width back. Where the screen has no room left the
// board gives up the room instead.
#pragma once

#include <QDockWidget>
#include <QMainWindow>

namespace velmora::platform {

class SideDock : public QDockWidget {
  Q_OBJECT

 public:
  // Made hidden, in `area` of `window`, fixed there.
  SideDock(const QString& title, QMainWindow& window, Qt::DockWidgetArea area);

  void show_beside_board(bool shown);

 private:
  QMainWindow& window_;
  int added_width_ = 0;  // what showing the dock added to the window's width
};

}  // namespace velmora::platform
