#include "resume/match_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "computer/strong_player.h"
#include "notation/record_format.h"
#include "rules/position_check.h"
#include "view/clocks.h"

namespace velmora {
namespace {

constexpr int MAX_HAND_COUNT = 36;             // every piece of both armies
constexpr double MAX_CLOCK = 1e9;              // seconds: some thirty years
constexpr double SECONDS_PER_DAY = 86400;      // a turn's time is told within one day
constexpr int MAX_HANDICAP_GRADE = 10;         // the ladder's -10..7, turned round by a flip
constexpr std::size_t MAX_CONTROL_BYTES = 64;  // "byoyomi:359999+359999x99" and more

// --- Writing -----------------------------------------------------------------

class Writer {
 public:
  Writer& key(std::string_view name) {
    out_ += name;
    return *this;
  }
  Writer& number(long long n) {
    char digits[24];
    out_ += ' ';
    out_.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
    return *this;
  }
  // The shortest digits that read back to exactly `x`.
  Writer& real(double x) {
    char digits[32];
    out_ += ' ';
    out_.append(digits, std::to_chars(digits, digits + sizeof digits, x).ptr);
    return *this;
  }
  Writer& word(std::string_view w) {
    out_ += ' ';
    out_ += w;
    return *this;
  }
  Writer& text(std::string_view t) {
    out_ += ' ';
    for (const char c : t) {
      if (c == '\\')
        out_ += "\\\\";
      else if (c == '\n')
        out_ += "\\n";
      else if (c == '\r')
        out_ += "\\r";
      else
        out_ += c;
    }
    return *this;
  }
  Writer& board(const Board& b) {
    for (int x = 1; x <= BOARD_SIZE; ++x)
      for (int y = 1; y <= BOARD_SIZE; ++y) number(b(x, y));
    return *this;
  }
  Writer& hand(const Hand& h) {
    for (int k = 1; k < HAND_SIZE; ++k) number(h[k]);
    return *this;
  }
  Writer& shown_move(const ShownMove& m) {
    return number(m.shown).number(m.at.x).number(m.at.y).number(m.code).number(palette_index(m.colour));
  }
  void end_line() { out_ += '\n'; }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

// The slots the match uses: to the end of the list or the step on show.
int last_slot_in_use(const Position& pos) { return std::max({pos.history.record_length, pos.move_number, 0}); }

// --- Reading -----------------------------------------------------------------

struct Damaged {
  std::string what;
};

std::string quoted(std::string_view text) {
  std::string q(1, '"');
  q += text;
  q += '"';
  return q;
}

// Reads the file line by line, each line a key and values parted by single
// spaces; anything unexpected throws Damaged with the line's number.
class Reader {
 public:
  explicit Reader(std::string_view text) : rest_(text) {}

  // The next line, which must start with `key`; every value of the line
  // before must have been read.
  void line(std::string_view key) {
    line_done();
    const std::size_t end = rest_.find('\n');
    if (end == std::string_view::npos) fail("the file ends before " + quoted(key));
    line_ = rest_.substr(0, end);
    rest_.remove_prefix(end + 1);
    ++number_;
    if (!line_.starts_with(key) || (line_.size() > key.size() && line_[key.size()] != ' '))
      fail(quoted(key) + " expected");
    line_.remove_prefix(key.size());
  }
  // The line read has no more values.
  void line_done() {
    if (!line_.empty()) fail("more values than expected");
  }
  // Nothing may follow the last line.
  void file_done() {
    if (!rest_.empty()) fail("text after the end");
  }

