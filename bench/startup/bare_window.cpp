// The least a window showing this much can cost: one top-level window with a
// plain QLabel for every control of the game's layout table, and nothing
// else. Quits once the first frame is painted when SPLAT_EXIT_AFTER_FIRST_FRAME=1,
// exactly like the game.

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/layout_table.h"

namespace {

class BareWindow : public QWidget {
public:
    bool quitAfterFirstFrame = false;

protected:
    void paintEvent(QPaintEvent* event) override {
        QWidget::paintEvent(event);
        if (quitAfterFirstFrame && !painted_) {
            painted_ = true;
            // Like the game: end at once once the frame is through.
            QTimer::singleShot(0, qApp, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
    }

private:
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareWindow window;
    const char* exitSwitch = std::getenv("SPLAT_EXIT_AFTER_FIRST_FRAME");
    window.quitAfterFirstFrame = exitSwitch != nullptr && std::strcmp(exitSwitch, "1") == 0;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(996, 735);
    const int count = static_cast<int>(splat::layoutTable().size());
    for (int i = 0; i < count; ++i) {
        auto* label = new QLabel(QStringLiteral("Label %1").arg(i), &window);
        label->setGeometry(4 + (i % 12) * 82, 4 + (i / 12) * 12, 80, 12);
    }
    window.show();
    return app.exec();
}
