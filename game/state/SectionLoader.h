#pragma once

namespace velmor {

struct GameState;
class GameWindow;

enum class SectionKind {
    Grid = 1, // the grid section (sectionX, sectionY)
    Post = 2, // the post postName
};

// Fills the layers from the section's file, names the section, switches the music by the content of the
// section's music file and enables the movement timer. Never fails: whatever cannot be read stays empty.
void LoadSection(GameState& state, GameWindow& window, SectionKind kind);

} // namespace velmor
