#include "platform/access_keys.h"

#include <QMenu>
#include <QSet>

#include "platform/language.h"

namespace velmora::platform {
namespace {

// The caption with "&" before the first letter of a word not yet taken, or
// else before any letter not yet taken; as it is when every letter is.
QString with_access_key(const QString& caption, QSet<QChar>& taken) {
  if (caption.contains(QLatin1Char('&'))) return caption;
  int chosen = -1;
  for (int i = 0; i < caption.size() && chosen < 0; ++i) {
    const bool word_start = i == 0 || !caption[i - 1].isLetterOrNumber();
    if (word_start && caption[i].isLetter() && caption[i].unicode() < 0x80 && !taken.contains(caption[i].toLower()))
      chosen = i;
  }
  for (int i = 0; i < caption.size() && chosen < 0; ++i) {
    if (caption[i].isLetter() && caption[i].unicode() < 0x80 && !taken.contains(caption[i].toLower())) chosen = i;
  }
  if (chosen < 0) return caption;
  taken.insert(caption[chosen].toLower());
  return caption.left(chosen) + QLatin1Char('&') + caption.mid(chosen);
}

void give_keys_to(const QList<QAction*>& actions) {
  QSet<QChar> taken;
  for (QAction* action : actions) {
    if (action->isSeparator() || action->text().isEmpty()) continue;
    action->setText(with_access_key(action->text(), taken));
    if (QMenu* menu = action->menu()) give_keys_to(menu->actions());
  }
}

}  // namespace

void give_access_keys(QMenuBar& bar) {
  if (chosen_language() == Language::Japanese) return;
  give_keys_to(bar.actions());
}

}  // namespace velmora::platform
