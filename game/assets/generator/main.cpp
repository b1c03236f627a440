// Draws every picture of the game into a folder of PNG files with a resource list (art.qrc) for the build.
//   velmor-artgen OUTPUT_FOLDER [FONT_FOLDER] [--loose]
// The output depends only on this source and the DejaVu font files, never on the machine's font settings.

#include "Drawings.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdio>

namespace velmor::artgen {

namespace {
Fonts loadedFonts;

QString loadFont(const QString& file) {
    const int id = QFontDatabase::addApplicationFont(file);
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        std::fprintf(stderr, "artgen: cannot load the font %s\n", qPrintable(file));
        return {};
    }
    return families.front();
}
} // namespace

const Fonts& fonts() {
    return loadedFonts;
}

bool loadFonts(const QString& folder) {
    loadedFonts.sans = loadFont(folder + "/DejaVuSans.ttf");
    loadedFonts.sansBold = loadFont(folder + "/DejaVuSans-Bold.ttf");
    loadedFonts.serifBold = loadFont(folder + "/DejaVuSerif-Bold.ttf");
    return !loadedFonts.sans.isEmpty() && !loadedFonts.sansBold.isEmpty() && !loadedFonts.serifBold.isEmpty();
}

} // namespace velmor::artgen

int main(int argc, char** argv) {
    // Pictures only: no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: velmor-artgen OUTPUT_FOLDER [FONT_FOLDER]\n");
        return 2;
    }
    const QString fontFolder = argc > 2 && QString(argv[2]) != "--loose"
                                   ? QString::fromLocal8Bit(argv[2])
                                   : QStringLiteral("/usr/share/fonts/truetype/dejavu");
    using namespace velmor::artgen;
    if (!loadFonts(fontFolder)) return 1;

    Art art;
    drawGround(art);
    drawPlants(art);
    drawWalls(art);
    drawDoors(art);
    drawMinerals(art);
    drawSignpost(art);
    drawMisc(art);
    drawFurniture(art);
    drawPersons(art);
    drawBuildings(art);
    drawHero(art);
    drawItems(art);
    drawScrolls(art);
    drawInterface(art);
    const bool loose = QCoreApplication::arguments().contains("--loose");
    return art.write(QString::fromLocal8Bit(argv[1]), loose) ? 0 : 1;
}
