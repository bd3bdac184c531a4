<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Card</name>
    <message>
        <source>%s of %s</source>
        <extracomment>A card: its rank, then its suit (&quot;7 of Hearts&quot;); &quot;%2$s %1$s&quot; puts the suit first.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Deals</name>
    <message>
        <source>&apos;%1&apos; is not a deal number: deals are numbered from 1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source> Rank cleared: %ss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer Details off by lack of space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autom. -&gt; Pile[ %d ]: %s of %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card selected: %s of %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room -&gt; free Room:  %s of %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck -&gt; free Room:  %s of %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room -&gt; Pile: %s of %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck -&gt; Pile:  %s of %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room -&gt; Column:  %s of %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck -&gt; Column:  %s of %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck -&gt; Column:  %d cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Transfer to empty Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move more than one card ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck -&gt; empty Column:  %d cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of cards permitted to move: only %d.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Room %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pile %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: %1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1to the empty %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alone </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Automatic Move Detection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments &amp; Hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room to Pile: 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room to Deck: 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck to Pile: 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column to Column: 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> RoomToPile: %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> RoomToDeck: %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck to Pile: %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column to Column: %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nice day, to-day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take your pick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See you later, alligator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or try your luck in a new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running into a pocket?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First card at origin is %s of %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First card doesn&apos;t match target.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card number %d no match for previous card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card number %d matches target.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last card number %d processed: %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card number %d is %s of %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Tranfer Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result returned from destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected origin:  %s of %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected target:  none, empty column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected target:  %s of %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination:  Column number %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready for tranfer of single card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try other destination.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready for tranfer of single deck card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected card matches target.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card missing in selected column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try other target.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d cards at origin match target.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready for transfer of single card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready for tranfer of %d deck cards.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pointer</name>
    <message>
        <source>Target is free Room number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target card: none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target is empty Column number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target is Column number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target card is </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target is Pile number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards ready for transfer: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not readable text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not under any [key]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source> Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; %2 is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was %2; %3 is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The suits of the Piles were %1, %2, %3, %4, which leaves a suit without a Pile; the usual order is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some saved settings could not be used as they were, so the game has replaced them:

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

The settings file as it was is kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved. The game goes on with the settings as they are now, but changes may be lost when it ends.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>covered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck to Pile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room to Pile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room to Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column to Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> from </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No move found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, empty, for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1, top %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 moved %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 moved %2, %3 on top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 went by itself from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavolin::HowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One pack of 52 cards is dealt face up into eight Columns. Above them lie four Rooms, each holding one card, and four Piles, one for each suit, built up from Ace to King.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You win when all 52 cards are on the Piles. You lose when no Room and no Column is free and no move is left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the top card of a Column, or the card in a Room: drag it onto its target, or click it and then click the target.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On a Column a card goes onto a card one rank higher of the other colour, a red Five on a black Six. With the card you hold go the cards above it that form a run of alternating colours: the Deck. A Deck may be as long as one card plus one for every free Room and every empty Column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any card may go into an empty Room or an empty Column; an Ace never goes into a Room.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each Pile takes only its own suit, chosen in the preferences, Ace first. Cards that can safely go to their Pile travel there by themselves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game → New game deals a game. Deal by Number deals a game by its number, and Restart Deal deals the current one again from the start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game → Finish game, the leaf button between the Rooms and the Piles, or quitting during a game counts the game as lost. With no game the leaf button clears the table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo, the button or Move → Undo Move, takes your last transfer back together with the cards that went to the Piles after it. It works once, right after a transfer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move → Hint names the next transfer of a winning line in the status bar and frames its cards; nothing moves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game → Statistics shows your wins, your losses and the current streak. Game → Preferences chooses what the status bar and the panel below the Columns show, the suit of each Pile and the speed of the cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The move panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show, the button or Move → Show Moves, shows or hides a panel below the Columns that counts the moves possible now: Room to Pile, Room to Deck (a Room&apos;s card onto a Column), Deck to Pile (a Column&apos;s top card onto its Pile) and Column to Column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A green disc marks each Room or Column a move of that kind starts from, a red disc one with none, an empty square an empty Column. Free Rooms shows the four Rooms, a red disc for each one taken. Comments &amp; Hints greets a new game and warns when no Room and no Column is left free.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The details panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Show Transfer Details chosen in the preferences, the same place shows instead how a transfer is searched while you hold a card over a Column: the card held, the target, each card of the Deck in turn, and the result, green when the cards may go and yellow when not. While it is on, Show Moves is not offered. It goes off by itself when a Column grows into its place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The status bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the left: the hint of the menu item under the pointer, the cards left and the card you hold; the start and end of the game, transfers to the Rooms and the ranks cleared; the playing time or, with Display Transfer Info, each transfer and each automatic move to a Pile. On a wide window the deal number stands at the right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table takes the keys while the main window is active. The play keys do nothing while a card travels to its Pile, while a box is open, or with no game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Columns, left to right: pick up the top card, or drop the held card there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Rooms, left to right: pick up the card, or drop the held card there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Piles: drop the held card on the Pile that takes it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the held card back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the keyboard cursor between the Rooms, the Piles and the Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Act on the place under the keyboard cursor, as its key does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move between the table and the buttons</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavolin::TAboutBox</name>
    <message>
        <source>Tavolin is a solitaire for one player. One pack of 52 cards is dealt face up into eight Columns; every card has to reach its Pile, from Ace up to King, by way of the Columns and the four Rooms.

