#pragma once

#include <QByteArray>

#include <ostream>

// Lets test failures show bytes as text, with CR, LF and the bytes outside ASCII spelled out.
inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << '"';
    for (char c : bytes) {
        const auto value = static_cast<unsigned char>(c);
        if (c == '\r')
            *out << "\\r";
        else if (c == '\n')
            *out << "\\n";
        else if (value < 0x20 || value >= 0x7F)
            *out << "\\x"
                 << "0123456789ABCDEF"[value >> 4] << "0123456789ABCDEF"[value & 15];
        else
            *out << c;
    }
    *out << "\" (" << bytes.size() << " bytes)";
}
