#include "ui/widgets/theme.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

#include "core/layout_table.h"

namespace splat::ui::theme {

QFont baseFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(9);
    return f;
}

QFont styledFont(int style) {
    // Every attribute set explicitly, so that nothing is taken over from a
    // bold container.
    QFont f = baseFont();
    f.setBold((style & Bold) != 0);
    f.setItalic((style & Italic) != 0);
    f.setUnderline((style & Underline) != 0);
    if (style & Heading) {
        f.setPointSize(f.pointSize() + 6);
    } else if (style & Larger) {
        f.setPointSize(f.pointSize() + 2);
    }
    return f;
}

void apply(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
    app.setFont(baseFont());

    QPalette p;
    p.setColor(QPalette::Window, QColor(0xee, 0xf2, 0xf7));
    p.setColor(QPalette::WindowText, kInk);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0xe8, 0xee, 0xf5));
    p.setColor(QPalette::Text, kInk);
    p.setColor(QPalette::Button, QColor(0xf4, 0xf6, 0xf9));
    p.setColor(QPalette::ButtonText, kInk);
    p.setColor(QPalette::Highlight, kAccent);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, Qt::white);
    p.setColor(QPalette::ToolTipText, kInk);
    p.setColor(QPalette::Link, kAccentDark);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x8a, 0x94, 0xa0));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x8a, 0x94, 0xa0));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x8a, 0x94, 0xa0));
    app.setPalette(p);
}

}  // namespace splat::ui::theme
