// The main window "Velmora": the menu bar, the canvas with the record-file
// panel (built when it is first needed), and Timer1's 50 ms ticks. Every
// window event goes to the game's handler; afterwards the window shows what
// was drawn, mirrors the option check marks and closes once the program has
// ended.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QTimer>
#include <atomic>
#include <deque>
#include <functional>
#include <map>

#include "game/game.h"
#include "platform/canvas.h"
#include "platform/record_panel.h"
#include "platform/twips.h"
#include "shell/menu.h"

namespace velmora::platform {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(TwipScale scale, double render_scale, const QString& record_folder);

  Canvas& canvas() { return *canvas_; }
  // The record-file panel, built the first time it is asked for: most runs
  // never show it, and its lists and fields were the costliest part of the
  // window's making.
  RecordPanel& record_panel();
  // The panel once built, otherwise null (its lists and fields are then
  // hidden and empty).
  RecordPanel* built_record_panel() const { return record_panel_; }
  // The folder of the panel's folder list (the start folder until built).
  QString record_folder() const;
  // The menu action of an item (for a menu: the action that opens it).
  QAction* action(MenuItem item) const;

  // From now on the window's events go to `game`, and Timer1 ticks.
  void attach(Game& game);
  // Runs one event of the game, then keeps the match for 前回の対局を再開
  // (unless `keeps_match` is false), shows the changes, mirrors the check
  // marks and closes the window when the program has ended. Timer ticks that
  // fall inside another event (during its waits and dialogs) are skipped.
  void dispatch(const std::function<void(Game&)>& event, bool keeps_match = true);

  // Runs `event` as dispatch() does, after stopping the work running aside
  // (false for its caller): the event need not wait for that work to end.
  void dispatch_stopping_work(const std::function<void(Game&)>& event);

  // Runs the work of an event (the computer's search) on a thread of its own
  // and returns when it has finished: meanwhile the window paints and Timer1
  // ticks; Esc and closing the window stop the work (false) and are carried
  // out once the event has ended; other commands wait until then, and clicks
  // on the board are dropped. Quitting the application stops the work too.
  // An exception of the work is thrown again here, on the window's thread.
  bool run_aside(const Clock::Work& work);

  // Puts the window's frame at `frame_place` with contents of `size`
  // (pixels). The window manager tells the size of the frame only once the
  // window is on screen, in its own time; for a while the place is checked
  // again, and the window moved back whenever its title bar lies above it.
  void place(QPoint frame_place, QSize size);

  QSize sizeHint() const override;

  // An event of the game is running (within one of its waits or boxes).
  bool in_event() const { return event_depth_ > 0; }

  // Shows what the running event has changed so far: the drawing, the board's
  // description for a screen reader, the check marks and, through
  // changes_shown, what follows the game beside it. Done
  // after every event and before a message box opens.
  void show_changes();

  // The session ends (SIGTERM, SIGHUP): the game ends as closing the window
  // ends it, with the match kept for 前回の対局を再開.
  void end_by_signal();

  // Esc: the game ends at once (the running match is kept).
  void press_escape();
  // Tells a screen reader both armies' clocks (T on the board).
  void tell_clocks_to_reader();

 Q_SIGNALS:
  // What an event changed so far is shown (after it, or before a box).
  void changes_shown();
  // The record-file panel has just been built.
  void record_panel_built();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_menus();
  void mirror_check_marks();
  void drop_presses_made_meanwhile();
  void run_event(const std::function<void(Game&)>& event, bool keeps_match);
  void put_due_question();
  void tick_timer1();
  void stop_work_aside();
  void check_place();

  TwipScale scale_;
  QString record_start_folder_;  // absolute
  Canvas* canvas_;
  RecordPanel* record_panel_ = nullptr;
  QTimer timer1_;
  QTimer place_check_;
  QPoint frame_place_;
  int place_checks_left_ = 0;
  std::map<MenuItem, QAction*> actions_;
  Game* game_ = nullptr;
  int event_depth_ = 0;
  bool closing_ = false;
  bool close_requested_ = false;
  std::atomic<bool>* work_stop_ = nullptr;  // set while work runs aside
  std::deque<std::function<void(Game&)>> waiting_events_;
};

}  // namespace velmora::platform
