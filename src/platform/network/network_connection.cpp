#include "platform/network/network_connection.h"

#include <QElapsedTimer>

namespace velmora::platform {
namespace {

constexpr int TICK_INTERVAL_MS = 1000;

}  // namespace

double monotonic_seconds() {
  static QElapsedTimer started = [] {
    QElapsedTimer timer;
    timer.start();
    return timer;
  }();
  return started.nsecsElapsed() / 1e9;
}

QtLink::QtLink(QTcpSocket* socket, QObject* parent) : QObject(parent), socket_(socket) {
  socket_->setParent(this);
  socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  connect(socket_, &QTcpSocket::readyRead, this, [this] { Q_EMIT bytes_arrived(socket_->readAll()); });
  // Told after the running event, so that a close asked inside it never
  // comes back into the match while it is still at work.
  connect(socket_, &QTcpSocket::disconnected, this, &QtLink::tell_lost, Qt::QueuedConnection);
  connect(socket_, &QTcpSocket::errorOccurred, this, &QtLink::tell_lost, Qt::QueuedConnection);
}

QtLink::~QtLink() = default;

void QtLink::send(const std::string& line) {
  if (socket_->state() != QAbstractSocket::ConnectedState) return;
  socket_->write(line.data(), static_cast<qint64>(line.size()));
  socket_->write("\n", 1);
}

void QtLink::close() {
  QMetaObject::invokeMethod(
      this,
      [this] {
        socket_->disconnectFromHost();
        if (socket_->state() == QAbstractSocket::UnconnectedState) tell_lost();
      },
      Qt::QueuedConnection);
}

void QtLink::abort() {
  socket_->abort();
  QMetaObject::invokeMethod(this, &QtLink::tell_lost, Qt::QueuedConnection);
}

void QtLink::tell_lost() {
  if (lost_told_) return;
  lost_told_ = true;
  Q_EMIT lost();
}

NetworkConnection::NetworkConnection(NetworkMatch& match, EventRunner runner, QObject* parent)
    : QObject(parent), match_(match), runner_(std::move(runner)) {
  tick_.setInterval(TICK_INTERVAL_MS);
  connect(&tick_, &QTimer::timeout, this, [this] { run([this](Game&) { match_.tick(monotonic_seconds()); }); });
  tick_.start();
}

NetworkConnection::~NetworkConnection() = default;

void NetworkConnection::run(const GameEvent& event) {
  runner_([this, event](Game& g) {
    event(g);
    Q_EMIT changed();
  });
}

void NetworkConnection::attach(QTcpSocket* socket) {
  auto* link = new QtLink(socket, this);
  link_ = link;
  connect(link, &QtLink::bytes_arrived, this, [this, link](const QByteArray& bytes) {
    run([this, link, bytes](Game&) {
      if (link_ == link) match_.received(std::string_view(bytes.constData(), bytes.size()), monotonic_seconds());
    });
  });
  connect(link, &QtLink::lost, this, [this, link] {
    // The link lives until the match has heard that it is gone: the events
    // before it may still wait to be run.
    run([this, link](Game&) {
      if (link_ == link) {
        link_ = nullptr;
        if (match_.linked()) match_.link_lost();
      }
      link->deleteLater();
    });
  });
  run([this, link](Game&) {
    if (link_ == link) match_.connected(*link, monotonic_seconds());
  });
}

NetworkHost::NetworkHost(NetworkConnection& connection, QObject* parent)
    : QObject(parent), connection_(connection), server_(this) {
  connect(&server_, &QTcpServer::newConnection, this, &NetworkHost::take_connections);
}

bool NetworkHost::listen(quint16 port, QString& error) {
  if (server_.listen(QHostAddress::Any, port)) return true;
  error = server_.errorString();
  return false;
}

void NetworkHost::take_connections() {
  while (QTcpSocket* socket = server_.nextPendingConnection()) {
    const NetworkStage stage = connection_.match().stage();
    if (connection_.busy() || stage == NetworkStage::Ended)
      refuse_busy(socket);
    else
      connection_.attach(socket);
  }
}

// A second player, while the first is on the line, hears that the host is
// busy; the match is not told.
void NetworkHost::refuse_busy(QTcpSocket* socket) {
  const std::string line = format_message(RefuseMessage{RefusalReason::Busy}) + "\n";
  socket->write(line.data(), static_cast<qint64>(line.size()));
  connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
  socket->disconnectFromHost();
}

NetworkJoiner::NetworkJoiner(NetworkConnection& connection, QObject* parent)
    : QObject(parent), connection_(connection) {}

void NetworkJoiner::join(const QString& address, quint16 port) {
  if (pending_ != nullptr || connection_.busy()) return;
  address_ = address;
  port_ = port;
  auto* socket = new QTcpSocket(this);
  pending_ = socket;
  connect(socket, &QTcpSocket::connected, this, [this, socket] {
    socket->disconnect(this);
    pending_ = nullptr;
    connection_.attach(socket);
  });
  connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] {
    socket->disconnect(this);
    pending_ = nullptr;
    const QString reason = socket->errorString();
    socket->deleteLater();
    Q_EMIT failed(reason);
  });
  socket->connectToHost(address, port);
}

}  // namespace velmora::platform
