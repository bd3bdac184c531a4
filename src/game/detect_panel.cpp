#include "game.h"
#include "words.h"

namespace tavolin {

namespace {

constexpr int RoomMarkersX = 130;
constexpr int ColumnMarkersX = 270;
constexpr int PileRowY = 59;
constexpr int DeckRowY = 114;
constexpr int MarkerStep = 16;
constexpr int CommentX = 440;

PanelText times(int x, int y, std::string text, PanelColour colour = PanelColour::White)
{
    return {x, y, std::move(text), PanelFont::TimesNewRoman, colour, false};
}

PanelText courier(int x, int y, std::string text, PanelColour colour, bool underline)
{
    return {x, y, std::move(text), PanelFont::CourierNew, colour, underline};
}

std::vector<PanelText> detectionHeadings()
{
    return {
        courier(6, 4, GAME_TEXT("Panel", "Automatic Move Detection"), PanelColour::Lime, true),
        courier(CommentX, 37, GAME_TEXT("Panel", "Comments & Hints"), PanelColour::Aqua, true),
        times(RoomMarkersX, 37, GAME_TEXT("Panel", "Room to Pile: 0")),
        times(RoomMarkersX, 92, GAME_TEXT("Panel", "Room to Deck: 0")),
        times(ColumnMarkersX, 37, GAME_TEXT("Panel", "Deck to Pile: 0")),
        times(ColumnMarkersX, 92, GAME_TEXT("Panel", "Column to Column: 0")),
    };
}

struct CountLabel {
    MoveCategory category;
    int x;
    int y;
    const char* format;
};

constexpr CountLabel CountLabels[] = {
    {MoveCategory::RoomToPile, RoomMarkersX, 37, GAME_TEXT_NOOP("Panel", " RoomToPile: %d")},
    {MoveCategory::RoomToDeck, RoomMarkersX, 92, GAME_TEXT_NOOP("Panel", " RoomToDeck: %d")},
    {MoveCategory::DeckToPile, ColumnMarkersX, 37, GAME_TEXT_NOOP("Panel", "Deck to Pile: %d")},
    {MoveCategory::ColumnToColumn, ColumnMarkersX, 92, GAME_TEXT_NOOP("Panel", "Column to Column: %d")},
};

} // namespace

MovePanel Game::movePanel(bool headingsRedrawn) const
{
    MovePanel panel;
    panel.headingsRedrawn = headingsRedrawn;
    if (headingsRedrawn)
        panel.headings = detectionHeadings();

    panel.freeRoomsCaption = courier(6, 37, GAME_TEXT("Panel", "Free Rooms"), PanelColour::White, false);
    for (int room = 0; room < RoomCount; ++room)
        panel.roomBoxes[room] = {6 + 21 * room, 60, table.rooms[room].occupied != 0};

    // A label is rewritten only when its count rose; the zero labels come
    // back with the next headings.
    for (const CountLabel& label : CountLabels)
        if (const int count = detection.count(label.category); count > 0)
            panel.countLabels.push_back(
                times(label.x, label.y, formatText(translatedText("Panel", label.format).c_str(), count)));

    auto marker = [&](MoveCategory category, int source, int x, int y, bool emptyColumn) {
        const bool found = detection.foundFrom[static_cast<int>(category)][source];
        const MarkerKind kind = emptyColumn ? MarkerKind::EmptyColumn
                              : found       ? MarkerKind::Found
                                            : MarkerKind::NoneFound;
        panel.markers.push_back({x + MarkerStep * source, y, kind});
    };
    for (int room = 0; room < RoomCount; ++room) {
        marker(MoveCategory::RoomToPile, room, RoomMarkersX, PileRowY, false);
        marker(MoveCategory::RoomToDeck, room, RoomMarkersX, DeckRowY, false);
    }
    for (int column = 0; column < ColumnCount; ++column) {
        const bool empty = table.columns[column].isEmpty();
        marker(MoveCategory::DeckToPile, column, ColumnMarkersX, PileRowY, empty);
        marker(MoveCategory::ColumnToColumn, column, ColumnMarkersX, DeckRowY, empty);
    }

    if (detection.freeSpace > 0) {
        if (flags.autoSuspended) {
            panel.comments.push_back(times(CommentX, 64, GAME_TEXT("Panel", "Nice day, to-day.")));
            panel.comments.push_back(times(CommentX, 91, GAME_TEXT("Panel", "Take your pick."), PanelColour::Lime));
        }
    } else if (!detection.anyMove()) {
        panel.comments.push_back(times(CommentX, 64, GAME_TEXT("Panel", "See you later, alligator.")));
        panel.comments.push_back(
            times(CommentX, 91, GAME_TEXT("Panel", "Or try your luck in a new game."), PanelColour::Lime));
    } else {
        panel.comments.push_back(
            times(CommentX, 64, GAME_TEXT("Panel", "Running into a pocket?"), PanelColour::Yellow));
    }
    return panel;
}

} // namespace tavolin
