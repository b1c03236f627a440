#pragma once

#include "FakeGameWindow.h"

#include "state/GameState.h"

#include "QtPrinters.h"

#include <QString>

namespace velmor::test {

// The game window as it opens: every panel, the notice line, the info panel's ok button and the scroll
// pictures hidden; the labels in the plain look; the money reads "0".
inline void hideAsAtOpening(FakeGameWindow& window) {
    for (FakeControl& panel : window.panels)
        panel.hide();
    for (FakeControl& scroll : window.scrolls)
        scroll.hide();
    window.labels[1].hide();
    window.command3.hide();
    for (FakeControl& label : window.labels)
        label.setForeColor(16777215);
    window.money.setText(QStringLiteral("0"));
}

// A game just begun on the map "Test", standing in grid section x3y5.
inline GameState gameInSection() {
    GameState state;
    state.mapName = QStringLiteral("Test");
    state.sectionName = QStringLiteral("x3y5");
    state.postName = QStringLiteral("0");
    state.sectionX = 3;
    state.sectionY = 5;
    state.health = GameState::fullVitality;
    state.lifeForce = GameState::fullVitality;
    state.healthDrain = 10;
    state.lifeForceDrain = 50;
    return state;
}

} // namespace velmor::test
