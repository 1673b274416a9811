#include "resume/resume.h"

#include <filesystem>

#include "com/com_turn.h"
#include "com/levels.h"
#include "match/turns.h"
#include "record/record_files.h"
#include "resume/match_file.h"
#include "rules/moves.h"
#include "rules/turn_order.h"
#include "shell/settings.h"
#include "text/shown.h"
#include "text/text_files.h"
#include "view/board_view.h"
#include "view/clocks.h"
#include "view/sound_effects.h"
#include "view/system_reasons.h"
#include "view/texts.h"

namespace velmora {
namespace {

constexpr const char* TITLE_RESUME = SHOWN("前回の対局を再開");
constexpr double SECONDS_PER_DAY = 86400;

// A match is on show, being played (not a record looked at), and it has not
// ended.
bool holds_match(const Game& g) { return g.pos.turn != 0 && !g.record_mode && !g.pos.history.match_ended; }

void forget_match_file(Game& g) {
  std::error_code ignored;
  std::filesystem::remove(match_file_path(g), ignored);
  g.resume.keeping = false;
  g.resume.kept.reset();
}

// The match the file follows is no longer on show, but it has not ended
// (a record was loaded, a new game set up): the file keeps it as it was last
// written, and 前回の対局を再開 offers it again.
void leave_match_file(Game& g) {
  g.resume.keeping = false;
  g.resume.kept.reset();
  look_for_match_to_resume(g);
}

// A failed write is told once a run, and never as the program ends: it ends
// at once, without a box.
void write_match(Game& g, const SavedMatch& match) {
  const Result<void, std::error_code> written = replace_file(match_file_path(g), format_saved_match(match));
  if (written || g.resume.write_reported || g.program_ended) return;
  g.resume.write_reported = true;
  show_message(g, SHOWN("対局を保存できません") "\n" + match_file_path(g) + "\n" + reason_text(written.error()),
               TITLE_RESUME, Icon::Exclamation);
}

// The match without the thinking time of its turn, which changes on every
// tick of the clock and alone is no reason to write.
std::shared_ptr<const SavedMatch> without_thinking(SavedMatch match) {
  match.thinking = 0;
  return std::make_shared<const SavedMatch>(std::move(match));
}

// The nation and the chess-drop option are the match's: they are set as it
// was played, and the settings file follows as after any option change.
void take_options(Game& g, const SavedMatch& m) {
  if (g.menu.NIPPON == m.nippon && g.menu.CHESS_MOCHIKOMA == m.chess_drops) return;
  g.menu.NIPPON = m.nippon;
  g.menu.KANKOKU = !m.nippon;
  g.menu.CHESS_MOCHIKOMA = m.chess_drops;
  write_settings(g);
}

void take_position(Game& g, const SavedMatch& m) {
  g.pos = m.pos;
  調査_2歩フラグ設定(g.pos);
}

// The clock of the side to move goes on from where it stood; the time the
// program was not running does not count.
void take_clocks(Game& g, const SavedMatch& m) {
  Clocks& c = g.clock;
  c.clock_own_total = m.clock_own_total;
  c.clock_enemy_total = m.clock_enemy_total;
  c.turn_elapsed = m.thinking;
  c.timer1_enabled = m.clock_running;
  c.shown_second = NO_SECOND_SHOWN;  // the next tick shows the running total
  c.turn_start_time = g.ports.clock.time_of_day() - m.thinking;
  if (c.turn_start_time < 0) c.turn_start_time += SECONDS_PER_DAY;
}

// The match goes on under the controls it was played under; the times left
// follow from them and the move list.
void take_time_controls(Game& g, const SavedMatch& m) {
  g.timing.match = m.time_controls;
  g.timing.turn_clock_stopped = false;
  g.timing.time_out_due = false;
}

// The computer's reply that the person is to answer stands framed in white,
// as it was when it was played.
void frame_computers_reply(Game& g) {
  const ShownMove& reply = g.view.shown.enemy_move;
  const bool reply_to_answer = g.game_mode == MODE_COM && side_to_move(g.pos) == Side::Own && !g.record_mode &&
                               !g.resume_pending && g.pos.move_number == g.pos.history.record_length;
  if (reply_to_answer && reply.shown) 描画_桝輪郭(g, PaletteColour::White, reply.at);
}

bool computer_to_move(const Game& g) {
  return g.game_mode == MODE_COM && side_to_move(g.pos) == Side::Enemy && !g.record_mode && !g.resume_pending;
}

}  // namespace

std::string match_file_path(const Game& g) { return g.working_directory + "/" + MATCH_FILE_NAME; }

void look_for_match_to_resume(Game& g) {
  std::error_code error;
  g.resume.offered =
      !g.resume.keeping && !g.resume.kept_elsewhere && std::filesystem::is_regular_file(match_file_path(g), error);
}

bool match_to_resume(const Game& g) { return g.resume.offered; }

void keep_match(Game& g) {
  ResumeState& r = g.resume;
  if (r.frozen || r.kept_elsewhere) return;
  if (!holds_match(g)) {
    // Looking at a record or a review replaces nothing; only a match played
    // here ending removes the file.
    const bool played_here = r.keeping || r.move_played;
    r.move_played = false;
    if (played_here && g.pos.history.match_ended)
      forget_match_file(g);
    else if (r.keeping)
      leave_match_file(g);
    return;
  }
  // A match started but not yet played does not take the file's place.
  if (!r.keeping && !r.move_played) return;
  const SavedMatch now = saved_match(g);
  std::shared_ptr<const SavedMatch> kept = without_thinking(now);
  const bool changed = !r.keeping || !r.kept || !(*r.kept == *kept);
  r.keeping = true;
  r.offered = false;  // this run's match has taken the earlier one's place
  r.frozen = g.program_ended;
  if (!changed && !g.program_ended) return;
  r.kept = std::move(kept);
  write_match(g, now);
}

void keep_match_at_signal(Game& g) {
  if (!g.resume.frozen && g.resume.keeping && g.pos.history.match_ended) forget_match_file(g);
  g.resume.frozen = true;
}

void restore_saved_match(Game& g, const SavedMatch& m) {
  close_record_panel(g);
  take_options(g, m);
  take_position(g, m);
  g.game_mode = m.game_mode;
  g.record_mode = m.record_mode;
  g.resume_pending = m.resume_pending;
  g.board_flipped = m.board_flipped;
  g.promotion_choice = 0;
  g.sel = Selection{};
  g.com.move_counter = m.move_counter;
  g.com.handicap_grade = m.handicap_grade;
  g.com.handicap_set = m.handicap_set;
  レベル_設定(g, m.com_level);
  take_clocks(g, m);
  take_time_controls(g, m);
  g.view.shown = m.shown;
  g.assist.match_winner.clear();
  g.resume.keeping = true;
  g.resume.offered = false;
  g.resume.kept = without_thinking(m);
  g.assist.list_chess_drops = m.chess_drops;
  画面_再描画(g);
  frame_computers_reply(g);
}

void resume_match_click(Game& g) {
  if (!g.resume.offered || g.network) return play_refusal(g);
  const std::string path = match_file_path(g);
  const Result<std::string, std::error_code> text = read_whole_file(path, MAX_MATCH_FILE_BYTES);
  const MatchFileResult read = text ? read_saved_match(*text) : Failure{MatchFileFault{reason_text(text.error())}};
  if (!read) {
    g.resume.offered = false;
    return show_message(g, SHOWN("前回の対局を読み込めません") "\n" + path + "\n" + read.error().what, TITLE_RESUME,
                        Icon::Exclamation);
  }
  restore_saved_match(g, *read);
  if (computer_to_move(g)) ask_player_soon(g);
}

}  // namespace velmora
