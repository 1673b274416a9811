#include "platform/view_menu.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStandardPaths>
#include <QWidgetAction>
#include <chrono>

#include "assist/effect_volume.h"
#include "assist/hint.h"
#include "assist/match_review.h"
#include "assist/preferences.h"
#include "assist/record_text.h"
#include "assist/take_back.h"
#include "assist/time_controls.h"
#include "com/ladder_rungs.h"
#include "platform/access_keys.h"
#include "platform/board_picture.h"
#include "platform/keyboard.h"
#include "platform/language.h"
#include "platform/time_control_dialog.h"
#include "resume/match_keeper.h"
#include "resume/resume.h"
#include "view/board_view.h"
#include "view/system_reasons.h"
#include "view/texts.h"

namespace velmora::platform {
namespace {

// A picture that could not be written is told with the system's reason.
void tell_failed_write(Game& g, const QString& path, const Result<void, std::error_code>& written) {
  if (!written)
    show_message(g, QT_TRID_NOOP("書き込めません") "\n" + path.toStdString() + "\n" + reason_text(written.error()),
                 "表示", Icon::Exclamation);
}

}  // namespace

ViewMenu::ViewMenu(MainWindow& window, QtScreen& screen, Game& game)
    : window_(window), screen_(screen), game_(game), menu_(window.menuBar()->addMenu(QString())) {
  set_shown_text(menu_, QT_TRID_NOOP("表示"));
  menu_->setAttribute(Qt::WA_WindowPropagation);  // the window's font
  menu_->menuAction()->setObjectName(QStringLiteral("VIEW"));
  screen.set_move_list_view([this] {
    if (dock_ != nullptr) dock_->follow_at_once();
  });
  // A level chosen is kept for the next run, once the game has taken it.
  for (MenuItem level : {MenuItem::LEVEL1, MenuItem::LEVEL2, MenuItem::LEVEL3, MenuItem::LEVEL4})
    connect(window.action(level), &QAction::triggered, this, [this] { window_.dispatch(remember_level); });
  add_ladder_rungs();
  add_game_commands();
  add_training();
  add_time_controls();
  menu_->addSeparator();
  add_exports();
  menu_->addSeparator();
  add_volume();
  menu_->addSeparator();
  add_languages();
  add_help();
}

MoveListDock& ViewMenu::dock() {
  if (dock_ != nullptr) return *dock_;
  dock_ = new MoveListDock(window_, game_);
  add_arrow_keys(window_, dock_->list());
  order_tabs();
  // The graph is saved where and as the position's picture is.
  connect(&dock_->review_panel(), &ReviewPanel::save_graph_requested, this, [this] {
    const QString path = ask_save_path(ExportKind::Picture, shown(QT_TRID_NOOP("グラフを画像で保存")),
                                       shown(REVIEW_TITLE) + QStringLiteral(".png"), QStringLiteral("PNG (*.png)"));
    if (path.isEmpty()) return;
    window_.dispatch([this, path](Game& g) { tell_failed_write(g, path, dock_->review_panel().save_graph(path)); });
  });
  return *dock_;
}

MoveField& ViewMenu::move_field() {
  if (move_field_ != nullptr) return *move_field_;
  move_field_ = new MoveField(window_);
  order_tabs();
  return *move_field_;
}

// Tab goes from the board to the move field (while open), the move list and
// the review under it, as they stand on the screen.
void ViewMenu::order_tabs() {
  QWidget* previous = &window_.canvas();
  const auto then = [&previous](QWidget* next) {
    QWidget::setTabOrder(previous, next);
    previous = next;
  };
  if (move_field_ != nullptr) then(&move_field_->line());
  if (dock_ != nullptr) {
    then(&dock_->list());
    then(&dock_->review_panel());
  }
}

QAction* ViewMenu::find(const char* name) const {
  for (QAction* action : menu_->actions())
    if (action->objectName() == QLatin1String(name)) return action;
  return nullptr;
}

void ViewMenu::add_game_commands() {
  QAction* move_list = menu_->addAction(QString());
  set_shown_text(move_list, QT_TRID_NOOP("棋譜一覧"));
  move_list->setObjectName(QStringLiteral("MOVE_LIST"));
  move_list->setCheckable(true);
  move_list->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  connect(move_list, &QAction::toggled, this, &ViewMenu::show_move_list);

  // 待った chosen while level 4 thinks stops the search: the person's move is
  // taken back and the computer's reply never played. The others wait.
  const struct {
    const char* name;
    const char* caption;
    QKeySequence keys;
    void (*command)(Game&);
    bool stops_search;
  } commands[] = {
      {"TAKE_BACK", QT_TRID_NOOP("待った"), QKeySequence(Qt::CTRL | Qt::Key_Z), take_back, true},
      {"TAKE_BACK_REDO", QT_TRID_NOOP("待った取消"), QKeySequence(Qt::CTRL | Qt::Key_Y), take_back_redo, false},
      {"HINT", QT_TRID_NOOP("ヒント"), QKeySequence(Qt::Key_F2), hint_click, false},
      {"RESUME_MATCH", QT_TRID_NOOP("前回の対局を再開"), QKeySequence(Qt::CTRL | Qt::Key_R), resume_match_click, false},
  };
  for (const auto& c : commands) {
    QAction* action = menu_->addAction(QString());
    set_shown_text(action, c.caption);
    action->setObjectName(QString::fromUtf8(c.name));
    action->setShortcut(c.keys);
    connect(action, &QAction::triggered, this, [this, command = c.command, stops = c.stops_search] {
      if (stops)
        window_.dispatch_stopping_work(command);
      else
        window_.dispatch(command);
    });
  }
  // 対局解析 shows its progress, marks and graph with the move list.
  QAction* review = menu_->addAction(QString());
  set_shown_text(review, REVIEW_TITLE);
  review->setObjectName(QStringLiteral("REVIEW"));
  review->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
  connect(review, &QAction::triggered, this, [this] {
    find("MOVE_LIST")->setChecked(true);
    window_.dispatch([this](Game& g) {
      dock().review(g);
      collect_training(g);
    });
  });
  QAction* type_move = menu_->addAction(QString());
  set_shown_text(type_move, QT_TRID_NOOP("指し手を入力"));
  type_move->setObjectName(QStringLiteral("TYPE_MOVE"));
  type_move->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
  connect(type_move, &QAction::triggered, this, [this] { move_field().open(); });
  // 前回の対局を再開 is enabled only while there is a match to resume.
  connect(&window_, &MainWindow::changes_shown, this, &ViewMenu::follow_match_to_resume);
}

ViewMenu::~ViewMenu() { set_teaching_game(game_, teaching_, false); }

void ViewMenu::add_training() {
  training_.now = [] {
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
  };
  QAction* training = menu_->addAction(QString());
  set_shown_text(training, TRAINING_TITLE);
  training->setObjectName(QStringLiteral("TRAINING"));
  // The panel is made when first opened: the window starts without its cost.
  connect(training, &QAction::triggered, this, [this] {
    if (training_dock_ == nullptr) training_dock_ = new TrainingDock(window_, training_);
    training_dock_->open();
  });
  QAction* teaching = menu_->addAction(QString());
  set_shown_text(teaching, TEACHING_TITLE);
  teaching->setObjectName(QStringLiteral("TEACHING"));
  teaching->setCheckable(true);
  connect(teaching, &QAction::toggled, this, [this](bool on) {
    window_.dispatch([this, on](Game& g) {
      set_teaching_game(g, teaching_, on);
      write_preferences(g);
    });
  });
}

void ViewMenu::collect_training(Game& g) {
  const int candidates = review_candidates(g);
  if (candidates == 0) return;
  ReviewProgress progress;
  dock().review_panel().begin(progress, candidates);
  (void)collect_review(g, training_, progress);
  dock().review_panel().end();
}

void ViewMenu::follow_match_to_resume() {
  find("RESUME_MATCH")->setEnabled(match_to_resume(game_) && !training_on(training_));
}

// 持ち時間... asks for both armies' controls; the game keeps and applies them.
void ViewMenu::add_time_controls() {
  QAction* controls = menu_->addAction(QString());
  set_shown_text(controls, QT_TRID_NOOP("持ち時間..."));
  controls->setObjectName(QStringLiteral("TIME_CONTROLS"));
  connect(controls, &QAction::triggered, this, [this] {
    const std::optional<TimeControls> chosen = ask_time_controls(&window_, game_.assist.time_controls);
    if (chosen) window_.dispatch([controls = *chosen](Game& g) { choose_time_controls(g, controls); });
  });
}

// The rungs stand after LEVEL4 in the level menu, weakest first, and follow
// the game's check marks after every event.
void ViewMenu::add_ladder_rungs() {
  QMenu* levels = window_.action(MenuItem::LEVEL)->menu();
  levels->addSeparator();
  for (int rung = 1; rung <= LADDER_RUNG_COUNT; ++rung) {
    QAction* action = levels->addAction(QString());
    set_shown_text(action, LADDER_CAPTIONS[rung - 1]);
    action->setObjectName(QStringLiteral("LADDER%1").arg(rung));
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, rung] {
      window_.dispatch([rung](Game& g) {
        ladder_click(g, rung);
        remember_level(g);
      });
    });
    connect(&window_, &MainWindow::changes_shown, action,
            [this, action, rung] { action->setChecked(ladder_checked(game_, rung)); });
  }
}

