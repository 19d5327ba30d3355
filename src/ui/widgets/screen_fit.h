#pragma once
// The main window on a screen too small for it (a small display or a large
// scale factor): the window shrinks to the screen's free area, its client
// area scrolls, and it is placed so that the title bar stays on the screen.

#include <QRect>
#include <QSize>

class QMainWindow;

namespace splat::ui {

// Sizes and places `window`, designed at `designed` (with its menu bar), in
// the free area `free`; wraps the client area in a scroll area when needed.
void fitIntoScreen(QMainWindow& window, QSize designed, const QRect& free);

// Whether the client area of `window` scrolls.
bool clientScrolls(const QMainWindow& window);

}  // namespace splat::ui
