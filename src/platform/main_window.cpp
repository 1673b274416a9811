#include "platform/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <thread>

#include "match/window.h"
#include "platform/board_reader.h"
#include "platform/language.h"
#include "resume/resume.h"

namespace velmora::platform {

namespace {

constexpr int TIMER1_INTERVAL_MS = 50;
// The longest time spent letting through the input queued during an event.
constexpr int QUEUED_INPUT_MS = 100;
// After placing the window its place is checked this often, for this long.
constexpr int PLACE_CHECK_INTERVAL_MS = 100;
constexpr int PLACE_CHECKS = 30;

bool has_items(MenuItem item) {
  for (const MenuEntry& entry : menu_entries()) {
    if (entry.parent == item) return true;
  }
  return false;
}

// The application's font enlarged by the zoom, so that the menus and message
// boxes grow with the drawing.
QFont zoomed_font(double zoom) {
  QFont font = QApplication::font();
  if (font.pointSizeF() > 0) {
    font.setPointSizeF(font.pointSizeF() * zoom);
  } else {
    font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * zoom)));
  }
  return font;
}

// The menu bar reads the icon of its extension button (shown where the menus
// do not fit) while it is made. Reading a picture file, Qt loads every
// picture-format plugin to learn its format, though the icon is Qt's own PNG,
// which Qt reads itself: the bar is made while no plugin folder is searched,
// and the folders are searched again at once, for every picture read later.
void make_menu_bar_without_plugins(QMainWindow& window) {
  const QStringList plugin_folders = QCoreApplication::libraryPaths();
  QCoreApplication::setLibraryPaths({});
  (void)window.menuBar();
  QCoreApplication::setLibraryPaths(plugin_folders);
}

// Opening these menus is an event of its own: it closes the record-file panel.
bool reports_opening(MenuItem item) {
  return item == MenuItem::TAIKYOKU || item == MenuItem::STOP || item == MenuItem::OPTION;
}

}  // namespace

MainWindow::MainWindow(TwipScale scale, double render_scale, const QString& record_folder)
    : scale_(scale),
      record_start_folder_(QDir(record_folder).absolutePath()),
      // The reader's view of the board is set before the board exists.
      canvas_((install_board_reader(), new Canvas(scale, render_scale, this))) {
  setWindowTitle(QStringLiteral("Velmora"));
  setFont(zoomed_font(scale.zoom));
  setCentralWidget(canvas_);
  make_menu_bar_without_plugins(*this);
  build_menus();
  timer1_.setInterval(TIMER1_INTERVAL_MS);
  place_check_.setInterval(PLACE_CHECK_INTERVAL_MS);
  connect(&place_check_, &QTimer::timeout, this, &MainWindow::check_place);
  connect(&timer1_, &QTimer::timeout, this, &MainWindow::tick_timer1);
  connect(canvas_, &Canvas::mouse_pressed, this, [this](int button, int shift, double x, double y) {
    dispatch([=](Game& g) { on_mouse_down(g, button, shift, x, y); });
  });
}

RecordPanel& MainWindow::record_panel() {
  if (record_panel_ != nullptr) return *record_panel_;
  record_panel_ = new RecordPanel(*this, scale_, record_start_folder_);
  connect(record_panel_, &RecordPanel::file_clicked, this, [this](const QString& folder, const QByteArray& name) {
    // The names are copied: the event may wait until the computer has moved.
    dispatch([folder = QFile::encodeName(folder).toStdString(), name = name.toStdString()](Game& g) {
      on_record_file_clicked(g, folder, name);
    });
  });
  connect(record_panel_, &RecordPanel::save_clicked, this,
          [this] { dispatch([](Game& g) { on_record_save_clicked(g); }); });
  Q_EMIT record_panel_built();
  return *record_panel_;
}

QString MainWindow::record_folder() const {
  return record_panel_ != nullptr ? record_panel_->folder() : record_start_folder_;
}

