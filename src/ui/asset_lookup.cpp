#include "ui/asset_lookup.h"

#include "core/asset_path.h"

namespace splat::ui {

QString findPicture(const QString& file) {
    return QString::fromStdString(findAsset(file.toStdString()));
}

}  // namespace splat::ui
