#include "fakes/fake_ports.h"

#include <cmath>

#include "view/twips.h"

namespace velmora::testing {
namespace {

bool near(double a, double b) { return std::fabs(a - b) < 0.01; }

}  // namespace

void RecordingScreen::paste_picture(int picture, int shade, double left, double top) {
  DrawOp op;
  op.kind = DrawOp::Picture;
  op.picture = picture;
  op.shade = shade;
  op.left = left;
  op.top = top;
  ops.push_back(op);
}

void RecordingScreen::paste_picture_within(int picture, int shade, double left, double top, double right,
                                           double bottom) {
  paste_picture(picture, shade, left, top);
  ops.back().right = right;
  ops.back().bottom = bottom;
}

void RecordingScreen::outline(PaletteColour colour, double left, double top, double right, double bottom) {
  DrawOp op;
  op.kind = DrawOp::Outline;
  op.colour = colour;
  op.left = left;
  op.top = top;
  op.right = right;
  op.bottom = bottom;
  ops.push_back(op);
}

void RecordingScreen::print_text(const std::string& text, double left, double top, int size, PaletteColour colour,
                                 bool bold) {
  DrawOp op;
  op.kind = DrawOp::Text;
  op.text = text;
  op.left = left;
  op.top = top;
  op.size = size;
  op.colour = colour;
  op.bold = bold;
  ops.push_back(op);
}

void RecordingScreen::refresh() {
  DrawOp op;
  op.kind = DrawOp::Refresh;
  ops.push_back(op);
}

std::optional<DrawOp> RecordingScreen::last_picture_at_cell(double x, double y) const {
  const double left = BOARD_LEFT + SQUARE_WIDTH * x, top = BOARD_TOP + SQUARE_HEIGHT * y;
  for (auto it = ops.rbegin(); it != ops.rend(); ++it)
    if (it->kind == DrawOp::Picture && near(it->left, left) && near(it->top, top)) return *it;
  return std::nullopt;
}

std::optional<DrawOp> RecordingScreen::last_outline_at_cell(int x, int y) const {
  const double left = BOARD_LEFT + SQUARE_WIDTH * x, top = BOARD_TOP + SQUARE_HEIGHT * y;
  for (auto it = ops.rbegin(); it != ops.rend(); ++it)
    if (it->kind == DrawOp::Outline && near(it->left, left) && near(it->top, top)) return *it;
  return std::nullopt;
}

std::vector<std::string> RecordingScreen::texts() const {
  std::vector<std::string> out;
  for (const DrawOp& op : ops)
    if (op.kind == DrawOp::Text) out.push_back(op.text);
  return out;
}

std::vector<DrawOp> RecordingScreen::ops_of(DrawOp::Kind kind) const {
  std::vector<DrawOp> out;
  for (const DrawOp& op : ops)
    if (op.kind == kind) out.push_back(op);
  return out;
}

Answer ScriptedDialogs::message_box(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
  boxes.push_back({text, title, buttons, icon});
  if (on_box) on_box(boxes.back());
  if (buttons == Buttons::Ok) return Answer::Ok;
  if (yes_no_answers.empty()) return Answer::Yes;
  const Answer a = yes_no_answers.front();
  yes_no_answers.pop_front();
  return a;
}

int ScriptedDialogs::promotion_dialog(Side side, int left, int top) {
  calls.push_back("promotion_dialog " + std::to_string(code_sign(side)) + " " + std::to_string(left) + " " +
                  std::to_string(top));
  if (promotion_answers.empty()) return 0;
  const int code = promotion_answers.front();
  promotion_answers.pop_front();
  return code;
}

void ScriptedDialogs::show_promotion_display(int left, int top) {
  calls.push_back("show_promotion_display " + std::to_string(left) + " " + std::to_string(top));
}

void ScriptedDialogs::press_promotion_display(int final_code) {
  calls.push_back("press_promotion_display " + std::to_string(final_code));
}

void ScriptedDialogs::close_promotion_display() { calls.push_back("close_promotion_display"); }

void ScriptedDialogs::about_box() { calls.push_back("about_box"); }

void ScriptedDialogs::open_web_page(const std::string& url) { calls.push_back("open_web_page " + url); }

void ScriptedDialogs::set_record_lists_visible(bool drive, bool folder_list, bool files) {
  calls.push_back(std::string("set_record_lists_visible ") + (drive ? "1" : "0") + (folder_list ? "1" : "0") +
                  (files ? "1" : "0"));
}

void ScriptedDialogs::set_record_fields_visible(bool visible) {
  calls.push_back(std::string("set_record_fields_visible ") + (visible ? "1" : "0"));
}

void ScriptedDialogs::refresh_record_files() { calls.push_back("refresh_record_files"); }

std::vector<std::string> ScriptedDialogs::box_texts() const {
  std::vector<std::string> out;
  for (const ShownBox& b : boxes) out.push_back(b.text);
  return out;
}

int RecordingSound::dsInitialize(int window) {
  calls.push_back("dsInitialize " + std::to_string(window));
  return device_opens ? 100 : 0;
}

void RecordingSound::dsTerminate(int device) { calls.push_back("dsTerminate " + std::to_string(device)); }

int RecordingSound::dsCreateDSB(int device, const std::vector<unsigned char>& image, int flags) {
  calls.push_back("dsCreateDSB " + std::to_string(device) + " " + std::to_string(flags));
  images.push_back(image);
  return next_handle++;
}

void RecordingSound::dsFree(int buffer) { calls.push_back("dsFree " + std::to_string(buffer)); }
void RecordingSound::dsPlay(int buffer) { calls.push_back("dsPlay " + std::to_string(buffer)); }
void RecordingSound::dsPlayLooping(int buffer) { calls.push_back("dsPlayLooping " + std::to_string(buffer)); }
void RecordingSound::dsStop(int buffer) { calls.push_back("dsStop " + std::to_string(buffer)); }

void RecordingSound::dsSetVolume(int buffer, int percent) {
  calls.push_back("dsSetVolume " + std::to_string(buffer) + " " + std::to_string(percent));
}

std::vector<int> RecordingSound::played() const {
  std::vector<int> out;
  for (const std::string& c : calls)
    if (c.rfind("dsPlay ", 0) == 0) out.push_back(std::stoi(c.substr(7)));
  return out;
}

}  // namespace velmora::testing
