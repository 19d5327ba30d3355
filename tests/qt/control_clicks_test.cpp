// Clicking the window's controls, as the player does, reaches the handlers of
// the binding table: the same ones the headless driver reaches.

#include <gtest/gtest.h>

#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "core/layout_table.h"
#include "qt/qt_game.h"
#include "ui/widgets/flat_page_control.h"
#include "ui/widgets/game_dialog.h"

namespace splat::testing {
namespace {

bool shown(const QtGame& g, std::string_view name) { return !g.widget(name)->isHidden(); }

const char* const kSquadPanels[] = {"Panel1", "Panel56", "Panel58", "Button1"};

TEST(ControlClicks, StartUpShowsTheOptionsPanelOnTheTeamPage) {
    QtGame g;
    EXPECT_TRUE(shown(g, "optionspanel"));
    for (const char* name : kSquadPanels) EXPECT_FALSE(shown(g, name)) << name;
    EXPECT_EQ(g.window.pageControl("PageControl1")->currentIndex(), 0);
    EXPECT_EQ(g.window.timer("Timer1")->interval(), 500);
    EXPECT_FALSE(g.window.timer("Timer1")->isActive());
}

TEST(ControlClicks, ChangingThePageClosesTheOptionsAndBringsBackTheSquad) {
    QtGame g;
    // Sub-pages have no handler: choosing one leaves the options open.
    g.window.showPage("TabSheet2");
    clickTab(g.window, "PageControl4", 2);
    EXPECT_EQ(g.window.pageControl("PageControl4")->currentIndex(), 2);
    EXPECT_TRUE(shown(g, "optionspanel"));
    // Clicking the tab of the page in front changes nothing either.
    clickTab(g.window, "PageControl1", 1);
    EXPECT_TRUE(shown(g, "optionspanel"));
    clickTab(g.window, "PageControl1", 6);  // League table
    EXPECT_EQ(g.window.pageControl("PageControl1")->currentIndex(), 6);
    EXPECT_FALSE(shown(g, "optionspanel"));
    for (const char* name : kSquadPanels) EXPECT_TRUE(shown(g, name)) << name;
    EXPECT_FALSE(g.game.options().optionsOpen());
}

TEST(ControlClicks, TheOptionsMenuTogglesThePanelAndBringsTheTeamPageForward) {
    QtGame g;
    QAction* options = g.window.control("Options")->action;
    options->trigger();  // open at start: the first use closes it
    EXPECT_FALSE(shown(g, "optionspanel"));
    clickTab(g.window, "PageControl1", 3);
    options->trigger();
    EXPECT_TRUE(shown(g, "optionspanel"));
    for (const char* name : kSquadPanels) EXPECT_FALSE(shown(g, name)) << name;
    EXPECT_EQ(g.window.pageControl("PageControl1")->currentIndex(), 0);
    options->trigger();  // a second use hides it again and stays on the page
    EXPECT_FALSE(shown(g, "optionspanel"));
    EXPECT_EQ(g.window.pageControl("PageControl1")->currentIndex(), 0);
}

TEST(ControlClicks, TheOkButtonOfTheOptionsClosesThem) {
    QtGame g;
    clickWidget(g.widget("dxButton1"));
    EXPECT_FALSE(shown(g, "optionspanel"));
    for (const char* name : kSquadPanels) EXPECT_TRUE(shown(g, name)) << name;
}

TEST(ControlClicks, ALeagueTableNameClickFillsTheInspectionPanel) {
    QtGame g;
    clickTab(g.window, "PageControl1", 6);
    const GameState& s = g.game.state();
    for (int row : {4, 10, 1}) {
        SCOPED_TRACE(row);
        clickWidget(g.widget("team" + std::to_string(row)));
        const int team = s.tableTeam[row];
        EXPECT_EQ(g.text("currentteam"), s.teamNames[team]);
        EXPECT_EQ(g.text("pname1"), s.playerNames[team][1]);
        EXPECT_EQ(g.text("pname5"), s.playerNames[team][5]);
        EXPECT_EQ(g.text("stamina2"), std::to_string(s.players[team][2].shooting));
        EXPECT_EQ(g.text("shooting3"), std::to_string(s.players[team][3].tactics));
    }
}

TEST(ControlClicks, APlainLabelIgnoresClicks) {
    QtGame g;
    clickTab(g.window, "PageControl1", 6);
    clickWidget(g.widget("team7"));
    const std::string inspected = g.text("currentteam");
    clickWidget(g.widget("teampoints1"));
    clickWidget(g.widget("Label45"));
    EXPECT_EQ(g.text("currentteam"), inspected);
}

TEST(ControlClicks, TheTrophyRoomOpensModallyShowingTheCounts) {
    QtGame g;
    clickWidget(g.widget("dxButton1"));  // close the options: the button comes back
    clickWidget(g.widget("Button1"));
    ASSERT_EQ(g.window.shown.size(), 1u);
    EXPECT_EQ(g.window.shown[0].name, "TForm4");
    EXPECT_EQ(g.window.shown[0].caption, "Trophy room");
    EXPECT_TRUE(g.window.shown[0].visibleWhileShown);
    for (const char* count : {"TForm4.ft", "TForm4.st", "TForm4.tt"}) EXPECT_EQ(g.text(count), "0");
}

TEST(ControlClicks, TheAboutItemOpensTheAboutBox) {
    QtGame g;
    g.window.control("About1")->action->trigger();
    ASSERT_EQ(g.window.shown.size(), 1u);
    EXPECT_EQ(g.window.shown[0].name, "TAbout");
    EXPECT_EQ(g.window.shown[0].caption, "About");
}

TEST(ControlClicks, TypingTheTeamNameRenamesTheClubEverywhereAtOnce) {
    QtGame g;
    auto* edit = qobject_cast<QLineEdit*>(g.widget("text"));
    edit->selectAll();
    QTest::keyClicks(edit, "Red <b>Rockets</b>");
    EXPECT_EQ(g.game.state().teamName, "Red <b>Rockets</b>");
    EXPECT_EQ(g.text("yteamname"), "Red <b>Rockets</b>");
    // The name is shown as typed, never read as markup.
    EXPECT_EQ(qobject_cast<QLabel*>(g.widget("yteamname"))->textFormat(), Qt::PlainText);
    // The field takes no more than twenty characters.
    QTest::keyClicks(edit, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(edit->text().size(), 20);
    EXPECT_EQ(g.game.state().teamName.size(), 20u);
}

TEST(ControlClicks, TheEnterButtonAnswersWithAMessageInTheGamesTitle) {
    QtGame g;
    auto* edit = qobject_cast<QLineEdit*>(g.widget("deadline"));
    edit->clear();
    QTest::keyClicks(edit, "71");
    clickWidget(g.widget("dxButton2"));
    edit->clear();
    QTest::keyClicks(edit, "35");
    clickWidget(g.widget("dxButton2"));
    ASSERT_EQ(g.window.shown.size(), 2u);
    EXPECT_EQ(g.window.shown[0].text, "the value is off limits");
    EXPECT_EQ(g.window.shown[0].caption, "Splat League");
    EXPECT_EQ(g.window.shown[1].text, "ok");
    EXPECT_EQ(g.game.state().gamesPerSeason, 35);
}

TEST(ControlClicks, ChoosingADifficultyReachesItsHandler) {
    QtGame g;
    QButtonGroup* group = g.window.control("RadioGroup1")->group;
    g.window.answers.push_back(true);  // "This will start a new game. Go ahead?"
    clickWidget(group->button(4));     // Impossible
    EXPECT_EQ(group->checkedId(), 4);
    ASSERT_EQ(g.window.shown.size(), 1u);
    EXPECT_EQ(g.window.shown[0].caption, "Warning");
    EXPECT_EQ(g.game.state().difficulty, 7);
    clickWidget(group->button(4));  // the item already chosen: nothing happens
    EXPECT_EQ(g.window.shown.size(), 1u);
}

TEST(ControlClicks, TheSpeedButtonsSetTheMatchTimer) {
    QtGame g;
    clickTab(g.window, "PageControl1", 8);
    clickWidget(g.widget("slowaction"));
    EXPECT_EQ(g.game.state().gameSpeed, 800);
    clickWidget(g.widget("fastaction"));
    EXPECT_EQ(g.game.state().gameSpeed, 300);
    EXPECT_FALSE(qobject_cast<QRadioButton*>(g.widget("normalaction"))->isChecked());
}

TEST(ControlClicks, BothRowsOfMarkerSwapButtonsSwapTheSameMarkers) {
    QtGame g;
    clickWidget(g.widget("dxButton1"));  // close the options: the Team page row comes back
    const GameState& s = g.game.state();
    auto markers = [&] {
        std::vector<int> m;
        for (int j = 1; j <= 5; ++j) m.push_back(s.players[1][j].marker);
        return m;
    };
    const std::vector<int> start = markers();
    ASSERT_NE(start[0], start[1]) << "players 1 and 2 should carry different markers at the start";
    clickWidget(g.widget("dxButton15"));  // "1-2" on the Team page
    std::vector<int> swapped = start;
    std::swap(swapped[0], swapped[1]);
    EXPECT_EQ(markers(), swapped);
    EXPECT_EQ(g.text("m1"), s.markerNames[swapped[0]]);
    g.window.showPage("TabSheet5");
    clickWidget(g.widget("dxButton3"));  // "1-2" on the Gear page swaps them back
    EXPECT_EQ(markers(), start);
    clickWidget(g.widget("dxButton7"));  // "5-1" on the Gear page
    g.window.showPage("TabSheet1");
    clickWidget(g.widget("dxButton19"));  // "5-1" on the Team page undoes it
    EXPECT_EQ(markers(), start);
}

}  // namespace
}  // namespace splat::testing
