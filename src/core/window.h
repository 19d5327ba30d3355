#pragma once
// The window seam: everything the game logic does to the screen, by control
// name. The Qt window and the headless window both implement it.

#include <string>
#include <string_view>

#include "core/book_records.h"

namespace splat {

class Window {
public:
    virtual ~Window() = default;

    virtual void setText(std::string_view name, std::string_view text) = 0;
    virtual std::string text(std::string_view name) const = 0;
    virtual void setVisible(std::string_view name, bool visible) = 0;
    virtual void setEnabled(std::string_view name, bool enabled) = 0;
    virtual void setX(std::string_view name, int x) = 0;
    // Marks a label as showing the player's own club (or unmarks it).
    virtual void setMarked(std::string_view name, bool marked) = 0;
    // The chosen item of a radio group (fires no handler).
    virtual void setItemIndex(std::string_view name, int index) = 0;
    // Checks a radio button (fires no handler).
    virtual void setChecked(std::string_view name, bool checked) = 0;
    // Brings a page to the front without firing the change-of-page handler.
    virtual void showPage(std::string_view page) = 0;
    // Whether `page` is the page in front of its page control.
    virtual bool pageInFront(std::string_view page) const = 0;
    // What the control does, as a tooltip and its description for a screen
    // reader (the text it shows stays as it is); "" takes it away.
    virtual void setToolTip(std::string_view name, std::string_view text) = 0;
    // Says `text` once to a screen reader, in order after what it is saying;
    // nothing is shown.
    virtual void announce(std::string_view text) = 0;

    // An OK message box; an empty caption means the application's title.
    virtual void message(std::string_view text, std::string_view caption) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(std::string_view text, std::string_view caption) = 0;
    // Shows dialog `name` modally and returns when it is closed.
    virtual void showDialog(std::string_view name) = 0;

    virtual void setTimerEnabled(std::string_view timer, bool enabled) = 0;
    virtual void setTimerInterval(std::string_view timer, int milliseconds) = 0;

    // Closes the main window, which ends the program.
    virtual void closeMain() = 0;

    // The season book's window, beside the main window (non-modal): shown
    // and brought to the front with `pages`; while it is shown, the book
    // gives it its new pages after every change. A window without one
    // shows nothing.
    virtual void openBook(const BookPages& pages) { (void)pages; }
    virtual bool bookShown() const { return false; }
    virtual void updateBook(const BookPages& pages) { (void)pages; }
};

}  // namespace splat
