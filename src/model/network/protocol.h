// The protocol two copies of the game speak over the network, so that two
// people on two machines play one match. It is a sequence of text lines, one
// message each, in ASCII but for the texts players type (names and chat
// lines, UTF-8), each ended by a line feed. Every line is bounded in size and
// every field is checked when it is read: a line that does not read as one of
// the messages below is refused as a whole, and the connection that brought
// it is ended (see NETWORK-PROTOCOL.md beside this file for the whole
// conversation).
//
// The board on the wire is always seen from the main army's side: the main
// army at the bottom with negative codes, the chess army at the top with
// positive ones, whichever army each window shows at its bottom. A window
// whose own side plays the chess army turns every move it sends and receives
// (turned_move).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/result.h"
#include "clock/time_control.h"
#include "rules/candidate.h"

namespace velmora {

// The version of the conversation; a peer speaking another one is refused.
inline constexpr int PROTOCOL_VERSION = 1;
// The port a host listens on unless the player chooses another.
inline constexpr int DEFAULT_NETWORK_PORT = 7650;
// The longest line either side sends or reads, line feed excluded.
inline constexpr std::size_t MAX_PROTOCOL_LINE = 400;
// The longest chat text and player's name, in bytes of UTF-8.
inline constexpr std::size_t MAX_CHAT_BYTES = 200;
inline constexpr std::size_t MAX_NAME_BYTES = 40;
// The longest program version a hello carries.
inline constexpr std::size_t MAX_VERSION_BYTES = 20;
// The most moves a match list may carry (as a record may hold).
inline constexpr int MAX_NETWORK_MOVES = 20000;
// The most seconds a clock total or a turn on the wire may hold.
inline constexpr double MAX_WIRE_SECONDS = 2 * MAX_CONTROL_SECONDS;
// A side sends a keep-alive after this many seconds without a line, and
// takes the line for dropped after this many seconds without one.
inline constexpr double KEEP_ALIVE_SECONDS = 5;
inline constexpr double LINK_TIMEOUT_SECONDS = 20;

// "VELMORA 1 1.0": the first line both ways.
struct HelloMessage {
  int protocol = PROTOCOL_VERSION;
  std::string program_version;  // printable ASCII without spaces, at most MAX_VERSION_BYTES
  bool operator==(const HelloMessage&) const = default;
};

// "JOIN name": the joining side asks to play; the name is the rest of the
// line ("JOIN" alone when it is empty).
struct JoinMessage {
  std::string name;
  bool operator==(const JoinMessage&) const = default;
};

// The settings of the match, which the host chose.
struct MatchSettings {
  bool joiner_plays_main = false;  // the army of the joining side; the host plays the other
  bool nippon = true;              // the main army's leading nation: 日本 (true) or 韓国
  bool chess_drops = false;        // ﾁｪｽ側持駒OK
  TimeControl main_control;        // the main army's time control
  TimeControl chess_control;       // the chess army's
  bool operator==(const MatchSettings&) const = default;
};

// "ACCEPT main|chess nippon|kankoku drops|nodrops CONTROL CONTROL moves
// turn_seconds name": the host accepts, with the settings (the joiner's army
// first, then the main army's control and the chess army's), the number of
// MOVE lines of the match so far that follow at once (0 for a new match), the
// seconds the side to move has already spent on its running turn (a match
// continued after the line dropped) and its player's name, which is the rest
// of the line and may hold spaces (none, and no space before it, when empty).
struct AcceptMessage {
  MatchSettings settings;
  std::string name;
  int moves = 0;
  double turn_seconds = 0;
  bool operator==(const AcceptMessage&) const = default;
};

// Why a host refuses a player who asks to join.
enum class RefusalReason { Busy, Declined };
// "REFUSE busy|declined".
struct RefuseMessage {
  RefusalReason reason = RefusalReason::Declined;
  bool operator==(const RefuseMessage&) const = default;
};

// A move as the wire names it (seen from the main army's side).
// "MOVE n from to starting final main_seconds chess_seconds": move number n
// (from 1), the source square as two digits column-row ("77") or a drop as
// "*" and the hand index ("*5"), the destination square, the codes that
// leave and land, and both armies' clock totals after the move, in seconds
// with up to three decimals.
struct MoveMessage {
  int number = 0;
  Candidate move;
  double main_seconds = 0, chess_seconds = 0;
  bool operator==(const MoveMessage&) const = default;
};

// "TAKEBACK n": a request to take back the match to the position after move
// n (待った); "TAKEBACK-YES n" / "TAKEBACK-NO n": the answer.
struct TakeBackRequest {
  int to_move = 0;
  bool operator==(const TakeBackRequest&) const = default;
};
struct TakeBackAnswer {
  int to_move = 0;
  bool agreed = false;
  bool operator==(const TakeBackAnswer&) const = default;
};

// "RESIGN": the sender gives up the match (投了).
struct ResignMessage {
  bool operator==(const ResignMessage&) const = default;
};
// "FLAG": the sender's flag has fallen: it loses the match on time.
struct FlagMessage {
  bool operator==(const FlagMessage&) const = default;
};
// "CHAT text": a short line for the other player; the text is the rest of
// the line ("CHAT" alone when it is empty).
struct ChatMessage {
  std::string text;
  bool operator==(const ChatMessage&) const = default;
};
// "PING": the keep-alive; it needs no answer.
struct PingMessage {
  bool operator==(const PingMessage&) const = default;
};
// "BYE": the sender leaves the match and closes the connection.
struct ByeMessage {
  bool operator==(const ByeMessage&) const = default;
};

using Message = std::variant<HelloMessage, JoinMessage, AcceptMessage, RefuseMessage, MoveMessage, TakeBackRequest,
                             TakeBackAnswer, ResignMessage, FlagMessage, ChatMessage, PingMessage, ByeMessage>;

// Why a line is refused.
enum class ProtocolFault {
  TooLong,      // longer than MAX_PROTOCOL_LINE
  NotText,      // a control character, or bytes that are not UTF-8
  Unknown,      // no message starts so
  Malformed,    // a field is missing, extra, or out of its range
  WrongVersion  // a hello of another protocol version
};

// The line of a message, without the line feed. Texts too long are cut at
// a character boundary, control characters (line breaks among them) become
// spaces and bytes that are not UTF-8 become U+FFFD; seconds are kept within
// 0..MAX_WIRE_SECONDS and rounded to thousandths.
std::string format_message(const Message& message);

// Reads one line (without its line feed). A hello whose protocol is not
// PROTOCOL_VERSION reads as WrongVersion.
Result<Message, ProtocolFault> parse_message(std::string_view line);

// Gathers the bytes of a connection into lines. It never holds more than
// MAX_PROTOCOL_LINE bytes of an unfinished line: past that the connection is
// faulty for good and gives no more lines.
class ConnectionLines {
 public:
  // Adds bytes as they arrived.
  void add(std::string_view bytes);
  // The next whole line, without its line feed (a carriage return before it
  // is dropped too); none while no whole line waits, or once the reader is
  // faulty.
  std::optional<std::string> next_line();
  // A line grew past MAX_PROTOCOL_LINE.
  bool faulty() const { return faulty_; }

 private:
  std::string pending_;
  bool faulty_ = false;
};

// The words of a refusal for a log or a message: "too long", "not text"...
const char* fault_name(ProtocolFault fault);

}  // namespace velmora
