#include "ui/widgets/game_button.h"

#include <QPainter>

#include "ui/widgets/theme.h"

namespace splat::ui {

GameButton::GameButton(QWidget* parent) : QPushButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setAutoDefault(false);
    setAttribute(Qt::WA_Hover);
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

void GameButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor fill = theme::kAccent;
    QColor border = theme::kAccentDark;
    QColor ink = Qt::white;
    if (!isEnabled()) {
        fill = QColor(0xc9, 0xcf, 0xd6);
        border = QColor(0xa9, 0xb0, 0xb8);
        ink = QColor(0x6d, 0x76, 0x80);
    } else if (isDown()) {
        fill = theme::kAccentDark;
    } else if (underMouse()) {
        fill = theme::kAccent.lighter(112);
    }
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, 5, 5);
    // The focus ring shows when the player moves around with the keyboard.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        theme::drawFocusRing(p, QRectF(rect()), 5);
    }
    p.setPen(ink);
    p.setFont(font());
    p.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

}  // namespace splat::ui
