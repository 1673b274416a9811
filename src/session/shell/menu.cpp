// The menu bar of the main window and the check marks of its items.
#include "shell/menu.h"

#include <array>

#include "text/shown.h"

namespace velmora {
namespace {

using M = MenuItem;

constexpr std::array kMenu{
    MenuEntry{M::TAIKYOKU, "TAIKYOKU", SHOWN("対局"), M::NONE, false},
    MenuEntry{M::MATCH_MAN, "MATCH_MAN", SHOWN("対局(人間)"), M::TAIKYOKU, false},
    MenuEntry{M::START2, "START2", SHOWN("対局(COM)"), M::TAIKYOKU, false},
    MenuEntry{M::LEVEL, "LEVEL", SHOWN("COM対局ﾚﾍﾞﾙ"), M::TAIKYOKU, false},
    MenuEntry{M::LEVEL1, "LEVEL1", "LEVEL1", M::LEVEL, true},
    MenuEntry{M::LEVEL2, "LEVEL2", "LEVEL2", M::LEVEL, true},
    MenuEntry{M::LEVEL3, "LEVEL3", "LEVEL3", M::LEVEL, true},
    MenuEntry{M::LEVEL4, "LEVEL4", "LEVEL4", M::LEVEL, true},
    MenuEntry{M::OWARI, "OWARI", SHOWN("終わり"), M::TAIKYOKU, false},
    MenuEntry{M::STOP, "STOP", SHOWN("局面"), M::NONE, false},
    MenuEntry{M::CANCEL, "CANCEL", SHOWN("最初"), M::STOP, false},
    MenuEntry{M::REVERSE, "REVERSE", SHOWN("反転"), M::STOP, false},
    MenuEntry{M::REPLAY, "REPLAY", SHOWN("戻"), M::NONE, false},
    MenuEntry{M::AFTER, "AFTER", SHOWN("進"), M::NONE, false},
    MenuEntry{M::LBEL_UP, "LBEL_UP", "△", M::NONE, false},
    MenuEntry{M::LEBEL_DOWN, "LEBEL_DOWN", "▽", M::NONE, false},
    MenuEntry{M::KIFU, "KIFU", SHOWN("棋譜"), M::NONE, false},
    MenuEntry{M::KIFU_READ, "KIFU_READ", SHOWN("読込"), M::KIFU, false},
    MenuEntry{M::KIFU_WRITE, "KIFU_WRITE", SHOWN("書込"), M::KIFU, false},
    MenuEntry{M::OPTION, "OPTION", SHOWN("ｵﾌﾟｼｮﾝ"), M::NONE, false},
    MenuEntry{M::HAIKEI_GA, "HAIKEI_GA", SHOWN("背景画"), M::OPTION, false},
    MenuEntry{M::MIDORI, "MIDORI", SHOWN("緑"), M::HAIKEI_GA, true},
    MenuEntry{M::TATAMI, "TATAMI", SHOWN("畳"), M::HAIKEI_GA, true},
    MenuEntry{M::TAKE, "TAKE", SHOWN("竹"), M::HAIKEI_GA, true},
    MenuEntry{M::UCHU, "UCHU", SHOWN("宇宙"), M::HAIKEI_GA, true},
    MenuEntry{M::RENGA, "RENGA", SHOWN("煉瓦"), M::HAIKEI_GA, true},
    MenuEntry{M::SIDOU, "SIDOU", SHOWN("移動指導"), M::OPTION, true},
    MenuEntry{M::KEIKA, "KEIKA", SHOWN("経過時間"), M::OPTION, true},
    MenuEntry{M::CHESS_MOCHIKOMA, "CHESS_MOCHIKOMA", SHOWN("ﾁｪｽ側持駒OK"), M::OPTION, true},
    MenuEntry{M::BGM, "BGM", "BGM", M::OPTION, true},
    MenuEntry{M::SYUSEN, "SYUSEN", SHOWN("主戦"), M::OPTION, false},
    MenuEntry{M::NIPPON, "NIPPON", SHOWN("日本"), M::SYUSEN, true},
    MenuEntry{M::KANKOKU, "KANKOKU", SHOWN("韓国"), M::SYUSEN, true},
    MenuEntry{M::VER, "VER", SHOWN("バージョン情報"), M::NONE, false},
};

}  // namespace

std::span<const MenuEntry> menu_entries() { return kMenu; }

bool menu_checked(const Game& g, MenuItem item) {
  const MenuChecks& m = g.menu;
  switch (item) {
    case M::LEVEL1: return m.LEVEL1;
    case M::LEVEL2: return m.LEVEL2;
    case M::LEVEL3: return m.LEVEL3;
    case M::LEVEL4: return m.LEVEL4 && g.com.ladder_rung == 0;  // not while a rung beside it plays
    case M::MIDORI: return m.MIDORI;
    case M::TATAMI: return m.TATAMI;
    case M::TAKE: return m.TAKE;
    case M::UCHU: return m.UCHU;
    case M::RENGA: return m.RENGA;
    case M::SIDOU: return m.SIDOU;
    case M::KEIKA: return m.KEIKA;
    case M::CHESS_MOCHIKOMA: return m.CHESS_MOCHIKOMA;
    case M::BGM: return m.BGM;
    case M::NIPPON: return m.NIPPON;
    case M::KANKOKU: return m.KANKOKU;
    default: return false;
  }
}

}  // namespace velmora
