#include "Passability.h"

#include "CarriedItems.h"

#include <QSet>

namespace velmor {

namespace {

const QSet<QString>& blockingSet() {
    static const QSet<QString> codes(blockingCodes().begin(), blockingCodes().end());
    return codes;
}

} // namespace

const QStringList& blockingCodes() {
    static const QStringList codes = {
        "NW", "EE", "Yd", "Yk", "Yb", "YY", "yy",                         // letters
        "#I", "#K", "#G", "#D", "#s", "#M", "#W", "#R", "#r", "#S", "#k", // hash
        "S1", "S2", "S3", "S4", "S5",                                     // S
        "*1", "*2", "*3", "*4", "*5", "*6",                               // star
        "$1", "$2", "$3", "$4", "$5", "$6", "$7", "$8",                   // healers and merchants
        "D2", "D3", "D4",                                                 // locked doors
        "H1", "H2", "H3", "H4", "H5", "H6", "H7", "H8", "H9",             // H
        "W1", "W2", "W3", "W4", "W5", "W6", "W7", "W8",                   // W
        "w1", "w2", "w3", "w4", "w5", "w6", "w7", "w8",                   // w
        "K1", "K2", "K3",                                                 // K
        "Mg", "Mb", "Mr", "Mf", "My",                                     // crystals
        "??", "o1", "o2", "o3", "o4", "o5", "o6", "o7",                   // other
    };
    return codes;
}

bool isBlocked(const QString& code2, const CarriedItems& carried) {
    if (blockingSet().contains(code2)) return true;
    return code2 == QLatin1String("yb") && !carried.dragonAmulet;
}

} // namespace velmor
