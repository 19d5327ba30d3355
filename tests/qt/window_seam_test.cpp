// The window seam on Qt: what the game writes by control name shows on the
// widgets, and nothing written by the game fires a handler.

#include <gtest/gtest.h>

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "qt/qt_game.h"
#include "ui/flat_page_control.h"
#include "ui/main_window.h"

namespace splat::testing {
namespace {

TEST(WindowSeam, TextsReachEveryKindOfControlAndReadBackAsWritten) {
    QtGame g;
    g.window.setText("lblcash", "12345");
    EXPECT_EQ(qobject_cast<QLabel*>(g.widget("lblcash"))->text(), "12345");
    g.window.setText("SoundOff1", "Sound & Music");
    EXPECT_EQ(g.window.control("SoundOff1")->action->text(), "Sound && Music");  // no mnemonic
    EXPECT_EQ(g.text("SoundOff1"), "Sound & Music");
    g.window.setText("Start", "Start Game");
    EXPECT_EQ(qobject_cast<QPushButton*>(g.widget("Start"))->text(), "Start Game");
    g.window.setText("TForm5.Label1", "You are bankrupt");
    EXPECT_EQ(qobject_cast<QLabel*>(g.widget("TForm5.Label1"))->text(), "You are bankrupt");
    g.window.setText("RadioGroup5", "Speed");
    EXPECT_EQ(qobject_cast<QGroupBox*>(g.widget("RadioGroup5"))->title(), "Speed");
    g.window.setText("text", "Typed");
    EXPECT_EQ(g.text("text"), "Typed");
    EXPECT_EQ(g.text("no such control"), "");
    g.window.setText("no such control", "ignored");  // unknown names are ignored
}

TEST(WindowSeam, ProgrammaticChangesFireNoHandler) {
    QtGame g;
    const GameState before = g.game.state();
    g.window.setText("text", "Not typed");  // the name field's handler would rename the club
    EXPECT_EQ(g.game.state().teamName, before.teamName);
    g.window.setItemIndex("RadioGroup1", 4);  // the difficulty handler would start a new game
    EXPECT_EQ(g.window.control("RadioGroup1")->group->checkedId(), 4);
    EXPECT_EQ(g.game.state().difficulty, before.difficulty);
    g.window.setChecked("slowaction", true);
    EXPECT_TRUE(qobject_cast<QRadioButton*>(g.widget("slowaction"))->isChecked());
    EXPECT_FALSE(qobject_cast<QRadioButton*>(g.widget("normalaction"))->isChecked());
    EXPECT_EQ(g.game.state().gameSpeed, before.gameSpeed);
    g.window.showPage("TabSheet7");  // a user's page change would close the options
    EXPECT_EQ(g.window.pageControl("PageControl1")->currentIndex(), 6);
    EXPECT_TRUE(g.game.options().optionsOpen());
    EXPECT_FALSE(g.widget("optionspanel")->isHidden());
    g.window.showPage("markerPage7");
    EXPECT_EQ(g.window.pageControl("tab3")->currentIndex(), 6);
}

TEST(WindowSeam, ItemIndexMinusOneLeavesNoItemChosen) {
    QtGame g;
    g.window.setItemIndex("pr2", -1);
    EXPECT_EQ(g.window.control("pr2")->group->checkedId(), -1);
    g.window.setItemIndex("pr2", 0);
    EXPECT_EQ(g.window.control("pr2")->group->checkedId(), 0);
}

TEST(WindowSeam, VisibilityEnabledStateAndPlace) {
    QtGame g;
    g.window.setVisible("Panel39", true);
    EXPECT_FALSE(g.widget("Panel39")->isHidden());
    g.window.setEnabled("Panel59", false);
    EXPECT_FALSE(g.widget("Panel59")->isEnabled());
    EXPECT_FALSE(g.widget("RadioGroup1")->isEnabled());  // with everything in it
    g.window.setX("Panel18", 315);
    EXPECT_EQ(g.widget("Panel18")->pos(), QPoint(315, findControl("Panel18")->rect.y));
    g.window.setEnabled("Newgame1", false);
    EXPECT_FALSE(g.window.control("Newgame1")->action->isEnabled());
}

TEST(WindowSeam, TimersTickOnTheUserInterfaceThreadIntoTheirHandlers) {
    QtGame g;
    QTimer* t = g.window.timer("Timer1");
    g.window.setTimerInterval("Timer1", 300);
    EXPECT_EQ(t->interval(), 300);
    g.window.setTimerEnabled("Timer1", true);
    EXPECT_TRUE(t->isActive());
    g.window.setTimerEnabled("Timer1", false);
    EXPECT_FALSE(t->isActive());
    EXPECT_EQ(g.window.timer("MusicTimer")->interval(), 225000);

    // A match started by its button advances on the timer's ticks alone.
    g.window.showPage("TabSheet9");
    clickWidget(g.widget("Start"));
    if (!g.window.shown.empty()) GTEST_SKIP() << "the squad could not start: " << g.window.shown[0].text;
    ASSERT_TRUE(t->isActive());
    g.window.setTimerInterval("Timer1", 5);
    const std::string before = g.text("action1");
    EXPECT_TRUE(QTest::qWaitFor([&] { return g.text("action1") != before; }, 2000));
}

TEST(WindowSeam, ClosingTheMainWindowStopsTimersAndLeavesTheWidgetsUsable) {
    QtGame g;
    ui::MainWindow& w = g.window.mainWindow();
    ASSERT_TRUE(w.isVisible());
    g.window.setTimerEnabled("MusicTimer", true);
    g.window.closeMain();
    EXPECT_TRUE(g.window.mainClosed());
    EXPECT_FALSE(g.window.timer("MusicTimer")->isActive());
    // The handler that closed the window may still write to it.
    g.window.setText("lblcash", "-5");
    g.window.setVisible("Start", false);
    g.window.setTimerEnabled("Timer1", true);
    EXPECT_FALSE(g.window.timer("Timer1")->isActive());
    g.window.showDialog("TForm5");  // no dialog or box comes up any more
    g.window.message("late", "");
    g.window.answers.push_back(true);
    EXPECT_FALSE(g.window.question("late?", ""));
    EXPECT_TRUE(g.window.shown.empty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }, 1000));
    // Clicks that arrive late reach no handler.
    const std::string name = g.game.state().teamName;
    g.window.control("Options")->action->trigger();
    EXPECT_TRUE(g.widget("optionspanel")->isVisibleTo(&w));
    EXPECT_EQ(g.game.state().teamName, name);
}

TEST(WindowSeam, MessageAndQuestionBoxesCarryTheirCaptions) {
    QtGame g;
    g.window.message("Invalid value", "");
    g.window.message("Hello", "Notice");
    g.window.answers.push_back(true);
    EXPECT_TRUE(g.window.question("Are you sure?", ""));
    EXPECT_FALSE(g.window.question("Are you sure?", ""));
    ASSERT_EQ(g.window.shown.size(), 4u);
    EXPECT_EQ(g.window.shown[0].caption, "Splat League");
    EXPECT_EQ(g.window.shown[1].caption, "Notice");
    EXPECT_EQ(g.window.shown[2].text, "Are you sure?");
}

}  // namespace
}  // namespace splat::testing
