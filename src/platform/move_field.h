// The move field (表示 → 指し手を入力, Ctrl+M): a small line at the foot of
// the board where a move is typed with the board's labels ("8786", "7572+",
// "P*55"). Enter plays it as the mouse would; an empty Enter closes the
// field. A wrong part is named beside the field and marked in the text,
// which stays for mending; no box opens for it. Esc ends the game here too,
// as everywhere on the board.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "platform/main_window.h"

namespace velmora::platform {

class MoveField : public QWidget {
  Q_OBJECT

 public:
  explicit MoveField(MainWindow& window);

  // Shows the field at the foot of the board with the keyboard in it.
  void open();
  QLineEdit& line() { return *line_; }
  QLabel& note() { return *note_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void enter();
  void close_field();

  MainWindow& window_;
  QLabel* caption_;
  QLineEdit* line_;
  QLabel* note_;
};

}  // namespace velmora::platform
