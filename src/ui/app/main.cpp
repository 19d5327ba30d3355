// Splat League: the game on the Qt window.
//
// Developer switch: SPLAT_EXIT_AFTER_FIRST_FRAME=1 in the environment ends
// the program as soon as the main window has painted its first frame (used by
// the start-up benchmark).

#include <QApplication>
#include <QKeySequence>
#include <QMessageBox>
#include <QShortcut>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "audio/audio_module.h"
#include "audio/background_audio.h"
#include "core/asset_path.h"
#include "core/audio.h"
#include "core/clock.h"
#include "core/game_title.h"
#include "core/ini_settings_store.h"
#include "game/game.h"
#include "game/guide_numbers.h"
#include "ui/app/app_identity.h"
#include "ui/app/display_guard.h"
#include "ui/app/startup_guard.h"
#include "ui/guide/guide_window.h"
#include "ui/widgets/flat_page_control.h"
#include "ui/widgets/main_window.h"
#include "ui/widgets/theme.h"
#include "ui/window/qt_window.h"

namespace {

bool exitAfterFirstFrame() {
    const char* value = std::getenv("SPLAT_EXIT_AFTER_FIRST_FRAME");
    return value != nullptr && value[0] == '1' && value[1] == '\0';
}

// The main window's page in front ("TabSheet3"), or "".
std::string pageInFront(const splat::ui::QtWindow& window) {
    const auto* pages = qobject_cast<const splat::ui::FlatPageControl*>(window.widget("PageControl1"));
    const auto& names = splat::mainPages();
    if (pages == nullptr || pages->currentIndex() < 0 ||
        pages->currentIndex() >= static_cast<int>(names.size()))
        return {};
    return names[static_cast<size_t>(pages->currentIndex())];
}

// "How to play" (F1) opens the guide, Shift+F1 at the page in front; the
// guide is read from its files the first time it is opened.
void connectGuide(splat::ui::QtWindow& window, std::unique_ptr<splat::ui::GuideWindow>& guide) {
    const auto open = [&window, &guide](const std::string& page) {
        if (!guide) {
            guide = std::make_unique<splat::ui::GuideWindow>(
                splat::ui::loadGuide(splat::ui::findGuideFolder(splat::assetFolders()),
                                     [](std::string_view text) { return splat::fillGuide(text); }),
                &window.mainWindow());
        }
        guide->openAt(page);
    };
    if (const auto* item = window.control("HowToPlay"); item != nullptr && item->action != nullptr)
        QObject::connect(item->action, &QAction::triggered, &window.mainWindow(), [open] { open({}); });
    auto* here = new QShortcut(QKeySequence(QStringLiteral("Shift+F1")), &window.mainWindow());
    QObject::connect(here, &QShortcut::activated, &window.mainWindow(),
                     [open, &window] { open(pageInFront(window)); });
}

// The game that a late failure of the sound is reported to, while it runs.
splat::Game* runningGame = nullptr;

int run(QApplication& app, splat::BackgroundAudio& audio) {
    splat::IniSettingsStore settings(splat::defaultSettingsPath());
    splat::ui::QtWindow window;
    splat::SystemClock clock;
    splat::Game game(window, audio, settings, clock);
    window.bind(game);
    runningGame = &game;
    struct Forget {
        ~Forget() { runningGame = nullptr; }
    } forget;

    game.startUp();
    if (window.mainClosed()) return 0;
    std::unique_ptr<splat::ui::GuideWindow> guide;
    connectGuide(window, guide);

    if (exitAfterFirstFrame()) {
        QObject::connect(&window.mainWindow(), &splat::ui::MainWindow::firstFramePainted, &app, [] {
            // Once the frame is through, end at once: what the
            // switch measures is the way to the first frame.
            QTimer::singleShot(0, qApp, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        });
    }
    // The sound and the icon come once the first frame is up (or after half
    // a second, should the window not be shown at once).
    const auto afterFirstFrame = [&app, &audio] {
        splat::ui::applyIcon(app);
        audio.start();
    };
    QObject::connect(&window.mainWindow(), &splat::ui::MainWindow::firstFramePainted, &app, afterFirstFrame);
    QTimer::singleShot(500, &app, afterFirstFrame);
    window.showMain();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    splat::ui::DisplayGuard display;  // no display: one line on stderr, status 1
    QApplication app(argc, argv);
    display.opened();
    splat::ui::applyIdentity();
    splat::ui::theme::apply(app);
    // The sound comes up on a helper thread once the window is on the screen.
    splat::BackgroundAudio audio(&splat::openAudioModule, [](const std::string& error) {
        QMetaObject::invokeMethod(
            qApp,
            [error] {
                if (runningGame != nullptr) {
                    runningGame->sound().musicFailed(error);  // music off for the run, told once
                } else {
                    QMessageBox::warning(QApplication::activeWindow(), QString::fromUtf8(splat::kGameTitle),
                                         QString::fromStdString(error));
                }
            },
            Qt::QueuedConnection);
    });
    return splat::ui::runShowingErrors([&] { return run(app, audio); },
                                       [&app](const QString& text) {
                                           splat::ui::applyIcon(app);
                                           QMessageBox::critical(nullptr, QString::fromUtf8(splat::kGameTitle),
                                                                 text);
                                       });
}
