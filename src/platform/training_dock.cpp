#include "platform/training_dock.h"

#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/language.h"

namespace velmora::platform {
namespace {

// The commands of 表示 that act on a match: they rest while a position is on
// the board (前回の対局を再開 follows the panel in the menu itself).
constexpr const char* MATCH_COMMANDS[] = {"TAKE_BACK", "TAKE_BACK_REDO", "HINT", "REVIEW", "TRAINING"};

}  // namespace

TrainingDock::TrainingDock(MainWindow& window, TrainingSession& session)
    : SideDock(QString(), window, Qt::RightDockWidgetArea),
      window_(window),
      session_(session),
      status_(new QLabel(this)),
      army_(new QComboBox(this)),
      drops_(new QComboBox(this)) {
  setObjectName(QStringLiteral("TRAINING"));
  set_shown_text(this, TRAINING_TITLE);
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  status_->setObjectName(QStringLiteral("TRAINING_STATUS"));
  layout->addWidget(status_);
  for (const char* army : {QT_TRID_NOOP("両軍"), QT_TRID_NOOP("主戦"), QT_TRID_NOOP("チェス")})
    army_->addItem(shown(army));
  for (const char* drops : {QT_TRID_NOOP("すべての手"), QT_TRID_NOOP("打つ手だけ"), QT_TRID_NOOP("打たない手だけ")})
    drops_->addItem(shown(drops));
  army_->setObjectName(QStringLiteral("TRAINING_ARMY"));
  drops_->setObjectName(QStringLiteral("TRAINING_DROPS"));
  layout->addWidget(army_);
  layout->addWidget(drops_);
  const struct {
    const char* name;
    const char* caption;
    void (*command)(Game&, TrainingSession&);
  } commands[] = {
      {"TRAINING_HINT", QT_TRID_NOOP("ヒント"), training_hint},
      {"TRAINING_SOLUTION", QT_TRID_NOOP("解答"), show_solution},
      {"TRAINING_NEXT", QT_TRID_NOOP("次の問題"), next_training_position},
      {"TRAINING_CLOSE", QT_TRID_NOOP("閉じる"), close_training},
  };
  for (const auto& c : commands) {
    auto* button = new QPushButton(column);
    set_shown_text(button, c.caption);
    button->setObjectName(QString::fromUtf8(c.name));
    connect(button, &QPushButton::clicked, this, [this, command = c.command] { run(command); });
    layout->addWidget(button);
  }
  layout->addStretch(1);
  setWidget(column);
  connect(army_, &QComboBox::currentIndexChanged, this, &TrainingDock::take_filter);
  connect(drops_, &QComboBox::currentIndexChanged, this, &TrainingDock::take_filter);
  connect(&window, &MainWindow::changes_shown, this, &TrainingDock::follow);
}

void TrainingDock::open() { run(open_training); }

void TrainingDock::run(void (*command)(Game&, TrainingSession&)) {
  window_.dispatch([this, command](Game& g) { command(g, session_); });
  follow();
}

void TrainingDock::take_filter() {
  TrainingFilter filter;
  filter.army = static_cast<TrainingArmy>(army_->currentIndex());
  filter.drops = static_cast<TrainingFilter::Drops>(drops_->currentIndex());
  window_.dispatch([this, filter](Game& g) { set_training_filter(g, session_, filter); });
  follow();
}

void TrainingDock::follow() {
  const bool on = training_on(session_);
  show_beside_board(on);
  if (on) status_->setText(shown(training_status(session_)));
  for (QAction* menu : window_.menuBar()->actions()) {
    if (menu->objectName() != QLatin1String("VIEW")) {
      menu->setEnabled(!on);
      continue;
    }
    for (QAction* item : menu->menu()->actions())
      for (const char* name : MATCH_COMMANDS)
        if (item->objectName() == QLatin1String(name)) item->setEnabled(!on);
  }
}

}  // namespace velmora::platform
