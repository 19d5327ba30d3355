#pragma once
// Opening the window system. Without a display to show the window on (none
// named, or the one named refuses the connection) the game says so in one
// line on standard error and ends with status 1, instead of Qt's several
// lines and an abort.

namespace splat::ui {

// Made just before the QApplication, let go of just after it: Qt's messages
// of the while are held back and, once the display is open, passed on as
// they came.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard() { opened(); }
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    void opened();

private:
    bool watching_ = true;
};

}  // namespace splat::ui
