// The position as a picture: the board with both hands, drawn afresh at two
// pixels per screen pixel of 15 twips whatever the window's own rendering,
// for the clipboard and for PNG files.
#pragma once

#include <QImage>
#include <QString>
#include <system_error>

#include "game/game.h"
#include "platform/qt_screen.h"

namespace velmora::platform {

// Pixels of the picture per pixel of 15 twips.
inline constexpr int BOARD_PICTURE_SCALE = 2;

// The part of the window the picture shows, in twips: the hands left and
// right of the board (cells -5..15), the file numbers above it (row 0) and
// the nine rows.
QRect board_picture_twips();

// The window's drawing redone on a canvas of its own at the picture's scale;
// the window's canvas and the game are left as they were.
QImage board_picture(Game& g, QtScreen& screen);
void copy_board_picture(Game& g, QtScreen& screen);
// Writes the picture as a PNG file through the same safe replace as the
// records: a write that fails leaves the earlier file whole. The system's
// reason when the file could not be written; empty on success.
[[nodiscard]] std::error_code save_board_picture(Game& g, QtScreen& screen, const QString& path);

}  // namespace velmora::platform
