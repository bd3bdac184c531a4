#pragma once

#include "game/game.h"

#include <QString>

#include <optional>
#include <vector>

namespace tavolin {

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

QString transferWords(const Transfer& transfer);
QString autoMoveWords(const AutoMove& move);

} // namespace tavolin
