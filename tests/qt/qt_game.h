#pragma once
// A started game on the real Qt window (offscreen), with a fixed clock, audio
// that remembers its calls and settings in memory. Modal boxes and dialogs do
// not wait for a player: each records what it showed and answers at once.

#include <QDialog>
#include <QMessageBox>
#include <QPoint>
#include <deque>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/settings_store.h"
#include "game/game.h"
#include "logic/headless_game.h"
#include "ui/window/qt_window.h"

namespace splat::testing {

struct ShownModal {
    std::string name;     // objectName of a dialog; "" for a message box
    std::string caption;  // window title
    std::string text;     // a message box's text
    bool visibleWhileShown = false;
};

class AnsweringWindow : public ui::QtWindow {
public:
    std::vector<ShownModal> shown;
    std::deque<bool> answers;  // for Yes/No boxes; No when empty

protected:
    int runModal(QDialog& dialog) override {
        ShownModal m;
        m.name = dialog.objectName().toStdString();
        m.caption = dialog.windowTitle().toStdString();
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            m.text = box->text().toStdString();
            shown.push_back(m);
            if (box->standardButtons() & QMessageBox::Yes) {
                const bool yes = !answers.empty() && answers.front();
                if (!answers.empty()) answers.pop_front();
                return yes ? QMessageBox::Yes : QMessageBox::No;
            }
            return QMessageBox::Ok;
        }
        dialog.show();
        m.visibleWhileShown = dialog.isVisible();
        dialog.hide();
        shown.push_back(m);
        return QDialog::Accepted;
    }
};

struct QtGame {
    explicit QtGame(bool show = true) {
        window.bind(game);
        game.startUp();
        if (show) window.showMain();
    }

    std::string text(std::string_view name) const { return window.text(name); }
    QWidget* widget(std::string_view name) const { return window.widget(name); }

    AnsweringWindow window;
    ListeningAudio audio;
    MemorySettingsStore settings;
    FixedClock clock{1000000000};
    Game game{window, audio, settings, clock};
};

// A left click in the middle of a widget, as the player would make it.
void clickWidget(QWidget* w);
// Brings page `index` of a page control forward by clicking its tab.
void clickTab(ui::QtWindow& window, std::string_view pageControl, int index);

}  // namespace splat::testing
