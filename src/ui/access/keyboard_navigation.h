#pragma once
// Playing without a mouse: Ctrl+Tab / Ctrl+Shift+Tab and Ctrl+PgDn / Ctrl+PgUp
// change page, Alt+1..Alt+9 jump to a page, F10 takes the menu bar (arrows
// move, Enter or Space use the item, Escape leaves; Alt alone never takes it), Enter presses the
// focused button and, in the options' fields, the field's button; every
// dialog's one button is its default; the Tab chain follows the reading order
// and stops at the checked item of a radio group; P (and Space on the match
// page's tab) holds and resumes a running match; and the focus keeps off
// spending buttons.

#include <QObject>
#include <QPointer>
#include <string_view>
#include <vector>

class QAction;
class QMenuBar;
class QRadioButton;
class QWidget;

namespace splat::ui {

class FlatPageControl;
class WindowControls;

class KeyboardNavigation : public QObject {
    Q_OBJECT
public:
    // Installs itself on the built window; owned by the main window.
    explicit KeyboardNavigation(WindowControls& window);

    // Makes the checked item of every radio group its group's one Tab stop
    // (the first item while none is checked).
    void syncRadioStops();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addShortcuts();
    void pressOnEnter(std::string_view edit, std::string_view button);
    void makeDialogButtonsDefault();
    void collectRadioGroups();
    QWidget* checkedSibling(const QWidget* item) const;
    bool arrowInGroup(QRadioButton* item, int key);
    bool holdKey(QObject* watched, int key);

    void stepPage(int delta);
    void choosePage(int index);

    void openMenu();
    void closeMenu();
    bool menuKey(int key);
    std::vector<QAction*> menuActions() const;

    WindowControls& window_;
    FlatPageControl* pages_ = nullptr;
    QMenuBar* menu_ = nullptr;
    QPointer<QWidget> focusBeforeMenu_;
    std::vector<std::vector<QWidget*>> radioGroups_;
};

}  // namespace splat::ui
