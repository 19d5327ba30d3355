#include "ui/window/window_builder.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/access/accessible_roles.h"
#include "ui/widgets/card_group_box.h"
#include "ui/widgets/flat_page_control.h"
#include "ui/widgets/game_button.h"
#include "ui/widgets/game_dialog.h"
#include "ui/widgets/game_label.h"
#include "ui/widgets/main_window.h"
#include "ui/widgets/picture_loader.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/surfaces.h"
#include "ui/widgets/theme.h"

namespace splat::ui {
namespace {

QRect qrect(const Rect& r) { return {r.x, r.y, r.w, r.h}; }

Qt::Alignment alignmentFor(const ControlSpec& desc) {
    const Qt::Alignment vertical = desc.wordWrap ? Qt::AlignTop : Qt::AlignVCenter;
    if (desc.style & Centered) return Qt::AlignHCenter | vertical;
    if (desc.style & RightAligned) return Qt::AlignRight | vertical;
    return Qt::AlignLeft | vertical;
}

class Builder {
public:
    explicit Builder(BuiltWindow& out) : out_(out) {}

    void add(const ControlSpec& desc) {
        BuiltControl c;
        c.desc = &desc;
        c.text = qs(desc.text);
        switch (desc.kind) {
            case ControlKind::MainWindow: mainWindow(desc, c); break;
            case ControlKind::MenuBar: menuBar(c); break;
            case ControlKind::MenuItem: menuItem(desc, c); break;
            case ControlKind::PageControl: c.widget = new FlatPageControl(container(desc)); break;
            case ControlKind::Page: page(desc, c); break;
            case ControlKind::Panel: c.widget = new PanelWidget(container(desc), nestedPanel(desc)); break;
            case ControlKind::GroupBox: groupBox(desc, c); break;
            case ControlKind::Label: label(desc, c); break;
            case ControlKind::Button: button(desc, c); break;
            case ControlKind::RadioGroup: radioGroup(desc, c); break;
            case ControlKind::RadioButton: radioButton(desc, c); break;
            case ControlKind::Edit: edit(desc, c); break;
            case ControlKind::Picture: c.widget = new PictureView(container(desc), qs(desc.picture)); break;
            case ControlKind::Dialog: dialog(desc, c); break;
            case ControlKind::Timer: timer(desc, c); break;
            case ControlKind::MediaPlayer: break;
        }
        if (c.widget != nullptr) {
            containers_.emplace(desc.name, c.widget);
            c.widget->setObjectName(qs(desc.name));
            place(desc, c.widget);
        }
        out_.controls.emplace(desc.name, c);
    }

private:
    // The widget that children of `desc` go into.
    QWidget* container(const ControlSpec& desc) {
        const auto it = containers_.find(desc.parent);
        if (it != containers_.end()) return it->second;
        return out_.main ? out_.main->centralWidget() : nullptr;
    }

    const ControlSpec* parentSpec(const ControlSpec& desc) const {
        const auto it = out_.controls.find(desc.parent);
        return it == out_.controls.end() ? nullptr : it->second.desc;
    }

    bool nestedPanel(const ControlSpec& desc) const {
        const ControlSpec* p = parentSpec(desc);
        return p != nullptr && p->kind == ControlKind::Panel;
    }

    // A text directly on a page's picture gets a light backing; a dialog's
    // picture leaves room for its texts, which stand on it bare.
    bool standsOnPicture(const ControlSpec& desc) const {
        const ControlSpec* p = parentSpec(desc);
        return p != nullptr && p->kind == ControlKind::Page && !p->picture.empty();
    }

    void place(const ControlSpec& desc, QWidget* w) {
        switch (desc.kind) {
            case ControlKind::MainWindow:
            case ControlKind::MenuBar:
            case ControlKind::Page:    // placed by its page control
            case ControlKind::Dialog:  // sized by itself, placed when shown
                break;
            default: w->setGeometry(qrect(desc.rect)); break;
        }
        if (desc.kind != ControlKind::MainWindow && desc.kind != ControlKind::Dialog &&
            desc.kind != ControlKind::Page && !desc.visible) {
            w->setVisible(false);
        }
        if (!desc.enabled) w->setEnabled(false);
    }

    void mainWindow(const ControlSpec& desc, BuiltControl& c) {
        out_.main = std::make_unique<MainWindow>(QSize(desc.rect.w, desc.rect.h));
        out_.main->setWindowTitle(qs(desc.text));
        auto* client = new QWidget;
        client->setObjectName(QStringLiteral("client"));
        client->setAutoFillBackground(true);
        QPalette p = client->palette();
        p.setColor(QPalette::Window, theme::kNavy);
        client->setPalette(p);
        out_.main->setCentralWidget(client);
        c.widget = out_.main.get();
        containers_[desc.name] = client;
    }

    void menuBar(BuiltControl& c) {
        QMenuBar* bar = out_.main->menuBar();
        QPalette p = bar->palette();
        p.setColor(QPalette::Window, theme::kNavy.darker(130));
        p.setColor(QPalette::Button, theme::kNavy.darker(130));
        p.setColor(QPalette::WindowText, Qt::white);
        p.setColor(QPalette::ButtonText, Qt::white);
        p.setColor(QPalette::Highlight, theme::kAccent);
        p.setColor(QPalette::HighlightedText, Qt::white);
        bar->setPalette(p);
        bar->setAutoFillBackground(true);
        c.widget = bar;
    }

