#pragma once

#include <QSize>
#include <QString>

#include <vector>

// Every picture the game carries, with its size and kind. The generator draws exactly this list, the program
// reads it back from its resources, and the tests and the contact sheet walk it.
namespace velmor::assets {

inline constexpr int cellWidth = 35;
inline constexpr int cellHeight = 36;

enum class ArtKind {
    Ground,  // opaque cell picture
    Picture, // sprite picture: the object on white
    Mask,    // sprite mask: black where the object is, white elsewhere
    Item,    // item or scroll picture with a transparent background
    Fill,    // a flat colour (the final door's single pixel)
};

struct SetPicture {
    QString set;
    int index = 0;
    QSize size;
    ArtKind kind = ArtKind::Picture;
};

struct NamedPicture {
    QString name;
    QSize size;
    bool transparent =
        false; // icons drawn over the status strip or the desktop keep a transparent background
};

struct ButtonWord {
    QString word; // the word the face reads, as the buttons are named in the game
    QString key;  // plain name of its resource file
    bool big = false;
};

// Every indexed picture, set by set, in index order.
const std::vector<SetPicture>& setPictures();

// The picture set names in the order above.
std::vector<QString> setNames();

// The single pictures: status strip, icons, panels, title, window icon.
const std::vector<NamedPicture>& namedPictures();

// The button faces, small (88 x 24) and big (208 x 32).
const std::vector<ButtonWord>& buttonWords();
QSize buttonSize(bool big);

// Resource paths, relative to the art folder (":/art/" in the program).
QString setPicturePath(const QString& set, int index);
QString namedPicturePath(const QString& name);
QString buttonPath(const ButtonWord& button);

} // namespace velmor::assets
