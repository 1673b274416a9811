// The computer's score of one candidate move.
#pragma once

#include "computer/com_analysis.h"
#include "computer/score_sheet.h"
#include "influence/maps.h"
#include "rules/position.h"

namespace velmora {

// Scores the candidate already placed on the board and surveyed: `captured`
// is what stood on the destination (EMPTY for a drop), `code` the code now
// there (after promotion), (sx, sy) the source square or, for a drop, the
// enemy hand column and the hand index, (dx, dy) the destination. Reads the
// per-turn state in com. With `trace`, every term that fired is listed.
Tenths 盤評価(Position& pos, const InfluenceMaps& maps, const ComAnalysis& com, int captured, int code, int sx, int sy,
              int dx, int dy, EvalTrace* trace = nullptr);

}  // namespace velmora
