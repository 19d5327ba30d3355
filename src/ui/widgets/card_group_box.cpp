#include "ui/widgets/card_group_box.h"

#include <QPainter>

#include "ui/widgets/theme.h"

namespace splat::ui {

CardGroupBox::CardGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

void CardGroupBox::paintEvent(QPaintEvent*) {
    if (title().isEmpty()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(theme::kCardBorder, 1));
    p.setBrush(theme::kCard);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setPen(isEnabled() ? theme::kInk : palette().color(QPalette::Disabled, QPalette::WindowText));
    p.setFont(font());
    p.drawText(QRect(12, 4, width() - 24, 18), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, title());
}

}  // namespace splat::ui
