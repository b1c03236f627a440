#pragma once

#include "Fixtures.h"
#include "RecordedSounds.h"
#include "ViewTestSupport.h"

#include "state/GameState.h"
#include "view/Form2.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <memory>

namespace velmor::test {

// A new game in the real game window, offscreen, on a map the test writes into a scratch program folder,
// with the recording sound component and, unless asked otherwise, the timers on a manual clock: the test
// calls the ticks.
class GameWindowFixture : public ::testing::Test {
  protected:
    ProgramFolderFixture root;
    RecordedSounds sounds;
    GameState state;
    std::unique_ptr<Form2> window;

    // Writes the map's first section and opens the game on it.
    void openOn(const QString& map, const QStringList& firstSection,
                Form2::Clock clock = Form2::Clock::Manual) {
        root.writeLines(QStringLiteral("Maps/%1/x0y0.map").arg(map), firstSection);
        resetForNewGame(state, map);
        window = std::make_unique<Form2>(state, pictures(), clock);
        window->open();
        window->show();
        QApplication::processEvents();
    }

    QWidget* widget(const char* name) const { return window->findChild<QWidget*>(name); }

    // A click in the middle of a shown control, as the player's.
    void click(const char* name) {
        QWidget* control = widget(name);
        ASSERT_NE(control, nullptr) << name;
        ASSERT_TRUE(control->isVisible()) << name << " cannot be clicked while hidden";
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
        QApplication::processEvents();
    }
};

} // namespace velmor::test
