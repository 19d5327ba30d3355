#include "ui/access/accessible_window.h"

#include <QAbstractButton>
#include <QLabel>

#include "core/layout_table.h"
#include "ui/access/accessible_roles.h"
#include "ui/access/window_controls.h"
#include "ui/widgets/flat_page_control.h"
#include "ui/widgets/qt_text.h"

namespace splat::ui {

QWidget* AccessibleWindow::widgetFor(const WindowControls& window, std::string_view control) {
    const size_t hash = control.find('#');
    if (hash != std::string_view::npos) {
        QWidget* group = window.widget(control.substr(0, hash));
        if (group == nullptr) return nullptr;
        return group->findChild<QAbstractButton*>(qs(control), Qt::FindDirectChildrenOnly);
    }
    QWidget* w = window.widget(control);
    const ControlSpec* desc = findControl(control);
    if (w == nullptr || desc == nullptr) return w;
    if (desc->kind == ControlKind::Page) {
        const auto* owner = qobject_cast<const FlatPageControl*>(window.widget(desc->parent));
        return owner != nullptr ? owner->tab(owner->indexOf(w)) : nullptr;
    }
    return w;
}

AccessibleWindow::AccessibleWindow(const WindowControls& window) : announcer_(&announce) {
    installAccessibleRoles();
    // The texts as the window keeps them (edit fields are named by fixed
    // names only, so what the player types never needs following).
    const TextPattern::Resolver textOf = [&window](std::string_view control) { return window.writtenText(control); };
    targets_.reserve(accessibleTexts().size());
    for (const AccessibleText& entry : accessibleTexts()) {
        QWidget* w = widgetFor(window, entry.control);
        if (w == nullptr) continue;
        const size_t index = targets_.size();
        targets_.push_back({&entry, w, TextPattern(entry.name, entry.control, textOf),
                            TextPattern(entry.description, entry.control, textOf),
                            TextPattern(entry.toolTip, entry.control, textOf)});
        const Target& t = targets_.back();
        for (const TextPattern* pattern : {&t.name, &t.description, &t.toolTip}) {
            for (const std::string& source : pattern->sources()) {
                std::vector<size_t>& list = dependents_[source];
                if (list.empty() || list.back() != index) list.push_back(index);
            }
        }
        if (!entry.caption.empty()) {
            if (auto* caption = qobject_cast<QLabel*>(window.widget(entry.caption))) caption->setBuddy(w);
        }
        if (entry.live) setLiveText(w);
        apply(t, {});
    }
}

void AccessibleWindow::apply(const Target& t, std::string_view changed) {
    if (!t.name.isEmpty()) {
        const QString name = t.name.fill();
        if (name != t.widget->accessibleName()) t.widget->setAccessibleName(name);
    }
    if (!t.description.isEmpty()) {
        const QString description = t.description.fill();
        if (description != t.widget->accessibleDescription()) t.widget->setAccessibleDescription(description);
    }
    if (!t.toolTip.isEmpty()) {
        const QString tip = t.toolTip.fill();
        if (tip != t.widget->toolTip()) t.widget->setToolTip(tip);
    }
    // A live text is announced each time it is written, even with the same
    // words (two exchanges may end alike), but not for its neighbours' changes.
    if (t.entry->live && changed == t.entry->control && !t.widget->accessibleName().isEmpty()) announcer_(t.widget);
}

void AccessibleWindow::textChanged(std::string_view control, bool differs) {
    const auto it = dependents_.find(control);
    if (it == dependents_.end()) return;
    for (size_t index : it->second) {
        const Target& t = targets_[index];
        if (differs || (t.entry->live && t.entry->control == control)) apply(t, control);
    }
}

}  // namespace splat::ui
