// The phrases of the window with a part that varies, and how a text the
// session shows is put into another language at the window's edge.
//
// The window hands every text it shows (a caption, a message, a label beside
// the board, a row of the move list) to translated_text() with a lookup into
// the chosen language's catalogue. A text is found whole; a text of several
// lines line by line; a line that is one of the phrases below with its part
// filled in is found as that phrase, its part put into the language too; any
// other line word by word, a square such as "７六" as its file and rank.
// What the catalogue does not hold (a path, a name the player typed) stays.
#pragma once

#include <functional>
#include <string>

#include "text/shown.h"

namespace velmora {

inline constexpr const char* PHRASE_WINS = SHOWN("%1の勝ちです");
inline constexpr const char* PHRASE_CANNOT_READ_AT = SHOWN("棋譜ﾌｧｲﾙを読み込めません（%1行目）");
inline constexpr const char* PHRASE_TOO_MANY_MOVES_AT = SHOWN("棋譜ﾌｧｲﾙの手数が多すぎます（%1行目）");
inline constexpr const char* PHRASE_DAMAGED_AT = SHOWN("棋譜ﾌｧｲﾙが壊れています（%1行目）");
inline constexpr const char* PHRASE_FIRST_PLAYER = SHOWN("先手：%1");
inline constexpr const char* PHRASE_SECOND_PLAYER = SHOWN("後手：%1");
inline constexpr const char* PHRASE_RESULT = SHOWN("結果：%1の勝ち");
inline constexpr const char* PHRASE_LAST_MOVE = SHOWN("最後の手：%1");
inline constexpr const char* PHRASE_WRONG_PART = SHOWN("%1が正しくありません");
inline constexpr const char* PHRASE_UNREVIEWABLE_AT = SHOWN("解析できない手があります（%1手目）");
inline constexpr const char* PHRASE_REVIEW_SUMMARY = SHOWN("解析：%1");
inline constexpr const char* PHRASE_NO_START_AT = SHOWN("どの開始局面からも指せない手があります（%1手目）");
inline constexpr const char* PHRASE_EMPTY_SQUARE = SHOWN("%1に駒がありません");
inline constexpr const char* PHRASE_NOT_IN_HAND = SHOWN("持駒に%1がありません");
inline constexpr const char* PHRASE_OWN_PIECE_ON = SHOWN("%1には味方の駒があります");
inline constexpr const char* PHRASE_CANNOT_GO_TO = SHOWN("その駒は%1へ動けません");
inline constexpr const char* PHRASE_MAIN_ARMY_PIECE = SHOWN("%1、主戦軍");
inline constexpr const char* PHRASE_CHESS_ARMY_PIECE = SHOWN("%1、チェス軍");
inline constexpr const char* PHRASE_MAIN_ARMY_HAND = SHOWN("主戦軍の持駒：%1");
inline constexpr const char* PHRASE_CHESS_ARMY_HAND = SHOWN("チェス軍の持駒：%1");
inline constexpr const char* PHRASE_MAIN_ARMY_CLOCK = SHOWN("主戦軍の時間：%1");
inline constexpr const char* PHRASE_CHESS_ARMY_CLOCK = SHOWN("チェス軍の時間：%1");
inline constexpr const char* PHRASE_TIME_UP = SHOWN("%1の時間切れです");
inline constexpr const char* PHRASE_FIRST_TIME_CONTROL = SHOWN("先手の持ち時間：%1");
inline constexpr const char* PHRASE_SECOND_TIME_CONTROL = SHOWN("後手の持ち時間：%1");

// The chosen language's text for `japanese`, or "" when the catalogue has none.
using TextLookup = std::function<std::string(const std::string& japanese)>;

// `text` in the language of `lookup` (see above).
std::string translated_text(const std::string& text, const TextLookup& lookup);

}  // namespace velmora
