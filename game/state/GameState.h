#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class QObject;

namespace velmor {

// Fields of the game window Form2 that the item and message rules use. They outlive the window's closing;
// only the explicit resets touch them.
struct Form2Fields {
    static constexpr int takenLogSize = 161;

    int16_t offerCode = 0;    // pending yes/no offer: item id, scroll 500-504, trade 980-984, healing 997-999
    int16_t selectedSlot = 0; // inventory slot clicked last
    std::array<QString, takenLogSize> takenLog{}; // ring of taken keys: sectionName + layer-5 code
    uint8_t takenLogIndex = 0;                    // entry written last, wraps from 160 to 0
};

// The one record of a running game. Numbers keep the widths and rules the game's files and formulas rely on:
// 16-bit fields are int16_t, truth values are 0 and -1, money is a double of whole coins.
struct GameState {
    static constexpr int layerRows = 17; // rows 0-15 are loaded, row 16 always reads empty
    static constexpr int slotCount = 40;
    static constexpr int scrollCount = 5;
    static constexpr int16_t fullVitality = 5295; // full health and life force, also the bar width in twips

    using Layer = std::array<QString, layerRows>;

    Layer layer1{}; // ground
    Layer layer2{}; // objects
    Layer layer4{}; // transitions
    Layer layer5{}; // script and item keys

    int16_t sectionX = 0;
    int16_t sectionY = 0;
    QString postName;    // "0" on the world grid, the post's name inside a post, empty before a game
    QString sectionName; // "x<X>y<Y>" or the post name
    QString mapName;

    std::shared_ptr<QObject> soundPlayer; // the sound component held last, or none
    QString currentMusic;                 // music assignment read last from a section's music file

    int16_t heroX = 0; // twips, multiples of 525
    int16_t heroY = 0; // twips, multiples of 540
    int16_t targetX = 0;
    int16_t targetY = 0;

    QString nextCode2;  // layer-2 code of the cell entered or bumped into last
    QString nextCode4b; // its layer-4 code
    QString nextCode5;  // its layer-5 code

    int16_t heroCol = 0; // 2c + 1 for column c: position of the cell code in a row string
    int16_t heroRow = 0;

    int16_t health = 0;
    int16_t lifeForce = 0;
    double money = 0;
    int16_t healthDrain = 0;
    int16_t lifeForceDrain = 0;

    std::array<int16_t, slotCount> pred{}; // inventory slots: item ids, 0 = empty
    std::array<int16_t, scrollCount>
        sv{}; // scroll flags: 0 not owned, -1 owned (gold, blue, green, black, red)

    Form2Fields form2;
};

// New game on the chosen map: releases the sound component, empties the slots and sets the starting position,
// money and drains. Leaves postName, sectionName, sv, the entered-cell codes, currentMusic and the window
// fields.
void resetForNewGame(GameState& state, const QString& mapName);

// Where every game starts until something says otherwise: grid section x0y0, the hero on cell (0, 0) with
// the destination on himself, the starting drains 50 and 10, no money. A new game and a saved game's load
// both begin with these.
void setStartingValues(GameState& state);

// Leaving a game for the start window: clears everything but soundPlayer, currentMusic, the layers,
// offerCode, selectedSlot and takenLogIndex.
void resetForLeaving(GameState& state);

// The cell code at a 1-based character position of a row string: two characters, one at the row's last
// character, empty beyond its end.
QString cellCode(const QString& row, int position);

} // namespace velmor
