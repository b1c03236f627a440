#pragma once

namespace velmor {

class GameWindow;

// The program's two windows, the start window Form1 and the game window Form2, as the procedures that
// replace one by the other see them. At most one of each exists.
class ProgramWindows {
  public:
    virtual ~ProgramWindows() = default;

    // Creates the game window; its opening steps run to their end before this returns. Not shown yet.
    virtual GameWindow& openGameWindow() = 0;
    virtual void showGameWindow() = 0;
    virtual void closeGameWindow() = 0;

    // Creates the start window anew and shows it; its load runs: the map list is read, the start music
    // starts.
    virtual void showStartWindow() = 0;
    virtual void closeStartWindow() = 0;

    // Ends the program at once.
    virtual void endProgram() = 0;
};

} // namespace velmor
