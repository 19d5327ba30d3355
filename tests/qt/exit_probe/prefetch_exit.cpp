// Starts decoding six of the game's pictures ahead and ends at once.
#include <QApplication>
#include <QDir>

#include "ui/widgets/picture_loader.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The pictures are found in the working directory.
    QDir::setCurrent(QStringLiteral(SPLAT_ASSETS_DIR));
    const QStringList files = QDir().entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
    splat::ui::pictures::Prefetch prefetch;
    for (int i = 0; i < 6 && i < files.size(); ++i) prefetch.start(files[i], QSize(320, 200));
    return 0;
}
