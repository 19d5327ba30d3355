#include "ui/widgets/game_dialog.h"

#include <QCloseEvent>
#include <QPainter>

namespace splat::ui {

GameDialog::GameDialog(QWidget* parent, const QString& background, CloseBox closeBox, QSize clientSize)
    : QDialog(parent), background_(background), closeBox_(closeBox) {
    Qt::WindowFlags flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox == CloseBox::ActsAsOk) flags |= Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setFixedSize(clientSize);
    setModal(true);
    setSizeGripEnabled(false);
}

void GameDialog::closeByButton() {
    closing_ = true;
    accept();
    closing_ = false;
}

void GameDialog::reject() {
    // Escape (or the close box): the dialog's one button is OK, so it closes
    // exactly as that button would.
    closeByButton();
}

void GameDialog::closeEvent(QCloseEvent* event) {
    if (closing_ || !isVisible()) {
        event->accept();
        return;
    }
    if (closeBox_ == CloseBox::ActsAsOk) {
        closeByButton();
        event->accept();
        return;
    }
    event->ignore();
}

void GameDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    background_.paint(p, rect(), QColor(0xf7, 0xf9, 0xfc), QColor(0xdf, 0xe7, 0xf0));
}

}  // namespace splat::ui
