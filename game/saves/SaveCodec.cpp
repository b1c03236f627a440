#include "SaveCodec.h"

#include <array>

namespace velmor {

namespace {

constexpr qsizetype groupLength = 6;
constexpr int digitsPerByte = 3;

constexpr std::array<const char*, 10> digitGroups = {
    " 0000 ", " 0001 ", " 0010 ", " 0011 ", " 0100 ", " 0101 ", " 0110 ", " 0111 ", " 1000 ", " 1001 ",
};

// The digit a six-character piece stands for, or -1 for a piece that is no group: the frame of spaces, four
// bits, and a value no higher than 9.
int groupDigit(const char* piece) {
    if (piece[0] != ' ' || piece[groupLength - 1] != ' ') return -1;
    int digit = 0;
    for (qsizetype i = 1; i < groupLength - 1; ++i) {
        if (piece[i] != '0' && piece[i] != '1') return -1;
        digit = digit * 2 + (piece[i] - '0');
    }
    return digit <= 9 ? digit : -1;
}

} // namespace

QByteArray EncodeSaveText(const QByteArray& plain) {
    QByteArray encoded;
    encoded.reserve(plain.size() * digitsPerByte * groupLength);
    for (char c : plain) {
        const int value = static_cast<unsigned char>(c);
        for (int digit : {value / 100, value / 10 % 10, value % 10})
            encoded.append(digitGroups[static_cast<size_t>(digit)], groupLength);
    }
    return encoded;
}

QByteArray DecodeSaveText(const QByteArray& encoded) {
    QByteArray digits;
    digits.reserve(encoded.size() / groupLength);
    for (qsizetype at = 0; at + groupLength <= encoded.size(); at += groupLength) {
        const int digit = groupDigit(encoded.constData() + at);
        if (digit >= 0) digits.append(static_cast<char>('0' + digit));
    }

    QByteArray plain;
    plain.reserve(digits.size() / digitsPerByte + 1);
    for (qsizetype at = 0; at < digits.size(); at += digitsPerByte) {
        int value = 0;
        for (qsizetype i = at; i < at + digitsPerByte && i < digits.size(); ++i)
            value = value * 10 + (digits[i] - '0');
        if (value <= 255) plain.append(static_cast<char>(value));
    }
    return plain;
}

} // namespace velmor
