#pragma once

#include <QString>
#include <QStringList>

namespace velmor {

struct CarriedItems;

// The 81 layer-2 codes that stop a step in every direction. Compared exactly: "Yb" blocks, "yb" does not.
const QStringList& blockingCodes();

// Whether the hero cannot enter a cell with this layer-2 code: a blocking code, or an ice tree "yb" without
// the northern dragon amulet. Every other code passes, the empty code of a cell beyond a row's end included.
bool isBlocked(const QString& code2, const CarriedItems& carried);

} // namespace velmor
