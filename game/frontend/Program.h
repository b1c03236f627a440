#pragma once

#include "Form1.h"
#include "state/ProgramWindows.h"
#include "view/Form2.h"

#include <QPointer>
#include <QString>

namespace velmor {

struct GameState;
class PictureStore;

// The running program: it makes and closes the start window and the game window, which replace each other.
class Program : public ProgramWindows {
  public:
    Program(GameState& state, const PictureStore& pictures, Form2::Clock clock = Form2::Clock::Real);
    ~Program() override;

    // A new game on a map, at once, without the start window.
    void startNewGame(const QString& mapName);

    GameWindow& openGameWindow() override;
    void showGameWindow() override;
    void closeGameWindow() override;
    void showStartWindow() override;
    void closeStartWindow() override;
    void endProgram() override;

    Form1* startWindow() const { return start_; }
    Form2* gameWindow() const { return game_; }

  private:
    GameState& state_;
    const PictureStore& pictures_;
    Form2::Clock clock_;
    QPointer<Form1> start_;
    QPointer<Form2> game_;
    std::vector<QPointer<QWidget>> closing_; // closed windows, deleted once their events are done
};

} // namespace velmor
