#pragma once
// The keyboard alone, as a player without a mouse uses it: keys go to the
// widget that has the focus, and modal windows are answered by keys too.

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QWidget;

namespace splat::testing {

// Where a key pressed now goes: the focus widget, else the active window.
QWidget* keyTarget();
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void typeText(const QString& text);
// Presses Tab until `w` has the focus; false when it never comes.
bool tabTo(QWidget* w, int most = 300);
// Activates `w`'s window so that it takes keys.
bool activate(QWidget* w);

// Answers the modal windows that come up, in turn, with the given keys
// pressed on the window's focus widget; remembers which windows came.
class ModalKeys : public QObject {
public:
    struct Answer {
        int key;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    };
    ModalKeys();
    // The keys for the next modal window, pressed one after the other.
    void expect(std::vector<Answer> keys) { answers_.push_back(std::move(keys)); }
    std::vector<std::string> seen;       // objectName, or the text of a message box
    std::vector<std::string> focusedOn;  // the text of the button that had the focus

private:
    void poll();
    std::deque<std::vector<Answer>> answers_;
    QTimer timer_;
};

}  // namespace splat::testing
