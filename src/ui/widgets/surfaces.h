#pragma once
// The plain containers and pictures of the window: a panel drawn as a light
// card, a decorative picture, and a page that may carry a background picture.

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QWidget>

#include "ui/widgets/lazy_picture.h"

namespace splat::ui {

// A light card: a rounded rectangle with a thin border filled with `fill`,
// over `area`, painted where `dirty` needs it.
void paintCard(QPainter& p, const QRect& area, const QRect& dirty, const QColor& fill);

// A panel: a rounded light card so that its texts read well over any picture.
// A panel inside another panel is tinted to set it apart.
class PanelWidget : public QWidget {
    Q_OBJECT
public:
    PanelWidget(QWidget* parent, bool nested);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool nested_;
};

// A decorative picture scaled to its box; nothing when the file is missing.
class PictureView : public QWidget {
    Q_OBJECT
public:
    PictureView(QWidget* parent, const QString& file);
    // Whether the picture could be decoded (decodes it at the view's size if needed).
    bool hasPicture() { return !picture_.at(size()).isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LazyPicture picture_;
};

// A page of a page control: a background picture filling it, or for the
// sub-pages without one a light card so that their texts stay readable over
// the picture of the page around them.
class PageSurface : public QWidget {
    Q_OBJECT
public:
    PageSurface(QWidget* parent, const QString& background, bool card);
    bool hasBackground() const { return background_.isSet(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LazyPicture background_;
    bool card_;
};

}  // namespace splat::ui
