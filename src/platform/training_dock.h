// The panel of 練習問題 beside the board: the counts of answers solved and
// missed and of positions due, the filters by army and by drops, and the
// commands ヒント, 解答, 次の問題 and 閉じる. While a position is on the board
// the game's own menus rest, so that no match starts from it.
#pragma once

#include <QComboBox>
#include <QLabel>

#include "platform/main_window.h"
#include "platform/side_dock.h"
#include "training/training_session.h"

namespace velmora::platform {

class TrainingDock : public SideDock {
  Q_OBJECT

 public:
  TrainingDock(MainWindow& window, TrainingSession& session);

  // 表示 → 練習問題: the next due position on the board and the panel shown.
  void open();

 private:
  void run(void (*command)(Game&, TrainingSession&));
  void take_filter();
  // The counts, and the game's menus resting while a position is shown.
  void follow();

  MainWindow& window_;
  TrainingSession& session_;
  QLabel* status_;
  QComboBox* army_;
  QComboBox* drops_;
};

}  // namespace velmora::platform
