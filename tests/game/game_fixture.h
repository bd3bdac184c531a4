#pragma once

#include "game/game.h"
#include "recording_events.h"
#include "table_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tavolin::testing {

using Names = std::vector<std::string>;

// Origins: Columns 0..7, Rooms -1 - room.
inline bool hold(Game& game, int origin)
{
    return origin < 0 ? game.PickUpFromRoom(-1 - origin) : game.PickUpFromColumn(origin);
}

// Places: 'R' a Room, 'P' a Pile, 'E' an empty Column, 'C' a Column's top card.
inline DropOutcome drop(Game& game, char place, int index)
{
    return place == 'R' ? game.DropOnRoom(index) : place == 'P' ? game.DropOnPile(index)
         : place == 'E' ? game.DropOnEmptyColumn(index)
                        : game.DropOnColumnTop(index, game.table.columns[index].topPosition());
}

// A game on a table set up by the test, recording what it shows.
class GameTest : public ::testing::Test {
protected:
    RecordingEvents events;
    Game game{events};

    TableBuilder table() { return TableBuilder(game); }
    static CardCode card(std::string_view name) { return cardNamed(name); }

    // The cards of a Column from position 0 up, by short name.
    Names column(int c) const
    {
        Names names;
        const ColumnRec& rec = game.table.columns[c];
        for (int position = 0; position <= rec.topPosition(); ++position)
            names.push_back(cardName(rec.card[position]));
        return names;
    }

    // The texts of a panel's lines, in drawing order.
    static Names texts(const std::vector<PanelText>& lines)
    {
        Names names;
        for (const PanelText& line : lines)
            names.push_back(line.text);
        return names;
    }

    // Unused Column places lose their position, so that a move must give its cards theirs.
    void forgetPlaces()
    {
        for (ColumnRec& rec : game.table.columns)
            std::fill(rec.y.begin() + std::max(rec.topPosition() + 1, 1), rec.y.end(), 0);
    }

    // Every Column's cards lie one step below each other, where its first card lies.
    ::testing::AssertionResult cardsStacked() const
    {
        for (int c = 0; c < ColumnCount; ++c) {
            const ColumnRec& rec = game.table.columns[c];
            for (int p = 1; p <= rec.topPosition(); ++p)
                if (rec.x[p] != rec.x[0] || rec.y[p] != rec.y[0] + p * game.geometry.ColumnStep)
                    return ::testing::AssertionFailure() << "Column " << c << " position " << p;
        }
        return ::testing::AssertionSuccess();
    }

    // Picks a Column's top card up; the test fails if it cannot.
    void holdColumnTop(int c) { ASSERT_TRUE(game.PickUpFromColumn(c)); }
};

} // namespace tavolin::testing
