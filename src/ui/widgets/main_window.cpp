#include "ui/widgets/main_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "ui/widgets/screen_fit.h"

namespace splat::ui {

MainWindow::MainWindow(QSize size) : designed_(size) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(size);
}

void MainWindow::centreOnScreen() {
    const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect free = screen->availableGeometry();
    // The offscreen platform's stand-in screen (800 x 600) is seen by nobody:
    // there the window keeps its whole size, for pictures and tests.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        move(free.center() - QPoint(width() / 2, height() / 2));
        return;
    }
    fitIntoScreen(*this, designed_, free);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The window paints its whole frame while it handles its first expose;
    // its own paint event may never come, since its children cover it.
    if (!watching_ && windowHandle() != nullptr) {
        watching_ = true;
        windowHandle()->installEventFilter(this);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!painted_ && watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        painted_ = true;
        windowHandle()->removeEventFilter(this);
        // Queued: it comes once the expose, and with it the paint, is through.
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT firstFramePainted(); }, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace splat::ui
