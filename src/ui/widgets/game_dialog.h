#pragma once
// One of the five small modal windows: a fixed-size tool window, optionally
// with a background picture, closed by its one button, OK. Escape acts as the
// button; a dialog without a close box ignores the window manager's close,
// and with one, closing acts as the button.

#include <QDialog>

#include "ui/widgets/lazy_picture.h"

namespace splat::ui {

class GameDialog : public QDialog {
    Q_OBJECT
public:
    enum class CloseBox { None, ActsAsOk };

    GameDialog(QWidget* parent, const QString& background, CloseBox closeBox, QSize clientSize);

    CloseBox closeBox() const { return closeBox_; }
    bool hasBackground() const { return background_.isSet(); }

public Q_SLOTS:
    // The dialog's own button: closes it with the result OK.
    void closeByButton();
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    LazyPicture background_;
    CloseBox closeBox_;
    bool closing_ = false;
};

}  // namespace splat::ui
