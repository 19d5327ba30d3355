#include "ui/widgets/picture_loader.h"

#include <QImageReader>
#include <algorithm>
#include <vector>

#include "ui/widgets/asset_lookup.h"

namespace splat::ui::pictures {
namespace {

// The living prefetches, for `take` to look in. They own their work; this
// list only finds them.
std::mutex& liveMutex() {
    static std::mutex m;
    return m;
}

std::vector<Prefetch*>& live() {
    static std::vector<Prefetch*> v;
    return v;
}

}  // namespace

QImage decode(const QString& file, QSize size) {
    const QString path = findPicture(file);
    if (path.isEmpty()) return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (!size.isEmpty() && reader.size().isValid() && reader.size() != size) reader.setScaledSize(size);
    QImage image = reader.read();
    if (!image.isNull() && !size.isEmpty() && image.size() != size) {
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}

Prefetch::Prefetch() {
    const std::lock_guard<std::mutex> lock(liveMutex());
    live().push_back(this);
}

Prefetch::~Prefetch() {
    {
        const std::lock_guard<std::mutex> lock(liveMutex());
        auto& v = live();
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
    }
    // Waits for every decode still running.
    for (auto& [key, future] : pending_) {
        if (future.valid()) future.wait();
    }
}

void Prefetch::start(const QString& file, QSize size) {
    const std::lock_guard<std::mutex> lock(liveMutex());
    const Key key{file, {size.width(), size.height()}};
    if (pending_.count(key) != 0) return;
    pending_.emplace(key, std::async(std::launch::async, [file, size] { return decode(file, size); }));
}

QImage take(const QString& file, QSize size) {
    std::future<QImage> ready;
    {
        const std::lock_guard<std::mutex> lock(liveMutex());
        const Prefetch::Key key{file, {size.width(), size.height()}};
        for (Prefetch* p : live()) {
            const auto it = p->pending_.find(key);
            if (it != p->pending_.end()) {
                ready = std::move(it->second);
                p->pending_.erase(it);
                break;
            }
        }
    }
    return ready.valid() ? ready.get() : decode(file, size);
}

}  // namespace splat::ui::pictures
