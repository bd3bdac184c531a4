#include "solver_replay.h"

namespace tavolin::testing {

namespace {

int cardsAt(const Game& game, const Place& place)
{
    switch (place.kind) {
    case PlaceKind::Column:
        return game.table.columns[place.index].cardCount();
    case PlaceKind::Room:
        return game.table.rooms[place.index].occupied;
    case PlaceKind::Pile:
        break;
    }
    return game.table.piles[place.index].occupied ? rankOf(game.table.piles[place.index].card) + 1 : 0;
}

// Empty when the game makes the transfer as the solver states it.
std::string transferFault(Game& game, AnsweringEvents& events, const SolverTransfer& transfer)
{
    if (!pickUp(game, transfer.from))
        return "nothing to pick up";
    if (game.selection.card != transfer.card)
        return "another card picked up";
    const int before = cardsAt(game, transfer.to);
    events.answer = !transfer.oneOfSeveral;
    events.asked = 0;
    if (dropOn(game, transfer.to) != DropOutcome::Done)
        return "the drop is not carried out";
    game.EndSelection(true);
    if (transfer.oneOfSeveral && events.asked == 0)
        return "one card of several, but the game did not ask";
    if (cardsAt(game, transfer.to) - before != transfer.cards)
        return "another number of cards moved";
    return {};
}

} // namespace

bool pickUp(Game& game, const Place& place)
{
    return place.kind == PlaceKind::Room ? game.PickUpFromRoom(place.index) : game.PickUpFromColumn(place.index);
}

DropOutcome dropOn(Game& game, const Place& place)
{
    switch (place.kind) {
    case PlaceKind::Column: {
        const int top = game.table.columns[place.index].topPosition();
        return top < 0 ? game.DropOnEmptyColumn(place.index) : game.DropOnColumnTop(place.index, top);
    }
    case PlaceKind::Room:
        return game.DropOnRoom(place.index);
    case PlaceKind::Pile:
        break;
    }
    return game.DropOnPile(place.index);
}

std::vector<Place> allPlaces()
{
    std::vector<Place> places;
    for (const auto& [kind, count] : {std::pair(PlaceKind::Pile, PileCount), std::pair(PlaceKind::Column, ColumnCount),
                                      std::pair(PlaceKind::Room, RoomCount)})
        for (int i = 0; i < count; ++i)
            places.push_back({kind, i});
    return places;
}

void dealSeeded(Game& game, std::uint32_t seed)
{
    game.ResetTable();
    game.random.seed(seed);
    game.flags.gameOpen = game.BuildPack();
    game.DealColumns();
    game.beginGame();
}

void finishAutoMoves(Game& game)
{
    while (game.AutoMoveToPiles()) {
    }
}

void copyGame(const Game& from, Game& to)
{
    to.table = from.table;
    to.selection = from.selection;
    to.flags = from.flags;
    to.geometry = from.geometry;
    to.options = from.options;
    to.detection = from.detection;
}

std::string replayFault(const Game& start, const std::vector<SolverTransfer>& line)
{
    AnsweringEvents events;
    Game game(events);
    copyGame(start, game);
    finishAutoMoves(game);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const std::string fault = transferFault(game, events, line[i]);
        if (!fault.empty())
            return "transfer " + std::to_string(i + 1) + " (" + transferLine(line[i]) + "): " + fault;
        finishAutoMoves(game);
        // The game must not end for lack of moves on the way.
        game.DetectMoves();
        if (!game.flags.movesLeft)
            return "no move left after transfer " + std::to_string(i + 1);
    }
    if (game.table.autoRank < RankCount && game.table.cardsLeft != 0)
        return "the line ends before the game is won";
    return {};
}

} // namespace tavolin::testing
