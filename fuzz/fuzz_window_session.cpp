// A game window fed a record file and then any stream of menu commands,
// mouse clicks, timer ticks, keys, record saves and loads and answers to its
// boxes, through the recording fakes. After every event the position keeps
// its bookkeeping, and the settings file and every saved record stay
// well-formed. An event that never returns is a hang that libFuzzer reports.
//
// The input: two bytes (little-endian) giving the length of the record file,
// the record file, then events of three bytes each: a kind and two values.
#include <cmath>
#include <fstream>
#include <iterator>

#include "fakes/fake_ports.h"
#include "fakes/file_shapes.h"
#include "fuzz_check.h"
#include "match/window.h"
#include "rules/position_check.h"
#include "view/twips.h"

namespace velmora::fuzz {
namespace {

constexpr double SECONDS_PER_DAY = 86400;
constexpr const char* LOADED_RECORD = "読込.棋譜";
// The file names an event may save under or load; the last is never written.
constexpr const char* RECORD_NAMES[] = {"", "一", "二", "../外"};
// Titles a save may give: none, a plain one, one with line breaks, one that
// is no UTF-8, and one longer than a header keeps.
const std::string TITLES[] = {"", "対局", "一行目\r\n二行目", "\xFF\x82", std::string(1200, 'x')};
constexpr int PROMOTION_ANSWERS[] = {0,     -PORN, +PORN, -ROOK, +ROOK, -KNIG, +KNIG,
                                     -BISH, +BISH, -QEEN, +QEEN, -KING, +KING};

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Session {
 public:
  Session() {
    g_.working_directory = scratch_folder();
    g_.com.strong_limits.seconds = 0.01;  // level 4 answers quickly: an input may hold many of its turns
    t_.fakes.dialogs.folder = scratch_folder();
  }

  void open_with_record(std::string_view record) {
    std::ofstream(scratch_folder() + "/" + LOADED_RECORD, std::ios::binary) << record;
    on_window_load(g_, 1);
    on_record_file_clicked(g_, scratch_folder(), LOADED_RECORD);
    after_event();
  }

  // Runs one event; false once the program has ended.
  bool run(int kind, int a, int b) {
    switch (kind % 16) {
      case 0:
      case 1:
      case 2: click(MOUSE_LEFT, a, b); break;
      case 3:
      case 4: click(MOUSE_RIGHT, a, b); break;
      case 5: click(3, a, b); break;  // the middle button
      case 6:
      case 7:
      case 8:
      case 9: choose(a * 256 + b); break;
      case 10: tick(a * 256 + b); break;
      case 11: answer(a, b); break;
      case 12: save(a, b); break;
      case 13: load(a); break;
      case 14: on_key_press(g_, a); break;
      case 15: on_window_unload(g_); break;
    }
    after_event();
    if (turn_due(g_)) {  // the window asks the player of the side to move in an event of its own
      on_turn_due(g_);
      after_event();
    }
    return !g_.program_ended;
  }

 private:
  // A click on window cell (a % 23 - 6, b % 11), anywhere in the cell.
  void click(int button, int a, int b) {
    const int x = a % 23 - 6, y = b % 11;
    const double left = BOARD_LEFT + SQUARE_WIDTH * x + (a / 23) * SQUARE_WIDTH / 12.0;
    const double top = BOARD_TOP + SQUARE_HEIGHT * y + (b / 11) * SQUARE_HEIGHT / 24.0;
    on_mouse_down(g_, button, 0, left, top);
  }

  void choose(int n) {
    const auto item = static_cast<MenuItem>(n % static_cast<int>(MenuItem::NONE));
    on_menu(g_, item);
    check_settings_file();
  }

  // Time goes on by n twentieths of a second, past midnight as the day's clock does.
  void tick(int n) {
    testing::FakeClock& clock = t_.fakes.clock;
    clock.now = std::fmod(clock.now + n * 0.05, SECONDS_PER_DAY);
    on_timer(g_);
  }

  void answer(int a, int b) {
    t_.fakes.dialogs.yes_no_answers.push_back(a % 2 == 0 ? Answer::Yes : Answer::No);
    t_.fakes.dialogs.promotion_answers.push_back(PROMOTION_ANSWERS[b % std::size(PROMOTION_ANSWERS)]);
  }

  void save(int a, int b) {
    RecordFields& fields = t_.fakes.dialogs.fields;
    fields.file_name = RECORD_NAMES[a % std::size(RECORD_NAMES)];
    fields.title = TITLES[b % std::size(TITLES)];
    on_record_save_clicked(g_);
    if (fields.file_name.empty()) return;
    const std::string path = scratch_folder() + "/" + fields.file_name + ".棋譜";
    if (!std::filesystem::exists(path)) return;
    if (const auto fault = testing::record_file_fault(read_file(path))) fail("a saved record: " + *fault);
  }

  void load(int a) {
    const std::string name =
        a % 5 == 0 ? LOADED_RECORD : std::string(RECORD_NAMES[a % std::size(RECORD_NAMES)]) + ".棋譜";
    on_record_file_clicked(g_, scratch_folder(), name);
  }

  void check_settings_file() {
    const std::string path = scratch_folder() + "/Velmora.ini";
    if (const auto fault = testing::settings_file_fault(read_file(path))) fail("the settings file: " + *fault);
  }

  void after_event() {
    if (const PositionCheck checked = g_.pos.check(); !checked) fail("the position: " + checked.error().what);
    require(g_.pos.move_number >= 0, "a negative move number");
    for (const testing::ShownBox& box : t_.fakes.dialogs.boxes) require(!box.text.empty(), "an empty message box");
    // The logs would only grow; what matters has been checked.
    t_.fakes.screen.clear();
    t_.fakes.dialogs.boxes.clear();
    t_.fakes.dialogs.calls.clear();
    t_.fakes.sound.calls.clear();
  }

  testing::TestGame t_;
  Game& g_ = t_.game;
};

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora::fuzz;
  clear_scratch_folder();
  const std::size_t length_bytes = std::min<std::size_t>(size, 2);
  const std::size_t stated = length_bytes == 2 ? data[0] | data[1] << 8 : 0;
  const std::size_t record_size = std::min(stated, size - length_bytes);
  const std::size_t events_start = length_bytes + record_size;
  Session session;
  session.open_with_record(bytes(data + length_bytes, record_size));
  for (std::size_t at = events_start; at + 3 <= size; at += 3)
    if (!session.run(data[at], data[at + 1], data[at + 2])) break;
  return 0;
}
