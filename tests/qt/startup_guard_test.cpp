// An error escaping the start-up reaches the player and ends the program
// with a failure code; a normal run passes its result through untouched.

#include <gtest/gtest.h>

#include <QStringList>
#include <stdexcept>

#include "ui/app/startup_guard.h"

namespace splat::testing {
namespace {

TEST(StartupGuard, AnEscapingErrorIsShownAndFails) {
    QStringList shown;
    const int rc = ui::runShowingErrors([]() -> int { throw std::runtime_error("settings folder is a file"); },
                                        [&](const QString& text) { shown << text; });
    EXPECT_EQ(rc, 1);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(QStringLiteral("settings folder is a file")));
    shown.clear();
    EXPECT_EQ(ui::runShowingErrors([]() -> int { throw 42; }, [&](const QString& text) { shown << text; }), 1);
    EXPECT_EQ(shown.size(), 1);
}

TEST(StartupGuard, ANormalRunKeepsItsResultAndShowsNothing) {
    int reports = 0;
    EXPECT_EQ(ui::runShowingErrors([] { return 0; }, [&](const QString&) { ++reports; }), 0);
    EXPECT_EQ(ui::runShowingErrors([] { return 3; }, [&](const QString&) { ++reports; }), 3);
    EXPECT_EQ(reports, 0);
}

}  // namespace
}  // namespace splat::testing
