#include "ui/access/keyboard_navigation.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <algorithm>
#include <map>

#include "core/layout_table.h"
#include "ui/access/accessible_window.h"
#include "ui/access/focus_guard.h"
#include "ui/access/reading_order.h"
#include "ui/access/window_controls.h"
#include "ui/widgets/flat_page_control.h"
#include "ui/widgets/game_dialog.h"
#include "ui/widgets/main_window.h"
#include "ui/widgets/qt_text.h"

namespace splat::ui {
namespace {

// The menu bar's style, less the Alt key: Alt pressed or released alone never
// takes the menu bar (F10 does), so an Alt+digit whose keys arrive late or
// apart cannot land there.
class NoAltMenuStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_MenuBar_AltKeyNavigation) return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

}  // namespace

KeyboardNavigation::KeyboardNavigation(WindowControls& window)
    : QObject(&window.mainWindow()), window_(window) {
    MainWindow& main = window.mainWindow();
    pages_ = qobject_cast<FlatPageControl*>(window.widget("PageControl1"));
    menu_ = main.menuBar();
    if (menu_ != nullptr) {
        auto* style = new NoAltMenuStyle;
        style->setParent(menu_);
        menu_->setStyle(style);
    }
    addShortcuts();
    for (const ControlSpec& desc : layoutTable()) {
        if (!desc.enterPresses.empty()) pressOnEnter(desc.name, desc.enterPresses);
    }
    makeDialogButtonsDefault();
    // Enter presses the focused button of the window, as Space does.
    for (QPushButton* b : main.centralWidget()->findChildren<QPushButton*>()) b->setAutoDefault(true);
    collectRadioGroups();
    orderTabChainByReading(main.centralWidget());
    syncRadioStops();
    new FocusGuard(&main);
    menu_->installEventFilter(this);
    qApp->installEventFilter(this);
}

// ------------------------------------------------------------ pages

void KeyboardNavigation::addShortcuts() {
    MainWindow& main = window_.mainWindow();
    const auto on = [&main](const QKeySequence& keys, auto slot) {
        auto* s = new QShortcut(keys, &main);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, &main, slot);
    };
    on(QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] { stepPage(1); });
    on(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { stepPage(1); });
    on(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [this] { stepPage(-1); });
    on(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), [this] { stepPage(-1); });
    on(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { stepPage(-1); });
    for (int n = 1; n <= 9; ++n) {
        on(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_0 + n)), [this, n] { choosePage(n - 1); });
    }
    on(QKeySequence(Qt::Key_F10), [this] { openMenu(); });
    // The menu items' own keys, from their entries of the layout table.
    for (const ControlSpec& desc : layoutTable()) {
        if (desc.shortcut.empty()) continue;
        if (QAction* action = window_.menuItem(desc.name)) {
            action->setShortcut(QKeySequence(qs(desc.shortcut), QKeySequence::PortableText));
            action->setShortcutContext(Qt::WindowShortcut);
        }
    }
}

void KeyboardNavigation::stepPage(int delta) {
    if (pages_ == nullptr || pages_->count() == 0) return;
    choosePage((pages_->currentIndex() + delta + pages_->count()) % pages_->count());
}

// The page comes forward as by a click on its tab, and the focus goes to
// that tab rather than to whatever follows a control of the page left.
void KeyboardNavigation::choosePage(int index) {
    if (pages_ == nullptr || index < 0 || index >= pages_->count()) return;
    pages_->chooseByPlayer(index);
    if (FlatTab* tab = pages_->tab(pages_->currentIndex())) tab->setFocus(Qt::ShortcutFocusReason);
}

// ------------------------------------------------------------ fields and dialogs

void KeyboardNavigation::pressOnEnter(std::string_view edit, std::string_view button) {
    auto* field = qobject_cast<QLineEdit*>(window_.widget(edit));
    auto* target = qobject_cast<QAbstractButton*>(window_.widget(button));
    if (field == nullptr || target == nullptr) return;
    connect(field, &QLineEdit::returnPressed, target, [target] {
        if (target->isVisible() && target->isEnabled()) target->click();
    });
}

void KeyboardNavigation::makeDialogButtonsDefault() {
    for (const ControlSpec& desc : layoutTable()) {
        if (desc.kind != ControlKind::Dialog) continue;
        auto* d = qobject_cast<GameDialog*>(window_.widget(desc.name));
        if (d == nullptr) continue;
        for (QPushButton* b : d->findChildren<QPushButton*>()) b->setDefault(true);
    }
}

// ------------------------------------------------------------ radio groups

void KeyboardNavigation::collectRadioGroups() {
    std::map<QWidget*, std::vector<QWidget*>> byBox;
    for (QRadioButton* r : window_.mainWindow().findChildren<QRadioButton*>()) {
        byBox[r->parentWidget()].push_back(r);
    }
    for (auto& [box, items] : byBox) radioGroups_.push_back(std::move(items));
}

QWidget* KeyboardNavigation::checkedSibling(const QWidget* item) const {
    for (const std::vector<QWidget*>& items : radioGroups_) {
        if (std::find(items.begin(), items.end(), item) == items.end()) continue;
        for (QWidget* w : items) {
            if (static_cast<QRadioButton*>(w)->isChecked()) return w;
        }
    }
    return nullptr;
}

