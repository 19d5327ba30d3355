// A control that hides itself once used never hands the focus to a button
// that spends: a careless second Space must not buy, deal or hire.

#include <gtest/gtest.h>

#include <QApplication>
#include <functional>

#include "qt/keys.h"
#include "qt/qt_game.h"
#include "ui/flat_page_control.h"
#include "ui/focus_guard.h"
#include "ui/main_window.h"

namespace splat::testing {
namespace {

struct HidingCase {
    const char* button;
    int page;                                // 1..9, reached by Alt+page
    const char* subPages = nullptr;          // a sub-page control to set ...
    int subPage = 0;                         // ... to this page
    std::function<void(Game&)> before = {};  // what makes the button appear
};

TEST(FocusGuard, AHidingButtonLeavesTheFocusOnAHarmlessControlOfItsPage) {
    const HidingCase cases[] = {
        {"sellweapon", 5},
        {"buya1", 5},
        {"buya6", 5, "PageControl2", 5},
        {"boost1", 2, "PageControl4", 1},
        {"boost4", 2, "PageControl4", 1},
        {"replace1", 4, nullptr, 0, [](Game& g) { g.scout().playersearchClick(); }},
        {"replace3", 4, nullptr, 0, [](Game& g) { g.scout().playersearchClick(); }},
        {"coachsearch", 4},
        {"replaceyourcoach", 4, nullptr, 0, [](Game& g) { g.scout().coachsearchClick(); }},
        {"buychemist", 6, "PageControl3", 3, [](Game& g) { g.laboratory().Button6Click(); }},
        {"apply1", 6, "PageControl3", 1},
        {"apply4", 6, "PageControl3", 1},
        {"Start", 9},
    };
    for (const HidingCase& c : cases) {
        SCOPED_TRACE(c.button);
        QtGame g;
        ASSERT_TRUE(activate(&g.window.mainWindow()));
        g.game.editableState().cash = 100000;
        g.game.refresh().refreshViews();
        if (c.before) c.before(g.game);
        if (c.subPages != nullptr) g.window.pageControl(c.subPages)->chooseByPlayer(c.subPage);
        press(Qt::Key_0 + c.page, Qt::AltModifier);
        QWidget* button = g.widget(c.button);
        ASSERT_TRUE(tabTo(button));
        press(Qt::Key_Space);
        ASSERT_FALSE(button->isVisible()) << "the button did not hide: nothing to guard";
        QWidget* now = QApplication::focusWidget();
        ASSERT_NE(now, nullptr) << "the focus was lost";
        EXPECT_FALSE(ui::spendsWhenPressed(now)) << now->objectName().toStdString();
        EXPECT_TRUE(now->isVisible());
        EXPECT_TRUE(g.window.pageControl("PageControl1")->page(c.page - 1)->isAncestorOf(now) ||
                    now == g.window.pageControl("PageControl1")->tab(c.page - 1))
            << "the focus left the page for " << now->objectName().toStdString();
    }
}

TEST(FocusGuard, ThePlayerMayStillTabOntoASpendingButtonHimself) {
    QtGame g;
    ASSERT_TRUE(activate(&g.window.mainWindow()));
    press(Qt::Key_5, Qt::AltModifier);
    // The guard steps in only where a control went away.
    for (const char* name : {"buy1", "sellweapon", "buya1", "dxButton3"}) {
        EXPECT_TRUE(tabTo(g.widget(name))) << name;
    }
}

}  // namespace
}  // namespace splat::testing
