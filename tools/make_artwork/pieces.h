#pragma once

#include <QPointF>
#include <QString>

#include "fonts.h"

class QPainter;

namespace artwork {

// The lower side faces up the screen; the upper side's pieces are drawn turned by 180 degrees.
enum class Side { Lower, Upper };

// A pentagonal shogi tile pointing away from its owner, with the kanji of its kind: white with
// black ink for the lower side, yellow for the upper side, red ink for promoted kinds.
void drawShogiTile(QPainter& painter, const Fonts& fonts, QPointF centre, double height, const QString& kanji,
                   bool promoted, Side side);

// A round janggi disc with the character of its kind: pink with white characters for the lower
// side, black with blue characters for the upper side.
void drawJanggiDisc(QPainter& painter, const Fonts& fonts, QPointF centre, double diameter, const QString& character,
                    Side side);

}  // namespace artwork
