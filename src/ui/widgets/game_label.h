#pragma once
// A label of the game: plain text (never markup, since team and player names
// come from the player), the emphasis of the layout table, and a click signal
// for the few labels the player can click.

#include <QLabel>

namespace splat::ui {

class GameLabel : public QLabel {
    Q_OBJECT
public:
    explicit GameLabel(QWidget* parent = nullptr);

    // Light text with a dark shadow, for texts on the banner.
    void setLight(bool light);
    // A soft light backing behind the text, for texts standing on a picture.
    void setChip(bool chip) { chip_ = chip; }
    bool hasChip() const { return chip_; }
    // Reacts to clicks with `clicked` and shows a pointing hand; it then also
    // takes focus and answers Enter and Space as a click.
    void setClickable(bool clickable);
    bool isClickable() const { return clickable_; }
    // Marks the player's own club: bold on a soft club-coloured backing.
    void setMarked(bool marked);
    bool isMarked() const { return marked_; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int textFlags() const;
    void setHovered(bool hovered);

    bool light_ = false;
    bool chip_ = false;
    bool clickable_ = false;
    bool pressed_ = false;
    bool marked_ = false;
};

}  // namespace splat::ui
