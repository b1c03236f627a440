#pragma once

#include "state/GameState.h"

#include <QString>
#include <QStringList>

#include <array>

namespace velmor::test {

// A map section a test builds cell by cell: 16 rows of 23 cells in the ground, object, transition and script
// layers (layer 3 stays empty). It can be written as a section file or put straight into the layers.
class MapSection {
  public:
    static constexpr int columns = 23;
    static constexpr int rows = 16;

    explicit MapSection(const QString& ground = QStringLiteral("=="));

    MapSection& object(int column, int row, const QString& code);     // layer 2
    MapSection& transition(int column, int row, const QString& code); // layer 4
    MapSection& script(int column, int row, const QString& code);     // layer 5
    // One whole row string of a layer (1, 2, 4 or 5), for rows shorter or longer than 23 cells.
    MapSection& rowString(int layer, int row, const QString& text);

    QStringList lines() const; // the 80 lines of the section file
    void putInto(GameState& state) const;

  private:
    using Layer = std::array<QString, rows>;
    Layer& layer(int number);
    static void setCell(Layer& layer, int column, int row, const QString& code);

    Layer ground_, objects_, transitions_, scripts_;
};

} // namespace velmor::test
