#include "ui/app/display_guard.h"

#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/game_title.h"

namespace splat::ui {

namespace {

// A message of Qt's held back, with copies of what its context points to.
struct Held {
    QtMsgType type;
    std::string file, function, category;
    int line;
    QString text;
};
std::vector<Held> held;
QtMessageHandler previous = nullptr;

std::string noDisplayLine() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool named = (x11 != nullptr && x11[0] != '\0') || (wayland != nullptr && wayland[0] != '\0');
    std::string line = std::string(kGameTitle) + ": ";
    if (!named) return line + "no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n";
    line += "cannot open the window: the display";
    if (x11 != nullptr && x11[0] != '\0') line += std::string(" DISPLAY=") + x11;
    if (wayland != nullptr && wayland[0] != '\0') line += std::string(" WAYLAND_DISPLAY=") + wayland;
    return line + " does not answer\n";
}

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt cannot go on without a display: one line, and no abort.
        const std::string line = noDisplayLine();
        (void)!::write(STDERR_FILENO, line.data(), line.size());
        ::_exit(1);
    }
    held.push_back({type, context.file ? context.file : "", context.function ? context.function : "",
                    context.category ? context.category : "", context.line, text});
}

}  // namespace

DisplayGuard::DisplayGuard() { previous = qInstallMessageHandler(&holdOrEnd); }

void DisplayGuard::opened() {
    if (!watching_) return;
    watching_ = false;
    qInstallMessageHandler(previous);
    for (const Held& h : held) {
        const QMessageLogContext context(h.file.empty() ? nullptr : h.file.c_str(), h.line,
                                         h.function.empty() ? nullptr : h.function.c_str(),
                                         h.category.empty() ? nullptr : h.category.c_str());
        qt_message_output(h.type, context, h.text);
    }
    held.clear();
}

}  // namespace splat::ui
