// Plays a match through the game's session, its window's ports faked, and
// writes the match as the game keeps it for 前回の対局を再開: a real kept match
// for the seeds of the match_file target, every section of it filled. The
// person's moves are the hints the game offers; the computer answers at
// level 1. The match is played, saved as a record, loaded again, played on
// from its last move, turned round, played on, and stepped one move back.
//
//   play_match_seed OUT
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "assist/hint.h"
#include "fakes/fake_ports.h"
#include "match/window.h"
#include "resume/resume.h"
#include "view/twips.h"

namespace velmora {
namespace {

constexpr int MOUSE_BUTTONS[] = {MOUSE_LEFT, MOUSE_RIGHT};

void click(Game& g, int button, Cell c) {
  on_mouse_down(g, button, 0, BOARD_LEFT + SQUARE_WIDTH * (c.x + 0.5), BOARD_TOP + SQUARE_HEIGHT * (c.y + 0.5));
  keep_match(g);
}

bool match_goes_on(const Game& g) { return g.pos.turn != 0 && !g.pos.history.match_ended && !g.program_ended; }

// The person thinks a while and plays the hint, unpromoted where the rules
// let it stay so; the computer answers within the same click.
bool play_person_moves(testing::TestGame& t, int moves) {
  Game& g = t.game;
  for (int played = 0; played < moves && match_goes_on(g); ++played) {
    t.fakes.clock.now += 2 + played % 7;
    on_timer(g);
    const std::optional<Candidate> hint = find_hint(g);
    if (!hint) return false;
    const int before = g.pos.move_number;
    for (const int button : MOUSE_BUTTONS) {
      click(g, MOUSE_LEFT, hint->source_cell());
      click(g, button, hint->to);
      if (g.pos.move_number != before) break;
    }
    if (g.pos.move_number == before) return false;
  }
  return match_goes_on(g);
}

void menu(Game& g, MenuItem item) {
  on_menu(g, item);
  keep_match(g);
}

int play(const std::string& out) {
  std::string pattern = (std::filesystem::temp_directory_path() / "velmora-seed-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return 1;
  const std::string folder = pattern;
  testing::TestGame t;
  Game& g = t.game;
  g.working_directory = folder;
  t.fakes.dialogs.folder = folder;
  t.fakes.clock.now = 36000;
  on_window_load(g, 7);
  for (const MenuItem item :
       {MenuItem::KANKOKU, MenuItem::CHESS_MOCHIKOMA, MenuItem::KEIKA, MenuItem::LEVEL1, MenuItem::START2})
    menu(g, item);
  bool whole = play_person_moves(t, 10);
  menu(g, MenuItem::KIFU_WRITE);
  t.fakes.dialogs.fields = {"練習", "練習対局 \\ 第一局", "山田 太郎", "ｽﾐｽ\n"};
  on_record_save_clicked(g);
  menu(g, MenuItem::KIFU_READ);
  on_record_file_clicked(g, folder, "練習.棋譜");
  keep_match(g);
  while (g.pos.move_number < g.pos.history.record_length) menu(g, MenuItem::AFTER);
  menu(g, MenuItem::START2);
  whole = whole && play_person_moves(t, 10);
  menu(g, MenuItem::REVERSE);
  whole = whole && play_person_moves(t, 6);
  menu(g, MenuItem::REPLAY);
  t.fakes.clock.now += 5;
  on_window_unload(g);
  keep_match(g);
  std::filesystem::copy_file(match_file_path(g), out, std::filesystem::copy_options::overwrite_existing);
  std::filesystem::remove_all(folder);
  if (!whole) std::cerr << "play_match_seed: the match ended early, at move " << g.pos.move_number << "\n";
  return whole ? 0 : 1;
}

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: play_match_seed OUT\n";
    return 2;
  }
  return velmora::play(argv[1]);
}
