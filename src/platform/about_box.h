// The About box "バージョン情報": the program's picture with two buttons, one
// opening the home page, the other closing the box.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPushButton>
#include <functional>

#include "platform/twips.h"

namespace velmora::platform {

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  // `open_home_page` runs when "ホームページ" is clicked; the box then closes.
  AboutBox(TwipScale scale, std::function<void()> open_home_page, QWidget* parent);

  QPushButton* home_page_button() const { return home_page_; }
  QPushButton* ok_button() const { return ok_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double zoom_;
  QImage picture_;
  QPushButton* home_page_;
  QPushButton* ok_;
};

}  // namespace velmora::platform
