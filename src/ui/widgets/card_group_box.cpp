#include "ui/widgets/card_group_box.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/widgets/surfaces.h"
#include "ui/widgets/theme.h"

namespace splat::ui {

CardGroupBox::CardGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

void CardGroupBox::paintEvent(QPaintEvent* event) {
    if (title().isEmpty()) return;
    QPainter p(this);
    paintCard(p, rect(), event->rect(), theme::kCard);
    p.setPen(isEnabled() ? theme::kInk : palette().color(QPalette::Disabled, QPalette::WindowText));
    p.setFont(font());
    p.drawText(QRect(12, 4, width() - 24, 18), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
               title());
}

}  // namespace splat::ui
