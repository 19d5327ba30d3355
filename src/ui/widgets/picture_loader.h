#pragma once
// Decodes the game's JPEG pictures at the size they are shown at. The
// pictures of the first frame can be decoded on helper threads while the
// window is being built; the paint that needs one collects it.

#include <QImage>
#include <QSize>
#include <QString>
#include <future>
#include <map>
#include <mutex>
#include <utility>

namespace splat::ui::pictures {

// Picture `file` decoded at `size` (its own size when `size` is empty); a
// null image when the file is missing or broken.
QImage decode(const QString& file, QSize size);

// Pictures being decoded ahead on helper threads. The window owns one; its
// end waits for the decodes still running, so that no helper thread outlives
// the window (and with it the application whose image readers it uses).
// While it lives, `take` collects its pictures.
class Prefetch {
public:
    Prefetch();
    ~Prefetch();
    Prefetch(const Prefetch&) = delete;
    Prefetch& operator=(const Prefetch&) = delete;

    // Starts decoding `file` at `size` on a helper thread.
    void start(const QString& file, QSize size);

private:
    friend QImage take(const QString& file, QSize size);
    using Key = std::pair<QString, std::pair<int, int>>;
    std::map<Key, std::future<QImage>> pending_;
};

// The picture at `size`: the one a living Prefetch decoded ahead when there
// is one, otherwise decoded now.
QImage take(const QString& file, QSize size);

}  // namespace splat::ui::pictures
