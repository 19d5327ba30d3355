// A week of the game played with the keyboard alone, on the real window with
// real modal windows: no mouse event anywhere.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "core/clock.h"
#include "core/settings_store.h"
#include "game/game.h"
#include "logic/headless_game.h"
#include "qt/keys.h"
#include "ui/access/focus_guard.h"
#include "ui/widgets/flat_page_control.h"
#include "ui/widgets/game_dialog.h"
#include "ui/widgets/main_window.h"
#include "ui/window/qt_window.h"

namespace splat::testing {
namespace {

struct KeyboardGame {
    KeyboardGame() {
        window.bind(game);
        game.startUp();
        window.showMain();
    }
    QWidget* widget(std::string_view name) const { return window.widget(name); }
    ui::FlatPageControl* pages(std::string_view name) const { return window.pageControl(name); }
    QWidget* frontTab(std::string_view name) const { return pages(name)->tab(pages(name)->currentIndex()); }
    const GameState& state() { return game.state(); }

    ui::QtWindow window;
    MemorySettingsStore settings;
    SilentAudio audio;
    FixedClock clock{1000000000};
    Game game{window, audio, settings, clock};
};

TEST(KeyboardPlay, AWeekIsPlayedWithKeysAlone) {
    KeyboardGame g;
    ASSERT_TRUE(activate(&g.window.mainWindow()));
    ModalKeys modals;

    // Options. A refused difficulty change leaves the selector on the level in
    // force, so that the same level can be picked again and accepted.
    auto* amateur = g.widget("RadioGroup1")->findChild<QRadioButton*>(QStringLiteral("RadioGroup1#1"));
    ASSERT_NE(amateur, nullptr);
    ASSERT_TRUE(tabTo(amateur)) << "Tab does not stop at the checked difficulty";
    modals.expect({{Qt::Key_Return}});  // "No" is the default
    press(Qt::Key_Down);
    EXPECT_EQ(g.state().difficulty, 4);
    EXPECT_TRUE(amateur->isChecked());
    EXPECT_EQ(g.window.mainWindow().focusWidget(), amateur);
    modals.expect({{Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Space}});  // over to Yes
    press(Qt::Key_Down);
    EXPECT_EQ(g.state().difficulty, 5);
    ASSERT_EQ(modals.seen.size(), 2u);
    EXPECT_EQ(modals.seen[0], "This will start a new game. Go ahead?");
    EXPECT_EQ(modals.focusedOn[0], "No");

    auto* games = qobject_cast<QLineEdit*>(g.widget("deadline"));
    ASSERT_TRUE(tabTo(games));
    press(Qt::Key_A, Qt::ControlModifier);
    typeText(QStringLiteral("25"));
    modals.expect({{Qt::Key_Return}});  // the "ok" box
    press(Qt::Key_Return);              // presses "Enter"
    EXPECT_EQ(g.state().gamesPerSeason, 25);
    EXPECT_EQ(modals.seen.back(), "ok");

    ASSERT_TRUE(tabTo(g.widget("text")));
    press(Qt::Key_A, Qt::ControlModifier);
    typeText(QStringLiteral("Keys"));
    EXPECT_EQ(g.state().teamName, "Keys");
    press(Qt::Key_Return);  // presses "Ok"
    EXPECT_TRUE(g.widget("optionspanel")->isHidden());

    g.game.editableState().cash = 60000;  // enough for every purchase of the week

    // Every page: by Ctrl+Tab, back by Ctrl+PgUp, and by Alt+number.
    ui::FlatPageControl* pages = g.pages("PageControl1");
    for (int i = 1; i < 9; ++i) {
        press(Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(pages->currentIndex(), i);
    }
    press(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), 0) << "Ctrl+PgDn wraps round";
    press(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), 8);
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pages->currentIndex(), 7);
    for (int n = 9; n >= 1; --n) {
        press(Qt::Key_0 + n, Qt::AltModifier);
        EXPECT_EQ(pages->currentIndex(), n - 1);
        EXPECT_EQ(QApplication::focusWidget(), pages->tab(n - 1));
    }
    press(Qt::Key_Right);  // the arrows move between tabs
    EXPECT_EQ(pages->currentIndex(), 1);
    press(Qt::Key_Left);
    EXPECT_EQ(pages->currentIndex(), 0);

