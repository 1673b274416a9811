// A game in its real window on the offscreen platform, with a helper that
// answers the modal dialogs the game opens.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/desktop_game.h"
#include "platform/language.h"

namespace velmora::platform::testing {

struct SeenBox {
  std::string title;
  std::string text;
  std::vector<std::string> buttons;  // captions, left to right
  double font_points = 0;
};

// Watches for modal windows: a message box is noted and answered (Yes unless
// a No is queued), any other modal dialog is handed to `on_dialog`.
class ModalAnswerer {
 public:
  ModalAnswerer();

  std::vector<SeenBox> boxes;
  std::deque<bool> yes_answers;
  std::function<void(QWidget*)> on_dialog;
  // Called with a message box before it is noted and answered.
  std::function<void(QMessageBox*)> on_box;

 private:
  void answer(QWidget* modal);
  QTimer timer_;
};

// What the window shows of its canvas: each paint copies the backing image
// into the part of the screen it repaints (at the fixture's scale, 1).
class ShownPicture : public QObject {
 public:
  explicit ShownPicture(Canvas& canvas);
  // The part of the screen that differs from the backing image, in pixels.
  int stale_pixels() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Canvas& canvas_;
  QImage shown_;
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The window's zoom and render scale; 1 and 1 unless a test asks otherwise.
  virtual DisplayScale display() const { return DisplayScale{1.0, 1}; }

  // Widget position of the centre of cell (x, y) of the window grid.
  QPoint cell_centre(int x, int y);
  void click_cell(int x, int y, Qt::MouseButton button = Qt::LeftButton);
  void choose(MenuItem item);
  // Part of the backing image that shows cell (x, y), without its outline.
  QImage cell_inside(int x, int y);

  QTemporaryDir folder;
  std::unique_ptr<ModalAnswerer> answerer;
  std::unique_ptr<DesktopGame> desktop;
  Game* game = nullptr;
  MainWindow* window = nullptr;
};

// The window in English.
class EnglishTest : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(choose_language(Language::English));
    WindowTest::SetUp();
  }
  void TearDown() override {
    WindowTest::TearDown();
    choose_language(Language::Japanese);
  }
};

// A resource picture as the window shows it at the fixture's scale (1).
QImage resource_picture(const QString& name);

// The number of pixels in which two images differ (all of them when their
// sizes differ), compared as opaque colours.
int differing_pixels(const QImage& a, const QImage& b);

// Pixel of a twip coordinate at the fixture's scale.
int pixel(double twips);

}  // namespace velmora::platform::testing
