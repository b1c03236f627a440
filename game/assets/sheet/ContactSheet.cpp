// The contact sheet of the game's artwork: one PNG with every ground code and every object code drawn as the
// map draws them (by the masked copy over grass) with the code beside it, the hero's facings, every item
// picture and scroll with its index, the icons, the button faces and the panels.
//   velmor-contact-sheet OUT.png [--scale N]
// With --scale the whole sheet is enlarged N times, pixel for pixel, to judge small pictures closely.

#include "assets/ArtList.h"
#include "assets/Assets.h"
#include "view/MaskedCopy.h"
#include "view/TileCatalogue.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

using namespace velmor;

constexpr int sheetWidth = 1600;
constexpr int gap = 10;
constexpr int labelHeight = 15;

QString labelFamily;

struct Entry {
    QImage image;
    QString label;
};

struct Section {
    QString title;
    std::vector<Entry> entries;
};

// A ground picture repeated over an area, as neighbouring cells lie on the map.
QImage groundArea(int index, QSize size) {
    const QImage cell = assets::picture("imgZem", index);
    QImage area(size, QImage::Format_RGB32);
    QPainter p(&area);
    for (int y = 0; y < size.height(); y += cell.height())
        for (int x = 0; x < size.width(); x += cell.width())
            p.drawImage(x, y, cell);
    return area;
}

// An object code drawn like the map draws it: over grass, with a margin of grass around it.
QImage objectOnGrass(const QString& code) {
    const ObjectLook look = objectLook(code);
    if (look.kind == ObjectLook::Kind::Fill) {
        QImage area = groundArea(0, QSize(35 + 8, 36 + 8));
        QPainter p(&area);
        p.fillRect(4, 4, 35, 36, QColor::fromRgb(finalDoorRgb));
        return area;
    }
    if (look.kind != ObjectLook::Kind::Sprite) return {};
    const QImage pic = assets::picture(look.sprite.pictureSet, look.sprite.pictureIndex);
    const QImage mask = assets::picture(look.sprite.maskSet, look.sprite.maskIndex);
    QImage area = groundArea(0, QSize(std::max(pic.width(), 35) + 8, std::max(pic.height(), 36) + 8));
    maskedCopy(area, pic, mask, 4, 4);
    return area;
}

QString codeLabel(const QString& code) {
    for (QChar c : code)
        if (c.unicode() > 127) return code + " (Cyrillic " + QString(c) + ")";
    return code;
}

QImage onBackground(const QImage& img, const QColor& background, int margin = 4) {
    QImage area(img.width() + 2 * margin, img.height() + 2 * margin, QImage::Format_RGB32);
    area.fill(background);
    QPainter p(&area);
    p.drawImage(margin, margin, img);
    return area;
}

