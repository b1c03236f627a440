#include "Fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace velmor {

void loadGameFonts() {
    for (const char* file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"})
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/") +
                                          QLatin1String(file));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8);
    QApplication::setFont(font);
}

} // namespace velmor
