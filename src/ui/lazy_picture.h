#pragma once
// A picture that is decoded the first time it is painted, so that a window
// with many pictures starts as fast as one without. A missing or broken file
// gives a null pixmap and the control simply shows no picture.

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
    // The picture scaled to `size` (cached), or a null pixmap.
    const QPixmap& scaledTo(QSize size);
    // Whether the file was found and decoded (loads it if needed).
    bool loaded();

private:
    void load();

    QString file_;
    QPixmap original_;
    QPixmap scaled_;
    bool tried_ = false;
};

}  // namespace splat::ui
