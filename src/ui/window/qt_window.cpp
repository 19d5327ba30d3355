#include "ui/window/qt_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "core/layout_table.h"
#include "ui/access/accessible_window.h"
#include "ui/access/keyboard_navigation.h"
#include "ui/book/book_window.h"
#include "ui/widgets/flat_page_control.h"
#include "ui/widgets/game_dialog.h"
#include "ui/widgets/game_label.h"
#include "ui/widgets/main_window.h"
#include "ui/widgets/message_box_style.h"
#include "ui/widgets/qt_text.h"

namespace splat::ui {
namespace {

bool insideDialog(const BuiltControl& c) { return c.desc->name.find('.') != std::string::npos; }

}  // namespace

QtWindow::QtWindow()
    : built_(buildWindow(prefetch_)), accessible_(std::make_unique<AccessibleWindow>(*this, *built_.main)) {}

QtWindow::~QtWindow() = default;

const BuiltControl* QtWindow::control(std::string_view name) const {
    const auto it = built_.controls.find(name);
    return it == built_.controls.end() ? nullptr : &it->second;
}

BuiltControl* QtWindow::find(std::string_view name) {
    const auto it = built_.controls.find(name);
    return it == built_.controls.end() ? nullptr : &it->second;
}

QWidget* QtWindow::widget(std::string_view name) const {
    const BuiltControl* c = control(name);
    return c != nullptr ? c->widget : nullptr;
}

QAction* QtWindow::menuItem(std::string_view name) const {
    const BuiltControl* c = control(name);
    return c != nullptr ? c->action : nullptr;
}

const QString* QtWindow::writtenText(std::string_view name) const {
    const BuiltControl* c = control(name);
    return c != nullptr ? &c->text : nullptr;
}

QTimer* QtWindow::timer(std::string_view name) const {
    const BuiltControl* c = control(name);
    return c != nullptr ? c->timer : nullptr;
}

GameDialog* QtWindow::dialog(std::string_view name) const { return qobject_cast<GameDialog*>(widget(name)); }

FlatPageControl* QtWindow::pageControl(std::string_view name) const {
    return qobject_cast<FlatPageControl*>(widget(name));
}

void QtWindow::showMain() {
    MainWindow& w = mainWindow();
    w.centreOnScreen();
    w.show();
    // The focus shows from the start, on the tab of the page in front.
    w.setAttribute(Qt::WA_KeyboardFocusChange);
    if (FlatPageControl* pages = pageControl("PageControl1"))
        if (FlatTab* tab = pages->tab(pages->currentIndex())) tab->setFocus(Qt::OtherFocusReason);
}

// ------------------------------------------------------------ bindings

void QtWindow::bind(Game& game) {
    game_ = &game;
    for (auto& [name, c] : built_.controls) bindControl(c);
    new KeyboardNavigation(*this);  // owned by the main window
}

void QtWindow::dispatch(const Binding* binding, int index, std::string_view text) {
    if (binding == nullptr || game_ == nullptr || mainClosed_) return;
    binding->handler(*game_, index, text);
}

void QtWindow::bindControl(BuiltControl& c) {
    const std::string& name = c.desc->name;
    switch (c.desc->kind) {
        case ControlKind::Button: {
            auto* button = qobject_cast<QAbstractButton*>(c.widget);
            if (const Binding* b = findBinding(name, Signal::Click)) {
                connect(button, &QAbstractButton::clicked, this, [this, b] { dispatch(b, 0, {}); });
            } else if (insideDialog(c)) {
                GameDialog* d = dialog(c.desc->parent);
                if (d != nullptr) connect(button, &QAbstractButton::clicked, d, &GameDialog::closeByButton);
            }
            break;
        }
        case ControlKind::Label:
            if (const Binding* b = findBinding(name, Signal::Click)) {
                auto* label = qobject_cast<GameLabel*>(c.widget);
                label->setClickable(true);
                connect(label, &GameLabel::clicked, this, [this, b] { dispatch(b, 0, {}); });
            }
            break;
        case ControlKind::MenuItem:
            if (const Binding* b = findBinding(name, Signal::Click)) {
                connect(c.action, &QAction::triggered, this, [this, b] { dispatch(b, 0, {}); });
            }
            break;
        case ControlKind::RadioButton:
            if (const Binding* b = findBinding(name, Signal::Click)) {
                connect(qobject_cast<QRadioButton*>(c.widget), &QAbstractButton::toggled, this,
                        [this, b](bool on) {
                            if (on) dispatch(b, 0, {});
                        });
            }
            break;
        case ControlKind::RadioGroup:
            if (const Binding* b = findBinding(name, Signal::Select)) {
                connect(c.group, &QButtonGroup::idToggled, this, [this, b](int id, bool on) {
                    if (on) dispatch(b, id, {});
                });
            }
            break;
        case ControlKind::Edit:
            if (const Binding* b = findBinding(name, Signal::Change)) {
                connect(qobject_cast<QLineEdit*>(c.widget), &QLineEdit::textEdited, this,
                        [this, b](const QString& t) { dispatch(b, 0, t.toStdString()); });
            }
            break;
        case ControlKind::PageControl:
            if (const Binding* b = findBinding(name, Signal::PageChange)) {
                connect(qobject_cast<FlatPageControl*>(c.widget), &FlatPageControl::pageChosen, this,
                        [this, b](int index) { dispatch(b, index, {}); });
            }
            break;
        case ControlKind::Timer:
            if (const Binding* b = findBinding(name, Signal::Tick)) {
                connect(c.timer, &QTimer::timeout, this, [this, b] { dispatch(b, 0, {}); });
            }
            break;
        default: break;
    }
}

// ------------------------------------------------------------ by name

void QtWindow::setText(std::string_view name, std::string_view text) {
    BuiltControl* c = find(name);
    if (c == nullptr) return;
    QString newText = qs(text);
    const bool differs = newText != c->text;
    c->text = std::move(newText);
    switch (c->desc->kind) {
        case ControlKind::Label: qobject_cast<GameLabel*>(c->widget)->setText(c->text); break;
        case ControlKind::Button:
        case ControlKind::RadioButton:
            qobject_cast<QAbstractButton*>(c->widget)->setText(literalCaption(c->text));
            break;
        case ControlKind::GroupBox:
        case ControlKind::RadioGroup:
            qobject_cast<QGroupBox*>(c->widget)->setTitle(literalCaption(c->text));
            break;
        case ControlKind::Edit: {
            auto* edit = qobject_cast<QLineEdit*>(c->widget);
            const QSignalBlocker quiet(edit);
            edit->setText(c->text);
            break;
        }
        case ControlKind::MenuItem: c->action->setText(literalCaption(c->text)); break;
        case ControlKind::Page: {
            FlatPageControl* owner = pageControl(c->desc->parent);
            if (owner != nullptr) owner->setCaption(owner->indexOf(c->widget), c->text);
            break;
        }
        case ControlKind::MainWindow:
        case ControlKind::Dialog: c->widget->setWindowTitle(c->text); break;
        default: break;
    }
    // What a screen reader is told follows the new text.
    accessible_->textChanged(name, differs);
}

std::string QtWindow::text(std::string_view name) const {
    const BuiltControl* c = control(name);
    if (c == nullptr) return {};
    if (c->desc->kind == ControlKind::Edit) return qobject_cast<QLineEdit*>(c->widget)->text().toStdString();
    return c->text.toStdString();
}

void QtWindow::setVisible(std::string_view name, bool visible) {
    BuiltControl* c = find(name);
    if (c == nullptr) return;
    switch (c->desc->kind) {
        case ControlKind::MenuItem: c->action->setVisible(visible); break;
        case ControlKind::Timer: setTimerEnabled(name, visible); break;
        // Pages are brought forward, windows shown through their own calls.
        case ControlKind::Page:
        case ControlKind::MainWindow:
        case ControlKind::Dialog:
        case ControlKind::MenuBar:
        case ControlKind::MediaPlayer: break;
        default:
            if (c->widget != nullptr) c->widget->setVisible(visible);
            break;
    }
}

void QtWindow::setEnabled(std::string_view name, bool enabled) {
    BuiltControl* c = find(name);
    if (c == nullptr) return;
    if (c->action != nullptr) {
        c->action->setEnabled(enabled);
    } else if (c->timer != nullptr) {
        setTimerEnabled(name, enabled);
    } else if (c->widget != nullptr) {
        c->widget->setEnabled(enabled);
    }
}

void QtWindow::setX(std::string_view name, int x) {
    BuiltControl* c = find(name);
    if (c == nullptr || c->widget == nullptr || c->desc->kind == ControlKind::Page) return;
    c->widget->move(x, c->widget->y());
}

void QtWindow::setMarked(std::string_view name, bool marked) {
    BuiltControl* c = find(name);
    if (c == nullptr) return;
    if (auto* label = qobject_cast<GameLabel*>(c->widget)) label->setMarked(marked);
}

void QtWindow::setItemIndex(std::string_view name, int index) {
    BuiltControl* c = find(name);
    if (c == nullptr) return;
    if (c->desc->kind == ControlKind::RadioButton) {
        setChecked(name, index == 1);
        return;
    }
    if (c->group == nullptr) return;
    const QSignalBlocker quietGroup(c->group);
    QAbstractButton* chosen = c->group->button(index);
    const QList<QAbstractButton*> items = c->group->buttons();
    std::vector<std::unique_ptr<QSignalBlocker>> quiet;
    for (QAbstractButton* item : items) quiet.push_back(std::make_unique<QSignalBlocker>(item));
    if (chosen != nullptr) {
        // The focus stays with the item that is now chosen.
        const bool focusInGroup = std::any_of(items.begin(), items.end(), [](QAbstractButton* b) {
            return b->window()->focusWidget() == b;  // also while a box has the activation
        });
        chosen->setChecked(true);
        if (focusInGroup) chosen->setFocus(Qt::OtherFocusReason);
    } else {
        // No item chosen: an exclusive group cannot uncheck its last item.
        c->group->setExclusive(false);
        for (QAbstractButton* item : items) item->setChecked(false);
        c->group->setExclusive(true);
    }
}

void QtWindow::setChecked(std::string_view name, bool checked) {
    BuiltControl* c = find(name);
    if (c == nullptr || c->desc->kind != ControlKind::RadioButton) return;
    auto* radio = qobject_cast<QRadioButton*>(c->widget);
    // Its neighbours in the same box uncheck themselves; keep them quiet too.
    std::vector<std::unique_ptr<QSignalBlocker>> quiet;
    for (QRadioButton* other : radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        quiet.push_back(std::make_unique<QSignalBlocker>(other));
    }
    if (checked) {
        radio->setChecked(true);
    } else {
        radio->setAutoExclusive(false);
        radio->setChecked(false);
        radio->setAutoExclusive(true);
    }
}

void QtWindow::showPage(std::string_view page) {
    BuiltControl* c = find(page);
    if (c == nullptr || c->desc->kind != ControlKind::Page) return;
    FlatPageControl* owner = pageControl(c->desc->parent);
    if (owner != nullptr) owner->setCurrentIndex(owner->indexOf(c->widget));
}

bool QtWindow::pageInFront(std::string_view page) const {
    const BuiltControl* c = control(page);
    if (c == nullptr || c->desc->kind != ControlKind::Page) return false;
    const FlatPageControl* owner = pageControl(c->desc->parent);
    return owner != nullptr && owner->currentIndex() == owner->indexOf(c->widget);
}

void QtWindow::setToolTip(std::string_view name, std::string_view text) {
    QWidget* w = AccessibleWindow::widgetFor(*this, name);
    if (w == nullptr) return;
    const QString tip = qs(text);
    // As a paragraph, so that a long tooltip wraps; the description stays plain.
    const QString shown =
        tip.isEmpty() ? tip : QStringLiteral("<p>") + tip.toHtmlEscaped() + QStringLiteral("</p>");
    if (w->toolTip() != shown) w->setToolTip(shown);
    if (w->accessibleDescription() != tip) w->setAccessibleDescription(tip);
}

void QtWindow::announce(std::string_view text) { accessible_->announceText(qs(text)); }

// ------------------------------------------------------------ boxes and dialogs

int QtWindow::runModal(QDialog& dialog) { return dialog.exec(); }

// Once the game has closed the main window nothing more comes up.
void QtWindow::message(std::string_view text, std::string_view caption) {
    if (mainClosed_) return;
    QMessageBox box(QMessageBox::NoIcon, caption.empty() ? QString::fromUtf8(kApplicationTitle) : qs(caption),
                    qs(text), QMessageBox::Ok, &mainWindow());
    box.setTextFormat(Qt::PlainText);
    styleMessageBox(box);
    runModal(box);
}

bool QtWindow::question(std::string_view text, std::string_view caption) {
    if (mainClosed_) return false;
    QMessageBox box(QMessageBox::Question, caption.empty() ? QString::fromUtf8(kApplicationTitle) : qs(caption),
                    qs(text), QMessageBox::Yes | QMessageBox::No, &mainWindow());
    box.setTextFormat(Qt::PlainText);
    styleMessageBox(box);
    box.setDefaultButton(QMessageBox::No);  // a stray Enter must not wipe the game
    return runModal(box) == QMessageBox::Yes;
}

void QtWindow::placeDialog(GameDialog& d, bool onMainWindow) {
    QRect area;
    if (onMainWindow) {
        area = mainWindow().frameGeometry();
    } else if (const QScreen* screen = mainWindow().screen() != nullptr ? mainWindow().screen()
                                                                        : QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) d.move(area.center() - QPoint(d.width() / 2, d.height() / 2));
}

void QtWindow::showDialog(std::string_view name) {
    GameDialog* d = dialog(name);
    if (d == nullptr || mainClosed_) return;
    const ControlSpec* desc = findControl(name);
    placeDialog(*d, desc != nullptr && desc->overMainWindow);
    runModal(*d);
}

// ------------------------------------------------------------ the season book

void QtWindow::openBook(const BookPages& pages) {
    if (mainClosed_) return;
    if (book_ == nullptr) {
        book_ = new BookWindow(&mainWindow());
        // Beside the main window when the screen has room, else over its lower right.
        const QRect main = mainWindow().frameGeometry();
        const QRect screen = mainWindow().screen()->availableGeometry();
        QPoint at = main.topRight() + QPoint(8, 0);
        if (at.x() + book_->width() > screen.right())
            at = main.topLeft() + QPoint(main.width() / 5, main.height() / 6);
        book_->move(at);
    }
    book_->show(pages);
    book_->QDialog::show();
    book_->raise();
    book_->activateWindow();
}

bool QtWindow::bookShown() const { return book_ != nullptr && book_->isVisible(); }

void QtWindow::updateBook(const BookPages& pages) {
    if (bookShown()) book_->show(pages);
}

// ------------------------------------------------------------ timers and closing

void QtWindow::setTimerEnabled(std::string_view name, bool enabled) {
    QTimer* t = timer(name);
    if (t == nullptr) return;
    if (!enabled) {
        t->stop();
    } else if (!t->isActive() && !mainClosed_) {
        t->start();
    }
}

void QtWindow::setTimerInterval(std::string_view name, int milliseconds) {
    QTimer* t = timer(name);
    if (t == nullptr) return;
    // Like a classic timer, a new interval starts counting afresh.
    t->setInterval(std::max(0, milliseconds));
}

void QtWindow::closeMain() {
    if (mainClosed_) return;
    mainClosed_ = true;
    for (auto& [name, c] : built_.controls) {
        if (c.timer != nullptr) c.timer->stop();
    }
    // Closing later lets the handler that asked for it finish on live widgets.
    QTimer::singleShot(0, built_.main.get(), [w = built_.main.get()] { w->close(); });
}

}  // namespace splat::ui
