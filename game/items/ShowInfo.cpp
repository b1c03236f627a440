#include "ShowInfo.h"

#include "ItemCatalogue.h"
#include "MessageLook.h"

namespace velmor {

namespace {

const char* noticeText(int code) {
    switch (code) {
    case 1:
        return "Выши силы полностью востановленны";
    case 2:
        return "Закрыто...";
    case 3:
        return "У Вас недостаточно денег...";
    default:
        return nullptr;
    }
}

} // namespace

void ShowInfo(GameWindow& window, int16_t code) {
    resetMessageLook(window);

    if (const char* notice = noticeText(code)) {
        Label& noticeLine = window.Label1(1);
        noticeLine.setText(QString::fromUtf8(notice));
        noticeLine.show();
        return;
    }

    if (std::optional<ItemInfoText> info = itemInfo(code)) {
        const QString lineBreak = QStringLiteral("\r\n");
        QString text = info->title + lineBreak + lineBreak + info->description;
        if (!info->secondParagraph.isEmpty()) text += lineBreak + info->secondParagraph;
        Label& infoText = window.Label1(0);
        infoText.setForeColor(info->colour);
        infoText.setText(text);
        window.picWin(0).show();
        window.Command3().show();
    }
}

void Command3_Click(GameWindow& window) {
    window.picWin(0).hide();
    window.Command3().hide();
}

} // namespace velmor