    // A player hired.
    press(Qt::Key_4, Qt::AltModifier);
    ASSERT_TRUE(tabTo(g.widget("playersearch")));
    press(Qt::Key_Return);  // Enter presses a button as Space does
    ASSERT_FALSE(g.widget("Panel24")->isHidden());
    const std::string found = g.state().scoutedPlayerName;
    ASSERT_TRUE(tabTo(g.widget("replace2")));
    press(Qt::Key_Space);
    EXPECT_EQ(g.state().playerNames[1][2], found);

    // A marker bought for a player without one.
    press(Qt::Key_5, Qt::AltModifier);
    ASSERT_TRUE(tabTo(g.widget("pla3")));
    press(Qt::Key_Return);
    EXPECT_EQ(g.state().selectedPlayer, 3);
    ASSERT_TRUE(tabTo(g.widget("sellweapon")));
    press(Qt::Key_Space);
    ASSERT_EQ(g.state().players[1][3].marker, 0);
    EXPECT_FALSE(ui::spendsWhenPressed(QApplication::focusWidget()));
    ASSERT_TRUE(tabTo(g.frontTab("tab3")));
    press(Qt::Key_Right);  // "MB gun"
    ASSERT_TRUE(tabTo(g.widget("buy2")));
    press(Qt::Key_Space);
    EXPECT_EQ(g.state().players[1][3].marker, 2);

    // A boost paid.
    press(Qt::Key_2, Qt::AltModifier);
    ASSERT_TRUE(tabTo(g.frontTab("PageControl4")));
    press(Qt::Key_Right);  // "Boost"
    ASSERT_TRUE(tabTo(g.widget("boost4")));
    press(Qt::Key_Space);
    EXPECT_NE(g.state().shootingBoost[4], 0);
    EXPECT_FALSE(ui::spendsWhenPressed(QApplication::focusWidget()));

    // The match at Fast, played out; the results dialog closed by Enter.
    press(Qt::Key_9, Qt::AltModifier);
    ASSERT_TRUE(tabTo(g.widget("normalaction")));
    press(Qt::Key_Up);
    EXPECT_TRUE(qobject_cast<QRadioButton*>(g.widget("fastaction"))->isChecked());
    EXPECT_EQ(g.window.timer("Timer1")->interval(), 300);
    ASSERT_TRUE(tabTo(g.widget("Start")));
    modals.expect({{Qt::Key_Return}});
    press(Qt::Key_Space);
    ASSERT_TRUE(g.window.timer("Timer1")->isActive()) << "the match did not start";
    g.window.setTimerInterval("Timer1", 1);  // a quicker whistle for the test
    ASSERT_TRUE(QTest::qWaitFor([&] { return g.state().week == 2; }, 30000)) << "the week was not settled";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !g.widget("Start")->isHidden(); }, 2000));
    EXPECT_EQ(modals.seen.back(), "Tresults");
    EXPECT_EQ(modals.focusedOn.back(), "OK");
    EXPECT_FALSE(g.window.dialog("Tresults")->isVisible());

    // New game from the menu bar, refused by Enter: "No" is the default.
    press(Qt::Key_F10);
    EXPECT_EQ(g.window.mainWindow().menuBar()->activeAction(), g.window.control("Newgame1")->action);
    modals.expect({{Qt::Key_Return}});
    press(Qt::Key_Return);
    EXPECT_EQ(modals.seen.back(), "Are you sure?");
    EXPECT_EQ(modals.focusedOn.back(), "No");
    EXPECT_EQ(g.state().week, 2) << "the game was wiped";
    EXPECT_EQ(g.state().playerNames[1][2], found);
    for (const std::string& s : modals.seen) EXPECT_EQ(s.rfind("unexpected", 0), std::string::npos) << s;
}

