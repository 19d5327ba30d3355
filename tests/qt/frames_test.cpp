// The main window's and the dialogs' sizes, frames and ways of closing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "qt/qt_game.h"
#include "ui/widgets/game_dialog.h"
#include "ui/widgets/main_window.h"

namespace splat::testing {
namespace {

TEST(Frames, TheMainWindowIsFixedWithMinimizeButNoMaximizeAndCentred) {
    QtGame g;
    ui::MainWindow& w = g.window.mainWindow();
    EXPECT_EQ(w.objectName(), "TForm1");
    EXPECT_EQ(w.windowTitle(), "Splat League");
    EXPECT_EQ(w.size(), QSize(996, 735));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    const Qt::WindowFlags f = w.windowFlags();
    EXPECT_TRUE(f & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(f & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(f & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(f & Qt::WindowTitleHint);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((w.geometry().center() - screen.center()).manhattanLength(), 4);
    // The banner, then the page control at its place in the client area.
    EXPECT_EQ(g.widget("PageControl1")->geometry(), QRect(16, 160, 961, 521));
    EXPECT_EQ(g.widget("PageControl1")->parentWidget(), w.centralWidget());
    EXPECT_LE(g.widget("PageControl1")->geometry().bottom(), w.centralWidget()->height());
}

TEST(Frames, TheMainWindowReportsItsFirstFrameOnceItIsPainted) {
    QtGame g(false);
    ui::MainWindow& w = g.window.mainWindow();
    int reports = 0;
    bool bannerPainted = false;
    QObject::connect(&w, &ui::MainWindow::firstFramePainted, [&] {
        ++reports;
        // By then the window's contents are in its backing store.
        const QImage frame = w.grab().toImage();
        bannerPainted = frame.pixelColor(200, 60) != frame.pixelColor(990, 700);
    });
    g.window.showMain();
    EXPECT_TRUE(QTest::qWaitFor([&] { return reports > 0; }, 3000));
    QTest::qWait(50);
    w.update();
    QTest::qWait(50);
    EXPECT_EQ(reports, 1);
    EXPECT_TRUE(bannerPainted);
}

struct DialogFrame {
    const char* name;
    QSize client;
    const char* caption;
    bool closeBox;
};

TEST(Frames, DialogsAreFixedToolWindowsWithTheirCloseBoxesOnlyWhereDue) {
    QtGame g;
    const DialogFrame frames[] = {
        {"Tresults", {640, 438}, "", false},          {"Tendseason", {536, 198}, "", true},
        {"TForm4", {495, 342}, "Trophy room", false}, {"TForm5", {422, 190}, "", false},
        {"TAbout", {417, 300}, "About", true},
    };
    for (const DialogFrame& f : frames) {
        SCOPED_TRACE(f.name);
        ui::GameDialog* d = g.window.dialog(f.name);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->size(), f.client);
        EXPECT_EQ(d->minimumSize(), d->maximumSize());
        EXPECT_EQ(d->windowTitle(), f.caption);
        const Qt::WindowFlags flags = d->windowFlags();
        EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
        EXPECT_EQ(static_cast<bool>(flags & Qt::WindowCloseButtonHint), f.closeBox);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_TRUE(d->isModal());
        EXPECT_EQ(d->parentWidget(), &g.window.mainWindow());
        EXPECT_FALSE(d->isVisible());
    }
}

TEST(Frames, DialogsAreCreatedInTheirOrderAfterTheMainWindow) {
    QtGame g;
    std::vector<std::string> order;
    for (QObject* child : g.window.mainWindow().children()) {
        if (auto* d = qobject_cast<ui::GameDialog*>(child)) order.push_back(d->objectName().toStdString());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Tresults", "Tendseason", "TForm4", "TForm5", "TAbout"}));
}

// Shows `d` modally as the game does and, once it runs, tries `attempt`; then
// closes it with its button if it is still open. Returns whether the attempt
// alone closed it.
bool attemptToClose(ui::GameDialog* d, const std::function<void()>& attempt) {
    bool closedByAttempt = false;
    QTimer::singleShot(0, d, [&] {
        attempt();
        closedByAttempt = !d->isVisible();
        if (d->isVisible()) d->closeByButton();
    });
    d->exec();
    return closedByAttempt;
}

TEST(Frames, ResultsTrophyAndMessageDialogsCloseOnlyThroughTheirButtonOrEscape) {
    QtGame g;
    for (const char* name : {"Tresults", "TForm4", "TForm5"}) {
        SCOPED_TRACE(name);
        ui::GameDialog* d = g.window.dialog(name);
        EXPECT_TRUE(attemptToClose(d, [d] { QTest::keyClick(d, Qt::Key_Escape); }));
        EXPECT_EQ(d->result(), QDialog::Accepted);
        EXPECT_FALSE(attemptToClose(d, [d] { d->close(); }));
        EXPECT_FALSE(d->isVisible());
        // Its button closes it with the result OK.
        const std::string button =
            std::string(name) + (std::string(name) == "Tresults" ? ".Button1" : ".dxButton1");
        auto* b = g.widget(button);
        ASSERT_NE(b, nullptr);
        EXPECT_TRUE(attemptToClose(d, [b] { clickWidget(b); }));
        EXPECT_EQ(d->result(), QDialog::Accepted);
    }
}

TEST(Frames, ClosingTheSeasonDialogThroughItsCloseBoxActsAsItsButton) {
    QtGame g;
    for (const char* name : {"Tendseason", "TAbout"}) {
        SCOPED_TRACE(name);
        ui::GameDialog* d = g.window.dialog(name);
        EXPECT_TRUE(attemptToClose(d, [d] { d->close(); }));
        EXPECT_EQ(d->result(), QDialog::Accepted);
        EXPECT_TRUE(attemptToClose(d, [d] { QTest::keyClick(d, Qt::Key_Escape); }));
        EXPECT_EQ(d->result(), QDialog::Accepted);
    }
}

TEST(Frames, ShowingADialogRunsItModallyUntilItsButtonAndKeepsItsTexts) {
    // The real window, not the answering one: the dialog must come up over
    // the main window and return once its button is pressed.
    ui::QtWindow window;
    MemorySettingsStore settings;
    SilentAudio audio;
    FixedClock clock;
    Game game(window, audio, settings, clock);
    window.bind(game);
    game.startUp();
    window.showMain();
    window.setText("Tresults.lblresult", "You won! Prize: $400");
    bool wasModal = false;
    QTimer::singleShot(0, &window.mainWindow(), [&] {
        ui::GameDialog* d = window.dialog("Tresults");
        wasModal = d->isVisible() && QApplication::activeModalWidget() == d;
        clickWidget(window.widget("Tresults.Button1"));
    });
    window.showDialog("Tresults");
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(window.dialog("Tresults")->isVisible());
    EXPECT_EQ(window.text("Tresults.lblresult"), "You won! Prize: $400");
    // The trophy room stands over the middle of the main window.
    QPoint centre;
    QTimer::singleShot(0, &window.mainWindow(), [&] {
        centre = window.dialog("TForm4")->geometry().center();
        window.dialog("TForm4")->closeByButton();
    });
    window.showDialog("TForm4");
    EXPECT_LE((centre - window.mainWindow().frameGeometry().center()).manhattanLength(), 4);
}

}  // namespace
}  // namespace splat::testing
