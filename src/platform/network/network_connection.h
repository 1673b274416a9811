// The TCP side of a network match. QtLink is the Link of NetworkMatch on a
// QTcpSocket; NetworkConnection feeds one match with what its links bring
// (bytes, a lost line) and with a tick a second; NetworkHost listens for the
// joining player and refuses everyone else while a player is on the line;
// NetworkJoiner connects to a host and, after a drop, again.
//
// Every call into the match is an event of the game: it goes through the
// runner the owner gives (the window dispatches it, velmora-com runs it and
// then asks the next player), never straight from a socket's signal.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <string>

#include "network/network_match.h"

namespace velmora::platform {

// Seconds of a clock that only goes forward, for the match's `now`.
double monotonic_seconds();

// One event of the game, and what runs it.
using GameEvent = std::function<void(Game&)>;
using EventRunner = std::function<void(const GameEvent&)>;

class QtLink final : public QObject, public Link {
  Q_OBJECT

 public:
  // Takes over `socket`, already connected.
  QtLink(QTcpSocket* socket, QObject* parent);
  ~QtLink() override;

  void send(const std::string& line) override;
  // The socket is closed once the running event has ended, after what was
  // written has gone out.
  void close() override;
  // Cuts the connection at once, as a pulled cable would (nothing more goes out).
  void abort();
  QTcpSocket& socket() { return *socket_; }

 Q_SIGNALS:
  void bytes_arrived(const QByteArray& bytes);
  // The connection has ended, whoever ended it; told once.
  void lost();

 private:
  void tell_lost();

  QTcpSocket* socket_;
  bool lost_told_ = false;
};

class NetworkConnection final : public QObject {
  Q_OBJECT

 public:
  NetworkConnection(NetworkMatch& match, EventRunner runner, QObject* parent = nullptr);
  ~NetworkConnection() override;

  NetworkMatch& match() { return match_; }
  // The connection on the line now, or null.
  QtLink* link() const { return link_; }
  // A connection on the line (or one the match still holds).
  bool busy() const { return link_ != nullptr || match_.linked(); }
  // The socket, connected, becomes the match's link.
  void attach(QTcpSocket* socket);

 Q_SIGNALS:
  // An event of the match has run: its stage, log or names may have changed.
  void changed();

 private:
  void run(const GameEvent& event);

  NetworkMatch& match_;
  EventRunner runner_;
  QtLink* link_ = nullptr;
  QTimer tick_;
};

// The host's listening socket.
class NetworkHost final : public QObject {
  Q_OBJECT

 public:
  explicit NetworkHost(NetworkConnection& connection, QObject* parent = nullptr);
  // Listens on `port` of every address (0: a free port); false with the
  // system's reason in `error` when it cannot.
  bool listen(quint16 port, QString& error);
  quint16 port() const { return server_.serverPort(); }
  void stop() { server_.close(); }

 private:
  void take_connections();
  static void refuse_busy(QTcpSocket* socket);

  NetworkConnection& connection_;
  QTcpServer server_;
};

class NetworkJoiner final : public QObject {
  Q_OBJECT

 public:
  explicit NetworkJoiner(NetworkConnection& connection, QObject* parent = nullptr);
  // Connects to the host; failed() tells when the connection cannot be made.
  void join(const QString& address, quint16 port);
  // Connects again to the host last joined.
  void rejoin() { join(address_, port_); }
  bool connecting() const { return pending_ != nullptr; }

 Q_SIGNALS:
  void failed(const QString& reason);

 private:
  NetworkConnection& connection_;
  QString address_;
  quint16 port_ = 0;
  QTcpSocket* pending_ = nullptr;
};

}  // namespace velmora::platform
