// 表示 → ネット対局: a match against a friend on another machine. 対局を開く...
// hosts it (the settings, the port, this machine's addresses, the name) and
// announces it on the local network; 対局に参加... joins one (the address, the
// port, the name, the hosts heard on the network); 再接続 joins again after
// the line dropped; 投了 and ネット対局をやめる. The panel ネット対局 beside the board
// shows the stage, the other player, the log and a chat line. Every call into
// the match is an event of the window; what the line brings while another
// event runs waits until it has ended.
#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <deque>
#include <memory>

#include "platform/main_window.h"
#include "platform/network/host_finder.h"
#include "platform/network/network_connection.h"
#include "platform/side_dock.h"

namespace velmora::platform {

class NetworkMenu : public QObject {
  Q_OBJECT

 public:
  NetworkMenu(MainWindow& window, QMenu& view_menu, Game& game);
  ~NetworkMenu() override;

  QAction* find(const char* name) const;
  NetworkMatch* match() const { return match_.get(); }

 private:
  void host();
  void join();
  void rejoin();
  // Runs `event` as an event of the window once no other event runs.
  void post(const GameEvent& event);
  void pump();
  void end_session();
  void begin_session(NetworkRole role, const std::string& name);
  void follow();
  void build_panel();

  MainWindow& window_;
  Game& game_;
  QMenu* menu_;
  std::deque<GameEvent> waiting_;
  bool pump_due_ = false;
  std::unique_ptr<NetworkMatch> match_;
  std::unique_ptr<NetworkConnection> connection_;
  std::unique_ptr<NetworkHost> host_;
  std::unique_ptr<NetworkJoiner> joiner_;
  std::unique_ptr<HostAnnouncer> announcer_;
  SideDock* panel_ = nullptr;
  QLabel* stage_ = nullptr;
  QLabel* other_ = nullptr;
  QListWidget* log_ = nullptr;
  QLineEdit* chat_ = nullptr;
};

}  // namespace velmora::platform
