#pragma once
// The ledger's chart: the cash after each week as a line against the left
// scale, and the league place as a line against the right one (1 at the
// top). The numbers behind it stand in a table beside it for a screen reader.

#include <QString>
#include <QWidget>
#include <vector>

namespace splat::ui {

class BookChart : public QWidget {
    Q_OBJECT
public:
    struct Point {
        QString label;  // "1/3": season 1, week 3
        qint64 cash = 0;
        int place = 0;
    };

    explicit BookChart(QWidget* parent);
    void setPoints(std::vector<Point> points);
    QSize sizeHint() const override { return {520, 200}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Point> points_;
};

}  // namespace splat::ui
