#pragma once
// The window as a screen reader sees it: accessible names, descriptions,
// captions (labelled-by) and tooltips from the speech of each entry of the
// layout table, kept up to date as the game writes its texts, and an
// announcement for each change of a live text (the play-by-play line and the
// score).

#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/name_map.h"
#include "ui/access/text_pattern.h"

class QWidget;

namespace splat {
struct Speech;
}

namespace splat::ui {

class WindowControls;

class AccessibleWindow {
public:
    // Applies the speech of the whole layout table to the widgets of `window`.
    explicit AccessibleWindow(const WindowControls& window);

    // The game wrote the text of `control` (`differs`: a new one): refreshes
    // everything that names it, and announces it when it is a live text.
    void textChanged(std::string_view control, bool differs = true);

    // The widget that speaks for `control` (a radio item "GROUP#INDEX", a
    // page's tab), or nullptr.
    static QWidget* widgetFor(const WindowControls& window, std::string_view control);

    // Says `text` once to a screen reader, through a live text of its own
    // in `host` that shows nothing.
    void announceText(QWidget& host, const QString& text);

    // What tells a screen reader about a live text (announce() unless a test
    // listens in its place).
    void setAnnouncer(std::function<void(QWidget*)> announcer) { announcer_ = std::move(announcer); }

private:
    struct Target {
        std::string control;
        bool live;
        QWidget* widget;
        TextPattern name;
        TextPattern description;
        TextPattern toolTip;
    };
    void add(const WindowControls& window, std::string control, const Speech& speech,
             const TextPattern::Resolver& textOf);
    void apply(const Target& t, std::string_view changed);

    std::vector<Target> targets_;
    NameMap<std::vector<size_t>> dependents_;
    std::function<void(QWidget*)> announcer_;
    QWidget* announcement_ = nullptr;  // made on the first announcement
};

}  // namespace splat::ui
