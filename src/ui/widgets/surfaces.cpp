#include "ui/widgets/surfaces.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "ui/widgets/theme.h"

namespace splat::ui {

// A card is painted in strips of a few rows: from about 32 rows on (three
// runs of pixels a row, 96 runs a batch) Qt's raster engine hands the rows to
// its thread pool and waits for it, which costs more than the painting itself
// (and far more while other programs keep the processor busy). Every pixel
// comes out the same either way, whatever the strips.
void paintCard(QPainter& p, const QRect& area, const QRect& dirty, const QColor& fill) {
    constexpr double kStripDeviceRows = 24;
    const int rows = std::max(1, static_cast<int>(kStripDeviceRows / p.device()->devicePixelRatio()));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(theme::kCardBorder, 1));
    p.setBrush(fill);
    const QRectF shape = QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5);
    const QRect todo = dirty & area;
    for (int y = todo.top(); y <= todo.bottom(); y += rows) {
        p.setClipRect(QRect(todo.left(), y, todo.width(), std::min(rows, todo.bottom() + 1 - y)));
        p.drawRoundedRect(shape, 6, 6);
    }
    p.setClipping(false);
}

PanelWidget::PanelWidget(QWidget* parent, bool nested) : QWidget(parent), nested_(nested) {}

void PanelWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    paintCard(p, rect(), event->rect(), nested_ ? theme::kCardNested : theme::kCard);
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

void PageSurface::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (background_.isSet()) {
        // No picture: a quiet gradient in its place.
        background_.paint(p, rect(), QColor(0x2b, 0x4a, 0x6b), QColor(0x16, 0x24, 0x38));
        return;
    }
    if (card_) paintCard(p, rect(), event->rect(), QColor(255, 255, 255, 200));
}

}  // namespace splat::ui
