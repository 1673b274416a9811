// What the player aids of the menu 表示 keep for one game window: whether the
// move list panel is shown, the loudness of the sound effects, where exports
// were saved, and how the last match ended.
#pragma once

#include <functional>
#include <string>

#include "clock/army_clocks.h"
#include "game/match_watcher.h"
#include "review/game_review.h"
#include "rules/candidate.h"

namespace velmora {

struct Game;

inline constexpr int FULL_EFFECT_VOLUME = 100;  // percent: as recorded

// What the move list panel was last given: its number of rows and the row of
// the position on the board (-1 before it was first given any).
struct ListedMoves {
  int rows = 0;
  int current_row = -1;
};

// The last review of the match (対局解析) with the move list it judged: it
// stands for the list as long as the list is the same.
struct KeptReview {
  bool exists = false;
  ReviewGame game;
  GameReview review;
};

struct AssistState {
  bool move_list_shown = false;
  int effect_volume = FULL_EFFECT_VOLUME;
  bool effects_muted = false;
  // The folders the last picture and the last text were saved in; empty
  // before the first of its kind.
  std::string picture_folder;
  std::string text_folder;
  // The computer's level as last chosen (LEVEL1–4), played again after a
  // restart; 0 while none has been chosen.
  int computer_level = 0;
  // The rung of the ladder chosen beside LEVEL4, kept with the level; 0: none.
  int ladder_rung = 0;
  // The window's language as last chosen under 表示 → 言語: "ja" or "en";
  // empty while none has been chosen (the window is then Japanese).
  std::string language;
  // The time controls of both armies as last chosen under 表示 → 持ち時間: a
  // new game is played under them.
  TimeControls time_controls;
  // A failed write of the preferences file has been reported; it is told once a run.
  bool preferences_write_reported = false;
  // Who won the last match: "あなた", "ｺﾝﾋﾟｭｰﾀ", "先手" or "後手". It belongs
  // to the move list only while the list still ends there (match_ended).
  std::string match_winner;
  ListedMoves listed_moves;
  KeptReview review;
  // "ﾁｪｽ側持駒OK" was on while a move of the list was played: the review
  // lets the chess army drop as the match was played, whatever the menu says now.
  bool list_chess_drops = false;
  // While a position is solved (練習問題), the person's move (mouse or move
  // field) is an answer handed here instead of being played in a match.
  std::function<void(Game&, const Candidate&)> answer_taker;
  // The teaching game, while it is on: it follows the person's moves
  // against the computer. Not owned.
  MatchWatcher* watcher = nullptr;
  bool teaching_game = false;  // the option, kept in the preferences
  // The join dialog's last address, port (0: the game's own) and name of a
  // match over the network.
  std::string network_address, network_name;
  int network_port = 0;
};

}  // namespace velmora
