#pragma once
// A titled group (the game-speed box) drawn as a light card with its title in
// bold; without a title (the radio groups under their own labels) it draws
// nothing but its items.

#include <QGroupBox>

namespace splat::ui {

class CardGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit CardGroupBox(const QString& title, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace splat::ui
