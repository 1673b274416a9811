#include "engine/engine_terms.h"

namespace velmora {

const char* engine_term_name(EngineTerm term) {
  switch (term) {
    case EngineTerm::PieceValue: return "piece values";
    case EngineTerm::HandPiece: return "pieces in hand";
    case EngineTerm::HuAdvance: return "pawn advance";
    case EngineTerm::HeisiAdvance: return "soldier advance";
    case EngineTerm::HeisiSideways: return "soldier may step sideways";
    case EngineTerm::PornAdvance: return "chess pawn advance";
    case EngineTerm::LeaperCentre: return "knight or horse near the centre";
    case EngineTerm::GoldAdvance: return "gold or silver advance";
    case EngineTerm::KingAdvance: return "king off its back row";
    case EngineTerm::Mobility: return "mobility";
    case EngineTerm::KingDanger: return "king danger";
    case EngineTerm::KingWithoutEscape: return "king without escape";
    case EngineTerm::Tempo: return "side to move";
    case EngineTerm::Count: break;
  }
  return "?";
}

}  // namespace velmora
