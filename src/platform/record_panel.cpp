#include "platform/record_panel.h"

#include <QDir>
#include <QFontMetrics>
#include <QStorageInfo>
#include <cmath>

#include "platform/message_box.h"

namespace velmora::platform {

namespace {

const QString RECORD_PATTERN = QStringLiteral("*.棋譜");
constexpr int FONT_PIXELS = 12;  // at zoom 1

struct Place {
  int left, top, width, height;
};
constexpr Place DRIVE_LIST{240, 360, 2535, 300};
constexpr Place FOLDER_LIST{240, 600, 2535, 1710};
constexpr Place FILE_LIST{240, 2280, 2535, 930};
constexpr Place RETURN_BUTTON{3360, 3000, 855, 375};
// Each label stands left of its field: Label1(0) file name, (1) second
// player, (2) first player, (3) title.
constexpr std::array<Place, 4> TEXT_FIELDS{{
    {960, 3120, 2295, 270},  // Text1 file name
    {960, 2400, 2295, 270},  // Text2 title
    {960, 2640, 2295, 270},  // Text3 first player (先手)
    {960, 2880, 2295, 270},  // Text4 second player (後手)
}};
constexpr std::array<Place, 4> LABELS{{
    {120, 3120, 855, 255},  // Label1(0)
    {120, 2880, 855, 255},  // Label1(1)
    {120, 2640, 855, 255},  // Label1(2)
    {120, 2400, 855, 255},  // Label1(3)
}};
const std::array<QString, 4> LABEL_CAPTIONS{QStringLiteral("ﾌｧｲﾙ名 ："), QStringLiteral("後    手 ："),
                                            QStringLiteral("先    手 ："), QStringLiteral("対 局 名：")};

const int FOLDER_ROLE = Qt::UserRole;

// A caption wider than its label would lose its end (the colon before the
// field) under the field; it is set smaller until it fits.
void fit_caption(QLabel* label) {
  QFont font = label->font();
  const int room = label->contentsRect().width();
  while (font.pixelSize() > 1 && QFontMetrics(font).horizontalAdvance(label->text()) > room) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  label->setFont(font);
}

}  // namespace

RecordPanel::RecordPanel(Canvas& canvas, const QString& start_folder)
    : QObject(&canvas),
      canvas_(canvas),
      folder_(QDir(start_folder).absolutePath()),
      drive_list_(nullptr),
      folder_list_(new QListWidget(&canvas)),
      file_list_(new QListWidget(&canvas)),
      return_button_(new QPushButton(QStringLiteral("RETURN"), &canvas)) {
  for (std::size_t i = 0; i < texts_.size(); ++i) texts_[i] = new QLineEdit(&canvas);
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    labels_[i] = new QLabel(LABEL_CAPTIONS[i], &canvas);
    labels_[i]->setAutoFillBackground(true);
  }
  drive_list_ = new QComboBox(&canvas);  // made last, so it lies over the folder list's top edge
  fill_drive_list();
  fill_folder_list();
  refresh_files();
  set_lists_visible(false, false, false);
  set_fields_visible(false);
  place_controls();

  connect(&canvas, &Canvas::resized, this, &RecordPanel::place_controls);
  connect(drive_list_, &QComboBox::activated, this,
          [this](int index) { choose_drive(drive_list_->itemData(index).toString()); });
  connect(folder_list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { set_folder(item->data(FOLDER_ROLE).toString()); });
  connect(file_list_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { Q_EMIT file_clicked(folder_, item->text()); });
  connect(return_button_, &QPushButton::clicked, this, &RecordPanel::save_clicked);
}

// Lists that come into view show the folder as it is now.
void RecordPanel::set_lists_visible(bool drive, bool folder, bool files) {
  if (folder && !folder_list_->isVisible()) fill_folder_list();
  if (files && !file_list_->isVisible()) refresh_files();
  drive_list_->setVisible(drive);
  folder_list_->setVisible(folder);
  file_list_->setVisible(files);
}

void RecordPanel::set_fields_visible(bool visible) {
  for (QLineEdit* text : texts_) text->setVisible(visible);
  for (QLabel* label : labels_) label->setVisible(visible);
  return_button_->setVisible(visible);
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

void RecordPanel::refresh_files() {
  file_list_->clear();
  file_list_->addItems(QDir(folder_).entryList({RECORD_PATTERN}, QDir::Files, QDir::Name));
}

bool RecordPanel::choose_drive(const QString& root) {
  const QStorageInfo drive(root);
  if (!drive.isValid() || !drive.isReady() || !QDir(root).isReadable()) {
    show_message_box(canvas_.window(), "ﾃﾞﾊﾞｲｽが準備できていません", "ｴﾗｰ", Buttons::Ok, Icon::None);
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

void RecordPanel::place_controls() {
  const auto place = [this](QWidget* widget, const Place& p) {
    widget->setGeometry(canvas_.to_widget(p.left, p.top, p.width, p.height));
    QFont font = widget->font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(FONT_PIXELS * canvas_.widget_scale()))));
    widget->setFont(font);
  };
  place(drive_list_, DRIVE_LIST);
  place(folder_list_, FOLDER_LIST);
  place(file_list_, FILE_LIST);
  place(return_button_, RETURN_BUTTON);
  for (std::size_t i = 0; i < texts_.size(); ++i) place(texts_[i], TEXT_FIELDS[i]);
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    place(labels_[i], LABELS[i]);
    fit_caption(labels_[i]);
  }
}

}  // namespace velmora::platform
