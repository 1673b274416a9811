// A modal message box with the game's text, title, icon and buttons.
#pragma once

#include <QWidget>
#include <string>

#include "ports/ports.h"

namespace velmora::platform {

// How wide a window must be for the window manager to show its whole title.
int whole_title_width(const QWidget& window);

Answer show_message_box(QWidget* parent, const std::string& text, const std::string& title, Buttons buttons, Icon icon);

}  // namespace velmora::platform
