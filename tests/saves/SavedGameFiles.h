#pragma once

#include "platform/TextFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velmor::test {

// A saved game's file made by hand from its format: the plain lines in Windows-1251, each ended by CR LF,
// every byte as its three decimal digits, every digit as its group from the table, and a CR LF at the end.
inline QByteArray savedGameFile(const QStringList& lines) {
    static const char* const groups[10] = {" 0000 ", " 0001 ", " 0010 ", " 0011 ", " 0100 ",
                                           " 0101 ", " 0110 ", " 0111 ", " 1000 ", " 1001 "};
    QByteArray plain;
    for (const QString& line : lines)
        plain += encode1251(line) + "\r\n";
    QByteArray file;
    for (char c : plain) {
        const int byte = static_cast<unsigned char>(c);
        for (int digit : {byte / 100, byte / 10 % 10, byte % 10})
            file += groups[digit];
    }
    return file + "\r\n";
}

// The 66 lines a game saves, from its values in their written forms.
struct SavedValues {
    QString map = QStringLiteral("Долина"), post = QStringLiteral("0");
    QString sectionX = QStringLiteral(" 0 "), sectionY = QStringLiteral(" 0 ");
    QString heroX = QStringLiteral(" 0 "), heroY = QStringLiteral(" 0 ");
    QString heroCol = QStringLiteral(" 1 "), heroRow = QStringLiteral(" 0 ");
    QString money = QStringLiteral(" 0 ");
    QStringList scrolls = {"False", "False", "False", "False", "False"};
    QStringList pred = QStringList(40, QStringLiteral(" 0 "));

    QStringList lines() const {
        QStringList all = {"[mapname]", map,      "[postname]", post,     "[position]",
                           sectionX,    sectionY, "[hero]",     heroX,    heroY,
                           "[hero2]",   heroCol,  heroRow,      "[many]", money};
        for (int k = 0; k < 5; ++k)
            all << QStringLiteral("[sv%1]").arg(k) << scrolls[k];
        all << QStringLiteral("[pred]") << pred;
        return all;
    }
};

} // namespace velmor::test
