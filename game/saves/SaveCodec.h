#pragma once

#include <QByteArray>

namespace velmor {

// The digit codec of saved games. Every byte of the plain save text becomes its three decimal digits (zero
// padded), and every digit the six characters of its group: a space, the digit's four bits as "0" and "1",
// a space. Both are plain functions of bytes (Windows-1251 text).
QByteArray EncodeSaveText(const QByteArray& plain);

// The inverse: pieces of six characters that are no digit group (a CR LF at the end, stray characters) give
// nothing; the digits are read three at a time, a shorter last piece as the number it spells, and a number
// above 255 gives no byte.
QByteArray DecodeSaveText(const QByteArray& encoded);

} // namespace velmor
