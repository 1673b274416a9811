#include "platform/time_control_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>

#include "platform/language.h"

namespace velmora::platform {
namespace {

// The kinds in the order of the list, with their captions.
constexpr struct {
  TimeKind kind;
  const char* caption;
} KINDS[] = {
    {TimeKind::None, QT_TRID_NOOP("制限なし")},
    {TimeKind::Sudden, QT_TRID_NOOP("切れ負け")},
    {TimeKind::Fischer, QT_TRID_NOOP("フィッシャー")},
    {TimeKind::Byoyomi, QT_TRID_NOOP("秒読み")},
};

// One army's row: the kind, the main time, the increment or byoyomi, the periods.
class ControlRow {
 public:
  ControlRow(QDialog& dialog, QGridLayout& grid, int row, const char* army, const TimeControl& now)
      : kind_(new QComboBox(&dialog)),
        main_(seconds_box(dialog, now.main_seconds)),
        second_(seconds_box(dialog, now.kind == TimeKind::Byoyomi ? now.byoyomi : now.increment)),
        periods_(new QSpinBox(&dialog)) {
    auto* label = new QLabel(&dialog);
    set_shown_text(label, army);
    for (const auto& k : KINDS) kind_->addItem(shown(k.caption));
    for (int i = 0; i < static_cast<int>(std::size(KINDS)); ++i)
      if (KINDS[i].kind == now.kind) kind_->setCurrentIndex(i);
    periods_->setRange(1, MAX_PERIODS);
    periods_->setValue(now.periods);
    grid.addWidget(label, row, 0);
    grid.addWidget(kind_, row, 1);
    grid.addWidget(main_, row, 2);
    grid.addWidget(second_, row, 3);
    grid.addWidget(periods_, row, 4);
    QObject::connect(kind_, &QComboBox::currentIndexChanged, &dialog, [this] { enable_fields(); });
    enable_fields();
  }

  TimeControl control() const {
    TimeControl c;
    c.kind = kind();
    if (c.kind == TimeKind::None) return c;
    c.main_seconds = main_->value();
    if (c.kind == TimeKind::Fischer) c.increment = second_->value();
    if (c.kind == TimeKind::Byoyomi) {
      c.byoyomi = second_->value();
      c.periods = periods_->value();
    }
    return c;
  }

  // The times the kind asks for make a control that can be played.
  bool playable() const {
    const TimeControl c = control();
    if (c.kind == TimeKind::None) return true;
    return c.kind == TimeKind::Byoyomi ? c.byoyomi > 0 : c.main_seconds > 0;
  }

 private:
  static QDoubleSpinBox* seconds_box(QDialog& dialog, double seconds) {
    auto* box = new QDoubleSpinBox(&dialog);
    box->setRange(0, MAX_CONTROL_SECONDS);
    box->setDecimals(1);
    // Seconds are written "1.5" in both of the window's languages, whatever
    // the desktop's own way of writing numbers.
    box->setLocale(QLocale::c());
    box->setValue(seconds);
    return box;
  }
  TimeKind kind() const { return KINDS[std::max(0, kind_->currentIndex())].kind; }
  void enable_fields() {
    main_->setEnabled(kind() != TimeKind::None);
    second_->setEnabled(kind() == TimeKind::Fischer || kind() == TimeKind::Byoyomi);
    periods_->setEnabled(kind() == TimeKind::Byoyomi);
  }

  QComboBox* kind_;
  QDoubleSpinBox* main_;
  QDoubleSpinBox* second_;
  QSpinBox* periods_;
};

void add_heading(QDialog& dialog, QGridLayout& grid, int column, const char* caption) {
  auto* label = new QLabel(&dialog);
  set_shown_text(label, caption);
  grid.addWidget(label, 0, column);
}

}  // namespace

std::optional<TimeControls> ask_time_controls(QWidget* parent, const TimeControls& now) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("TIME_CONTROLS"));
  set_shown_text(&dialog, QT_TRID_NOOP("持ち時間"));
  auto* grid = new QGridLayout(&dialog);
  add_heading(dialog, *grid, 2, QT_TRID_NOOP("持ち時間（秒）"));
  add_heading(dialog, *grid, 3, QT_TRID_NOOP("加算・秒読み（秒）"));
  add_heading(dialog, *grid, 4, QT_TRID_NOOP("回数"));
  const ControlRow main_army(dialog, *grid, 1, QT_TRID_NOOP("先手（主戦軍）"), now.main_army);
  const ControlRow chess_army(dialog, *grid, 2, QT_TRID_NOOP("後手（チェス軍）"), now.chess_army);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  grid->addWidget(buttons, 3, 0, 1, 5);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    if (main_army.playable() && chess_army.playable()) dialog.accept();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return TimeControls{main_army.control(), chess_army.control()};
}

}  // namespace velmora::platform
