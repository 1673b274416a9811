#include "platform/help_window.h"

#include <QDialogButtonBox>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/keyboard.h"
#include "platform/language.h"

namespace velmora::platform {
namespace {

// The mouse, as the board takes it.
QList<HelpRow> mouse_help() {
  const QList<HelpRow> rows = {
      {shown(QT_TRID_NOOP("左クリック")), shown(QT_TRID_NOOP("駒（盤上の駒か持駒）を選び、行き先を左クリックで指す"))},
      {shown(QT_TRID_NOOP("右クリック")),
       shown(QT_TRID_NOOP("行き先を右クリックすると成って指す（ﾁｪｽのﾎﾟｰﾝは成る駒を選ぶ）"))},
  };
  return rows;
}

// The move field's syntax, by example.
QList<HelpRow> typed_move_help() {
  const QList<HelpRow> rows = {
      {QStringLiteral("8786  8七8六  8g8f"),
       shown(QT_TRID_NOOP("筋・段・筋・段：8七の駒を8六へ（段は数字、漢数字、英字のどれでも）"))},
      {QStringLiteral("2423+  2d2c+"), shown(QT_TRID_NOOP("終わりの＋で成る（ﾎﾟｰﾝは成る駒を選ぶ）"))},
      {QStringLiteral("P*55  歩*5五  P*5e"), shown(QT_TRID_NOOP("持駒を打つ：駒の英字か名前、＊、打つ桝"))},
  };
  return rows;
}

// What the commands on the bar do; a menu tells its items instead.
QString command_help(const QString& name) {
  if (name == QLatin1String("REPLAY")) return shown(QT_TRID_NOOP("一手戻る"));
  if (name == QLatin1String("AFTER")) return shown(QT_TRID_NOOP("一手進む"));
  if (name == QLatin1String("LBEL_UP")) return shown(QT_TRID_NOOP("対局の前に、上の軍の駒を減らす（ﾊﾝﾃﾞｨｷｬｯﾌﾟ）"));
  if (name == QLatin1String("LEBEL_DOWN")) return shown(QT_TRID_NOOP("対局の前に、下の軍の駒を減らす（ﾊﾝﾃﾞｨｷｬｯﾌﾟ）"));
  if (name == QLatin1String("VER")) return shown(QT_TRID_NOOP("版とホームページ"));
  return QString();
}

// An action's caption as the menu shows it, without the mark of its access key.
QString caption_of(const QAction& action) {
  QString caption = action.text();
  return caption.remove(QLatin1Char('&'));
}

// The captions without the dots of the items that open a dialog, a few to a
// line.
QString items_of(const QMenu& menu) {
  constexpr int ITEMS_A_LINE = 5;
  QString items;
  int count = 0;
  for (const QAction* item : menu.actions()) {
    QString caption = caption_of(*item);
    if (caption.endsWith(QStringLiteral("..."))) caption.chop(3);
    if (item->isSeparator() || caption.isEmpty()) continue;
    if (count > 0) items += count % ITEMS_A_LINE == 0 ? QStringLiteral("・\n") : QStringLiteral("・");
    items += caption;
    ++count;
  }
  return items;
}

QString section(const QString& heading, const QList<HelpRow>& rows) {
  QString html = QStringLiteral("<h3>%1</h3><table cellspacing=\"2\">").arg(heading.toHtmlEscaped());
  for (const HelpRow& row : rows)
    html +=
        QStringLiteral("<tr><td valign=\"top\"><b>%1</b>&nbsp;&nbsp;</td><td>%2</td></tr>")
            .arg(row.what.toHtmlEscaped(), row.does.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
  return html + QStringLiteral("</table>");
}

}  // namespace

QString key_text(const QKeySequence& keys) {
  if (keys == QKeySequence(Qt::Key_Left)) return QStringLiteral("←");
  if (keys == QKeySequence(Qt::Key_Right)) return QStringLiteral("→");
  return keys.toString(QKeySequence::PortableText);
}

QList<HelpRow> key_help(const MainWindow& window, const QMenu& view_menu) {
  QList<HelpRow> rows;
  for (const MenuKey& key : arrow_keys())
    rows.append({key_text(key.keys), caption_of(*window.action(key.item)) + shown(QT_TRID_NOOP("（盤か棋譜一覧で）"))});
  rows.append({QStringLiteral("F10"), shown(QT_TRID_NOOP("メニューを開く（矢印で選ぶ）"))});
  rows.append({QStringLiteral("T"), shown(QT_TRID_NOOP("両軍の時間を読み上げる（盤で）"))});
  for (const MenuKey& key : menu_keys()) rows.append({key_text(key.keys), caption_of(*window.action(key.item))});
  for (const StepKey& key : step_keys()) rows.append({key_text(key.keys), shown(key.does)});
  for (const QAction* action : view_menu.actions())
    if (!action->shortcut().isEmpty()) rows.append({key_text(action->shortcut()), caption_of(*action)});
  rows.append({QStringLiteral("Esc"), shown(QT_TRID_NOOP("終わり（対局中でも、すぐに終わる）"))});
  return rows;
}

QList<HelpRow> menu_help(const MainWindow& window) {
  QList<HelpRow> rows;
  for (const QAction* action : window.menuBar()->actions()) {
    const QString does = action->menu() ? items_of(*action->menu()) : command_help(action->objectName());
    rows.append({caption_of(*action), does.isEmpty() ? caption_of(*action) : does});
  }
  return rows;
}

HelpWindow::HelpWindow(MainWindow& window, const QMenu& view_menu)
    : QDialog(&window, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), text_(new QLabel(this)) {
  set_shown_text(this, QT_TRID_NOOP("操作説明"));
  setObjectName(QStringLiteral("HELP_WINDOW"));
  setAttribute(Qt::WA_WindowPropagation);  // the main window's font, grown with its zoom
  text_->setTextFormat(Qt::RichText);
  text_->setText(section(shown(QT_TRID_NOOP("マウス")), mouse_help()) +
                 section(shown(QT_TRID_NOOP("キー")), key_help(window, view_menu)) +
                 section(shown(QT_TRID_NOOP("指し手の入力")), typed_move_help()) +
                 section(shown(QT_TRID_NOOP("メニュー")), menu_help(window)));
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(shown(QT_TRID_NOOP("閉じる")), QDialogButtonBox::RejectRole);
  close->setDefault(true);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(buttons);
}

}  // namespace velmora::platform
