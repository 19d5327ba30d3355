#include "qt/keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QWidget>

namespace splat::testing {

QWidget* keyTarget() {
    // A window manager gives the main window back its activation when a
    // modal window closes; the offscreen platform leaves that to us.
    if (QApplication::activeWindow() == nullptr && QApplication::activeModalWidget() == nullptr) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top->parentWidget() == nullptr) {
                activate(top);
                break;
            }
        }
    }
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal->focusWidget() ? modal->focusWidget() : modal;
    if (QWidget* w = QApplication::focusWidget()) return w;
    return QApplication::activeWindow();
}

void press(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = keyTarget();
    if (target == nullptr) return;
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    QCoreApplication::sendPostedEvents();  // what the key set going, done
}

void typeText(const QString& text) {
    if (QWidget* target = keyTarget()) QTest::keyClicks(target, text);
}

bool tabTo(QWidget* w, int most) {
    for (int i = 0; i < most && QApplication::focusWidget() != w; ++i) press(Qt::Key_Tab);
    return QApplication::focusWidget() == w;
}

bool activate(QWidget* w) {
    w->window()->activateWindow();
    return QTest::qWaitForWindowActive(w->window());
}

ModalKeys::ModalKeys() {
    connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    timer_.start(5);
}

void ModalKeys::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || !modal->isActiveWindow()) return;
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (answers_.empty()) {
        // Not asked for: noted, and let go so that the test goes on.
        seen.push_back("unexpected " + (box != nullptr ? box->text() : modal->objectName()).toStdString());
        for (QAbstractButton* b : modal->findChildren<QAbstractButton*>()) {
            b->click();
            break;
        }
        return;
    }
    seen.push_back(box != nullptr ? box->text().toStdString() : modal->objectName().toStdString());
    auto* focused = qobject_cast<QAbstractButton*>(modal->focusWidget());
    focusedOn.push_back(focused != nullptr ? focused->text().remove(QLatin1Char('&')).toStdString()
                                           : std::string());
    const std::vector<Answer> keys = answers_.front();
    answers_.pop_front();
    for (const Answer& a : keys) {
        if (QApplication::activeModalWidget() != modal) break;
        QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, static_cast<Qt::Key>(a.key),
                        a.modifiers);
    }
}

}  // namespace splat::testing
