#pragma once
// The window as a screen reader sees it: accessible names, descriptions,
// captions (labelled-by) and tooltips from the speech of each entry of the
// layout table, kept up to date as the game writes its texts; each change of
// a live text (the play-by-play line) and each announcement of the game is
// said through the speech queue.

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "core/name_map.h"
#include "ui/access/speech_queue.h"
#include "ui/access/text_pattern.h"

class QWidget;

namespace splat {
struct Speech;
}

namespace splat::ui {

class WindowControls;

class AccessibleWindow {
public:
    // Applies the speech of the whole layout table to the widgets of `window`;
    // says what the game announces through a notification in `host`.
    AccessibleWindow(const WindowControls& window, QWidget& host);

    // The game wrote the text of `control` (`differs`: a new one): refreshes
    // everything that names it, and announces it when it is a live text.
    void textChanged(std::string_view control, bool differs = true);

    // The widget that speaks for `control` (a radio item "GROUP#INDEX", a
    // page's tab), or nullptr.
    static QWidget* widgetFor(const WindowControls& window, std::string_view control);

    // Says `text` once to a screen reader, after everything said before.
    void announceText(const QString& text);

    // Everything said, in order (tests listen here in place of the screen
    // reader).
    SpeechQueue& speech() { return speech_; }

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
    SpeechQueue speech_;
};

}  // namespace splat::ui
