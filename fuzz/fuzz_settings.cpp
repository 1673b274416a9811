// The settings reader against any file, followed by a write and a re-read:
// exactly one nation and one background stay checked, the background shown
// is the checked one (or none yet), the music plays exactly when it is
// checked, the file written is well-formed, and reading it back gives the
// same check marks.
#include "shell/settings.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "fakes/fake_ports.h"
#include "fakes/file_shapes.h"
#include "fuzz_check.h"

namespace velmora::fuzz {
namespace {

struct BackgroundMark {
  bool MenuChecks::*mark;
  int picture;
};
constexpr BackgroundMark BACKGROUND_MARKS[] = {{&MenuChecks::MIDORI, PICTURE_MIDORI},
                                               {&MenuChecks::TATAMI, PICTURE_TATAMI},
                                               {&MenuChecks::TAKE, PICTURE_TAKE},
                                               {&MenuChecks::UCHU, PICTURE_UCHU},
                                               {&MenuChecks::RENGA, PICTURE_RENGA}};

// The picture of the one checked background; 0 when not exactly one is checked.
int checked_background(const MenuChecks& m) {
  int picture = 0, checked = 0;
  for (const BackgroundMark& b : BACKGROUND_MARKS)
    if (m.*b.mark) picture = b.picture, ++checked;
  return checked == 1 ? picture : 0;
}

bool same_marks(const MenuChecks& a, const MenuChecks& b) {
  return checked_background(a) == checked_background(b) && a.SIDOU == b.SIDOU && a.KEIKA == b.KEIKA &&
         a.CHESS_MOCHIKOMA == b.CHESS_MOCHIKOMA && a.BGM == b.BGM && a.NIPPON == b.NIPPON && a.KANKOKU == b.KANKOKU;
}

constexpr int MUSIC_BUFFER = 6;

void check_marks(const testing::TestGame& t) {
  const Game& g = t.game;
  require(g.menu.NIPPON + g.menu.KANKOKU == 1, "not exactly one nation is checked");
  const int background = checked_background(g.menu);
  require(background != 0, "not exactly one background is checked");
  require(g.view.current_background == 0 || g.view.current_background == background,
          "the background shown is not the checked one");
  const std::vector<std::string> music_started{"dsPlayLooping " + std::to_string(MUSIC_BUFFER)};
  require(t.fakes.sound.calls == (g.menu.BGM ? music_started : std::vector<std::string>{}),
          "the music does not follow its check mark");
}

void check_written_and_read_back(Game& g) {
  write_settings(g);
  std::ifstream file(scratch_folder() + "/Velmora.ini", std::ios::binary);
  const std::string written{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (const auto fault = testing::settings_file_fault(written)) fail("the settings file written: " + *fault);
  testing::TestGame again;
  again.game.working_directory = scratch_folder();
  読込_環境設定ファイル(again.game);
  require(same_marks(again.game.menu, g.menu), "the settings read back differ from those written");
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  testing::TestGame t;
  t.game.working_directory = fuzz::scratch_folder();
  t.game.sound.snd_bgm = fuzz::MUSIC_BUFFER;
  std::istringstream in{std::string(fuzz::bytes(data, size))};
  apply_settings(t.game, in);
  fuzz::check_marks(t);
  fuzz::check_written_and_read_back(t.game);
  return 0;
}
