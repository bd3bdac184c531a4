#pragma once

#include "game/game.h"
#include "recording_events.h"
#include "table_builder.h"

#include <gtest/gtest.h>

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

    // Picks a Column's top card up; the test fails if it cannot.
    void holdColumnTop(int c) { ASSERT_TRUE(game.PickUpFromColumn(c)); }
    void holdRoomCard(int r) { ASSERT_TRUE(game.PickUpFromRoom(r)); }
};

} // namespace tavolin::testing
