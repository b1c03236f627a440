#pragma once

namespace velmor {

struct GameState;
class StartWindow;
class ProgramWindows;

// The start window's load: the three buttons and both panels centred in the title picture, the panel picture
// given to both panels, the map list filled from the registry, and the start music "\log.muz" started by a
// new sound component.
void Form1_Load(GameState& state, StartWindow& window);

// Keeps the title picture centred by the window's outer size.
void Form1_Resize(StartWindow& window);

// A map selected in the list: its description.
void List1_Click(StartWindow& window);

// Новая игра: selects the first map and shows the new-game panel.
void Command1_Click(StartWindow& window);
// Выход: ends the program at once.
void Command2_Click(ProgramWindows& windows);
// Загрузить игру: lists the saved games, selects the first, shows the load panel.
void Command3_Click(StartWindow& window);

// The panels' buttons: 0 starts a new game on the selected map, 1 hides the new-game panel, 2 hides the load
// panel, 3 resumes the selected saved game. Both games replace the start window by the game window.
void Command4_Click(GameState& state, StartWindow& window, ProgramWindows& windows, int index);

} // namespace velmor
