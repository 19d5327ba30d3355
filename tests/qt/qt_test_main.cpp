// One QApplication on the offscreen platform for every Qt test.

#include <gtest/gtest.h>

#include <QApplication>

#include "ui/widgets/theme.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Splat League"));
    splat::ui::theme::apply(app);
    return RUN_ALL_TESTS();
}
