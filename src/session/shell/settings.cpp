#include "shell/settings.h"

#include <string>
#include <vector>

#include "record/record_files.h"
#include "setup/new_game.h"
#include "text/shift_jis.h"
#include "text/shown.h"
#include "text/text_files.h"
#include "timing/time_left.h"
#include "view/board_view.h"
#include "view/clocks.h"
#include "view/sound_effects.h"
#include "view/system_reasons.h"
#include "view/texts.h"

namespace velmora {
namespace {

constexpr const char* SETTINGS_FILE_NAME = "Velmora.ini";
// No setting line comes near this length; a longer line is cut and then
// matches nothing.
constexpr std::size_t MAX_SETTING_LINE_BYTES = 256;

constexpr const char* KEY_BACKGROUND = "背景画";
constexpr const char* KEY_GUIDANCE = "移動指導";
constexpr const char* KEY_CLOCKS = "経過時間";
constexpr const char* KEY_CHESS_DROPS = "チェス側持駒OK";
constexpr const char* KEY_MUSIC = "BGM";
constexpr const char* KEY_NATION = "主戦";
constexpr const char* ON = "ON";
constexpr const char* NATION_JAPAN = "日本";
constexpr const char* NATION_KOREA = "韓国";

struct Background {
  MenuItem item;
  int picture;
  const char* name;
  bool MenuChecks::*mark;
};
// In the order the settings writer looks for the checked one.
constexpr Background BACKGROUNDS[] = {
    {MenuItem::MIDORI, PICTURE_MIDORI, "緑", &MenuChecks::MIDORI},
    {MenuItem::TAKE, PICTURE_TAKE, "竹", &MenuChecks::TAKE},
    {MenuItem::TATAMI, PICTURE_TATAMI, "畳", &MenuChecks::TATAMI},
    {MenuItem::UCHU, PICTURE_UCHU, "宇宙", &MenuChecks::UCHU},
    {MenuItem::RENGA, PICTURE_RENGA, "煉瓦", &MenuChecks::RENGA},
};

std::string settings_path(const Game& g) { return g.working_directory + "/" + SETTINGS_FILE_NAME; }

std::string setting(const char* key, const std::string& value) { return std::string(key) + "=" + value; }
std::string on_off(const char* key, bool on) { return setting(key, on ? "ON" : "OFF"); }

// Writes the lines in Shift-JIS, each ended by CR LF, replacing the file.
Result<void, std::error_code> write_lines(const Game& g, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return replace_file(settings_path(g), utf8_to_shift_jis(text));
}

std::vector<std::string> lines_of_menu(const Game& g) {
  std::vector<std::string> lines;
  for (const Background& b : BACKGROUNDS)
    if (g.menu.*b.mark) {
      lines.push_back(setting(KEY_BACKGROUND, b.name));
      break;
    }
  lines.push_back(on_off(KEY_GUIDANCE, g.menu.SIDOU));
  lines.push_back(on_off(KEY_CLOCKS, g.menu.KEIKA));
  lines.push_back(on_off(KEY_CHESS_DROPS, g.menu.CHESS_MOCHIKOMA));
  lines.push_back(on_off(KEY_MUSIC, g.menu.BGM));
  lines.push_back(setting(KEY_NATION, g.menu.NIPPON ? NATION_JAPAN : NATION_KOREA));
  return lines;
}

void set_guidance(Game& g, bool on) {
  g.menu.SIDOU = on;
  g.view.guidance_on = on;
  g.view.guidance_colour = on ? PaletteColour::White : g.view.frame_colour;
}

void use_background(Game& g, int picture) {
  select_background_menu(g, picture);
  描画_背景(g, picture);
  g.view.current_background = picture;
}

void apply_setting(Game& g, const std::string& key, const std::string& value) {
  const bool on = value == ON;
  if (key == KEY_BACKGROUND) {
    for (const Background& b : BACKGROUNDS)
      if (value == b.name) use_background(g, b.picture);
  } else if (key == KEY_CLOCKS) {
    g.menu.KEIKA = on;  // the check mark only; the clock timer is left alone
  } else if (key == KEY_CHESS_DROPS) {
    g.menu.CHESS_MOCHIKOMA = on;
  } else if (key == KEY_MUSIC) {
    g.menu.BGM = on;
  } else if (key == KEY_NATION) {
    if (value == NATION_JAPAN)
      g.menu.KANKOKU = false;
    else
      g.menu.NIPPON = false;
  } else if (key == KEY_GUIDANCE) {
    set_guidance(g, on);
  }
}

// A line "key=value" (UTF-8); a line without "=" is not a setting.
void apply_setting_line(Game& g, const std::string& line) {
  const std::size_t equals = line.find('=');
  if (equals != std::string::npos) apply_setting(g, line.substr(0, equals), line.substr(equals + 1));
}

// After reading, every check mark is the state it stands for, whether a line
// of the file set it or the mark kept its state from when the window opened.
// Exactly one nation stays checked, or the two menu items could never switch
// the army again; the one that stays is the one the starting position
// follows (日本 whenever NIPPON is checked).
void follow_the_marks(Game& g) {
  g.menu.KANKOKU = !g.menu.NIPPON;
  for (const Background& b : BACKGROUNDS)
    if (g.menu.*b.mark && g.view.current_background != b.picture) use_background(g, b.picture);
  set_guidance(g, g.menu.SIDOU);
  if (g.menu.BGM) start_music(g);
}

std::vector<std::string> first_run_lines() {
  return {setting(KEY_BACKGROUND, "畳"), on_off(KEY_GUIDANCE, false), on_off(KEY_CLOCKS, true), on_off(KEY_MUSIC, true),
          setting(KEY_NATION, NATION_JAPAN)};
}

void apply_first_run_settings(Game& g) {
  for (const std::string& line : first_run_lines()) apply_setting_line(g, line);
  follow_the_marks(g);
}

// The file could not be opened: a fresh one with the first-run settings,
// applied as if they had been read. A failed write is not reported here; the
// first option click that cannot write the file reports it.
void defaults_on_reading(Game& g) {
  (void)write_lines(g, first_run_lines());
  apply_first_run_settings(g);
}

// Tells the user once per run that the options are not being remembered.
void report_failed_write(Game& g, const std::error_code& error) {
  if (g.settings_write_reported) return;
  g.settings_write_reported = true;
  show_message(g,
               SHOWN("設定ﾌｧｲﾙを書き込めません") "\n" + settings_path(g) + "\n" + reason_text(error) +
                   "\n\n" SHOWN("ｵﾌﾟｼｮﾝの変更は今回だけ有効です"),
               SHOWN("ｵﾌﾟｼｮﾝ"), Icon::Exclamation);
}

void background_click(Game& g, const Background& b) {
  if (!(g.menu.*b.mark)) {
    select_background_menu(g, b.picture);
    g.view.current_background = b.picture;
  }
  write_settings(g);
  画面_再描画(g);
}

void guidance_click(Game& g) {
  if (g.menu.SIDOU) {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) 描画_桝輪郭(g, g.view.frame_colour, {x, y});
    描画_自持盤(g);
    描画_敵持盤(g);
    set_guidance(g, false);
  } else {
    set_guidance(g, true);
  }
  write_settings(g);
}

void clocks_click(Game& g) {
  g.menu.KEIKA = !g.menu.KEIKA;
  // Under a time control the clocks count down and stay on show either way.
  g.clock.timer1_enabled = g.menu.KEIKA || (match_timed(g) && g.clock.timer1_enabled);
  if (clocks_kept(g)) {
    show_clocks(g);
  } else {
    消去_所有時間(g, Side::Own);
    消去_所有時間(g, Side::Enemy);
  }
  write_settings(g);
}

void chess_drops_click(Game& g) {
  g.menu.CHESS_MOCHIKOMA = !g.menu.CHESS_MOCHIKOMA;
  write_settings(g);
  画面_再描画(g);
}

void music_click(Game& g) {
  g.menu.BGM = !g.menu.BGM;
  if (g.menu.BGM)
    start_music(g);
  else
    stop_music(g);
  write_settings(g);
}

void nation_click(Game& g, bool japan) {
  bool& clicked = japan ? g.menu.NIPPON : g.menu.KANKOKU;
  bool& other = japan ? g.menu.KANKOKU : g.menu.NIPPON;
  if (clicked) return;
  clicked = true;
  other = false;
  write_settings(g);
  switch_main_army(g);
}

}  // namespace

