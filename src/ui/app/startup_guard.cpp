#include "ui/app/startup_guard.h"

#include <exception>

namespace splat::ui {

int runShowingErrors(const std::function<int()>& body, const std::function<void(const QString&)>& report) {
    try {
        return body();
    } catch (const std::exception& e) {
        report(QStringLiteral("The game could not go on: %1").arg(QString::fromUtf8(e.what())));
    } catch (...) {
        report(QStringLiteral("The game could not go on."));
    }
    return 1;
}

}  // namespace splat::ui
