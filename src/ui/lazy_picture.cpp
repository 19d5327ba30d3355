#include "ui/lazy_picture.h"

#include "ui/picture_loader.h"

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

}  // namespace splat::ui