TEST(KeyboardPlay, EnterAndEscapeCloseEveryDialogAsItsOK) {
    struct Case {
        const char* dialog;
        bool escapeCloses;
    };
    for (const Case c : {Case{"Tresults", true}, Case{"Tendseason", true}, Case{"TForm4", true},
                         Case{"TForm5", true}, Case{"TAbout", true}}) {
        SCOPED_TRACE(c.dialog);
        KeyboardGame g;
        ASSERT_TRUE(activate(&g.window.mainWindow()));
        {
            ModalKeys modals;
            modals.expect({{Qt::Key_Return}});
            g.window.showDialog(c.dialog);
            ASSERT_EQ(modals.seen.size(), 1u);
            EXPECT_EQ(QString::fromStdString(modals.focusedOn[0]).toLower(), "ok")
                << "OK is not the focused default";
            EXPECT_EQ(g.window.dialog(c.dialog)->result(), QDialog::Accepted);
        }
        {
            // Escape first; where it does nothing, Enter ends the dialog.
            ModalKeys modals;
            modals.expect({{Qt::Key_Escape}});
            modals.expect({{Qt::Key_Return}});
            g.window.showDialog(c.dialog);
            EXPECT_EQ(modals.seen.size(), c.escapeCloses ? 1u : 2u);
            EXPECT_EQ(g.window.dialog(c.dialog)->result(), QDialog::Accepted) << "Escape acts as OK";
        }
    }
}

TEST(KeyboardPlay, MenuArrowsOnlyMoveAltAloneStaysAndPHoldsTheMatch) {
    KeyboardGame g;
    ASSERT_TRUE(activate(&g.window.mainWindow()));
    ModalKeys modals;
    QMenuBar* menu = g.window.mainWindow().menuBar();
    press(Qt::Key_Alt);
    EXPECT_EQ(menu->activeAction(), nullptr) << "Alt alone took the menu bar";

    // Down and Up on the menu bar's items (actions all) move and use nothing.
    const bool sound = g.state().soundOn;
    press(Qt::Key_F10);
    QAction* first = menu->activeAction();
    ASSERT_NE(first, nullptr);
    // Every item in turn gets a Down (the sound switch and "New game" among them).
    const auto items = static_cast<int>(menu->actions().size());
    press(Qt::Key_Down);
    EXPECT_NE(menu->activeAction(), first);
    for (int i = 1; i < items; ++i) press(Qt::Key_Down);
    for (int i = 0; i < items; ++i) press(Qt::Key_Up);
    EXPECT_EQ(menu->activeAction(), first);
    press(Qt::Key_Escape);
    EXPECT_TRUE(modals.seen.empty());
    EXPECT_EQ(g.state().soundOn, sound);
    EXPECT_EQ(g.state().week, 1);

    // P, and Space on the match page's tab, hold and resume the match.
    QTimer* timer = g.window.timer("Timer1");
    press(Qt::Key_P);  // no match: nothing to hold or let go
    EXPECT_FALSE(timer->isActive());
    g.game.match().StartClick();
    ASSERT_TRUE(timer->isActive());
    press(Qt::Key_P);
    EXPECT_FALSE(timer->isActive());
    const int minute = g.state().matchMinute;
    QTest::qWait(3 * timer->interval());
    EXPECT_EQ(g.state().matchMinute, minute);
    press(Qt::Key_P);
    EXPECT_TRUE(timer->isActive());
    g.window.showPage("TabSheet9");
    g.frontTab("PageControl1")->setFocus();
    press(Qt::Key_Space);
    EXPECT_FALSE(timer->isActive());
    press(Qt::Key_Space);
    EXPECT_TRUE(timer->isActive());
}

}  // namespace
}  // namespace splat::testing
