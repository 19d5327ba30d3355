#include "ui/picture_loader.h"

#include <QImageReader>
#include <future>
#include <map>
#include <mutex>
#include <utility>

#include "ui/asset_lookup.h"

namespace splat::ui::pictures {
namespace {

using Key = std::pair<QString, std::pair<int, int>>;

std::mutex& pendingMutex() {
    static std::mutex m;
    return m;
}

std::map<Key, std::future<QImage>>& pending() {
    static std::map<Key, std::future<QImage>> p;
    return p;
}

Key keyOf(const QString& file, QSize size) { return {file, {size.width(), size.height()}}; }

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

void prefetch(const QString& file, QSize size) {
    const std::lock_guard<std::mutex> lock(pendingMutex());
    auto& p = pending();
    const Key key = keyOf(file, size);
    if (p.count(key) != 0) return;
    p.emplace(key, std::async(std::launch::async, [file, size] { return decode(file, size); }));
}

QImage take(const QString& file, QSize size) {
    std::future<QImage> ready;
    {
        const std::lock_guard<std::mutex> lock(pendingMutex());
        auto& p = pending();
        const auto it = p.find(keyOf(file, size));
        if (it != p.end()) {
            ready = std::move(it->second);
            p.erase(it);
        }
    }
    return ready.valid() ? ready.get() : decode(file, size);
}

}  // namespace splat::ui::pictures
