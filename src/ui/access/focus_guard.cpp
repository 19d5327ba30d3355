#include "ui/access/focus_guard.h"

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "core/layout_table.h"
#include "ui/widgets/flat_page_control.h"

namespace splat::ui {
namespace {

// The page (or sub-page) that holds `w`, and the control it is a page of.
QWidget* pageAround(QWidget* w, FlatPageControl** owner) {
    for (QWidget* p = w; p != nullptr && !p->isWindow(); p = p->parentWidget()) {
        if (auto* pc = qobject_cast<FlatPageControl*>(p->parentWidget());
            pc != nullptr && pc->indexOf(p) >= 0) {
            *owner = pc;
            return p;
        }
    }
    return nullptr;
}

bool harmlessStop(QWidget* w) {
    return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
           !spendsWhenPressed(w);
}

}  // namespace

bool spendsWhenPressed(const QWidget* w) {
    if (w == nullptr) return false;
    const ControlSpec* desc = findControl(w->objectName().toStdString());
    return desc != nullptr && desc->spends;
}

FocusGuard::FocusGuard(QWidget* mainWindow) : QObject(mainWindow), main_(mainWindow) {
    connect(qApp, &QApplication::focusChanged, this, &FocusGuard::focusMoved);
}

QWidget* FocusGuard::neutralPlaceAfter(QWidget* gone) {
    FlatPageControl* owner = nullptr;
    QWidget* lastTab = nullptr;
    for (QWidget* page = pageAround(gone, &owner); page != nullptr; page = pageAround(owner, &owner)) {
        QWidget* tab = owner->tab(owner->currentIndex());
        if (page->isVisible()) {
            for (QWidget* w = gone->nextInFocusChain(); w != nullptr && w != gone; w = w->nextInFocusChain()) {
                if (page->isAncestorOf(w) && harmlessStop(w)) return w;
            }
            if (tab != nullptr && tab->isVisible()) return tab;
        }
        if (tab != nullptr && tab->isVisible()) lastTab = tab;
    }
    return lastTab;
}

void FocusGuard::focusMoved(QWidget* old, QWidget* now) {
    // Nothing to guard once the window is closed (and while it is torn down).
    if (redirecting_ || old == nullptr || main_ == nullptr || !main_->isVisible() || old->window() != main_)
        return;
    // The player moved on himself: only a control that went away counts.
    if (old->isVisible() && old->isEnabled()) return;
    if (now != nullptr && (now->window() != main_ || !spendsWhenPressed(now))) return;
    QPointer<QWidget> target = neutralPlaceAfter(old);
    if (target == nullptr || target == now) return;
    // Once Qt has finished handing the focus over (a screen reader hears the
    // two moves in order), and only if nothing else took it meanwhile.
    QPointer<QWidget> handedTo = now;
    QMetaObject::invokeMethod(
        this,
        [this, target, handedTo] {
            if (target == nullptr || QApplication::focusWidget() != handedTo.data() || !target->isVisible())
                return;
            redirecting_ = true;
            target->setFocus(Qt::OtherFocusReason);
            redirecting_ = false;
        },
        Qt::QueuedConnection);
}

}  // namespace splat::ui
