#include "solver_position.h"

#include <algorithm>
#include <bit>

namespace tavolin::solver {

namespace {

constexpr int LastHeight = ColumnDepth;   // a Column holds this many cards at most

std::uint64_t mixed(std::uint64_t value)
{
    value += 0x9e3779b97f4a7c15u;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9u;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebu;
    return value ^ (value >> 31);
}

// Ranks complete on the Piles, counted from the Aces; at least 1, as the
// game counts them for its automatic moves.
int autoRankOf(const Position& position, const PileSuits& suits)
{
    std::array<int, SuitCount> up{};
    for (int pile = 0; pile < PileCount; ++pile)
        if (suits.suit[pile] >= 0)
            up[suits.suit[pile]] = std::max<int>(up[suits.suit[pile]], position.pile[pile]);
    return std::max(1, *std::min_element(up.begin(), up.end()));
}

// How many cards of Column `from`, whose run from the top is `run` long,
// the game moves onto `target`: the run's ranks rise by one from its top
// card, so only one of them can fit.
int deckOnto(const Position& position, int from, int run, CardCode target)
{
    const CardCode top = position.top(from);
    const int n = rankOf(target) - rankOf(top);
    if (n < 1 || n > run)
        return 0;
    return fits(position.column[from][position.height[from] - n], target) ? n : 0;
}

// The longest run that ends with the top card.
int runLength(const Position& position, int column)
{
    const auto& cards = position.column[column];
    int i = position.height[column] - 1;
    while (i > 0 && fits(cards[i], cards[i - 1]))
        --i;
    return position.height[column] - i;
}

template <typename T>
int firstIndexOf(const T& places, bool (*matches)(std::uint8_t))
{
    for (int i = 0; i < static_cast<int>(places.size()); ++i)
        if (matches(places[i]))
            return i;
    return -1;
}

SolverTransfer transfer(Place from, Place to, CardCode card, int cards = 1, bool oneOfSeveral = false)
{
    return {from, to, card, cards, oneOfSeveral};
}

void listColumnTransfers(const Position& position, const PileSuits& suits, int c, int freeRoom,
                         int emptyColumn, int freePlaces, std::vector<SolverTransfer>& out)
{
    const Place from{PlaceKind::Column, c};
    const CardCode top = position.top(c);
    const int pile = pileTaking(position, suits, top);
    if (pile >= 0)
        out.push_back(transfer(from, {PlaceKind::Pile, pile}, top));
    if (freeRoom >= 0 && rankOf(top) != AceRank)
        out.push_back(transfer(from, {PlaceKind::Room, freeRoom}, top));

    const int run = runLength(position, c);
    for (int t = 0; t < ColumnCount; ++t) {
        if (t == c || position.height[t] == 0)
            continue;
        const int n = deckOnto(position, c, run, position.top(t));
        if (n > 0 && n <= freePlaces + 1 && position.height[t] + n <= LastHeight)
            out.push_back(transfer(from, {PlaceKind::Column, t}, top, n));
    }
    // Moving a whole Column to an empty one changes nothing.
    if (emptyColumn < 0)
        return;
    const int m = std::min(run, freePlaces);
    const Place to{PlaceKind::Column, emptyColumn};
    if (m < position.height[c])
        out.push_back(transfer(from, to, top, m));
    // One card of several is also Column -> free Room -> that Column while
    // the automatic moves are on (a transfer to a Room ends their pause):
    // that way needs no question to the player.
    const bool throughRoom = freeRoom >= 0 && !position.autoSuspended && rankOf(top) != AceRank;
    if (m > 1 && !throughRoom)
        out.push_back(transfer(from, to, top, 1, true));
}

} // namespace

bool Position::isWon() const
{
    return std::all_of(height.begin(), height.end(), [](std::uint8_t h) { return h == 0; })
        && std::all_of(room.begin(), room.end(), [](std::uint8_t card) { return card == NoCard; });
}

bool Position::operator==(const Position& other) const
{
    if (height != other.height || room != other.room || pile != other.pile || autoSuspended != other.autoSuspended)
        return false;
    for (int c = 0; c < ColumnCount; ++c)
        if (!std::equal(column[c].begin(), column[c].begin() + height[c], other.column[c].begin()))
            return false;
    return true;
}

int Position::freeRooms() const
{
    return static_cast<int>(std::count(room.begin(), room.end(), NoCard));
}

int Position::emptyColumns() const
{
    return static_cast<int>(std::count(height.begin(), height.end(), 0));
}

std::optional<Position> positionOf(const TableState& table, bool autoSuspended, PileSuits& suits)
{
    Position position;
    position.autoSuspended = autoSuspended;
    std::array<bool, PackSize> seen{};
    auto take = [&seen](CardCode card, DrawMode mode) {
        if (!isValidCard(card) || seen[card] || mode == DrawMode::Selected)
            return false;
        seen[card] = true;
        return true;
    };
    for (int pile = 0; pile < PileCount; ++pile) {
        const SlotRec& slot = table.piles[pile];
        const int suit = table.pileSuit[pile];
        suits.suit[pile] = suit >= 0 && suit < SuitCount ? suit : -1;
        if (!slot.occupied)
            continue;
        if (!isValidCard(slot.card))
            return std::nullopt;
        suits.suit[pile] = suitOf(slot.card);
        position.pile[pile] = static_cast<std::uint8_t>(rankOf(slot.card) + 1);
        for (int rank = 0; rank <= rankOf(slot.card); ++rank)
            if (!take(makeCard(rank, suitOf(slot.card)), DrawMode::Face))
                return std::nullopt;
    }
    for (int c = 0; c < ColumnCount; ++c) {
        const ColumnRec& rec = table.columns[c];
        const int height = rec.topPosition() + 1;
        for (int p = 0; p < height; ++p)
            if (!rec.present[p] || !take(rec.card[p], rec.mode[p]))
                return std::nullopt;
            else
                position.column[c][p] = static_cast<std::uint8_t>(rec.card[p]);
        position.height[c] = static_cast<std::uint8_t>(height);
    }
    for (int r = 0; r < RoomCount; ++r) {
        const SlotRec& slot = table.rooms[r];
        if (!slot.occupied)
            continue;
        if (!take(slot.card, slot.mode))
            return std::nullopt;
        position.room[r] = static_cast<std::uint8_t>(slot.card);
    }
    return position;
}

int pileTaking(const Position& position, const PileSuits& suits, CardCode card)
{
    for (int pile = 0; pile < PileCount; ++pile)
        if (suits.suit[pile] == suitOf(card) && position.pile[pile] == rankOf(card))
            return pile;
    return -1;
}

void listTransfers(const Position& position, const PileSuits& suits, std::vector<SolverTransfer>& out)
{
    const int freeRoom = firstIndexOf(position.room, [](std::uint8_t card) { return card == NoCard; });
    const int emptyColumn = firstIndexOf(position.height, [](std::uint8_t h) { return h == 0; });
    for (int r = 0; r < RoomCount; ++r) {
        const CardCode card = position.room[r];
        if (card == NoCard)
            continue;
        const Place from{PlaceKind::Room, r};
        const int pile = pileTaking(position, suits, card);
        if (pile >= 0)
            out.push_back(transfer(from, {PlaceKind::Pile, pile}, card));
        for (int t = 0; t < ColumnCount; ++t)
            if (position.height[t] > 0 && position.height[t] < LastHeight && fits(card, position.top(t)))
                out.push_back(transfer(from, {PlaceKind::Column, t}, card));
        if (emptyColumn >= 0)
            out.push_back(transfer(from, {PlaceKind::Column, emptyColumn}, card));
    }
    const int freePlaces = position.freeRooms() + position.emptyColumns();
    for (int c = 0; c < ColumnCount; ++c)
        if (position.height[c] > 0)
            listColumnTransfers(position, suits, c, freeRoom, emptyColumn, freePlaces, out);
}

Position applied(const Position& position, const PileSuits& suits, const SolverTransfer& transfer,
                 unsigned* changed)
{
    Position next = position;
    const bool toEmptyColumn = transfer.to.kind == PlaceKind::Column && next.height[transfer.to.index] == 0;
    std::array<std::uint8_t, ColumnDepth> moving{};
    const int count = transfer.cards;
    if (transfer.from.kind == PlaceKind::Room) {
        moving[0] = next.room[transfer.from.index];
        next.room[transfer.from.index] = NoCard;
    } else {
        auto& source = next.column[transfer.from.index];
        std::uint8_t& height = next.height[transfer.from.index];
        std::copy_n(source.begin() + height - count, count, moving.begin());
        height = static_cast<std::uint8_t>(height - count);
    }
    switch (transfer.to.kind) {
    case PlaceKind::Pile:
        ++next.pile[transfer.to.index];
        break;
    case PlaceKind::Room:
        next.room[transfer.to.index] = moving[0];
        break;
    case PlaceKind::Column: {
        std::uint8_t& height = next.height[transfer.to.index];
        std::copy_n(moving.begin(), count, next.column[transfer.to.index].begin() + height);
        height = static_cast<std::uint8_t>(height + count);
        break;
    }
    }
    const bool roomToRoom = transfer.from.kind == PlaceKind::Room && transfer.to.kind == PlaceKind::Room;
    if (!toEmptyColumn && !roomToRoom)
        next.autoSuspended = false;
    const unsigned settled = settle(next, suits);
    if (changed != nullptr) {
        *changed = settled;
        for (const Place& place : {transfer.from, transfer.to})
            if (place.kind == PlaceKind::Column)
                *changed |= 1u << place.index;
    }
    return next;
}

// Any order reaches the same fixpoint: a card that may go up stays on top
// and stays wanted until it goes.
unsigned settle(Position& position, const PileSuits& suits)
{
    unsigned changed = 0;
    if (position.autoSuspended)
        return changed;
    bool moved = true;
    while (moved) {
        moved = false;
        const int autoRank = autoRankOf(position, suits);
        for (int c = 0; c < ColumnCount; ++c) {
            while (position.height[c] > 0) {
                const CardCode card = position.top(c);
                const int pile = rankOf(card) == AceRank || rankOf(card) == autoRank
                                     ? pileTaking(position, suits, card) : -1;
                if (pile < 0)
                    break;
                ++position.pile[pile];
                --position.height[c];
                changed |= 1u << c;
                moved = true;
            }
        }
        for (std::uint8_t& card : position.room) {
            if (card == NoCard || rankOf(card) != autoRank)
                continue;
            const int pile = pileTaking(position, suits, card);
            if (pile >= 0) {
                ++position.pile[pile];
                card = NoCard;
                moved = true;
            }
        }
    }
    return changed;
}

namespace {

// A sum of mixed parts does not depend on their order. The cards on the
// Piles are those not on the table, so the Piles need no part of their own.
std::uint64_t columnPart(const Position& position, int c)
{
    std::uint64_t h = 0xcbf29ce484222325u;
    for (int p = 0; p < position.height[c]; ++p)
        h = (h ^ position.column[c][p]) * 0x100000001b3u;
    return mixed(h);
}

std::uint64_t otherParts(const Position& position)
{
    std::uint64_t sum = position.autoSuspended ? 0x5bd1e9955bd1e995u : 0;
    for (std::uint8_t card : position.room)
        sum += mixed(0x1000u + card);
    return sum;
}

} // namespace

std::uint64_t fingerprint(const Position& position)
{
    std::uint64_t sum = otherParts(position);
    for (int c = 0; c < ColumnCount; ++c)
        sum += columnPart(position, c);
    return sum;
}

std::uint64_t fingerprintAfter(const Position& before, std::uint64_t beforeFingerprint, const Position& after,
                               unsigned changed)
{
    std::uint64_t sum = beforeFingerprint - otherParts(before) + otherParts(after);
    for (; changed != 0; changed &= changed - 1) {
        const int c = std::countr_zero(changed);
        sum += columnPart(after, c) - columnPart(before, c);
    }
    return sum;
}

std::size_t packedSize(const Position& position)
{
    std::size_t size = 1 + RoomCount + PileCount + ColumnCount;
    for (std::uint8_t height : position.height)
        size += height;
    return size;
}

void pack(const Position& position, std::uint8_t* out)
{
    *out++ = position.autoSuspended ? 1 : 0;
    out = std::copy(position.room.begin(), position.room.end(), out);
    out = std::copy(position.pile.begin(), position.pile.end(), out);
    for (int c = 0; c < ColumnCount; ++c) {
        *out++ = position.height[c];
        out = std::copy_n(position.column[c].begin(), position.height[c], out);
    }
}

Position unpacked(const std::uint8_t* packed)
{
    Position position;
    position.autoSuspended = *packed++ != 0;
    std::copy_n(packed, RoomCount, position.room.begin());
    packed += RoomCount;
    std::copy_n(packed, PileCount, position.pile.begin());
    packed += PileCount;
    for (int c = 0; c < ColumnCount; ++c) {
        position.height[c] = *packed++;
        std::copy_n(packed, position.height[c], position.column[c].begin());
        packed += position.height[c];
    }
    return position;
}

// Bits 0-3 the origin (Rooms 8-11), 4-5 the target's kind, 6-8 its index,
// 9-13 the cards, 14 one of several.
std::uint16_t encoded(const SolverTransfer& transfer)
{
    const int from = transfer.from.kind == PlaceKind::Room ? ColumnCount + transfer.from.index : transfer.from.index;
    return static_cast<std::uint16_t>(from | static_cast<int>(transfer.to.kind) << 4 | transfer.to.index << 6
                                      | transfer.cards << 9 | (transfer.oneOfSeveral ? 1 : 0) << 14);
}

SolverTransfer decoded(std::uint16_t code, const Position& position)
{
    SolverTransfer transfer;
    const int from = code & 15;
    transfer.from = from >= ColumnCount ? Place{PlaceKind::Room, from - ColumnCount} : Place{PlaceKind::Column, from};
    transfer.to = {static_cast<PlaceKind>(code >> 4 & 3), code >> 6 & 7};
    transfer.cards = code >> 9 & 31;
    transfer.oneOfSeveral = (code >> 14 & 1) != 0;
    transfer.card = transfer.from.kind == PlaceKind::Room ? position.room[transfer.from.index]
                                                          : position.top(transfer.from.index);
    return transfer;
}

} // namespace tavolin::solver
