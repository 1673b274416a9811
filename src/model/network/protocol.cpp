#include "network/protocol.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "text/shift_jis.h"

namespace velmora {
namespace {

constexpr std::string_view HELLO_WORD = "VELMORA";

// The words of a line, read one after another; a text field takes the rest.
class Fields {
 public:
  explicit Fields(std::string_view line) : rest_(line) {}

  // The next word (empty between two spaces); none past the end of the line.
  std::optional<std::string_view> word() {
    if (!rest_) return std::nullopt;
    const std::size_t space = rest_->find(' ');
    const std::string_view word = rest_->substr(0, space);
    rest_ = space == std::string_view::npos ? std::nullopt : std::optional(rest_->substr(space + 1));
    return word;
  }
  // Everything after the words read so far; empty when the line ended there.
  std::string_view text() { return std::exchange(rest_, std::nullopt).value_or(std::string_view{}); }
  bool ended() const { return !rest_; }

 private:
  std::optional<std::string_view> rest_;
};

bool plain_digits(std::string_view w) {
  return !w.empty() && std::all_of(w.begin(), w.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
         (w.size() == 1 || w[0] != '0');
}

// A whole number written plainly (no leading zero, "-" but before zero), within least..most.
std::optional<int> number_in(std::optional<std::string_view> w, int least, int most) {
  if (!w) return std::nullopt;
  const std::string_view digits = !w->empty() && (*w)[0] == '-' ? w->substr(1) : *w;
  if (!plain_digits(digits) || (digits == "0" && digits.size() != w->size())) return std::nullopt;
  int n = 0;
  const auto [end, error] = std::from_chars(w->data(), w->data() + w->size(), n);
  if (error != std::errc{} || end != w->data() + w->size() || n < least || n > most) return std::nullopt;
  return n;
}

// Seconds: digits with at most three decimals, within 0..MAX_WIRE_SECONDS.
std::optional<double> seconds_in(std::optional<std::string_view> w) {
  if (!w) return std::nullopt;
  const std::size_t dot = w->find('.');
  const std::string_view whole = w->substr(0, dot);
  if (!plain_digits(whole)) return std::nullopt;
  if (dot != std::string_view::npos) {
    const std::string_view decimals = w->substr(dot + 1);
    if (decimals.empty() || decimals.size() > 3 ||
        !std::all_of(decimals.begin(), decimals.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return std::nullopt;
  }
  double seconds = 0;
  const auto [end, error] = std::from_chars(w->data(), w->data() + w->size(), seconds);
  if (error != std::errc{} || end != w->data() + w->size() || seconds > MAX_WIRE_SECONDS) return std::nullopt;
  return seconds;
}

std::string seconds_text(double seconds) {
  if (!(seconds > 0)) seconds = 0;
  const long long ms = std::llround(std::min(seconds, MAX_WIRE_SECONDS) * 1000);
  std::string text = std::to_string(ms / 1000);
  if (const int fraction = static_cast<int>(ms % 1000); fraction != 0) {
    char digits[8];
    std::snprintf(digits, sizeof digits, ".%03d", fraction);
    text += digits;
    while (text.back() == '0') text.pop_back();
  }
  return text;
}

// One of two words: true for `yes`, false for `no`.
std::optional<bool> choice_in(std::optional<std::string_view> w, std::string_view yes, std::string_view no) {
  if (w == yes) return true;
  if (w == no) return false;
  return std::nullopt;
}

// A control exactly as format_time_control writes it, so that it reads back the same.
std::optional<TimeControl> control_in(std::optional<std::string_view> w) {
  if (!w) return std::nullopt;
  const auto control = parse_time_control(*w);
  if (!control || format_time_control(*control) != *w) return std::nullopt;
  return *control;
}

// A square "xy", both 1..9.
std::optional<Cell> square_in(std::optional<std::string_view> w) {
  if (!w || w->size() != 2) return std::nullopt;
  const Cell c{(*w)[0] - '0', (*w)[1] - '0'};
  if (!on_board(c)) return std::nullopt;
  return c;
}

bool is_control(unsigned char c) { return c < 0x20 || c == 0x7F; }

// A text of a player: control characters become spaces, bytes that are not
// UTF-8 U+FFFD, and it is cut at a character boundary within `max_bytes`.
std::string clean_text(std::string_view text, std::size_t max_bytes) {
  std::string clean = lossy_utf8(text);
  std::replace_if(
      clean.begin(), clean.end(), [](char c) { return is_control(c); }, ' ');
  if (clean.size() > max_bytes) {
    std::size_t end = max_bytes;
    while (end > 0 && (static_cast<unsigned char>(clean[end]) & 0xC0) == 0x80) --end;
    clean.resize(end);
  }
  return clean;
}

// The line with a text field at its end: no space before an empty one.
std::string with_text(std::string line, std::string_view text, std::size_t max_bytes) {
  const std::string clean = clean_text(text, max_bytes);
  if (!clean.empty()) line.append(1, ' ').append(clean);
  return line;
}

std::optional<std::string> text_in(Fields& f, std::size_t max_bytes) {
  const std::string_view text = f.text();
  if (text.size() > max_bytes) return std::nullopt;
  return std::string(text);
}

constexpr std::string_view REFUSAL_WORDS[] = {"busy", "declined"};

std::string format_one(const HelloMessage& m) {
  std::string version = m.program_version.substr(0, MAX_VERSION_BYTES);
  std::replace_if(
      version.begin(), version.end(), [](char c) { return c <= ' ' || c > '~'; }, '?');
  if (version.empty()) version.push_back('?');
  std::string line(HELLO_WORD);
  line.append(1, ' ').append(std::to_string(m.protocol)).append(1, ' ').append(version);
  return line;
}
std::string format_one(const JoinMessage& m) { return with_text("JOIN", m.name, MAX_NAME_BYTES); }
std::string format_one(const AcceptMessage& m) {
  const MatchSettings& s = m.settings;
  std::string line = "ACCEPT ";
  line += s.joiner_plays_main ? "main " : "chess ";
  line += s.nippon ? "nippon " : "kankoku ";
  line += s.chess_drops ? "drops " : "nodrops ";
  line += format_time_control(s.main_control) + ' ' + format_time_control(s.chess_control) + ' ';
  line += std::to_string(std::clamp(m.moves, 0, MAX_NETWORK_MOVES)) + ' ' + seconds_text(m.turn_seconds);
  return with_text(line, m.name, MAX_NAME_BYTES);
}
std::string format_one(const RefuseMessage& m) {
  return "REFUSE " + std::string(REFUSAL_WORDS[m.reason == RefusalReason::Busy ? 0 : 1]);
}
std::string format_one(const MoveMessage& m) {
  const Candidate& c = m.move;
  std::string line = "MOVE " + std::to_string(m.number) + ' ';
  if (c.is_drop())
    line.append(1, '*').append(std::to_string(c.hand));
  else
    line.append(std::to_string(c.from.x)).append(std::to_string(c.from.y));
  for (const std::string& field :
       {std::to_string(c.to.x) + std::to_string(c.to.y), std::to_string(c.starting), std::to_string(c.final_code),
        seconds_text(m.main_seconds), seconds_text(m.chess_seconds)})
    line.append(1, ' ').append(field);
  return line;
}
std::string format_one(const TakeBackRequest& m) { return "TAKEBACK " + std::to_string(m.to_move); }
std::string format_one(const TakeBackAnswer& m) {
  return (m.agreed ? "TAKEBACK-YES " : "TAKEBACK-NO ") + std::to_string(m.to_move);
}
std::string format_one(const ResignMessage&) { return "RESIGN"; }
std::string format_one(const FlagMessage&) { return "FLAG"; }
std::string format_one(const ChatMessage& m) { return with_text("CHAT", m.text, MAX_CHAT_BYTES); }
std::string format_one(const PingMessage&) { return "PING"; }
std::string format_one(const ByeMessage&) { return "BYE"; }

// The readers of the messages after their first word; none when a field is
// missing or out of range. Each leaves the fields it did not read for the
// caller to find.
std::optional<Message> read_join(Fields& f) {
  const auto name = text_in(f, MAX_NAME_BYTES);
  if (!name) return std::nullopt;
  return JoinMessage{*name};
}
std::optional<Message> read_accept(Fields& f) {
  const auto main = choice_in(f.word(), "main", "chess");
  const auto nippon = choice_in(f.word(), "nippon", "kankoku");
  const auto drops = choice_in(f.word(), "drops", "nodrops");
  const auto main_control = control_in(f.word());
  const auto chess_control = control_in(f.word());
  const auto moves = number_in(f.word(), 0, MAX_NETWORK_MOVES);
  const auto turn = seconds_in(f.word());
  const auto name = text_in(f, MAX_NAME_BYTES);
  if (!main || !nippon || !drops || !main_control || !chess_control || !moves || !turn || !name) return std::nullopt;
  return AcceptMessage{{*main, *nippon, *drops, *main_control, *chess_control}, *name, *moves, *turn};
}
std::optional<Message> read_refuse(Fields& f) {
  const auto busy = choice_in(f.word(), REFUSAL_WORDS[0], REFUSAL_WORDS[1]);
  if (!busy) return std::nullopt;
  return RefuseMessage{*busy ? RefusalReason::Busy : RefusalReason::Declined};
}
std::optional<Message> read_move(Fields& f) {
  const auto number = number_in(f.word(), 1, MAX_NETWORK_MOVES);
  const auto source = f.word();
  std::optional<int> hand;
  std::optional<Cell> from;
  if (source && source->starts_with('*'))
    hand = number_in(source->substr(1), 1, HAND_SIZE - 1);
  else
    from = square_in(source);
  const auto to = square_in(f.word());
  const auto starting = number_in(f.word(), -KIND_COUNT, KIND_COUNT);
  const auto final_code = number_in(f.word(), -KIND_COUNT, KIND_COUNT);
  const auto main_seconds = seconds_in(f.word());
  const auto chess_seconds = seconds_in(f.word());
  if (!number || !(hand || from) || !to || !starting || !final_code || !main_seconds || !chess_seconds ||
      *starting == EMPTY || sign_of(*starting) != sign_of(*final_code))
    return std::nullopt;
  return MoveMessage{*number, Candidate(from.value_or(Cell{}), *to, *starting, *final_code, hand.value_or(0)),
                     *main_seconds, *chess_seconds};
}
std::optional<int> take_back_move(Fields& f) { return number_in(f.word(), 0, MAX_NETWORK_MOVES); }
std::optional<Message> read_take_back(Fields& f) {
  const auto n = take_back_move(f);
  if (!n) return std::nullopt;
  return TakeBackRequest{*n};
}
template <bool agreed>
std::optional<Message> read_answer(Fields& f) {
  const auto n = take_back_move(f);
  if (!n) return std::nullopt;
  return TakeBackAnswer{*n, agreed};
}
std::optional<Message> read_chat(Fields& f) {
  const auto text = text_in(f, MAX_CHAT_BYTES);
  if (!text) return std::nullopt;
  return ChatMessage{*text};
}
template <class M>
std::optional<Message> read_bare(Fields&) {
  return M{};
}

struct Reader {
  std::string_view keyword;
  std::optional<Message> (*read)(Fields&);
};
constexpr Reader READERS[] = {
    {"JOIN", read_join},
    {"ACCEPT", read_accept},
    {"REFUSE", read_refuse},
    {"MOVE", read_move},
    {"TAKEBACK", read_take_back},
    {"TAKEBACK-YES", read_answer<true>},
    {"TAKEBACK-NO", read_answer<false>},
    {"RESIGN", read_bare<ResignMessage>},
    {"FLAG", read_bare<FlagMessage>},
    {"CHAT", read_chat},
    {"PING", read_bare<PingMessage>},
    {"BYE", read_bare<ByeMessage>},
};

// "VELMORA n version": a hello of another number is of another protocol,
// whatever follows its number.
Result<Message, ProtocolFault> read_hello(Fields& f) {
  const auto protocol = number_in(f.word(), 0, 999999);
  if (!protocol) return Failure{ProtocolFault::Malformed};
  if (*protocol != PROTOCOL_VERSION) return Failure{ProtocolFault::WrongVersion};
  const auto version = f.word();
  if (!version || version->empty() || version->size() > MAX_VERSION_BYTES || !f.ended() ||
      !std::all_of(version->begin(), version->end(), [](char c) { return c > ' ' && c <= '~'; }))
    return Failure{ProtocolFault::Malformed};
  return Message{HelloMessage{*protocol, std::string(*version)}};
}

}  // namespace

std::string format_message(const Message& message) {
  return std::visit([](const auto& m) { return format_one(m); }, message);
}

Result<Message, ProtocolFault> parse_message(std::string_view line) {
  if (line.size() > MAX_PROTOCOL_LINE) return Failure{ProtocolFault::TooLong};
  if (std::any_of(line.begin(), line.end(), [](char c) { return is_control(c); }) || !is_utf8(line))
    return Failure{ProtocolFault::NotText};
  Fields f(line);
  const std::string_view keyword = f.word().value_or(std::string_view{});
  if (keyword == HELLO_WORD) return read_hello(f);
  for (const Reader& r : READERS) {
    if (r.keyword != keyword) continue;
    std::optional<Message> message = r.read(f);
    if (!message || !f.ended()) return Failure{ProtocolFault::Malformed};
    return Result<Message, ProtocolFault>(*std::move(message));
  }
  return Failure{ProtocolFault::Unknown};
}

void ConnectionLines::add(std::string_view bytes) {
  // A line may hold MAX_PROTOCOL_LINE bytes and the carriage return that
  // may end it.
  const auto too_long = [](std::string_view line) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line.size() > MAX_PROTOCOL_LINE;
  };
  std::size_t start = pending_.rfind('\n');
  start = start == std::string::npos ? 0 : start + 1;
  while (!faulty_ && !bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    const std::string_view piece = bytes.substr(0, end);
    if (pending_.size() - start + piece.size() > MAX_PROTOCOL_LINE + 1) {
      faulty_ = true;
      break;
    }
    pending_ += piece;
    faulty_ = too_long(std::string_view(pending_).substr(start));
    if (end == std::string_view::npos) break;
    pending_ += '\n';
    start = pending_.size();
    bytes.remove_prefix(end + 1);
  }
  if (faulty_) std::string().swap(pending_);
}

std::optional<std::string> ConnectionLines::next_line() {
  const std::size_t end = pending_.find('\n');
  if (faulty_ || end == std::string::npos) return std::nullopt;
  std::string line = pending_.substr(0, end);
  pending_.erase(0, end + 1);
  if (line.ends_with('\r')) line.pop_back();
  return line;
}

const char* fault_name(ProtocolFault fault) {
  switch (fault) {
    case ProtocolFault::TooLong: return "too long";
    case ProtocolFault::NotText: return "not text";
    case ProtocolFault::Unknown: return "unknown message";
    case ProtocolFault::Malformed: return "malformed";
    case ProtocolFault::WrongVersion: return "wrong protocol version";
  }
  return "refused";
}

}  // namespace velmora
