// The position as a picture: the board with both hands, cut from the window's
// drawing at two pixels per screen pixel of 15 twips, for the clipboard and
// for PNG files.
#pragma once

#include <QImage>
#include <QString>

#include "platform/canvas.h"

namespace velmora::platform {

// Pixels of the picture per pixel of 15 twips.
inline constexpr int BOARD_PICTURE_SCALE = 2;

// The part of the window the picture shows, in twips: the hands left and
// right of the board (cells -5..15), the file numbers above it (row 0) and
// the nine rows.
QRect board_picture_twips();

QImage board_picture(const Canvas& canvas);
void copy_board_picture(const Canvas& canvas);
// False when the file could not be written.
bool save_board_picture(const Canvas& canvas, const QString& path);

}  // namespace velmora::platform
