// The texts the game writes while it is played fit the boxes of their labels:
// every clickable control is used once, a league game is played, and after
// each step no label cuts its text off.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <set>

#include "core/layout_table.h"
#include "qt/qt_game.h"
#include "ui/widgets/game_dialog.h"

namespace splat::testing {
namespace {

void collectCutTexts(const ui::QtWindow& window, const std::string& step, std::set<std::string>& cut) {
    for (const ControlSpec& desc : layoutTable()) {
        if (desc.kind != ControlKind::Label || desc.wordWrap) continue;
        auto* label = qobject_cast<QLabel*>(window.widget(desc.name));
        const QFontMetrics fm(label->font());
        const int needed = fm.horizontalAdvance(label->text());
        if (needed > label->contentsRect().width()) {
            cut.insert(desc.name + " \"" + label->text().toStdString() + "\" needs " + std::to_string(needed) +
                       " of " + std::to_string(label->contentsRect().width()) + " (after " + step + ")");
        }
    }
}

TEST(WrittenTextsFit, NoLabelCutsOffWhatTheGameWritesIntoIt) {
    QtGame g;
    std::set<std::string> cut;
    g.window.answers.assign(100, false);
    for (const Binding& b : bindings()) {
        const ControlSpec* desc = findControl(b.control);
        if (b.signal != Signal::Click || desc == nullptr || desc->kind == ControlKind::MenuItem) continue;
        if (b.control == "Start") continue;
        b.handler(g.game, 0, "");
        collectCutTexts(g.window, b.control, cut);
    }
    // A league game to its end, its dialogs pressed away at once.
    ui::QtWindow& w = g.window;
    QTimer presser;
    QObject::connect(&presser, &QTimer::timeout, [] {
        if (auto* d = qobject_cast<ui::GameDialog*>(QApplication::activeModalWidget())) {
            for (QPushButton* b : d->findChildren<QPushButton*>()) b->click();
        }
    });
    presser.start(5);
    const int week = g.game.state().week;
    findBinding("Start", Signal::Click)->handler(g.game, 0, "");
    w.setTimerInterval("Timer1", 1);
    int ticks = 0;
    while (g.game.state().week == week && ticks < 400) {
        findBinding("Timer1", Signal::Tick)->handler(g.game, 0, "");
        collectCutTexts(w, "tick " + std::to_string(++ticks), cut);
    }
    ASSERT_NE(g.game.state().week, week) << "the match did not end";
    EXPECT_FALSE(w.text("Tresults.lblresult").empty());
    collectCutTexts(w, "the settlement", cut);
    for (const std::string& c : cut) ADD_FAILURE() << c;
}

}  // namespace
}  // namespace splat::testing
