#include "match.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "computer/ladder.h"
#include "computer/strong_player.h"
#include "match_clock.h"
#include "notation/record_format.h"
#include "played_position.h"
#include "rules/setup.h"
#include "rules/turn_order.h"
#include "text/text_files.h"

namespace velmora {
namespace {

inline constexpr int MAX_PLIES_PER_GAME = 300;               // then the game is a draw
inline constexpr const char* AT_THE_MOVE_CAP = "300 moves";  // how such a game ended
inline constexpr unsigned MIN_OPENING_PLIES = 2;
inline constexpr unsigned MAX_OPENING_PLIES = 6;
inline constexpr const char* ON_TIME = "on time";

// How a pair of games begins: the main army's nation, the chess-drop option
// and the random first moves, seen with the main army at the bottom.
struct Opening {
  bool nippon = true;
  bool drops = false;
  std::vector<Candidate> moves;
};

enum class Verdict { WinA, Draw, LossA, Refused };

// One player: a level of the computer or a rung of the ladder, with its own
// table for level 4 and the seed of a rung's die for the game.
struct MatchLevel {
  int level;
  int rung;
  std::unique_ptr<Engine> engine;
  std::uint64_t seed = 0;
  MatchLevel(int l, int r) : level(l), rung(r), engine(l == STRONG_LEVEL ? std::make_unique<Engine>() : nullptr) {}
};

// A game as the window would hold it: the main army moved first from the
// bottom; `side` is the sign of the side to move.
class MatchGame {
 public:
  explicit MatchGame(const Opening& opening) {
    NullPorts silent;
    Game g(silent.ports());
    g.menu.NIPPON = opening.nippon;
    g.menu.KANKOKU = !opening.nippon;
    初期設定(g);
    position_.board = g.pos.board;
    position_.drops = opening.drops;
    list_.slot(0).board = g.pos.board;
  }

  int side() const { return side_; }
  int plies() const { return plies_; }
  const AnalysisPosition& position() const { return position_; }

  PositionSetup setup() const {
    PositionSetup s;
    s.board = position_.board;
    s.hand_own = position_.hand_own;
    s.hand_enemy = position_.hand_enemy;
    s.side_to_move = side_;
    s.chess_sign = +1;
    s.chess_drops = position_.drops;
    s.last = position_.last;
    s.last_code = position_.last_code;
    return s;
  }

  // The position for levels 1-3, which play the enemy side: turned round
  // when the own side is to move.
  AnalysisPosition seen_by_mover(int level) const {
    AnalysisPosition p = position_;
    p.level = level;
    if (side_ < 0) flip(p);
    return p;
  }

  // Plays the move after asking the rules; false when they refuse it.
  // `king_taken` tells whether the move took a king.
  bool play(const Candidate& move, bool& king_taken, std::string& fault) {
    PositionGame game(position_);
    Game& g = game.g;
    if (!rules_allow(g.pos, move, side_)) {
      fault = "the rules refuse the move";
      return false;
    }
    king_taken = is_king_kind(kind_of(g.pos.board(move.to.x, move.to.y)));
    move_piece(g, move);
    if (const PositionCheck checked = check_played_position(g); !checked) {
      fault = checked.error().what;
      return false;
    }
    hashes_.push_back(SearchPosition(setup()).hash());
    take_position(position_, g, move);
    side_ = -side_;
    ++plies_;
    list_move(move);
    return true;
  }

  const std::vector<std::uint64_t>& earlier() const { return hashes_; }
  const MoveList& moves() const { return list_; }

 private:
  void list_move(const Candidate& move) {
    HistorySlot& slot = list_.slot(plies_);
    slot.board = position_.board;
    slot.hand_own = position_.hand_own;
    slot.hand_enemy = position_.hand_enemy;
    slot.move_to = move.to;
    slot.move_code = move.final_code;
    list_.set_length(plies_);
  }

