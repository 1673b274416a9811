// Silent ports for the headless tools and benchmarks: nothing is drawn or
// played, every message box answers OK (Yes to a question, unless told to
// answer No), time stands still.
#pragma once

#include "ports/ports.h"

namespace velmora {

class NullScreen final : public Screen {
 public:
  void paste_picture(int, int, double, double) override {}
  void paste_picture_within(int, int, double, double, double, double) override {}
  void outline(PaletteColour, double, double, double, double) override {}
  void print_text(const std::string&, double, double, int, PaletteColour, bool) override {}
  void refresh() override {}
  TwipRect window_rect() const override { return rect_; }
  void set_window_rect(const TwipRect& rect) override { rect_ = rect; }
  void drop_clicks_meanwhile() override {}
  void move_list_changed() override {}

 private:
  TwipRect rect_{};
};

class NullDialogs final : public Dialogs {
 public:
  Answer message_box(const std::string&, const std::string&, Buttons b, Icon) override {
    return b == Buttons::YesNo ? question_answer : Answer::Ok;
  }
  // What a question (Yes or No) is answered.
  Answer question_answer = Answer::Yes;
  int promotion_dialog(Side, int, int) override { return 0; }
  void show_promotion_display(int, int) override {}
  void press_promotion_display(int) override {}
  void close_promotion_display() override {}
  void about_box() override {}
  void open_web_page(const std::string&) override {}
  void set_record_lists_visible(bool, bool, bool) override {}
  void set_record_fields_visible(bool) override {}
  RecordFields record_fields() const override { return fields_; }
  void set_record_fields(const RecordFields& f) override { fields_ = f; }
  std::string record_folder() const override { return "."; }
  void refresh_record_files() override {}

 private:
  RecordFields fields_;
};

class NullSound final : public Sound {
 public:
  int dsInitialize(int) override { return 0; }
  void dsTerminate(int) override {}
  int dsCreateDSB(int, const std::vector<unsigned char>&, int) override { return 0; }
  void dsFree(int) override {}
  void dsPlay(int) override {}
  void dsPlayLooping(int) override {}
  void dsStop(int) override {}
};

class NullClock final : public Clock {
 public:
  double time_of_day() override { return 0.0; }
  void wait(double) override {}
};

// All four silent ports in one object, for a Game that nobody watches.
struct NullPorts {
  NullScreen screen;
  NullDialogs dialogs;
  NullSound sound;
  NullClock clock;
  Ports ports() { return Ports{screen, dialogs, sound, clock}; }
};

}  // namespace velmora
