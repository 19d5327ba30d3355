#include "ui/main_window.h"

#include <QGuiApplication>
#include <QScreen>

namespace splat::ui {

MainWindow::MainWindow(QSize size) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size);
}

void MainWindow::centreOnScreen() {
    const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect free = screen->availableGeometry();
    move(free.center() - QPoint(width() / 2, height() / 2));
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        Q_EMIT firstFramePainted();
    }
}

}  // namespace splat::ui
