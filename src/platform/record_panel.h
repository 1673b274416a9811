// The record-file panel, in a dock left of the board: a drive list, a folder
// list, a file list of record files, four text fields with their labels and
// the RETURN button. All of it starts hidden; the dock shows while any of it
// is shown, and never covers the board or the hands.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QObject>
#include <QPushButton>
#include <array>

#include "platform/side_dock.h"
#include "platform/twips.h"
#include "ports/ports.h"

namespace velmora::platform {

class RecordPanel : public QObject {
  Q_OBJECT

 public:
  RecordPanel(QMainWindow& window, TwipScale scale, const QString& start_folder);

  void set_lists_visible(bool drive, bool folder, bool files);
  void set_fields_visible(bool visible);
  RecordFields fields() const;
  void set_fields(const RecordFields& fields);

  // The folder of the folder list; the file list shows its record files.
  QString folder() const { return folder_; }
  void set_folder(const QString& folder);
  void refresh_files();
  // Switches the folder list to the drive mounted at `root`. A drive that is
  // not ready is refused with a message box and the lists stay as they were.
  bool choose_drive(const QString& root);

  SideDock& dock() const { return *dock_; }
  QComboBox* drive_list() const { return drive_list_; }
  QListWidget* folder_list() const { return folder_list_; }
  QListWidget* file_list() const { return file_list_; }
  // Text1 file name, Text2 title, Text3 first player, Text4 second player.
  QLineEdit* text_field(int number) const { return texts_.at(number - 1); }
  QLabel* label(int index) const { return labels_.at(index); }
  QPushButton* return_button() const { return return_button_; }
  // Every control that can hold the keyboard's focus.
  QList<QWidget*> controls() const;
  // After the captions changed language: each fitted to its label again.
  void refit_captions() { size_controls(); }

 Q_SIGNALS:
  // A file was chosen: clicked, or Enter pressed on it. The name is the
  // bytes the file system holds.
  void file_clicked(const QString& folder, const QByteArray& file_name);
  // RETURN was clicked, or Enter pressed in one of the fields.
  void save_clicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fill_drive_list();
  void fill_folder_list();
  void choose_file(const QListWidgetItem& item);
  QWidget* make_fields();
  void size_controls();
  void follow_controls();

  TwipScale scale_;
  QString folder_;
  SideDock* dock_;
  QComboBox* drive_list_;
  QListWidget* folder_list_;
  QListWidget* file_list_;
  QWidget* fields_ = nullptr;  // the labels and the text fields
  std::array<QLineEdit*, 4> texts_{};
  std::array<QLabel*, 4> labels_{};
  QPushButton* return_button_;
};

}  // namespace velmora::platform
