#include "platform/record_panel.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QStorageInfo>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

#include "platform/language.h"
#include "platform/message_box.h"
#include "record/record_folder.h"

namespace velmora::platform {

namespace {

constexpr int FONT_PIXELS = 12;  // at zoom 1

// Sizes in twips: the lists as wide as a label and its field together.
constexpr int LABEL_WIDTH = 855;
constexpr int FIELD_WIDTH = 2295;
constexpr int FIELD_HEIGHT = 270;
constexpr int DRIVE_LIST_HEIGHT = 300;
constexpr int FOLDER_LIST_HEIGHT = 1710;
constexpr int FILE_LIST_HEIGHT = 930;
constexpr int RETURN_WIDTH = 855, RETURN_HEIGHT = 375;
constexpr int MARGIN = 120;
// Label1(0) file name, (1) second player, (2) first player, (3) title.
const std::array<const char*, 4> LABEL_CAPTIONS{QT_TRID_NOOP("ﾌｧｲﾙ名 ："), QT_TRID_NOOP("後    手 ："),
                                                QT_TRID_NOOP("先    手 ："), QT_TRID_NOOP("対 局 名：")};
// The rows of the fields from the top: title, first player, second player,
// file name, each as (label index, field number).
constexpr std::array<std::pair<int, int>, 4> FIELD_ROWS{{{3, 2}, {2, 3}, {1, 4}, {0, 1}}};

const int FOLDER_ROLE = Qt::UserRole;
const int FILE_NAME_ROLE = Qt::UserRole;  // the name's bytes

// A caption wider than its label would lose its end (the colon before the
// field); it is set smaller until it fits.
void fit_caption(QLabel* label) {
  QFont font = label->font();
  const int room = label->contentsRect().width();
  while (font.pixelSize() > 1 && QFontMetrics(font).horizontalAdvance(label->text()) > room) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  label->setFont(font);
}

bool is_enter(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

RecordPanel::RecordPanel(QMainWindow& window, TwipScale scale, const QString& start_folder)
    : QObject(&window),
      scale_(scale),
      folder_(QDir(start_folder).absolutePath()),
      dock_(new SideDock(QString(), window, Qt::LeftDockWidgetArea)),
      drive_list_(new QComboBox),
      folder_list_(new QListWidget),
      file_list_(new QListWidget),
      return_button_(new QPushButton) {
  // The button saves the move list: its caption says so in English.
  set_shown_text(return_button_, QT_TRID_NOOP("RETURN"));
  dock_->setObjectName(QStringLiteral("RECORD_PANEL"));
  dock_->setTitleBarWidget(new QWidget(dock_));  // no title bar: the panel has no caption
  fields_ = make_fields();
  auto* area = new QWidget(dock_);
  auto* column = new QVBoxLayout(area);
  for (QWidget* widget : {static_cast<QWidget*>(drive_list_), static_cast<QWidget*>(folder_list_),
                          static_cast<QWidget*>(file_list_), fields_})
    column->addWidget(widget);
  column->addWidget(return_button_, 0, Qt::AlignRight);
  column->addStretch();
  dock_->setWidget(area);
  size_controls();
  fill_drive_list();
  fill_folder_list();
  refresh_files();
  set_lists_visible(false, false, false);
  set_fields_visible(false);

  connect(drive_list_, &QComboBox::activated, this,
          [this](int index) { choose_drive(drive_list_->itemData(index).toString()); });
  connect(folder_list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { set_folder(item->data(FOLDER_ROLE).toString()); });
  connect(file_list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { choose_file(*item); });
  file_list_->installEventFilter(this);
  connect(return_button_, &QPushButton::clicked, this, &RecordPanel::save_clicked);
  for (QLineEdit* text : texts_) connect(text, &QLineEdit::returnPressed, this, &RecordPanel::save_clicked);
}

// The labels and fields in the order the eye and the Tab key go: title, the
// two players, the file name.
QWidget* RecordPanel::make_fields() {
  auto* fields = new QWidget;
  auto* grid = new QGridLayout(fields);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  for (std::size_t i = 0; i < texts_.size(); ++i) texts_[i] = new QLineEdit(fields);
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    labels_[i] = new QLabel(fields);
    set_shown_text(labels_[i], LABEL_CAPTIONS[i]);
  }
  for (int row = 0; row < static_cast<int>(FIELD_ROWS.size()); ++row) {
    const auto [label, field] = FIELD_ROWS[row];
    grid->addWidget(labels_[label], row, 0);
    grid->addWidget(texts_[field - 1], row, 1);
  }
  return fields;
}

// Sizes and fonts grow with the window's zoom, like the menus.
void RecordPanel::size_controls() {
  QFont font = drive_list_->font();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(FONT_PIXELS * scale_.zoom))));
  const int width = scale_.pixels(LABEL_WIDTH + FIELD_WIDTH);
  const auto size = [&](QWidget* widget, int w, int h) {
    widget->setFont(font);
    widget->setFixedSize(w, h);
  };
  size(drive_list_, width, scale_.pixels(DRIVE_LIST_HEIGHT));
  size(folder_list_, width, scale_.pixels(FOLDER_LIST_HEIGHT));
  size(file_list_, width, scale_.pixels(FILE_LIST_HEIGHT));
  size(return_button_, scale_.pixels(RETURN_WIDTH), scale_.pixels(RETURN_HEIGHT));
  for (QLineEdit* text : texts_) size(text, scale_.pixels(FIELD_WIDTH), scale_.pixels(FIELD_HEIGHT));
  for (QLabel* label : labels_) {
    size(label, scale_.pixels(LABEL_WIDTH), scale_.pixels(FIELD_HEIGHT));
    fit_caption(label);
  }
  const int margin = scale_.pixels(MARGIN);
  dock_->widget()->layout()->setContentsMargins(margin, margin, margin, margin);
  dock_->widget()->setFixedWidth(width + 2 * margin);
}

