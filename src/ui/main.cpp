// Splat League: the game on the Qt window.
//
// Developer switch: SPLAT_EXIT_AFTER_FIRST_FRAME=1 in the environment ends
// the program as soon as the main window has painted its first frame (used by
// the start-up benchmark).

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>
#include <exception>
#include <memory>

#include "core/audio.h"
#include "core/clock.h"
#include "core/game.h"
#include "core/ini_settings_store.h"
#ifdef SPLAT_HAVE_SDL_AUDIO
#include "audio/sdl_audio.h"
#endif
#include "ui/main_window.h"
#include "ui/qt_window.h"
#include "ui/theme.h"

namespace {

bool exitAfterFirstFrame() {
    const char* value = std::getenv("SPLAT_EXIT_AFTER_FIRST_FRAME");
    return value != nullptr && value[0] == '1' && value[1] == '\0';
}

int run(QApplication& app) {
    splat::ui::QtWindow window;
    splat::IniSettingsStore settings(splat::defaultSettingsPath());
#ifdef SPLAT_HAVE_SDL_AUDIO
    splat::SdlAudio audio;
#else
    splat::SilentAudio audio;  // a build without the audio backend
#endif
    splat::SystemClock clock;
    splat::Game game(window, audio, settings, clock);
    window.bind(game);

    game.startUp();
    if (window.mainClosed()) return 0;

    if (exitAfterFirstFrame()) {
        QObject::connect(&window.mainWindow(), &splat::ui::MainWindow::firstFramePainted, &app,
                         [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
    }
    window.showMain();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Splat League"));
    splat::ui::theme::apply(app);
    try {
        return run(app);
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Splat League"), QString::fromUtf8(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QStringLiteral("Splat League"),
                              QStringLiteral("The game could not start."));
    }
    return 1;
}
