#pragma once
// The look of the game: one palette, the base font and the few colours the
// custom-painted controls share.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QApplication;
class QPainter;
class QRectF;
class QWidget;

namespace splat::ui::theme {

// Fusion style, the palette and the base font for the whole program.
void apply(QApplication& app);

// The keyboard focus mark inside `r`: a black ring and a white one, each
// 2 px wide, so that one of them stands out by at least 4.5:1 from any
// background (black and white differ by 21:1).
void drawFocusRing(QPainter& p, const QRectF& r, double radius);

// The face of a custom-painted button or tab: a rounded box, the focus ring
// while the player moves around `w` with the keyboard, and its text.
struct Face {
    QRectF box;
    double radius;
    QColor fill;
    QColor border;
    QColor ink;
    QRect textBox;
    int textFlags;
};
void drawFace(QPainter& p, const QWidget& w, const Face& face, const QString& text);

// The base font (9 pt sans) and the emphasised variants of the layout table.
QFont baseFont();
QFont styledFont(int style);

inline const QColor kInk{0x1c, 0x26, 0x33};     // text on light cards
inline const QColor kNavy{0x16, 0x24, 0x38};    // window background
inline const QColor kAccent{0xf0, 0x6a, 0x1c};  // paintball orange
inline const QColor kAccentDark{0xc4, 0x4e, 0x0c};
inline const QColor kCard{255, 255, 255, 226};  // panels over pictures
inline const QColor kCardNested{0xe4, 0xee, 0xfa, 240};
inline const QColor kCardBorder{0x30, 0x44, 0x5c, 110};
inline const QColor kChip{255, 255, 255, 205};  // behind texts standing on a picture

}  // namespace splat::ui::theme