void ViewMenu::add_exports() {
  QAction* copy = menu_->addAction(QString());
  set_shown_text(copy, QT_TRID_NOOP("局面を画像でコピー"));
  copy->setObjectName(QStringLiteral("COPY_PICTURE"));
  connect(copy, &QAction::triggered, this,
          [this] { window_.dispatch([this](Game& g) { copy_board_picture(g, screen_); }); });

  QAction* picture = menu_->addAction(QString());
  set_shown_text(picture, QT_TRID_NOOP("局面を画像で保存..."));
  picture->setObjectName(QStringLiteral("SAVE_PICTURE"));
  connect(picture, &QAction::triggered, this, [this] {
    const QString path = ask_save_path(ExportKind::Picture, shown(QT_TRID_NOOP("局面を画像で保存")),
                                       shown(QT_TRID_NOOP("局面.png")), QStringLiteral("PNG (*.png)"));
    if (path.isEmpty()) return;
    window_.dispatch([this, path](Game& g) { tell_failed_write(g, path, save_board_picture(g, screen_, path)); });
  });

  QAction* text = menu_->addAction(QString());
  set_shown_text(text, QT_TRID_NOOP("棋譜をテキストで保存..."));
  text->setObjectName(QStringLiteral("SAVE_TEXT"));
  connect(text, &QAction::triggered, this, [this] {
    const QString path = ask_save_path(ExportKind::Text, shown(QT_TRID_NOOP("棋譜をテキストで保存")),
                                       shown(QT_TRID_NOOP("棋譜.txt")), shown(QT_TRID_NOOP("テキスト (*.txt)")));
    if (!path.isEmpty()) window_.dispatch([path](Game& g) { save_record_text(g, path.toStdString(), shown_utf8); });
  });
}