// The arrows pick the item before or after the focused one, as a click on it
// would; when the game refuses the pick (a difficulty change answered No),
// the focus goes back to the item still chosen, so that the arrows go on
// from there and can ask for the same item again.
bool KeyboardNavigation::arrowInGroup(QRadioButton* item, int key) {
    int step = 0;
    if (key == Qt::Key_Up || key == Qt::Key_Left) step = -1;
    if (key == Qt::Key_Down || key == Qt::Key_Right) step = 1;
    if (step == 0) return false;
    for (const std::vector<QWidget*>& items : radioGroups_) {
        const auto at = std::find(items.begin(), items.end(), item);
        if (at == items.end()) continue;
        auto next = at;
        do {
            if ((step < 0 && next == items.begin()) || (step > 0 && next + 1 == items.end())) return true;
            next += step;
        } while (!(*next)->isVisible() || !(*next)->isEnabled());
        auto* target = static_cast<QRadioButton*>(*next);
        target->setFocus(Qt::ShortcutFocusReason);
        target->click();
        if (!target->isChecked()) {
            if (QWidget* chosen = checkedSibling(target)) chosen->setFocus(Qt::ShortcutFocusReason);
        }
        return true;
    }
    return false;
}

void KeyboardNavigation::syncRadioStops() {
    for (const std::vector<QWidget*>& items : radioGroups_) {
        const auto checked = std::find_if(
            items.begin(), items.end(), [](QWidget* w) { return static_cast<QRadioButton*>(w)->isChecked(); });
        const QWidget* stop = checked != items.end() ? *checked : items.front();
        for (QWidget* w : items) w->setFocusPolicy(w == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

// ------------------------------------------------------------ menu bar

std::vector<QAction*> KeyboardNavigation::menuActions() const {
    std::vector<QAction*> usable;
    for (QAction* a : menu_->actions()) {
        if (a->isVisible() && a->isEnabled() && !a->isSeparator()) usable.push_back(a);
    }
    return usable;
}

void KeyboardNavigation::openMenu() {
    const std::vector<QAction*> items = menuActions();
    if (items.empty()) return;
    focusBeforeMenu_ = QApplication::focusWidget();
    menu_->setFocus(Qt::ShortcutFocusReason);
    menu_->setActiveAction(items.front());
}

void KeyboardNavigation::closeMenu() {
    menu_->setActiveAction(nullptr);
    if (!menu_->hasFocus()) return;
    if (focusBeforeMenu_ != nullptr && focusBeforeMenu_->isVisible() && focusBeforeMenu_->isEnabled()) {
        focusBeforeMenu_->setFocus(Qt::ShortcutFocusReason);
    } else if (pages_ != nullptr && pages_->tab(pages_->currentIndex()) != nullptr) {
        pages_->tab(pages_->currentIndex())->setFocus(Qt::ShortcutFocusReason);
    } else {
        menu_->clearFocus();
    }
}

bool KeyboardNavigation::menuKey(int key) {
    const std::vector<QAction*> items = menuActions();
    if (items.empty()) return false;
    const auto at = std::find(items.begin(), items.end(), menu_->activeAction());
    const int here = at == items.end() ? 0 : static_cast<int>(at - items.begin());
    const int last = static_cast<int>(items.size()) - 1;
    switch (key) {
        // The items stand in a row and are actions: Up and Down only move.
        case Qt::Key_Left:
        case Qt::Key_Up:
            menu_->setActiveAction(items[static_cast<size_t>(here > 0 ? here - 1 : last)]);
            return true;
        case Qt::Key_Right:
        case Qt::Key_Down:
            menu_->setActiveAction(items[static_cast<size_t>(here < last ? here + 1 : 0)]);
            return true;
        case Qt::Key_Home: menu_->setActiveAction(items.front()); return true;
        case Qt::Key_End: menu_->setActiveAction(items.back()); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: {
            QAction* chosen = items[static_cast<size_t>(here)];
            closeMenu();
            chosen->trigger();
            return true;
        }
        case Qt::Key_Escape:
        case Qt::Key_F10:
        case Qt::Key_Alt: closeMenu(); return true;
        default: return false;
    }
}

// ------------------------------------------------------------ events

// P anywhere in the main window but a text field, and Space on the match
// page's tab, hold or resume a running match.
bool KeyboardNavigation::holdKey(QObject* watched, int key) {
    auto* hold = qobject_cast<QAbstractButton*>(window_.widget("pause"));
    // Shown while a match runs, whichever page is in front.
    if (hold == nullptr || hold->isHidden() || !watched->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(watched);
    if (w->window() != &window_.mainWindow() || qobject_cast<QLineEdit*>(w) != nullptr) return false;
    const bool onMatchTab = key == Qt::Key_Space && w == AccessibleWindow::widgetFor(window_, "TabSheet9");
    if (key != Qt::Key_P && !onMatchTab) return false;
    hold->click();
    return true;
}

bool KeyboardNavigation::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menu_) {
        if (event->type() == QEvent::KeyPress) {
            if (menuKey(static_cast<QKeyEvent*>(event)->key())) return true;
        } else if (event->type() == QEvent::FocusOut && menu_->activeAction() != nullptr) {
            menu_->setActiveAction(nullptr);
        }
        return false;
    }
    // Tab and Shift+Tab find each radio group's stop where it now is.
    if (event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        if (keyEvent->modifiers() == Qt::NoModifier && holdKey(watched, key)) return true;
        auto* radio = qobject_cast<QRadioButton*>(watched);
        if (radio != nullptr && keyEvent->modifiers() == Qt::NoModifier &&
            radio->window() == &window_.mainWindow() && arrowInGroup(radio, key)) {
            return true;
        }
        if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_.mainWindow()) {
            syncRadioStops();
        }
    }
    return false;
}

}  // namespace splat::ui
