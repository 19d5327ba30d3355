#pragma once
// Builds the main window and the five dialogs from the layout table: one
// widget (or menu action, or timer) per entry, named, placed and styled as the
// entry says. The dialogs are created hidden.

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "core/layout_table.h"
#include "core/name_map.h"

class QAction;
class QButtonGroup;
class QTimer;
class QWidget;

namespace splat::ui {

class MainWindow;

struct BuiltControl {
    const ControlSpec* desc = nullptr;
    QWidget* widget = nullptr;      // every visible kind
    QAction* action = nullptr;      // menu items
    QTimer* timer = nullptr;        // timers
    QButtonGroup* group = nullptr;  // radio groups
    QString text;                   // the text as last set, without mnemonic escapes
};

struct BuiltWindow {
    std::unique_ptr<MainWindow> main;
    NameMap<BuiltControl> controls;
};

namespace pictures {
class Prefetch;
}

// The pictures of the first frame start decoding on `prefetch` meanwhile.
BuiltWindow buildWindow(pictures::Prefetch& prefetch);

// A caption for a button, radio button, group or menu item: a '&' stays a '&'.
QString literalCaption(const QString& text);

}  // namespace splat::ui
