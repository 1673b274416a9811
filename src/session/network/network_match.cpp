#include "network/network_match.h"

#include <algorithm>
#include <utility>

#include "computer/strong_player.h"
#include "match/match_start.h"
#include "match/turns.h"
#include "network/wire_move.h"
#include "record/replay.h"
#include "review/replayed_game.h"
#include "rules/turn_order.h"
#include "setup/game_over.h"
#include "setup/new_game.h"
#include "setup/time_out.h"
#include "text/shown.h"
#include "timing/time_left.h"
#include "view/board_view.h"
#include "view/clocks.h"
#include "view/piece_move.h"
#include "view/sound_effects.h"
#include "view/texts.h"

namespace velmora {
namespace {

constexpr const char* TITLE_NETWORK = SHOWN("ネット対局");

// The clock total after a move of the army on one side of the window.
double& clock_after(HistorySlot& slot, const Position& pos, bool main_army) {
  return main_army == own_side_is_main(pos) ? slot.clock_own_after : slot.clock_enemy_after;
}

bool is_main_army(const Position& pos, Side side) { return army_of(pos, side) == MAIN_ARMY; }

// The army's name in the match's messages, as between two people.
std::string army_name(const Position& pos, Side side) {
  return is_main_army(pos, side) ? SHOWN("先手") : SHOWN("後手");
}

// Why a line of the other machine is refused, in the window's words.
const char* refusal_of(ProtocolFault fault) {
  if (fault == ProtocolFault::WrongVersion) return SHOWN("相手の版が違います");
  return SHOWN("相手から正しくない通信が届きました");
}

// The match's moves from the start, as the rules find them between the
// positions of the move list; none when a position cannot be reached so.
Result<std::vector<Candidate>, int> moves_of_list(const Game& g) {
  const ReviewGame game = review_game_of(g.pos.history, g.pos.chess_sign, g.menu.CHESS_MOCHIKOMA);
  const ReplayResult replayed = replay_game(game);
  if (!replayed) return Failure{replayed.error().move};
  std::vector<Candidate> moves;
  for (const ReplayedMove& m : replayed->moves) moves.push_back(candidate_of(m.played));
  return moves;
}

// The starting position of a network match with the main army at the
// bottom or at the top, under the match's settings, ready for its first move.
void set_up_start(Game& g, const MatchSettings& s, bool main_at_bottom) {
  g.menu.NIPPON = s.nippon;
  g.menu.KANKOKU = !s.nippon;
  g.menu.CHESS_MOCHIKOMA = s.chess_drops;
  初期設定(g);
  g.timing.match = TimeControls{s.main_control, s.chess_control};
  if (!main_at_bottom) turn_board_round(g);
  g.pos.history.set_length(0);
}

// The match runs between the two machines: no announcement (each player
// sees the side to move on the board and in the log).
void start_turns(Game& g) {
  画面_再描画(g);
  描画_将棋盤桝(g);
  g.sel.selection_state = false;
  g.game_mode = MODE_MAN;
  g.record_mode = false;
  g.resume_pending = false;
  take_turn_from_list(g.pos);
  start_turn_clock(g);
}

}  // namespace

void host_new_match(Game& g, const MatchSettings& settings, Side host_side) {
  const bool host_plays_main = !settings.joiner_plays_main;
  set_up_start(g, settings, (host_side == Side::Own) == host_plays_main);
  start_turns(g);
}

NetworkMatch::NetworkMatch(Game& g, NetworkRole role, std::string own_name, const Player* local)
    : g_(g),
      role_(role),
      own_name_(std::move(own_name)),
      local_(local),
      remote_side_(local != nullptr ? Side::Own : Side::Enemy) {
  attach();
  if (role_ == NetworkRole::Host) pause_clocks();  // nobody plays before the other player has joined
}

NetworkMatch::~NetworkMatch() {
  if (link_ != nullptr) link_->close();
  detach();
}

MatchSettings NetworkMatch::settings() const {
  MatchSettings s;
  s.joiner_plays_main = is_main_army(g_.pos, remote_side_);
  s.nippon = g_.menu.NIPPON;
  s.chess_drops = g_.menu.CHESS_MOCHIKOMA;
  s.main_control = g_.timing.match.main_army;
  s.chess_control = g_.timing.match.chess_army;
  return s;
}

bool NetworkMatch::moves_here_now(const Game& g) const {
  const std::optional<Side> mover = side_to_move(g.pos);
  return stage_ == NetworkStage::Playing && mover && *mover != remote_side_;
}

void NetworkMatch::connected(Link& link, double now) {
  if (stage_ == NetworkStage::Ended) return link.close();
  link_ = &link;
  now_ = last_received_ = now;
  reader_ = ConnectionLines{};
  hello_heard_ = false;
  stage_ = NetworkStage::Greeting;
  send(HelloMessage{PROTOCOL_VERSION, VELMORA_PROGRAM_VERSION});
  if (role_ == NetworkRole::Joiner) send(JoinMessage{own_name_});
  g_.ports.screen.network_changed();
}

void NetworkMatch::received(std::string_view bytes, double now) {
  now_ = last_received_ = now;
  reader_.add(bytes);
  while (link_ != nullptr) {
    const std::optional<std::string> line = reader_.next_line();
    if (!line) break;
    const Result<Message, ProtocolFault> message = parse_message(*line);
    if (!message) return fail(refusal_of(message.error()));
    handle(*message);
  }
  if (link_ != nullptr && reader_.faulty()) fail(refusal_of(ProtocolFault::TooLong));
  g_.ports.screen.network_changed();
}

void NetworkMatch::link_lost() {
  if (link_ == nullptr) return;
  link_ = nullptr;
  take_back_asked_ = -1;
  if (stage_ == NetworkStage::Playing || stage_ == NetworkStage::Dropped) {
    pause_clocks();
    stage_ = NetworkStage::Dropped;
    note(SHOWN("接続が切れました。時計は止まっています"));
  } else if (stage_ == NetworkStage::Greeting) {
    stage_ = NetworkStage::Waiting;
  }
  g_.ports.screen.network_changed();
}

void NetworkMatch::tick(double now) {
  now_ = now;
  if (link_ == nullptr) return;
  if (now - last_received_ >= LINK_TIMEOUT_SECONDS) {
    Link* link = link_;
    link_lost();
    link->close();
    return;
  }
  if (now - last_sent_ >= KEEP_ALIVE_SECONDS) send(PingMessage{});
}

void NetworkMatch::resign() {
  // On this side's turn only: no move of the other side is then on its way,
  // and both lists end at the same move.
  if (!moves_here_now(g_)) return play_refusal(g_);
  send(ResignMessage{});
  end_told_ = true;
  終了(g_, army_name(g_.pos, remote_side_));
}

void NetworkMatch::chat(const std::string& text) {
  if (link_ == nullptr || text.empty()) return;
  const ChatMessage said{text.substr(0, MAX_CHAT_BYTES)};
  send(said);
  // What the other side reads: the text as the line carries it.
  const Result<Message, ProtocolFault> sent = parse_message(format_message(said));
  log_.push_back({sent ? std::get<ChatMessage>(*sent).text : said.text, own_name_, true});
  g_.ports.screen.network_changed();
}

void NetworkMatch::leave() {
  if (stage_ == NetworkStage::Ended) return;
  send(ByeMessage{});
  end_connection(SHOWN("ネット対局をやめました"), NetworkStage::Ended);
}

void NetworkMatch::move_played(Game& g, const Candidate& move) {
  HistorySlot& slot = g.pos.history.slot(g.pos.move_number);
  const Side mover = side_of_code(move.final_code);
  if (playing_remote_) {
    // Both clocks as the mover's machine booked them, so that both lists agree.
    clock_after(slot, g.pos, true) = incoming_.main_seconds;
    clock_after(slot, g.pos, false) = incoming_.chess_seconds;
  } else {
    MoveMessage m{g.pos.move_number, wire_move(g.pos, move), clock_after(slot, g.pos, true),
                  clock_after(slot, g.pos, false)};
    const std::string line = format_message(m);
    // The clocks as the other machine will read them from the line.
    const Result<Message, ProtocolFault> read = parse_message(line);
    if (read) m = std::get<MoveMessage>(*read);
    clock_after(slot, g.pos, true) = m.main_seconds;
    clock_after(slot, g.pos, false) = m.chess_seconds;
    if (link_ != nullptr) {
      link_->send(line);
      last_sent_ = now_;
    }
    take_back_asked_ = -1;
  }
  // The mover's total is the list's, exactly: its booking adds nothing more.
  (mover == Side::Own ? g.clock.clock_own_total : g.clock.clock_enemy_total) =
      clock_after(slot, g.pos, is_main_army(g.pos, mover));
  g.clock.turn_elapsed = 0;
}

void NetworkMatch::lost_on_time(Game&, Side loser) {
  if (loser == remote_side_ || end_told_) return;
  send(FlagMessage{});
  end_told_ = true;
}

void NetworkMatch::match_ending(Game& g) {
  if (stage_ == NetworkStage::Playing && !end_told_ && g.pos.king_taken == 0)
    send(ResignMessage{});  // this side has no move left: it resigns
  send(ByeMessage{});
  end_connection(SHOWN("対局が終わりました"), NetworkStage::Ended);
}

void NetworkMatch::take_back_asked(Game& g) {
  const int n = g.pos.move_number;
  const bool last_was_remote = n >= 1 && side_of_code(g.pos.history.slot(n).move_code) == remote_side_;
  const int to_move = last_was_remote ? n - 2 : n - 1;
  if (stage_ != NetworkStage::Playing || local_ != nullptr || take_back_asked_ >= 0 || to_move < 0)
    return play_refusal(g);
  take_back_asked_ = to_move;
  send(TakeBackRequest{to_move});
  note(SHOWN("待ったを申し込みました"));
  g.ports.screen.network_changed();
}

void NetworkMatch::after_move(Game& g, const Candidate& move) const {
  const Side mover = side_of_code(move.final_code);
  描画_移動結果(g, mover, move.to, move.final_code, PaletteColour::White);
  描画_桝輪郭(g, PaletteColour::White, move.to);
  g.ports.screen.move_list_changed();
  if (g.pos.king_taken != 0) {
    終了(g, g.pos.king_taken == MAIN_ARMY ? SHOWN("先手") : SHOWN("後手"));
    return;
  }
  book_turn(g, mover);
  start_turn_clock(g);
}

void NetworkMatch::handle(const Message& message) {
  std::visit(
      [this](const auto& m) {
        using M = std::decay_t<decltype(m)>;
        if constexpr (std::is_same_v<M, HelloMessage>)
          hello(m);
        else if constexpr (std::is_same_v<M, JoinMessage>)
          join(m);
        else if constexpr (std::is_same_v<M, AcceptMessage>)
          accept(m);
        else if constexpr (std::is_same_v<M, RefuseMessage>)
          refuse(m);
        else if constexpr (std::is_same_v<M, MoveMessage>)
          move(m);
        else if constexpr (std::is_same_v<M, TakeBackRequest>)
          take_back_request(m);
        else if constexpr (std::is_same_v<M, TakeBackAnswer>)
          take_back_answer(m);
        else if constexpr (std::is_same_v<M, ResignMessage>)
          other_resigned();
        else if constexpr (std::is_same_v<M, FlagMessage>)
          other_flag_fell();
        else if constexpr (std::is_same_v<M, ChatMessage>)
          log_.push_back({m.text, other_name_, true});
        else if constexpr (std::is_same_v<M, ByeMessage>)
          end_connection(SHOWN("相手がネット対局をやめました"), NetworkStage::Ended);
        // a keep-alive needs nothing more than its arrival
      },
      message);
}

void NetworkMatch::hello(const HelloMessage&) {
  if (hello_heard_) return fail(refusal_of(ProtocolFault::Malformed));
  hello_heard_ = true;
}

void NetworkMatch::join(const JoinMessage& m) {
  if (role_ != NetworkRole::Host || stage_ != NetworkStage::Greeting || !hello_heard_)
    return fail(refusal_of(ProtocolFault::Malformed));
  other_name_ = m.name;
  const bool accepted =
      local_ != nullptr || g_.ports.dialogs.message_box(SHOWN("対局の申し込みがあります。受けますか？") "\n" + m.name,
                                                        TITLE_NETWORK, Buttons::YesNo, Icon::None) == Answer::Yes;
  if (!accepted) {
    send(RefuseMessage{RefusalReason::Declined});
    return end_connection(SHOWN("申し込みを断りました"), NetworkStage::Waiting);
  }
  send_match();
}

void NetworkMatch::send_match() {
  g_.pos.history.set_length(g_.pos.move_number);
  const Result<std::vector<Candidate>, int> moves = moves_of_list(g_);
  if (!moves) return fail(SHOWN("盤上の対局の手順が読めません"));
  const double turn = paused_turn_ >= 0 ? paused_turn_ : 0;
  send(AcceptMessage{settings(), own_name_, static_cast<int>(moves->size()), turn});
  for (int n = 1; n <= static_cast<int>(moves->size()); ++n) {
    HistorySlot& slot = g_.pos.history.slot(n);
    send(MoveMessage{n, wire_move(g_.pos, (*moves)[n - 1]), clock_after(slot, g_.pos, true),
                     clock_after(slot, g_.pos, false)});
  }
  g_.list_from_network = true;
  stage_ = NetworkStage::Playing;
  resume_clocks(turn);
  note(SHOWN("対局が始まりました"));
  ask_player_soon(g_);  // the side to move is asked, here or there
}

void NetworkMatch::accept(const AcceptMessage& m) {
  if (role_ != NetworkRole::Joiner || stage_ != NetworkStage::Greeting || !hello_heard_)
    return fail(refusal_of(ProtocolFault::Malformed));
  accepted_ = m;
  other_name_ = m.name;
  list_.clear();
  if (m.moves == 0) set_up_joined_match();
}

void NetworkMatch::refuse(const RefuseMessage& m) {
  if (role_ != NetworkRole::Joiner || stage_ != NetworkStage::Greeting)
    return fail(refusal_of(ProtocolFault::Malformed));
  end_connection(m.reason == RefusalReason::Busy ? SHOWN("相手は対局中です") : SHOWN("申し込みは断られました"),
                 NetworkStage::Waiting);
}

void NetworkMatch::move(const MoveMessage& m) {
  if (stage_ == NetworkStage::Greeting && role_ == NetworkRole::Joiner && accepted_.moves > 0) {
    // The match so far, before the joiner sets it up.
    if (m.number != static_cast<int>(list_.size()) + 1) return fail(SHOWN("相手の手順が合いません"));
    list_.push_back(m);
    if (static_cast<int>(list_.size()) == accepted_.moves) set_up_joined_match();
    return;
  }
  if (stage_ != NetworkStage::Playing) return fail(refusal_of(ProtocolFault::Malformed));
  const std::optional<Side> mover = side_to_move(g_.pos);
  if (!mover || *mover != remote_side_ || m.number != g_.pos.move_number + 1)
    return fail(SHOWN("相手の手順が合いません"));
  if (!play_remote(m)) return;
  ask_player_soon(g_);  // this side's player is asked next
}

bool NetworkMatch::play_remote(const MoveMessage& m) {
  const Candidate move = local_move(g_.pos, m.move);
  if (!remote_move_allowed(g_.pos, move, g_.menu.CHESS_MOCHIKOMA)) {
    fail(SHOWN("相手から規則にない手が届きました"));
    return false;
  }
  incoming_ = m;
  g_.timing.turn_clock_stopped = true;  // the mover's own clock gives the time
  playing_remote_ = true;
  const bool played = play_players_move(g_, *this, move);
  playing_remote_ = false;
  if (!played) fail(SHOWN("相手から規則にない手が届きました"));
  return played;
}

void NetworkMatch::set_up_joined_match() {
  // A list the rules refuse leaves the board as it was.
  const Position position_before = g_.pos;
  const Clocks clocks_before = g_.clock;
  const MenuChecks menu_before = g_.menu;
  const TimingState timing_before = g_.timing;
  const bool local_main = accepted_.settings.joiner_plays_main;
  set_up_start(g_, accepted_.settings, (remote_side_ == Side::Enemy) == local_main);
  start_turns(g_);
  stage_ = NetworkStage::Playing;  // the moves of the list are the other machine's, whoever made them
  for (const MoveMessage& m : list_) {
    if (play_remote(m)) continue;
    g_.pos = position_before;
    g_.clock = clocks_before;
    g_.menu = menu_before;
    g_.timing = timing_before;
    画面_再描画(g_);
    return;
  }
  list_.clear();
  g_.list_from_network = true;
  resume_clocks(accepted_.turn_seconds);
  note(SHOWN("対局が始まりました"));
  ask_player_soon(g_);
}

void NetworkMatch::take_back_request(const TakeBackRequest& m) {
  if (stage_ != NetworkStage::Playing) return;
  const int n = g_.pos.move_number;
  const bool asks_own_move = m.to_move >= 0 && m.to_move < n && n - m.to_move <= 2 &&
                             side_of_code(g_.pos.history.slot(m.to_move + 1).move_code) == remote_side_;
  const bool agreed = asks_own_move && local_ == nullptr &&
                      g_.ports.dialogs.message_box(SHOWN("待ったを求められています。受けますか？"), TITLE_NETWORK,
                                                   Buttons::YesNo, Icon::None) == Answer::Yes;
  send(TakeBackAnswer{m.to_move, agreed});
  if (agreed) take_back_to(m.to_move);
}

void NetworkMatch::take_back_answer(const TakeBackAnswer& m) {
  if (stage_ != NetworkStage::Playing || m.to_move != take_back_asked_) return;
  take_back_asked_ = -1;
  if (!m.agreed || m.to_move >= g_.pos.move_number) return note(SHOWN("待ったは断られました"));
  take_back_to(m.to_move);
}

void NetworkMatch::take_back_to(int move_number) {
  while (g_.pos.move_number > move_number) replay_click(g_);
  show_last_move(g_);
  g_.pos.history.set_length(move_number);
  g_.resume_pending = false;
  start_turn_clock(g_);
  note(SHOWN("待ったで手を戻しました"));
}

void NetworkMatch::other_resigned() {
  if (stage_ != NetworkStage::Playing) return;
  end_told_ = true;
  show_message(g_, SHOWN("相手が投了しました"), TITLE_NETWORK);
  終了(g_, army_name(g_.pos, other_side(remote_side_)));
}

void NetworkMatch::other_flag_fell() {
  if (stage_ != NetworkStage::Playing) return;
  end_told_ = true;
  lose_on_time(g_, remote_side_);
}

void NetworkMatch::send(const Message& message) {
  if (link_ == nullptr) return;
  link_->send(format_message(message));
  last_sent_ = now_;
}

void NetworkMatch::pause_clocks() {
  if (paused_turn_ >= 0) return;
  update_turn_elapsed(g_);
  paused_turn_ = g_.clock.turn_elapsed;
  g_.timing.turn_clock_stopped = true;
  g_.clock.timer1_enabled = false;
}

void NetworkMatch::resume_clocks(double turn_seconds) {
  // The turn goes on with the time it had run, as after stepping through the list.
  g_.clock.left_turn_elapsed = turn_seconds;
  resume_turn_clock(g_);
  paused_turn_ = -1;
}

void NetworkMatch::end_connection(const char* why, NetworkStage then) {
  if (stage_ == NetworkStage::Playing && then != NetworkStage::Ended) pause_clocks();
  stage_ = then;
  note(why);
  if (Link* link = std::exchange(link_, nullptr)) link->close();
  if (then == NetworkStage::Ended) detach();
  g_.ports.screen.network_changed();
}

void NetworkMatch::fail(const char* why) {
  const bool in_match = stage_ == NetworkStage::Playing || stage_ == NetworkStage::Dropped;
  end_connection(why, in_match ? NetworkStage::Dropped : NetworkStage::Waiting);
  show_message(g_, why, TITLE_NETWORK, Icon::Exclamation);
}

void NetworkMatch::note(const char* shown_text) { log_.push_back({shown_text, "", false}); }

void NetworkMatch::attach() { g_.network = this; }

void NetworkMatch::detach() {
  if (g_.network == this) g_.network = nullptr;
}

}  // namespace velmora
