#include "ui/widgets/screen_fit.h"

#include <QApplication>
#include <QMainWindow>
#include <QMargins>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace splat::ui {
namespace {

// Room the window manager's frame takes around the window: the real frame
// once the window is on the screen, a title bar's worth before.
QMargins frameOf(const QWidget& window) {
    if (window.isVisible()) {
        const QRect f = window.frameGeometry();
        const QRect g = window.geometry();
        return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
    }
    return {4, 32, 4, 4};
}

void makeScrollable(QMainWindow& window, QSize designed) {
    if (clientScrolls(window)) return;
    const int menu = window.menuWidget() != nullptr ? window.menuWidget()->sizeHint().height() : 0;
    QWidget* client = window.takeCentralWidget();
    client->setFixedSize(designed.width(), designed.height() - menu);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("clientScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setPalette(client->palette());
    scroll->setBackgroundRole(QPalette::Window);
    scroll->setWidget(client);
    window.setCentralWidget(scroll);
    // What the keyboard reaches comes into view.
    QObject::connect(qApp, &QApplication::focusChanged, scroll, [scroll, client](QWidget*, QWidget* now) {
        if (now != nullptr && client->isAncestorOf(now)) scroll->ensureWidgetVisible(now, 16, 16);
    });
}

}  // namespace

bool clientScrolls(const QMainWindow& window) {
    return qobject_cast<const QScrollArea*>(window.centralWidget()) != nullptr;
}

void fitIntoScreen(QMainWindow& window, QSize designed, const QRect& free) {
    const QMargins frame = frameOf(window);
    const QSize room(free.width() - frame.left() - frame.right(), free.height() - frame.top() - frame.bottom());
    QSize size = designed;
    if (designed.width() > room.width() || designed.height() > room.height()) {
        makeScrollable(window, designed);
        // Room for the scroll bars, as far as the screen has it.
        const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        size = QSize(designed.width() + (designed.height() > room.height() ? bar : 0),
                     designed.height() + (designed.width() > room.width() ? bar : 0))
                   .boundedTo(room);
    }
    window.setFixedSize(size);
    // Centred, but never with the title bar above the free area's top.
    const QSize outer = size.grownBy(frame);
    QPoint pos = free.center() - QPoint(outer.width() / 2, outer.height() / 2) + QPoint(1, 1);
    pos.setX(std::max(pos.x(), free.left()));
    pos.setY(std::max(pos.y(), free.top()));
    window.move(pos);
}

}  // namespace splat::ui
