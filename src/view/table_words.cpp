#include "table_words.h"

#include "game/words.h"
#include "view/info_panel.h"

#include <QCoreApplication>

#include <algorithm>

namespace tavolin {
namespace {

QString placeKindName(PlaceKind kind)
{
    switch (kind) {
    case PlaceKind::Room: return QCoreApplication::translate("Table", "Room");
    case PlaceKind::Pile: return QCoreApplication::translate("Table", "Pile");
    case PlaceKind::Column: break;
    }
    return QCoreApplication::translate("Table", "Column");
}

QString cardCount(int count)
{
    return count == 1 ? QCoreApplication::translate("Table", "1 card")
                      : QCoreApplication::translate("Table", "%1 cards").arg(count);
}

QString categoryName(int category)
{
    static const char* const names[]
        = {QT_TRANSLATE_NOOP("Table", "Deck to Pile"), QT_TRANSLATE_NOOP("Table", "Room to Pile"),
           QT_TRANSLATE_NOOP("Table", "Room to Deck"), QT_TRANSLATE_NOOP("Table", "Column to Column")};
    return QCoreApplication::translate("Table", names[category]);
}

// The panel's markers in words: which places a kind of move was found from.
QString movesFoundFrom(const MoveDetection& detection)
{
    QStringList found;
    for (int category = 0; category < MoveCategoryCount; ++category) {
        const bool fromRooms = category == int(MoveCategory::RoomToPile) || category == int(MoveCategory::RoomToDeck);
        QStringList sources;
        for (int source = 0; source < (fromRooms ? RoomCount : ColumnCount); ++source)
            if (detection.foundFrom[category][source])
                sources << placeName({fromRooms ? PlaceKind::Room : PlaceKind::Column, source});
        if (!sources.isEmpty())
            found << categoryName(category) + QCoreApplication::translate("Table", " from ")
                    + sources.join(QStringLiteral(", "));
    }
    return found.isEmpty() ? QCoreApplication::translate("Table", "No move found.")
                           : found.join(QStringLiteral("; ")) + QLatin1Char('.');
}

} // namespace

QString panelWords(const InfoPanel& panel, const Game& game)
{
    QStringList lines = panel.lines().mid(1);
    const GameFlags& flags = game.flags;
    if (!panel.lines().isEmpty() && flags.ShowMoves && !flags.DetailsShown)
        lines << movesFoundFrom(game.detection);
    // A line that ends a sentence of its own gets no second full stop.
    QString text;
    for (const QString& line : lines)
        text += line + (line.endsWith(QLatin1Char('.')) ? QStringLiteral(" ") : QStringLiteral(". "));
    return text.trimmed();
}

QString cardName(CardCode card)
{
    //: A card: its rank, then its suit ("7 of Hearts"); "%2$s %1$s" puts the suit first.
    return QString::fromStdString(cardText(GAME_TEXT("Card", "%s of %s"), card));
}

QString placeName(Place place)
{
    return QStringLiteral("%1 %2").arg(placeKindName(place.kind)).arg(place.index + 1);
}

QString placeSummary(const Game& game, Place place)
{
    const std::vector<CardCode> cards = cardsAt(game, place);
    QString summary = placeName(place);
    if (place.kind == PlaceKind::Pile && cards.empty()) {
        const int suit = game.table.pileSuit[place.index];
        if (suit >= 0 && suit < SuitCount)
            return summary
                + QCoreApplication::translate("Table", ", empty, for %1").arg(QString::fromStdString(suitName(suit)));
    }
    if (cards.empty())
        return summary + QCoreApplication::translate("Table", ", empty");
    if (place.kind == PlaceKind::Room)
        return summary + QStringLiteral(", ") + cardName(cards.back());
    return summary
        + QCoreApplication::translate("Table", ", %1, top %2")
              .arg(cardCount(int(cards.size())), cardName(cards.back()));
}

std::vector<CardCode> cardsAt(const Game& game, Place place)
{
    std::vector<CardCode> cards;
    const TableState& table = game.table;
    switch (place.kind) {
    case PlaceKind::Column: {
        const ColumnRec& rec = table.columns[place.index];
        for (int position = 0; position < ColumnDepth && rec.present[position]; ++position)
            cards.push_back(rec.card[position]);
        break;
    }
    case PlaceKind::Room:
        if (table.rooms[place.index].occupied)
            cards.push_back(table.rooms[place.index].card);
        break;
    case PlaceKind::Pile: {
        const SlotRec& pile = table.piles[place.index];
        if (pile.occupied && isValidCard(pile.card))
            for (int rank = AceRank; rank <= rankOf(pile.card); ++rank)
                cards.push_back(makeCard(rank, suitOf(pile.card)));
        break;
    }
    }
    return cards;
}

// The Rooms and Columns first: while a card flies to its Pile, the Pile
// already names it and the place it leaves still holds it.
std::optional<Place> placeOf(const Game& game, CardCode card)
{
    for (PlaceKind kind : {PlaceKind::Room, PlaceKind::Column, PlaceKind::Pile}) {
        const int count = kind == PlaceKind::Column ? ColumnCount : kind == PlaceKind::Room ? RoomCount : PileCount;
        for (int index = 0; index < count; ++index) {
            const std::vector<CardCode> cards = cardsAt(game, {kind, index});
            if (std::find(cards.begin(), cards.end(), card) != cards.end())
                return Place{kind, index};
        }
    }
    return std::nullopt;
}

QString transferWords(const Transfer& transfer)
{
    const QString route
        = QCoreApplication::translate("Table", "from %1 to %2").arg(placeName(transfer.from), placeName(transfer.to));
    if (transfer.count == 1)
        return QCoreApplication::translate("Table", "%1 moved %2.").arg(cardName(transfer.card), route);
    return QCoreApplication::translate("Table", "%1 moved %2, %3 on top.")
        .arg(cardCount(transfer.count), route, cardName(transfer.card));
}

QString autoMoveWords(const AutoMove& move)
{
    return QCoreApplication::translate("Table", "%1 went by itself from %2 to %3.")
        .arg(cardName(move.card), placeName({move.from, move.index}), placeName({PlaceKind::Pile, move.pile}));
}

QString heldWords(CardCode card)
{
    return QCoreApplication::translate("Table", "%1 held.").arg(cardName(card));
}

QString returnedWords(CardCode card, bool refused)
{
    if (refused)
        return QCoreApplication::translate("Table", "Refused: %1 put back.").arg(cardName(card));
    return QCoreApplication::translate("Table", "%1 put back.").arg(cardName(card));
}

// A Pile that does not take the card was the one the Piles' key found
// when none does.
QString keptWords(const Game& game, Place place)
{
    const CardCode card = game.selection.card;
    QString refused;
    bool anyPileTakes = false;
    for (int k = 0; k < PileCount; ++k)
        anyPileTakes = anyPileTakes || game.PileAccepts(k, card);
    if (place.kind == PlaceKind::Pile && !anyPileTakes)
        refused = QCoreApplication::translate("Table", "No Pile takes %1.").arg(cardName(card));
    else
        refused = QCoreApplication::translate("Table", "%1 does not go to %2.").arg(cardName(card), placeName(place));
    return refused + QLatin1Char(' ') + QCoreApplication::translate("Table", "Still held.");
}

QString cardByCardWords(const Game& game, Place place, bool topDown)
{
    std::vector<CardCode> cards = cardsAt(game, place);
    if (cards.empty())
        return placeSummary(game, place) + QLatin1Char('.');
    if (topDown)
        std::reverse(cards.begin(), cards.end());
    QStringList names;
    for (CardCode card : cards)
        names << cardName(card);
    const QString joint = topDown ? QCoreApplication::translate("Table", ", on ")
                                  : QCoreApplication::translate("Table", ", under ");
    const QString order = topDown ? QCoreApplication::translate("Table", "%1 from the top: %2.")
                                  : QCoreApplication::translate("Table", "%1 from the bottom: %2.");
    return order.arg(placeName(place), names.join(joint));
}

} // namespace tavolin