QList<QWidget*> RecordPanel::controls() const {
  QList<QWidget*> widgets{drive_list_, folder_list_, file_list_, return_button_};
  for (QLineEdit* text : texts_) widgets << text;
  return widgets;
}

// Lists that come into view show the folder as it is now.
void RecordPanel::set_lists_visible(bool drive, bool folder, bool files) {
  if (folder && folder_list_->isHidden()) fill_folder_list();
  if (files && file_list_->isHidden()) refresh_files();
  drive_list_->setVisible(drive);
  folder_list_->setVisible(folder);
  file_list_->setVisible(files);
  follow_controls();
}

void RecordPanel::set_fields_visible(bool visible) {
  fields_->setVisible(visible);
  return_button_->setVisible(visible);
  follow_controls();
}

// The dock shows while any control does.
void RecordPanel::follow_controls() {
  bool shown = false;
  for (QWidget* widget : {static_cast<QWidget*>(drive_list_), static_cast<QWidget*>(folder_list_),
                          static_cast<QWidget*>(file_list_), fields_})
    shown = shown || !widget->isHidden();
  dock_->show_beside_board(shown);
}

// Enter on a file loads it, as a click does.
bool RecordPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched != file_list_ || !is_enter(event) || file_list_->currentItem() == nullptr) return false;
  choose_file(*file_list_->currentItem());
  return true;
}

RecordFields RecordPanel::fields() const {
  return RecordFields{texts_[0]->text().toStdString(), texts_[1]->text().toStdString(), texts_[2]->text().toStdString(),
                      texts_[3]->text().toStdString()};
}

void RecordPanel::set_fields(const RecordFields& fields) {
  texts_[0]->setText(QString::fromStdString(fields.file_name));
  texts_[1]->setText(QString::fromStdString(fields.title));
  texts_[2]->setText(QString::fromStdString(fields.first));
  texts_[3]->setText(QString::fromStdString(fields.second));
}

void RecordPanel::set_folder(const QString& folder) {
  folder_ = QDir(folder).absolutePath();
  fill_folder_list();
  refresh_files();
}

// Every record file, named readably whatever the encoding of its name.
void RecordPanel::refresh_files() {
  file_list_->clear();
  for (const RecordFileName& name : record_files_in(QFile::encodeName(folder_).toStdString())) {
    auto* item = new QListWidgetItem(QString::fromStdString(name.shown), file_list_);
    item->setData(FILE_NAME_ROLE, QByteArray::fromStdString(name.bytes));
  }
}

void RecordPanel::choose_file(const QListWidgetItem& item) {
  Q_EMIT file_clicked(folder_, item.data(FILE_NAME_ROLE).toByteArray());
}

bool RecordPanel::choose_drive(const QString& root) {
  const QStorageInfo drive(root);
  if (!drive.isValid() || !drive.isReady() || !QDir(root).isReadable()) {
    show_message_box(dock_->parentWidget(), QT_TRID_NOOP("ﾃﾞﾊﾞｲｽが準備できていません"), QT_TRID_NOOP("ｴﾗｰ"),
                     Buttons::Ok, Icon::None);
    drive_list_->setCurrentIndex(drive_list_->findData(QStorageInfo(folder_).rootPath()));
    return false;
  }
  set_folder(root);
  return true;
}

// The root first, then every other mounted file system.
void RecordPanel::fill_drive_list() {
  QStringList roots{QDir::rootPath()};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && !roots.contains(volume.rootPath())) roots << volume.rootPath();
  }
  for (const QString& root : roots) drive_list_->addItem(root, root);
  drive_list_->setCurrentIndex(drive_list_->findData(QStorageInfo(folder_).rootPath()));
}

// The folders from the root down to the current one, then its subfolders,
// each indented by its depth.
void RecordPanel::fill_folder_list() {
  folder_list_->clear();
  QStringList chain;
  for (QDir dir(folder_);; dir.cdUp()) {
    chain.prepend(dir.absolutePath());
    if (dir.isRoot() || chain.size() > 256) break;
  }
  const auto add = [this](const QString& path, int depth) {
    const QString name = depth == 0 ? path : QDir(path).dirName();
    auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, folder_list_);
    item->setData(FOLDER_ROLE, path);
    return item;
  };
  for (int depth = 0; depth < chain.size(); ++depth) folder_list_->setCurrentItem(add(chain[depth], depth));
  const QDir current(folder_);
  for (const QString& child : current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    add(current.absoluteFilePath(child), static_cast<int>(chain.size()));
  }
}

}  // namespace velmora::platform
