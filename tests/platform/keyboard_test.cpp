// The game by keyboard alone: the arrows step the match only from the board,
// never from a menu; F10 opens the menu bar; the promotion dialog is answered
// by keys. The English move field is tried with the English window.
#include <QApplication>
#include <QMenu>
#include <QTest>

#include "platform/promotion_dialog.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

using KeyboardTest = WindowTest;

// Before a match ← answers with a box: a box seen means the arrow stepped.
TEST_F(KeyboardTest, TheArrowsStepOnlyFromTheBoardAndNeverWhileAMenuIsWalked) {
  QTest::keyClick(window, Qt::Key_F10);
  QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(open, nullptr) << "F10 opened no menu";
  EXPECT_EQ(open->menuAction(), window->action(MenuItem::TAIKYOKU));
  for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right}) {
    if (QWidget* popup = QApplication::activePopupWidget()) QTest::keyClick(popup, key);
    QApplication::processEvents();
  }
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  EXPECT_TRUE(answerer->boxes.empty()) << answerer->boxes.front().text;

  window->canvas().setFocus();
  QTest::keyClick(&window->canvas(), Qt::Key_Left);
  EXPECT_EQ(answerer->boxes.size(), 1u);
}

TEST_F(KeyboardTest, ThePromotionDialogIsAnsweredByKeysFromTheQueen) {
  const struct {
    std::vector<Qt::Key> keys;
    int chosen;
  } rows[] = {
      {{Qt::Key_Return}, -QEEN},
      {{Qt::Key_Up, Qt::Key_Up, Qt::Key_Space}, -KNIG},
      {{Qt::Key_Tab, Qt::Key_Enter}, -KING},
  };
  for (const auto& row : rows) {
    answerer->on_dialog = [&](QWidget* modal) {
      auto* dialog = qobject_cast<PromotionDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->focusWidget(), dialog->button_of(QEEN));
      EXPECT_EQ(dialog->button_of(KNIG)->accessibleName(), QString::fromUtf8(PIECE_KINDS[KNIG].record_name));
      for (const Qt::Key key : row.keys) QTest::keyClick(dialog->focusWidget(), key);
    };
    EXPECT_EQ(desktop->dialogs().promotion_dialog(Side::Own, 0, 0), row.chosen);
  }
}

}  // namespace
}  // namespace velmora::platform::testing
