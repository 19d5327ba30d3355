// A whole league game played on the real window: the match timer ticks on
// the event loop, the settlement opens the results dialog modally from inside
// a tick, and the week goes on once the player presses its button.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "core/clock.h"
#include "core/settings_store.h"
#include "game/game.h"
#include "qt/qt_game.h"
#include "ui/widgets/game_dialog.h"

namespace splat::testing {
namespace {

// Presses the one button of whatever modal window comes up, as a player
// would, and remembers which windows those were.
class ModalPresser : public QObject {
public:
    explicit ModalPresser(ui::QtWindow& window) : window_(window) {
        connect(&poll_, &QTimer::timeout, this, [this] { press(); });
        poll_.start(5);
    }
    std::vector<std::string> seen;
    bool timerWasOffUnderDialog = true;

private:
    void press() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        seen.push_back(modal->objectName().isEmpty() ? std::string("message")
                                                     : modal->objectName().toStdString());
        if (window_.timer("Timer1")->isActive()) timerWasOffUnderDialog = false;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->button(box->standardButtons() & QMessageBox::Yes ? QMessageBox::No : QMessageBox::Ok)->click();
        } else if (auto* d = qobject_cast<ui::GameDialog*>(modal)) {
            for (QPushButton* b : d->findChildren<QPushButton*>()) b->click();
        }
    }

    ui::QtWindow& window_;
    QTimer poll_;
};

TEST(MatchOnWindow, AGameIsPlayedOnTheTimerAndTheResultsDialogClosesByItsButton) {
    ui::QtWindow window;
    MemorySettingsStore settings;
    SilentAudio audio;
    FixedClock clock(1000000000);
    Game game(window, audio, settings, clock);
    window.bind(game);
    game.startUp();
    window.showMain();
    ModalPresser presser(window);

    clickWidget(window.widget("dxButton1"));  // close the options
    window.showPage("TabSheet9");
    clickWidget(window.widget("fastaction"));
    window.setTimerInterval("Timer1", 2);  // a quick match for the test
    const int week = game.state().week;
    clickWidget(window.widget("Start"));
    ASSERT_TRUE(window.timer("Timer1")->isActive()) << "the match did not start";
    EXPECT_TRUE(window.widget("Start")->isHidden());

    ASSERT_TRUE(QTest::qWaitFor([&] { return game.state().week != week; }, 20000))
        << "the week was not settled";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.widget("Start")->isHidden(); }, 2000));
    EXPECT_FALSE(window.timer("Timer1")->isActive());
    ASSERT_FALSE(presser.seen.empty());
    EXPECT_NE(std::find(presser.seen.begin(), presser.seen.end(), "Tresults"), presser.seen.end());
    EXPECT_TRUE(presser.timerWasOffUnderDialog);
    EXPECT_FALSE(window.dialog("Tresults")->isVisible());
    // The results dialog keeps what the settlement wrote into it.
    EXPECT_FALSE(window.text("Tresults.lblresult").empty());
    EXPECT_EQ(window.text("weeknumber"), std::to_string(game.state().week));
}

}  // namespace
}  // namespace splat::testing
