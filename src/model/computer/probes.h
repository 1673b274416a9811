// Small board analyses the computer's evaluation asks about one square, and
// the two per-turn mark arrays (bishop-drop squares, pinned pieces).
//
// The computer is the enemy side (positive codes), the person the own side
// (negative codes). All of them read the maps of the last survey and leave
// the board as they found it.
#pragma once

#include "computer/com_analysis.h"
#include "influence/maps.h"
#include "rules/position.h"

namespace velmora {

// Squares the piece `code` could move to from (x, y) that the other side does
// not reach. The piece need not stand on (x, y).
int 調査_移動可場所数(const Position& pos, const InfluenceMaps& maps, int x, int y, int code);

// For a computer piece on (x, y) whose cheapest attacker is a person's bishop,
// horse, rook or dragon: the value of the person's pieces that a computer
// knight dropped behind it would fork along with that attacker.
int 調査_桂狙い(const Position& pos, const InfluenceMaps& maps, int x, int y);

// For a computer pawn on (x, y) attacked by a person's long piece: the value of
// the first piece below it that a computer lance dropped there would reach.
int 調査_香狙い(const Position& pos, const InfluenceMaps& maps, int x, int y);

// Whether a person's lance, rook or dragon below (x, y) in the same column
// reaches (x, y) along the column (the square itself taken as empty).
bool 調査_自守駒MAN_直進駒(Position& pos, int x, int y);

// Minus the number of neighbours of (x, y) that hold a computer piece of
// code +KAKU or more: 0 down to -8.
int 調査_周辺状況(const Position& pos, int x, int y);

// Marks the empty squares from which a person's bishop would reach the
// computer's king (com.bishop_threat_mark).
void 調査_持角狙座標(Position& pos, const InfluenceMaps& maps, ComAnalysis& com);

// Marks the person's pieces that alone screen the person's king from a
// computer lance, bishop, horse, rook or dragon (com.own_pinned), and sets
// com.enemy_pinned_any when some computer piece screens the computer's king
// in the same way.
void 調査_移動不可駒(Position& pos, const InfluenceMaps& maps, ComAnalysis& com);

}  // namespace velmora
