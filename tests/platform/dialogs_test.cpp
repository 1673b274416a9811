// The promotion dialog, the About box and message boxes of the real window.
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>

#include "platform/about_box.h"
#include "platform/promotion_dialog.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

using DialogsTest = WindowTest;

QImage button_picture(QWidget* button) { return button->grab().toImage(); }

TEST_F(DialogsTest, AClickOnAPictureChoosesItsPieceForTheSideToMove) {
  const QRect main = window->frameGeometry();
  QImage shown_queen;
  answerer->on_dialog = [&](QWidget* modal) {
    auto* dialog = qobject_cast<PromotionDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->width(), 1680 / 15);
    EXPECT_EQ(dialog->pos(), main.topLeft() + QPoint(7820 / 15, 1400 / 15));
    shown_queen = button_picture(dialog->button_of(QEEN));
    QTest::mouseClick(dialog->button_of(QEEN), Qt::LeftButton);
  };
  const int left = main.left() * 15 + 7820, top = main.top() * 15 + 1400;
  EXPECT_EQ(desktop->dialogs().promotion_dialog(Side::Own, left, top), -QEEN);
  EXPECT_EQ(differing_pixels(shown_queen, resource_picture("PROMO_QEEN_1")), 0);

  answerer->on_dialog = [](QWidget* modal) {
    QTest::mouseClick(qobject_cast<PromotionDialog*>(modal)->button_of(ROOK), Qt::LeftButton);
  };
  EXPECT_EQ(desktop->dialogs().promotion_dialog(Side::Enemy, left, top), +ROOK);
}

TEST_F(DialogsTest, ThePressedPictureStaysAMomentBeforeTheDialogCloses) {
  QImage pressed;
  QElapsedTimer clock;
  answerer->on_dialog = [&](QWidget* modal) {
    auto* dialog = qobject_cast<PromotionDialog*>(modal);
    // A look at the button while the pressed picture waits.
    QTimer::singleShot(150, [&pressed, dialog] { pressed = button_picture(dialog->button_of(KNIG)); });
    clock.start();
    QTest::mouseClick(dialog->button_of(KNIG), Qt::LeftButton);
  };
  EXPECT_EQ(desktop->dialogs().promotion_dialog(Side::Own, 0, 0), -KNIG);
  EXPECT_GE(clock.elapsed(), 290);
  EXPECT_EQ(differing_pixels(pressed, resource_picture("PROMO_NIGT_0")), 0);
  EXPECT_FALSE(QApplication::activeModalWidget());
}

TEST_F(DialogsTest, ClosingThePromotionDialogWithoutAChoiceAnswersZero) {
  answerer->on_dialog = [](QWidget* modal) { modal->close(); };
  EXPECT_EQ(desktop->dialogs().promotion_dialog(Side::Own, 0, 0), 0);
}

TEST_F(DialogsTest, TheComputersPromotionIsShownWithoutWaitingAndPressedOnRequest) {
  Dialogs& dialogs = desktop->dialogs();
  dialogs.show_promotion_display(750, 2800);
  PromotionDialog* display = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (auto* dialog = qobject_cast<PromotionDialog*>(top); dialog && dialog->isVisible()) display = dialog;
  }
  ASSERT_NE(display, nullptr);
  EXPECT_FALSE(display->isModal());
  EXPECT_EQ(display->pos(), QPoint(pixel(750), pixel(2800)));
  EXPECT_EQ(differing_pixels(button_picture(display->button_of(QEEN)), resource_picture("PROMO_QEEN_3")), 0);

  dialogs.press_promotion_display(QEEN);
  EXPECT_EQ(differing_pixels(button_picture(display->button_of(QEEN)), resource_picture("PROMO_QEEN_2")), 0);
  EXPECT_EQ(display->choice(), +QEEN);
  dialogs.close_promotion_display();
  for (QWidget* top : QApplication::topLevelWidgets()) EXPECT_FALSE(qobject_cast<PromotionDialog*>(top));
}