  long long number(long long least, long long most) {
    const std::string_view token = next_token();
    long long n = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), n);
    if (error != std::errc{} || end != token.data() + token.size() || n < least || n > most)
      fail("the value " + quoted(token) + " is out of range");
    return n;
  }
  int integer(int least, int most) { return static_cast<int>(number(least, most)); }
  bool flag() { return number(0, 1) == 1; }
  double real(double least, double most) {
    const std::string_view token = next_token();
    double x = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), x);
    if (error != std::errc{} || end != token.data() + token.size() || !(x >= least && x <= most))
      fail("the time " + quoted(token) + " is out of range");
    return x;
  }
  // One of two words: true for `yes`.
  bool choice(std::string_view yes, std::string_view no) {
    const std::string_view token = next_token();
    if (token != yes && token != no) fail(quoted(token) + " is neither " + quoted(yes) + " nor " + quoted(no));
    return token == yes;
  }
  // The rest of the line as a text, at most `max_bytes` long.
  std::string text(std::size_t max_bytes) {
    if (!line_.starts_with(' ')) fail("a text expected");
    std::string t;
    for (std::size_t i = 1; i < line_.size(); ++i) {
      char c = line_[i];
      if (c == '\\') {
        const char escaped = i + 1 < line_.size() ? line_[++i] : '\0';
        c = escaped == '\\' ? '\\' : escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : '\0';
        if (c == '\0') fail("a broken escape in a text");
      }
      t += c;
    }
    if (t.size() > max_bytes) fail("a text too long");
    line_ = {};
    return t;
  }
  int code() {
    const int c = integer(-KIND_COUNT, KIND_COUNT);
    if (piece_or_empty(c) != c) fail("no piece has the code " + std::to_string(c));
    return c;
  }
  Board board() {
    Board b;
    for (int x = 1; x <= BOARD_SIZE; ++x)
      for (int y = 1; y <= BOARD_SIZE; ++y) b(x, y) = code();
    return b;
  }
  Hand hand() {
    Hand h{};
    for (int k = 1; k < HAND_SIZE; ++k) h[k] = integer(0, MAX_HAND_COUNT);
    return h;
  }
  ShownMove shown_move() {
    ShownMove m;
    m.shown = flag();
    m.at.x = integer(0, BOARD_SIZE);
    m.at.y = integer(0, BOARD_SIZE);
    m.code = code();
    m.colour = static_cast<PaletteColour>(integer(0, PALETTE_SIZE - 1));
    return m;
  }

  [[noreturn]] void fail(const std::string& what) const {
    std::string where = "line ";
    where += std::to_string(number_);
    throw Damaged{where + ": " + what};
  }

 private:
  std::string_view next_token() {
    if (!line_.starts_with(' ')) fail("a value is missing");
    line_.remove_prefix(1);
    const std::size_t end = std::min(line_.find(' '), line_.size());
    const std::string_view token = line_.substr(0, end);
    line_.remove_prefix(end);
    return token;
  }

  std::string_view rest_;
  std::string_view line_;
  int number_ = 1;  // the signature line is read already
};

void read_slot(Reader& in, HistorySlot& slot) {
  in.line("slot");
  slot.move_to.x = in.integer(0, BOARD_SIZE);
  slot.move_to.y = in.integer(0, BOARD_SIZE);
  slot.move_code = in.code();
  slot.clock_own_before = in.real(0, MAX_CLOCK);
  slot.clock_own_after = in.real(0, MAX_CLOCK);
  slot.clock_enemy_before = in.real(0, MAX_CLOCK);
  slot.clock_enemy_after = in.real(0, MAX_CLOCK);
  slot.board = in.board();
  slot.hand_own = in.hand();
  slot.hand_enemy = in.hand();
}

// The options and who plays.
void read_players(Reader& in, SavedMatch& m) {
  in.line("mode");
  m.game_mode = in.choice("com", "people") ? MODE_COM : MODE_MAN;
  in.line("level");
  m.com_level = in.integer(1, STRONG_LEVEL);
  in.line("nation");
  m.nippon = in.choice("nippon", "kankoku");
  in.line("drops");
  m.chess_drops = in.choice("on", "off");
  in.line("handicap");
  m.handicap_grade = in.integer(-MAX_HANDICAP_GRADE, MAX_HANDICAP_GRADE);
  m.handicap_set = in.flag();
}

