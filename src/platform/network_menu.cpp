#include "platform/network_menu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QNetworkInterface>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "assist/preferences.h"
#include "platform/language.h"
#include "platform/time_control_dialog.h"
#include "view/texts.h"

namespace velmora::platform {
namespace {

constexpr int RETRY_MS = 20;

const char* stage_caption(NetworkStage stage) {
  switch (stage) {
    case NetworkStage::Waiting: return QT_TRID_NOOP("待機中");
    case NetworkStage::Greeting: return QT_TRID_NOOP("接続中");
    case NetworkStage::Playing: return QT_TRID_NOOP("対局中");
    case NetworkStage::Dropped: return QT_TRID_NOOP("切断");
    case NetworkStage::Ended: break;
  }
  return QT_TRID_NOOP("終了");
}

QSpinBox* port_box(QWidget* parent, int port) {
  auto* box = new QSpinBox(parent);
  box->setRange(1, 65535);
  box->setValue(port > 0 ? port : DEFAULT_NETWORK_PORT);
  return box;
}

QLineEdit* name_field(QWidget* parent, const std::string& name) {
  auto* field = new QLineEdit(QString::fromStdString(name), parent);
  field->setMaxLength(static_cast<int>(MAX_NAME_BYTES) / 3);  // room for Japanese in the bytes a name may have
  return field;
}

// This machine's addresses another machine can reach, one a line.
QString own_addresses() {
  QStringList addresses;
  for (const QHostAddress& a : QNetworkInterface::allAddresses())
    if (!a.isLoopback() && a.protocol() == QAbstractSocket::IPv4Protocol) addresses << a.toString();
  return addresses.join(QLatin1Char('\n'));
}

void add_row(QFormLayout& form, QWidget* parent, const char* caption, QWidget* field) {
  auto* label = new QLabel(parent);
  set_shown_text(label, caption);
  form.addRow(label, field);
}

}  // namespace

NetworkMenu::NetworkMenu(MainWindow& window, QMenu& view_menu, Game& game)
    : window_(window), game_(game), menu_(view_menu.addMenu(QString())) {
  set_shown_text(menu_, QT_TRID_NOOP("ネット対局"));
  menu_->setAttribute(Qt::WA_WindowPropagation);
  menu_->menuAction()->setObjectName(QStringLiteral("NETWORK"));
  const struct {
    const char* name;
    const char* caption;
    void (NetworkMenu::*command)();
  } items[] = {
      {"NETWORK_HOST", QT_TRID_NOOP("対局を開く..."), &NetworkMenu::host},
      {"NETWORK_JOIN", QT_TRID_NOOP("対局に参加..."), &NetworkMenu::join},
      {"NETWORK_REJOIN", QT_TRID_NOOP("再接続"), &NetworkMenu::rejoin},
  };
  for (const auto& item : items) {
    QAction* action = menu_->addAction(QString());
    set_shown_text(action, item.caption);
    action->setObjectName(QString::fromUtf8(item.name));
    connect(action, &QAction::triggered, this, item.command);
  }
  QAction* resign = menu_->addAction(QString());
  set_shown_text(resign, QT_TRID_NOOP("投了"));
  resign->setObjectName(QStringLiteral("NETWORK_RESIGN"));
  connect(resign, &QAction::triggered, this, [this] {
    if (match_) post([this](Game&) { match_->resign(); });
  });
  QAction* leave = menu_->addAction(QString());
  set_shown_text(leave, QT_TRID_NOOP("ネット対局をやめる"));
  leave->setObjectName(QStringLiteral("NETWORK_LEAVE"));
  connect(leave, &QAction::triggered, this, [this] {
    if (match_) post([this](Game&) { match_->leave(); });
  });
  connect(&window_, &MainWindow::changes_shown, this, &NetworkMenu::follow);
  follow();
}

NetworkMenu::~NetworkMenu() { end_session(); }

QAction* NetworkMenu::find(const char* name) const {
  for (QAction* action : menu_->actions())
    if (action->objectName() == QLatin1String(name)) return action;
  return nullptr;
}

void NetworkMenu::post(const GameEvent& event) {
  waiting_.push_back(event);
  pump();
}

void NetworkMenu::pump() {
  if (window_.in_event()) {
    if (!pump_due_) {
      pump_due_ = true;
      QTimer::singleShot(RETRY_MS, this, [this] {
        pump_due_ = false;
        pump();
      });
    }
    return;
  }
  while (!waiting_.empty() && !window_.in_event()) {
    const GameEvent event = std::move(waiting_.front());
    waiting_.pop_front();
    window_.dispatch(event);
  }
  if (!waiting_.empty()) pump();
}

void NetworkMenu::end_session() {
  waiting_.clear();
  announcer_.reset();
  host_.reset();
  joiner_.reset();
  match_.reset();
  connection_.reset();
}

void NetworkMenu::begin_session(NetworkRole role, const std::string& name) {
  window_.dispatch([this, role, name](Game& g) { match_ = std::make_unique<NetworkMatch>(g, role, name); });
  if (!match_) return;
  connection_ = std::make_unique<NetworkConnection>(*match_, [this](const GameEvent& event) { post(event); });
  connect(connection_.get(), &NetworkConnection::changed, this, &NetworkMenu::follow);
  build_panel();
  panel_->show_beside_board(true);
}

void NetworkMenu::host() {
  QDialog dialog(&window_);
  dialog.setObjectName(QStringLiteral("NETWORK_HOST"));
  set_shown_text(&dialog, QT_TRID_NOOP("対局を開く"));
  auto* form = new QFormLayout(&dialog);
  auto* army = new QComboBox(&dialog);
  army->addItem(shown(QT_TRID_NOOP("主戦")));
  army->addItem(shown(QT_TRID_NOOP("チェス")));
  add_row(*form, &dialog, QT_TRID_NOOP("あなたの軍"), army);
  auto* nation = new QComboBox(&dialog);
  nation->addItem(shown(QT_TRID_NOOP("日本")));
  nation->addItem(shown(QT_TRID_NOOP("韓国")));
  nation->setCurrentIndex(game_.menu.NIPPON ? 0 : 1);
  add_row(*form, &dialog, QT_TRID_NOOP("並び"), nation);
  auto* drops = new QCheckBox(&dialog);
  set_shown_text(drops, QT_TRID_NOOP("ﾁｪｽ側持駒OK"));
  drops->setChecked(game_.menu.CHESS_MOCHIKOMA);
  form->addRow(drops);
  TimeControls controls = game_.assist.time_controls;
  auto* time = new QPushButton(&dialog);
  set_shown_text(time, QT_TRID_NOOP("持ち時間..."));
  connect(time, &QPushButton::clicked, &dialog, [&] {
    if (const std::optional<TimeControls> chosen = ask_time_controls(&dialog, controls)) controls = *chosen;
  });
  form->addRow(time);
  QSpinBox* port = port_box(&dialog, DEFAULT_NETWORK_PORT);
  add_row(*form, &dialog, QT_TRID_NOOP("ポート"), port);
  auto* addresses = new QLabel(own_addresses(), &dialog);
  addresses->setTextInteractionFlags(Qt::TextSelectableByMouse);
  add_row(*form, &dialog, QT_TRID_NOOP("この機械のアドレス"), addresses);
  QLineEdit* name = name_field(&dialog, game_.assist.network_name);
  add_row(*form, &dialog, QT_TRID_NOOP("あなたの名前"), name);
  auto* keep = new QCheckBox(&dialog);
  set_shown_text(keep, QT_TRID_NOOP("盤上の対局を続ける"));
  const bool running = game_.pos.move_number > 0 && !game_.pos.history.match_ended && !game_.record_mode;
  keep->setEnabled(running);
  keep->setChecked(running);
  form->addRow(keep);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return;

  MatchSettings settings;
  settings.joiner_plays_main = army->currentIndex() == 1;
  settings.nippon = nation->currentIndex() == 0;
  settings.chess_drops = drops->isChecked();
  settings.main_control = controls.main_army;
  settings.chess_control = controls.chess_army;
  const std::string own_name = name->text().toStdString();
  const bool continued = keep->isChecked();
  end_session();
  window_.dispatch([this, settings, own_name, continued](Game& g) {
    g.assist.network_name = own_name;
    write_preferences(g);
    if (!continued) host_new_match(g, settings);
  });
  begin_session(NetworkRole::Host, own_name);
  if (!match_) return;
  host_ = std::make_unique<NetworkHost>(*connection_);
  QString error;
  if (!host_->listen(static_cast<quint16>(port->value()), error)) {
    const std::string why = error.toStdString();
    window_.dispatch([why](Game& g) { show_message(g, why, shown_utf8("ネット対局"), Icon::Exclamation); });
    end_session();
    follow();
    return;
  }
  announcer_ = std::make_unique<HostAnnouncer>(host_->port(), own_name, DEFAULT_NETWORK_PORT);
  follow();
}

void NetworkMenu::join() {
  QDialog dialog(&window_);
  dialog.setObjectName(QStringLiteral("NETWORK_JOIN"));
  set_shown_text(&dialog, QT_TRID_NOOP("対局に参加"));
  auto* form = new QFormLayout(&dialog);
  auto* address = new QLineEdit(QString::fromStdString(game_.assist.network_address), &dialog);
  add_row(*form, &dialog, QT_TRID_NOOP("アドレス"), address);
  QSpinBox* port = port_box(&dialog, game_.assist.network_port);
  add_row(*form, &dialog, QT_TRID_NOOP("ポート"), port);
  QLineEdit* name = name_field(&dialog, game_.assist.network_name);
  add_row(*form, &dialog, QT_TRID_NOOP("あなたの名前"), name);
  auto* hosts = new QListWidget(&dialog);
  add_row(*form, &dialog, QT_TRID_NOOP("見つかった対局"), hosts);
  HostFinder finder;
  finder.listen(DEFAULT_NETWORK_PORT);
  connect(&finder, &HostFinder::found, hosts, [hosts](const QHostAddress& a, int p, const QString& who) {
    const QString line = QStringLiteral("%1  %2:%3").arg(who, a.toString()).arg(p);
    if (hosts->findItems(line, Qt::MatchExactly).isEmpty()) {
      auto* item = new QListWidgetItem(line, hosts);
      item->setData(Qt::UserRole, a.toString());
      item->setData(Qt::UserRole + 1, p);
    }
  });
  connect(hosts, &QListWidget::currentItemChanged, &dialog, [address, port](QListWidgetItem* item) {
    if (item == nullptr) return;
    address->setText(item->data(Qt::UserRole).toString());
    port->setValue(item->data(Qt::UserRole + 1).toInt());
  });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    if (!address->text().trimmed().isEmpty()) dialog.accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return;

  const std::string where = address->text().trimmed().toStdString(), own_name = name->text().toStdString();
  const int port_number = port->value();
  end_session();
  window_.dispatch([where, port_number, own_name](Game& g) {
    g.assist.network_address = where;
    g.assist.network_port = port_number;
    g.assist.network_name = own_name;
    write_preferences(g);
  });
  begin_session(NetworkRole::Joiner, own_name);
  if (!match_) return;
  joiner_ = std::make_unique<NetworkJoiner>(*connection_);
  connect(joiner_.get(), &NetworkJoiner::failed, this, [this](const QString& why) {
    const std::string text = why.toStdString();
    post([text](Game& g) { show_message(g, text, shown_utf8("ネット対局"), Icon::Exclamation); });
  });
  joiner_->join(QString::fromStdString(where), static_cast<quint16>(port_number));
  follow();
}

void NetworkMenu::rejoin() {
  if (joiner_ && match_ && match_->stage() == NetworkStage::Dropped) joiner_->rejoin();
}

void NetworkMenu::build_panel() {
  if (panel_ != nullptr) return;
  panel_ = new SideDock(shown(QT_TRID_NOOP("ネット対局")), window_, Qt::RightDockWidgetArea);
  panel_->setObjectName(QStringLiteral("NETWORK_PANEL"));
  auto* body = new QWidget(panel_);
  auto* layout = new QVBoxLayout(body);
  stage_ = new QLabel(body);
  stage_->setObjectName(QStringLiteral("NETWORK_STAGE"));
  other_ = new QLabel(body);
  log_ = new QListWidget(body);
  log_->setObjectName(QStringLiteral("NETWORK_LOG"));
  log_->setWordWrap(true);  // a long line of the log wraps in the panel's width
  log_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  chat_ = new QLineEdit(body);
  chat_->setObjectName(QStringLiteral("NETWORK_CHAT"));
  chat_->setMaxLength(static_cast<int>(MAX_CHAT_BYTES) / 3);
  layout->addWidget(stage_);
  layout->addWidget(other_);
  layout->addWidget(log_);
  layout->addWidget(chat_);
  panel_->setWidget(body);
  connect(chat_, &QLineEdit::returnPressed, this, [this] {
    const std::string text = chat_->text().toStdString();
    chat_->clear();
    if (match_ && !text.empty()) post([this, text](Game&) { match_->chat(text); });
  });
}

void NetworkMenu::follow() {
  const bool on = match_ != nullptr;
  const NetworkStage stage = on ? match_->stage() : NetworkStage::Ended;
  find("NETWORK_REJOIN")
      ->setEnabled(joiner_ && stage == NetworkStage::Dropped && !connection_->busy() && !joiner_->connecting());
  find("NETWORK_RESIGN")->setEnabled(on && stage == NetworkStage::Playing);
  find("NETWORK_LEAVE")->setEnabled(on && stage != NetworkStage::Ended);
  if (panel_ == nullptr || !on) return;
  stage_->setText(shown(stage_caption(stage)));
  other_->setText(shown(QT_TRID_NOOP("相手")) + QStringLiteral(": ") + QString::fromStdString(match_->other_name()));
  const std::vector<NetworkNote>& notes = match_->log();
  if (log_->count() > static_cast<int>(notes.size())) log_->clear();
  for (std::size_t i = log_->count(); i < notes.size(); ++i) {
    const NetworkNote& n = notes[i];
    log_->addItem(n.chat ? QString::fromStdString(n.player + ": " + n.text) : shown(n.text));
  }
  log_->scrollToBottom();
  chat_->setEnabled(match_->linked());
}

}  // namespace velmora::platform