TEST_F(DialogsTest, TheAboutBoxOffersTheHomePageAndClosesAfterIt) {
  int home_page_opened = 0;
  desktop->dialogs().set_home_page_handler([&] { ++home_page_opened; });
  answerer->on_dialog = [&](QWidget* modal) {
    auto* box = qobject_cast<AboutBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "バージョン情報");
    EXPECT_EQ(box->size(), QSize(4995 / 15, 1530 / 15));
    EXPECT_EQ(box->home_page_button()->text(), "ホームページ");
    EXPECT_EQ(box->home_page_button()->geometry(), QRect(40, 72, 105, 25));
    EXPECT_EQ(box->ok_button()->text(), "O K");
    EXPECT_EQ(box->ok_button()->geometry(), QRect(192, 72, 105, 25));
    box->home_page_button()->click();
  };
  desktop->dialogs().about_box();
  EXPECT_EQ(home_page_opened, 1);
  EXPECT_FALSE(QApplication::activeModalWidget());

  answerer->on_dialog = [&](QWidget* modal) { qobject_cast<AboutBox*>(modal)->ok_button()->click(); };
  choose(MenuItem::VER);
  EXPECT_EQ(home_page_opened, 1);
}

TEST_F(DialogsTest, MessageBoxesCarryTheGamesWordsAndAnswerYesOrNo) {
  Dialogs& dialogs = desktop->dialogs();
  EXPECT_EQ(dialogs.message_box("続けますか？", "再ゲーム", Buttons::YesNo, Icon::None), Answer::Yes);
  answerer->yes_answers.push_back(false);
  EXPECT_EQ(dialogs.message_box("続けますか？", "再ゲーム", Buttons::YesNo, Icon::None), Answer::No);
  EXPECT_EQ(dialogs.message_box("反転後ではできません\r\r局面→最初にして下さい", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定", Buttons::Ok,
                                Icon::Exclamation),
            Answer::Ok);
  ASSERT_EQ(answerer->boxes.size(), 3u);
  EXPECT_EQ(answerer->boxes[0].title, "再ゲーム");
  EXPECT_EQ(answerer->boxes[0].buttons.size(), 2u);
  for (const std::string& caption : answerer->boxes[0].buttons)
    EXPECT_TRUE(caption == "はい(&Y)" || caption == "いいえ(&N)") << caption;
  EXPECT_EQ(answerer->boxes[2].text, "反転後ではできません\n\n局面→最初にして下さい");
  EXPECT_EQ(answerer->boxes[2].title, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
}

TEST_F(DialogsTest, ABoxWithoutATitleOfItsOwnTakesTheWindows) {
  for (const char* title : {"", " "}) desktop->dialogs().message_box("MANの番です", title, Buttons::Ok, Icon::None);
  ASSERT_EQ(answerer->boxes.size(), 2u);
  for (const auto& box : answerer->boxes) EXPECT_EQ(box.title, "Velmora");
}

TEST_F(DialogsTest, AQuestionIsAnsweredWithItsButtonsOnly) {
  answerer->on_box = [](QMessageBox* box) {
    EXPECT_FALSE(box->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QTest::keyClick(box, Qt::Key_Escape);
    box->close();
    EXPECT_TRUE(box->isVisible()) << "neither Esc nor closing answers";
  };
  EXPECT_EQ(desktop->dialogs().message_box("続けますか？", "再ゲーム", Buttons::YesNo, Icon::None), Answer::Yes);
  ASSERT_EQ(answerer->boxes.size(), 1u);
}

TEST_F(DialogsTest, AMessageBoxLeavesRoomForItsWholeTitle) {
  int box_width = 0, title_width = 0;
  answerer->on_box = [&](QMessageBox* box) {
    QFont bold = box->font();
    bold.setBold(true);
    box_width = box->width();
    title_width = QFontMetrics(bold).horizontalAdvance(box->windowTitle());
  };
  desktop->dialogs().message_box("OK", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定", Buttons::Ok, Icon::None);
  EXPECT_GE(box_width, title_width + 4 * 24) << "the title beside a title bar's icon and three buttons";
}

}  // namespace
}  // namespace velmora::platform::testing
