// Recording fakes of the four ports: what the core drew, showed and played
// can be read back, dialog answers are scripted, and time is under the
// test's control.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/game.h"
#include "ports/ports.h"
#include "rules/side.h"

namespace velmora::testing {

struct DrawOp {
  enum Kind { Picture, Outline, Text, Refresh } kind = Picture;
  int picture = 0;  // Picture
  int shade = 0;    // Picture
  // A picture's right and bottom are those it was cut at; 0 when it was pasted whole.
  double left = 0, top = 0, right = 0, bottom = 0;
  PaletteColour colour = PaletteColour::Black;  // Outline, Text
  std::string text;                             // Text
  int size = 0;                                 // Text
  bool bold = false;                            // Text
};

// Test messages tell a palette colour by its index.
inline std::ostream& operator<<(std::ostream& out, PaletteColour colour) { return out << palette_index(colour); }

class RecordingScreen final : public Screen {
 public:
  void paste_picture(int picture, int shade, double left, double top) override;
  void paste_picture_within(int picture, int shade, double left, double top, double right, double bottom) override;
  void outline(PaletteColour colour, double left, double top, double right, double bottom) override;
  void print_text(const std::string& text, double left, double top, int size, PaletteColour colour, bool bold) override;
  double text_width(const std::string& text, int size, bool /*bold*/) const override {
    return measure ? measure(text, size) : 0;
  }
  void refresh() override;
  TwipRect window_rect() const override { return rect; }
  void set_window_rect(const TwipRect& r) override { rect = r; }
  void drop_clicks_meanwhile() override {}
  void move_list_changed() override {
    if (on_move_list_changed) on_move_list_changed();
  }
  // Called when the core says a move has been listed.
  std::function<void()> on_move_list_changed;

  // The last picture pasted with its top-left corner on cell (x, y).
  std::optional<DrawOp> last_picture_at_cell(double x, double y) const;
  // The last outline drawn around cell (x, y).
  std::optional<DrawOp> last_outline_at_cell(int x, int y) const;
  // Every text printed, in order.
  std::vector<std::string> texts() const;
  std::vector<DrawOp> ops_of(DrawOp::Kind kind) const;
  void clear() { ops.clear(); }

  std::vector<DrawOp> ops;
  TwipRect rect{};
  // How wide a text is printed, as a window of another language would measure
  // it; unset, nothing is measured.
  std::function<double(const std::string& text, int size)> measure;
};

struct ShownBox {
  std::string text;
  std::string title;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
};

class ScriptedDialogs final : public Dialogs {
 public:
  // Answers to Yes/No boxes, taken in order; when none is left, Yes.
  std::deque<Answer> yes_no_answers;
  // Codes the promotion dialog returns, taken in order; when none is left, 0.
  std::deque<int> promotion_answers;

  std::vector<ShownBox> boxes;
  std::vector<std::string> calls;  // every other call, as a short text
  // Called with each message box as it opens, to look at the window behind it.
  std::function<void(const ShownBox&)> on_box;
  RecordFields fields;
  std::string folder = ".";

  Answer message_box(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
  int promotion_dialog(Side side, int left, int top) override;
  void show_promotion_display(int left, int top) override;
  void press_promotion_display(int final_code) override;
  void close_promotion_display() override;
  void about_box() override;
  void open_web_page(const std::string& url) override;
  void set_record_lists_visible(bool drive, bool folder_list, bool files) override;
  void set_record_fields_visible(bool visible) override;
  RecordFields record_fields() const override { return fields; }
  void set_record_fields(const RecordFields& f) override { fields = f; }
  std::string record_folder() const override { return folder; }
  void refresh_record_files() override;

  // Texts of the boxes shown so far.
  std::vector<std::string> box_texts() const;
};

class RecordingSound final : public Sound {
 public:
  bool device_opens = true;
  bool library_loaded = true;      // false: as if the sound library were missing
  std::vector<std::string> calls;  // e.g. "dsPlay 3"
  int next_handle = 1;
  std::vector<std::vector<unsigned char>> images;  // handed to dsCreateDSB, by handle - 1

  int dsInitialize(int window) override;
  void dsTerminate(int device) override;
  int dsCreateDSB(int device, const std::vector<unsigned char>& image, int flags) override;
  void dsFree(int buffer) override;
  void dsPlay(int buffer) override;
  void dsPlayLooping(int buffer) override;
  void dsStop(int buffer) override;
  void dsSetVolume(int buffer, int percent) override;
  bool library_present() const override { return library_loaded; }

  // Buffers started with dsPlay, in order.
  std::vector<int> played() const;
};

class FakeClock final : public Clock {
 public:
  double now = 0;     // time of day in seconds
  double waited = 0;  // sum of all waits
  double time_of_day() override { return now; }
  void wait(double seconds) override {
    now += seconds;
    waited += seconds;
  }
  int runs_aside = 0;
  bool stop_runs_aside = false;  // as if Esc came as soon as the work began
  bool work_throws = false;      // as if the work failed with an exception
  bool run_aside(const Work& work) override {
    ++runs_aside;
    if (work_throws) throw std::runtime_error("the work aside failed");
    const std::atomic<bool> stop{stop_runs_aside};
    work(stop);
    return !stop_runs_aside;
  }
};

struct FakePorts {
  RecordingScreen screen;
  ScriptedDialogs dialogs;
  RecordingSound sound;
  FakeClock clock;
  Ports ports() { return Ports{screen, dialogs, sound, clock}; }
};

// A game wired to fresh fakes. The board starts empty; tests set it up.
struct TestGame {
  FakePorts fakes;
  Game game{fakes.ports()};
};

}  // namespace velmora::testing
