#pragma once
// A page control whose tabs are flat buttons 97 pixels wide (wider when a
// caption needs it) that wrap to more rows when the control is too narrow;
// the pages fill the area below the tab rows, one in front at a time.
// The tab of the page in front is the control's one stop in the Tab chain;
// the arrow keys, Home and End move to another tab and bring its page forward.

#include <QAbstractButton>
#include <QWidget>
#include <vector>

namespace splat::ui {

class FlatTab : public QAbstractButton {
    Q_OBJECT
public:
    explicit FlatTab(QWidget* parent);
    void setCurrent(bool current);
    bool isCurrent() const { return current_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool current_ = false;
    // The width the caption needs in bold, kept for the caption and font it
    // was measured for: the control lays out its tabs again for every page
    // it gets, and measuring a text is far dearer than comparing it.
    mutable QString measuredText_;
    mutable QFont measuredFont_;
    mutable int measuredWidth_ = -1;
};

// The row (or rows) of tabs above the pages: a screen reader counts the tabs
// among themselves.
class FlatTabRow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

class FlatPageControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTabWidth = 97;
    static constexpr int kTabHeight = 26;

    explicit FlatPageControl(QWidget* parent = nullptr);

    // Adds `page` (it becomes a child of this control) with its tab caption.
    void addPage(QWidget* page, const QString& caption);
    int count() const { return static_cast<int>(pages_.size()); }
    QWidget* page(int index) const;
    FlatTab* tab(int index) const;
    int indexOf(const QWidget* page) const;
    int indexOfTab(const FlatTab* tab) const;
    int currentIndex() const { return current_; }
    // Brings a page to the front without emitting pageChosen.
    void setCurrentIndex(int index);
    // Brings a page to the front as a click on its tab does.
    void chooseByPlayer(int index) { choose(index); }
    void setCaption(int index, const QString& caption);
    int tabRows() const { return rows_; }

Q_SIGNALS:
    // The player brought another page to the front.
    void pageChosen(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void relayout();
    void choose(int index);

    FlatTabRow* row_;
    std::vector<FlatTab*> tabs_;
    std::vector<QWidget*> pages_;
    int current_ = -1;
    int rows_ = 1;
};

}  // namespace splat::ui
