#include "platform/message_box.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSpacerItem>

#include "platform/language.h"

namespace velmora::platform {

// Room beside the title in the window manager's title bar: the window's icon
// and its buttons.
constexpr int TITLE_BAR_ROOM = 120;

int whole_title_width(const QWidget& window) {
  // Window frames write the title in bold.
  QFont title_font = window.font();
  title_font.setBold(true);
  return QFontMetrics(title_font).horizontalAdvance(window.windowTitle()) + TITLE_BAR_ROOM;
}

namespace {

// A message box of the game. A question (Yes/No) is answered with one of its
// buttons only: it has no close button, and neither Esc nor a request to
// close it answers in the person's place.
class GameMessageBox : public QMessageBox {
 public:
  GameMessageBox(QWidget* parent, bool question) : QMessageBox(parent), question_(question) {
    if (question_) setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!(question_ && event->matches(QKeySequence::Cancel))) QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override {
    if (question_) return event->ignore();
    QMessageBox::closeEvent(event);
  }

 private:
  bool question_;
};

// The window manager shortens a title wider than its title bar: the box is
// made at least as wide as the whole title needs.
void make_room_for_title(QMessageBox& box) {
  const int width = whole_title_width(box);
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
  }
}

Answer ask(QMessageBox& box) {
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  // The answer buttons speak the window's language, as the rest of the game does.
  set_shown_text(box.button(QMessageBox::Yes), QT_TRID_NOOP("はい(&Y)"));
  set_shown_text(box.button(QMessageBox::No), QT_TRID_NOOP("いいえ(&N)"));
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

// A box the game gives no title (or a blank one) takes the window's, so that
// a screen reader names every box.
QString box_title(const QWidget* parent, const std::string& title) {
  const QString given = shown(title).trimmed();
  if (!given.isEmpty()) return given;
  const QString window = parent != nullptr ? parent->window()->windowTitle().trimmed() : QString();
  return window.isEmpty() ? QStringLiteral("Velmora") : window;
}

}  // namespace

Answer show_message_box(QWidget* parent, const std::string& text, const std::string& title, Buttons buttons,
                        Icon icon) {
  GameMessageBox box(parent, buttons == Buttons::YesNo);
  box.setAttribute(Qt::WA_WindowPropagation);  // the font of the window, grown with its zoom
  // Line breaks may come as carriage returns alone.
  QString lines = shown(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  box.setTextFormat(Qt::PlainText);
  box.setText(lines);
  box.setWindowTitle(box_title(parent, title));
  box.setIcon(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
  make_room_for_title(box);
  if (buttons == Buttons::YesNo) return ask(box);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return Answer::Ok;
}

}  // namespace velmora::platform
