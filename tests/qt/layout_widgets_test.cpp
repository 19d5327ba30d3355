// Every control of the layout table exists in the Qt window as a widget of
// its kind, with its name, text, place, emphasis and initial state.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "core/audio.h"
#include "core/clock.h"
#include "core/layout_table.h"
#include "core/settings_store.h"
#include "game/game.h"
#include "ui/widgets/flat_page_control.h"
#include "ui/widgets/game_dialog.h"
#include "ui/widgets/game_label.h"
#include "ui/widgets/main_window.h"
#include "ui/widgets/surfaces.h"
#include "ui/window/qt_window.h"

namespace splat::testing {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The widget that holds the children of `parent` in the Qt window.
QWidget* containerOf(ui::QtWindow& w, const std::string& parent) {
    const ControlSpec* desc = findControl(parent);
    if (desc != nullptr && desc->kind == ControlKind::MainWindow) return w.mainWindow().centralWidget();
    return w.widget(parent);
}

class LayoutWidgets : public ::testing::Test {
protected:
    ui::QtWindow window;  // built, not bound and not shown: the table's own state
};

TEST_F(LayoutWidgets, EveryEntryIsAWidgetOfItsKindWithItsNameAndText) {
    for (const ControlSpec& desc : layoutTable()) {
        SCOPED_TRACE(desc.name);
        const ui::BuiltControl* c = window.control(desc.name);
        ASSERT_NE(c, nullptr);
        const QString name = qs(desc.name);
        const QString text = qs(desc.text);
        switch (desc.kind) {
            case ControlKind::MainWindow: {
                auto* w = qobject_cast<QMainWindow*>(c->widget);
                ASSERT_NE(w, nullptr);
                EXPECT_EQ(w->windowTitle(), text);
                break;
            }
            case ControlKind::MenuBar:
                ASSERT_NE(qobject_cast<QMenuBar*>(c->widget), nullptr);
                EXPECT_EQ(c->widget, window.mainWindow().menuBar());
                break;
            case ControlKind::MenuItem: {
                ASSERT_NE(c->action, nullptr);
                EXPECT_EQ(c->action->objectName(), name);
                EXPECT_EQ(c->action->text(), text);
                // A top-level entry of the menu bar, clickable by itself.
                EXPECT_TRUE(window.mainWindow().menuBar()->actions().contains(c->action));
                EXPECT_EQ(c->action->menu(), nullptr);
                break;
            }
            case ControlKind::PageControl:
                EXPECT_NE(qobject_cast<ui::FlatPageControl*>(c->widget), nullptr);
                break;
            case ControlKind::Page: {
                auto* owner = window.pageControl(desc.parent);
                ASSERT_NE(owner, nullptr);
                const int index = owner->indexOf(c->widget);
                ASSERT_GE(index, 0);
                EXPECT_EQ(owner->tab(index)->text(), text);
                EXPECT_EQ(c->widget->geometry(), QRect(desc.rect.x, desc.rect.y, desc.rect.w, desc.rect.h));
                break;
            }
            case ControlKind::Panel: EXPECT_NE(qobject_cast<ui::PanelWidget*>(c->widget), nullptr); break;
            case ControlKind::GroupBox: {
                auto* box = qobject_cast<QGroupBox*>(c->widget);
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(box->title(), text);
                break;
            }
            case ControlKind::Label: {
                auto* label = qobject_cast<ui::GameLabel*>(c->widget);
                ASSERT_NE(label, nullptr);
                EXPECT_EQ(label->text(), text);
                EXPECT_EQ(label->textFormat(), Qt::PlainText);
                EXPECT_EQ(label->font().bold(), (desc.style & Bold) != 0);
                EXPECT_EQ(label->font().italic(), (desc.style & Italic) != 0);
                EXPECT_EQ(label->font().underline(), (desc.style & Underline) != 0);
                EXPECT_EQ(label->wordWrap(), desc.wordWrap);
                if (desc.style & Centered) {
                    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
                }
                if (desc.style & RightAligned) {
                    EXPECT_TRUE(label->alignment() & Qt::AlignRight);
                }
                if (desc.style & (Larger | Heading)) {
                    EXPECT_GT(label->font().pointSizeF(), QApplication::font().pointSizeF());
                }
                break;
            }
            case ControlKind::Button: {
                auto* b = qobject_cast<QPushButton*>(c->widget);
                ASSERT_NE(b, nullptr);
                EXPECT_EQ(b->text(), text);
                break;
            }
            case ControlKind::RadioGroup: {
                ASSERT_NE(qobject_cast<QGroupBox*>(c->widget), nullptr);
                ASSERT_NE(c->group, nullptr);
                const auto items = c->group->buttons();
                ASSERT_EQ(items.size(), static_cast<qsizetype>(desc.items.size()));
                for (size_t i = 0; i < desc.items.size(); ++i) {
                    QAbstractButton* item = c->group->button(static_cast<int>(i));
                    ASSERT_NE(item, nullptr);
                    EXPECT_EQ(item->text(), qs(desc.items[i]));
                    EXPECT_EQ(item->isChecked(), static_cast<int>(i) == desc.itemIndex);
                }
                break;
            }
            case ControlKind::RadioButton: {
                auto* r = qobject_cast<QRadioButton*>(c->widget);
                ASSERT_NE(r, nullptr);
                EXPECT_EQ(r->text(), text);
                EXPECT_EQ(r->isChecked(), desc.itemIndex == 1);
                break;
            }
            case ControlKind::Edit: {
                auto* e = qobject_cast<QLineEdit*>(c->widget);
                ASSERT_NE(e, nullptr);
                EXPECT_EQ(e->text(), text);
                if (desc.maxLength > 0) {
                    EXPECT_EQ(e->maxLength(), desc.maxLength);
                }
                break;
            }
            case ControlKind::Picture: EXPECT_NE(qobject_cast<ui::PictureView*>(c->widget), nullptr); break;
            case ControlKind::Dialog: {
                auto* d = qobject_cast<ui::GameDialog*>(c->widget);
                ASSERT_NE(d, nullptr);
                EXPECT_EQ(d->windowTitle(), text);
                EXPECT_FALSE(d->isVisible());
                EXPECT_EQ(d->hasBackground(), !desc.picture.empty());
                break;
            }
            case ControlKind::Timer:
                ASSERT_NE(c->timer, nullptr);
                EXPECT_EQ(c->timer->objectName(), name);
                EXPECT_EQ(c->timer->interval(), desc.interval);
                EXPECT_EQ(c->timer->isActive(), desc.enabled);
                break;
            case ControlKind::MediaPlayer:
                EXPECT_EQ(c->widget, nullptr);  // plays through the audio seam, shows nothing
                break;
        }
        if (c->widget == nullptr) continue;
        EXPECT_EQ(c->widget->objectName(), name);
        if (desc.kind == ControlKind::MainWindow || desc.kind == ControlKind::Dialog ||
            desc.kind == ControlKind::MenuBar) {
            continue;
        }
        // In its parent, at its place, with its initial state.
        if (desc.kind != ControlKind::Page) {
            EXPECT_EQ(c->widget->parentWidget(), containerOf(window, desc.parent));
            EXPECT_EQ(c->widget->geometry(), QRect(desc.rect.x, desc.rect.y, desc.rect.w, desc.rect.h));
            EXPECT_EQ(!c->widget->isHidden(), desc.visible);
        }
        EXPECT_EQ(c->widget->isEnabled(), desc.enabled);
    }
}

TEST_F(LayoutWidgets, PageControlsHoldTheirPagesInTabOrderFirstInFront) {
    for (const ControlSpec& desc : layoutTable()) {
        if (desc.kind != ControlKind::PageControl) continue;
        SCOPED_TRACE(desc.name);
        ui::FlatPageControl* pc = window.pageControl(desc.name);
        std::vector<std::string> pages;
        for (const ControlSpec& p : layoutTable())
            if (p.kind == ControlKind::Page && p.parent == desc.name) pages.push_back(p.name);
        ASSERT_EQ(pc->count(), static_cast<int>(pages.size()));
        for (size_t i = 0; i < pages.size(); ++i) {
            EXPECT_EQ(pc->page(static_cast<int>(i)), window.widget(pages[i]));
            EXPECT_EQ(pc->page(static_cast<int>(i))->isHidden(), i != 0);
        }
        EXPECT_EQ(pc->currentIndex(), 0);
    }
    std::vector<std::string> captions;
    for (const std::string& page : mainPages()) captions.push_back(findControl(page)->text);
    EXPECT_EQ(captions, (std::vector<std::string>{"Team", "Tactics", "Training", "Scout", " Gear", "Finances",
                                                  "League table", "Schedule", "Next game"}));
}

TEST_F(LayoutWidgets, TabsAreFlatButtonsNinetySevenWideThatWrap) {
    for (const ControlSpec& desc : layoutTable()) {
        if (desc.kind != ControlKind::PageControl) continue;
        SCOPED_TRACE(desc.name);
        ui::FlatPageControl* pc = window.pageControl(desc.name);
        int lastRow = 0;
        for (int i = 0; i < pc->count(); ++i) {
            const QRect tab = pc->tab(i)->geometry();
            EXPECT_EQ(tab.height(), 26);
            EXPECT_GE(tab.width(), 97);
            EXPECT_LE(tab.right(), pc->width() - 1);
            EXPECT_EQ(tab.y() % 26, 0);
            EXPECT_GE(tab.y() / 26, lastRow);
            lastRow = tab.y() / 26;
            // A caption that fits a plain tab gets exactly 97 pixels.
            QFont bold = pc->tab(i)->font();
            bold.setBold(true);
            if (QFontMetrics(bold).horizontalAdvance(pc->tab(i)->text()) + 18 <= 97) {
                EXPECT_EQ(tab.width(), 97);
            }
        }
        EXPECT_EQ(pc->tabRows(), lastRow + 1);
    }
    // The eleven markers need three rows in the marker shop.
    EXPECT_EQ(window.pageControl("tab3")->tabRows(), 3);
    EXPECT_EQ(window.pageControl("PageControl1")->tabRows(), 1);
}

TEST_F(LayoutWidgets, ClickableLabelsAreExactlyThoseWithAClickHandlerOnceBound) {
    MemorySettingsStore settings;
    SilentAudio audio;
    FixedClock clock;
    Game game(window, audio, settings, clock);
    window.bind(game);
    int clickable = 0;
    for (const ControlSpec& desc : layoutTable()) {
        if (desc.kind != ControlKind::Label) continue;
        auto* label = qobject_cast<ui::GameLabel*>(window.widget(desc.name));
        const bool bound = findBinding(desc.name, Signal::Click) != nullptr;
        EXPECT_EQ(label->isClickable(), bound) << desc.name;
        EXPECT_EQ(label->cursor().shape(), bound ? Qt::PointingHandCursor : Qt::ArrowCursor) << desc.name;
        clickable += bound ? 1 : 0;
    }
    EXPECT_GE(clickable, 10);  // at least the ten names of the league table
}

}  // namespace
}  // namespace splat::testing
