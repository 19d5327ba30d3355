#pragma once
// The game's push button: a flat rounded button in the club colours.

#include <QPushButton>

namespace splat::ui {

class GameButton : public QPushButton {
    Q_OBJECT
public:
    explicit GameButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace splat::ui