Questions, ideas and reports of faults are welcome at tavolin@example.org.

Further help and hints on play are on the Tavolin web page given above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL copied to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> About this game... </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 2.2 XP,   Release Number 1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created for enjoyment and study by  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy URL to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavolin::TCalendarForm</name>
    <message>
        <source> A Calendar, for your convenience</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavolin::TForm1</name>
    <message>
        <source> New Game Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current game not finished yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Game Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the current game ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Closing Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit game and exit ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restart Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal the current or last game again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deal by Number...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal a game by its number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name a move that leads to a win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Deal by Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal number, 1 to %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restart Deal %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game started at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game dealt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer Info selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Number of Cards left:  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> No move left. Game finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: looking for a winning line...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: this game can no longer be won.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: no winning line found in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Error from DLL: Bitmap number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finish game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish current game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inspect or correct statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose from preferences offered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close application window, exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo latest move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggles information on possible moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About this Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays application info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays a calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish the game, or clear the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Dir: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The large cards need a screen at least %1 pixels wide,
and this one is %2 pixels wide: the small cards are used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main form: %1 x %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> hrs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing Time: mins </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> secs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Card Table Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program requires a screen resolution of 
at least 800 x 600, or 1024 x 768 pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Library used: VelvetRes2.DLL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> DLL Load Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Unable to load &apos;VelvetRes2.DLL&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Current Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Load Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load side-window Bitmap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game won at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Game Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations, you won!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game finished at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explains the game, its keys and panels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavolin::TPrefDlg1</name>
    <message>
        <source> Bitmap Load Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current setting of display options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Environment Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap Path Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suit Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status bar display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side window picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Playing Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Transfer Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Transfer Details ( as long as space permits )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show picture in side window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap Path and File Name Info:      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap path and file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example: D:\Images\bmp\sw.bmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture  Dimension required for side window:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press buttons in the order desired ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed Adjustment for Automatic Card Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed of automatic card moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From 1, slow, to 10, fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Slider into desired position, then press OK Button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defines location of side-window Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Picture Width = %1, Height = %2 pixels      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection needs correct bitmap path name.
See Bitmap Path Info page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection reset because of bitmap load error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Options recorded in Registry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit or confirm side-window Bitmap location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No modification recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load Bitmap from that path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap path name invalid. Selection checkbox cleared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified path name stored in Registry. Selection cleared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified path name stored in Registry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assignment of suits to piles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Current order: %1%2%3%4            </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> New order: %1%2%3%4            </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> New order: %1%2%3%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oh my God, try again. Incorrect selection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Order recorded in Registry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current adjustment shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value left unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New value recorded in Registry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavolin::TStats1Dlg</name>
    <message>
        <source> Statistics Delete Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no streaks detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>currently won:  one game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>currently won:  %1 games in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>currently lost:  one game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>currently lost:  %1 games in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This session:                 %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>won:     %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lost:      %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals:                             %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streaks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Tavolin Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game should be finished first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all statistics ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
