// What a screen reader is told: the names table fits the window, names follow
// the texts the game writes, the roles of tabs, clickable names and live
// texts, captions as labelled-by relations, announcements of the
// play-by-play, and the mark on the player's own club.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "core/layout_table.h"
#include "qt/qt_game.h"
#include "ui/access/accessible_window.h"
#include "ui/access/text_pattern.h"
#include "ui/widgets/flat_page_control.h"
#include "ui/widgets/game_label.h"
#include "ui/widgets/main_window.h"

namespace splat::testing {
namespace {

QString nameOf(const ui::QtWindow& window, std::string_view control) {
    QWidget* w = ui::AccessibleWindow::widgetFor(window, control);
    return w != nullptr ? w->accessibleName() : QStringLiteral("<no widget>");
}

TEST(AccessibleNames, PatternsFillOwnAndOtherTextsAndDropEmptyOptionalParts) {
    QString me = QStringLiteral("12");
    QString who = QStringLiteral("Adam  Dalton");
    const ui::TextPattern::Resolver resolve = [&](std::string_view control) -> const QString* {
        if (control == "me") return &me;
        if (control == "who") return &who;
        return nullptr;
    };
    struct Case {
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {"Cash: ${}", "Cash: $12"},
        {"Deal: boost {who} for ${me}", "Deal: boost Adam Dalton for $12"},
        {"Replace {who}[ with {nobody}]", "Replace Adam Dalton"},
        {"Replace {who}[ with {who}]", "Replace Adam Dalton with Adam Dalton"},
        {"[{nobody} answers: {}]", ""},
        {"[{who} answers: {}] and more", "Adam Dalton answers: 12 and more"},
        {"  spaced   out ", "spaced out"},
        {"unclosed {who", "unclosed {who"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ui::TextPattern(c.pattern, "me", resolve).fill().toStdString(), c.expected) << c.pattern;
    }
    // The texts are read when filled, not when the pattern is made.
    const ui::TextPattern later("Cash: ${}", "me", resolve);
    me = QStringLiteral("  ");
    EXPECT_EQ(later.fill().toStdString(), "Cash: $");
    me = QStringLiteral("7");
    EXPECT_EQ(later.fill().toStdString(), "Cash: $7");
    EXPECT_EQ(ui::TextPattern("{who} {} {who}[{x}]", "me", resolve).sources(),
              (std::vector<std::string>{"who", "me", "x"}));
}

TEST(AccessibleNames, EveryEntryAndEveryTextItNamesIsAControlOfTheWindow) {
    QtGame g;
    int spoken = 0;
    const auto check = [&g, &spoken](const std::string& control, const Speech& speech) {
        if (speech.name.empty() && speech.description.empty() && speech.toolTip.empty() &&
            speech.caption.empty())
            return;
        ++spoken;
        EXPECT_NE(ui::AccessibleWindow::widgetFor(g.window, control), nullptr) << control;
        for (const std::string* pattern : {&speech.name, &speech.description, &speech.toolTip}) {
            const ui::TextPattern compiled(*pattern, control, [](std::string_view) { return nullptr; });
            for (const std::string& source : compiled.sources()) {
                if (source.find('#') == std::string::npos) {
                    EXPECT_NE(findControl(source), nullptr) << control << " names " << source;
                }
            }
        }
        if (!speech.caption.empty()) {
            const ControlSpec* caption = findControl(speech.caption);
            ASSERT_NE(caption, nullptr) << control;
            EXPECT_EQ(caption->kind, ControlKind::Label) << speech.caption;
        }
    };
    for (const ControlSpec& desc : layoutTable()) {
        check(desc.name, desc.speech);
        for (size_t i = 0; i < desc.itemNames.size(); ++i)
            check(desc.name + "#" + std::to_string(i), Speech{.name = desc.itemNames[i]});
    }
    EXPECT_GT(spoken, 300);
}

TEST(AccessibleNames, NamesFollowTheTextsTheGameWritesWithoutChangingThem) {
    QtGame g;
    const std::string player = g.text("firstboost");
    ASSERT_FALSE(player.empty());
    EXPECT_EQ(nameOf(g.window, "boost1").toStdString(),
              "Deal: boost " + player + " for $" + g.text("boostprice1"));
    EXPECT_EQ(nameOf(g.window, "lblcash").toStdString(), "Cash: $" + g.text("lblcash"));
    EXPECT_EQ(nameOf(g.window, "dxButton15").toStdString(), "Swap markers of players 1 and 2");

    // A new name, as a refresh writes it: the deal follows, the caption stays.
    g.window.setText("firstboost", "Zed Zulu");
    EXPECT_EQ(nameOf(g.window, "boost1").toStdString(), "Deal: boost Zed Zulu for $" + g.text("boostprice1"));
    EXPECT_EQ(g.text("boost1"), "Deal");
    EXPECT_EQ(g.text("dxButton15"), "1-2");

    // The value is labelled by its caption, both ways.
    QAccessibleInterface* cash = QAccessible::queryAccessibleInterface(g.widget("lblcash"));
    ASSERT_NE(cash, nullptr);
    const auto labels = cash->relations(QAccessible::Label);
    ASSERT_FALSE(labels.isEmpty());
    EXPECT_EQ(labels.front().first->object(), g.widget("Label3"));
    QAccessibleInterface* caption = QAccessible::queryAccessibleInterface(g.widget("Label3"));
    const auto labelled = caption->relations(QAccessible::Labelled);
    ASSERT_FALSE(labelled.isEmpty());
    EXPECT_EQ(labelled.front().first->object(), g.widget("lblcash"));
}

TEST(AccessibleNames, TooltipsOnCaptionlessValuesClickableNamesAndShopTabs) {
    QtGame g;
    EXPECT_EQ(g.widget("llcost")->toolTip(), "Price of the next lab level");
    EXPECT_EQ(g.widget("slcost")->toolTip(), "Price of the next security level");
    EXPECT_EQ(g.widget("tpnumber")->toolTip(), "Training points in the pool");
    EXPECT_EQ(g.widget("team3")->toolTip(), "Click to see the squad");
    EXPECT_FALSE(g.widget("pla2")->toolTip().isEmpty());
    // The shop's tabs say what their orb or marker does (written by the game).
    const QString orbTip = ui::AccessibleWindow::widgetFor(g.window, "orbPage2")->accessibleDescription();
    EXPECT_TRUE(orbTip.startsWith("Orb of Wisdom: adds")) << orbTip.toStdString();
    EXPECT_TRUE(ui::AccessibleWindow::widgetFor(g.window, "orbPage2")->toolTip().contains(orbTip));
    EXPECT_TRUE(ui::AccessibleWindow::widgetFor(g.window, "markerPage5")
                    ->accessibleDescription()
                    .startsWith("Cheetah action (model 5): adds 15"));
    // A sponsor's chance is told once its page is brought forward.
    const auto& pages = mainPages();
    const int finances =
        static_cast<int>(std::find(pages.begin(), pages.end(), mainPageOf("apply1")) - pages.begin());
    EXPECT_TRUE(g.widget("apply1")->toolTip().isEmpty());
    qobject_cast<ui::FlatPageControl*>(g.widget("PageControl1"))->chooseByPlayer(finances);
    EXPECT_TRUE(g.widget("apply1")->accessibleDescription().contains("Your chance now"));
}

TEST(AccessibleRoles, TabsArePageTabsClickableNamesAreButtonsTheSpeechIsAStatusBarNotification) {
    QtGame g;
    ui::FlatPageControl* pages = g.window.pageControl("PageControl1");
    QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(pages->tab(8));
    ASSERT_NE(tab, nullptr);
    // The tabs stand in a list of their own: "Next game" is 9 of 9.
    ASSERT_NE(tab->parent(), nullptr);
    EXPECT_EQ(tab->parent()->role(), QAccessible::PageTabList);
    EXPECT_EQ(tab->parent()->childCount(), 9);
    EXPECT_EQ(tab->parent()->indexOfChild(tab), 8);
    EXPECT_EQ(tab->role(), QAccessible::PageTab);
    EXPECT_EQ(tab->text(QAccessible::Name), "Next game");
    EXPECT_FALSE(tab->state().selected);

    struct Case {
        const char* control;
        QAccessible::Role role;
    };
    for (const Case& c : {Case{"team1", QAccessible::Button}, Case{"pla1", QAccessible::Button},
                          Case{"action1", QAccessible::StaticText}, Case{"yscore", QAccessible::StaticText},
                          Case{"lblcash", QAccessible::StaticText}}) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(g.widget(c.control));
        ASSERT_NE(iface, nullptr) << c.control;
        EXPECT_EQ(iface->role(), c.role) << c.control;
    }
    // What the game says comes from a notification in a status bar (spoken
    // without the word "notification").
    auto* bar = g.window.mainWindow().findChild<QWidget*>(QStringLiteral("speech"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(bar)->role(), QAccessible::StatusBar);
    auto* notice = bar->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(notice)->role(), QAccessible::Notification);

