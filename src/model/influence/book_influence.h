// The booking routines of the influence survey: the long-range pieces and the
// gold-moving kinds. Each books the squares one piece reaches into maps and
// leaves everything else alone; 勢力調査 resets the maps and calls them.
#pragma once

#include "influence/maps.h"
#include "rules/position.h"

namespace velmora {

// One straight line from (x, y), in the board's directions: up towards row 1,
// down towards row 9, right towards column 9, left towards column 1. A
// negative code books an own piece, any other an enemy piece.
void 勢力確定上直進(const Position& pos, InfluenceMaps& maps, int code, int x, int y);
void 勢力確定下直進(const Position& pos, InfluenceMaps& maps, int code, int x, int y);
void 勢力確定右直進(const Position& pos, InfluenceMaps& maps, int code, int x, int y);
void 勢力確定左直進(const Position& pos, InfluenceMaps& maps, int code, int x, int y);

// The four diagonals of a bishop on (x, y).
void 勢力確定自ビショ(const Position& pos, InfluenceMaps& maps, int x, int y);  // own chess bishop, booked as -BISH
void 勢力確定自角(const Position& pos, InfluenceMaps& maps, int x, int y);      // own KAKU or KAKU_N, booked as -KAKU
void 勢力確定敵ビショ(const Position& pos, InfluenceMaps& maps, int code, int x, int y);  // enemy chess bishop
void 勢力確定敵角(const Position& pos, InfluenceMaps& maps, int code, int x, int y);      // enemy KAKU or KAKU_N

// The six one-step moves of a gold-moving piece on (x, y).
void 勢力確定自金(const Position& pos, InfluenceMaps& maps, int code, int x,
                  int y);                                                   // booked with the piece's own code
void 勢力確定敵金(const Position& pos, InfluenceMaps& maps, int x, int y);  // booked as +KIN whatever the kind

// The diagonal half of a queen on (x, y); the straight half is four lines.
void 勢力確定自クイーン(const Position& pos, InfluenceMaps& maps, int x, int y);
void 勢力確定敵クイーン(const Position& pos, InfluenceMaps& maps, int x, int y);

}  // namespace velmora
