// The network protocol against any bytes of a connection: the line reader
// never gives a line longer than a line may be, nor any once it is faulty,
// and every line that reads as a message is written back within the bounds
// to a line that reads as the same message.
#include "fuzz_check.h"
#include "network/protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  using fuzz::require;
  const std::string_view input = fuzz::bytes(data, size);
  ConnectionLines reader;
  // The first byte cuts the rest into arrivals of that many bytes.
  const std::size_t arrival = input.empty() ? 1 : static_cast<unsigned char>(input[0]) % 64 + 1;
  for (std::size_t at = input.empty() ? 0 : 1; at < input.size(); at += arrival) {
    reader.add(input.substr(at, arrival));
    while (const std::optional<std::string> line = reader.next_line()) {
      require(!reader.faulty(), "a faulty reader gave a line");
      require(line->size() <= MAX_PROTOCOL_LINE, "the reader gave a line too long");
      const auto message = parse_message(*line);
      if (!message) continue;
      const std::string written = format_message(*message);
      require(written.size() <= MAX_PROTOCOL_LINE, "a message was written longer than a line: " + written);
      require(fuzz::is_valid_utf8(written), "a message was written as bytes that are not UTF-8");
      const auto again = parse_message(written);
      require(again.has_value(), "the line written does not read: " + written);
      require(*again == *message, "the line written reads as another message: " + written);
    }
  }
  return 0;
}
