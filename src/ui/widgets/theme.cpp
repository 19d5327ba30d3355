#include "ui/widgets/theme.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>

#include "core/layout_table.h"

namespace splat::ui::theme {

namespace {

// Fusion, with the game's focus mark on the controls it draws itself (radio
// buttons, check boxes, fields).
class FocusStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_FrameFocusRect && option != nullptr && painter != nullptr) {
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing);
            drawFocusRing(*painter, QRectF(option->rect).adjusted(-2, -2, 2, 2), 2);
            painter->restore();
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

}  // namespace

void drawFocusRing(QPainter& p, const QRectF& r, double radius) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), radius, radius);
    p.setPen(QPen(Qt::white, 2));
    p.drawRoundedRect(r.adjusted(3, 3, -3, -3), std::max(0.0, radius - 2), std::max(0.0, radius - 2));
}

void drawFace(QPainter& p, const QWidget& w, const Face& face, const QString& text) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(face.border, 1));
    p.setBrush(face.fill);
    p.drawRoundedRect(face.box, face.radius, face.radius);
    if (w.hasFocus() && w.window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        drawFocusRing(p, QRectF(w.rect()), face.radius);
    }
    p.setPen(face.ink);
    p.setFont(w.font());
    p.drawText(face.textBox, face.textFlags, text);
}

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
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(new FocusStyle(fusion));
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
