#include "Program.h"

#include "Form1.h"

#include "state/GameState.h"

#include <QCoreApplication>

namespace velmor {

Program::Program(GameState& state, const PictureStore& pictures, Form2::Clock clock)
    : state_(state), pictures_(pictures), clock_(clock) {}

Program::~Program() {
    for (QPointer<QWidget>& window : closing_)
        delete window.data();
    delete start_.data();
    delete game_.data();
}

void Program::startNewGame(const QString& mapName) {
    resetForNewGame(state_, mapName);
    openGameWindow();
    showGameWindow();
}

GameWindow& Program::openGameWindow() {
    closeGameWindow();
    game_ = new Form2(state_, pictures_, clock_);
    game_->setProgramWindows(*this);
    game_->open();
    return *game_;
}

void Program::showGameWindow() {
    if (game_) game_->show();
}

// A window is closed from inside its own click handlers: it is hidden now and deleted when they are done.
void Program::closeGameWindow() {
    if (!game_) return;
    game_->hide();
    game_->deleteLater();
    closing_.emplace_back(game_.data());
    game_ = nullptr;
}

void Program::showStartWindow() {
    closeStartWindow();
    start_ = new Form1(state_, *this);
    start_->load();
    start_->show();
}

void Program::closeStartWindow() {
    if (!start_) return;
    start_->hide();
    start_->deleteLater();
    closing_.emplace_back(start_.data());
    start_ = nullptr;
}

void Program::endProgram() {
    QCoreApplication::exit(0);
}

} // namespace velmor
