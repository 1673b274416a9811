#include "training/training_session.h"

#include <cstdio>

#include "assist/hint.h"
#include "assist/match_review.h"
#include "computer/strong_player.h"
#include "resume/resume.h"
#include "rules/moves.h"
#include "rules/turn_order.h"
#include "text/text_files.h"
#include "training/move_judgement.h"
#include "view/board_view.h"
#include "view/piece_move.h"
#include "view/sound_effects.h"
#include "view/system_reasons.h"
#include "view/texts.h"

namespace velmora {
namespace {

// A collection far beyond any player's: a larger file is not read.
constexpr std::size_t MAX_TRAINING_FILE_BYTES = 64 << 20;

void write_training(Game& g, TrainingSession& t) {
  if (!t.writable) return;
  const Result<void, std::error_code> written = replace_file(training_path(g), format_collection(t.collection));
  if (written || t.write_reported) return;
  t.write_reported = true;
  show_message(g, SHOWN("練習問題を保存できません") "\n" + training_path(g) + "\n" + reason_text(written.error()),
               TRAINING_TITLE, Icon::Exclamation);
}

bool same_list(const ReviewGame& a, const ReviewGame& b) {
  return a.chess_sign == b.chess_sign && a.chess_drops == b.chess_drops && a.slots == b.slots;
}

// Against the computer only the person's mistakes are asked again: the
// person plays the army at the bottom.
TrainingArmy persons_army(const Game& g) {
  if (g.game_mode != MODE_COM) return TrainingArmy::Both;
  return g.pos.chess_sign < 0 ? TrainingArmy::Chess : TrainingArmy::Main;
}

// The position on the board for two people at the mouse, its side to move
// (at the bottom) to move, with nothing of the match about it.
void put_on_board(Game& g, const PositionSetup& s) {
  Position pos;
  pos.board = s.board;
  pos.hand_own = s.hand_own;
  pos.hand_enemy = s.hand_enemy;
  pos.chess_sign = s.chess_sign;
  pos.turn = s.chess_sign < 0 ? CHESS_ARMY : MAIN_ARMY;
  HistorySlot& start = pos.history.slot(0);
  start.board = s.board;
  start.hand_own = s.hand_own;
  start.hand_enemy = s.hand_enemy;
  start.move_to = s.last;
  start.move_code = s.last_code;
  g.pos = pos;
  調査_2歩フラグ設定(g.pos);
  g.game_mode = MODE_MAN;
  g.record_mode = false;
  g.resume_pending = false;
  g.sel = Selection{};
  g.clock.timer1_enabled = false;
  g.clock.clock_own_total = g.clock.clock_enemy_total = 0;
  g.com.move_counter = 0;  // the moves of the position are counted from 1
  g.menu.CHESS_MOCHIKOMA = s.chess_drops;
  g.view.shown = ShownTexts{};
  g.assist.list_chess_drops = s.chess_drops;
  画面_再描画(g);
}

void show_asked(Game& g, TrainingSession& t) {
  t.shown = bottom_to_move(t.collection.entries[*t.asked].position);
  t.hints = 0;
  t.judged = false;
  put_on_board(g, t.shown.setup);
}

void book(Game& g, TrainingSession& t, bool solved) {
  if (t.judged) return;
  t.judged = true;
  record_answer(t.collection.entries[*t.asked], solved, t.now());
  write_training(g, t);
}

// Plays a move of the position on the board, framed where it lands.
void step(Game& g, SearchMove move) {
  const Candidate c = candidate_of(move);
  (void)play_move(g, c);
  描画_桝輪郭(g, HINT_FRAME_COLOUR, c.to);
  g.ports.screen.refresh();
}

// The next due position on the board; with none, false.
bool ask_next(Game& g, TrainingSession& t) {
  const std::optional<std::size_t> next = next_due(t.collection, t.filter, t.now());
  if (!next) {
    show_message(g,
                 t.collection.entries.empty() ? SHOWN("練習問題がありません。対局解析をすると、悪手の局面が加わります")
                                              : SHOWN("今は復習する局面がありません"),
                 TRAINING_TITLE);
    return false;
  }
  t.asked = next;
  show_asked(g, t);
  return true;
}

}  // namespace

std::string training_path(const Game& g) { return g.working_directory + "/" + TRAINING_FILE_NAME; }

void load_training(Game& g, TrainingSession& t) {
  if (t.loaded) return;
  t.loaded = true;
  const auto text = read_whole_file(training_path(g), MAX_TRAINING_FILE_BYTES);
  if (!text) return;
  auto read = parse_collection(*text);
  if (read) {
    t.collection = std::move(*read);
    return;
  }
  t.writable = false;
  show_message(g, SHOWN("練習問題のファイルを読めません") "\n" + training_path(g) + "\n" + read.error().what,
               TRAINING_TITLE, Icon::Exclamation);
}

int review_candidates(const Game& g) {
  const GameReview* review = current_review(g);
  return review ? training_candidates(*review, persons_army(g)) : 0;
}

int collect_review(Game& g, TrainingSession& t, ReviewProgress& progress) {
  const GameReview* review = current_review(g);
  if (!review || same_list(t.collected, g.assist.review.game)) return 0;
  const ReplayResult replayed = replay_game(g.assist.review.game);
  if (!replayed) return 0;
  load_training(g, t);
  const TrainingArmy army = persons_army(g);
  const long long nodes = check_nodes(*review, ReviewLimits{WINDOW_REVIEW_SECONDS, 0});
  std::vector<TrainingPosition> found;
  const bool ran = run_stoppable_aside(g.ports.clock, progress.stop,
                                       [&] { found = training_positions(*replayed, *review, army, nodes, &progress); });
  if (!ran || progress.stop) return 0;
  t.collected = g.assist.review.game;
  const int added = add_positions(t.collection, found);
  if (added == 0) return 0;
  write_training(g, t);
  show_message(g, fill(SHOWN("練習問題に %1 局面を加えました"), std::to_string(added)), TRAINING_TITLE);
  return added;
}

bool training_on(const TrainingSession& t) { return t.match.has_value(); }

void open_training(Game& g, TrainingSession& t) {
  load_training(g, t);
  if (training_on(t)) return;
  const std::optional<std::size_t> next = next_due(t.collection, t.filter, t.now());
  if (!next) {
    (void)ask_next(g, t);
    return;
  }
  t.match = saved_match(g);
  t.resume = g.resume;
  t.menu = g.menu;
  g.resume.frozen = true;  // the kept match stays as it was written
  g.assist.answer_taker = [&t](Game& game, const Candidate& move) { take_answer(game, t, move); };
  t.asked = next;
  show_asked(g, t);
}

void take_answer(Game& g, TrainingSession& t, const Candidate& move) {
  if (!t.asked || g.pos.history.record_length > 0) return play_refusal(g);
  const bool right = same_move(move, candidate_of(t.shown.answer));
  book(g, t, right && t.hints == 0);
  if (!right) {
    play_refusal(g);
    画面_再描画(g);
    return show_message(g, SHOWN("不正解です"), TRAINING_TITLE);
  }
  step(g, t.shown.answer);
  show_message(g, SHOWN("正解です"), TRAINING_TITLE);
}

void training_hint(Game& g, TrainingSession& t) {
  if (!t.asked || g.pos.history.record_length > 0) return play_refusal(g);
  t.hints = std::min(t.hints + 1, 2);
  const Candidate answer = candidate_of(t.shown.answer);
  描画_桝輪郭(g, HINT_FRAME_COLOUR, answer.source_cell());
  if (t.hints == 2) 描画_桝輪郭(g, HINT_FRAME_COLOUR, answer.to);
}

void show_solution(Game& g, TrainingSession& t) {
  if (!t.asked) return play_refusal(g);
  book(g, t, false);
  put_on_board(g, t.shown.setup);
  for (const SearchMove move : t.shown.line) {
    g.ports.clock.wait(SOLUTION_STEP_SECONDS);
    if (g.program_ended) return;
    step(g, move);
  }
}

void next_training_position(Game& g, TrainingSession& t) { (void)ask_next(g, t); }

void set_training_filter(Game& g, TrainingSession& t, const TrainingFilter& filter) {
  t.filter = filter;
  if (training_on(t)) (void)ask_next(g, t);
}

void close_training(Game& g, TrainingSession& t) {
  if (!training_on(t)) return;
  g.assist.answer_taker = nullptr;
  g.menu = t.menu;
  restore_saved_match(g, *t.match);
  g.resume = t.resume;
  t.match.reset();
  t.asked.reset();
}

std::string training_status(const TrainingSession& t) {
  const TrainingCounts c = training_counts(t.collection, t.filter, t.now());
  char text[160];
  std::snprintf(text, sizeof text, "%s %d  %s %d  %s %d / %d", SHOWN("解けた"), c.solved, SHOWN("間違えた"), c.missed,
                SHOWN("復習"), c.due, c.positions);
  return text;
}

}  // namespace velmora