// The slider sits in the menu itself; the loudness is taken when the slider
// is let go (or moved by the keys), not at every step of a drag.
void ViewMenu::add_volume() {
  auto* row = new QWidget(menu_);
  auto* layout = new QHBoxLayout(row);
  auto* volume_label = new QLabel(row);
  set_shown_text(volume_label, QT_TRID_NOOP("効果音量"));
  layout->addWidget(volume_label);
  volume_ = new QSlider(Qt::Horizontal, row);
  volume_->setObjectName(QStringLiteral("EFFECT_VOLUME"));
  volume_->setRange(0, FULL_EFFECT_VOLUME);
  volume_->setValue(FULL_EFFECT_VOLUME);
  layout->addWidget(volume_);
  auto* slider_action = new QWidgetAction(menu_);
  slider_action->setDefaultWidget(row);
  menu_->addAction(slider_action);
  const auto take_volume = [this] {
    const int percent = volume_->value();
    window_.dispatch([percent](Game& g) { set_effect_volume(g, percent); });
  };
  connect(volume_, &QSlider::sliderReleased, this, take_volume);
  connect(volume_, &QSlider::valueChanged, this, [this, take_volume] {
    if (!volume_->isSliderDown()) take_volume();
  });

  mute_ = menu_->addAction(QString());
  set_shown_text(mute_, QT_TRID_NOOP("効果音ミュート"));
  mute_->setObjectName(QStringLiteral("EFFECT_MUTE"));
  mute_->setCheckable(true);
  connect(mute_, &QAction::toggled, this,
          [this](bool muted) { window_.dispatch([muted](Game& g) { set_effects_muted(g, muted); }); });
}

void ViewMenu::show_dock(bool shown) {
  if (shown || dock_ != nullptr) dock().show_beside_board(shown);
}

void ViewMenu::show_move_list(bool shown) {
  show_dock(shown);
  window_.dispatch([shown](Game& g) {
    g.assist.move_list_shown = shown;
    write_preferences(g);
  });
}

