#include "network/protocol.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TimeControl control_of(const char* text) { return *parse_time_control(text); }

TEST(ProtocolLines, EveryMessageIsWrittenInItsFormAndReadsBack) {
  const MatchSettings settings{true, false, true, control_of("byoyomi:600+30x3"), control_of("fischer:60+2.5")};
  const struct {
    Message message;
    const char* line;
  } rows[] = {
      {HelloMessage{1, "1.0"}, "VELMORA 1 1.0"},
      {JoinMessage{"山田 太郎"}, "JOIN 山田 太郎"},
      {JoinMessage{""}, "JOIN"},
      {AcceptMessage{settings, "ｽﾐｽ  2", 12, 3.25},
       "ACCEPT main kankoku drops byoyomi:600+30x3 fischer:60+2.5 12 3.25 ｽﾐｽ  2"},
      {AcceptMessage{{}, "", 0, 0}, "ACCEPT chess nippon nodrops none none 0 0"},
      {RefuseMessage{RefusalReason::Busy}, "REFUSE busy"},
      {RefuseMessage{RefusalReason::Declined}, "REFUSE declined"},
      {MoveMessage{3, {{7, 7}, {7, 6}, -HU, -HU}, 12.5, 0.007}, "MOVE 3 77 76 -1 -1 12.5 0.007"},
      {MoveMessage{20000, {{2, 2}, {8, 8}, -KAKU, -KAKU_N}, 359999, 0}, "MOVE 20000 22 88 -20 -21 359999 0"},
      {MoveMessage{4, {Cell{}, {5, 5}, +SYA, +SYA, 12}, 1, 2}, "MOVE 4 *12 55 22 22 1 2"},
      {TakeBackRequest{0}, "TAKEBACK 0"},
      {TakeBackAnswer{7, true}, "TAKEBACK-YES 7"},
      {TakeBackAnswer{7, false}, "TAKEBACK-NO 7"},
      {ResignMessage{}, "RESIGN"},
      {FlagMessage{}, "FLAG"},
      {ChatMessage{" よろしく お願いします"}, "CHAT  よろしく お願いします"},
      {PingMessage{}, "PING"},
      {ByeMessage{}, "BYE"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(format_message(row.message), row.line);
    const auto read = parse_message(row.line);
    ASSERT_TRUE(read) << row.line << ": " << fault_name(read.error());
    EXPECT_EQ(*read, row.message) << row.line;
  }
}

TEST(ProtocolLines, TextsAreWrittenAsLinesTheyCanBe) {
  EXPECT_EQ(format_message(ChatMessage{"a\nb\tc\xff"}), "CHAT a b c\xEF\xBF\xBD");
  std::string long_name;
  for (int i = 0; i < 20; ++i) long_name += "あ";  // 60 bytes
  const auto join = parse_message(format_message(JoinMessage{long_name}));
  ASSERT_TRUE(join);
  EXPECT_EQ(std::get<JoinMessage>(*join).name, long_name.substr(0, 39));  // 13 whole characters
  EXPECT_EQ(format_message(MoveMessage{1, {{7, 7}, {7, 6}, -HU, -HU}, -4, 0.0004}), "MOVE 1 77 76 -1 -1 0 0");
}

TEST(ProtocolLines, RefusesEveryLineThatIsNoMessage) {
  const std::string too_long = "CHAT " + std::string(MAX_PROTOCOL_LINE - 4, 'a');
  const std::string chat_too_long = "CHAT " + std::string(MAX_CHAT_BYTES + 1, 'a');
  const std::string name_too_long = "JOIN " + std::string(MAX_NAME_BYTES + 1, 'a');
  const struct {
    std::string line;
    ProtocolFault fault;
  } rows[] = {
      {too_long, ProtocolFault::TooLong},
      {"PING\t", ProtocolFault::NotText},
      {"CHAT a\x7F", ProtocolFault::NotText},
      {"CHAT \xFF", ProtocolFault::NotText},
      {"CHAT \xE3\x81", ProtocolFault::NotText},
      {"", ProtocolFault::Unknown},
      {"ping", ProtocolFault::Unknown},
      {"HELLO 1 1.0", ProtocolFault::Unknown},
      {"VELMORA 2 2.0 and more", ProtocolFault::WrongVersion},
      {"VELMORA 0 1.0", ProtocolFault::WrongVersion},
      {"VELMORA 1", ProtocolFault::Malformed},
      {"VELMORA 1 1.0 x", ProtocolFault::Malformed},
      {"VELMORA 01 1.0", ProtocolFault::Malformed},
      {"PING x", ProtocolFault::Malformed},
      {"RESIGN ", ProtocolFault::Malformed},
      {"MOVE 1 77 76 -1 -1 0", ProtocolFault::Malformed},
      {"MOVE 1 77 76 -1 -1 0 0 0", ProtocolFault::Malformed},
      {"MOVE 1  77 76 -1 -1 0 0", ProtocolFault::Malformed},
      {"MOVE 0 77 76 -1 -1 0 0", ProtocolFault::Malformed},
      {"MOVE 20001 77 76 -1 -1 0 0", ProtocolFault::Malformed},
      {"MOVE 1 07 76 -1 -1 0 0", ProtocolFault::Malformed},
      {"MOVE 1 77 7: -1 -1 0 0", ProtocolFault::Malformed},
      {"MOVE 1 107 76 -1 -1 0 0", ProtocolFault::Malformed},
      {"MOVE 1 *19 55 -1 -1 0 0", ProtocolFault::Malformed},
      {"MOVE 1 *0 55 -1 -1 0 0", ProtocolFault::Malformed},
      {"MOVE 1 77 76 0 0 0 0", ProtocolFault::Malformed},
      {"MOVE 1 77 76 -28 -28 0 0", ProtocolFault::Malformed},
      {"MOVE 1 77 76 -1 2 0 0", ProtocolFault::Malformed},
      {"MOVE 1 77 76 +1 +1 0 0", ProtocolFault::Malformed},
      {"MOVE 1 77 76 -1 -1 -1 0", ProtocolFault::Malformed},
      {"MOVE 1 77 76 -1 -1 nan 0", ProtocolFault::Malformed},
      {"MOVE 1 77 76 -1 -1 1e3 0", ProtocolFault::Malformed},
      {"MOVE 1 77 76 -1 -1 1.2345 0", ProtocolFault::Malformed},
      {"MOVE 1 77 76 -1 -1 720000 0", ProtocolFault::Malformed},
      {"ACCEPT main nippon drops none none 0 inf", ProtocolFault::Malformed},
      {"ACCEPT main nippon drops fischer:60+2.0 none 0 0", ProtocolFault::Malformed},
      {"ACCEPT main nippon yes none none 0 0", ProtocolFault::Malformed},
      {"ACCEPT main nippon drops none none 20001 0", ProtocolFault::Malformed},
      {"TAKEBACK -1", ProtocolFault::Malformed},
      {"TAKEBACK-YES", ProtocolFault::Malformed},
      {"REFUSE maybe", ProtocolFault::Malformed},
      {chat_too_long, ProtocolFault::Malformed},
      {name_too_long, ProtocolFault::Malformed},
  };
  for (const auto& row : rows) {
    const auto read = parse_message(row.line);
    ASSERT_FALSE(read) << row.line;
    EXPECT_EQ(read.error(), row.fault) << row.line << ": " << fault_name(read.error());
  }
}

std::vector<std::string> lines_of(ConnectionLines& reader) {
  std::vector<std::string> lines;
  while (auto line = reader.next_line()) lines.push_back(*line);
  return lines;
}

TEST(ProtocolLineReader, GathersLinesAsTheyArrive) {
  ConnectionLines reader;
  reader.add("PI");
  EXPECT_EQ(lines_of(reader), std::vector<std::string>{});
  reader.add("NG\r\nBY");
  reader.add("E\n\nRESIGN");
  EXPECT_EQ(lines_of(reader), (std::vector<std::string>{"PING", "BYE", ""}));
  const std::string longest(MAX_PROTOCOL_LINE, 'a');
  reader.add("\n" + longest + "\r");
  reader.add("\n");
  EXPECT_EQ(lines_of(reader), (std::vector<std::string>{"RESIGN", longest}));
  EXPECT_FALSE(reader.faulty());
}

TEST(ProtocolLineReader, ALineTooLongEndsTheConnection) {
  for (const char* end : {"", "\n"}) {
    ConnectionLines reader;
    reader.add("PING\n" + std::string(MAX_PROTOCOL_LINE, 'a'));
    reader.add(std::string("b") + end + "PING\n");
    EXPECT_TRUE(reader.faulty()) << end;
    EXPECT_EQ(reader.next_line(), std::nullopt) << end;
  }
}

}  // namespace
}  // namespace velmora
