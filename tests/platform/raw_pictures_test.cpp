// The pictures kept as raw pixels: the pixels of their PNG files, in every
// rendering, and what named_picture gives for them.
#include "platform/raw_pictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "platform/pictures.h"

namespace velmora::platform::testing {
namespace {

QImage decoded(const RawPicture& raw) {
  const QString name = QString::fromLatin1(raw.name);
  QImage image(raw.rendering == 1 ? QStringLiteral(":/pictures/%1.png").arg(name)
                                  : QStringLiteral(":/%2x/pictures/%1@%2x.png").arg(name).arg(raw.rendering));
  image.convertTo(QImage::Format_RGB32);
  return image;
}

TEST(RawPicturesTest, AreThePixelsOfTheirFilesInEveryRendering) {
  std::set<std::pair<std::string, int>> kept;
  for (const RawPicture& raw : raw_pictures()) {
    SCOPED_TRACE(std::string(raw.name) + " x" + std::to_string(raw.rendering));
    kept.emplace(raw.name, raw.rendering);
    const QImage file = decoded(raw);
    ASSERT_EQ(file.size(), QSize(raw.width, raw.height));
    EXPECT_EQ(file, QImage(reinterpret_cast<const uchar*>(raw.pixels), raw.width, raw.height, raw.width * 4,
                           QImage::Format_RGB32));
    const QImage named = named_picture(QString::fromLatin1(raw.name), raw.rendering);
    EXPECT_EQ(named, file);
    EXPECT_EQ(named.devicePixelRatio(), raw.rendering);
  }
  // The title, the empty squares and the pieces of the opening line-up.
  EXPECT_GE(kept.size(), std::size_t{20} * FINEST_RENDERING);
  EXPECT_EQ(kept.size() % FINEST_RENDERING, 0u);
  for (const char* name : {"TITLE", "KARA_MASU_0", "KARA_MASU_1", "HAIKEI_TATAMI"})
    for (int rendering = 1; rendering <= FINEST_RENDERING; ++rendering) EXPECT_TRUE(kept.count({name, rendering}));
}

// Picture numbers -27..36 in both shades, from a book that made them aside
// and from one that makes them on the window thread.
void expect_made_as_on_the_window_thread(double scale) {
  SCOPED_TRACE(scale);
  PictureBook aside(scale);
  aside.make_raw_pictures_aside();
  PictureBook own(scale);
  for (int number = -27; number <= 36; ++number)
    for (int shade = 0; shade <= 1; ++shade) EXPECT_EQ(aside.picture(number, shade), own.picture(number, shade));
}

// At scales that take the pictures from a rendering as they are and that scale them.
TEST(RawPicturesTest, AreMadeAsideAsTheWindowThreadMakesThem) {
  for (const double scale : {1.0, 1.5, 2.0, 3.5}) expect_made_as_on_the_window_thread(scale);
}

// Those begun before the window exists are taken over by the book of their
// scale alone; a book of another scale makes its own.
TEST(RawPicturesTest, BegunBeforeTheWindowAreTheBookOfTheirScale) {
  begin_raw_pictures(2.5);
  for (const double scale : {1.5, 2.5}) expect_made_as_on_the_window_thread(scale);
}

}  // namespace
}  // namespace velmora::platform::testing