void MainWindow::place(QPoint frame_place, QSize size) {
  resize(size);
  move(frame_place);
  frame_place_ = frame_place;
  place_checks_left_ = PLACE_CHECKS;
  place_check_.start();
}

// Whether the window manager took the place for that of the contents or
// framed the window only afterwards, the frame's top must not lie above the
// place. Once the frame's size is known, the contents are put that far
// inside the place, which the window manager follows whatever it assumed.
void MainWindow::check_place() {
  if (--place_checks_left_ <= 0) place_check_.stop();
  QWindow* handle = windowHandle();
  if (handle == nullptr || frameGeometry().top() >= frame_place_.y()) return;
  const QMargins frame = handle->frameMargins();
  handle->setPosition(frame_place_ + QPoint(frame.left(), frame.top()));
}

QSize MainWindow::sizeHint() const { return canvas_->sizeHint() + QSize(0, menuBar()->sizeHint().height()); }

void MainWindow::build_menus() {
  std::map<MenuItem, QMenu*> menus;
  for (const MenuEntry& entry : menu_entries()) {
    const QString caption = QString::fromUtf8(entry.caption);
    QMenu* parent = entry.parent == MenuItem::NONE ? nullptr : menus.at(entry.parent);
    const MenuItem item = entry.item;
    if (has_items(item)) {
      QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
      set_shown_text(menu, entry.caption);
      menu->setAttribute(Qt::WA_WindowPropagation);  // the window's font
      menu->menuAction()->setObjectName(QString::fromUtf8(entry.name));
      menus[item] = menu;
      actions_[item] = menu->menuAction();
      if (reports_opening(item)) {
        connect(menu, &QMenu::aboutToShow, this, [this, item] { dispatch([item](Game& g) { on_menu(g, item); }); });
      }
      continue;
    }
    QAction* action = parent ? parent->addAction(caption) : menuBar()->addAction(caption);
    set_shown_text(action, entry.caption);
    action->setObjectName(QString::fromUtf8(entry.name));
    action->setCheckable(entry.checkable);
    actions_[item] = action;
    connect(action, &QAction::triggered, this, [this, item] { dispatch([item](Game& g) { on_menu(g, item); }); });
  }
}

