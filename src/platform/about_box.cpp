#include "platform/about_box.h"

#include <QPainter>

#include "platform/language.h"
#include "platform/pictures.h"

namespace velmora::platform {

AboutBox::AboutBox(TwipScale scale, std::function<void()> open_home_page, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      zoom_(scale.zoom),
      picture_(named_picture_for(QStringLiteral("ABOUT"), zoom_, *this)),
      home_page_(new QPushButton(this)),
      ok_(new QPushButton(this)) {
  set_shown_text(ok_, QT_TRID_NOOP("O K"));
  set_shown_text(home_page_, QT_TRID_NOOP("ホームページ"));
  set_shown_text(this, QT_TRID_NOOP("バージョン情報"));
  setAttribute(Qt::WA_WindowPropagation);  // the main window's font, grown with its zoom
  setFixedSize(scale.pixels(4995), scale.pixels(1530));
  home_page_->setGeometry(scale.pixels(600, 1080, 1575, 375));
  ok_->setGeometry(scale.pixels(2880, 1080, 1575, 375));
  ok_->setDefault(true);
  connect(home_page_, &QPushButton::clicked, this, [this, open_home_page] {
    open_home_page();
    accept();
  });
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

// The picture is the box's background, in its own size from the top left.
void AboutBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRectF(QPointF(0, 0), picture_.deviceIndependentSize() * zoom_), picture_);
}

}  // namespace velmora::platform
