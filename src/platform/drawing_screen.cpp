#include "platform/drawing_screen.h"

#include <QScopeGuard>
#include <utility>

#include "platform/language.h"

namespace velmora::platform {

void DrawingScreen::paste_picture(int picture, int shade, double left, double top) {
  if (drawing_ != nullptr) drawing_->paste_picture(picture, shade, left, top);
}

void DrawingScreen::paste_picture_within(int picture, int shade, double left, double top, double right, double bottom) {
  if (drawing_ != nullptr) drawing_->paste_picture_within(picture, shade, left, top, right, bottom);
}

void DrawingScreen::outline(PaletteColour colour, double left, double top, double right, double bottom) {
  if (drawing_ != nullptr) drawing_->outline(colour, left, top, right, bottom);
}

void DrawingScreen::print_text(const std::string& text, double left, double top, int size, PaletteColour colour,
                               bool bold) {
  if (drawing_ != nullptr) drawing_->print_text(shown_utf8(text), left, top, size, colour, bold);
}

void DrawingScreen::print_players_text(const std::string& text, double left, double top, int size, PaletteColour colour,
                                       bool bold) {
  if (drawing_ != nullptr) drawing_->print_text(text, left, top, size, colour, bold);
}

void DrawingScreen::print_counted_text(const std::string& text, int count, double left, double top, int size,
                                       PaletteColour colour, bool bold) {
  if (drawing_ != nullptr) drawing_->print_text(shown_counted_utf8(text, count), left, top, size, colour, bold);
}

double DrawingScreen::text_width(const std::string& text, int size, bool bold) const {
  return drawing_ != nullptr ? drawing_->text_width(shown_utf8(text), size, bold) : 0;
}

double DrawingScreen::counted_text_width(const std::string& text, int count, int size, bool bold) const {
  return drawing_ != nullptr ? drawing_->text_width(shown_counted_utf8(text, count), size, bold) : 0;
}

void DrawingScreen::draw_on(Drawing& drawing, const std::function<void()>& draw) {
  Drawing* const before = std::exchange(drawing_, &drawing);
  const auto back = qScopeGuard([this, before] { drawing_ = before; });
  draw();
}

}  // namespace velmora::platform