void ViewMenu::start() {
  window_.dispatch([](Game& g) {
    read_preferences(g);
    apply_effect_volume(g);
    look_for_match_to_resume(g);
  });
  // The language remembered from the last run, unless this run was given one.
  const auto remembered = language_of_code(game_.assist.language);
  if (!language_given_for_run() && remembered && *remembered != chosen_language()) choose_language(*remembered);
  if (chosen_language() != Language::Japanese) show_in_chosen_language();
  // Told in the window's language when another window keeps the folder's match.
  window_.dispatch([](Game& g) { claim_kept_match(g); });
  const AssistState& assist = game_.assist;
  {
    const QSignalBlocker quiet_slider(volume_);
    const QSignalBlocker quiet_mute(mute_);
    volume_->setValue(assist.effect_volume);
    mute_->setChecked(assist.effects_muted);
  }
  QAction* teaching = find("TEACHING");
  {
    const QSignalBlocker quiet_teaching(teaching);
    teaching->setChecked(assist.teaching_game);
  }
  set_teaching_game(game_, teaching_, assist.teaching_game);
  QAction* move_list = find("MOVE_LIST");
  const QSignalBlocker quiet_list(move_list);
  move_list->setChecked(assist.move_list_shown);
  show_dock(assist.move_list_shown);
}

// Each language is named in itself, whatever the window speaks.
void ViewMenu::add_languages() {
  QMenu* languages = menu_->addMenu(QString());
  set_shown_text(languages, QT_TRID_NOOP("言語"));
  languages->setAttribute(Qt::WA_WindowPropagation);  // the window's font
  languages->menuAction()->setObjectName(QStringLiteral("LANGUAGE"));
  languages_ = new QActionGroup(languages);
  for (const auto& [language, name] :
       {std::pair{Language::Japanese, "日本語"}, std::pair{Language::English, "English"}}) {
    QAction* action = languages->addAction(QString::fromUtf8(name));
    action->setObjectName(QStringLiteral("LANGUAGE_") + QString::fromLatin1(language_code(language)).toUpper());
    action->setCheckable(true);
    action->setChecked(language == chosen_language());
    languages_->addAction(action);
    connect(action, &QAction::triggered, this, [this, language = language] { use_language(language); });
  }
}

void ViewMenu::use_language(Language language) {
  if (!choose_language(language)) return;
  show_in_chosen_language();
  window_.dispatch([language](Game& g) {
    g.assist.language = language_code(language);
    write_preferences(g);
  });
}

void ViewMenu::show_in_chosen_language() {
  for (QAction* action : languages_->actions())
    action->setChecked(action->objectName().endsWith(QString::fromLatin1(language_code(chosen_language())).toUpper()));
  use_qt_translations();
  relabel(&window_);
  give_access_keys(*window_.menuBar());
  if (RecordPanel* panel = window_.built_record_panel()) panel->refit_captions();
  if (dock_ != nullptr) dock_->relabel_rows();
  // The help is written anew when it is next opened.
  if (help_ != nullptr) {
    help_->deleteLater();
    help_ = nullptr;
  }
  window_.dispatch(画面_再描画);
}

void ViewMenu::add_help() {
  QAction* help = menu_->addAction(QString());
  set_shown_text(help, QT_TRID_NOOP("操作説明"));
  help->setObjectName(QStringLiteral("HELP"));
  connect(help, &QAction::triggered, this, &ViewMenu::show_help);
}

void ViewMenu::show_help() {
  if (help_ == nullptr) help_ = new HelpWindow(window_, *menu_);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

QString ViewMenu::export_start_folder(ExportKind kind) const {
  const QString remembered = QString::fromStdString(export_folder(game_.assist, kind));
  if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) return remembered;
  const QString standard = QStandardPaths::writableLocation(
      kind == ExportKind::Picture ? QStandardPaths::PicturesLocation : QStandardPaths::DocumentsLocation);
  return !standard.isEmpty() && QFileInfo(standard).isDir() ? standard : QDir::homePath();
}

QString ViewMenu::ask_save_path(ExportKind kind, const QString& caption, const QString& name, const QString& filter) {
  const QString start = QDir(export_start_folder(kind)).filePath(name);
  const QString path = QFileDialog::getSaveFileName(&window_, caption, start, filter);
  if (path.isEmpty()) return path;
  const std::string folder = QFileInfo(path).absolutePath().toStdString();
  window_.dispatch([kind, folder](Game& g) { remember_export_folder(g, kind, folder); });
  return path;
}

}  // namespace velmora::platform
