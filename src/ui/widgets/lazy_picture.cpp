#include "ui/widgets/lazy_picture.h"

#include "ui/widgets/picture_loader.h"

namespace splat::ui {

const QPixmap& LazyPicture::at(QSize size) {
    if (file_.isEmpty() || size.isEmpty()) return pixmap_ = QPixmap();
    if (!tried_ || decodedFor_ != size) {
        tried_ = true;
        decodedFor_ = size;
        pixmap_ = QPixmap::fromImage(pictures::take(file_, size));
    }
    return pixmap_;
}

void LazyPicture::paint(QPainter& p, const QRect& area, QColor top, QColor bottom) {
    const QPixmap& pix = at(area.size());
    if (!pix.isNull()) {
        p.drawPixmap(0, 0, pix);
        return;
    }
    QLinearGradient g(0, 0, 0, area.height());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(area, g);
}

}  // namespace splat::ui