void read_state(Reader& in, SavedMatch& m) {
  in.line("flipped");
  m.board_flipped = in.integer(0, 1);
  in.line("record");
  m.record_mode = in.integer(0, 1);
  in.line("pending");
  m.resume_pending = in.integer(0, 1);
  in.line("turn");
  m.pos.turn = in.integer(-1, 1);
  in.line("chess_sign");
  m.pos.chess_sign = in.integer(-1, 1);
  if (m.pos.chess_sign == 0) in.fail("chess_sign is 0");
  in.line("move_number");
  m.pos.move_number = in.integer(0, MAX_RECORD_MOVES);
  in.line("move_counter");
  m.move_counter = in.integer(-MAX_RECORD_MOVES, MAX_RECORD_MOVES);
  in.line("king_taken");
  m.pos.king_taken = in.integer(-1, 1);
  in.line("clocks");
  m.clock_own_total = in.real(0, MAX_CLOCK);
  m.clock_enemy_total = in.real(0, MAX_CLOCK);
  m.clock_running = in.choice("running", "stopped");
}

void read_shown(Reader& in, ShownTexts& shown) {
  in.line("shown_count");
  shown.move_count = in.integer(-MAX_RECORD_MOVES, MAX_RECORD_MOVES);
  in.line("shown_enemy");
  shown.enemy_move = in.shown_move();
  in.line("shown_own");
  shown.own_move = in.shown_move();
  in.line("header");
  shown.header.shown = in.flag();
  for (auto [key, text] : {std::pair{"title", &shown.header.title}, std::pair{"top", &shown.header.top_name},
                           std::pair{"bottom", &shown.header.bottom_name}}) {
    in.line(key);
    *text = in.text(MAX_HEADER_BYTES);
  }
}

void read_position(Reader& in, SavedMatch& m) {
  in.line("board");
  m.pos.board = in.board();
  in.line("hand_own");
  m.pos.hand_own = in.hand();
  in.line("hand_enemy");
  m.pos.hand_enemy = in.hand();
  m.pos.refresh_two_pawn_flags();
  in.line("list");
  m.pos.history.record_length = in.integer(0, MAX_RECORD_MOVES);
  m.pos.history.turned = in.flag();
  m.pos.history.match_ended = in.flag();
  const int slots = in.integer(1, MAX_RECORD_MOVES + 1);
  if (slots != std::max(m.pos.history.record_length, m.pos.move_number) + 1)
    in.fail("the list does not have its slots");
  m.pos.history.slots.assign(slots, HistorySlot{});
  for (HistorySlot& slot : m.pos.history.slots) read_slot(in, slot);
}

void read_time_controls(Reader& in, TimeControls& controls) {
  for (auto [key, control] :
       {std::pair{"time_main", &controls.main_army}, std::pair{"time_chess", &controls.chess_army}}) {
    in.line(key);
    const std::string text = in.text(MAX_CONTROL_BYTES);
    const auto parsed = parse_time_control(text);
    if (!parsed) in.fail("the time control " + quoted(text) + ": " + parsed.error().what);
    *control = *parsed;
  }
}

SavedMatch read_match(Reader& in, bool timed) {
  SavedMatch m;
  read_players(in, m);
  read_state(in, m);
  read_shown(in, m.shown);
  read_position(in, m);
  in.line("thinking");
  m.thinking = in.real(0, SECONDS_PER_DAY);
  if (m.thinking == SECONDS_PER_DAY) in.fail("a turn of a whole day");
  if (timed) read_time_controls(in, m.time_controls);
  in.line("end");
  in.line_done();
  in.file_done();
  return m;
}

// The position the match puts on the board must keep the rules' bookkeeping
// and be one a game could reach, perhaps from a start with pieces off.
void check_position(Reader& in, const SavedMatch& m) {
  if (const PositionCheck checked = m.pos.check(); !checked) in.fail("the position: " + checked.error().what);
  if (const PositionCheck checked = check_line_up_with_pieces_off(m.pos); !checked)
    in.fail("the position: " + checked.error().what);
}

}  // namespace

SavedMatch saved_match(Game& g) {
  SavedMatch m;
  m.pos = g.pos;
  m.pos.history.slots.resize(last_slot_in_use(g.pos) + 1);
  m.game_mode = g.game_mode;
  m.com_level = g.com.com_level;
  m.nippon = g.menu.NIPPON;
  m.chess_drops = g.menu.CHESS_MOCHIKOMA;
  m.handicap_grade = g.com.handicap_grade;
  m.handicap_set = g.com.handicap_set;
  m.board_flipped = g.board_flipped;
  m.record_mode = g.record_mode;
  m.resume_pending = g.resume_pending;
  m.move_counter = g.com.move_counter;
  m.clock_own_total = g.clock.clock_own_total;
  m.clock_enemy_total = g.clock.clock_enemy_total;
  m.clock_running = g.clock.timer1_enabled;
  m.thinking = std::fmod(調査_経過秒(g.clock.turn_start_time, g.ports.clock.time_of_day()), SECONDS_PER_DAY);
  m.shown = g.view.shown;
  m.time_controls = g.timing.match;
  return m;
}

