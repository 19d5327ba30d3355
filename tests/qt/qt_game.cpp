#include "qt/qt_game.h"

#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTest>

#include "ui/widgets/flat_page_control.h"

namespace splat::testing {

void clickWidget(QWidget* w) {
    ASSERT_NE(w, nullptr);
    // A radio button reacts on its circle and caption only: aim at the circle.
    const QPoint at =
        qobject_cast<QRadioButton*>(w) != nullptr ? QPoint(8, w->height() / 2) : w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
}

void clickTab(ui::QtWindow& window, std::string_view pageControl, int index) {
    ui::FlatPageControl* pc = window.pageControl(pageControl);
    ASSERT_NE(pc, nullptr) << pageControl;
    clickWidget(pc->tab(index));
}

}  // namespace splat::testing
