#include "platform/qt_dialogs.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/about_box.h"
#include "platform/message_box.h"

namespace velmora::platform {

namespace {

constexpr Side COMPUTER_SIDE = Side::Enemy;  // the computer always plays the enemy side

}  // namespace

QtDialogs::QtDialogs(MainWindow& window, TwipScale scale) : window_(window), scale_(scale) {}

// What the event changed before a box opens is on show while it is up: a box
// speaks of what the window shows (the move that gives check, the winning
// move, the record just loaded).
Answer QtDialogs::message_box(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
  window_.show_changes();
  return show_message_box(&window_, text, title, buttons, icon);
}

void QtDialogs::place(QWidget& dialog, int left, int top) const {
  dialog.move(scale_.pixels(left), scale_.pixels(top));
}

int QtDialogs::promotion_dialog(Side side, int left, int top) {
  PromotionDialog dialog(side, scale_, &window_);
  place(dialog, left, top);
  dialog.exec();
  return dialog.choice();
}

void QtDialogs::show_promotion_display(int left, int top) {
  display_ = std::make_unique<PromotionDialog>(COMPUTER_SIDE, scale_, &window_);
  display_->setAttribute(Qt::WA_ShowWithoutActivating);
  place(*display_, left, top);
  display_->show();
  display_->repaint();
}

void QtDialogs::press_promotion_display(int final_code) {
  if (display_) display_->show_pressed(final_code);
}

void QtDialogs::close_promotion_display() { display_.reset(); }

void QtDialogs::about_box() {
  AboutBox box(
      scale_, home_page_handler_ ? home_page_handler_ : [] {}, &window_);
  box.exec();
}

// Hands the address to the desktop's browser and does not wait for it.
void QtDialogs::open_web_page(const std::string& url) { QDesktopServices::openUrl(QUrl(QString::fromStdString(url))); }

// Until the record-file panel is built its lists and fields are hidden and
// empty: hiding or emptying them, or asking for them, does not build it.
void QtDialogs::set_record_lists_visible(bool drive, bool folder, bool files) {
  if (drive || folder || files || window_.built_record_panel() != nullptr)
    shown_panel().set_lists_visible(drive, folder, files);
}

void QtDialogs::set_record_fields_visible(bool visible) {
  if (visible || window_.built_record_panel() != nullptr) shown_panel().set_fields_visible(visible);
}

RecordFields QtDialogs::record_fields() const {
  const RecordPanel* panel = window_.built_record_panel();
  return panel != nullptr ? panel->fields() : RecordFields{};
}

void QtDialogs::set_record_fields(const RecordFields& fields) {
  if (fields != RecordFields{} || window_.built_record_panel() != nullptr) shown_panel().set_fields(fields);
}

std::string QtDialogs::record_folder() const { return window_.record_folder().toStdString(); }

void QtDialogs::refresh_record_files() {
  if (RecordPanel* panel = window_.built_record_panel()) panel->refresh_files();
}

}  // namespace velmora::platform
