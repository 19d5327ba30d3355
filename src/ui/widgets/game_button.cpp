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
    theme::Face face{
        QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, theme::kAccent, theme::kAccentDark, Qt::white, rect(),
        Qt::AlignCenter | Qt::TextShowMnemonic};
    if (!isEnabled()) {
        face.fill = QColor(0xc9, 0xcf, 0xd6);
        face.border = QColor(0xa9, 0xb0, 0xb8);
        face.ink = QColor(0x6d, 0x76, 0x80);
    } else if (isDown()) {
        face.fill = theme::kAccentDark;
    } else if (underMouse()) {
        face.fill = theme::kAccent.lighter(112);
    }
    theme::drawFace(p, *this, face, text());
}

}  // namespace splat::ui
