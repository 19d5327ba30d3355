// Drawing shortcuts that must not show: cards painted in strips look exactly
// like one rounded shape, and a page tab measured once still follows its
// caption.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ui/widgets/flat_page_control.h"
#include "ui/widgets/surfaces.h"
#include "ui/widgets/theme.h"

namespace splat::testing {
namespace {

// A background every pixel of which differs from its neighbours, so that a
// strip painted twice, or not at all, changes the picture.
QImage patterned(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7) & 255, (y * 5) & 255, (x * y) & 255));
    }
    return image;
}

TEST(Cards, PaintedInStripsTheyAreThePixelsOfOneRoundedShape) {
    struct Case {
        QSize card;
        QRect dirty;  // the part a repaint asks for
    };
    const Case cases[] = {
        {{628, 278}, {0, 0, 628, 278}}, {{290, 92}, {0, 0, 290, 92}},    {{300, 184}, {40, 13, 120, 77}},
        {{20, 20}, {0, 0, 20, 20}},     {{961, 495}, {5, 470, 900, 25}}, {{150, 31}, {0, 0, 150, 31}},
        {{150, 33}, {0, 24, 150, 9}},   {{417, 300}, {100, 1, 1, 299}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(c.card.width()).arg(c.card.height()).toStdString());
        const QRect area(QPoint(0, 0), c.card);
        QImage expected = patterned(c.card + QSize(20, 20));
        QImage strips = expected.copy();
        {
            QPainter p(&expected);
            p.translate(9, 3);
            p.setClipRect(c.dirty);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(ui::theme::kCardBorder, 1));
            p.setBrush(ui::theme::kCard);
            p.drawRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        }
        {
            QPainter p(&strips);
            p.translate(9, 3);
            p.setClipRect(c.dirty);  // a widget's painter clips to the repaint the same way
            ui::paintCard(p, area, c.dirty, ui::theme::kCard);
        }
        EXPECT_TRUE(strips == expected);
    }
}

TEST(Tabs, ATabsWidthFollowsEveryChangeOfItsCaption) {
    ui::FlatPageControl pages;
    pages.resize(900, 300);
    pages.addPage(new QWidget, QStringLiteral("Team"));
    const QString captions[] = {QStringLiteral("Run for the flag priority of every position"),
                                QStringLiteral("Team"), QStringLiteral("A caption of middling length here"),
                                QStringLiteral("Team")};
    for (const QString& caption : captions) {
        SCOPED_TRACE(caption.toStdString());
        pages.setCaption(0, caption);
        QFont bold = pages.tab(0)->font();
        bold.setBold(true);
        const int needed = QFontMetrics(bold).horizontalAdvance(caption) + 18;
        EXPECT_EQ(pages.tab(0)->width(), std::max(ui::FlatPageControl::kTabWidth, needed));
    }
}

}  // namespace
}  // namespace splat::testing
