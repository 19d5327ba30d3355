#pragma once
// What keyboard and screen-reader support need of a window built from the
// layout table: its main window and its controls by name. The Qt window
// answers it; the access room sees no more of it than this.

#include <string_view>

class QAction;
class QString;
class QWidget;

namespace splat::ui {

class MainWindow;

class WindowControls {
public:
    virtual MainWindow& mainWindow() = 0;
    // The widget of control `name`, or nullptr when it has none (a radio
    // group's items are its children named "GROUP#INDEX").
    virtual QWidget* widget(std::string_view name) const = 0;
    // The menu item `name`, or nullptr.
    virtual QAction* menuItem(std::string_view name) const = 0;
    // The text the game last wrote into control `name`, kept at this address
    // for the life of the window (nullptr when there is no such control).
    virtual const QString* writtenText(std::string_view name) const = 0;

protected:
    ~WindowControls() = default;
};

}  // namespace splat::ui
