#include "ui/access/accessible_roles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

#include "ui/access/named_accessible.h"
#include "ui/widgets/card_group_box.h"
#include "ui/widgets/flat_page_control.h"
#include "ui/widgets/game_label.h"

namespace splat::ui {
namespace {

const char* const kLiveProperty = "splatLiveText";

// A tab of a page control: a page tab, selected while its page is in front,
// pressed like a click.
class PageTabAccessible : public QAccessibleWidget {
public:
    explicit PageTabAccessible(FlatTab* tab) : QAccessibleWidget(tab, QAccessible::PageTab) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return givenNameOr(widget(), tab()->text().trimmed());
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = tab()->isCurrent();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            if (tab()->isEnabled()) tab()->animateClick();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    FlatTab* tab() const { return static_cast<FlatTab*>(widget()); }
};

// A label of the game: a static text named by its text (or its accessible
// name), a button when the player can click it, a notification when it is a
// live text. A label marked as the player's club says so.
class GameLabelAccessible : public QAccessibleWidget {
public:
    explicit GameLabelAccessible(GameLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        if (label()->isClickable()) return QAccessible::Button;
        if (label()->property(kLiveProperty).toBool()) return QAccessible::Notification;
        return QAccessible::StaticText;
    }

    // A caption (its control's name says it) and a lone currency sign (the
    // sum beside it says it) are left out of a screen reader's review.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (label()->buddy() != nullptr || label()->text() == QLatin1String("$")) s.invisible = true;
        return s;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return givenNameOr(widget(), label()->text());
        if (t == QAccessible::Description && label()->isMarked()) {
            const QString more = QAccessibleWidget::text(t);
            return more.isEmpty() ? QStringLiteral("Your club") : QStringLiteral("Your club. ") + more;
        }
        return QAccessibleWidget::text(t);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto rels = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Labelled) && label()->buddy() != nullptr) {
            if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label()->buddy()))
                rels.append({iface, QAccessible::Labelled});
        }
        return rels;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->isClickable()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && label()->isClickable()) {
            // Later, as a click would come: the caller's request returns first.
            GameLabel* l = label();
            QTimer::singleShot(0, l, [l] {
                if (l->isClickable() && l->isEnabled()) Q_EMIT l->clicked();
            });
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    GameLabel* label() const { return static_cast<GameLabel*>(widget()); }
};

// A group of radio buttons is named by its title. Its items are labelled by
// it (Qt relates them), so a screen reader names the group once as they take
// the focus; the box itself (a client) stays out of the spoken context,
// which would name it a second time.
QAccessibleInterface* gameWidgetFactory(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    if (className == QLatin1String("splat::ui::FlatTab"))
        return new PageTabAccessible(static_cast<FlatTab*>(object));
    if (className == QLatin1String("splat::ui::FlatTabRow"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::PageTabList);
    if (className == QLatin1String("splat::ui::FlatPageControl"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    if (className == QLatin1String("splat::ui::CardGroupBox") &&
        object->findChild<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly) != nullptr)
        return new NamedAccessible<CardGroupBox>(static_cast<CardGroupBox*>(object), QAccessible::Client,
                                                 &CardGroupBox::title);
    if (className == QLatin1String("splat::ui::GameLabel"))
        return new GameLabelAccessible(static_cast<GameLabel*>(object));
    return nullptr;
}

}  // namespace

void installAccessibleRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(&gameWidgetFactory);
        return true;
    }();
    (void)installed;
}

void setLiveText(QWidget* label) {
    if (label != nullptr) label->setProperty(kLiveProperty, true);
}

void announce(QWidget* widget) {
    if (widget == nullptr || !QAccessible::isActive() || !widget->isVisible()) return;
    QAccessibleEvent shown(widget, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace splat::ui
