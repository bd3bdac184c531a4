#include "how_to_play.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tavolin {
namespace {

// Each text stays a paragraph of its own, plain, for its translator: the
// markup is added here.
QString heading(const QString& text)
{
    return QStringLiteral("<h3>%1</h3>").arg(text.toHtmlEscaped());
}

QString paragraphs(std::initializer_list<QString> texts)
{
    QString html;
    for (const QString& text : texts)
        html += QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
    return html;
}

} // namespace

HowToPlay::HowToPlay(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("HowToPlay"));
    setWindowTitle(tr("How to Play"));
    Text = new QTextBrowser(this);
    Text->setObjectName(QStringLiteral("Text"));
    Text->setAccessibleName(tr("How to Play"));
    // A reader moves through the text with a caret; Tab leaves it for the button.
    Text->setTextInteractionFlags(Text->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    Text->setTabChangesFocus(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    CloseBtn = buttons->button(QDialogButtonBox::Close);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text);
    layout->addWidget(buttons);
    resize(470, 600);
    setKeyLines({});
}

void HowToPlay::setKeyLines(std::vector<KeyLine> lines)
{
    if (!Text->document()->isEmpty() && lines == keyLines_)
        return;
    keyLines_ = std::move(lines);
    Text->setHtml(rulesHtml() + panelsHtml() + keysHtml());
}

void HowToPlay::showInFront()
{
    show();
    raise();
    activateWindow();
    Text->setFocus();
}

QString HowToPlay::rulesHtml() const
{
    return heading(tr("The game"))
        + paragraphs({tr("One pack of 52 cards is dealt face up into eight Columns. Above them lie four Rooms, each "
                         "holding one card, and four Piles, one for each suit, built up from Ace to King."),
                      tr("You win when all 52 cards are on the Piles. You lose when no Room and no Column is free "
                         "and no move is left.")})
        + heading(tr("Moving cards"))
        + paragraphs({tr("Move the top card of a Column, or the card in a Room: drag it onto its target, or click it "
                         "and then click the target."),
                      tr("On a Column a card goes onto a card one rank higher of the other colour, a red Five on a "
                         "black Six. With the card you hold go the cards above it that form a run of alternating "
                         "colours: the Deck. A Deck may be as long as one card plus one for every free Room and "
                         "every empty Column."),
                      tr("Any card may go into an empty Room or an empty Column; an Ace never goes into a Room."),
                      tr("Each Pile takes only its own suit, chosen in the preferences, Ace first. Cards that can "
                         "safely go to their Pile travel there by themselves.")})
        + heading(tr("Commands"))
        + paragraphs({tr("Game → New game deals a game. Deal by Number deals a game by its number, and Restart Deal "
                         "deals the current one again from the start."),
                      tr("Game → Finish game, the leaf button between the Rooms and the Piles, or quitting during a "
                         "game counts the game as lost. With no game the leaf button clears the table."),
                      tr("Undo, the button or Move → Undo Move, takes your last transfer back together with the "
                         "cards that went to the Piles after it. It works once, right after a transfer."),
                      tr("Move → Hint names the next transfer of a winning line in the status bar and frames its "
                         "cards; nothing moves."),
                      tr("Do what the hint said and the next hint goes on along the same line: following the hints "
                         "wins the game, and never comes back to a table it passed."),
                      tr("Once a game is lost, Move → Losing Move names the transfer that lost it, made on the last "
                         "table from which the game could still be won, and offers to deal the same deal again. "
                         "With Move → Warn of Losing Moves checked, the status bar says so at once when a transfer "
                         "loses the game, while Undo can still take it back."),
                      tr("Game → Statistics shows your wins, your losses and the current streak. Game → Preferences "
                         "chooses what the status bar and the panel below the Columns show, the suit of each Pile "
                         "and the speed of the cards.")});
}

QString HowToPlay::panelsHtml() const
{
    return heading(tr("The move panel"))
        + paragraphs({tr("Show, the button or Move → Show Moves, shows or hides a panel below the Columns that "
                         "counts the moves possible now: Room to Pile, Room to Deck (a Room's card onto a Column), "
                         "Deck to Pile (a Column's top card onto its Pile) and Column to Column."),
                      tr("A green disc marks each Room or Column a move of that kind starts from, a red disc one "
                         "with none, an empty square an empty Column. Free Rooms shows the four Rooms, a red disc "
                         "for each one taken. Comments & Hints greets a new game and warns when no Room and no "
                         "Column is left free.")})
        + heading(tr("The details panel"))
        + paragraphs({tr("With Show Transfer Details chosen in the preferences, the same place shows instead how a "
                         "transfer is searched while you hold a card over a Column: the card held, the target, each "
                         "card of the Deck in turn, and the result, green when the cards may go and yellow when "
                         "not. While it is on, Show Moves is not offered. It goes off by itself when a Column "
                         "grows into its place.")})
        + heading(tr("The status bar"))
        + paragraphs({tr("From the left: the hint of the menu item under the pointer, the cards left and the card "
                         "you hold; the start and end of the game, transfers to the Rooms and the ranks cleared; "
                         "the playing time or, with Display Transfer Info, each transfer and each automatic move to "
                         "a Pile. On a wide window the deal number stands at the right.")});
}

QString HowToPlay::keysHtml() const
{
    QString rows;
    for (const KeyLine& line : keyLines_) {
        QStringList names;
        for (const QKeyCombination key : line.keys)
            names << QKeySequence(key).toString(QKeySequence::NativeText);
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(names.join(QStringLiteral(", ")).toHtmlEscaped(), line.action.toHtmlEscaped());
    }
    return heading(tr("Keys"))
        + paragraphs({tr("The table takes the keys while the main window is active. The play keys do nothing while "
                         "a card travels to its Pile, while a box is open, or with no game.")})
        + QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">%1</table>").arg(rows);
}

} // namespace tavolin
