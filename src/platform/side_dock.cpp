#include "platform/side_dock.h"

#include <QScreen>
#include <algorithm>

namespace velmora::platform {

SideDock::SideDock(const QString& title, QMainWindow& window, Qt::DockWidgetArea area)
    : QDockWidget(title, &window), window_(window) {
  setFeatures(QDockWidget::NoDockWidgetFeatures);  // shown and hidden by the game only
  setAllowedAreas(area);
  window.addDockWidget(area, this);
  hide();
}

void SideDock::show_beside_board(bool shown) {
  if (shown == !isHidden()) return;
  setVisible(shown);
  if (window_.isMaximized() || window_.isFullScreen()) return;
  if (!shown) {
    window_.resize(window_.width() - added_width_, window_.height());
    added_width_ = 0;
    return;
  }
  // Never wider than the screen, and never narrower than it was.
  const QScreen* screen = window_.screen();
  const int frame = window_.frameGeometry().width() - window_.width();
  const int widest = screen ? screen->availableGeometry().width() - frame : QWIDGETSIZE_MAX;
  const int width = std::max(window_.width(), std::min(window_.width() + sizeHint().width(), widest));
  added_width_ = std::max(0, width - window_.width());
  window_.resize(width, window_.height());
}

}  // namespace velmora::platform
