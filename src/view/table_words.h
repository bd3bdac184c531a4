#pragma once

#include "game/game.h"

#include <QString>

#include <optional>
#include <vector>

namespace tavolin {

class InfoPanel;

// The table in plain words, for a screen reader: cards named as the status
// texts name them, places numbered from the left as the player counts them.
QString cardName(CardCode card);
QString placeName(Place place);
// The place with what it holds: "Column 3, 7 cards, top 7 of Diamonds".
QString placeSummary(const Game& game, Place place);
// The cards a place holds, from the one dealt or laid first to the top one.
// A Pile holds every card of its suit up to its top card.
std::vector<CardCode> cardsAt(const Game& game, Place place);
// Where a card lies now, if on the table.
std::optional<Place> placeOf(const Game& game, CardCode card);

// The panel below the Columns, its heading left out: its lines and, while
// it shows the possible moves, its coloured markers in words.
QString panelWords(const InfoPanel& panel, const Game& game);

QString transferWords(const Transfer& transfer);
QString autoMoveWords(const AutoMove& move);
// What became of the card in the player's hand.
QString heldWords(CardCode card);
QString returnedWords(CardCode card, bool refused);
QString keptWords(const Game& game, Place place);
// A place card by card, from its top card down or from its first card up,
// each card said with the one it lies on.
QString cardByCardWords(const Game& game, Place place, bool topDown);

} // namespace tavolin
