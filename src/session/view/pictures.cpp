#include "view/pictures.h"

#include "ports/ports.h"
#include "rules/pieces.h"

namespace velmora {
namespace {

const char* const BACKGROUND_PICTURE[5] = {"HAIKEI_MIDORI", "HAIKEI_TATAMI", "HAIKEI_TAKE", "HAIKEI_UCHU",
                                           "HAIKEI_RENGA"};

}  // namespace

std::string picture_array_name(int picture) {
  if (picture == EMPTY) return "KARA_MASU";
  if (picture == PICTURE_TITLE) return "TITLE";
  if (picture >= PICTURE_MIDORI && picture <= PICTURE_RENGA) return BACKGROUND_PICTURE[picture - PICTURE_MIDORI];
  if (!is_piece(picture)) return "";
  const int kind = kind_of(picture);
  if (is_chess_kind(kind)) return std::string(picture < 0 ? "W_" : "B_") + PIECE_KINDS[kind].picture;
  if (picture == -SYOU) return "SITA_SI";  // the lower general's picture has always had this name
  return std::string(picture < 0 ? "SITA_" : "UE_") + PIECE_KINDS[kind].picture;
}

bool has_two_shades(int picture) { return picture == EMPTY || is_piece(picture); }

}  // namespace velmora