QAction* MainWindow::action(MenuItem item) const {
  const auto found = actions_.find(item);
  return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::attach(Game& game) {
  game_ = &game;
  mirror_check_marks();
  timer1_.start();
}

void MainWindow::dispatch(const std::function<void(Game&)>& event, bool keeps_match) {
  if (game_ == nullptr || game_->program_ended) return;
  if (work_stop_ != nullptr) {
    waiting_events_.push_back(event);
    return;
  }
  if (event_depth_ == 0) put_due_question();  // no event overtakes the question to the player
  run_event(event, keeps_match);
}

// The player of the side to move is asked in an event of its own, once the
// event that handed it the turn has ended (its changes kept and shown).
void MainWindow::put_due_question() {
  if (game_ != nullptr && turn_due(*game_)) run_event([](Game& g) { on_turn_due(g); }, true);
}

void MainWindow::run_event(const std::function<void(Game&)>& event, bool keeps_match) {
  if (game_->program_ended) return;
  ++event_depth_;
  event(*game_);
  --event_depth_;
  if (event_depth_ == 0 && keeps_match) keep_match(*game_);
  show_changes();
  if (event_depth_ > 0) return;
  while (!waiting_events_.empty() && !game_->program_ended && !close_requested_) {
    const std::function<void(Game&)> waiting = std::move(waiting_events_.front());
    waiting_events_.pop_front();
    dispatch(waiting);
  }
  waiting_events_.clear();
  if (!closing_ && (game_->program_ended || close_requested_)) {
    close();
  } else if (canvas_->dropping_presses()) {
    drop_presses_made_meanwhile();
  }
  if (!closing_ && !close_requested_) put_due_question();
}

void MainWindow::show_changes() {
  if (game_ == nullptr) return;
  canvas_->set_margin_picture(game_->view.current_background);
  tell_board(*canvas_, *game_);
  mirror_check_marks();
  Q_EMIT changes_shown();
}

// Timer1 ticks outside events, and while the computer's search runs aside
// (the clock keeps running on the screen; the search works on a position of
// its own).
void MainWindow::tick_timer1() {
  if (work_stop_ != nullptr && game_ != nullptr && !game_->program_ended) {
    on_timer(*game_);
  } else if (event_depth_ == 0) {
    // A tick changes only the thinking time, which the kept match leaves out:
    // a long match costs nothing while the window rests.
    dispatch([](Game& g) { on_timer(g); }, false);
  }
}

// The loop ends when the work has finished, or earlier when the application
// quits (it ends every event loop): then the work is told to stop.
bool MainWindow::run_aside(const Clock::Work& work) {
  std::atomic<bool> stop{false};
  std::atomic<bool> finished{false};
  std::exception_ptr failure;
  QEventLoop loop;
  work_stop_ = &stop;
  std::thread worker([&] {
    try {
      work(stop);
    } catch (...) {
      failure = std::current_exception();
    }
    finished = true;
    QCoreApplication::postEvent(&loop, new QEvent(QEvent::Quit));
  });
  loop.exec();
  if (!finished) stop = true;
  worker.join();
  work_stop_ = nullptr;
  if (failure) std::rethrow_exception(failure);
  return !stop;
}

void MainWindow::dispatch_stopping_work(const std::function<void(Game&)>& event) {
  stop_work_aside();
  dispatch(event);
}

void MainWindow::stop_work_aside() {
  if (work_stop_ != nullptr) *work_stop_ = true;
}

// Presses on the board made while the computer moved or an animation ran
// still wait in the window system's queue: they are let through now and
// dropped by the canvas. Menu commands and keys made meanwhile are handled
// as usual.
void MainWindow::drop_presses_made_meanwhile() {
  QCoreApplication::processEvents(QEventLoop::AllEvents, QUEUED_INPUT_MS);
  canvas_->take_presses();
}

void MainWindow::mirror_check_marks() {
  if (game_ == nullptr) return;
  for (const MenuEntry& entry : menu_entries()) {
    if (entry.checkable) actions_.at(entry.item)->setChecked(menu_checked(*game_, entry.item));
  }
}

// Esc ends the program wherever the keyboard is, except in a text field
// being edited.
void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && qobject_cast<QLineEdit*>(focusWidget()) == nullptr) return press_escape();
  QMainWindow::keyPressEvent(event);
}

void MainWindow::tell_clocks_to_reader() {
  if (game_ != nullptr) tell_clocks(*canvas_, *game_);
}

void MainWindow::press_escape() {
  stop_work_aside();
  dispatch([](Game& g) { on_key_press(g, KEY_ESCAPE); });
}

// Idle, or while level 4 thinks, the signal closes the window: the search
// stops, the event ends and the match is written as the program ends. While
// a box or dialog waits for the player, who is not there, the file keeps the
// match as the last whole event left it and the program ends at once.
void MainWindow::end_by_signal() {
  if (game_ != nullptr && event_depth_ > 0 && work_stop_ == nullptr && QApplication::activeModalWidget() != nullptr) {
    keep_match_at_signal(*game_);
    std::_Exit(EXIT_SUCCESS);
  }
  close();
  // A file dialog of the menu 表示 would keep the program running.
  if (!isVisible() && QApplication::activeModalWidget() != nullptr) QCoreApplication::quit();
}

// A close request that arrives while an event runs (during one of its waits)
// is carried out once that event has finished.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (event_depth_ > 0) {
    stop_work_aside();
    close_requested_ = true;
    event->ignore();
    return;
  }
  closing_ = true;
  timer1_.stop();
  if (game_ != nullptr && !game_->program_ended) dispatch([](Game& g) { on_window_unload(g); });
  event->accept();
}

}  // namespace velmora::platform
