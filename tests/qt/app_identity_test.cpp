// The game's identity on the desktop: its icon on the main window, on every
// dialog and on the message boxes, and its desktop file name.

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include "qt/qt_game.h"
#include "ui/app/app_identity.h"
#include "ui/widgets/game_dialog.h"
#include "ui/widgets/main_window.h"

namespace splat::testing {
namespace {

const QList<QSize> kWindowIconSizes = {QSize(16, 16), QSize(24, 24), QSize(32, 32),
                                       QSize(48, 48), QSize(64, 64), QSize(128, 128)};

TEST(AppIdentity, TheIconHasAPictureForEverySizeAWindowManagerDraws) {
    const QIcon icon = ui::gameIcon();
    ASSERT_EQ(icon.availableSizes(), kWindowIconSizes);
    for (const QSize& size : kWindowIconSizes) {
        const QImage picture = icon.pixmap(size).toImage();
        ASSERT_EQ(picture.size(), size);
        // Drawn, not blank: the corner is clear and the middle is paint.
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << size.width();
        EXPECT_EQ(qAlpha(picture.pixel(size.width() / 2, size.height() / 2)), 255) << size.width();
    }
}

TEST(AppIdentity, EveryWindowOfTheGameCarriesTheIconAndTheDesktopFileNameIsTheId) {
    ui::applyIdentity();
    ui::applyIcon(*qApp);
    EXPECT_EQ(QGuiApplication::desktopFileName(), QLatin1String(ui::kAppId));
    EXPECT_EQ(QGuiApplication::applicationName(), "Splat League");
    QtGame g;
    EXPECT_EQ(g.window.mainWindow().windowIcon().availableSizes(), kWindowIconSizes);
    for (const char* name : {"Tresults", "Tendseason", "TForm4", "TForm5", "TAbout"}) {
        ui::GameDialog* d = g.window.dialog(name);
        ASSERT_NE(d, nullptr) << name;
        EXPECT_EQ(d->windowIcon().availableSizes(), kWindowIconSizes) << name;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Splat League"), QStringLiteral("ok"), QMessageBox::Ok,
                    &g.window.mainWindow());
    EXPECT_EQ(box.windowIcon().availableSizes(), kWindowIconSizes);
}

}  // namespace
}  // namespace splat::testing