void apply_settings(Game& g, std::istream& in) {
  LineReader reader(in);
  std::string raw;
  while (reader.next(raw, MAX_SETTING_LINE_BYTES)) apply_setting_line(g, shift_jis_to_utf8(raw));
  follow_the_marks(g);
}

void 読込_環境設定ファイル(Game& g) {
  InputFile file(settings_path(g));
  if (file.error()) return defaults_on_reading(g);
  apply_settings(g, file.stream());
}

void read_settings_only(Game& g) {
  InputFile file(settings_path(g));
  if (file.error()) return apply_first_run_settings(g);
  apply_settings(g, file.stream());
}

void write_settings(Game& g) {
  if (const Result<void, std::error_code> written = write_lines(g, lines_of_menu(g)); !written)
    report_failed_write(g, written.error());
}

void select_background_menu(Game& g, int picture) {
  for (const Background& b : BACKGROUNDS) g.menu.*b.mark = false;
  for (const Background& b : BACKGROUNDS)
    if (b.picture == picture) g.menu.*b.mark = true;
}

void option_click(Game& g, MenuItem item) {
  for (const Background& b : BACKGROUNDS)
    if (b.item == item) return background_click(g, b);
  switch (item) {
    case MenuItem::SIDOU: return guidance_click(g);
    case MenuItem::KEIKA: return clocks_click(g);
    case MenuItem::CHESS_MOCHIKOMA: return chess_drops_click(g);
    case MenuItem::BGM: return music_click(g);
    case MenuItem::NIPPON: return nation_click(g, true);
    case MenuItem::KANKOKU: return nation_click(g, false);
    case MenuItem::OPTION: return close_record_panel(g);
    default: return;
  }
}

}  // namespace velmora