  AnalysisPosition position_;
  MoveList list_;
  int side_ = -1;
  int plies_ = 0;
  std::vector<std::uint64_t> hashes_;
};

// The move of `player` in the game; none when it has none. Level 4 thinks
// `seconds`, a rung only as long under a time control (`timed`); level 4 adds
// its score of the position to `scores`.
std::optional<Candidate> choose(MatchLevel& player, const MatchGame& game, double seconds, bool timed,
                                ScoredGame& scored) {
  if (const std::optional<LadderRung> rung = ladder_rung(player.rung)) {
    StrongRoot root{SearchPosition(game.setup()), game.earlier()};
    return ladder_search(root, *player.engine, *rung, player.seed, nullptr,
                         timed ? std::optional<double>(seconds) : std::nullopt);
  }
  if (player.engine) {
    StrongRoot root{SearchPosition(game.setup()), game.earlier()};
    SearchLimits limits;
    limits.seconds = seconds;
    SearchReport report;
    std::optional<Candidate> found = strong_search(root, *player.engine, limits, nullptr, &report);
    scored.scores.push_back({game.side(), report.score});
    return found;
  }
  PositionGame seen(game.seen_by_mover(player.level));
  std::optional<Candidate> found = com_search(seen.g);
  if (found && game.side() < 0) found = turned_move(*found);
  return found;
}

// A random move that keeps the mover's king, or none.
std::optional<Candidate> random_move(const MatchGame& game, std::mt19937& rng) {
  SearchPosition p(game.setup());
  const std::vector<SearchMove> safe = moves_keeping_the_king(p);
  if (safe.empty()) return std::nullopt;
  return candidate_of(safe[rng() % safe.size()]);
}

Opening make_opening(std::mt19937& rng) {
  Opening opening;
  opening.nippon = rng() % 2 == 0;
  opening.drops = rng() % 2 == 0;
  MatchGame game(opening);
  const unsigned plies = MIN_OPENING_PLIES + rng() % (MAX_OPENING_PLIES - MIN_OPENING_PLIES + 1);
  for (unsigned i = 0; i < plies; ++i) {
    bool king_taken = false;
    std::string fault;
    const std::optional<Candidate> move = random_move(game, rng);
    if (!move || !game.play(*move, king_taken, fault)) break;
    opening.moves.push_back(*move);
  }
  return opening;
}

struct GameOutcome {
  Verdict result = Verdict::Draw;
  int plies = 0;
  std::string how;
  ScoredGame scored;
  MoveList moves;
};

GameOutcome play_game(const Opening& opening, MatchLevel& main_army, MatchLevel& chess_army, bool a_is_main,
                      const MatchOptions& options, std::ostream& report) {
  MatchGame game(opening);
  MatchClock clock(options.control);
  GameOutcome outcome;
  bool king_taken = false;
  std::string fault;
  for (const Candidate& move : opening.moves) game.play(move, king_taken, fault);
  for (MatchLevel* p : {&main_army, &chess_army})
    if (p->engine) p->engine->clear();
  ScoredGame scored;
  // The game as it ended: the winner's sign (0 for a draw), the moves and the scores.
  auto ended = [&](Verdict result, int winner, const char* how) {
    scored.winner = winner;
    return GameOutcome{result, game.plies(), how, std::move(scored), game.moves()};
  };
  auto won_by = [&](int side) { return (side < 0) == a_is_main ? Verdict::WinA : Verdict::LossA; };
  while (game.plies() < MAX_PLIES_PER_GAME) {
    const int side = game.side();
    MatchLevel& player = side < 0 ? main_army : chess_army;
    const int army = side < 0 ? MAIN_ARMY : CHESS_ARMY;  // the main army stands at the bottom
    const double seconds = clock.timed() ? clock.thinking_budget(army) : options.movetime_ms / 1000.0;
    clock.start_turn();
    const std::optional<Candidate> chosen = choose(player, game, seconds, clock.timed(), scored);
    if (!clock.end_turn(army)) {
      report << "match: " << player_name(player.level, player.rung) << " lost on time: " << clock.last_turn()
             << " s of " << clock.last_allowance() << " s (planned " << seconds << " s)\n";
      return ended(won_by(-side), -side, ON_TIME);
    }
    if (!chosen) return ended(won_by(-side), -side, "no move left");
    const Candidate& move = *chosen;
    if (!game.play(move, king_taken, fault)) {
      report << "match: " << player_name(player.level, player.rung) << " played " << move.named_source().x << ','
             << move.named_source().y << " -> " << move.to.x << ',' << move.to.y << " (" << move.starting << " -> "
             << move.final_code << "): " << fault << "\nposition before the move (" << (side < 0 ? "own" : "enemy")
             << " side to move):\n"
             << format_position_line(game.position()) << '\n';
      outcome.result = Verdict::Refused;
      return outcome;
    }
    if (king_taken) return ended(won_by(side), side, "king taken");
  }
  report << "match: the position at the move cap (" << (game.side() < 0 ? "own" : "enemy") << " side to move):\n"
         << format_position_line(game.position()) << '\n';
  return ended(Verdict::Draw, 0, AT_THE_MOVE_CAP);
}

// Saves the game as "game-N.棋譜" in the folder; false (told on `report`)
// when it cannot be written.
bool save_game(const std::string& folder, int number, const MatchOptions& options, bool a_is_main,
               const MoveList& moves, std::ostream& report) {
  const std::string a = player_name(options.level_a, options.rung_a), b = player_name(options.level_b, options.rung_b);
  SaveNotes notes;
  const std::string bytes = format_record("velmora-com match game " + std::to_string(number), a_is_main ? b : a,
                                          a_is_main ? a : b, moves, moves.record_length, notes);
  const std::string path = folder + "/game-" + std::to_string(number) + ".棋譜";
  if (const Result<void, std::error_code> written = replace_file(path, bytes); !written) {
    report << "match: cannot write " << path << ": " << written.error().message() << '\n';
    return false;
  }
  return true;
}

double elo_of(double score) {
  if (score <= 0) return -INFINITY;
  if (score >= 1) return INFINITY;
  return -400.0 * std::log10(1.0 / score - 1.0);
}

}  // namespace

std::string signed_elo(double elo) {
  if (std::isinf(elo)) return elo > 0 ? "+inf" : "-inf";
  const long rounded = std::lround(elo);
  std::string text = std::to_string(rounded);
  if (rounded > 0) text.insert(text.begin(), '+');
  return text;
}

EloEstimate estimate_elo(int wins, int draws, int losses) {
  const double n = wins + draws + losses;
  if (n == 0) return {};
  const double score = (wins + 0.5 * draws) / n;
  const double variance =
      (wins * std::pow(1 - score, 2) + draws * std::pow(0.5 - score, 2) + losses * std::pow(score, 2)) / n;
  const double spread = 1.96 * std::sqrt(variance / n);
  return {elo_of(score), elo_of(score - spread), elo_of(score + spread)};
}

std::string format_elo(const EloEstimate& elo) {
  return signed_elo(elo.difference) + " (95 %: " + signed_elo(elo.lower) + " to " + signed_elo(elo.upper) + ")";
}

std::string player_name(int level, int rung) {
  if (const std::optional<LadderRung> r = ladder_rung(rung)) return std::string("level ") + r->name;
  return "level " + std::to_string(level);
}

namespace {

// After each pair of games: the test's ratio and bounds, and whether it
// accepted a hypothesis (told on `out`).
bool sequential_test_decides(SequentialTest& test, int pair_points, std::ostream& out) {
  ++test.pairs[pair_points];
  const double llr = test.llr();
  out << "sprt: LLR " << std::fixed << std::setprecision(2) << llr << " (" << SequentialTest::lower_bound() << ", "
      << SequentialTest::upper_bound() << ")\n"
      << std::defaultfloat << std::setprecision(6);
  if (llr >= SequentialTest::upper_bound()) {
    out << "sprt: H1 accepted: A is " << test.elo1 << " Elo better rather than " << test.elo0 << "\n";
    return true;
  }
  if (llr <= SequentialTest::lower_bound()) {
    out << "sprt: H0 accepted: A is " << test.elo0 << " Elo better rather than " << test.elo1 << "\n";
    return true;
  }
  return false;
}

}  // namespace

bool run_match(const MatchOptions& options, std::ostream& out, std::ostream& report) {
  std::mt19937 rng(options.seed);
  MatchLevel a(options.level_a, options.rung_a), b(options.level_b, options.rung_b);
  const std::string name_a = player_name(a.level, a.rung), name_b = player_name(b.level, b.rung);
  std::optional<SequentialTest> test = options.sprt;
  int wins = 0, draws = 0, losses = 0, pair_points = 0;
  int a_lost_on_time = 0, b_lost_on_time = 0;
  bool decided = false;
  Opening opening;
  for (int game = 0; game < options.games; ++game) {
    const bool a_is_main = game % 2 == 0;
    if (a_is_main) opening = make_opening(rng);
    // Each game's die of a rung is its own, drawn from the match's seed.
    a.seed = (std::uint64_t{options.seed} << 32) + 2 * game;
    b.seed = a.seed + 1;
    const GameOutcome outcome = play_game(opening, a_is_main ? a : b, a_is_main ? b : a, a_is_main, options, report);
    if (outcome.result == Verdict::Refused) return false;
    if (options.scored) options.scored->push_back(outcome.scored);
    if (!options.records_folder.empty() &&
        !save_game(options.records_folder, game + 1, options, a_is_main, outcome.moves, report))
      return false;
    wins += outcome.result == Verdict::WinA;
    draws += outcome.result == Verdict::Draw;
    losses += outcome.result == Verdict::LossA;
    const bool on_time = outcome.how == ON_TIME;
    a_lost_on_time += on_time && outcome.result == Verdict::LossA;
    b_lost_on_time += on_time && outcome.result == Verdict::WinA;
    const char* result = outcome.result == Verdict::WinA    ? "A wins"
                         : outcome.result == Verdict::LossA ? "B wins"
                                                            : "draw";
    out << "game " << game + 1 << ": A (" << name_a << ") plays the " << (a_is_main ? "main army" : "chess army")
        << (opening.nippon ? ", 日本" : ", 韓国") << (opening.drops ? ", chess drops" : "") << ": " << result << " ("
        << outcome.how << ") after " << outcome.plies << " moves\n"
        << std::flush;
    pair_points += outcome.result == Verdict::WinA ? 2 : outcome.result == Verdict::Draw ? 1 : 0;
    if (!a_is_main) {
      decided = test && sequential_test_decides(*test, pair_points, out);
      if (decided) break;
      pair_points = 0;
    }
  }
  if (options.tally) *options.tally = {options.tally->first, options.tally->second, wins, draws, losses};
  const EloEstimate elo = estimate_elo(wins, draws, losses);
  const int n = wins + draws + losses;
  out << name_a << " against " << name_b << ", " << n << " games";
  const bool timed = options.control.kind != TimeKind::None;
  if (timed)
    out << " (" << format_time_control(options.control) << ")";
  else if ((a.level == STRONG_LEVEL && a.rung == 0) || (b.level == STRONG_LEVEL && b.rung == 0))
    out << " (level 4 at " << options.movetime_ms << " ms a move)";
  out << ": " << wins << " wins, " << draws << " draws, " << losses << " losses of " << name_a << "; score "
      << std::fixed << std::setprecision(1) << (n ? 100.0 * (wins + 0.5 * draws) / n : 0.0) << " %; Elo difference "
      << format_elo(elo);
  if (timed) out << "; lost on time: A " << a_lost_on_time << ", B " << b_lost_on_time;
  out << "\n";
  if (test && !decided) out << "sprt: no hypothesis accepted within " << n << " games\n";
  return true;
}

}  // namespace velmora
