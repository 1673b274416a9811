// The position as a picture: both hands, the labels, the board and both
// clocks, drawn afresh by the game's own drawing routines at two pixels per
// screen pixel of 15 twips whatever the window's own rendering, for the
// clipboard and for PNG files.
#pragma once

#include <QImage>
#include <QString>
#include <system_error>

#include "base/result.h"
#include "game/game.h"
#include "platform/drawing_screen.h"

namespace velmora::platform {

// Pixels of the picture per pixel of 15 twips.
inline constexpr int BOARD_PICTURE_SCALE = 2;

// The part of the window the picture shows, in twips.
QRect board_picture_twips();

// The position of `g` drawn on a drawing of its own through `screen`, the
// screen of the game; the window's drawing and the game are left as they were.
QImage board_picture(Game& g, DrawingScreen& screen);
void copy_board_picture(Game& g, DrawingScreen& screen);
// Writes the picture as a PNG file through the same safe replace as the
// records: a write that fails leaves the earlier file whole. The system's
// reason when the file could not be written.
Result<void, std::error_code> save_board_picture(Game& g, DrawingScreen& screen, const QString& path);
// Writes `image` to `path` as PNG through the same safe replace as the
// records: an earlier file stays whole if the write fails.
Result<void, std::error_code> save_png(const QImage& image, const QString& path);

}  // namespace velmora::platform
