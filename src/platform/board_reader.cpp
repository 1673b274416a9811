#include "platform/board_reader.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "platform/canvas.h"
#include "platform/language.h"
#include "view/board_words.h"

namespace velmora::platform {
namespace {

QAccessibleInterface* board_interface(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String(Canvas::staticMetaObject.className()) || !object->isWidgetType()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Canvas);
}

void set_name(QWidget& board, const QString& name) {
  if (board.accessibleName() != name) board.setAccessibleName(name);
}

}  // namespace

void install_board_reader() {
  static const bool installed = (QAccessible::installFactory(board_interface), true);
  (void)installed;
}

void tell_board(QWidget& board, const Game& g) {
  const QString description = shown(board_description(g));
  if (board.accessibleDescription() == description && !board.accessibleName().isEmpty()) return;
  set_name(board, shown(BOARD_NAME));
  // Qt tells the reader of the new description itself.
  board.setAccessibleDescription(description);
}

void tell_clocks(QWidget& board, const Game& g) {
  QStringList parts{shown(BOARD_NAME)};
  parts += shown(clock_words(g)).split(QLatin1Char('\n'));
  set_name(board, parts.join(shown(QT_TRID_NOOP("、"))));
}

}  // namespace velmora::platform
