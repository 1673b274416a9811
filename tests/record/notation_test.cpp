#include "notation/notation.h"

#include <gtest/gtest.h>

#include "rules/pieces.h"
#include "view/twips.h"

namespace velmora {
namespace {

TEST(Notation, SquaresAreNamedFromTheRightAndTheTop) {
  EXPECT_EQ(文字列変換(110 - 1), "９");
  EXPECT_EQ(文字列変換(110 + 1), "一");
  EXPECT_EQ(文字列変換(110 - 9), "１");
  EXPECT_EQ(文字列変換(110 + 9), "九");
}

TEST(Notation, BothSignsPrintTheSameName) {
  EXPECT_EQ(文字列変換(-23), "飛成");
  EXPECT_EQ(文字列変換(23), "飛成");
  EXPECT_EQ(文字列変換(-1), "歩");
  EXPECT_EQ(文字列変換(2), "と");
  EXPECT_EQ(文字列変換(-BISH), "ﾋﾞｼｮｯﾌﾟ");
  EXPECT_EQ(文字列変換(QEEN), "ｸｲｰﾝ");
  EXPECT_EQ(文字列変換(-SYOU), "将");
  EXPECT_EQ(文字列変換(OU), "王");
  EXPECT_EQ(文字列変換(HEISI), "卒");
}

TEST(Notation, AnythingElseIsEmpty) {
  for (int v : {0, 100, 110, 120, 28, -28, 110 + 10}) EXPECT_EQ(文字列変換(v), "") << v;
}

TEST(Notation, RecordTextsStayCentred) {
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標(""), 2700 + 495 * 5.6);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("1234567890123"), 4185);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("12345678"), 4680);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("12345678901234567890123"), 3195);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("先手の名前です"), 取得_棋譜のX座標("1234567"));  // characters, not bytes
}

}  // namespace
}  // namespace velmora