    // Pressing the tab by its accessible action brings the page forward.
    QAccessibleActionInterface* action = tab->actionInterface();
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    action->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(pages->currentIndex(), 8);
    EXPECT_TRUE(tab->state().selected);

    // Pressing a club of the table inspects it, as a click does.
    g.window.showPage("TabSheet7");
    QAccessibleInterface* club = QAccessible::queryAccessibleInterface(g.widget("team4"));
    club->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    const std::string squad = g.text("team4");
    QTRY_COMPARE(g.text("currentteam") == squad || squad == g.text("yteamname"), true);
}

TEST(AccessibleRoles, EachPlayByPlayLineAndScoreChangeIsAnnounced) {
    QtGame g;
    g.window.showPage("TabSheet1");  // any page: the match is heard on every one
    std::vector<QString> said;
    g.window.accessibility().speech().setListener([&said](const QString& text) { said.push_back(text); });

    g.game.match().StartClick();
    int announcedLines = 0;
    int writtenLines = 0;
    std::string lastLine;
    std::string lastScore = g.text("yscore") + ":" + g.text("oscore");
    int scoreChanges = 0;
    int announcedScores = 0;
    const GameState& s = g.game.state();
    for (int tick = 0; tick < 200 && g.window.timer("Timer1")->isActive(); ++tick) {
        said.clear();
        g.game.match().nextaction();
        const std::string line = g.text("action1");
        if (!line.empty() && line != lastLine && g.window.timer("Timer1")->isActive()) {
            ++writtenLines;
            announcedLines +=
                std::count(said.begin(), said.end(), QString::fromStdString(line).simplified()) > 0;
        }
        lastLine = line;
        const std::string score = g.text("yscore") + ":" + g.text("oscore");
        if (score != lastScore && g.window.timer("Timer1")->isActive()) {
            ++scoreChanges;
            const QString both =
                QString::fromStdString(s.teamName + " " + std::to_string(s.ourScore) + ", " +
                                       s.teamNames[s.opponentTeam] + " " + std::to_string(s.theirScore));
            announcedScores += std::count(said.begin(), said.end(), both) > 0;
            lastScore = score;
        }
    }
    EXPECT_GT(writtenLines, 5);
    EXPECT_EQ(announcedLines, writtenLines);
    EXPECT_EQ(announcedScores, scoreChanges);
}

TEST(OwnClubMarks, TheOwnClubsRowIsMarkedInTheTableAndTheSchedule) {
    QtGame g;
    const GameState& s = g.game.state();
    int markedRows = 0;
    for (int i = 1; i <= 10; ++i) {
        auto* row = qobject_cast<ui::GameLabel*>(g.widget("team" + std::to_string(i)));
        EXPECT_EQ(row->isMarked(), s.tableTeam[static_cast<size_t>(i)] == 1) << i;
        markedRows += row->isMarked() ? 1 : 0;
        EXPECT_EQ(qobject_cast<ui::GameLabel*>(g.widget("teampoints" + std::to_string(i)))->isMarked(),
                  row->isMarked());
    }
    EXPECT_EQ(markedRows, 1);
    int markedSlots = 0;
    for (int k = 1; k <= 10; ++k)
        markedSlots += qobject_cast<ui::GameLabel*>(g.widget("rteam" + std::to_string(k)))->isMarked() ? 1 : 0;
    EXPECT_EQ(markedSlots, 1);

    // A club that merely carries the player's name is not marked.
    g.game.options().doneClick(g.game.state().teamNames[2]);
    markedRows = 0;
    for (int i = 1; i <= 10; ++i)
        markedRows += qobject_cast<ui::GameLabel*>(g.widget("team" + std::to_string(i)))->isMarked() ? 1 : 0;
    EXPECT_EQ(markedRows, 1);
    QAccessibleInterface* own = nullptr;
    for (int i = 1; i <= 10; ++i)
        if (s.tableTeam[static_cast<size_t>(i)] == 1)
            own = QAccessible::queryAccessibleInterface(g.widget("team" + std::to_string(i)));
    ASSERT_NE(own, nullptr);
    EXPECT_TRUE(own->text(QAccessible::Description).startsWith("Your club"));
}

}  // namespace
}  // namespace splat::testing
