// The least a window showing this much can cost: one top-level window with a
// plain QLabel for every control of the game's layout table and the pictures
// the game's first frame shows (the banner and the first page's picture),
// decoded on the spot at their shown size, and nothing else (with the
// argument --labels-only, the labels alone). Quits once the first frame is
// painted when SPLAT_EXIT_AFTER_FIRST_FRAME=1, exactly like the game.

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/asset_path.h"
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

// Whether the entry is on screen in the game's first frame: shown, on the
// first page of every page control around it, and not in a dialog.
bool shownAtStart(const splat::ControlSpec& desc) {
    for (const splat::ControlSpec* c = &desc; c != nullptr; c = splat::findControl(c->parent)) {
        if (!c->visible || c->kind == splat::ControlKind::Dialog) return false;
        if (c->kind != splat::ControlKind::Page) continue;
        for (const splat::ControlSpec& sibling : splat::layoutTable()) {
            if (sibling.kind == splat::ControlKind::Page && sibling.parent == c->parent) {
                if (&sibling != c) return false;
                break;
            }
        }
    }
    return true;
}

// The game's pictures beside this program's folder (build/bench ->
// build/assets) or in the working directory.
std::string picturePath(const std::string& file) {
    const std::string here = QCoreApplication::applicationDirPath().toStdString();
    const std::string cwd = QDir::currentPath().toStdString();
    return splat::findAsset(file, {here + "/../assets", here + "/assets", cwd + "/assets"});
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareWindow window;
    const char* exitSwitch = std::getenv("SPLAT_EXIT_AFTER_FIRST_FRAME");
    window.quitAfterFirstFrame = exitSwitch != nullptr && std::strcmp(exitSwitch, "1") == 0;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(996, 735);
    const bool labelsOnly = argc > 1 && std::strcmp(argv[1], "--labels-only") == 0;
    // The first frame's pictures, under the labels.
    for (const splat::ControlSpec& desc : splat::layoutTable()) {
        if (labelsOnly) break;
        if ((desc.kind != splat::ControlKind::Picture && desc.kind != splat::ControlKind::Page) ||
            desc.picture.empty() || !shownAtStart(desc)) {
            continue;
        }
        const std::string path = picturePath(desc.picture);
        QImageReader reader(QString::fromStdString(path));
        reader.setScaledSize(QSize(desc.rect.w, desc.rect.h));
        const QImage image = reader.read();
        if (path.empty() || image.isNull()) {
            std::fprintf(stderr, "bare_window: cannot read the picture %s\n", desc.picture.c_str());
            return 2;
        }
        auto* picture = new QLabel(&window);
        picture->setPixmap(QPixmap::fromImage(image));
        picture->setGeometry(desc.rect.x, desc.rect.y, desc.rect.w, desc.rect.h);
    }
    const int count = static_cast<int>(splat::layoutTable().size());
    for (int i = 0; i < count; ++i) {
        auto* label = new QLabel(QStringLiteral("Label %1").arg(i), &window);
        label->setGeometry(4 + (i % 12) * 82, 4 + (i / 12) * 12, 80, 12);
    }
    window.show();
    return app.exec();
}
