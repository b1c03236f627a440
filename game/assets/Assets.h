#pragma once

#include <QImage>
#include <QString>

// The game's artwork, built from the generator in this folder and embedded in the program as Qt resources.
namespace velmor::assets {

// One picture of a numbered picture set, by the set's name in the game window:
//   imgZem, imgFreePic, imgFreeMask, imgWallPic, imgWallMask, imgDoor, imgMineralPic, imgMineralMask,
//   imgUkaz, imgRaznoePic, imgRaznoeMask, imgForHomePic, imgForHomeMask, imgMan, imgSityPic, imgSityMask,
//   imgHeroPic, imgHeroMask, imgVesh (item pictures), imgRemen (scroll pictures).
// Pictures and masks come in Format_RGB32 (objects on white, masks only black and white); imgVesh and
// imgRemen in Format_ARGB32 with a transparent background. A null image when the set has no such index.
QImage picture(const QString& set, int index);

// Number of indices of a set (0 for an unknown set).
int pictureCount(const QString& set);

// Single pictures by name:
//   statusStrip 803x73, chest 50x42, moneyBag 35x36, heart 23x22, lightning 27x25,
//   panel 441x329 (the panel picture of the info, inventory and save panels and of the start window's
//   panels), offerPanel 372x138, pausePanel 121x105, title 800x600, icon (the window icon, 64x64).
// The chest, money bag, heart, lightning and icon come in Format_ARGB32 with a transparent background, the
// others in Format_RGB32.
QImage named(const QString& name);

// Button faces by the word they read: 88x24 for ok, Нет, Сохранить, Продолжить, Выход, Информация, Выбросить,
// Продать; 208x32 (big) for Новая игра, Загрузить игру, Выход.
QImage buttonFace(const QString& word);
QImage bigButtonFace(const QString& word);

} // namespace velmor::assets
