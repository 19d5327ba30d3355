// A click in the Qt window does exactly what the driver's click does: for
// every clickable control of the main window, one game clicked through Qt and
// one through the binding table on the headless window end in the same view.

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QTimer>

#include "core/layout_table.h"
#include "qt/qt_game.h"
#include "ui/widgets/game_label.h"

namespace splat::testing {
namespace {

// Brings every page around `name` to the front, in both windows alike.
void revealPagesOf(const std::string& name, QtGame& qt, HeadlessGame& headless) {
    for (const ControlSpec* desc = findControl(name); desc != nullptr; desc = findControl(desc->parent)) {
        if (desc->kind == ControlKind::Page) {
            qt.window.showPage(desc->name);
            headless.window.showPage(desc->name);
        }
    }
}

void expectSameView(const QtGame& qt, const HeadlessGame& headless) {
    for (const ControlSpec& desc : layoutTable()) {
        if (desc.kind == ControlKind::Timer) {
            EXPECT_EQ(qt.window.timer(desc.name)->isActive(), headless.window.timerEnabled(desc.name))
                << desc.name;
            continue;
        }
        EXPECT_EQ(qt.window.text(desc.name), headless.window.text(desc.name)) << desc.name;
        const QWidget* w = qt.widget(desc.name);
        if (w == nullptr || desc.kind == ControlKind::Page || desc.kind == ControlKind::Dialog ||
            desc.kind == ControlKind::MainWindow || desc.kind == ControlKind::MenuBar) {
            continue;
        }
        EXPECT_EQ(!w->isHidden(), headless.window.visible(desc.name)) << desc.name;
        EXPECT_EQ(w->isEnabled(), headless.window.enabled(desc.name)) << desc.name;
        if (desc.kind != ControlKind::Page) {
            EXPECT_EQ(w->x(), headless.window.x(desc.name)) << desc.name;
        }
        if (const auto* label = qobject_cast<const ui::GameLabel*>(w)) {
            EXPECT_EQ(label->isMarked(), headless.window.marked(desc.name)) << desc.name;
        }
    }
}

std::vector<std::string> clickableControls() {
    std::vector<std::string> names;
    for (const Binding& b : bindings()) {
        const ControlSpec* desc = findControl(b.control);
        if (b.signal != Signal::Click || desc == nullptr) continue;
        if (desc->kind == ControlKind::MenuItem || desc->kind == ControlKind::Button ||
            desc->kind == ControlKind::Label || desc->kind == ControlKind::RadioButton) {
            names.push_back(b.control);
        }
    }
    return names;
}

TEST(SameHandlers, EveryClickableControlDoesWhatTheDriverDoes) {
    int compared = 0;
    for (const std::string& name : clickableControls()) {
        for (bool optionsClosed : {false, true}) {
            SCOPED_TRACE(name + (optionsClosed ? " (options closed)" : " (options open)"));
            QtGame qt;
            HeadlessGame headless;
            if (optionsClosed) {
                qt.window.control("Options")->action->trigger();
                findBinding("Options", Signal::Click)->handler(headless.game, 0, "");
            }
            revealPagesOf(name, qt, headless);
            const ControlSpec* desc = findControl(name);
            if (desc->kind != ControlKind::MenuItem && !headless.window.usable(name)) continue;
            if (desc->kind == ControlKind::MenuItem) {
                qt.window.control(name)->action->trigger();
            } else {
                QWidget* w = qt.widget(name);
                ASSERT_TRUE(w->isVisible()) << "the player cannot reach it";
                clickWidget(w);
            }
            findBinding(name, Signal::Click)->handler(headless.game, 0, "");
            expectSameView(qt, headless);
            // The same boxes and dialogs came up, in the same order.
            std::vector<std::string> qtModals;
            for (const ShownModal& m : qt.window.shown) qtModals.push_back(m.name.empty() ? m.text : m.name);
            std::vector<std::string> headlessModals;
            for (const WindowEvent& e : headless.events) {
                if (e.type == WindowEvent::Type::Dialog) headlessModals.push_back(e.name);
                if (e.type == WindowEvent::Type::Message || e.type == WindowEvent::Type::Question) {
                    headlessModals.push_back(e.text);
                }
            }
            EXPECT_EQ(qtModals, headlessModals);
            ++compared;
        }
    }
    EXPECT_GT(compared, 20);
}

}  // namespace
}  // namespace splat::testing
