#include "ui/access/reading_order.h"

#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "ui/widgets/flat_page_control.h"

namespace splat::ui {
namespace {

// Two boxes stand in one row when they overlap by half the smaller height.
bool sameRow(const QRect& a, const QRect& b) {
    const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    return overlap * 2 >= std::min(a.height(), b.height());
}

std::vector<QWidget*> childrenInReadingOrder(const QWidget* parent) {
    std::vector<QWidget*> kids;
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!w->isWindow()) kids.push_back(w);
    }
    std::stable_sort(kids.begin(), kids.end(),
                     [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    std::vector<QWidget*> ordered;
    ordered.reserve(kids.size());
    for (size_t start = 0; start < kids.size();) {
        size_t end = start + 1;
        while (end < kids.size() && sameRow(kids[start]->geometry(), kids[end]->geometry())) ++end;
        std::stable_sort(kids.begin() + static_cast<std::ptrdiff_t>(start),
                         kids.begin() + static_cast<std::ptrdiff_t>(end),
                         [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        ordered.insert(ordered.end(), kids.begin() + static_cast<std::ptrdiff_t>(start),
                       kids.begin() + static_cast<std::ptrdiff_t>(end));
        start = end;
    }
    return ordered;
}

void collect(const QWidget* parent, std::vector<QWidget*>& out) {
    for (QWidget* w : childrenInReadingOrder(parent)) {
        if (w->focusPolicy() != Qt::NoFocus || qobject_cast<FlatTab*>(w) != nullptr) out.push_back(w);
        collect(w, out);
    }
}

}  // namespace

void orderTabChainByReading(QWidget* root) {
    std::vector<QWidget*> chain;
    collect(root, chain);
    // Linking skips controls without focus: the tabs behind the one in front
    // are made stops for the moment.
    std::vector<std::pair<QWidget*, Qt::FocusPolicy>> kept;
    for (QWidget* w : chain) {
        if (w->focusPolicy() == Qt::NoFocus) {
            kept.emplace_back(w, w->focusPolicy());
            w->setFocusPolicy(Qt::TabFocus);
        }
    }
    for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
    for (const auto& [w, policy] : kept) w->setFocusPolicy(policy);
}

}  // namespace splat::ui
