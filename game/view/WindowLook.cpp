#include "WindowLook.h"

#include "assets/Assets.h"

#include <QIcon>
#include <QPixmap>
#include <QWidget>

namespace velmor {

void giveGameWindowLook(QWidget& window) {
    window.setWindowTitle(QStringLiteral("Velmor"));
    window.setWindowIcon(QIcon(QPixmap::fromImage(assets::named(QStringLiteral("icon")))));
    window.setAutoFillBackground(true);
    QPalette black = window.palette();
    black.setColor(QPalette::Window, Qt::black);
    window.setPalette(black);
    window.resize(800, 600);
}

} // namespace velmor
