#include "game.h"
#include "search_account.h"
#include "transfer_walk.h"

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

void SearchAccount::writeCard(int number, CardCode card)
{
    write(DottedLine);
    write(formatText(GAME_TEXT("Panel", "Card number %d is %s of %s").c_str(), number, rankName(rankOf(card)).c_str(),
                     suitName(suitOf(card)).c_str()));
    // Past the panel's last row every further card overwrites the same row.
    if (number - 1 <= lineLimit_)
        ++row_;
}

void SearchAccount::writeResult(int count, const char* format)
{
    details_->count = count;
    details_->result = {6, 110, formatText(translatedText("Panel", format).c_str(), count), PanelFont::CourierNew,
                        count > 0 ? PanelColour::Lime : PanelColour::Yellow, false};
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
        SilentAccount silent;
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
        heading(6, 4, GAME_TEXT("Panel", "Card Tranfer Info")),
        heading(StepsX, 4, GAME_TEXT("Panel", "Search Details")),
        heading(6, 88, GAME_TEXT("Panel", "Result returned from destination")),
        plain(6, 26, cardText(GAME_TEXT("Panel", "Selected origin:  %s of %s"), selection.card)),
        plain(6, 46, emptyColumn ? GAME_TEXT("Panel", "Selected target:  none, empty column")
                                 : cardText(GAME_TEXT("Panel", "Selected target:  %s of %s"), target)),
        plain(6, 66, formatText(GAME_TEXT("Panel", "Destination:  Column number %d").c_str(), column + 1)),
    };
}

} // namespace tavolin
