#pragma once
// A picture that is decoded the first time it is painted, at the size it is
// shown at, so that a window with many pictures starts as fast as one
// without. A missing or broken file gives a null pixmap and the control
// simply shows no picture.

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace splat::ui {

class LazyPicture {
public:
    LazyPicture() = default;
    explicit LazyPicture(QString file) : file_(std::move(file)) {}

    bool isSet() const { return !file_.isEmpty(); }
    const QString& file() const { return file_; }
    // The picture at `size`, or a null pixmap.
    const QPixmap& at(QSize size);
    // Fills `area` (at the painter's origin) with the picture, or, when there
    // is none to show, with a vertical gradient from `top` to `bottom`.
    void paint(QPainter& p, const QRect& area, QColor top, QColor bottom);

private:
    QString file_;
    QPixmap pixmap_;
    QSize decodedFor_;
    bool tried_ = false;
};

}  // namespace splat::ui
