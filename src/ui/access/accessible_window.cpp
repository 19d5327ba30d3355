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

AccessibleWindow::AccessibleWindow(const WindowControls& window, QWidget& host) : speech_(host) {
    installAccessibleRoles();
    // The texts as the window keeps them (edit fields are named by fixed
    // names only, so what the player types never needs following).
    const TextPattern::Resolver textOf = [&window](std::string_view control) {
        return window.writtenText(control);
    };
    for (const ControlSpec& desc : layoutTable()) {
        add(window, desc.name, desc.speech, textOf);
        for (size_t i = 0; i < desc.itemNames.size(); ++i) {
            if (!desc.itemNames[i].empty())
                add(window, desc.name + "#" + std::to_string(i), Speech{.name = desc.itemNames[i]}, textOf);
        }
    }
}

void AccessibleWindow::add(const WindowControls& window, std::string control, const Speech& speech,
                           const TextPattern::Resolver& textOf) {
    if (speech.name.empty() && speech.description.empty() && speech.toolTip.empty() && speech.caption.empty() &&
        !speech.live) {
        return;
    }
    QWidget* w = widgetFor(window, control);
    if (w == nullptr) return;
    const size_t index = targets_.size();
    targets_.push_back({control, speech.live, w, TextPattern(speech.name, control, textOf),
                        TextPattern(speech.description, control, textOf),
                        TextPattern(speech.toolTip, control, textOf)});
    const Target& t = targets_.back();
    for (const TextPattern* pattern : {&t.name, &t.description, &t.toolTip}) {
        for (const std::string& source : pattern->sources()) {
            std::vector<size_t>& list = dependents_[source];
            if (list.empty() || list.back() != index) list.push_back(index);
        }
    }
    if (!speech.caption.empty()) {
        if (auto* caption = qobject_cast<QLabel*>(window.widget(speech.caption))) caption->setBuddy(w);
    }
    apply(t, {});
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
    if (t.live && changed == t.control) speech_.say(t.widget->accessibleName());
}

void AccessibleWindow::announceText(const QString& text) { speech_.say(text); }

void AccessibleWindow::textChanged(std::string_view control, bool differs) {
    const auto it = dependents_.find(control);
    if (it == dependents_.end()) return;
    for (size_t index : it->second) {
        const Target& t = targets_[index];
        if (differs || (t.live && t.control == control)) apply(t, control);
    }
}

}  // namespace splat::ui
