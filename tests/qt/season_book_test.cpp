// The season book's window: opened by its menu item and by Ctrl+B between
// matches and during one, not modal, a named tab per section reached by the
// keyboard, its tables with their headers and the player's club marked.
// Each section is rendered to screenshots/ (run with QT_SCALE_FACTOR=2 for
// the large pictures).

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "qt/keys.h"
#include "qt/qt_game.h"
#include "ui/book/book_window.h"
#include "ui/widgets/main_window.h"

namespace splat::testing {
namespace {

void fire(QtGame& g, const char* control, Signal signal, int index = 0) {
    findBinding(control, signal)->handler(g.game, index, "");
}
void click(QtGame& g, const char* control) { fire(g, control, Signal::Click); }
void tick(QtGame& g) { fire(g, "Timer1", Signal::Tick); }

void playWeek(QtGame& g) {
    const int week = g.game.state().week;
    g.clock.set(g.clock.nowSeconds() + 7 * 86400);
    click(g, "Start");
    for (int ticks = 0; g.game.state().week == week && ticks < 400; ++ticks) tick(g);
}

TEST(SeasonBook, OpensBesideTheGameWithATabPerSection) {
    QtGame g;
    g.window.setItemIndex("shooting", 2);
    fire(g, "shooting", Signal::Select, 2);
    click(g, "boost1");
    click(g, "labupgrade");
    click(g, "dxButton12");  // art production
    for (int w = 0; w < 5; ++w) playWeek(g);

    // Ctrl+B during a match.
    click(g, "Start");
    for (int t = 0; t < 12; ++t) tick(g);
    ASSERT_TRUE(activate(&g.window.mainWindow()));
    press(Qt::Key_B, Qt::ControlModifier);
    ui::BookWindow* book = g.window.book();
    ASSERT_NE(book, nullptr);
    EXPECT_TRUE(book->isVisible());
    EXPECT_FALSE(book->isModal());
    EXPECT_TRUE(g.window.timer("Timer1")->isActive()) << "the match goes on beside the book";

    const QStringList names{"Table", "Results and fixtures", "Ledger", "Squad progress", "Match reports"};
    QTabWidget& tabs = book->tabs();
    ASSERT_EQ(tabs.count(), names.size());
    ASSERT_TRUE(activate(book));
    tabs.setFocus();
    const QString dir = QStringLiteral(SPLAT_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    const QString scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? QStringLiteral("_2x") : QString();
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(tabs.currentIndex(), i);
        EXPECT_EQ(tabs.tabText(i), names[i]);
        EXPECT_EQ(tabs.widget(i)->accessibleName(), names[i]);
        for (QTableWidget* table : tabs.widget(i)->findChildren<QTableWidget*>()) {
            EXPECT_FALSE(table->accessibleName().isEmpty());
            for (int c = 0; c < table->columnCount(); ++c)
                EXPECT_FALSE(table->horizontalHeaderItem(c)->text().isEmpty())
                    << table->accessibleName().toStdString();
        }
        QTest::qWait(1);
        EXPECT_TRUE(book->grab().save(dir + QStringLiteral("/book_%1%2.png").arg(i + 1).arg(scale)));
        press(Qt::Key_Tab, Qt::ControlModifier);
    }
    EXPECT_EQ(tabs.currentIndex(), 0) << "Ctrl+Tab goes round";

    // The player's club is marked in the table, for the eye and the ear.
    auto* table = book->findChild<QTableWidget*>(QStringLiteral("League table"));
    ASSERT_NE(table, nullptr);
    int marked = 0;
    for (int r = 0; r < table->rowCount(); ++r) {
        const QString spoken = table->item(r, 0)->data(Qt::AccessibleTextRole).toString();
        if (spoken.endsWith(QStringLiteral("your club"))) {
            ++marked;
            EXPECT_EQ(table->item(r, 1)->text().toStdString(), g.game.state().teamName);
        }
    }
    EXPECT_EQ(marked, 1);

    // Enter on an opponent in the results shows his squad.
    tabs.setCurrentIndex(1);
    auto* results = book->findChild<QTableWidget*>(QStringLiteral("Results, latest first"));
    ASSERT_NE(results, nullptr);
    results->setFocus();
    results->setCurrentCell(0, 4);
    press(Qt::Key_Return);
    auto* squad = book->findChild<QTableWidget*>(QStringLiteral("Squad of the chosen club"));
    ASSERT_NE(squad, nullptr);
    ASSERT_EQ(squad->rowCount(), kPlayers);
    EXPECT_EQ(squad->accessibleName(), QStringLiteral("Squad of ") + results->item(0, 4)->text());
    EXPECT_TRUE(book->grab().save(dir + QStringLiteral("/book_2_squad%1.png").arg(scale)));

    // Closed, and opened again by the menu item between matches.
    book->close();
    for (int t = 0; t < 400 && g.window.timer("Timer1")->isActive(); ++t) tick(g);
    g.window.menuItem("Seasonbook1")->trigger();
    EXPECT_TRUE(book->isVisible());
    EXPECT_EQ(table->rowCount(), 10);

    // Cash that training would take below zero: the marker beside the cash.
    QWidget* warning = g.widget("cashWarning");
    ASSERT_NE(warning, nullptr);
    EXPECT_FALSE(warning->isVisible());
    g.game.editableState().cash = 50;
    g.window.setItemIndex("tactics", 3);
    fire(g, "tactics", Signal::Select, 3);
    EXPECT_TRUE(warning->isVisible());
    EXPECT_NE(warning->toolTip().indexOf(QStringLiteral("lower the training level")), -1);
    EXPECT_NE(warning->accessibleDescription().indexOf(QStringLiteral("lower the training level")), -1);
    QTest::qWait(1);
    EXPECT_TRUE(g.window.mainWindow().grab().save(dir + QStringLiteral("/book_warning%1.png").arg(scale)));
}

}  // namespace
}  // namespace splat::testing
