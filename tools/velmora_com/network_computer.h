// The computer of a level as one side of a match over the network, without a
// window: the match runs on a Qt event loop with silent ports, and after each
// event the player of the side to move is asked, as the window asks it
// between events. The computer plays this machine's side; the other
// machine's player is the remote side.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "network/network_match.h"
#include "platform/network/network_connection.h"
#include "ports/null_ports.h"

namespace velmora {

// A match that reaches this many moves is given up by the host's computer:
// a match over the network knows no draw, and two computers may circle.
inline constexpr int MOST_NETWORK_PLIES = 400;

// One side of a network match played by the computer, headless.
class NetworkComputer final : public QObject {
  Q_OBJECT

 public:
  // The host's computer plays `host_settings`' army of the host; the
  // joiner's takes what the host's ACCEPT brings.
  NetworkComputer(NetworkRole role, int level, const std::string& name,
                  const std::optional<MatchSettings>& host_settings = std::nullopt, std::ostream* moves_log = nullptr);
  ~NetworkComputer() override;

  Game& game() { return game_; }
  NetworkMatch& match() { return *match_; }
  platform::NetworkConnection& connection() { return *connection_; }
  // The match ended as a match ends: a king taken, a resignation, a flag.
  bool ended_normally() const;
  // The bytes of the match's record, the main army's player named first.
  std::string record() const;

 Q_SIGNALS:
  // The match's stage has become Ended.
  void ended();

 private:
  // Runs one event of the match, then asks the players as the window does.
  void run(const platform::GameEvent& event);
  // Writes the moves played since the last call, with the time.
  void tell_moves(const char* where);

  // The clock of a machine without a window: seconds that only go forward.
  class SteadyClock final : public Clock {
   public:
    double time_of_day() override;
    void wait(double) override {}
  };

  NullScreen screen_;
  NullDialogs dialogs_;
  NullSound sound_;
  SteadyClock clock_;
  Game game_;
  std::unique_ptr<NetworkMatch> match_;
  std::unique_ptr<platform::NetworkConnection> connection_;
  std::string name_;
  QTimer timer1_;
  bool ended_told_ = false;
  int moves_told_ = 0;
  std::size_t notes_told_ = 0;  // the log's lines already written
  std::ostream* moves_log_;     // the moves already written to the log
};

}  // namespace velmora
