#include "GameState.h"

#include <QObject>

namespace velmor {

void resetForNewGame(GameState& state, const QString& mapName) {
    state.soundPlayer.reset();
    state.pred.fill(0);
    state.mapName = mapName;
    setStartingValues(state);
}

void setStartingValues(GameState& state) {
    state.sectionX = 0;
    state.sectionY = 0;
    state.heroCol = 1;
    state.heroRow = 0;
    state.targetX = 0;
    state.targetY = 0;
    state.heroX = 0;
    state.heroY = 0;
    state.lifeForceDrain = 50;
    state.healthDrain = 10;
    state.money = 0;
}

void resetForLeaving(GameState& state) {
    state.heroX = 0;
    state.heroY = 0;
    state.targetX = 0;
    state.targetY = 0;
    state.nextCode2.clear();
    state.nextCode4b.clear();
    state.nextCode5.clear();
    state.heroCol = 0;
    state.heroRow = 0;
    state.health = 0;
    state.lifeForce = 0;
    state.money = 0;
    state.healthDrain = 0;
    state.lifeForceDrain = 0;
    state.pred.fill(0);
    state.sv.fill(0);
    state.sectionX = 0;
    state.sectionY = 0;
    state.postName.clear();
    state.sectionName.clear();
    state.mapName.clear();
    for (QString& key : state.form2.takenLog)
        key.clear();
}

QString cellCode(const QString& row, int position) {
    if (position < 1 || position > row.size()) return {};
    return row.mid(position - 1, 2);
}

} // namespace velmor
