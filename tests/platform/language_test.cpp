// The English window: every text the program can show has a finished entry
// in the catalogue, texts made of parts are put into English part by part,
// and the choice under 表示 → 言語 changes the window at once and is kept in
// velmora-view.ini, never in Velmora.ini.
#include "platform/language.h"

#include <QAccessible>
#include <QDirIterator>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>
#include <map>

#include "platform/message_box.h"
#include "platform/move_field.h"
#include "platform/promotion_dialog.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

const QString SOURCE_ROOT = QStringLiteral(VELMORA_TEST_DATA "/../..");

// The catalogue's finished translations by id; an unfinished one is left out.
std::map<QString, QString> finished_translations() {
  QFile file(SOURCE_ROOT + QStringLiteral("/translations/velmora_en.ts"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  std::map<QString, QString> finished;
  QXmlStreamReader xml(&file);
  QString id;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("message")) id = xml.attributes().value(QLatin1String("id")).toString();
    if (xml.name() == QLatin1String("translation") && !xml.attributes().hasAttribute(QLatin1String("type"))) {
      // A text with forms for one and for many holds them as child elements.
      const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
      if (!text.isEmpty()) finished[id] = text;
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return finished;
}

// Every text marked in the sources as one the window can show.
QStringList marked_texts() {
  static const QRegularExpression mark(QStringLiteral(R"re(\b(?:SHOWN|QT_TRID_NOOP)\("((?:[^"\\]|\\.)*)"\))re"));
  QStringList texts;
  QDirIterator files(SOURCE_ROOT + QStringLiteral("/src"), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                     QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    QFile file(files.next());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QString source = QString::fromUtf8(file.readAll());
    for (const QRegularExpressionMatch& found : mark.globalMatch(source)) {
      QString text = found.captured(1);
      if (text != QLatin1String("text")) texts << text.replace(QStringLiteral("\\\""), QStringLiteral("\""));
    }
  }
  return texts;
}

TEST(Catalogue, EveryMarkedTextHasAFinishedEnglishEntry) {
  const std::map<QString, QString> finished = finished_translations();
  const QStringList texts = marked_texts();
  EXPECT_GT(texts.size(), 150) << "the marks were not found";
  for (const QString& text : texts) EXPECT_TRUE(finished.contains(text)) << text.toStdString();
}

TEST_F(EnglishTest, TextsMadeOfPartsAreEnglishPartByPart) {
  const std::pair<std::string, std::string> rows[] = {
      {"  1 ７六 歩", "  1 7f Pawn (fu)"},
      {"ｺﾝﾋﾟｭｰﾀの勝ちです", "Computer won"},
      {"棋譜ﾌｧｲﾙが壊れています（12行目）\n読めない所は空きとして読み込みました",
       "The record file is damaged (line 12)\nWhat could not be read was loaded as empty"},
      {"対局を保存できません\n/tmp/a b/対局\nNo space", "Cannot save the match\n/tmp/a b/対局\nNo space"},
      {"先手：八一", "First: 八一"},  // a name stays whole, even one of numerals
      {"Velmora 棋譜\n  1 ７六 歩\n結果：あなたの勝ち", "Velmora record\n  1 7f Pawn (fu)\nResult: You won"},
      {"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級", "Handicap: 1 kyu"},
  };
  for (const auto& [japanese, english] : rows) EXPECT_EQ(shown_utf8(japanese), english);
}

TEST_F(EnglishTest, TheMoveCountSaysMoveForOneAndMovesForMore) {
  EXPECT_EQ(shown_counted_utf8("手目", 1), "move played");
  EXPECT_EQ(shown_counted_utf8("手目", 0), "moves played");
  EXPECT_EQ(shown_counted_utf8("手目", 19), "moves played");
  choose_language(Language::Japanese);
  EXPECT_EQ(shown_counted_utf8("手目", 1), "手目");
}

TEST_F(EnglishTest, TheChoiceChangesTheWindowAtOnceAndIsKeptApartFromTheSettings) {
  QAction* match = window->action(MenuItem::TAIKYOKU);
  EXPECT_EQ(match->text(), QStringLiteral("&Match"));  // with its access key, Alt+M
  QFile settings(folder.filePath(QStringLiteral("Velmora.ini")));
  ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
  const QByteArray settings_before = settings.readAll();
  settings.close();

  QAction* japanese = window->findChild<QAction*>(QStringLiteral("LANGUAGE_JA"));
  ASSERT_NE(japanese, nullptr);
  japanese->trigger();
  EXPECT_EQ(match->text(), QStringLiteral("対局"));
  EXPECT_EQ(desktop->view_menu().menu().title(), QStringLiteral("表示"));
  EXPECT_EQ(game->assist.language, "ja");
  window->findChild<QAction*>(QStringLiteral("LANGUAGE_EN"))->trigger();
  EXPECT_EQ(match->text(), QStringLiteral("&Match"));
  EXPECT_EQ(desktop->window().record_panel().label(0)->text(), QStringLiteral("File name:"));

  QFile view(folder.filePath(QStringLiteral("velmora-view.ini")));
  ASSERT_TRUE(view.open(QIODevice::ReadOnly));
  EXPECT_TRUE(view.readAll().contains("language=en\n"));
  ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
  EXPECT_EQ(settings.readAll(), settings_before);
}

// A screen reader finds the board by its name and hears whose move it is by
// the army's name, the last move, every piece on its square and the hands, in
// the window's language.
TEST_F(EnglishTest, TheBoardTellsAScreenReaderThePosition) {
  choose(MenuItem::MATCH_MAN);
  click_cell(4, 7);
  click_cell(4, 6);
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&window->canvas());
  ASSERT_NE(board, nullptr);
  EXPECT_EQ(board->text(QAccessible::Name), QStringLiteral("Board"));
  const QStringList english = board->text(QAccessible::Description).split(QLatin1Char('\n'));
  EXPECT_EQ(english.mid(0, 2), (QStringList{"Chess army to move", "Last move: 6f Pawn (fu)"}));
  EXPECT_TRUE(english.contains("6f Pawn (fu), main army"));
  EXPECT_TRUE(english.contains("4a King, chess army"));
  EXPECT_EQ(english.size(), 2 + 36 + 2);  // both line-ups whole, and the two hands
  EXPECT_EQ(english.back(), "Chess army in hand: nothing");
  window->findChild<QAction*>(QStringLiteral("LANGUAGE_JA"))->trigger();
  EXPECT_TRUE(
      board->text(QAccessible::Description).startsWith(QStringLiteral("チェス軍の番です\n最後の手：６六 歩\n")));
}

// The English field takes the English board's labels and its note tells why
// a move is refused; a played move clears it.
TEST_F(EnglishTest, TheFieldExplainsARefusalAndTakesTheEnglishLabels) {
  choose(MenuItem::MATCH_MAN);
  window->findChild<QAction*>(QStringLiteral("TYPE_MOVE"))->trigger();
  auto* field = window->findChild<MoveField*>();
  ASSERT_NE(field, nullptr);
  const auto enter = [&](const char* text) {
    field->line().setText(QString::fromUtf8(text));
    QTest::keyClick(&field->line(), Qt::Key_Return);
  };
  enter("5e5d");
  EXPECT_EQ(field->note().text(), QStringLiteral("There is no piece on 5e"));
  EXPECT_EQ(field->line().text(), QStringLiteral("5e5d"));
  enter("8g8f");
  EXPECT_EQ(field->note().text(), QString());
  EXPECT_EQ(field->line().text(), QString());
  EXPECT_EQ(game->pos.move_number, 1);
  window->findChild<QAction*>(QStringLiteral("LANGUAGE_JA"))->trigger();
  EXPECT_EQ(field->line().accessibleName(), QStringLiteral("指し手")) << "the open field follows the language";
}

// The English title is longer than the Japanese: the dialog widens to show
// it, and the choices stay where they stand against its middle.
TEST_F(EnglishTest, ThePromotionDialogIsWideEnoughForItsTitle) {
  PromotionDialog dialog(Side::Own, TwipScale{1.0}, window);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Promotion"));
  EXPECT_GT(dialog.width(), 1680 / 15);
  EXPECT_GE(dialog.width(), whole_title_width(dialog));
  const QRect queen = dialog.button_of(QEEN)->geometry();
  const int japanese_width = 1680 / 15, japanese_left = 690 / 15;
  EXPECT_NEAR(queen.center().x() - dialog.width() / 2.0, japanese_left + queen.width() / 2.0 - japanese_width / 2.0, 1);
}

}  // namespace
}  // namespace velmora::platform::testing
