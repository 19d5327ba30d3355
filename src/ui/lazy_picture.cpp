#include "ui/lazy_picture.h"

#include <QImageReader>

#include "ui/asset_lookup.h"

namespace splat::ui {

void LazyPicture::load() {
    if (tried_) return;
    tried_ = true;
    const QString path = findPicture(file_);
    if (path.isEmpty()) return;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (!image.isNull()) original_ = QPixmap::fromImage(image);
}

bool LazyPicture::loaded() {
    load();
    return !original_.isNull();
}

const QPixmap& LazyPicture::scaledTo(QSize size) {
    load();
    if (original_.isNull() || size.isEmpty()) return scaled_ = QPixmap();
    if (scaled_.size() != size) {
        scaled_ = original_.size() == size
                      ? original_
                      : original_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return scaled_;
}

}  // namespace splat::ui
