#include "ui/widgets/asset_lookup.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <string>

#include "core/asset_path.h"
#include "core/game_title.h"

namespace splat::ui {
namespace {

// Says once per file on the standard error that a picture is missing, so a
// broken installation is easy to tell from a blank picture. Pictures are
// looked up on helper threads too.
void reportMissing(const std::string& file) {
    // Never destroyed: a helper thread may still be looking up a picture
    // while the program ends.
    static auto* mutex = new std::mutex;
    static auto* reported = new std::set<std::string>;
    const std::lock_guard<std::mutex> lock(*mutex);
    if (!reported->insert(file).second) return;
    std::fprintf(stderr, "%s: %s It is left blank.\n", kGameTitle, assetNotFoundMessage(file).c_str());
}

}  // namespace

QString findPicture(const QString& file) {
    const std::string name = file.toStdString();
    const std::string path = findAsset(name);
    if (path.empty()) reportMissing(name);
    return QString::fromStdString(path);
}

}  // namespace splat::ui
