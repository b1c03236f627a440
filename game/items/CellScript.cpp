#include "CellScript.h"

#include "MessageLook.h"
#include "MoneyText.h"
#include "OfferCodes.h"
#include "ScriptReader.h"
#include "TakenLog.h"

#include "platform/Components.h"
#include "platform/ProgramFolder.h"

namespace velmor {

namespace {

// The olive of a script message in the info panel.
constexpr Colour infoMessageColour = rgbColour(192, 192, 0);

bool namesNoEffect(const QString& effect) {
    return effect.isEmpty() || effect == QLatin1String("0") || effect == QLatin1String(" ") ||
           effect == QLatin1String("false");
}

void showMessage(GameWindow& window, const CellScript& script) {
    QString text = script.text;
    text.replace(QLatin1String("<br>"), QLatin1String("\r\n"));

    switch (script.windowMode) {
    case 0: {
        Label& noticeLine = window.Label1(1);
        noticeLine.setBackStyle(script.backStyle);
        noticeLine.setBorderStyle(script.borderStyle);
        noticeLine.setBackColor(script.backColor);
        noticeLine.setForeColor(script.fontColor);
        noticeLine.setFontSize(script.fontSize);
        noticeLine.setText(text);
        noticeLine.show();
        break;
    }
    case 1: {
        // Only the colour and the size: the rest of the script's look belongs to the notice line.
        Label& infoText = window.Label1(0);
        infoText.setForeColor(infoMessageColour);
        infoText.setFontSize(script.fontSize);
        infoText.setText(text);
        window.picWin(0).show();
        break;
    }
    case 2:
        window.picWin(0).hide();
        window.Label1(1).hide();
        break;
    default:
        break;
    }
}

} // namespace

QString cellScriptPath(const GameState& state, const QString& code) {
    return gamePath(QStringLiteral("\\Maps\\") + state.mapName + QStringLiteral("\\[") + state.sectionName +
                    QLatin1Char('-') + code + QStringLiteral("].mtx"));
}

void RunCellScript(GameState& state, GameWindow& window, const QString& code) {
    resetMessageLook(window);

    // A thing once taken is never offered again, and its cell says nothing more: not even its gold is paid.
    if (isTaken(state.form2, takenKey(state.sectionName, code))) return;

    const CellScript script = readCellScript(cellScriptPath(state, code));
    if (script.offerCode) state.form2.offerCode = *script.offerCode;

    if (!namesNoEffect(script.effect))
        playThroughNewSoundComponent(state.soundPlayer, "PlayFX",
                                     gamePath(QStringLiteral("\\Maps\\") + script.effect));

    if (script.gold != 0) {
        state.money += script.gold;
        window.Label2().setText(moneyText(state.money));
    }

    // A pending offer, even one left from an earlier script, takes the place of the text.
    if (state.form2.offerCode != 0) {
        if (std::optional<QString> prompt = pickupPrompt(state.form2.offerCode)) {
            window.Label1(2).setText(*prompt);
            window.picWin(2).show();
        }
        return;
    }

    showMessage(window, script);
}

void Label1_Click(GameWindow& window, int index) {
    if (index == 0) window.picWin(0).hide();
    if (index == 1) window.Label1(1).hide();
}

void picWin_Click(GameWindow& window, int index) {
    if (index == 0) window.picWin(0).hide();
}

} // namespace velmor
