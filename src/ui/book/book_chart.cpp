#include "ui/book/book_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "ui/widgets/theme.h"

namespace splat::ui {

namespace {

const QColor kPlaceColour{0x2a, 0x6f, 0xb8};

}  // namespace

BookChart::BookChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 160);
    setAccessibleName(QStringLiteral("Chart of cash and place by week"));
}

void BookChart::setPoints(std::vector<Point> points) {
    points_ = std::move(points);
    if (points_.empty()) {
        setAccessibleDescription(QStringLiteral("No week played yet"));
    } else {
        const auto [low, high] = std::minmax_element(
            points_.begin(), points_.end(), [](const Point& a, const Point& b) { return a.cash < b.cash; });
        setAccessibleDescription(QStringLiteral("%1 weeks: cash from $%2 to $%3, now $%4 in place %5; the "
                                                "numbers stand in the table beside it")
                                     .arg(points_.size())
                                     .arg(low->cash)
                                     .arg(high->cash)
                                     .arg(points_.back().cash)
                                     .arg(points_.back().place));
    }
    update();
}

void BookChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(theme::kCardBorder);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setFont(theme::baseFont());
    const QFontMetrics fm(p.font());

    const int left = fm.horizontalAdvance(QStringLiteral("$-000000")) + 10;
    const int right = fm.horizontalAdvance(QStringLiteral("10th")) + 14;
    const int top = fm.height() + 8;
    const int bottom = fm.height() + 10;
    const QRect plot(left, top, width() - left - right, height() - top - bottom);
    if (plot.width() < 20 || plot.height() < 20) return;

    // The legend.
    p.setPen(theme::kAccentDark);
    p.drawText(QPoint(left, fm.ascent() + 4), QStringLiteral("Cash ($, left)"));
    p.setPen(kPlaceColour);
    const QString placeLegend = QStringLiteral("Place (right)");
    p.drawText(QPoint(plot.right() - fm.horizontalAdvance(placeLegend), fm.ascent() + 4), placeLegend);

    qint64 low = 0;
    qint64 high = 100;
    for (const Point& pt : points_) {
        low = std::min(low, pt.cash);
        high = std::max(high, pt.cash);
    }
    const int n = static_cast<int>(points_.size());
    auto xAt = [&](int i) { return plot.left() + (n <= 1 ? plot.width() / 2 : i * plot.width() / (n - 1)); };
    auto cashY = [&](qint64 v) {
        return plot.bottom() - static_cast<int>((v - low) * plot.height() / std::max<qint64>(1, high - low));
    };
    auto placeY = [&](int place) { return plot.top() + (std::clamp(place, 1, 10) - 1) * plot.height() / 9; };

    // Grid and scales: the cash at its lowest, zero and highest; places 1, 5, 10.
    p.setPen(QColor(0xd8, 0xe0, 0xea));
    for (int k = 0; k <= 4; ++k)
        p.drawLine(plot.left(), plot.top() + k * plot.height() / 4, plot.right(),
                   plot.top() + k * plot.height() / 4);
    p.setPen(theme::kInk);
    for (qint64 v : {low, qint64{0}, high}) {
        const QString t = QStringLiteral("$%1").arg(v);
        p.drawText(QPoint(left - 6 - fm.horizontalAdvance(t), cashY(v) + fm.ascent() / 2), t);
    }
    if (low < 0) {
        p.setPen(QPen(theme::kAccentDark, 1, Qt::DashLine));
        p.drawLine(plot.left(), cashY(0), plot.right(), cashY(0));
    }
    p.setPen(kPlaceColour);
    for (int place : {1, 5, 10})
        p.drawText(QPoint(plot.right() + 6, placeY(place) + fm.ascent() / 2), QString::number(place));
    p.setPen(theme::kInk);
    if (n > 0) {
        p.drawText(QPoint(plot.left(), height() - 4), points_.front().label);
        const QString last = points_.back().label;
        p.drawText(QPoint(plot.right() - fm.horizontalAdvance(last), height() - 4), last);
    }

    QPainterPath cash;
    QPainterPath place;
    for (int i = 0; i < n; ++i) {
        const QPointF c(xAt(i), cashY(points_[static_cast<size_t>(i)].cash));
        const QPointF q(xAt(i), placeY(points_[static_cast<size_t>(i)].place));
        if (i == 0) {
            cash.moveTo(c);
            place.moveTo(q);
        } else {
            cash.lineTo(c);
            place.lineTo(q);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kPlaceColour, 2, Qt::DotLine));
    p.drawPath(place);
    p.setPen(QPen(theme::kAccent, 2.5));
    p.drawPath(cash);
    if (n == 1) {
        p.setBrush(theme::kAccent);
        p.drawEllipse(QPointF(xAt(0), cashY(points_[0].cash)), 3, 3);
    }
}

}  // namespace splat::ui
