#include "ui/asset_lookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#if __has_include("core/asset_path.h")
#include "core/asset_path.h"
#define SPLAT_HAVE_ASSET_PATH 1
#endif

namespace splat::ui {

QString findPicture(const QString& file) {
    if (file.isEmpty() || file.contains(QLatin1Char('/'))) return {};
    // The pictures may stand in an assets folder of each place or in the
    // place itself (the installed data folder keeps them flat).
    QStringList places;
#ifdef SPLAT_HAVE_ASSET_PATH
    for (const std::string& dir : assetDirectories()) places << QString::fromStdString(dir);
#else
    if (QCoreApplication::instance() != nullptr) places << QCoreApplication::applicationDirPath();
    places << QStringLiteral("/usr/local/share/splat-league") << QDir::currentPath();
#endif
    for (const QString& place : places) {
        for (const QString& folder : {place + QStringLiteral("/assets"), place}) {
            const QFileInfo candidate(folder + QLatin1Char('/') + file);
            if (candidate.isFile()) return candidate.absoluteFilePath();
        }
    }
    return {};
}

}  // namespace splat::ui
