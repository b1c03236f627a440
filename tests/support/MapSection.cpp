#include "MapSection.h"

namespace velmor::test {

MapSection::MapSection(const QString& ground) {
    for (int r = 0; r < rows; ++r) {
        ground_[r] = ground.repeated(columns);
        objects_[r] = transitions_[r] = scripts_[r] = QStringLiteral("  ").repeated(columns);
    }
}

MapSection::Layer& MapSection::layer(int number) {
    switch (number) {
    case 1:
        return ground_;
    case 2:
        return objects_;
    case 4:
        return transitions_;
    default:
        return scripts_;
    }
}

void MapSection::setCell(Layer& layer, int column, int row, const QString& code) {
    layer.at(row).replace(2 * column, 2, code.leftJustified(2, QLatin1Char(' '), true));
}

MapSection& MapSection::object(int column, int row, const QString& code) {
    setCell(objects_, column, row, code);
    return *this;
}

MapSection& MapSection::transition(int column, int row, const QString& code) {
    setCell(transitions_, column, row, code);
    return *this;
}

MapSection& MapSection::script(int column, int row, const QString& code) {
    setCell(scripts_, column, row, code);
    return *this;
}

MapSection& MapSection::rowString(int number, int row, const QString& text) {
    layer(number).at(row) = text;
    return *this;
}

QStringList MapSection::lines() const {
    QStringList lines;
    for (int r = 0; r < rows; ++r)
        lines << ground_[r] << objects_[r] << QString() << transitions_[r] << scripts_[r];
    return lines;
}

void MapSection::putInto(GameState& state) const {
    for (int r = 0; r < rows; ++r) {
        state.layer1[r] = ground_[r];
        state.layer2[r] = objects_[r];
        state.layer4[r] = transitions_[r];
        state.layer5[r] = scripts_[r];
    }
    state.layer1[rows].clear();
    state.layer2[rows].clear();
    state.layer4[rows].clear();
    state.layer5[rows].clear();
}

} // namespace velmor::test
