#pragma once
// A window without a screen: it keeps every control of the layout table
// (text, visibility, enabled state, x, chosen item, page in front) and reports
// message boxes, questions, dialogs, timers and the closing of the window as
// events. Tests and the driver run the game against it.

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/layout_table.h"
#include "core/name_map.h"
#include "core/window.h"

namespace splat {

struct ControlState {
    const ControlSpec* desc = nullptr;
    std::string text;
    bool visible = true;
    bool enabled = true;
    int x = 0;
    int itemIndex = -1;   // radio group: chosen item; radio button: 1 = checked
    int currentPage = 0;  // page control: index of the page in front
    int pageIndex = -1;   // page: its index in its page control
    int interval = 0;     // timer
    bool marked = false;  // label: shows the player's own club
    std::string toolTip;  // what the game last said the control does
};

struct WindowEvent {
    enum class Type { Message, Question, Dialog, Timer, Closed };
    Type type = Type::Message;
    std::string name;  // dialog or timer
    std::string caption;
    std::string text;
    bool flag = false;                                        // question: the answer; timer: on
    int interval = 0;                                         // timer
    std::vector<std::pair<std::string, std::string>> labels;  // dialog: short name, text
};

class HeadlessWindow final : public Window {
public:
    using Listener = std::function<void(const WindowEvent&)>;

    HeadlessWindow();

    void setListener(Listener listener) { listener_ = std::move(listener); }
    // The answer to the next question (No when none is queued).
    void queueAnswer(bool yes) { answers_.push_back(yes); }

    // Window seam.
    void setText(std::string_view name, std::string_view text) override;
    std::string text(std::string_view name) const override;
    void setVisible(std::string_view name, bool visible) override;
    void setEnabled(std::string_view name, bool enabled) override;
    void setX(std::string_view name, int x) override;
    void setMarked(std::string_view name, bool marked) override;
    void setItemIndex(std::string_view name, int index) override;
    void setChecked(std::string_view name, bool checked) override;
    void showPage(std::string_view page) override;
    bool pageInFront(std::string_view page) const override;
    void setToolTip(std::string_view name, std::string_view text) override;
    void announce(std::string_view text) override;
    void message(std::string_view text, std::string_view caption) override;
    bool question(std::string_view text, std::string_view caption) override;
    void showDialog(std::string_view name) override;
    void setTimerEnabled(std::string_view timer, bool enabled) override;
    void setTimerInterval(std::string_view timer, int milliseconds) override;
    void closeMain() override;

    // Queries.
    const std::vector<ControlState>& controls() const { return controls_; }
    const ControlState* control(std::string_view name) const;
    ControlState* control(std::string_view name);
    bool visible(std::string_view name) const;
    bool enabled(std::string_view name) const;
    int x(std::string_view name) const;
    bool marked(std::string_view name) const;
    int itemIndex(std::string_view name) const;
    bool timerEnabled(std::string_view timer) const { return enabled(timer); }
    int timerInterval(std::string_view timer) const;
    bool mainClosed() const { return closed_; }
    // Everything announced to a screen reader, oldest first.
    const std::vector<std::string>& announcements() const { return announcements_; }
    // Names the game addressed that the layout table does not have.
    const std::set<std::string>& unknownNames() const { return unknown_; }

    // Whether a player could use the control now: it and every container
    // around it are shown and enabled. Pages that are not in front do not
    // count as hidden, since the player can always bring them forward.
    bool usable(std::string_view name) const;

    // The page control holding `page`, and the page's index in it.
    std::pair<std::string, int> pageOf(std::string_view page) const;
    // The index of the page in front of `pageControl`.
    int currentPage(std::string_view pageControl) const;
    // The pages of `pageControl` in tab order.
    std::vector<std::string> pages(std::string_view pageControl) const;
    // Brings page `index` of `pageControl` forward; true when it changed.
    bool selectPage(std::string_view pageControl, int index);

private:
    // The control a setter addresses; an unknown name is remembered.
    ControlState* target(std::string_view name);
    void emit(const WindowEvent& e) {
        if (listener_) listener_(e);
    }

    std::vector<ControlState> controls_;
    std::vector<std::string> announcements_;
    // Controls by name: an open-addressing table (a power of two at most
    // half full, probed linearly), quicker than a node map for a refresh's
    // ~200 lookups. A slot holds its control's index + 1 (0 = empty) and a
    // view of its name, so that a probe reads the name without going through
    // the control and its layout entry.
    struct Slot {
        std::string_view name;
        uint32_t index = 0;
    };
    std::vector<Slot> slots_;
    size_t findSlot(std::string_view name) const {
        const size_t mask = slots_.size() - 1;
        size_t i = NameHash{}(name)&mask;
        while (slots_[i].index != 0 && slots_[i].name != name) i = (i + 1) & mask;
        return i;
    }
    // Each dialog's labels ("Tresults.yoscore", ...) in table order.
    NameMap<std::vector<size_t>> dialogLabels_;
    std::deque<bool> answers_;
    Listener listener_;
    std::set<std::string> unknown_;
    bool closed_ = false;
};

}  // namespace splat