    void menuItem(const ControlSpec& desc, BuiltControl& c) {
        QMenuBar* bar = out_.main->menuBar();
        c.action = new QAction(literalCaption(c.text), bar);
        c.action->setObjectName(qs(desc.name));
        c.action->setVisible(desc.visible);
        c.action->setEnabled(desc.enabled);
        bar->addAction(c.action);
    }

    void page(const ControlSpec& desc, BuiltControl& c) {
        auto* owner = qobject_cast<FlatPageControl*>(out_.controls.at(desc.parent).widget);
        // Sub-pages without a picture of their own become light cards over
        // the picture of the page around them.
        const bool subPage = desc.parent != "PageControl1";
        auto* surface = new PageSurface(owner, qs(desc.picture), subPage && desc.picture.empty());
        owner->addPage(surface, c.text);
        c.widget = surface;
        containers_[desc.name] = surface;
    }

    void groupBox(const ControlSpec& desc, BuiltControl& c) {
        auto* box = new CardGroupBox(literalCaption(c.text), container(desc));
        c.widget = box;
        containers_[desc.name] = box;
    }

    void label(const ControlSpec& desc, BuiltControl& c) {
        auto* l = new GameLabel(container(desc));
        l->setFont(theme::styledFont(desc.style));
        l->setAlignment(alignmentFor(desc));
        l->setWordWrap(desc.wordWrap);
        l->setLight((desc.style & Light) != 0);
        l->setChip(standsOnPicture(desc) && (desc.style & Light) == 0);
        l->setText(c.text);
        c.widget = l;
    }

    void button(const ControlSpec& desc, BuiltControl& c) {
        auto* b = new GameButton(container(desc));
        b->setText(literalCaption(c.text));
        if (desc.style & (Larger | Heading)) b->setFont(theme::styledFont(desc.style | Bold));
        c.widget = b;
    }

    void radioGroup(const ControlSpec& desc, BuiltControl& c) {
        auto* box = new CardGroupBox(literalCaption(c.text), container(desc));
        box->setFont(theme::baseFont());
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(4, c.text.isEmpty() ? 2 : 24, 4, 2);
        layout->setSpacing(2);
        c.group = new QButtonGroup(box);
        for (size_t i = 0; i < desc.items.size(); ++i) {
            auto* item = new QRadioButton(literalCaption(qs(desc.items[i])), box);
            item->setObjectName(qs(desc.name) + QLatin1Char('#') + QString::number(i));
            item->setChecked(static_cast<int>(i) == desc.itemIndex);
            item->setCursor(Qt::PointingHandCursor);
            c.group->addButton(item, static_cast<int>(i));
            layout->addWidget(item);
        }
        layout->addStretch(1);
        c.widget = box;
    }

    void radioButton(const ControlSpec& desc, BuiltControl& c) {
        auto* r = new QRadioButton(literalCaption(c.text), container(desc));
        r->setFont(theme::styledFont(desc.style));
        r->setChecked(desc.itemIndex == 1);
        r->setCursor(Qt::PointingHandCursor);
        c.widget = r;
    }

    void edit(const ControlSpec& desc, BuiltControl& c) {
        auto* e = new QLineEdit(container(desc));
        if (desc.maxLength > 0) e->setMaxLength(desc.maxLength);
        e->setText(c.text);
        c.widget = e;
    }

    void dialog(const ControlSpec& desc, BuiltControl& c) {
        auto* d = new GameDialog(out_.main.get(), qs(desc.picture),
                                 desc.closeBox ? GameDialog::CloseBox::ActsAsOk : GameDialog::CloseBox::None,
                                 QSize(desc.rect.w, desc.rect.h));
        d->setWindowTitle(c.text);
        d->hide();
        c.widget = d;
        containers_[desc.name] = d;
    }

    void timer(const ControlSpec& desc, BuiltControl& c) {
        c.timer = new QTimer(out_.main.get());
        c.timer->setObjectName(qs(desc.name));
        c.timer->setInterval(desc.interval);
        // The music's restart must come on time, not within a few percent.
        c.timer->setTimerType(Qt::PreciseTimer);
        if (desc.enabled) c.timer->start();
    }

    BuiltWindow& out_;
    std::unordered_map<std::string, QWidget*> containers_;
};

// Whether the entry is on screen in the first frame: shown, and on the first
// page of every page control around it, and not in a dialog.
bool shownAtStart(const ControlSpec& desc) {
    for (const ControlSpec* c = &desc; c != nullptr; c = findControl(c->parent)) {
        if (!c->visible || c->kind == ControlKind::Dialog) return false;
        if (c->kind != ControlKind::Page) continue;
        for (const ControlSpec& sibling : layoutTable()) {
            if (sibling.kind == ControlKind::Page && sibling.parent == c->parent) {
                if (&sibling != c) return false;
                break;
            }
        }
    }
    return true;
}

}  // namespace

QString literalCaption(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
    return escaped;
}

BuiltWindow buildWindow(pictures::Prefetch& prefetch) {
    // Before any widget exists: a screen reader may ask for one at once.
    installAccessibleRoles();
    // The pictures of the first frame decode on helper threads meanwhile.
    for (const ControlSpec& desc : layoutTable()) {
        if ((desc.kind == ControlKind::Picture || desc.kind == ControlKind::Page) && !desc.picture.empty() &&
            shownAtStart(desc)) {
            prefetch.start(qs(desc.picture), QSize(desc.rect.w, desc.rect.h));
        }
    }
    BuiltWindow out;
    Builder builder(out);
    for (const ControlSpec& desc : layoutTable()) builder.add(desc);
    return out;
}

}  // namespace splat::ui
