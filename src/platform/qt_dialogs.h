// The Dialogs port: message boxes, the promotion dialog (modal for the person,
// non-modal for the computer's display), the About box, the web browser and
// the record-file panel.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "platform/main_window.h"
#include "platform/promotion_dialog.h"
#include "platform/record_panel.h"
#include "platform/twips.h"
#include "ports/ports.h"

namespace velmora::platform {

class QtDialogs final : public Dialogs {
 public:
  QtDialogs(MainWindow& window, TwipScale scale);

  // What the About box's "ホームページ" button does (the game's handler).
  void set_home_page_handler(std::function<void()> handler) { home_page_handler_ = std::move(handler); }

  Answer message_box(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
  int promotion_dialog(Side side, int left, int top) override;
  void show_promotion_display(int left, int top) override;
  void press_promotion_display(int final_code) override;
  void close_promotion_display() override;
  void about_box() override;
  void open_web_page(const std::string& url) override;
  void set_record_lists_visible(bool drive, bool folder, bool files) override;
  void set_record_fields_visible(bool visible) override;
  RecordFields record_fields() const override;
  void set_record_fields(const RecordFields& fields) override;
  std::string record_folder() const override;
  void refresh_record_files() override;

 private:
  // Places a dialog's top-left corner at (left, top) twips on the screen.
  void place(QWidget& dialog, int left, int top) const;

  // The record-file panel, built when something is to be shown in it.
  RecordPanel& shown_panel() { return window_.record_panel(); }

  MainWindow& window_;
  TwipScale scale_;
  std::function<void()> home_page_handler_;
  std::unique_ptr<PromotionDialog> display_;
};

}  // namespace velmora::platform
