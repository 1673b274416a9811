// Writes the C++ source that keeps pictures as raw pixels in the program:
//
//   raw_pictures OUTPUT.cpp PICTURE_FOLDER NAME...
//
// For every NAME it reads <NAME>.png, <NAME>@2x.png and <NAME>@3x.png from
// PICTURE_FOLDER and writes their pixels, as 32-bit RGB words in the
// program's own byte order, with the table `raw_pictures()` declared in
// platform/raw_pictures.h. The build runs it, so that the pictures the
// window's first paint shows are pasted without decoding a PNG file.
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

#include "platform/pictures.h"

namespace {

QString png_file(const QString& folder, const QString& name, int rendering) {
  return rendering == 1 ? QStringLiteral("%1/%2.png").arg(folder, name)
                        : QStringLiteral("%1/%2@%3x.png").arg(folder, name).arg(rendering);
}

void write_pixels(QTextStream& out, const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) out << (x % 8 == 0 ? "\n    " : " ") << "0x" << Qt::hex << row[x] << "u,";
  }
}

// The pictures of one rendering as one array, so that a window reads the
// pixels of its rendering from one block of the program's file and no page
// of the others; their rows of the table go to `table`.
bool write_rendering(QTextStream& out, const QString& folder, const QStringList& names, int rendering, QString& table) {
  const QString array = QStringLiteral("PIXELS_%1X").arg(rendering);
  out << "alignas(64) const std::uint32_t " << array << "[] = {";
  qsizetype offset = 0;
  for (const QString& name : names) {
    const QString file = png_file(folder, name, rendering);
    QImage image(file);
    if (image.isNull() || image.hasAlphaChannel()) {
      std::fprintf(stderr, "raw_pictures: %s is not an opaque picture\n", qPrintable(file));
      return false;
    }
    image.convertTo(QImage::Format_RGB32);
    write_pixels(out, image);
    table += QStringLiteral("    RawPicture{\"%1\", %2, %3, %4, %5 + %6},\n")
                 .arg(name)
                 .arg(rendering)
                 .arg(image.width())
                 .arg(image.height())
                 .arg(array)
                 .arg(offset);
    offset += qsizetype{image.width()} * image.height();
  }
  out << "\n};\n\n";
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: raw_pictures OUTPUT.cpp PICTURE_FOLDER NAME...\n");
    return 2;
  }
  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
  const QString folder = QString::fromLocal8Bit(argv[2]);
  QStringList names;
  for (int n = 3; n < argc; ++n) names.append(QString::fromLocal8Bit(argv[n]));
  QTextStream out(&file);
  out << "// Made by tools/raw_pictures from the game's PNG files; not to be edited.\n"
      << "#include \"platform/raw_pictures.h\"\n\nnamespace velmora::platform {\nnamespace {\n\n";
  QString table;
  for (int rendering = 1; rendering <= velmora::platform::FINEST_RENDERING; ++rendering) {
    if (!write_rendering(out, folder, names, rendering, table)) return 1;
  }
  out << "const RawPicture PICTURES[] = {\n"
      << table << "};\n\n}  // namespace\n\n"
      << "std::span<const RawPicture> raw_pictures() { return PICTURES; }\n\n}  // namespace velmora::platform\n";
  out.flush();
  return out.status() == QTextStream::Ok && file.error() == QFile::NoError ? 0 : 1;
}
