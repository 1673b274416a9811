#include "platform/view_menu.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QWidgetAction>

#include "assist/effect_volume.h"
#include "assist/hint.h"
#include "assist/preferences.h"
#include "assist/record_text.h"
#include "assist/take_back.h"
#include "platform/board_picture.h"
#include "resume/resume.h"
#include "view/texts.h"

namespace velmora::platform {

ViewMenu::ViewMenu(MainWindow& window, QtScreen& screen, Game& game)
    : window_(window),
      screen_(screen),
      game_(game),
      menu_(window.menuBar()->addMenu(QStringLiteral("表示"))),
      dock_(new MoveListDock(window, game)) {
  menu_->setAttribute(Qt::WA_WindowPropagation);  // the window's font
  menu_->menuAction()->setObjectName(QStringLiteral("VIEW"));
  add_game_commands();
  menu_->addSeparator();
  add_exports();
  menu_->addSeparator();
  add_volume();
}

QAction* ViewMenu::find(const char* name) const {
  for (QAction* action : menu_->actions())
    if (action->objectName() == QLatin1String(name)) return action;
  return nullptr;
}

void ViewMenu::add_game_commands() {
  QAction* move_list = menu_->addAction(QStringLiteral("棋譜一覧"));
  move_list->setObjectName(QStringLiteral("MOVE_LIST"));
  move_list->setCheckable(true);
  move_list->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  connect(move_list, &QAction::toggled, this, &ViewMenu::show_move_list);

  const struct {
    const char* name;
    const char* caption;
    QKeySequence keys;
    void (*command)(Game&);
  } commands[] = {
      {"TAKE_BACK", "待った", QKeySequence(Qt::CTRL | Qt::Key_Z), take_back},
      {"TAKE_BACK_REDO", "待った取消", QKeySequence(Qt::CTRL | Qt::Key_Y), take_back_redo},
      {"HINT", "ヒント", QKeySequence(Qt::Key_F2), hint_click},
      {"RESUME_MATCH", "前回の対局を再開", QKeySequence(Qt::CTRL | Qt::Key_R), resume_match_click},
  };
  for (const auto& c : commands) {
    QAction* action = menu_->addAction(QString::fromUtf8(c.caption));
    action->setObjectName(QString::fromUtf8(c.name));
    action->setShortcut(c.keys);
    connect(action, &QAction::triggered, this, [this, command = c.command] { window_.dispatch(command); });
  }
  // 前回の対局を再開 is enabled only while there is a match to resume.
  connect(&window_, &MainWindow::event_handled, this, &ViewMenu::follow_match_to_resume);
}

void ViewMenu::follow_match_to_resume() { find("RESUME_MATCH")->setEnabled(match_to_resume(game_)); }

void ViewMenu::add_exports() {
  QAction* copy = menu_->addAction(QStringLiteral("局面を画像でコピー"));
  copy->setObjectName(QStringLiteral("COPY_PICTURE"));
  connect(copy, &QAction::triggered, this,
          [this] { window_.dispatch([this](Game& g) { copy_board_picture(g, screen_); }); });

  QAction* picture = menu_->addAction(QStringLiteral("局面を画像で保存..."));
  picture->setObjectName(QStringLiteral("SAVE_PICTURE"));
  connect(picture, &QAction::triggered, this, [this] {
    const QString path =
        ask_save_path(QStringLiteral("局面を画像で保存"), QStringLiteral("局面.png"), QStringLiteral("PNG (*.png)"));
    if (path.isEmpty()) return;
    window_.dispatch([this, path](Game& g) {
      if (const std::error_code error = save_board_picture(g, screen_, path))
        show_message(g, "書き込めません\n" + path.toStdString() + "\n" + error.message(), "表示", Icon::Exclamation);
    });
  });

  QAction* text = menu_->addAction(QStringLiteral("棋譜をテキストで保存..."));
  text->setObjectName(QStringLiteral("SAVE_TEXT"));
  connect(text, &QAction::triggered, this, [this] {
    const QString path = ask_save_path(QStringLiteral("棋譜をテキストで保存"), QStringLiteral("棋譜.txt"),
                                       QStringLiteral("テキスト (*.txt)"));
    if (!path.isEmpty()) window_.dispatch([path](Game& g) { save_record_text(g, path.toStdString()); });
  });
}

// The slider sits in the menu itself; the loudness is taken when the slider
// is let go (or moved by the keys), not at every step of a drag.
void ViewMenu::add_volume() {
  auto* row = new QWidget(menu_);
  auto* layout = new QHBoxLayout(row);
  layout->addWidget(new QLabel(QStringLiteral("効果音量"), row));
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

  mute_ = menu_->addAction(QStringLiteral("効果音ミュート"));
  mute_->setObjectName(QStringLiteral("EFFECT_MUTE"));
  mute_->setCheckable(true);
  connect(mute_, &QAction::toggled, this,
          [this](bool muted) { window_.dispatch([muted](Game& g) { set_effects_muted(g, muted); }); });
}

void ViewMenu::show_move_list(bool shown) {
  dock_->show_beside_board(shown);
  dock_->refresh();
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
  const AssistState& assist = game_.assist;
  {
    const QSignalBlocker quiet_slider(volume_);
    const QSignalBlocker quiet_mute(mute_);
    volume_->setValue(assist.effect_volume);
    mute_->setChecked(assist.effects_muted);
  }
  QAction* move_list = find("MOVE_LIST");
  const QSignalBlocker quiet_list(move_list);
  move_list->setChecked(assist.move_list_shown);
  dock_->show_beside_board(assist.move_list_shown);
  dock_->refresh();
}

QString ViewMenu::ask_save_path(const QString& caption, const QString& name, const QString& filter) {
  const QString folder = QString::fromStdString(game_.ports.dialogs.record_folder());
  return QFileDialog::getSaveFileName(&window_, caption, folder + QLatin1Char('/') + name, filter);
}

}  // namespace velmora::platform
