#pragma once

#include "Art.h"

#include <QColor>
#include <QPainter>
#include <QString>

// The drawing of each group of pictures; each adds its pictures to the art.
namespace velmor::artgen {

void drawGround(Art& art);
void drawPlants(Art& art);
void drawWalls(Art& art);
void drawDoors(Art& art);
void drawMinerals(Art& art);
void drawSignpost(Art& art);
void drawMisc(Art& art);
void drawFurniture(Art& art);
void drawPersons(Art& art);
void drawBuildings(Art& art);
void drawHero(Art& art);
void drawItems(Art& art);
void drawScrolls(Art& art);
void drawInterface(Art& art);

// A chest in the coordinates of one cell (it spans x 4 to 31, y 6 to 32); also the inventory icon.
void paintChest(QPainter& p, const QColor& wood, const QColor& band, bool roundLid);

// The font families loaded from the DejaVu files at start.
struct Fonts {
    QString sans;
    QString sansBold;
    QString serifBold;
};
const Fonts& fonts();
bool loadFonts(const QString& folder);

} // namespace velmor::artgen
