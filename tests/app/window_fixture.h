#pragma once

#include "app/main_window.h"
#include "platform/doubles/fake_card_library.h"
#include "platform/doubles/fake_environment.h"
#include "platform/doubles/manual_clock.h"
#include "platform/doubles/memory_registry.h"
#include "platform/doubles/scripted_message_boxes.h"
#include "platform/platform.h"
#include "view/table_view.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tavolin::testing {

inline const QString StoreKey = QStringLiteral("Software\\Projects\\Tavolin 2.2");
inline const QColor TableColour(0, 153, 0);

inline QColor faceColour(CardCode card)
{
    return FakeCardLibrary::colourOf(faceImageNumber(card));
}

// The main window on test doubles of every machine service, on a
// 1280 x 1024 screen on a December morning.
template <typename Boxes = ScriptedMessageBoxes>
class WindowFixture : public ::testing::Test {
protected:
    MemoryRegistry registry;
    Boxes messages;
    ManualClock clock{QDateTime(QDate(2026, 12, 7), QTime(10, 30, 0))};
    FakeEnvironment environment{QSize(1280, 1024)};
    FakeCardLibrary cards;
    Platform platform{registry, messages, clock, environment, cards};
    std::unique_ptr<TForm1> window;

    // A window of an earlier start goes first: closing, it unloads the library.
    void open()
    {
        window.reset();
        window = std::make_unique<TForm1>(platform);
        window->show();
        QApplication::processEvents();   // the first idle moment
    }

    void newGame()
    {
        window->NewGame1Click();
        QApplication::processEvents();   // the game's first pass
    }

    TableView* table() const { return static_cast<TableView*>(window->centralWidget()); }
    const TableLayout& layout() const { return window->tableLayout(); }
    QAction* action(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(QString::fromLatin1(name)); }
    void click(QPoint at, Qt::MouseButton with = Qt::LeftButton) { QTest::mouseClick(table(), with, {}, at); }

    QPoint centreOf(int x, int y) const { return QPoint(x + layout().CardWidth / 2, y + layout().CardHeight / 2); }
    QPoint columnTop(int column) const
    {
        const ColumnRec& rec = window->game().table.columns[column];
        return centreOf(rec.x[rec.topPosition()], rec.y[rec.topPosition()]);
    }

    std::int32_t stored(const char* name) const
    {
        const auto value = registry.value(StoreKey, QString::fromLatin1(name));
        return value ? std::get<std::int32_t>(*value) : -1;
    }
};

} // namespace tavolin::testing
