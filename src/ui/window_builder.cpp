#include "ui/window_builder.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/card_group_box.h"
#include "ui/flat_page_control.h"
#include "ui/game_button.h"
#include "ui/game_dialog.h"
#include "ui/game_label.h"
#include "ui/main_window.h"
#include "ui/picture_loader.h"
#include "ui/surfaces.h"
#include "ui/theme.h"

namespace splat::ui {
namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QRect qrect(const Rect& r) { return {r.x, r.y, r.w, r.h}; }

Qt::Alignment alignmentFor(const ControlSpec& spec) {
    const Qt::Alignment vertical = spec.wordWrap ? Qt::AlignTop : Qt::AlignVCenter;
    if (spec.style & Centered) return Qt::AlignHCenter | vertical;
    if (spec.style & RightAligned) return Qt::AlignRight | vertical;
    return Qt::AlignLeft | vertical;
}

class Builder {
public:
    explicit Builder(BuiltWindow& out) : out_(out) {}

    void add(const ControlSpec& spec) {
        BuiltControl c;
        c.spec = &spec;
        c.text = qs(spec.text);
        switch (spec.kind) {
            case ControlKind::MainWindow: mainWindow(spec, c); break;
            case ControlKind::MenuBar: menuBar(c); break;
            case ControlKind::MenuItem: menuItem(spec, c); break;
            case ControlKind::PageControl: c.widget = new FlatPageControl(container(spec)); break;
            case ControlKind::Page: page(spec, c); break;
            case ControlKind::Panel: c.widget = new PanelWidget(container(spec), nestedPanel(spec)); break;
            case ControlKind::GroupBox: groupBox(spec, c); break;
            case ControlKind::Label: label(spec, c); break;
            case ControlKind::Button: button(spec, c); break;
            case ControlKind::RadioGroup: radioGroup(spec, c); break;
            case ControlKind::RadioButton: radioButton(spec, c); break;
            case ControlKind::Edit: edit(spec, c); break;
            case ControlKind::Picture: c.widget = new PictureView(container(spec), qs(spec.picture)); break;
            case ControlKind::Dialog: dialog(spec, c); break;
            case ControlKind::Timer: timer(spec, c); break;
            case ControlKind::MediaPlayer: break;
        }
        if (c.widget != nullptr) {
            containers_.emplace(spec.name, c.widget);
            c.widget->setObjectName(qs(spec.name));
            place(spec, c.widget);
        }
        out_.controls.emplace(spec.name, c);
    }

private:
    // The widget that children of `spec` go into.
    QWidget* container(const ControlSpec& spec) {
        const auto it = containers_.find(spec.parent);
        if (it != containers_.end()) return it->second;
        return out_.main ? out_.main->centralWidget() : nullptr;
    }

    const ControlSpec* parentSpec(const ControlSpec& spec) const {
        const auto it = out_.controls.find(spec.parent);
        return it == out_.controls.end() ? nullptr : it->second.spec;
    }

    bool nestedPanel(const ControlSpec& spec) const {
        const ControlSpec* p = parentSpec(spec);
        return p != nullptr && p->kind == ControlKind::Panel;
    }

    // A text directly on a picture gets a light backing.
    bool standsOnPicture(const ControlSpec& spec) const {
        const ControlSpec* p = parentSpec(spec);
        return p != nullptr && (p->kind == ControlKind::Page || p->kind == ControlKind::Dialog) &&
               !p->picture.empty();
    }

    void place(const ControlSpec& spec, QWidget* w) {
        switch (spec.kind) {
            case ControlKind::MainWindow:
            case ControlKind::MenuBar:
            case ControlKind::Page:     // placed by its page control
            case ControlKind::Dialog:   // sized by itself, placed when shown
                break;
            default:
                w->setGeometry(qrect(spec.rect));
                break;
        }
        if (spec.kind != ControlKind::MainWindow && spec.kind != ControlKind::Dialog &&
            spec.kind != ControlKind::Page && !spec.visible) {
            w->setVisible(false);
        }
        if (!spec.enabled) w->setEnabled(false);
    }

