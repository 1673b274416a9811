#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "platform/pictures.h"
#include "rules/pieces.h"
#include "view/twips.h"

namespace velmora::platform::testing {

ModalAnswerer::ModalAnswerer() {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (QWidget* modal = QApplication::activeModalWidget()) answer(modal);
  });
  timer_.start();
}

void ModalAnswerer::answer(QWidget* modal) {
  auto* box = qobject_cast<QMessageBox*>(modal);
  if (box == nullptr) {
    if (on_dialog) on_dialog(modal);
    return;
  }
  if (on_box) on_box(box);
  std::vector<std::string> captions;
  for (const QAbstractButton* button : box->buttons()) captions.push_back(button->text().toStdString());
  boxes.push_back({box->windowTitle().toStdString(), box->text().toStdString(), captions, box->font().pointSizeF()});
  QAbstractButton* yes = box->button(QMessageBox::Yes);
  if (yes == nullptr) return box->button(QMessageBox::Ok)->click();
  const bool answer_yes = yes_answers.empty() || yes_answers.front();
  if (!yes_answers.empty()) yes_answers.pop_front();
  (answer_yes ? yes : box->button(QMessageBox::No))->click();
}

ShownPicture::ShownPicture(Canvas& canvas) : canvas_(canvas), shown_(canvas.image().copy()) {
  canvas.installEventFilter(this);
}

int ShownPicture::stale_pixels() const { return differing_pixels(shown_, canvas_.image()); }

bool ShownPicture::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::Paint) return false;
  // The image pixels the repainted widget pixels show, the drawing scaled or not.
  const QRectF place = canvas_.drawing_rect();
  const double widget_per_pixel = place.width() / canvas_.image().width();
  QRegion repainted;
  for (const QRect& part : static_cast<QPaintEvent*>(event)->region()) {
    repainted +=
        QRectF((QPointF(part.topLeft()) - place.topLeft()) / widget_per_pixel, QSizeF(part.size()) / widget_per_pixel)
            .toAlignedRect();
  }
  QPainter painter(&shown_);
  painter.setClipRegion(repainted);
  painter.drawImage(0, 0, canvas_.image());
  return false;
}

void WindowTest::SetUp() {
  ASSERT_TRUE(folder.isValid());
  answerer = std::make_unique<ModalAnswerer>();
  desktop = std::make_unique<DesktopGame>(folder.path(), display());
  game = &desktop->game();
  window = &desktop->window();
  desktop->open();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
}

void WindowTest::TearDown() {
  desktop.reset();
  answerer.reset();
}

QPoint WindowTest::cell_centre(int x, int y) {
  const int left = BOARD_LEFT + SQUARE_WIDTH * x, top = BOARD_TOP + SQUARE_HEIGHT * y;
  return window->canvas().to_widget(left, top, SQUARE_WIDTH, SQUARE_HEIGHT).center();
}

void WindowTest::click_cell(int x, int y, Qt::MouseButton button) {
  QTest::mouseClick(&window->canvas(), button, Qt::NoModifier, cell_centre(x, y));
}

void WindowTest::choose(MenuItem item) { window->action(item)->trigger(); }

QImage WindowTest::cell_inside(int x, int y) {
  const int left = pixel(BOARD_LEFT + SQUARE_WIDTH * x), top = pixel(BOARD_TOP + SQUARE_HEIGHT * y);
  return window->canvas().image().copy(left + 1, top + 1, SQUARE_WIDTH / 15 - 1, SQUARE_HEIGHT / 15 - 1);
}

QImage resource_picture(const QString& name) { return named_picture(name); }

int differing_pixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return std::max(a.width() * a.height(), b.width() * b.height());
  const QImage first = a.convertToFormat(QImage::Format_RGB32), second = b.convertToFormat(QImage::Format_RGB32);
  int count = 0;
  for (int y = 0; y < first.height(); ++y)
    for (int x = 0; x < first.width(); ++x) count += first.pixel(x, y) != second.pixel(x, y) ? 1 : 0;
  return count;
}

int pixel(double twips) { return static_cast<int>(std::lround(twips / 15)); }

}  // namespace velmora::platform::testing
