#include "platform/message_box.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace velmora::platform {

Answer show_message_box(QWidget* parent, const std::string& text, const std::string& title, Buttons buttons,
                        Icon icon) {
  QMessageBox box(parent);
  box.setAttribute(Qt::WA_WindowPropagation);  // the font of the window, grown with its zoom
  // Line breaks may come as carriage returns alone.
  QString lines = QString::fromStdString(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  box.setTextFormat(Qt::PlainText);
  box.setText(lines);
  // An empty title would make the window system show the program's name instead;
  // a blank keeps the title bar as empty as the game asks.
  box.setWindowTitle(title.empty() ? QStringLiteral(" ") : QString::fromStdString(title));
  box.setIcon(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
  if (buttons == Buttons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    // The game speaks Japanese throughout, its answer buttons included.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return Answer::Ok;
}

}  // namespace velmora::platform
