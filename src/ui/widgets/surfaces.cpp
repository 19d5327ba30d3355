#include "ui/widgets/surfaces.h"

#include <QPainter>

#include "ui/widgets/theme.h"

namespace splat::ui {

PanelWidget::PanelWidget(QWidget* parent, bool nested) : QWidget(parent), nested_(nested) {}

void PanelWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(theme::kCardBorder, 1));
    p.setBrush(nested_ ? theme::kCardNested : theme::kCard);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

PictureView::PictureView(QWidget* parent, const QString& file) : QWidget(parent), picture_(file) {}

void PictureView::paintEvent(QPaintEvent*) {
    const QPixmap& pix = picture_.at(size());
    if (pix.isNull()) return;
    QPainter p(this);
    p.drawPixmap(0, 0, pix);
}

PageSurface::PageSurface(QWidget* parent, const QString& background, bool card)
    : QWidget(parent), background_(background), card_(card) {}

void PageSurface::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (background_.isSet()) {
        // No picture: a quiet gradient in its place.
        background_.paint(p, rect(), QColor(0x2b, 0x4a, 0x6b), QColor(0x16, 0x24, 0x38));
        return;
    }
    if (card_) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(theme::kCardBorder, 1));
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    }
}

}  // namespace splat::ui
