// The events of the main window: the platform calls these and nothing else.
// After each one it repaints, mirrors the menu check marks and closes the
// window when g.program_ended is set.
#pragma once

#include <string>

#include "game/game.h"
#include "shell/menu.h"

namespace velmora {

// The window has opened: sound, constants, settings, starting position, drawing, placement.
void on_window_load(Game& g, int window_handle);
// A game that shows no window (a picture drawn from the command line): the
// constants, the settings as at start-up (read, never written) and the
// starting position; no sound.
void open_without_window(Game& g);
// A mouse button went down at (x, y) twips; button 1 left, 2 right.
void on_mouse_down(Game& g, int button, int shift, double x, double y);
// A key was pressed (27 = Esc ends the program).
void on_key_press(Game& g, int key);
// A menu item, or one of the commands on the bar, was chosen (or a menu opened).
void on_menu(Game& g, MenuItem item);
// The player of the side to move waits to be asked for its move (the event
// that handed it the turn has ended): the window puts the question with
// on_turn_due as an event of its own, and before any other event.
bool turn_due(const Game& g);
void on_turn_due(Game& g);
// Timer1 fired (every 50 ms; the handler does nothing while Timer1 is disabled).
void on_timer(Game& g);
// The window is being closed.
void on_window_unload(Game& g);

// The record-file panel: a file of the file list was clicked (loads it), the
// RETURN button was clicked (saves).
void on_record_file_clicked(Game& g, const std::string& folder, const std::string& file_name);
void on_record_save_clicked(Game& g);

}  // namespace velmora
