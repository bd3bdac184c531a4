#include "game.h"
#include "search_account.h"

namespace tavolin {

namespace {

constexpr int StepsX = 320;
constexpr int StepsTop = 26;
constexpr int StepsRowHeight = 16;
constexpr const char* DottedLine = " . . . . . . . . . . . . . . . . . . . . . . . . . ";

PanelText heading(int x, int y, std::string text)
{
    return {x, y, std::move(text), PanelFont::CourierNew, PanelColour::Aqua, true};
}

PanelText plain(int x, int y, std::string text)
{
    return {x, y, std::move(text), PanelFont::CourierNew, PanelColour::White, false};
}

} // namespace

void SearchAccount::write(const std::string& text)
{
    details_->steps.push_back({StepsX, StepsTop + row_ * StepsRowHeight, text,
                               PanelFont::TimesNewRoman, PanelColour::White, false});
}

void SearchAccount::firstCard(CardCode held)
{
    if (isSilent())
        return;
    write(cardText("First card at origin is %s of %s", held));
    advance();
}

void SearchAccount::firstCardMisses()
{
    if (isSilent())
        return;
    write("First card doesn't match target.");
    advance();
}

void SearchAccount::card(int number, CardCode card)
{
    if (isSilent())
        return;
    write(DottedLine);
    write(formatText("Card number %d is %s of %s", number, RankNames[rankOf(card)], SuitNames[suitOf(card)]));
    // Past the panel's last row every further card overwrites the same row.
    if (number - 1 <= lineLimit_)
        advance();
}

void SearchAccount::noMatch(int number)
{
    if (!isSilent())
        write(formatText("Card number %d no match for previous card.", number));
}

void SearchAccount::matches(int number)
{
    if (!isSilent())
        write(formatText("Card number %d matches target.", number));
}

void SearchAccount::missing(int number, int position)
{
    if (!isSilent())
        write(formatText("Last card number %d processed: %d", number, position));
}

int SearchAccount::result(int count, const char* format)
{
    if (!isSilent()) {
        details_->count = count;
        details_->result = {6, 110, formatText(format, count), PanelFont::CourierNew,
                            count > 0 ? PanelColour::Lime : PanelColour::Yellow, false};
    }
    return count;
}

int Game::TransferSearch(int column, int position)
{
    if (!heldCardInPlace() || column < 0 || column >= ColumnCount)
        return 0;
    const ColumnRec& target = table.columns[column];
    const bool validTarget = position == EmptyColumnTarget ? target.isEmpty()
                                                           : position >= 0 && position == target.topPosition();
    if (!validTarget)
        return 0;
    if (!flags.DetailsShown) {
        SearchAccount silent;
        return searchTransfer(selection, column, position, silent);
    }
    TransferDetails details;
    writeDetailsHeadings(details, column, position);
    SearchAccount account(details, options.PanelLineLimit);
    const int count = searchTransfer(selection, column, position, account);
    events_.showTransferDetails(details);
    return count;
}

void Game::writeDetailsHeadings(TransferDetails& details, int column, int position)
{
    const bool emptyColumn = position == EmptyColumnTarget;
    const std::int32_t target = emptyColumn ? EmptyColumnDetailsTarget : table.columns[column].card[position];
    if (!flags.DetailsHeaderDirty && target == flags.DetailsTargetCard)
        return;
    flags.DetailsTargetCard = target;
    flags.DetailsHeaderDirty = false;
    details.headingsRedrawn = true;
    details.headings = {
        heading(6, 4, "Card Tranfer Info"),
        heading(StepsX, 4, "Search Details"),
        heading(6, 88, "Result returned from destination"),
        plain(6, 26, cardText("Selected origin:  %s of %s", selection.card)),
        plain(6, 46, emptyColumn ? std::string("Selected target:  none, empty column")
                                 : cardText("Selected target:  %s of %s", target)),
        plain(6, 66, formatText("Destination:  Column number %d", column + 1)),
    };
}

int Game::searchTransfer(const Selection& held, int column, int position, SearchAccount& account) const
{
    if (held.isEmpty())
        return 0;
    if (held.kind == SelectionKind::Column && held.index == column)
        return 0;
    if (position == EmptyColumnTarget)
        return searchEmptyColumn(held, account);
    return searchTargetCard(held, table.columns[column].card[position], account);
}

// Walks down from the held card while the cards under it form a Deck, until
// one of them fits the target. Ranks rise by one along a Deck, so at most one
// card can fit: the answer is unique.
int Game::searchTargetCard(const Selection& held, CardCode target, SearchAccount& account) const
{
    const CardCode h = held.card;
    if (held.kind == SelectionKind::Room)
        return fits(h, target) ? account.result(1, "Ready for tranfer of single card.")
                               : account.result(0, "Try other destination.");
    if (held.position == 0)
        return fits(h, target) ? account.result(1, "Ready for tranfer of single deck card.")
                               : account.result(0, "Try other destination.");
    account.firstCard(h);
    if (fits(h, target))
        return account.result(1, "Selected card matches target.");
    account.firstCardMisses();

    const ColumnRec& origin = table.columns[held.index];
    CardCode previous = h;
    int count = 1;
    for (int i = held.position - 1; i >= 0; --i) {
        if (!origin.present[i]) {
            account.missing(count + 1, i);
            return account.result(0, "Card missing in selected column.");
        }
        const CardCode card = origin.card[i];
        account.card(count + 1, card);
        if (!fits(previous, card)) {
            account.noMatch(count + 1);
            return account.result(0, "Try other target.");
        }
        ++count;
        if (fits(card, target)) {
            account.matches(count);
            return account.result(count, "%d cards at origin match target.");
        }
        previous = card;
    }
    return account.result(0, "Try other target.");
}

// The longest Deck that ends with the held card.
int Game::searchEmptyColumn(const Selection& held, SearchAccount& account) const
{
    if (held.kind == SelectionKind::Room)
        return account.result(1, "Ready for transfer of single card.");
    account.firstCard(held.card);

    const ColumnRec& origin = table.columns[held.index];
    CardCode previous = held.card;
    int count = 1;
    for (int i = held.position - 1; i >= 0; --i) {
        if (!origin.present[i]) {
            account.missing(count + 1, i);
            return account.result(0, "Card missing in selected column.");
        }
        const CardCode card = origin.card[i];
        account.card(count + 1, card);
        if (!fits(previous, card))
            break;
        ++count;
        previous = card;
    }
    return count == 1 ? account.result(1, "Ready for tranfer of single deck card.")
                      : account.result(count, "Ready for tranfer of %d deck cards.");
}

} // namespace tavolin
