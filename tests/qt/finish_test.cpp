// The finish a player notices: the training prices stand level with their
// radio items, dialog texts stay inside their cards, message boxes show
// their whole title without minimize or maximize buttons, and the main window
// fits a screen smaller than itself with its title bar on the screen.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QMainWindow>
#include <QMessageBox>
#include <QScrollArea>

#include "qt/qt_game.h"
#include "ui/widgets/game_label.h"
#include "ui/widgets/main_window.h"
#include "ui/widgets/message_box_style.h"
#include "ui/widgets/screen_fit.h"

namespace splat::testing {
namespace {

TEST(Finish, TrainingPricesStandLevelWithTheirLevels) {
    QtGame g;
    g.window.showPage("TabSheet3");
    const char* groups[] = {"shooting", "tactics"};
    const char* costs[2][4] = {{"snone", "sbasic", "sregular", "sadvanced"},
                               {"tnone", "tbasic", "tregular", "tadvanced"}};
    const char* dollars[2][4] = {{"dollarSNone", "dollarSBasic", "dollarSRegular", "dollarSAdvanced"},
                                 {"dollarTNone", "dollarTBasic", "dollarTRegular", "dollarTAdvanced"}};
    for (int gi = 0; gi < 2; ++gi) {
        QButtonGroup* group = g.window.control(groups[gi])->group;
        for (int i = 0; i < 4; ++i) {
            QAbstractButton* item = group->button(i);
            QWidget* panel = g.widget(costs[gi][i])->parentWidget();
            const int itemMiddle = item->mapTo(panel, item->rect().center()).y();
            for (const char* label : {costs[gi][i], dollars[gi][i]}) {
                const int labelMiddle = g.widget(label)->geometry().center().y();
                EXPECT_LE(std::abs(labelMiddle - itemMiddle), 2)
                    << label << " " << labelMiddle << " vs " << itemMiddle;
            }
        }
    }
}

TEST(Finish, OnASmallScreenTheWindowScrollsAndItsTitleBarStaysOnTheScreen) {
    struct Case {
        QRect free;
        bool scrolls;
    };
    // 1920 x 1080 at 150 % is 1280 x 720 of free area; 1024 x 768 is a small
    // screen with a panel on top; a full HD screen takes the window whole.
    for (const Case& c : {Case{QRect(0, 0, 1280, 720), true}, Case{QRect(0, 28, 1024, 740), true},
                          Case{QRect(0, 0, 1920, 1080), false}}) {
        QtGame g(false);
        ui::MainWindow& w = g.window.mainWindow();
        const QSize designed(996, 735);
        ui::fitIntoScreen(w, designed, c.free);
        EXPECT_EQ(ui::clientScrolls(w), c.scrolls) << c.free.height();
        EXPECT_GE(w.pos().y(), c.free.top());
        EXPECT_GE(w.pos().x(), c.free.left());
        // The frame (a title bar's worth above) stays inside the free area.
        EXPECT_LE(w.size().height() + 32 + 4, c.free.height());
        EXPECT_LE(w.pos().y() + w.size().height() + 32 + 4, c.free.bottom() + 1);
        if (c.scrolls) {
            auto* scroll = qobject_cast<QScrollArea*>(w.centralWidget());
            ASSERT_NE(scroll, nullptr);
            // The whole client area is there to scroll to, with every page.
            EXPECT_EQ(scroll->widget()->height() + w.menuWidget()->sizeHint().height(), designed.height());
            EXPECT_TRUE(scroll->widget()->isAncestorOf(g.widget("Start")));
            // What the keyboard reaches comes into view.
            w.show();
            g.window.showPage("TabSheet9");
            g.widget("Start")->setFocus();
            QApplication::processEvents();
            const QPoint inView = g.widget("Start")->mapTo(scroll->viewport(), QPoint(0, 0));
            EXPECT_GE(inView.y(), 0);
            EXPECT_LE(inView.y() + g.widget("Start")->height(), scroll->viewport()->height());
        } else {
            EXPECT_EQ(w.size(), designed);
        }
    }
}

TEST(Finish, MessageBoxesShowTheirWholeTitleWithoutMinimizeOrMaximize) {
    for (const char* title : {"Splat League", "This will start a new game", "No marker alert"}) {
        QMessageBox box(QMessageBox::NoIcon, title, "ok", QMessageBox::Ok);
        ui::styleMessageBox(box);
        const Qt::WindowFlags f = box.windowFlags();
        EXPECT_FALSE(f & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(f & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(f & Qt::WindowTitleHint);
        EXPECT_TRUE(f & Qt::WindowCloseButtonHint);
        box.show();
        QApplication::processEvents();
        EXPECT_GE(box.width(), ui::messageBoxWidthFor(box)) << title;
        EXPECT_GE(box.width(), QFontMetrics(box.font()).horizontalAdvance(title) + 60) << title;
        box.hide();
    }
}

TEST(Finish, DialogTextsStandBareAndTheResultSentenceStaysOffTheScoreCards) {
    QtGame g;
    for (const char* label : {"Tresults.yourteam", "Tresults.lblresult", "TForm4.Label1", "TForm4.ft"}) {
        auto* l = qobject_cast<ui::GameLabel*>(g.widget(label));
        ASSERT_NE(l, nullptr);
        EXPECT_FALSE(l->hasChip()) << label;
    }
    // The score cards of the picture end above the sentence.
    EXPECT_GE(g.widget("Tresults.lblresult")->y(), 119);
    EXPECT_LE(g.widget("Tresults.lblresult")->geometry().bottom(), g.widget("Tresults.Label1")->y());
}

}  // namespace
}  // namespace splat::testing
