#pragma once
// Keeps the focus off the buttons that spend money or change the squad when
// the control the player just used hides or disables itself: Qt would hand
// the focus to the next control of the chain, and a careless Space or Enter
// there would buy, deal, apply, upgrade, replace or swap. The focus goes to
// the next harmless control of the same page instead, or to the page's tab.

#include <QObject>
#include <QPointer>

class QWidget;

namespace splat::ui {

// Whether a control of the game costs money or changes the squad when pressed
// (its entry in the layout table says so).
bool spendsWhenPressed(const QWidget* w);

class FocusGuard : public QObject {
    Q_OBJECT
public:
    explicit FocusGuard(QWidget* mainWindow);

    // Where the focus goes once `gone` has hidden or disabled itself.
    static QWidget* neutralPlaceAfter(QWidget* gone);

private:
    void focusMoved(QWidget* old, QWidget* now);

    QPointer<QWidget> main_;
    bool redirecting_ = false;
};

}  // namespace splat::ui
