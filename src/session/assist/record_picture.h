// A position of a game record set up for its picture, in a game that has no
// window (velmora --picture).
#pragma once

#include "game/game.h"
#include "notation/record_format.h"
#include "review/record_start.h"

namespace velmora {

// Opens `g` without a window and shows the position after move `n` of the
// record played from `start` (0: its start; the record has at least n
// moves) as loading it and stepping there with "進" would, turned round when
// `flipped`.
void show_record_position(Game& g, const Record& record, const RecordStart& start, int n, bool flipped);

}  // namespace velmora
