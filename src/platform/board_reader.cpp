#include "platform/board_reader.h"

#include <QAccessible>

#include "platform/language.h"
#include "view/board_words.h"

namespace velmora::platform {

void tell_board(QWidget& board, const Game& g) {
  const QString name = shown(BOARD_NAME);
  if (board.accessibleName() != name) board.setAccessibleName(name);
  const QString description = shown(board_description(g));
  if (board.accessibleDescription() == description) return;
  board.setAccessibleDescription(description);
  QAccessibleEvent changed(&board, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&changed);
}

}  // namespace velmora::platform
