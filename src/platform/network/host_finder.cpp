#include "platform/network/host_finder.h"

#include <QNetworkDatagram>

namespace velmora::platform {

HostAnnouncer::HostAnnouncer(int port, const std::string& name, quint16 udp_port, QObject* parent)
    : QObject(parent),
      datagram_(QByteArray::fromStdString(format_announcement({port, name}))),
      udp_port_(udp_port),
      socket_(this),
      timer_(this) {
  timer_.setInterval(ANNOUNCE_INTERVAL_MS);
  connect(&timer_, &QTimer::timeout, this, &HostAnnouncer::announce);
  timer_.start();
  announce();
}

void HostAnnouncer::announce() { socket_.writeDatagram(datagram_, QHostAddress::Broadcast, udp_port_); }

HostFinder::HostFinder(QObject* parent) : QObject(parent), socket_(this) {
  connect(&socket_, &QUdpSocket::readyRead, this, &HostFinder::read_datagrams);
}

bool HostFinder::listen(quint16 udp_port) {
  return socket_.bind(QHostAddress::AnyIPv4, udp_port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint);
}

void HostFinder::read_datagrams() {
  while (socket_.hasPendingDatagrams()) {
    // One byte more than an announcement may hold: a longer datagram is
    // read only that far, and then refused.
    const QNetworkDatagram datagram = socket_.receiveDatagram(MAX_ANNOUNCEMENT_BYTES + 1);
    const QByteArray bytes = datagram.data();
    const std::optional<HostAnnouncement> host = parse_announcement(std::string_view(bytes.constData(), bytes.size()));
    if (host) Q_EMIT found(datagram.senderAddress(), host->port, QString::fromStdString(host->name));
  }
}

}  // namespace velmora::platform
