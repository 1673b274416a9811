#include "catalogue.h"

#include <QPainter>

#include "backgrounds.h"
#include "figurines.h"
#include "geometry.h"
#include "panels.h"
#include "pieces.h"
#include "wood.h"

namespace artwork {

namespace {

const QPointF kCellCentre(kCellSize.width() / 2.0, kCellSize.height() / 2.0);

struct ShogiKind {
  const char* name;
  const char* kanji;
  bool promoted;
  double height;  // higher-ranking pieces are cut larger, as on a real set
};

const ShogiKind kShogiKinds[] = {
    {"HU", "歩", false, 32},   {"HU_N", "と", true, 32},  {"KYOU", "香", false, 33},  {"KYOU_N", "杏", true, 33},
    {"KEI", "桂", false, 33},  {"KEI_N", "圭", true, 33}, {"GIN", "銀", false, 34},   {"GIN_N", "全", true, 34},
    {"KIN", "金", false, 34},  {"KAKU", "角", false, 35}, {"KAKU_N", "馬", true, 35}, {"SYA", "飛", false, 35},
    {"SYA_N", "龍", true, 35}, {"OU", "王", false, 36},
};

struct JanggiKind {
  const char* lowerName;
  const char* upperName;
  const char* character;
  double diameter;  // the general is the largest disc, soldiers and guards the smallest
};

const JanggiKind kJanggiKinds[] = {
    {"HEISI", "HEISI", "卒", 24}, {"KURUMA", "KURUMA", "車", 27}, {"UMA", "UMA", "馬", 27}, {"ZOU", "ZOU", "象", 27},
    {"TUKAE", "TUKAE", "士", 24}, {"HOU", "HOU", "砲", 27},       {"SI", "SYOU", "将", 30},
};

struct ChessKind {
  const char* pieceName;   // name of the board picture
  const char* buttonName;  // name of the promotion dialog button
  Figure figure;
};

const ChessKind kChessKinds[] = {
    {"PORN", "PORN", Figure::Pawn},    {"ROOK", "ROOK", Figure::Rook},  {"KNIG", "NIGT", Figure::Knight},
    {"BISH", "BISYO", Figure::Bishop}, {"QEEN", "QEEN", Figure::Queen}, {"KING", "KING", Figure::King},
};

struct BackgroundKind {
  const char* name;
  Background background;
};

const BackgroundKind kBackgrounds[] = {
    {"HAIKEI_MIDORI", Background::Midori}, {"HAIKEI_TATAMI", Background::Tatami}, {"HAIKEI_TAKE", Background::Take},
    {"HAIKEI_UCHU", Background::Uchu},     {"HAIKEI_RENGA", Background::Renga},
};

const Shade kShades[] = {Shade::Light, Shade::Dark};

QString shadeSuffix(Shade shade) { return QStringLiteral("_%1").arg(static_cast<int>(shade)); }

// Draws on a cell picture rendered `scale` times as fine, in the pixels of the picture at its
// own size.
using DrawOnSquare = std::function<void(QPainter&, int scale)>;

// A cell picture: the wooden square of the shade with something drawn on it.
QImage onSquare(Shade shade, int scale, const DrawOnSquare& draw) {
  QImage image = boardSquare(shade, kCellSize, scale);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale, scale);
  draw(painter, scale);
  return image;
}

void addPiecePictures(std::vector<Picture>& out, const QString& name, const QString& group, const DrawOnSquare& draw) {
  for (const Shade shade : kShades) {
    out.push_back({name + shadeSuffix(shade), group, kCellSize,
                   [shade, draw](int scale) { return onSquare(shade, scale, draw); }});
  }
}

void addShogi(std::vector<Picture>& out, const Fonts& fonts) {
  for (const Side side : {Side::Lower, Side::Upper}) {
    const QString prefix = side == Side::Lower ? "SITA_" : "UE_";
    for (const ShogiKind& kind : kShogiKinds) {
      addPiecePictures(out, prefix + kind.name, "shogi", [&fonts, kind, side](QPainter& p, int) {
        drawShogiTile(p, fonts, kCellCentre, kind.height, QString::fromUtf8(kind.kanji), kind.promoted, side);
      });
    }
  }
}

void addJanggi(std::vector<Picture>& out, const Fonts& fonts) {
  for (const Side side : {Side::Lower, Side::Upper}) {
    for (const JanggiKind& kind : kJanggiKinds) {
      const QString name =
          side == Side::Lower ? QStringLiteral("SITA_") + kind.lowerName : QStringLiteral("UE_") + kind.upperName;
      addPiecePictures(out, name, "janggi and chess", [&fonts, kind, side](QPainter& p, int) {
        drawJanggiDisc(p, fonts, kCellCentre, kind.diameter, QString::fromUtf8(kind.character), side);
      });
    }
  }
}

void addChess(std::vector<Picture>& out) {
  const QPointF foot(kCellCentre.x(), kCellSize.height() - 3.5);
  for (const ChessColour colour : {ChessColour::White, ChessColour::Black}) {
    const QString prefix = colour == ChessColour::White ? "W_" : "B_";
    for (const ChessKind& kind : kChessKinds) {
      addPiecePictures(out, prefix + kind.pieceName, "janggi and chess", [kind, colour, foot](QPainter& p, int scale) {
        drawFigurine(p, kind.figure, colour, foot, 33, scale);
      });
    }
  }
  addPiecePictures(out, "KARA_MASU", "janggi and chess", [](QPainter&, int) {});
}

// Index 1 and 3: the own side's (white) and the enemy side's (black) piece; 0 and 2 pressed.
void addPromotionButtons(std::vector<Picture>& out) {
  struct Variant {
    int index;
    ChessColour colour;
    bool pressed;
  };
  const Variant variants[] = {{0, ChessColour::White, true},
                              {1, ChessColour::White, false},
                              {2, ChessColour::Black, true},
                              {3, ChessColour::Black, false}};
  for (const ChessKind& kind : kChessKinds) {
    for (const Variant v : variants) {
      out.push_back({QStringLiteral("PROMO_%1_%2").arg(kind.buttonName).arg(v.index), "promotion", kPromotionButtonSize,
                     [kind, v](int scale) { return promotionButton(kind.figure, v.colour, v.pressed, scale); }});
    }
  }
}

void addPanels(std::vector<Picture>& out, const Fonts& fonts) {
  for (const BackgroundKind& kind : kBackgrounds) {
    out.push_back(
        {kind.name, "panels", kTileSize, [kind](int scale) { return backgroundTile(kind.background, scale); }});
  }
  out.push_back({"TITLE", "panels", kTitleSize, [&fonts](int scale) { return titlePicture(fonts, scale); }});
  out.push_back({"ABOUT", "panels", kAboutSize, [&fonts](int scale) { return aboutPicture(fonts, scale); }});
}

}  // namespace

std::vector<Picture> catalogue(const Fonts& fonts) {
  std::vector<Picture> pictures;
  addShogi(pictures, fonts);
  addJanggi(pictures, fonts);
  addChess(pictures);
  addPromotionButtons(pictures);
  addPanels(pictures, fonts);
  return pictures;
}

}  // namespace artwork
