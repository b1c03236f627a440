#include "CellRules.h"

#include "CarriedItems.h"
#include "Endings.h"

#include "items/CellScript.h"
#include "items/Healing.h"
#include "items/Scrolls.h"
#include "items/ShowInfo.h"
#include "state/GameState.h"
#include "state/GameWindow.h"
#include "state/NumberRules.h"
#include "state/SectionLoader.h"

#include <algorithm>
#include <optional>

namespace velmor {

namespace {

constexpr int16_t powersRestored = 1; // "Выши силы полностью востановленны"
constexpr int16_t closed = 2;         // "Закрыто..."

// A layer code that names nothing: no script, no passage.
bool isBlank(const QString& code) {
    return code.isEmpty() || code == QLatin1String("  ") || code == QLatin1String("==");
}

void scriptRule(GameState& state, GameWindow& window) {
    if (isBlank(state.nextCode5)) {
        window.picWin(0).hide();
        window.Label1(1).hide();
    } else {
        RunCellScript(state, window, state.nextCode5);
    }
}

void restoringSpotRule(GameState& state, GameWindow& window) {
    if (state.nextCode2 != QLatin1String("#K")) return;
    state.health = GameState::fullVitality;
    state.lifeForce = GameState::fullVitality;
    ShowInfo(window, powersRestored);
}

void offerRule(GameState& state, GameWindow& window) {
    // Healers first, then the scroll merchants.
    static const struct {
        const char* code;
        int16_t offerCode;
    } offers[] = {{"$1", 999}, {"$2", 998}, {"$3", 997}, {"$4", 980},
                  {"$5", 981}, {"$6", 982}, {"$7", 983}, {"$8", 984}};
    for (const auto& offer : offers) {
        if (state.nextCode2 != QLatin1String(offer.code)) continue;
        state.form2.offerCode = offer.offerCode;
        const std::optional<QString> text =
            offer.offerCode >= 997 ? healingPrompt(offer.offerCode) : scrollSalePrompt(offer.offerCode);
        window.Label1(2).setText(text.value_or(QString()));
        window.picWin(2).show();
    }
}

// Rounded to the nearest, ties to even, and stored only if it fits 16 bits.
void crystalRule(GameState& state, const CarriedItems& carried) {
    const QString& code = state.nextCode2;
    const double health = state.health;
    const double lifeForce = state.lifeForce;
    if (code == QLatin1String("Mr") && !carried.shaoRing) store16(state.health, health - health / 2);
    if (code == QLatin1String("Mb")) store16(state.health, health + health / 500);
    if (code == QLatin1String("My")) store16(state.lifeForce, lifeForce - lifeForce / 100);
    if (code == QLatin1String("Mg") && !carried.deathArmour) store16(state.health, health - health / 1000);
    if (code == QLatin1String("D4") && !carried.deathArmour) store16(state.health, health - health / 100);
}

void cancelPassage(GameState& state, GameWindow& window) {
    state.nextCode4b = QStringLiteral("==");
    ShowInfo(window, closed);
}

void lockedDoorRule(GameState& state, GameWindow& window, const CarriedItems& carried) {
    const QString& code = state.nextCode2;
    if ((code == QLatin1String("D2") && !carried.goldenKey) ||
        (code == QLatin1String("D3") && !carried.blueKey) ||
        (code == QLatin1String("D4") && !carried.greenKey))
        cancelPassage(state, window);
}

void finalDoorRule(GameState& state, GameWindow& window) {
    if (state.nextCode2 != QLatin1String("D5")) return;
    const auto& flags = state.sv;
    if (std::any_of(flags.begin(), flags.end(), [](int16_t flag) { return flag == vbFalse; }))
        cancelPassage(state, window);
    else if (std::all_of(flags.begin(), flags.end(), [](int16_t flag) { return flag == vbTrue; }))
        ShowVictory(state, window);
}

// Crossing an edge of a grid section: the neighbouring section is loaded and the hero stands on its first
// cell inside the opposite edge, with the destination on himself.
struct Edge {
    const char* code;
    int16_t GameState::*section; // sectionX or sectionY
    int sectionChange;
    bool horizontal;
    int16_t place;             // heroX or heroY on the new section, twips
    int16_t GameState::*index; // heroCol or heroRow
    int16_t indexValue;
    int facing;
};

constexpr Edge edges[] = {
    {"+X", &GameState::sectionX, 1, true, 525, &GameState::heroCol, 3, 2},
    {"-X", &GameState::sectionX, -1, true, 10500, &GameState::heroCol, 41, 3},
    {"+Y", &GameState::sectionY, 1, false, 540, &GameState::heroRow, 1, 0},
    {"-Y", &GameState::sectionY, -1, false, 7020, &GameState::heroRow, 13, 1},
};

void crossEdge(GameState& state, GameWindow& window, const Edge& edge) {
    // A coordinate that would leave 16 bits stays; the rest of the crossing still happens.
    int16_t& section = state.*edge.section;
    store16(section, section + edge.sectionChange);
    LoadSection(state, window, SectionKind::Grid);
    window.RedrawView();
    Control& marker = window.Shape1();
    if (edge.horizontal) {
        state.heroX = edge.place;
        marker.move(edge.place, marker.top());
    } else {
        state.heroY = edge.place;
        marker.move(marker.left(), edge.place);
    }
    state.targetX = state.heroX;
    state.targetY = state.heroY;
    state.*edge.index = edge.indexValue;
    window.DrawHero(edge.facing);
}

void sectionEdgeRule(GameState& state, GameWindow& window) {
    // The load empties nextCode4b, so at most one edge is crossed and no post is entered after it.
    for (const Edge& edge : edges)
        if (state.nextCode4b == QLatin1String(edge.code)) crossEdge(state, window, edge);
}

void postEntryRule(GameState& state, GameWindow& window) {
    if (isBlank(state.nextCode4b) || state.nextCode4b == QLatin1String("<>")) return;
    state.postName = state.nextCode4b;
    LoadSection(state, window, SectionKind::Post);
    window.RedrawView();
    window.DrawHero(0);
    window.tmrHeroMove().setEnabled(false);
}

void returnRule(GameState& state, GameWindow& window) {
    if (state.nextCode4b != QLatin1String("<>")) return;
    LoadSection(state, window, SectionKind::Grid);
    window.RedrawView();
    window.DrawHero(0);
    window.tmrHeroMove().setEnabled(false);
}

} // namespace

void ApplyCellRules(GameState& state, GameWindow& window, const CarriedItems& carried) {
    scriptRule(state, window);
    restoringSpotRule(state, window);
    offerRule(state, window);
    crystalRule(state, carried);
    lockedDoorRule(state, window, carried);
    finalDoorRule(state, window);
    sectionEdgeRule(state, window);
    postEntryRule(state, window);
    returnRule(state, window);
}

} // namespace velmor
