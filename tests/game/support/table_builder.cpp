#include "table_builder.h"

namespace tavolin::testing {

namespace {

constexpr std::string_view Ranks[RankCount] = {"A", "2", "3", "4", "5", "6", "7",
                                               "8", "9", "10", "J", "Q", "K"};
constexpr std::string_view Suits = "HDSC";

} // namespace

CardCode cardNamed(std::string_view name)
{
    if (name.size() < 2)
        return -1;
    const std::string_view rankPart = name.substr(0, name.size() - 1);
    int rank = -1;
    for (int r = 0; r < RankCount; ++r)
        if (Ranks[r] == rankPart)
            rank = r;
    const auto suit = Suits.find(name.back());
    if (rank < 0 || suit == std::string_view::npos)
        return -1;
    return makeCard(rank, static_cast<int>(suit));
}

std::string cardName(CardCode card)
{
    if (!isValidCard(card))
        return "?";
    return std::string(Ranks[rankOf(card)]) + Suits[suitOf(card)];
}

TableBuilder::TableBuilder(Game& game) : game_(game)
{
    game_.ResetTable();
    game_.table.cardsLeft = PackSize;
    for (int c = 0; c < ColumnCount; ++c) {
        for (int position = 0; position < ColumnDepth; ++position) {
            game_.table.columns[c].x[position] = game_.geometry.columnX(c);
            game_.table.columns[c].y[position] = game_.geometry.columnY(position);
        }
    }
    game_.flags.gameInPlay = true;
    game_.beginGame();
}

TableBuilder& TableBuilder::column(int column, std::initializer_list<std::string_view> cards)
{
    ColumnRec& rec = game_.table.columns[column];
    int position = 0;
    for (std::string_view name : cards) {
        rec.present[position] = 1;
        rec.card[position] = cardNamed(name);
        rec.mode[position] = DrawMode::Face;
        ++position;
    }
    return *this;
}

TableBuilder& TableBuilder::room(int room, std::string_view card)
{
    SlotRec& slot = game_.table.rooms[room];
    slot.occupied = 1;
    slot.card = cardNamed(card);
    slot.mode = DrawMode::Face;
    return *this;
}

TableBuilder& TableBuilder::pileUpTo(std::string_view topCard)
{
    const CardCode top = cardNamed(topCard);
    for (int pile = 0; pile < PileCount; ++pile) {
        if (game_.table.pileSuit[pile] != suitOf(top))
            continue;
        for (int rank = 0; rank <= rankOf(top); ++rank)
            game_.putOnPile(pile, makeCard(rank, suitOf(top)));
    }
    return *this;
}

TableBuilder& TableBuilder::autoMovesOn()
{
    game_.flags.autoSuspended = false;
    return *this;
}

} // namespace tavolin::testing
