// One game in its desktop window: the main window, the Qt ports and the Game
// wired to them. The program makes one; the window tests make their own.
#pragma once

#include <QString>

#include "game/game.h"
#include "platform/main_window.h"
#include "platform/network_menu.h"
#include "platform/qt_clock.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_screen.h"
#include "platform/twips.h"
#include "platform/view_menu.h"

#if defined(VELMORA_LIBRARY_SOUND)
#include "platform/library_sound.h"
#else
#include "ports/null_ports.h"
#endif

namespace velmora::platform {

#if defined(VELMORA_LIBRARY_SOUND)
using DesktopSound = LibrarySound;
#else
using DesktopSound = NullSound;
#endif

struct DisplayScale {
  double zoom = 1.0;     // window enlargement (see TwipScale)
  int render_scale = 1;  // backing-image pixels per pixel of 15 twips
  // The backing image's pixels per pixel of 15 twips where they are not a
  // whole number (a zoom of 1.5 on a plain screen); 0: render_scale.
  double exact_render_scale = 0;

  double image_scale() const { return exact_render_scale > 0 ? exact_render_scale : render_scale; }
};

// The scale that suits the primary screen: a zoom that fills most of it, and
// a backing image of the window's real size on it, the zoom times the
// screen's pixel density, so that it is shown pixel for pixel.
DisplayScale display_scale_for_primary_screen();

// Makes the Japanese font the application's font, for menus and dialogs.
void use_japanese_font();

// Gives every window of the game its icon, and tells the desktop which menu
// entry the windows belong to.
void use_game_icon();

class DesktopGame {
 public:
  // `working_directory` holds the settings file and the wave files; the
  // record-file panel starts there too. A `sound_directory` given apart holds
  // the wave files instead.
  DesktopGame(const QString& working_directory, DisplayScale display, const QString& sound_directory = {});

  // Shows the window and runs the game's start-up in it.
  void open();

  MainWindow& window() { return window_; }
  QtDialogs& dialogs() { return dialogs_; }
  Game& game() { return game_; }
  QtScreen& screen() { return screen_; }
  ViewMenu& view_menu() { return view_menu_; }
  NetworkMenu& network_menu() { return network_menu_; }

 private:
  TwipScale scale_;
  MainWindow window_;
  QtScreen screen_;
  QtDialogs dialogs_;
  DesktopSound sound_;
  QtClock clock_;
  Game game_;
  ViewMenu view_menu_;
  // 表示 → ネット対局, after the other items of 表示.
  NetworkMenu network_menu_;
};

}  // namespace velmora::platform
