#pragma once
// An accessible of a given role whose name a screen reader reads off its
// widget (a group's title, a heading's text); the rest as Qt has it.

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>

namespace splat::ui {

template <class W>
class NamedAccessible : public QAccessibleWidget {
public:
    using Reader = QString (W::*)() const;
    NamedAccessible(W* widget, QAccessible::Role role, Reader name)
        : QAccessibleWidget(widget, role), name_(name) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return (static_cast<const W*>(widget())->*name_)();
        return QAccessibleWidget::text(t);
    }

private:
    Reader name_;
};

// The name the game gave `w` for a screen reader, else `shown`.
inline QString givenNameOr(const QWidget* w, const QString& shown) {
    const QString name = w->accessibleName();
    return name.isEmpty() ? shown : name;
}

}  // namespace splat::ui
