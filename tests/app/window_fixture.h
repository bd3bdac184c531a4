#pragma once

#include "app/main_window.h"
#include "app/window_doubles.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace tavolin::testing {

// The main window on test doubles of every machine service.
template <typename Boxes = ScriptedMessageBoxes>
class WindowFixture : public ::testing::Test, protected WindowDoubles<Boxes> {
protected:
    std::unique_ptr<TForm1> window;

    void open()
    {
        window = std::make_unique<TForm1>(this->platform);
        window->show();
        QApplication::processEvents();   // the first idle moment
    }

    void newGame()
    {
        window->NewGame1Click();
        QApplication::processEvents();   // the game's first pass
    }

    QPoint centreOf(int x, int y) const
    {
        return QPoint(x + window->tableLayout().CardWidth / 2, y + window->tableLayout().CardHeight / 2);
    }
};

} // namespace tavolin::testing
