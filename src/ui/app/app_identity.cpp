#include "ui/app/app_identity.h"

#include <QGuiApplication>
#include <QString>

#include "core/game_title.h"

namespace splat::ui {

QIcon gameIcon() {
    QIcon icon;
    // The sizes title bars, task bars and window switchers draw; the larger
    // ones of the launcher come from the installed icon theme.
    for (int size : {16, 24, 32, 48, 64, 128}) {
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(QLatin1String(kAppId)),
                     QSize(size, size));
    }
    return icon;
}

void applyIdentity() {
    QGuiApplication::setApplicationName(QString::fromUtf8(kGameTitle));
    QGuiApplication::setDesktopFileName(QLatin1String(kAppId));
}

void applyIcon(QGuiApplication& app) {
    if (app.windowIcon().isNull()) app.setWindowIcon(gameIcon());
}

}  // namespace splat::ui
