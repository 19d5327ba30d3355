#pragma once
// The main window TForm1: fixed size, minimize but no maximize, and a signal
// once its first frame has been painted.

#include <QMainWindow>

namespace splat::ui {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QSize size);

    // Places the window in the middle of its screen's free area; on a screen
    // too small for it the window shrinks and its client area scrolls.
    void centreOnScreen();

Q_SIGNALS:
    // Comes once, right after the window's first frame is on the screen.
    void firstFramePainted();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize designed_;
    bool watching_ = false;
    bool painted_ = false;
};

}  // namespace splat::ui
