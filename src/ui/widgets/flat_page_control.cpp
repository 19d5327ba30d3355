#include "ui/widgets/flat_page_control.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "ui/widgets/theme.h"

namespace splat::ui {

FlatTab::FlatTab(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
}

void FlatTab::setCurrent(bool current) {
    if (current_ == current) return;
    current_ = current;
    // Only the tab in front is a stop of the Tab chain.
    setFocusPolicy(current ? Qt::TabFocus : Qt::NoFocus);
    QFont f = font();
    f.setBold(current);
    setFont(f);
    update();
}

QSize FlatTab::sizeHint() const {
    QFont bold = font();
    bold.setBold(true);
    if (measuredWidth_ < 0 || measuredText_ != text() || measuredFont_ != bold) {
        measuredWidth_ = QFontMetrics(bold).horizontalAdvance(text());
        measuredText_ = text();
        measuredFont_ = bold;
    }
    const int needed = measuredWidth_ + 18;
    return {std::max(FlatPageControl::kTabWidth, needed), FlatPageControl::kTabHeight};
}

void FlatTab::paintEvent(QPaintEvent*) {
    QPainter p(this);
    theme::Face face{QRectF(rect()).adjusted(1.5, 1.5, -1.5, -2.5),
                     4,
                     QColor(255, 255, 255, underMouse() ? 245 : 215),
                     theme::kCardBorder,
                     theme::kInk,
                     rect().adjusted(0, 0, 0, -1),
                     Qt::AlignCenter};
    if (current_) {
        face.fill = theme::kAccent;
        face.border = theme::kAccentDark;
        face.ink = Qt::white;
    }
    theme::drawFace(p, *this, face, text());
}

void FlatTab::keyPressEvent(QKeyEvent* event) {
    auto* owner =
        parentWidget() != nullptr ? qobject_cast<FlatPageControl*>(parentWidget()->parentWidget()) : nullptr;
    if (owner == nullptr || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    const int last = owner->count() - 1;
    const int here = owner->indexOfTab(this);
    int to = -1;
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up: to = here > 0 ? here - 1 : last; break;
        case Qt::Key_Right:
        case Qt::Key_Down: to = here < last ? here + 1 : 0; break;
        case Qt::Key_Home: to = 0; break;
        case Qt::Key_End: to = last; break;
        default: QAbstractButton::keyPressEvent(event); return;
    }
    event->accept();
    owner->chooseByPlayer(to);
    if (FlatTab* next = owner->tab(owner->currentIndex())) next->setFocus(Qt::TabFocusReason);
}

FlatPageControl::FlatPageControl(QWidget* parent) : QWidget(parent), row_(new FlatTabRow(this)) {}

void FlatPageControl::addPage(QWidget* page, const QString& caption) {
    const int index = count();
    auto* tab = new FlatTab(row_);
    tab->setText(caption);
    connect(tab, &QAbstractButton::clicked, this, [this, index] { choose(index); });
    tabs_.push_back(tab);
    page->setParent(this);
    pages_.push_back(page);
    page->setVisible(index == 0);
    if (current_ < 0) {
        current_ = 0;
        tab->setCurrent(true);
    }
    relayout();
}

QWidget* FlatPageControl::page(int index) const {
    return index >= 0 && index < count() ? pages_[static_cast<size_t>(index)] : nullptr;
}

FlatTab* FlatPageControl::tab(int index) const {
    return index >= 0 && index < count() ? tabs_[static_cast<size_t>(index)] : nullptr;
}

int FlatPageControl::indexOfTab(const FlatTab* tab) const {
    const auto it = std::find(tabs_.begin(), tabs_.end(), tab);
    return it == tabs_.end() ? -1 : static_cast<int>(it - tabs_.begin());
}

int FlatPageControl::indexOf(const QWidget* page) const {
    const auto it = std::find(pages_.begin(), pages_.end(), page);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

void FlatPageControl::setCurrentIndex(int index) {
    if (index < 0 || index >= count() || index == current_) return;
    QWidget* old = page(current_);
    current_ = index;
    // The focus follows a tab that stops being the one in front.
    FlatTab* focused = nullptr;
    for (FlatTab* t : tabs_) {
        if (t->hasFocus()) focused = t;
    }
    for (int i = 0; i < count(); ++i) tabs_[static_cast<size_t>(i)]->setCurrent(i == index);
    if (focused != nullptr && !focused->isCurrent())
        tabs_[static_cast<size_t>(index)]->setFocus(Qt::OtherFocusReason);
    pages_[static_cast<size_t>(index)]->show();
    if (old != nullptr) old->hide();
}

void FlatPageControl::choose(int index) {
    if (index == current_) return;
    setCurrentIndex(index);
    Q_EMIT pageChosen(index);
}

void FlatPageControl::setCaption(int index, const QString& caption) {
    if (FlatTab* t = tab(index)) {
        t->setText(caption);
        relayout();
    }
}

void FlatPageControl::resizeEvent(QResizeEvent*) { relayout(); }

void FlatPageControl::relayout() {
    int x = 0;
    int row = 0;
    for (FlatTab* t : tabs_) {
        const int w = std::min(t->sizeHint().width(), std::max(width(), kTabWidth));
        if (x > 0 && x + w > width()) {
            x = 0;
            ++row;
        }
        t->setGeometry(x, row * kTabHeight, w, kTabHeight);
        x += w;
    }
    rows_ = tabs_.empty() ? 1 : row + 1;
    const int top = rows_ * kTabHeight;
    row_->setGeometry(0, 0, width(), top);
    for (QWidget* p : pages_) p->setGeometry(0, top, width(), std::max(0, height() - top));
}

}  // namespace splat::ui
