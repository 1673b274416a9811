// The record-file panel over the left part of the main window: a drive list,
// a folder list, a file list of "*.棋譜" files, four text fields with their
// labels and the RETURN button. All of it starts hidden.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QPushButton>
#include <array>

#include "platform/canvas.h"
#include "ports/ports.h"

namespace velmora::platform {

class RecordPanel : public QObject {
  Q_OBJECT

 public:
  RecordPanel(Canvas& canvas, const QString& start_folder);

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

  QComboBox* drive_list() const { return drive_list_; }
  QListWidget* folder_list() const { return folder_list_; }
  QListWidget* file_list() const { return file_list_; }
  // Text1 file name, Text2 title, Text3 first player, Text4 second player.
  QLineEdit* text_field(int number) const { return texts_.at(number - 1); }
  QLabel* label(int index) const { return labels_.at(index); }
  QPushButton* return_button() const { return return_button_; }

 Q_SIGNALS:
  void file_clicked(const QString& folder, const QString& file_name);
  void save_clicked();

 private:
  void fill_drive_list();
  void fill_folder_list();
  void place_controls();

  Canvas& canvas_;
  QString folder_;
  QComboBox* drive_list_;
  QListWidget* folder_list_;
  QListWidget* file_list_;
  std::array<QLineEdit*, 4> texts_{};
  std::array<QLabel*, 4> labels_{};
  QPushButton* return_button_;
};

}  // namespace velmora::platform
