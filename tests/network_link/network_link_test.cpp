// Two games, each with level 1 of the computer as its player, play a match
// over TCP on 127.0.0.1: to its end, with a third party turned away while
// they play, and across a cut line that the joiner joins again.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>
#include <functional>

#include "network/wire_move.h"
#include "network_computer.h"

namespace velmora {
namespace {

using platform::NetworkHost;
using platform::NetworkJoiner;

constexpr int MOST_MS = 60000;

// A host and a joiner on the loopback, each with level 1.
struct LoopbackMatch {
  NetworkComputer host{NetworkRole::Host, 1, "host", MatchSettings{}};
  NetworkComputer joiner{NetworkRole::Joiner, 1, "joiner"};
  NetworkHost listener{host.connection()};
  NetworkJoiner joining{joiner.connection()};
  quint16 port = 0;

  LoopbackMatch() {
    QString error;
    EXPECT_TRUE(listener.listen(0, error)) << error.toStdString();
    port = listener.port();
  }
  void join() { joining.join(QStringLiteral("127.0.0.1"), port); }

  // Runs the event loop until `done` holds after an event of either game
  // (or the time is up); false when it never held.
  bool run_until(const std::function<bool()>& done) {
    QEventLoop loop;
    bool held = false;
    const auto check = [&] {
      if (!held && done()) {
        held = true;
        loop.quit();
      }
    };
    for (NetworkComputer* c : {&host, &joiner})
      QObject::connect(&c->connection(), &platform::NetworkConnection::changed, &loop, check);
    QTimer::singleShot(MOST_MS, &loop, &QEventLoop::quit);
    check();
    if (!held) loop.exec();
    return held;
  }
  bool both_ended() { return host.ended_normally() && joiner.ended_normally(); }
  // Both logs, for a failure's message.
  std::string logs() {
    std::string text;
    for (NetworkComputer* c : {&host, &joiner}) {
      text += c == &host ? "host:\n" : "joiner:\n";
      for (const NetworkNote& note : c->match().log()) text += "  " + note.text + "\n";
    }
    return text;
  }
};

// The clock total of the main army and of the chess army after each move.
std::vector<std::pair<double, double>> clocks_of(const Game& g) {
  std::vector<std::pair<double, double>> clocks;
  const bool own_main = own_side_is_main(g.pos);
  for (int n = 1; n <= g.pos.history.record_length; ++n) {
    const HistorySlot& s = g.pos.history.slot(n);
    clocks.emplace_back(own_main ? s.clock_own_after : s.clock_enemy_after,
                        own_main ? s.clock_enemy_after : s.clock_own_after);
  }
  return clocks;
}

TEST(NetworkLink, TwoComputersPlayAMatchToItsEndAndWriteTheSameRecord) {
  LoopbackMatch m;
  m.join();
  ASSERT_TRUE(m.run_until([&] { return m.both_ended(); }));
  EXPECT_GT(m.host.game().pos.move_number, 0);
  EXPECT_EQ(m.host.game().pos.move_number, m.joiner.game().pos.move_number);
  EXPECT_EQ(m.host.record(), m.joiner.record());
}

TEST(NetworkLink, ASecondPlayerWhileTheMatchRunsHearsThatTheHostIsBusy) {
  LoopbackMatch m;
  m.join();
  ASSERT_TRUE(m.run_until([&] { return m.host.match().stage() == NetworkStage::Playing; }));
  QTcpSocket stranger;
  stranger.connectToHost(QStringLiteral("127.0.0.1"), m.port);
  QByteArray heard;
  QObject::connect(&stranger, &QTcpSocket::readyRead, [&] { heard += stranger.readAll(); });
  ASSERT_TRUE(m.run_until([&] { return heard.contains('\n') || m.both_ended(); }));
  EXPECT_EQ(heard.toStdString(), format_message(RefuseMessage{RefusalReason::Busy}) + "\n");
  EXPECT_TRUE(m.run_until([&] { return m.both_ended(); }));
  EXPECT_EQ(m.host.record(), m.joiner.record());
}

// The line cut mid-match: both stop, the joiner joins again, takes the
// host's list and the match goes on to its end with the same clocks.
TEST(NetworkLink, ACutLineIsJoinedAgainAndTheMatchGoesOnFromTheSamePosition) {
  LoopbackMatch m;
  constexpr int CUT_AT = 40;
  m.join();
  ASSERT_TRUE(m.run_until([&] { return m.joiner.game().pos.move_number >= CUT_AT; }));
  const int moves_at_cut = m.joiner.game().pos.move_number;
  m.joiner.connection().link()->abort();
  ASSERT_TRUE(m.run_until([&] {
    return m.host.match().stage() == NetworkStage::Dropped && m.joiner.match().stage() == NetworkStage::Dropped;
  }));
  // The host may have played one move more, which the cut line lost.
  EXPECT_LE(m.host.game().pos.move_number - moves_at_cut, 1);
  EXPECT_EQ(m.joiner.game().pos.move_number, moves_at_cut);
  m.joining.rejoin();
  ASSERT_TRUE(m.run_until([&] { return m.both_ended(); })) << m.logs();
  EXPECT_GT(m.host.game().pos.move_number, moves_at_cut);
  EXPECT_EQ(m.host.record(), m.joiner.record());
  EXPECT_EQ(clocks_of(m.host.game()), clocks_of(m.joiner.game()));
}

}  // namespace
}  // namespace velmora
