// Two evaluation terms that look beyond the candidate square: the danger scan
// of the whole board and the bishop-fork caution.
#pragma once

#include "computer/com_analysis.h"
#include "computer/score_sheet.h"
#include "influence/maps.h"
#include "rules/position.h"

namespace velmora {

// Walks every square after the candidate (code now on (dx, dy)) and scores the
// dangers to the computer's side and a few chances against the person's.
Tenths 盤評価_COM危険座標(Position& pos, const InfluenceMaps& maps, const ComAnalysis& com, int code, int dx, int dy,
                          EvalTrace* trace = nullptr);

// `code` when a person's bishop could fork the candidate on (dx, dy) together
// with the computer's king from the first marked bishop square on a clear
// diagonal with it, and could get there; else 0.
int 盤評価_自角注意_COM(const Position& pos, const ComAnalysis& com, int dx, int dy, int code);

}  // namespace velmora
