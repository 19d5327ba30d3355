#pragma once
// Decodes the game's JPEG pictures at the size they are shown at. The
// pictures of the first frame can be decoded on a helper thread while the
// window is being built; the paint that needs one collects it.

#include <QImage>
#include <QSize>
#include <QString>

namespace splat::ui::pictures {

// Picture `file` decoded at `size` (its own size when `size` is empty); a
// null image when the file is missing or broken.
QImage decode(const QString& file, QSize size);

// Starts decoding `file` at `size` on a helper thread.
void prefetch(const QString& file, QSize size);

// The picture at `size`: the prefetched one when there is one, otherwise
// decoded now.
QImage take(const QString& file, QSize size);

}  // namespace splat::ui::pictures
