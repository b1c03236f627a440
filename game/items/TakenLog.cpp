#include "TakenLog.h"

#include "state/NumberRules.h"

#include <algorithm>

namespace velmor {

QString takenKey(const QString& sectionName, const QString& code) {
    return sectionName + code;
}

void writeTakenKey(Form2Fields& fields, const QString& key) {
    store8(fields.takenLogIndex, double(fields.takenLogIndex) + 1);
    if (fields.takenLogIndex > Form2Fields::takenLogSize - 1) fields.takenLogIndex = 0;
    fields.takenLog[fields.takenLogIndex] = key;
}

bool isTaken(const Form2Fields& fields, const QString& key) {
    return std::find(fields.takenLog.begin(), fields.takenLog.end(), key) != fields.takenLog.end();
}

} // namespace velmor
