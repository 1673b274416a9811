#include "network_play.h"

#include <QCoreApplication>
#include <QTime>
#include <chrono>
#include <iomanip>

#include "com/com_turn.h"
#include "com/levels.h"
#include "match/turns.h"
#include "match/window.h"
#include "network/wire_move.h"
#include "network_computer.h"
#include "record/record_files.h"
#include "rules/turn_order.h"
#include "text/text_files.h"

namespace velmora {
namespace {

// The joiner tries this often, this many times, before the host answers,
// and again after the line dropped.
constexpr int JOIN_RETRY_MS = 500;
constexpr int JOIN_ATTEMPTS = 40;
// Once the match has ended the last lines are given this long to go out.
constexpr int LAST_LINES_MS = 300;
constexpr int TIMER1_MS = 50;

// Writes the record whole, by the atomic replace of the game's own files.
bool write_whole_file(const std::string& path, const std::string& bytes, std::ostream& report) {
  if (replace_file(path, bytes)) return true;
  report << "velmora-com: cannot write " << path << '\n';
  return false;
}

double seconds_since_epoch() {
  return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

}  // namespace

double NetworkComputer::SteadyClock::time_of_day() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

NetworkComputer::NetworkComputer(NetworkRole role, int level, const std::string& name,
                                 const std::optional<MatchSettings>& host_settings, std::ostream* moves_log)
    : game_(Ports{screen_, dialogs_, sound_, clock_}), name_(name), moves_log_(moves_log) {
  // After the match the program ends: "続けますか？" is answered No.
  dialogs_.question_answer = Answer::No;
  レベル_設定(game_, level);
  if (role == NetworkRole::Host) host_new_match(game_, host_settings.value_or(MatchSettings{}), Side::Enemy);
  match_ = std::make_unique<NetworkMatch>(game_, role, name, &computer_player(game_));
  connection_ =
      std::make_unique<platform::NetworkConnection>(*match_, [this](const platform::GameEvent& event) { run(event); });
  timer1_.setInterval(TIMER1_MS);
  connect(&timer1_, &QTimer::timeout, this, [this] { run([](Game& g) { on_timer(g); }); });
  timer1_.start();
}

NetworkComputer::~NetworkComputer() {
  connection_.reset();
  match_.reset();
}

void NetworkComputer::run(const platform::GameEvent& event) {
  event(game_);
  tell_moves("there");
  // The host's match begins (or goes on after a drop) with nobody asked:
  // the computer is asked whenever its side is to move between events. A
  // match this long is given up by the host's computer, on its own turn, so
  // that both lists end at the same move.
  if (match_->moves_here_now(game_) && !game_.program_ended) {
    if (match_->role() == NetworkRole::Host && game_.pos.move_number >= MOST_NETWORK_PLIES)
      match_->resign();
    else
      ask_player_soon(game_);
  }
  while (turn_due(game_)) on_turn_due(game_);
  tell_moves("here");
  if (moves_log_ != nullptr)
    for (; notes_told_ < match_->log().size(); ++notes_told_) {
      const NetworkNote& note = match_->log()[notes_told_];
      *moves_log_ << (note.chat ? "chat " + note.player + ": " : std::string("log: ")) << note.text << '\n'
                  << std::flush;
    }
  if (!ended_told_ && match_->stage() == NetworkStage::Ended) {
    ended_told_ = true;
    Q_EMIT ended();
  }
}

void NetworkComputer::tell_moves(const char* where) {
  const int played = game_.pos.move_number;
  if (played < moves_told_) moves_told_ = played;  // taken back
  if (moves_log_ != nullptr)
    for (int n = moves_told_ + 1; n <= played; ++n)
      *moves_log_ << "move " << n << ' ' << where << ' ' << std::fixed << std::setprecision(6) << seconds_since_epoch()
                  << std::defaultfloat << '\n'
                  << std::flush;
  moves_told_ = played;
}

bool NetworkComputer::ended_normally() const {
  return match_->stage() == NetworkStage::Ended && game_.pos.history.match_ended;
}

std::string NetworkComputer::record() const {
  RecordFields fields;
  fields.title = "network match";
  // The other machine plays the bottom side here.
  const bool other_plays_main = own_side_is_main(game_.pos);
  fields.first = other_plays_main ? match_->other_name() : name_;
  fields.second = other_plays_main ? name_ : match_->other_name();
  SaveNotes notes;
  return record_bytes(game_, fields, notes);
}

bool play_network_match(const NetworkPlayOptions& options, std::ostream& out, std::ostream& report) {
  static int argc = 1;
  static char program[] = "velmora-com";
  static char* argv[] = {program, nullptr};
  std::unique_ptr<QCoreApplication> application;
  if (QCoreApplication::instance() == nullptr) application = std::make_unique<QCoreApplication>(argc, argv);

  const bool host = options.host;
  const NetworkRole role = host ? NetworkRole::Host : NetworkRole::Joiner;
  MatchSettings settings;
  settings.joiner_plays_main = !options.host_plays_main;
  settings.main_control = settings.chess_control = options.control;
  const std::string name = "velmora-com level " + std::to_string(options.level) + (host ? " (host)" : " (join)");
  NetworkComputer computer(role, options.level, name, host ? std::optional(settings) : std::nullopt, &out);
  platform::NetworkConnection& connection = computer.connection();

  std::unique_ptr<platform::NetworkHost> listener;
  std::unique_ptr<platform::NetworkJoiner> joiner;
  bool failed = false;
  const auto give_up = [&](const std::string& why) {
    report << "velmora-com: " << why << '\n';
    failed = true;
    QCoreApplication::exit(1);
  };
  if (host) {
    listener = std::make_unique<platform::NetworkHost>(connection);
    QString error;
    if (!listener->listen(static_cast<quint16>(options.port), error)) {
      report << "velmora-com: cannot listen on port " << options.port << ": " << error.toStdString() << '\n';
      return false;
    }
    out << "listening on port " << listener->port() << '\n' << std::flush;
  } else {
    joiner = std::make_unique<platform::NetworkJoiner>(connection);
    auto attempts = std::make_shared<int>(0);
    QObject::connect(joiner.get(), &platform::NetworkJoiner::failed, &computer, [&, attempts](const QString& why) {
      if (++*attempts >= JOIN_ATTEMPTS) return give_up("cannot join: " + why.toStdString());
      QTimer::singleShot(JOIN_RETRY_MS, &computer, [&] { joiner->rejoin(); });
    });
    // Once on the line the attempts begin anew; after a drop the joiner comes back.
    auto greeted = std::make_shared<bool>(false);
    QObject::connect(&connection, &platform::NetworkConnection::changed, &computer, [&, attempts, greeted] {
      const NetworkStage stage = computer.match().stage();
      if (stage == NetworkStage::Playing) *attempts = 0;
      if (stage != NetworkStage::Waiting) *greeted = true;
      if (stage == NetworkStage::Dropped && !connection.busy() && !joiner->connecting())
        QTimer::singleShot(JOIN_RETRY_MS, &computer, [&] {
          if (!connection.busy() && !joiner->connecting()) joiner->rejoin();
        });
      if (stage == NetworkStage::Waiting && *greeted && !connection.busy()) give_up("the host did not take the match");
    });
    joiner->join(QString::fromStdString(options.address), static_cast<quint16>(options.port));
  }
  QObject::connect(&computer, &NetworkComputer::ended, &computer,
                   [] { QTimer::singleShot(LAST_LINES_MS, [] { QCoreApplication::exit(0); }); });
  QCoreApplication::exec();
  if (failed) return false;
  if (!computer.ended_normally()) {
    report << "velmora-com: the match did not end normally\n";
    return false;
  }
  out << "match ended after " << computer.game().pos.move_number << " moves\n";
  if (options.records_folder.empty()) return true;
  const std::string path = options.records_folder + (host ? "/network-host.棋譜" : "/network-join.棋譜");
  return write_whole_file(path, computer.record(), report);
}

}  // namespace velmora
