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
            for (int position = std::max(rec.topPosition() + 1, 1); position < ColumnDepth; ++position)
                rec.x[position] = rec.y[position] = 0;
    }

    // Every Column's cards lie one step below each other, where its first card lies.
    ::testing::AssertionResult cardsStacked() const
    {
        for (int c = 0; c < ColumnCount; ++c) {
            const ColumnRec& rec = game.table.columns[c];
            for (int position = 1; position <= rec.topPosition(); ++position)
                if (rec.x[position] != rec.x[0] || rec.y[position] != rec.y[0] + position * game.geometry.ColumnStep)
                    return ::testing::AssertionFailure() << "Column " << c << " position " << position;
        }
        return ::testing::AssertionSuccess();
    }

    // Origins: Columns 0..7, Rooms -1 - room.
    bool hold(int origin) { return origin < 0 ? game.PickUpFromRoom(-1 - origin) : game.PickUpFromColumn(origin); }

    // Places: 'R' a Room, 'P' a Pile, 'E' an empty Column, 'C' a Column's top card.
    DropOutcome drop(char place, int index)
    {
        switch (place) {
        case 'R': return game.DropOnRoom(index);
        case 'P': return game.DropOnPile(index);
        case 'E': return game.DropOnEmptyColumn(index);
        default: return game.DropOnColumnTop(index, game.table.columns[index].topPosition());
        }
    }

    // Picks a Column's top card up; the test fails if it cannot.
    void holdColumnTop(int c) { ASSERT_TRUE(game.PickUpFromColumn(c)); }
    void holdRoomCard(int r) { ASSERT_TRUE(game.PickUpFromRoom(r)); }
};

} // namespace tavolin::testing