// The status strip and the panels with their icons and buttons where the game window puts them (twips / 15).
Section laidOut() {
    Section s{"As the game window lays them out", {}};

    QImage strip = assets::named("statusStrip");
    {
        QPainter p(&strip);
        p.drawImage(QRect(16, 24, 41, 33), assets::named("chest"));
        p.drawImage(72, 24, assets::named("moneyBag"));
        p.drawImage(205, 13, assets::named("heart"));
        p.drawImage(208, 32, assets::named("lightning"));
        p.fillRect(240, 16, 353, 11, QColor(255, 0, 0));
        p.fillRect(240, 40, 260, 11, QColor(255, 0, 0));
        QFont money(labelFamily);
        money.setBold(true);
        money.setPointSizeF(13.5);
        p.setFont(money);
        p.setPen(QColor(192, 192, 0));
        p.drawText(QRect(112, 24, 81, 25), Qt::AlignLeft | Qt::AlignTop, "2500");
        const int scrollX[] = {632, 696, 728, 760, 664};
        for (int k = 0; k < 5; ++k)
            p.drawImage(scrollX[k], 16, assets::picture("imgRemen", k));
    }
    s.entries.push_back({strip, "status strip with icons, bars, money and all five scrolls"});

    QImage offer = assets::named("offerPanel");
    {
        QPainter p(&offer);
        p.drawImage(96, 96, assets::buttonFace("ok"));
        p.drawImage(192, 96, assets::buttonFace("Нет"));
        QFont prompt(labelFamily);
        prompt.setPointSize(8);
        p.setFont(prompt);
        p.setPen(QColor(224, 224, 224));
        p.drawText(QRect(24, 24, 321, 65), Qt::AlignCenter | Qt::TextWordWrap,
                   "Желаете получить магическое кольцо Лорда Мао?");
    }
    s.entries.push_back({offer, "offer panel"});

    QImage pause = assets::named("pausePanel");
    {
        QPainter p(&pause);
        p.drawImage(16, 16, assets::buttonFace("Сохранить"));
        p.drawImage(16, 40, assets::buttonFace("Продолжить"));
        p.drawImage(16, 64, assets::buttonFace("Выход"));
    }
    s.entries.push_back({pause, "pause panel"});

    QImage inventory = assets::named("panel");
    {
        QPainter p(&inventory);
        p.setPen(QColor(128, 64, 64));
        p.drawRect(32, 32, 376, 232);
        for (int i = 0; i < 40; ++i) {
            const QRect slot(32 + 48 * (i % 8), 32 + 48 * (i / 8), 41, 41);
            if (i < 26) p.drawImage(slot, assets::picture("imgVesh", i));
        }
        p.setPen(QColor(224, 224, 224));
        p.drawRect(32, 32, 40, 40);
        const char* words[] = {"Информация", "Выбросить", "Продать", "ok"};
        for (int b = 0; b < 4; ++b)
            p.drawImage(32 + 96 * b, 280, assets::buttonFace(words[b]));
    }
    s.entries.push_back({inventory, "inventory panel with items 0-25 in their slots"});
    return s;
}

std::vector<Section> buildSections() {
    std::vector<Section> sections;

    Section ground{"Ground codes (each cell repeated 3 x 3)", {}};
    for (const QString& code : groundCodes()) {
        const std::optional<int> index = groundPicture(code);
        if (index) ground.entries.push_back({groundArea(*index, QSize(105, 108)), codeLabel(code)});
    }
    sections.push_back(ground);

    Section objects{"Object codes over grass", {}};
    for (const QString& code : objectCodes()) {
        const QImage img = objectOnGrass(code);
        if (!img.isNull()) objects.entries.push_back({img, codeLabel(code)});
    }
    sections.push_back(objects);

    Section hero{"Hero facings over grass, sand and planks", {}};
    const char* facings[] = {"0 down", "1 up", "2 right", "3 left"};
    for (int ground : {0, 2, 3})
        for (int d = 0; d < 4; ++d) {
            QImage area = groundArea(ground, QSize(43, 44));
            maskedCopy(area, assets::picture("imgHeroPic", d), assets::picture("imgHeroMask", d), 4, 4);
            hero.entries.push_back({area, facings[d]});
        }
    sections.push_back(hero);

    const QImage leather = assets::named("panel");
    Section items{"Item pictures (imgVesh), at their size and in a 41 x 41 slot", {}};
    for (int i = 0; i < assets::pictureCount("imgVesh"); ++i) {
        const QImage pic = assets::picture("imgVesh", i);
        QImage area = leather.copy(40, 40, 100, 50);
        QPainter p(&area);
        p.drawImage(4, 4, pic);
        p.drawImage(QRect(52, 4, 41, 41), pic);
        items.entries.push_back({area, QString::number(i)});
    }
    sections.push_back(items);

    Section scrolls{"Scrolls (imgRemen) on the status strip", {}};
    const char* scrollNames[] = {"0 gold", "1 blue", "2 green", "3 black", "4 red"};
    const QImage strip = assets::named("statusStrip");
    for (int i = 0; i < assets::pictureCount("imgRemen"); ++i) {
        QImage area = strip.copy(628, 12, 40, 40);
        QPainter p(&area);
        p.drawImage(4, 4, assets::picture("imgRemen", i));
        scrolls.entries.push_back({area, scrollNames[i]});
    }
    sections.push_back(scrolls);

    Section icons{"Icons", {}};
    for (const char* name : {"chest", "moneyBag", "heart", "lightning", "icon"}) {
        QImage area = strip.copy(0, 8, assets::named(name).width() + 8, 60);
        QPainter p(&area);
        p.drawImage(4, 4, assets::named(name));
        icons.entries.push_back({area, name});
    }
    sections.push_back(icons);

    Section buttons{"Button faces", {}};
    for (const assets::ButtonWord& b : assets::buttonWords()) {
        const QImage face = b.big ? assets::bigButtonFace(b.word) : assets::buttonFace(b.word);
        buttons.entries.push_back({onBackground(face, Qt::black), b.word});
    }
    sections.push_back(buttons);

    sections.push_back(laidOut());

    Section panels{"Panels, status strip and title", {}};
    for (const char* name : {"pausePanel", "offerPanel", "panel", "statusStrip", "title"})
        panels.entries.push_back({onBackground(assets::named(name), Qt::black), name});
    sections.push_back(panels);

    return sections;
}

