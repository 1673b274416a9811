// Which move of the rules leads from one position of a record to the next:
// a record keeps only the positions, never the moves between them.
#pragma once

#include <optional>

#include "engine/search_position.h"
#include "rules/position.h"

namespace velmora {

// Whether the board and both hands of `p` are those of `slot`.
bool same_position(const PositionSetup& p, const HistorySlot& slot);

// The move of the side to move of `p` that leads to `after`, among every move
// the rules allow a person: the engine's own moves, a promotion the person
// declined, and a chess pawn promoted to a rook, a bishop or a knight (the
// promotion dialog's other choices). None when no such move leads there.
std::optional<SearchMove> find_played(SearchPosition& p, const HistorySlot& after);

}  // namespace velmora