std::string format_saved_match(const SavedMatch& m) {
  Writer out;
  const bool timed_match = timed(m.time_controls);
  out.key(timed_match ? TIMED_MATCH_FILE_SIGNATURE : MATCH_FILE_SIGNATURE).end_line();
  out.key("mode").word(m.game_mode == MODE_COM ? "com" : "people").end_line();
  out.key("level").number(m.com_level).end_line();
  out.key("nation").word(m.nippon ? "nippon" : "kankoku").end_line();
  out.key("drops").word(m.chess_drops ? "on" : "off").end_line();
  out.key("handicap").number(m.handicap_grade).number(m.handicap_set).end_line();
  out.key("flipped").number(m.board_flipped).end_line();
  out.key("record").number(m.record_mode).end_line();
  out.key("pending").number(m.resume_pending).end_line();
  out.key("turn").number(m.pos.turn).end_line();
  out.key("chess_sign").number(m.pos.chess_sign).end_line();
  out.key("move_number").number(m.pos.move_number).end_line();
  out.key("move_counter").number(m.move_counter).end_line();
  out.key("king_taken").number(m.pos.king_taken).end_line();
  out.key("clocks").real(m.clock_own_total).real(m.clock_enemy_total);
  out.word(m.clock_running ? "running" : "stopped").end_line();
  out.key("shown_count").number(m.shown.move_count).end_line();
  out.key("shown_enemy").shown_move(m.shown.enemy_move).end_line();
  out.key("shown_own").shown_move(m.shown.own_move).end_line();
  out.key("header").number(m.shown.header.shown).end_line();
  out.key("title").text(m.shown.header.title).end_line();
  out.key("top").text(m.shown.header.top_name).end_line();
  out.key("bottom").text(m.shown.header.bottom_name).end_line();
  out.key("board").board(m.pos.board).end_line();
  out.key("hand_own").hand(m.pos.hand_own).end_line();
  out.key("hand_enemy").hand(m.pos.hand_enemy).end_line();
  const MoveList& list = m.pos.history;
  out.key("list").number(list.record_length).number(list.turned).number(list.match_ended);
  out.number(static_cast<long long>(list.slots.size())).end_line();
  for (const HistorySlot& s : list.slots) {
    out.key("slot").number(s.move_to.x).number(s.move_to.y).number(s.move_code);
    out.real(s.clock_own_before).real(s.clock_own_after).real(s.clock_enemy_before).real(s.clock_enemy_after);
    out.board(s.board).hand(s.hand_own).hand(s.hand_enemy).end_line();
  }
  out.key("thinking").real(m.thinking).end_line();
  if (timed_match) {
    out.key("time_main").word(format_time_control(m.time_controls.main_army)).end_line();
    out.key("time_chess").word(format_time_control(m.time_controls.chess_army)).end_line();
  }
  out.key("end").end_line();
  return out.take();
}

MatchFileResult read_saved_match(std::string_view text) {
  const auto signed_with = [text](std::string_view signature) {
    return text.starts_with(signature) && text.substr(signature.size(), 1) == "\n";
  };
  const bool timed_match = signed_with(TIMED_MATCH_FILE_SIGNATURE);
  if (!timed_match && !signed_with(MATCH_FILE_SIGNATURE))
    return Failure{MatchFileFault{"not a match file of this version"}};
  Reader in(text.substr(MATCH_FILE_SIGNATURE.size() + 1));
  try {
    SavedMatch m = read_match(in, timed_match);
    check_position(in, m);
    return m;
  } catch (const Damaged& damaged) {
    return Failure{MatchFileFault{damaged.what}};
  }
}

}  // namespace velmora
