// A match against a player on another machine: the conversation of
// network/protocol.h over a link the platform makes (a TCP connection), and
// that player as the player of its side here.
//
// The host sets up the match (its army at the bottom, the line-up, ﾁｪｽ側持駒OK,
// the time controls) and waits; the joining side connects, both say hello,
// the joiner asks, the host's player accepts, and the host sends the settings
// and the moves so far. The joiner sets the match up from the start with its
// own army at the bottom and plays those moves, each checked by the rules.
// Then each side sends the moves made here, with both clocks, and plays the
// other's after the same checks. A line that is not right ends the
// connection with a message and changes nothing on the board. When the line
// drops both clocks stop and the match waits; the joiner joins again and the
// match goes on from the position both lists agree on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/game.h"
#include "network/protocol.h"

namespace velmora {

// The connection to the other machine, which the platform makes.
class Link {
 public:
  virtual ~Link() = default;
  // Sends one line; the link adds the line feed.
  virtual void send(const std::string& line) = 0;
  // Ends the connection (what was sent still goes out).
  virtual void close() = 0;
};

enum class NetworkRole { Host, Joiner };

// A line of the match's log: a text of the game (SHOWN, put into the
// window's language at its edge), or a chat line of a player, shown as typed.
struct NetworkNote {
  std::string text;
  std::string player;  // who wrote a chat line; empty for a text of the game
  bool chat = false;
};

enum class NetworkStage {
  Waiting,   // no connection yet (the host listens, the joiner connects)
  Greeting,  // connected: hellos, the request and the answer
  Playing,   // the match runs
  Dropped,   // the line dropped in the match: the clocks stand, a join continues it
  Ended      // the match ended, was refused or left: nothing more is sent
};

class NetworkMatch final : public NetworkSide, private Player {
 public:
  // A network match of the game's window; `own_name` is sent to the other
  // player. `local` plays this machine's side when it is not the person at
  // the board (velmora-com's computer): it plays the enemy side, the other
  // machine the own side. The host's match is the one on the board, set up
  // with host_new_match or kept from before.
  NetworkMatch(Game& g, NetworkRole role, std::string own_name, const Player* local = nullptr);
  ~NetworkMatch() override;
  NetworkMatch(const NetworkMatch&) = delete;
  NetworkMatch& operator=(const NetworkMatch&) = delete;

  // The host's settings of its match (the time controls, the line-up and the
  // drops as the match on the board has them; which army the joiner plays
  // follows from the board).
  MatchSettings settings() const;

  // The link is up: hellos go out.
  void connected(Link& link, double now);
  // Bytes arrived on the link.
  void received(std::string_view bytes, double now);
  // The link is gone (closed by the other side, cut, or timed out).
  void link_lost();
  // Called about once a second: the keep-alive, and the silence that means
  // the line dropped (the link is then closed and link_lost follows).
  void tick(double now);

  // The person's commands: 投了 (on this side's turn), a chat line, leaving
  // the match.
  void resign();
  void chat(const std::string& text);
  void leave();

  NetworkRole role() const { return role_; }
  NetworkStage stage() const { return stage_; }
  bool linked() const { return link_ != nullptr; }
  const std::string& other_name() const { return other_name_; }
  // What the other player said and what happened, oldest first.
  const std::vector<NetworkNote>& log() const { return log_; }

  // NetworkSide
  Side remote_side() const override { return remote_side_; }
  const Player& remote_player() const override { return *this; }
  const Player* local_player() const override { return local_; }
  bool moves_here_now(const Game& g) const override;
  void move_played(Game& g, const Candidate& move) override;
  void lost_on_time(Game& g, Side loser) override;
  void match_ending(Game& g) override;
  void take_back_asked(Game& g) override;

 private:
  // Player: the other machine's player answers later, with a MOVE line.
  PlayerAnswer choose_move(Game&) const override { return Failure{NoMove::Later}; }
  void before_move(Game&, const Candidate&) const override {}
  void after_move(Game& g, const Candidate& move) const override;
  void refused(Game&) const override {}

  void handle(const Message& message);
  void hello(const HelloMessage& m);
  void join(const JoinMessage& m);
  void accept(const AcceptMessage& m);
  void refuse(const RefuseMessage& m);
  void move(const MoveMessage& m);
  void take_back_request(const TakeBackRequest& m);
  void take_back_answer(const TakeBackAnswer& m);
  void other_resigned();
  void other_flag_fell();

  void send(const Message& message);
  void send_match();
  void set_up_joined_match();
  bool play_remote(const MoveMessage& m);
  void take_back_to(int move_number);
  void pause_clocks();
  void resume_clocks(double turn_seconds);
  void end_connection(const char* why, NetworkStage then);
  void fail(const char* why);
  void note(const char* shown_text);
  void attach();
  void detach();

  Game& g_;
  NetworkRole role_;
  std::string own_name_;
  const Player* local_;
  Side remote_side_;
  NetworkStage stage_ = NetworkStage::Waiting;
  Link* link_ = nullptr;
  ConnectionLines reader_;
  double last_received_ = 0, last_sent_ = 0, now_ = 0;
  bool hello_heard_ = false;
  std::string other_name_;
  std::vector<NetworkNote> log_;
  // The joiner's: the ACCEPT heard and the MOVE lines of its list so far.
  AcceptMessage accepted_;
  std::vector<MoveMessage> list_;
  // The other machine's move being played, with its clocks.
  MoveMessage incoming_;
  // The move number this side asked to take the match back to; -1: none.
  int take_back_asked_ = -1;
  // A move of the other machine is being played: it is not sent back.
  bool playing_remote_ = false;
  // The end of the match came from the other side, or was told to it.
  bool end_told_ = false;
  // The running turn's time when the line dropped; -1 while it did not.
  double paused_turn_ = -1;
};

// The host's new match: the starting position with the army of `host_side`
// (the person's: the own side at the bottom) on that side, the line-up and ﾁｪｽ側持駒OK as chosen (for this match: the
// settings file is not written), the time controls of both armies, ready for the main army's first move. No message is
// shown.
void host_new_match(Game& g, const MatchSettings& settings, Side host_side = Side::Own);

}  // namespace velmora
