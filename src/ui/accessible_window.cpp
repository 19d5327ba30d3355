#include "ui/accessible_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>

#include "ui/accessible_roles.h"
#include "ui/flat_page_control.h"
#include "ui/qt_window.h"

namespace splat::ui {

QWidget* AccessibleWindow::widgetFor(const QtWindow& window, std::string_view control) {
    const size_t hash = control.find('#');
    if (hash != std::string_view::npos) {
        const BuiltControl* group = window.control(control.substr(0, hash));
        if (group == nullptr || group->group == nullptr) return nullptr;
        return group->group->button(std::atoi(std::string(control.substr(hash + 1)).c_str()));
    }
    const BuiltControl* c = window.control(control);
    if (c == nullptr) return nullptr;
    if (c->desc->kind == ControlKind::Page) {
        const FlatPageControl* owner = window.pageControl(c->desc->parent);
        return owner != nullptr ? owner->tab(owner->indexOf(c->widget)) : nullptr;
    }
    return c->widget;
}

AccessibleWindow::AccessibleWindow(const QtWindow& window) : window_(window), announcer_(&announce) {
    installAccessibleRoles();
    for (const AccessibleText& entry : accessibleTexts()) {
        QWidget* w = widgetFor(window, entry.control);
        if (w == nullptr) continue;
        const size_t index = targets_.size();
        targets_.push_back({&entry, w});
        for (const std::string* pattern : {&entry.name, &entry.description, &entry.toolTip}) {
            for (std::string& source : accessibleTextSources(*pattern, entry.control)) {
                std::vector<size_t>& list = dependents_[source];
                if (list.empty() || list.back() != index) list.push_back(index);
            }
        }
        if (!entry.caption.empty()) {
            if (auto* caption = qobject_cast<QLabel*>(window.widget(entry.caption))) caption->setBuddy(w);
        }
        if (entry.live) setLiveText(w);
        apply(targets_.back(), {});
    }
}

QString AccessibleWindow::textOf(std::string_view control) const {
    const BuiltControl* c = window_.control(control);
    if (c == nullptr) return {};
    if (c->desc->kind == ControlKind::Edit) return qobject_cast<QLineEdit*>(c->widget)->text();
    return c->text;
}

void AccessibleWindow::apply(const Target& t, std::string_view changed) {
    const auto textOf = [this](std::string_view control) { return this->textOf(control); };
    const AccessibleText& e = *t.entry;
    if (!e.name.empty()) {
        const QString name = fillAccessibleText(e.name, e.control, textOf);
        if (name != t.widget->accessibleName()) t.widget->setAccessibleName(name);
    }
    if (!e.description.empty()) {
        const QString description = fillAccessibleText(e.description, e.control, textOf);
        if (description != t.widget->accessibleDescription()) t.widget->setAccessibleDescription(description);
    }
    if (!e.toolTip.empty()) {
        const QString tip = fillAccessibleText(e.toolTip, e.control, textOf);
        if (tip != t.widget->toolTip()) t.widget->setToolTip(tip);
    }
    // A live text is announced each time it is written, even with the same
    // words (two exchanges may end alike), but not for its neighbours' changes.
    if (e.live && changed == e.control && !t.widget->accessibleName().isEmpty()) announcer_(t.widget);
}

void AccessibleWindow::textChanged(std::string_view control) {
    const auto it = dependents_.find(control);
    if (it == dependents_.end()) return;
    for (size_t index : it->second) apply(targets_[index], control);
}

}  // namespace splat::ui
