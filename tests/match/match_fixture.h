// A game window opened the way the program opens it (sounds, settings file,
// starting position) in a private working directory, with helpers that click
// cells in twips and read back what was shown and heard.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "fakes/fake_ports.h"
#include "match/window.h"
#include "setup/new_game.h"
#include "view/twips.h"

namespace velmora::testing {

struct Placed {
  int x, y, code;
};

inline std::filesystem::path fresh_working_directory() {
  static int serial = 0;
  const auto dir = std::filesystem::temp_directory_path() /
                   ("velmora_match_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "チェス打音.wav", "消滅.wav", "BGM.wav"})
    std::ofstream(dir / name, std::ios::binary) << "RIFF0000WAVEfmt ";
  return dir;
}

class MatchTest : public ::testing::Test {
 protected:
  TestGame t;
  Game& g = t.game;
  std::filesystem::path dir = fresh_working_directory();

  void SetUp() override {
    g.working_directory = dir.string();
    on_window_load(g, 7);
    clear_logs();
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  void clear_logs() {
    t.fakes.screen.clear();
    t.fakes.dialogs.boxes.clear();
    t.fakes.dialogs.calls.clear();
    t.fakes.sound.calls.clear();
  }

  // What the window does once an event has ended: the player of the side
  // to move is asked for its move, in an event of its own.
  void ask_due_player() {
    if (turn_due(g)) on_turn_due(g);
  }

  // A click in the middle of window cell (x, y), and what follows it.
  void click(int x, int y, int button = MOUSE_LEFT) {
    on_mouse_down(g, button, 0, BOARD_LEFT + SQUARE_WIDTH * x + SQUARE_WIDTH / 2.0,
                  BOARD_TOP + SQUARE_HEIGHT * y + SQUARE_HEIGHT / 2.0);
    ask_due_player();
  }
  // A menu command, and what follows it.
  void choose(MenuItem item) {
    on_menu(g, item);
    ask_due_player();
  }
  void move(int fx, int fy, int tx, int ty, int button = MOUSE_LEFT) {
    click(fx, fy);
    click(tx, ty, button);
  }

  // A new game whose starting position (move 0) holds only the given pieces.
  void set_position(std::initializer_list<Placed> pieces) {
    初期設定(g);
    g.pos.board.fill_squares(EMPTY);
    for (const Placed& p : pieces) g.pos.board(p.x, p.y) = p.code;
    g.pos.history.slot(0).board = g.pos.board;
    g.pos.history.slot(0).hand_own = g.pos.hand_own;
    g.pos.history.slot(0).hand_enemy = g.pos.hand_enemy;
  }
  void give_own(int kind, int count = 1) { g.pos.hand_own[hand_index_of(kind)] += count; }
  void give_enemy(int kind, int count = 1) { g.pos.hand_enemy[hand_index_of(kind)] += count; }

  void start_two_people() {
    on_menu(g, MenuItem::MATCH_MAN);
    clear_logs();
  }

  int times_played(int buffer) const {
    const std::vector<int> played = t.fakes.sound.played();
    return static_cast<int>(std::count(played.begin(), played.end(), buffer));
  }
  int refusals() const { return times_played(g.sound.snd_refuse); }
  std::vector<std::string> box_texts() const { return t.fakes.dialogs.box_texts(); }
  std::string last_box_title() const { return t.fakes.dialogs.boxes.back().title; }
  bool dialog_called(const std::string& call) const {
    const auto& calls = t.fakes.dialogs.calls;
    return std::find(calls.begin(), calls.end(), call) != calls.end();
  }
  PaletteColour outline_colour(int x, int y) const { return t.fakes.screen.last_outline_at_cell(x, y)->colour; }
};

}  // namespace velmora::testing
