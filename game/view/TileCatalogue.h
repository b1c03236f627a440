#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The drawing vocabulary of a section: which picture paints a ground code and which sprite or fill an object
// code puts over it. Codes are compared whole and case-sensitively; "&K" (Latin K) and "&К" (Cyrillic К)
// differ.
namespace velmor {

struct SpriteRef {
    QString pictureSet; // e.g. "imgWallPic"
    int pictureIndex = 0;
    QString maskSet; // e.g. "imgWallMask"; "imgDoor" and "imgMan" hold masks among their pictures
    int maskIndex = 0;
};

struct ObjectLook {
    enum class Kind { Nothing, Sprite, Fill };
    Kind kind = Kind::Nothing;
    SpriteRef sprite; // for Kind::Sprite
};

// The ground picture (index into imgZem) of a layer-1 code, if the code is one of the seven ground codes.
std::optional<int> groundPicture(const QString& code);

// What a layer-2 code draws: a sprite, the flat fill of "D5", or nothing.
ObjectLook objectLook(const QString& code);

// The final door's flat fill, RGB(251, 214, 4): the single pixel of imgDoor(4) stretched over the cell.
constexpr unsigned finalDoorRgb = 0xFBD604;

// All codes of the catalogue in its order, for the contact sheet and the tests.
QStringList groundCodes();
QStringList objectCodes();

} // namespace velmor