QFont labelFont() {
    QFont font(labelFamily);
    font.setPixelSize(11);
    return font;
}

int labelWidth(const QString& label) {
    return QFontMetrics(labelFont()).horizontalAdvance(label) + 4;
}

QImage drawSheet(const std::vector<Section>& sections) {
    // Lay the entries out in rows, section after section, then paint them.
    struct Placed {
        const Entry* entry;
        int x, y;
    };
    std::vector<Placed> placed;
    std::vector<std::pair<QString, int>> titles;
    int y = gap;
    for (const Section& s : sections) {
        titles.push_back({s.title, y});
        y += 22;
        int x = gap, rowHeight = 0;
        for (const Entry& e : s.entries) {
            const int w = std::max(e.image.width(), labelWidth(e.label)), h = e.image.height() + labelHeight;
            if (x + w > sheetWidth - gap && x > gap) {
                x = gap;
                y += rowHeight + gap;
                rowHeight = 0;
            }
            placed.push_back({&e, x, y});
            x += w + gap;
            rowHeight = std::max(rowHeight, h);
        }
        y += rowHeight + 2 * gap;
    }
    QImage sheet(sheetWidth, y, QImage::Format_RGB32);
    sheet.fill(QColor(48, 48, 54));
    QPainter p(&sheet);
    QFont titleFont(labelFamily);
    titleFont.setPixelSize(15);
    titleFont.setBold(true);
    p.setPen(QColor(240, 220, 150));
    p.setFont(titleFont);
    for (const auto& [title, ty] : titles)
        p.drawText(gap, ty + 15, title);
    p.setFont(labelFont());
    p.setPen(QColor(230, 230, 230));
    for (const Placed& pl : placed) {
        p.drawImage(pl.x, pl.y, pl.entry->image);
        p.drawText(QRect(pl.x, pl.y + pl.entry->image.height(), labelWidth(pl.entry->label), labelHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, pl.entry->label);
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: velmor-contact-sheet OUT.png [--scale N]\n");
        return 2;
    }
    int scale = 1;
    const int at = args.indexOf("--scale");
    if (at > 0 && at + 1 < args.size()) scale = std::clamp(args[at + 1].toInt(), 1, 4);

    const int font = QFontDatabase::addApplicationFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    if (font >= 0) labelFamily = QFontDatabase::applicationFontFamilies(font).value(0);

    const std::vector<Section> sections = buildSections();
    QImage sheet = drawSheet(sections);
    if (scale > 1) sheet = sheet.scaled(sheet.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!sheet.save(args[1], "PNG")) {
        std::fprintf(stderr, "velmor-contact-sheet: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
