// The hosts' announcements on the local network (see discovery.h): a host
// broadcasts its line every two seconds while it waits or plays; the join
// dialog listens and lists the hosts it hears.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

#include "platform/network/discovery.h"

namespace velmora::platform {

class HostAnnouncer final : public QObject {
  Q_OBJECT

 public:
  // Announces `port` and `name` on `udp_port` of the broadcast address from now on.
  HostAnnouncer(int port, const std::string& name, quint16 udp_port, QObject* parent = nullptr);

 private:
  void announce();

  QByteArray datagram_;
  quint16 udp_port_;
  QUdpSocket socket_;
  QTimer timer_;
};

class HostFinder final : public QObject {
  Q_OBJECT

 public:
  explicit HostFinder(QObject* parent = nullptr);
  // Listens on `udp_port`; false when another program holds it alone.
  bool listen(quint16 udp_port);

 Q_SIGNALS:
  void found(const QHostAddress& address, int port, const QString& name);

 private:
  void read_datagrams();

  QUdpSocket socket_;
};

}  // namespace velmora::platform
