#include "assets/ArtList.h"

namespace velmor::assets {

namespace {

QSize cells(int columns, int rows) {
    return {cellWidth * columns, cellHeight * rows};
}

struct ListBuilder {
    std::vector<SetPicture> list;

    void add(const QString& set, int index, QSize size, ArtKind kind) {
        list.push_back({set, index, size, kind});
    }
    // A set whose every index is one cell of the given kind.
    void cellsOf(const QString& set, int count, ArtKind kind) {
        for (int i = 0; i < count; ++i)
            add(set, i, cells(1, 1), kind);
    }
};

std::vector<SetPicture> buildSetPictures() {
    using K = ArtKind;
    ListBuilder b;

    b.cellsOf("imgZem", 7, K::Ground);

    // Plants: the silver and the blue tree share one mask, so the masks run one behind from picture 6 on.
    for (int i = 0; i < 9; ++i)
        b.add("imgFreePic", i, cells(1, 1), K::Picture);
    b.add("imgFreePic", 9, cells(2, 2), K::Picture);
    for (int i = 0; i < 8; ++i)
        b.add("imgFreeMask", i, cells(1, 1), K::Mask);
    b.add("imgFreeMask", 8, cells(2, 2), K::Mask);

    // Walls: 0-7 wood, 8-15 stone; the two horizontal stone pieces lie on their side, 36 x 35.
    for (const char* set : {"imgWallPic", "imgWallMask"}) {
        const K kind = QString(set).endsWith("Mask") ? K::Mask : K::Picture;
        for (int i = 0; i < 14; ++i)
            b.add(set, i, cells(1, 1), kind);
        b.add(set, 14, QSize(36, 35), kind);
        b.add(set, 15, QSize(36, 35), kind);
    }

    // Doors: 0 the black cell that masks every door, 1-3 the doors, 4 the final door's colour.
    b.add("imgDoor", 0, cells(1, 1), K::Mask);
    for (int i = 1; i <= 3; ++i)
        b.add("imgDoor", i, cells(1, 1), K::Picture);
    b.add("imgDoor", 4, QSize(1, 1), K::Fill);

    b.cellsOf("imgMineralPic", 5, K::Picture);
    b.cellsOf("imgMineralMask", 5, K::Mask);

    b.add("imgUkaz", 0, cells(1, 1), K::Picture);
    b.add("imgUkaz", 1, cells(1, 1), K::Mask);

    // Miscellaneous: skeleton and bones 2 x 1, the dragon 6 x 3, the seven obelisks 1 x 2.
    auto raznoeSize = [](int i) {
        if (i == 6 || i == 9) return cells(2, 1);
        if (i == 10) return cells(6, 3);
        if (i >= 11) return cells(1, 2);
        return cells(1, 1);
    };
    for (int i = 0; i < 18; ++i)
        b.add("imgRaznoePic", i, raznoeSize(i), K::Picture);
    for (int i = 0; i < 18; ++i)
        b.add("imgRaznoeMask", i, raznoeSize(i), K::Mask);

    // Furniture: the two beds 2 x 2, the two long tables 2 x 1.
    auto homeSize = [](int i) {
        if (i <= 1) return cells(2, 2);
        if (i == 2 || i == 4) return cells(2, 1);
        return cells(1, 1);
    };
    for (int i = 0; i < 9; ++i)
        b.add("imgForHomePic", i, homeSize(i), K::Picture);
    for (int i = 0; i < 9; ++i)
        b.add("imgForHomeMask", i, homeSize(i), K::Mask);

    // Persons: masks stand among the pictures at 3, 6 and 8.
    for (int i = 0; i < 9; ++i)
        b.add("imgMan", i, cells(1, 1), (i == 3 || i == 6 || i == 8) ? K::Mask : K::Picture);

    const QSize sity[] = {cells(3, 2), cells(3, 4), cells(3, 4), cells(2, 2), cells(3, 3)};
    for (int i = 0; i < 5; ++i)
        b.add("imgSityPic", i, sity[i], K::Picture);
    for (int i = 0; i < 5; ++i)
        b.add("imgSityMask", i, sity[i], K::Mask);

    b.cellsOf("imgHeroPic", 4, K::Picture);
    b.cellsOf("imgHeroMask", 4, K::Mask);

    // Item pictures, drawn into the 41 x 41 inventory slot with stretching.
    const QSize vesh[] = {{37, 38}, {20, 33}, {34, 36}, {28, 34}, {29, 34}, {27, 34}, {36, 39},
                          {41, 41}, {41, 41}, {41, 41}, {37, 38}, {37, 38}, {37, 38}, {41, 41},
                          {41, 41}, {41, 41}, {41, 41}, {41, 41}, {41, 41}, {41, 41}, {41, 41},
                          {41, 41}, {41, 41}, {41, 41}, {41, 41}, {41, 41}};
    for (int i = 0; i < 26; ++i)
        b.add("imgVesh", i, vesh[i], K::Item);

    for (int i = 0; i < 5; ++i)
        b.add("imgRemen", i, QSize(32, 32), K::Item);

    return b.list;
}

} // namespace

const std::vector<SetPicture>& setPictures() {
    static const std::vector<SetPicture> list = buildSetPictures();
    return list;
}

std::vector<QString> setNames() {
    std::vector<QString> names;
    for (const SetPicture& p : setPictures())
        if (names.empty() || names.back() != p.set) names.push_back(p.set);
    return names;
}

const std::vector<NamedPicture>& namedPictures() {
    static const std::vector<NamedPicture> list = {
        {"statusStrip", {803, 73}}, {"chest", {50, 42}, true},     {"moneyBag", {35, 36}, true},
        {"heart", {23, 22}, true},  {"lightning", {27, 25}, true}, {"panel", {441, 329}},
        {"offerPanel", {372, 138}}, {"pausePanel", {121, 105}},    {"title", {800, 600}},
        {"icon", {64, 64}, true},
    };
    return list;
}

const std::vector<ButtonWord>& buttonWords() {
    static const std::vector<ButtonWord> list = {
        {"ok", "ok", false},
        {"Нет", "no", false},
        {"Сохранить", "save", false},
        {"Продолжить", "continue", false},
        {"Выход", "exit", false},
        {"Информация", "info", false},
        {"Выбросить", "drop", false},
        {"Продать", "sell", false},
        {"Новая игра", "newGame", true},
        {"Загрузить игру", "loadGame", true},
        {"Выход", "exit", true},
    };
    return list;
}

QSize buttonSize(bool big) {
    return big ? QSize(208, 32) : QSize(88, 24);
}

QString setPicturePath(const QString& set, int index) {
    return QStringLiteral("%1/%2.png").arg(set).arg(index);
}

QString namedPicturePath(const QString& name) {
    return QStringLiteral("named/%1.png").arg(name);
}

QString buttonPath(const ButtonWord& button) {
    return QStringLiteral("%1/%2.png").arg(button.big ? "bigButton" : "button", button.key);
}

} // namespace velmor::assets
