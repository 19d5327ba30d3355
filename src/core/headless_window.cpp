#include "core/headless_window.h"

#include <cstring>
#include <map>

#include "core/game_title.h"

namespace splat {

HeadlessWindow::HeadlessWindow() {
    const auto& table = layoutTable();
    controls_.reserve(table.size());
    size_t slots = 16;
    while (slots < 2 * table.size()) slots *= 2;
    slots_.assign(slots, Slot{});
    std::map<std::string_view, int> pagesSoFar;
    for (const ControlSpec& desc : table) {
        ControlState c;
        c.desc = &desc;
        c.text = desc.text;
        c.visible = desc.visible;
        c.enabled = desc.enabled;
        c.x = desc.rect.x;
        c.itemIndex = desc.itemIndex;
        c.interval = desc.interval;
        if (desc.kind == ControlKind::Page) c.pageIndex = pagesSoFar[desc.parent]++;
        Slot& slot = slots_[findSlot(desc.name)];
        if (slot.index == 0) slot = {desc.name, static_cast<uint32_t>(controls_.size() + 1)};  // the first wins
        const size_t dot = desc.name.find('.');
        if (desc.kind == ControlKind::Label && dot != std::string::npos) {
            dialogLabels_[desc.name.substr(0, dot)].push_back(controls_.size());
        }
        controls_.push_back(std::move(c));
    }
}

const ControlState* HeadlessWindow::control(std::string_view name) const {
    const uint32_t slot = slots_[findSlot(name)].index;
    return slot == 0 ? nullptr : &controls_[slot - 1];
}

ControlState* HeadlessWindow::control(std::string_view name) {
    const uint32_t slot = slots_[findSlot(name)].index;
    return slot == 0 ? nullptr : &controls_[slot - 1];
}

ControlState* HeadlessWindow::target(std::string_view name) {
    ControlState* c = control(name);
    if (!c) unknown_.emplace(name);
    return c;
}

// A plain copy: assigning a string_view takes the string's general replace
// path, which a refresh of some 190 labels feels. Growing reallocates only
// when the text is longer than the string, so it cannot lie inside it then.
void HeadlessWindow::setText(std::string_view name, std::string_view text) {
    if (ControlState* c = target(name)) {
        c->text.resize(text.size());
        if (!text.empty()) std::memmove(c->text.data(), text.data(), text.size());
    }
}

std::string HeadlessWindow::text(std::string_view name) const {
    const ControlState* c = control(name);
    return c ? c->text : std::string();
}

void HeadlessWindow::setVisible(std::string_view name, bool visible) {
    if (ControlState* c = target(name)) c->visible = visible;
}

void HeadlessWindow::setEnabled(std::string_view name, bool enabled) {
    if (ControlState* c = target(name)) c->enabled = enabled;
}

void HeadlessWindow::setX(std::string_view name, int x) {
    if (ControlState* c = target(name)) c->x = x;
}

void HeadlessWindow::setMarked(std::string_view name, bool marked) {
    if (ControlState* c = target(name)) c->marked = marked;
}

void HeadlessWindow::setToolTip(std::string_view name, std::string_view text) {
    if (ControlState* c = target(name)) c->toolTip = std::string(text);
}

void HeadlessWindow::announce(std::string_view text) { announcements_.emplace_back(text); }

void HeadlessWindow::setItemIndex(std::string_view name, int index) {
    if (ControlState* c = target(name)) c->itemIndex = index;
}

void HeadlessWindow::setChecked(std::string_view name, bool checked) {
    ControlState* c = target(name);
    if (!c) return;
    c->itemIndex = checked ? 1 : 0;
    if (!checked) return;
    // Radio buttons of one container are exclusive.
    for (ControlState& other : controls_) {
        if (&other != c && other.desc->kind == ControlKind::RadioButton &&
            other.desc->parent == c->desc->parent) {
            other.itemIndex = 0;
        }
    }
}

std::pair<std::string, int> HeadlessWindow::pageOf(std::string_view page) const {
    const ControlState* c = control(page);
    if (!c || c->desc->kind != ControlKind::Page) return {std::string(), -1};
    return {c->desc->parent, c->pageIndex};
}

std::vector<std::string> HeadlessWindow::pages(std::string_view pageControl) const {
    std::vector<std::string> out;
    for (const ControlState& c : controls_) {
        if (c.desc->kind == ControlKind::Page && c.desc->parent == pageControl) out.push_back(c.desc->name);
    }
    return out;
}

int HeadlessWindow::currentPage(std::string_view pageControl) const {
    const ControlState* c = control(pageControl);
    return c ? c->currentPage : -1;
}

bool HeadlessWindow::selectPage(std::string_view pageControl, int index) {
    ControlState* c = control(pageControl);
    if (!c || c->currentPage == index) return false;
    c->currentPage = index;
    return true;
}

void HeadlessWindow::showPage(std::string_view page) {
    if (!target(page)) return;
    auto [owner, index] = pageOf(page);
    if (index >= 0) selectPage(owner, index);
}

bool HeadlessWindow::pageInFront(std::string_view page) const {
    const ControlState* c = control(page);
    return c && c->pageIndex >= 0 && currentPage(c->desc->parent) == c->pageIndex;
}

bool HeadlessWindow::visible(std::string_view name) const {
    const ControlState* c = control(name);
    return c && c->visible;
}

bool HeadlessWindow::enabled(std::string_view name) const {
    const ControlState* c = control(name);
    return c && c->enabled;
}

int HeadlessWindow::x(std::string_view name) const {
    const ControlState* c = control(name);
    return c ? c->x : 0;
}

bool HeadlessWindow::marked(std::string_view name) const {
    const ControlState* c = control(name);
    return c != nullptr && c->marked;
}

int HeadlessWindow::itemIndex(std::string_view name) const {
    const ControlState* c = control(name);
    return c ? c->itemIndex : -1;
}

int HeadlessWindow::timerInterval(std::string_view timer) const {
    const ControlState* c = control(timer);
    return c ? c->interval : 0;
}

bool HeadlessWindow::usable(std::string_view name) const {
    if (closed_) return false;
    const ControlState* c = control(name);
    if (!c) return false;
    for (int depth = 0; c && depth < 64; ++depth) {
        const ControlKind kind = c->desc->kind;
        if (kind == ControlKind::Dialog) return false;  // dialogs close at once
        if (kind != ControlKind::Page && kind != ControlKind::MainWindow && (!c->visible || !c->enabled)) {
            return false;
        }
        if (c->desc->parent.empty()) break;
        c = control(c->desc->parent);
    }
    return true;
}

void HeadlessWindow::message(std::string_view text, std::string_view caption) {
    WindowEvent e;
    e.type = WindowEvent::Type::Message;
    e.caption = caption.empty() ? std::string(kGameTitle) : std::string(caption);
    e.text = text;
    emit(e);
}

bool HeadlessWindow::question(std::string_view text, std::string_view caption) {
    bool yes = false;
    if (!answers_.empty()) {
        yes = answers_.front();
        answers_.pop_front();
    }
    WindowEvent e;
    e.type = WindowEvent::Type::Question;
    e.caption = caption.empty() ? std::string(kGameTitle) : std::string(caption);
    e.text = text;
    e.flag = yes;
    emit(e);
    return yes;
}

void HeadlessWindow::showDialog(std::string_view name) {
    if (!target(name) || !listener_) return;  // nobody to tell what it shows
    WindowEvent e;
    e.type = WindowEvent::Type::Dialog;
    e.name = name;
    if (auto labels = dialogLabels_.find(name); labels != dialogLabels_.end()) {
        e.labels.reserve(labels->second.size());
        for (const size_t i : labels->second) {
            const ControlState& c = controls_[i];
            e.labels.emplace_back(c.desc->name.substr(name.size() + 1), c.text);
        }
    }
    emit(e);
}

void HeadlessWindow::setTimerEnabled(std::string_view timer, bool enabled) {
    ControlState* c = target(timer);
    if (!c || c->enabled == enabled) return;
    c->enabled = enabled;
    WindowEvent e;
    e.type = WindowEvent::Type::Timer;
    e.name = timer;
    e.flag = enabled;
    e.interval = c->interval;
    emit(e);
}

void HeadlessWindow::setTimerInterval(std::string_view timer, int milliseconds) {
    if (ControlState* c = target(timer)) c->interval = milliseconds;
}

void HeadlessWindow::closeMain() {
    if (closed_) return;
    closed_ = true;
    WindowEvent e;
    e.type = WindowEvent::Type::Closed;
    emit(e);
}

}  // namespace splat