    void mainWindow(const ControlSpec& spec, BuiltControl& c) {
        out_.main = std::make_unique<MainWindow>(QSize(spec.rect.w, spec.rect.h));
        out_.main->setWindowTitle(qs(spec.text));
        auto* client = new QWidget;
        client->setObjectName(QStringLiteral("client"));
        client->setAutoFillBackground(true);
        QPalette p = client->palette();
        p.setColor(QPalette::Window, theme::kNavy);
        client->setPalette(p);
        out_.main->setCentralWidget(client);
        c.widget = out_.main.get();
        containers_[spec.name] = client;
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

    void menuItem(const ControlSpec& spec, BuiltControl& c) {
        QMenuBar* bar = out_.main->menuBar();
        c.action = new QAction(literalCaption(c.text), bar);
        c.action->setObjectName(qs(spec.name));
        c.action->setVisible(spec.visible);
        c.action->setEnabled(spec.enabled);
        bar->addAction(c.action);
    }

    void page(const ControlSpec& spec, BuiltControl& c) {
        auto* owner = qobject_cast<FlatPageControl*>(out_.controls.at(spec.parent).widget);
        // Sub-pages without a picture of their own become light cards over
        // the picture of the page around them.
        const bool subPage = spec.parent != "PageControl1";
        auto* surface = new PageSurface(owner, qs(spec.picture), subPage && spec.picture.empty());
        owner->addPage(surface, c.text);
        c.widget = surface;
        containers_[spec.name] = surface;
    }

    void groupBox(const ControlSpec& spec, BuiltControl& c) {
        auto* box = new CardGroupBox(literalCaption(c.text), container(spec));
        c.widget = box;
        containers_[spec.name] = box;
    }

    void label(const ControlSpec& spec, BuiltControl& c) {
        auto* l = new GameLabel(container(spec));
        l->setFont(theme::styledFont(spec.style));
        l->setAlignment(alignmentFor(spec));
        l->setWordWrap(spec.wordWrap);
        l->setLight((spec.style & Light) != 0);
        l->setChip(standsOnPicture(spec) && (spec.style & Light) == 0);
        l->setText(c.text);
        c.widget = l;
    }

    void button(const ControlSpec& spec, BuiltControl& c) {
        auto* b = new GameButton(container(spec));
        b->setText(literalCaption(c.text));
        if (spec.style & (Larger | Heading)) b->setFont(theme::styledFont(spec.style | Bold));
        c.widget = b;
    }

    void radioGroup(const ControlSpec& spec, BuiltControl& c) {
        auto* box = new CardGroupBox(literalCaption(c.text), container(spec));
        box->setFont(theme::baseFont());
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(4, c.text.isEmpty() ? 2 : 24, 4, 2);
        layout->setSpacing(2);
        c.group = new QButtonGroup(box);
        for (size_t i = 0; i < spec.items.size(); ++i) {
            auto* item = new QRadioButton(literalCaption(qs(spec.items[i])), box);
            item->setObjectName(qs(spec.name) + QLatin1Char('#') + QString::number(i));
            item->setChecked(static_cast<int>(i) == spec.itemIndex);
            item->setCursor(Qt::PointingHandCursor);
            c.group->addButton(item, static_cast<int>(i));
            layout->addWidget(item);
        }
        layout->addStretch(1);
        c.widget = box;
    }

    void radioButton(const ControlSpec& spec, BuiltControl& c) {
        auto* r = new QRadioButton(literalCaption(c.text), container(spec));
        r->setFont(theme::styledFont(spec.style));
        r->setChecked(spec.itemIndex == 1);
        r->setCursor(Qt::PointingHandCursor);
        c.widget = r;
    }

    void edit(const ControlSpec& spec, BuiltControl& c) {
        auto* e = new QLineEdit(container(spec));
        if (spec.maxLength > 0) e->setMaxLength(spec.maxLength);
        e->setText(c.text);
        c.widget = e;
    }

    void dialog(const ControlSpec& spec, BuiltControl& c) {
        // Tresults, TForm4 and TForm5 have no title-bar buttons; Tendseason and
        // TAbout keep a close box.
        const bool closeBox = spec.name == "Tendseason" || spec.name == "TAbout";
        auto* d = new GameDialog(out_.main.get(), qs(spec.picture),
                                 closeBox ? GameDialog::CloseBox::ActsAsOk : GameDialog::CloseBox::None,
                                 QSize(spec.rect.w, spec.rect.h));
        d->setWindowTitle(c.text);
        d->hide();
        c.widget = d;
        containers_[spec.name] = d;
    }

    void timer(const ControlSpec& spec, BuiltControl& c) {
        c.timer = new QTimer(out_.main.get());
        c.timer->setObjectName(qs(spec.name));
        c.timer->setInterval(spec.interval);
        // The music's restart must come on time, not within a few percent.
        c.timer->setTimerType(Qt::PreciseTimer);
        if (spec.enabled) c.timer->start();
    }

    BuiltWindow& out_;
    std::unordered_map<std::string, QWidget*> containers_;
};

// Whether the entry is on screen in the first frame: shown, and on the first
// page of every page control around it, and not in a dialog.
bool shownAtStart(const ControlSpec& spec) {
    for (const ControlSpec* c = &spec; c != nullptr; c = findControl(c->parent)) {
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

BuiltWindow buildWindow() {
    // The pictures of the first frame decode on helper threads meanwhile.
    for (const ControlSpec& spec : layoutTable()) {
        if ((spec.kind == ControlKind::Picture || spec.kind == ControlKind::Page) && !spec.picture.empty() &&
            shownAtStart(spec)) {
            pictures::prefetch(qs(spec.picture), QSize(spec.rect.w, spec.rect.h));
        }
    }
    BuiltWindow out;
    Builder builder(out);
    for (const ControlSpec& spec : layoutTable()) builder.add(spec);
    return out;
}

}  // namespace splat::ui
