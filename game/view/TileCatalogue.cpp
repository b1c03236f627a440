#include "TileCatalogue.h"

#include <array>

namespace velmor {

namespace {

struct GroundEntry {
    const char16_t* code;
    int picture;
};

constexpr std::array<GroundEntry, 8> groundTable{{
    {u"==", 0}, // green grass
    {u"--", 1}, // grey stone floor
    {u"__", 2}, // speckled sand
    {u"dd", 3}, // wooden planks
    {u"pp", 4}, // dark olive tiles
    {u"=b", 5}, // asphalt
    {u"-s", 5},
    {u"BB", 6}, // rocks and gravel
}};

struct ObjectEntry {
    const char16_t* code;
    const char* pictureSet; // empty for the final door's flat fill
    int picture;
    const char* maskSet;
    int mask;
};

// Codes drawn alike share a line's sprite; "&" codes (and "%i") are the walkable twins, "$" codes persons who
// make offers.
constexpr std::array<ObjectEntry, 107> objectTable{{
    {u"YY", "imgFreePic", 0, "imgFreeMask", 0},
    {u"&Y", "imgFreePic", 0, "imgFreeMask", 0},
    {u"Yb", "imgFreePic", 1, "imgFreeMask", 1},
    {u"&b", "imgFreePic", 1, "imgFreeMask", 1},
    {u"yy", "imgFreePic", 5, "imgFreeMask", 5},
    {u"&y", "imgFreePic", 5, "imgFreeMask", 5},
    {u"yb", "imgFreePic", 6, "imgFreeMask", 5},
    {u"&i", "imgFreePic", 6, "imgFreeMask", 5},
    {u"Yk", "imgFreePic", 7, "imgFreeMask", 6},
    {u"&&", "imgFreePic", 7, "imgFreeMask", 6},
    {u"Yd", "imgFreePic", 8, "imgFreeMask", 7},
    {u"EE", "imgFreePic", 9, "imgFreeMask", 8},
    {u"K1", "imgFreePic", 2, "imgFreeMask", 2},
    {u"&K", "imgFreePic", 2, "imgFreeMask", 2},
    {u"K2", "imgFreePic", 3, "imgFreeMask", 3},
    {u"&k", "imgFreePic", 3, "imgFreeMask", 3},
    {u"K3", "imgFreePic", 4, "imgFreeMask", 4},
    {u"&\u041A", "imgFreePic", 4, "imgFreeMask", 4},
    {u"W1", "imgWallPic", 0, "imgWallMask", 0},
    {u"&W", "imgWallPic", 0, "imgWallMask", 0},
    {u"W2", "imgWallPic", 1, "imgWallMask", 1},
    {u"&w", "imgWallPic", 1, "imgWallMask", 1},
    {u"W3", "imgWallPic", 2, "imgWallMask", 2},
    {u"&V", "imgWallPic", 2, "imgWallMask", 2},
    {u"W4", "imgWallPic", 3, "imgWallMask", 3},
    {u"&v", "imgWallPic", 3, "imgWallMask", 3},
    {u"w1", "imgWallPic", 4, "imgWallMask", 4},
    {u"&S", "imgWallPic", 4, "imgWallMask", 4},
    {u"w2", "imgWallPic", 5, "imgWallMask", 5},
    {u"&s", "imgWallPic", 5, "imgWallMask", 5},
    {u"w3", "imgWallPic", 6, "imgWallMask", 6},
    {u"&C", "imgWallPic", 6, "imgWallMask", 6},
    {u"w4", "imgWallPic", 7, "imgWallMask", 7},
    {u"&c", "imgWallPic", 7, "imgWallMask", 7},
    {u"W5", "imgWallPic", 8, "imgWallMask", 8},
    {u"W6", "imgWallPic", 9, "imgWallMask", 9},
    {u"W7", "imgWallPic", 10, "imgWallMask", 10},
    {u"W8", "imgWallPic", 11, "imgWallMask", 11},
    {u"w5", "imgWallPic", 12, "imgWallMask", 12},
    {u"w6", "imgWallPic", 13, "imgWallMask", 13},
    {u"w7", "imgWallPic", 14, "imgWallMask", 14},
    {u"w8", "imgWallPic", 15, "imgWallMask", 15},
    {u"D1", "imgDoor", 0, "imgDoor", 0},
    {u"D2", "imgDoor", 1, "imgDoor", 0},
    {u"D3", "imgDoor", 2, "imgDoor", 0},
    {u"D4", "imgDoor", 3, "imgDoor", 0},
    {u"D5", "", 4, "", 0},
    {u"Mb", "imgMineralPic", 0, "imgMineralMask", 0},
    {u"&:", "imgMineralPic", 0, "imgMineralMask", 0},
    {u"Mg", "imgMineralPic", 1, "imgMineralMask", 1},
    {u"&;", "imgMineralPic", 1, "imgMineralMask", 1},
    {u"Mr", "imgMineralPic", 2, "imgMineralMask", 2},
    {u"&'", "imgMineralPic", 2, "imgMineralMask", 2},
    {u"My", "imgMineralPic", 3, "imgMineralMask", 3},
    {u"&[", "imgMineralPic", 3, "imgMineralMask", 3},
    {u"Mf", "imgMineralPic", 4, "imgMineralMask", 4},
    {u"&]", "imgMineralPic", 4, "imgMineralMask", 4},
    {u"??", "imgUkaz", 0, "imgUkaz", 1},
    {u"#K", "imgRaznoePic", 0, "imgRaznoeMask", 0},
    {u"&|", "imgRaznoePic", 0, "imgRaznoeMask", 0},
    {u"#G", "imgRaznoePic", 1, "imgRaznoeMask", 1},
    {u"&/", "imgRaznoePic", 1, "imgRaznoeMask", 1},
    {u"#I", "imgRaznoePic", 2, "imgRaznoeMask", 2},
    {u"%i", "imgRaznoePic", 2, "imgRaznoeMask", 2},
    {u"#W", "imgRaznoePic", 3, "imgRaznoeMask", 3},
    {u"#R", "imgRaznoePic", 4, "imgRaznoeMask", 4},
    {u"#r", "imgRaznoePic", 5, "imgRaznoeMask", 5},
    {u"#S", "imgRaznoePic", 6, "imgRaznoeMask", 6},
    {u"#k", "imgRaznoePic", 7, "imgRaznoeMask", 7},
    {u"#M", "imgRaznoePic", 8, "imgRaznoeMask", 8},
    {u"#s", "imgRaznoePic", 9, "imgRaznoeMask", 9},
    {u"#D", "imgRaznoePic", 10, "imgRaznoeMask", 10},
    {u"o1", "imgRaznoePic", 11, "imgRaznoeMask", 11},
    {u"o2", "imgRaznoePic", 12, "imgRaznoeMask", 12},
    {u"o3", "imgRaznoePic", 13, "imgRaznoeMask", 13},
    {u"o4", "imgRaznoePic", 14, "imgRaznoeMask", 14},
    {u"o5", "imgRaznoePic", 15, "imgRaznoeMask", 15},
    {u"o6", "imgRaznoePic", 16, "imgRaznoeMask", 16},
    {u"o7", "imgRaznoePic", 17, "imgRaznoeMask", 17},
    {u"H1", "imgForHomePic", 0, "imgForHomeMask", 0},
    {u"H2", "imgForHomePic", 1, "imgForHomeMask", 1},
    {u"H3", "imgForHomePic", 2, "imgForHomeMask", 2},
    {u"H4", "imgForHomePic", 3, "imgForHomeMask", 3},
    {u"H5", "imgForHomePic", 4, "imgForHomeMask", 4},
    {u"H6", "imgForHomePic", 5, "imgForHomeMask", 5},
    {u"H7", "imgForHomePic", 6, "imgForHomeMask", 6},
    {u"H8", "imgForHomePic", 7, "imgForHomeMask", 7},
    {u"H9", "imgForHomePic", 8, "imgForHomeMask", 8},
    {u"*1", "imgMan", 0, "imgMan", 3},
    {u"$1", "imgMan", 0, "imgMan", 3},
    {u"*2", "imgMan", 1, "imgMan", 3},
    {u"$2", "imgMan", 1, "imgMan", 3},
    {u"*3", "imgMan", 2, "imgMan", 3},
    {u"$3", "imgMan", 2, "imgMan", 3},
    {u"*4", "imgMan", 4, "imgMan", 3},
    {u"$4", "imgMan", 4, "imgMan", 3},
    {u"$5", "imgMan", 4, "imgMan", 3},
    {u"$6", "imgMan", 4, "imgMan", 3},
    {u"$7", "imgMan", 4, "imgMan", 3},
    {u"$8", "imgMan", 4, "imgMan", 3},
    {u"*5", "imgMan", 5, "imgMan", 6},
    {u"*6", "imgMan", 7, "imgMan", 8},
    {u"S1", "imgSityPic", 0, "imgSityMask", 0},
    {u"S2", "imgSityPic", 1, "imgSityMask", 1},
    {u"S3", "imgSityPic", 2, "imgSityMask", 2},
    {u"S4", "imgSityPic", 3, "imgSityMask", 3},
    {u"S5", "imgSityPic", 4, "imgSityMask", 4},
}};

bool sameCode(const QString& code, const char16_t* entry) {
    return code.size() == 2 && code.at(0).unicode() == entry[0] && code.at(1).unicode() == entry[1];
}

} // namespace

std::optional<int> groundPicture(const QString& code) {
    for (const GroundEntry& entry : groundTable)
        if (sameCode(code, entry.code)) return entry.picture;
    return std::nullopt;
}

ObjectLook objectLook(const QString& code) {
    for (const ObjectEntry& entry : objectTable) {
        if (!sameCode(code, entry.code)) continue;
        ObjectLook look;
        if (*entry.pictureSet == '\0') {
            look.kind = ObjectLook::Kind::Fill;
            return look;
        }
        look.kind = ObjectLook::Kind::Sprite;
        look.sprite = {QString::fromLatin1(entry.pictureSet), entry.picture,
                       QString::fromLatin1(entry.maskSet), entry.mask};
        return look;
    }
    return {};
}

QStringList groundCodes() {
    QStringList codes;
    for (const GroundEntry& entry : groundTable)
        codes.append(QString::fromUtf16(entry.code, 2));
    return codes;
}

QStringList objectCodes() {
    QStringList codes;
    for (const ObjectEntry& entry : objectTable)
        codes.append(QString::fromUtf16(entry.code, 2));
    return codes;
}

} // namespace velmor
