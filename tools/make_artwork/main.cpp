// Draws every picture of the game and writes it as PNG into a folder (normally
// assets/pictures). Usage: make_artwork OUTPUT_FOLDER [--sheet PREFIX] [--icons FOLDER]
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <exception>

#include "catalogue.h"
#include "contact_sheet.h"
#include "fonts.h"
#include "icons.h"

namespace {

struct Options {
  QString outputFolder;
  QString sheetPrefix;  // empty: no contact sheet
  QString iconFolder;   // empty: no icons
};

bool parseOptions(const QStringList& args, Options& options) {
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == "--sheet" && i + 1 < args.size()) {
      options.sheetPrefix = args[++i];
    } else if (args[i] == "--icons" && i + 1 < args.size()) {
      options.iconFolder = args[++i];
    } else if (options.outputFolder.isEmpty() && !args[i].startsWith("--")) {
      options.outputFolder = args[i];
    } else {
      return false;
    }
  }
  return !options.outputFolder.isEmpty();
}

QString fileName(const artwork::Picture& picture, int scale) {
  return scale == 1 ? picture.name + ".png" : QStringLiteral("%1@%2x.png").arg(picture.name).arg(scale);
}

// Writes and reads back one rendering of a picture; reports and answers false on any mismatch.
bool writePicture(const artwork::Picture& picture, int scale, const QImage& image, const QDir& folder) {
  const QString path = folder.filePath(fileName(picture, scale));
  const QSize size = picture.size * scale;
  if (image.size() != size || !image.save(path, "PNG")) {
    std::fprintf(stderr, "make_artwork: could not write %s\n", qPrintable(path));
    return false;
  }
  const QImage written(path);
  if (written.size() != size) {
    std::fprintf(stderr, "make_artwork: %s is %dx%d, expected %dx%d\n", qPrintable(path), written.width(),
                 written.height(), size.width(), size.height());
    return false;
  }
  return true;
}

int run(const Options& options) {
  const QDir folder(options.outputFolder);
  if (!folder.mkpath(".")) {
    std::fprintf(stderr, "make_artwork: cannot create %s\n", qPrintable(options.outputFolder));
    return 1;
  }
  const artwork::Fonts fonts = artwork::loadFonts();
  const std::vector<artwork::Picture> pictures = artwork::catalogue(fonts);
  std::vector<QImage> images;
  int failures = 0;
  for (const artwork::Picture& picture : pictures) {
    for (const int scale : artwork::kRenderScales) {
      const QImage image = picture.render(scale);
      if (!writePicture(picture, scale, image, folder)) ++failures;
      if (scale == 1) images.push_back(image);
    }
  }
  if (!options.sheetPrefix.isEmpty() && !artwork::writeContactSheets(pictures, images, fonts, options.sheetPrefix)) {
    std::fprintf(stderr, "make_artwork: could not write the contact sheets\n");
    ++failures;
  }
  if (!options.iconFolder.isEmpty() && !artwork::writeIcons(fonts, options.iconFolder)) ++failures;
  std::printf("make_artwork: %zu pictures written to %s in %zu sizes, %d failures\n", pictures.size(),
              qPrintable(folder.absolutePath()), std::size(artwork::kRenderScales), failures);
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  Options options;
  if (!parseOptions(QGuiApplication::arguments(), options)) {
    std::fprintf(stderr, "usage: make_artwork OUTPUT_FOLDER [--sheet PREFIX] [--icons FOLDER]\n");
    return 2;
  }
  try {
    return run(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_artwork: %s\n", e.what());
    return 1;
  }
}
