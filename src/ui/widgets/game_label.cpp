#include "ui/widgets/game_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/widgets/theme.h"

namespace splat::ui {

GameLabel::GameLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void GameLabel::setLight(bool light) {
    if (light_ == light) return;
    light_ = light;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, light ? QColor(Qt::white) : theme::kInk);
    setPalette(p);
}

void GameLabel::setClickable(bool clickable) {
    clickable_ = clickable;
    setFocusPolicy(clickable ? Qt::StrongFocus : Qt::NoFocus);
    if (clickable) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
}

void GameLabel::setMarked(bool marked) {
    if (marked_ == marked) return;
    marked_ = marked;
    QFont f = font();
    f.setBold(marked);
    setFont(f);
    update();
}

int GameLabel::textFlags() const {
    int flags = static_cast<int>(alignment());
    if (wordWrap()) flags |= Qt::TextWordWrap;
    return flags;
}

void GameLabel::paintEvent(QPaintEvent* event) {
    const QString t = text();
    if (marked_ && !t.isEmpty()) {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        QColor backing = theme::kAccent;
        backing.setAlpha(70);
        p.setBrush(backing);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    if (!t.isEmpty() && (chip_ || light_)) {
        QPainter p(this);
        p.setFont(font());
        const QRect area = contentsRect();
        if (chip_) {
            QRect box = p.fontMetrics().boundingRect(area, textFlags(), t).adjusted(-4, -1, 4, 1);
            box = box.intersected(rect());
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            p.setBrush(theme::kChip);
            p.drawRoundedRect(box, 4, 4);
        }
        if (light_) {
            p.setPen(QColor(0, 0, 0, 190));
            p.drawText(area.translated(1, 1), textFlags(), t);
        }
    }
    // The focus mark goes under the text, which it would otherwise cut.
    if (clickable_ && hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        theme::drawFocusRing(p, QRectF(rect()), 3);
    }
    QLabel::paintEvent(event);
}

void GameLabel::keyPressEvent(QKeyEvent* event) {
    const bool press =
        event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
    if (clickable_ && press && !event->isAutoRepeat() &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void GameLabel::mousePressEvent(QMouseEvent* event) {
    if (clickable_ && event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void GameLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (clickable_ && pressed_ && event->button() == Qt::LeftButton) {
        pressed_ = false;
        event->accept();
        if (rect().contains(event->position().toPoint())) Q_EMIT clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

// A clickable name is underlined in the club colour under the pointer.
void GameLabel::setHovered(bool hovered) {
    if (!clickable_) return;
    QFont f = font();
    f.setUnderline(hovered);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, hovered ? theme::kAccentDark : (light_ ? QColor(Qt::white) : theme::kInk));
    setPalette(p);
}

void GameLabel::enterEvent(QEnterEvent* event) {
    setHovered(true);
    QLabel::enterEvent(event);
}

void GameLabel::leaveEvent(QEvent* event) {
    setHovered(false);
    QLabel::leaveEvent(event);
}

}  // namespace splat::ui
