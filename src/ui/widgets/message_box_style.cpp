#include "ui/widgets/message_box_style.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <algorithm>

namespace splat::ui {
namespace {

// The window manager draws the title in its own, usually bold and larger,
// font beside its buttons; this leaves room for both.
constexpr int kTitleBarButtons = 120;
constexpr int kLeastWidth = 260;

}  // namespace

int messageBoxWidthFor(const QMessageBox& box) {
    QFont titleFont = box.font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.15);
    const int title = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle());
    return std::max(kLeastWidth, title + kTitleBarButtons);
}

void styleMessageBox(QMessageBox& box) {
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // A message box sizes itself from its layout: a spacer as wide as the
    // title keeps the title whole.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(messageBoxWidthFor(box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

}  // namespace splat::ui
