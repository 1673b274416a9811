// A modal message box with the game's text, title, icon and buttons.
#pragma once

#include <QWidget>
#include <string>

#include "ports/ports.h"

namespace velmora::platform {

Answer show_message_box(QWidget* parent, const std::string& text, const std::string& title, Buttons buttons, Icon icon);

}  // namespace velmora::platform
