#pragma once

#include "state/GameWindow.h"

namespace velmor {

// The start window Form1 as its commands see it: the title picture with the three buttons, the new-game
// panel with the map list and the description, the load panel with the saved games. Positions are twips.
class StartWindow {
  public:
    virtual ~StartWindow() = default;

    virtual Control& Picture1() = 0;        // the title picture
    virtual Control& picWin(int index) = 0; // 0 the new-game panel, 1 the load panel
    virtual Control& Command1() = 0;        // Новая игра
    virtual Control& Command2() = 0;        // Выход
    virtual Control& Command3() = 0;        // Загрузить игру
    virtual ListBox& List1() = 0;           // the map list
    virtual Label& Label1() = 0;            // the selected map's description
    virtual FileList& File1() = 0;          // the saved games

    // Gives a panel the program's panel picture.
    virtual void setPanelPicture(int index) = 0;
    // The window's size with its frame and title bar.
    virtual double outerWidth() const = 0;
    virtual double outerHeight() const = 0;
};

} // namespace velmor
