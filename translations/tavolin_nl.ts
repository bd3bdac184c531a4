<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Box</name>
    <message>
        <source> Transfer to empty Column</source>
        <translation> Naar een lege kolom</translation>
    </message>
    <message>
        <source>Move more than one card ?</source>
        <translation>Meer dan één kaart verplaatsen?</translation>
    </message>
    <message>
        <source>Number of cards permitted to move: only %d.</source>
        <translation>Aantal kaarten dat mag worden verplaatst: slechts %d.</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>%s of %s</source>
        <extracomment>A card: its rank, then its suit (&quot;7 of Hearts&quot;); &quot;%2$s %1$s&quot; puts the suit first.</extracomment>
        <translation>%2$s %1$s</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Aas</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Boer</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Vrouw</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Heer</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Harten</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Ruiten</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Schoppen</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Klaveren</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
</context>
<context>
    <name>Deals</name>
    <message>
        <source>&apos;%1&apos; is not a deal number: deals are numbered from 1 to %2.</source>
        <translation>&apos;%1&apos; is geen spelnummer: de spellen zijn genummerd van 1 tot en met %2.</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FileSave</name>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 kon niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>%1 is held by another program and was not let go within %2 seconds.</source>
        <translation>%1 wordt door een ander programma vastgehouden en kwam niet binnen %2 seconden vrij.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2.</source>
        <translation>%1 kon niet worden aangemaakt: %2.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source> Rank cleared: %ss</source>
        <translation> Alle vier afgelegd: %s</translation>
    </message>
    <message>
        <source>Transfer Details off by lack of space.</source>
        <translation>Zetdetails uit: te weinig ruimte.</translation>
    </message>
    <message>
        <source>Autom. -&gt; Pile[ %d ]: %s of %s</source>
        <translation>Autom. -&gt; Stapel[ %1$d ]: %3$s %2$s</translation>
    </message>
    <message>
        <source>Card selected: %s of %s</source>
        <translation>Kaart gekozen: %2$s %1$s</translation>
    </message>
    <message>
        <source>Room -&gt; free Room:  %s of %s</source>
        <translation>Cel -&gt; vrije cel:  %2$s %1$s</translation>
    </message>
    <message>
        <source>Deck -&gt; free Room:  %s of %s</source>
        <translation>Reeks -&gt; vrije cel:  %2$s %1$s</translation>
    </message>
    <message>
        <source>Room -&gt; Pile: %s of %s</source>
        <translation>Cel -&gt; stapel: %2$s %1$s</translation>
    </message>
    <message>
        <source>Deck -&gt; Pile:  %s of %s</source>
        <translation>Reeks -&gt; stapel:  %2$s %1$s</translation>
    </message>
    <message>
        <source>Room -&gt; Column:  %s of %s</source>
        <translation>Cel -&gt; kolom:  %2$s %1$s</translation>
    </message>
    <message>
        <source>Deck -&gt; Column:  %s of %s</source>
        <translation>Reeks -&gt; kolom:  %2$s %1$s</translation>
    </message>
    <message>
        <source>Deck -&gt; Column:  %d cards</source>
        <translation>Reeks -&gt; kolom:  %d kaarten</translation>
    </message>
    <message>
        <source>Deck -&gt; empty Column:  %d cards</source>
        <translation>Reeks -&gt; lege kolom:  %d kaarten</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Room %1</source>
        <translation>Cel %1</translation>
    </message>
    <message>
        <source>Pile %1</source>
        <translation>Stapel %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolom %1</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 kaarten</translation>
    </message>
    <message>
        <source>Hint: %1 from %2</source>
        <translation>Tip: %1 van %2</translation>
    </message>
    <message>
        <source>%1to the empty %2</source>
        <translation>%1naar de lege %2</translation>
    </message>
    <message>
        <source>alone </source>
        <translation>alleen </translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>an Ace</comment>
        <extracomment>Where the hinted card goes: onto the top card of a Column, whose rank is the one this entry is for; %1 is that card, %2 the Column.</extracomment>
        <translation>op de %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 2</comment>
        <translation>op de %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 3</comment>
        <translation>op de %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 4</comment>
        <translation>op de %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 5</comment>
        <translation>op de %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 6</comment>
        <translation>op de %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 7</comment>
        <translation>op de %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>an 8</comment>
        <translation>op de %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 9</comment>
        <translation>op de %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 10</comment>
        <translation>op de %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a Jack</comment>
        <translation>op de %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a Queen</comment>
        <translation>op de %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a King</comment>
        <translation>op de %1 in %2</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>a Room</comment>
        <translation>naar %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>a Pile</comment>
        <translation>naar %1</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <translation>%1 van %2 %3</translation>
    </message>
    <message>
        <source>Lost by %1 to %2</source>
        <translation>Verloren: %1 naar %2</translation>
    </message>
    <message>
        <source>Undo takes it back.</source>
        <translation>Zet ongedaan maken kan nog.</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Automatic Move Detection</source>
        <translation>Automatische zetherkenning</translation>
    </message>
    <message>
        <source>Comments &amp; Hints</source>
        <translation>Opmerkingen &amp; tips</translation>
    </message>
    <message>
        <source>Room to Pile: 0</source>
        <translation>Cel op stapel: 0</translation>
    </message>
    <message>
        <source>Room to Deck: 0</source>
        <translation>Cel op reeks: 0</translation>
    </message>
    <message>
        <source>Deck to Pile: 0</source>
        <translation>Reeks op stapel: 0</translation>
    </message>
    <message>
        <source>Column to Column: 0</source>
        <translation>Kolom op kolom: 0</translation>
    </message>
    <message>
        <source> RoomToPile: %d</source>
        <translation> Cel op stapel: %d</translation>
    </message>
    <message>
        <source> RoomToDeck: %d</source>
        <translation> Cel op reeks: %d</translation>
    </message>
    <message>
        <source>Deck to Pile: %d</source>
        <translation>Reeks op stapel: %d</translation>
    </message>
    <message>
        <source>Column to Column: %d</source>
        <translation>Kolom op kolom: %d</translation>
    </message>
    <message>
        <source>Free Rooms</source>
        <translation>Vrije cellen</translation>
    </message>
    <message>
        <source>Nice day, to-day.</source>
        <translation>Mooie dag vandaag.</translation>
    </message>
    <message>
        <source>Take your pick.</source>
        <translation>Kies maar uit.</translation>
    </message>
    <message>
        <source>See you later, alligator.</source>
        <translation>Dag, tot de volgende keer.</translation>
    </message>
    <message>
        <source>Or try your luck in a new game.</source>
        <translation>Of waag je kans in een nieuw spel.</translation>
    </message>
    <message>
        <source>Running into a pocket?</source>
        <translation>Loop je vast?</translation>
    </message>
    <message>
        <source>First card at origin is %s of %s</source>
        <translation>Eerste kaart bij de bron is %2$s %1$s</translation>
    </message>
    <message>
        <source>First card doesn&apos;t match target.</source>
        <translation>Eerste kaart past niet op het doel.</translation>
    </message>
    <message>
        <source>Card number %d no match for previous card.</source>
        <translation>Kaart nummer %d past niet bij de vorige.</translation>
    </message>
    <message>
        <source>Card number %d matches target.</source>
        <translation>Kaart nummer %d past op het doel.</translation>
    </message>
    <message>
        <source>Last card number %d processed: %d</source>
        <translation>Laatste kaart nummer %d verwerkt: %d</translation>
    </message>
    <message>
        <source>Card number %d is %s of %s</source>
        <translation>Kaart nummer %1$d is %3$s %2$s</translation>
    </message>
    <message>
        <source>Card Tranfer Info</source>
        <translation>Info over de zet</translation>
    </message>
    <message>
        <source>Search Details</source>
        <translation>Zoekdetails</translation>
    </message>
    <message>
        <source>Result returned from destination</source>
        <translation>Resultaat van de bestemming</translation>
    </message>
    <message>
        <source>Selected origin:  %s of %s</source>
        <translation>Gekozen bron:  %2$s %1$s</translation>
    </message>
    <message>
        <source>Selected target:  none, empty column</source>
        <translation>Gekozen doel:  geen, lege kolom</translation>
    </message>
    <message>
        <source>Selected target:  %s of %s</source>
        <translation>Gekozen doel:  %2$s %1$s</translation>
    </message>
    <message>
        <source>Destination:  Column number %d</source>
        <translation>Bestemming:  kolom nummer %d</translation>
    </message>
    <message>
        <source>Ready for tranfer of single card.</source>
        <translation>Klaar om één kaart te verplaatsen.</translation>
    </message>
    <message>
        <source>Try other destination.</source>
        <translation>Probeer een andere bestemming.</translation>
    </message>
    <message>
        <source>Ready for tranfer of single deck card.</source>
        <translation>Klaar om één reekskaart te verplaatsen.</translation>
    </message>
    <message>
        <source>Selected card matches target.</source>
        <translation>Gekozen kaart past op het doel.</translation>
    </message>
    <message>
        <source>Card missing in selected column.</source>
        <translation>Kaart ontbreekt in de gekozen kolom.</translation>
    </message>
    <message>
        <source>Try other target.</source>
        <translation>Probeer een ander doel.</translation>
    </message>
    <message>
        <source>%d cards at origin match target.</source>
        <translation>%d kaarten bij de bron passen op het doel.</translation>
    </message>
    <message>
        <source>Ready for transfer of single card.</source>
        <translation>Klaar om één kaart te verplaatsen.</translation>
    </message>
    <message>
        <source>Ready for tranfer of %d deck cards.</source>
        <translation>Klaar om %d reekskaarten te verplaatsen.</translation>
    </message>
</context>
<context>
    <name>Pointer</name>
    <message>
        <source>Target is free Room number %1</source>
        <translation>Doel is vrije cel nummer %1</translation>
    </message>
    <message>
        <source>Target card: none</source>
        <translation>Doelkaart: geen</translation>
    </message>
    <message>
        <source>Target is empty Column number %1</source>
        <translation>Doel is lege kolom nummer %1</translation>
    </message>
    <message>
        <source>Target is Column number %1</source>
        <translation>Doel is kolom nummer %1</translation>
    </message>
    <message>
        <source>Target is Pile number %1</source>
        <translation>Doel is stapel nummer %1</translation>
    </message>
    <message>
        <source>Cards ready for transfer: %1</source>
        <translation>Kaarten klaar om te verplaatsen: %1</translation>
    </message>
    <message>
        <source>Target card is %s of %s</source>
        <translation>Doelkaart is %2$s %1$s</translation>
    </message>
</context>
<context>
    <name>QtRegistry</name>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>De map %1 kon niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>%1 is empty, so the statistics and settings it held are lost.</source>
        <translation>%1 is leeg: de statistieken en voorkeuren die erin stonden zijn verloren.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, far more than the game ever writes: only its start was read.</source>
        <translation>%1 is groter dan %2 KiB, veel meer dan het spel ooit schrijft: alleen het begin is gelezen.</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>is not readable text</source>
        <translation>is geen leesbare tekst</translation>
    </message>
    <message>
        <source>is not under any [key]</source>
        <translation>staat niet onder een [sleutel]</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>kon niet worden gelezen</translation>
    </message>
    <message>
        <source>line %1 </source>
        <translation>regel %1 </translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>a folder</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>een named pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>een apparaat</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>een socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>iets anders</translation>
    </message>
    <message>
        <source>%1 is not a regular file but %2; the game leaves it as it is.</source>
        <translation>%1 is geen gewoon bestand maar %2; het spel laat het zoals het is.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 kon niet worden geopend: %2.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist; the game leaves it as it is.</source>
        <translation>%1 is een koppeling naar een bestand dat niet bestaat; het spel laat hem zoals hij is.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source> Settings</source>
        <translation> Instellingen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; %2 is used.</source>
        <translation>&quot;%1&quot; kon niet worden gelezen; %2 wordt gebruikt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was %2; %3 is used.</source>
        <translation>&quot;%1&quot; was %2; %3 wordt gebruikt.</translation>
    </message>
    <message>
        <source>The suits of the Piles were %1, %2, %3, %4, which leaves a suit without a Pile; the usual order is used.</source>
        <translation>De kleuren van de stapels waren %1, %2, %3, %4, zodat een kleur geen stapel heeft; de gewone volgorde wordt gebruikt.</translation>
    </message>
    <message>
        <source>Some saved settings could not be used as they were, so the game has replaced them:

</source>
        <translation>Enkele opgeslagen instellingen konden niet worden gebruikt zoals ze waren, dus heeft het spel ze vervangen:

</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... en nog %1.</translation>
    </message>
    <message>
        <source>

The settings file as it was is kept in %1.</source>
        <translation>

Het instellingenbestand zoals het was, is bewaard in %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1

The game goes on with the settings as they are now, and saves what could not be saved with the next change that can be saved.</source>
        <translation>De instellingen konden niet worden opgeslagen: %1

Het spel gaat verder met de instellingen zoals ze nu zijn en slaat op wat ontbreekt bij de volgende wijziging die wel kan worden opgeslagen.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>De instellingen konden niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>

The results of this run that wait to be saved (won: %1, lost: %2) could not be kept either: %3</source>
        <translation>

Ook de nog niet opgeslagen resultaten van deze sessie (gewonnen: %1, verloren: %2) konden niet worden bewaard: %3</translation>
    </message>
    <message>
        <source>

The results of this run that wait to be saved (won: %1, lost: %2) are kept in %3, and the next start of the game counts them.</source>
        <translation>

De nog niet opgeslagen resultaten van deze sessie (gewonnen: %1, verloren: %2) zijn bewaard in %3; de volgende start van het spel telt ze mee.</translation>
    </message>
    <message>
        <source>

The window&apos;s place and the preferences changed since the last save are not saved.</source>
        <translation>

De plaats van het venster en de sinds het laatste opslaan gewijzigde instellingen worden niet opgeslagen.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>covered</source>
        <translation>bedekt</translation>
    </message>
    <message>
        <source>Deck to Pile</source>
        <translation>Reeks op stapel</translation>
    </message>
    <message>
        <source>Room to Pile</source>
        <translation>Cel op stapel</translation>
    </message>
    <message>
        <source>Room to Deck</source>
        <translation>Cel op reeks</translation>
    </message>
    <message>
        <source>Column to Column</source>
        <translation>Kolom op kolom</translation>
    </message>
    <message>
        <source> from </source>
        <translation> vanuit </translation>
    </message>
    <message>
        <source>No move found.</source>
        <translation>Geen zet gevonden.</translation>
    </message>
    <message>
        <source>Information panel</source>
        <translation>Informatiepaneel</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Speeltafel</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Cel</translation>
    </message>
    <message>
        <source>Pile</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Kolom</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 kaart</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 kaarten</translation>
    </message>
    <message>
        <source>, empty, for %1</source>
        <translation>, leeg, voor %1</translation>
    </message>
    <message>
        <source>, empty</source>
        <translation>, leeg</translation>
    </message>
    <message>
        <source>, %1, top %2</source>
        <translation>, %1, bovenop %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>van %1 naar %2</translation>
    </message>
    <message>
        <source>%1 moved %2.</source>
        <translation>%1 verplaatst %2.</translation>
    </message>
    <message>
        <source>%1 moved %2, %3 on top.</source>
        <translation>%1 verplaatst %2, %3 bovenop.</translation>
    </message>
    <message>
        <source>%1 went by itself from %2 to %3.</source>
        <translation>%1 ging vanzelf van %2 naar %3.</translation>
    </message>
    <message>
        <source>%1 back to %2.</source>
        <translation>%1 terug naar %2.</translation>
    </message>
    <message>
        <source>Move undone.</source>
        <translation>Zet ongedaan gemaakt.</translation>
    </message>
    <message>
        <source>%1 held.</source>
        <translation>%1 opgepakt.</translation>
    </message>
    <message>
        <source>Refused: %1 put back.</source>
        <translation>Geweigerd: %1 teruggelegd.</translation>
    </message>
    <message>
        <source>%1 put back.</source>
        <translation>%1 teruggelegd.</translation>
    </message>
    <message>
        <source>No Pile takes %1.</source>
        <translation>Geen stapel neemt %1.</translation>
    </message>
    <message>
        <source>%1 does not go to %2.</source>
        <translation>%1 kan niet naar %2.</translation>
    </message>
    <message>
        <source>Still held.</source>
        <translation>Nog in de hand.</translation>
    </message>
    <message>
        <source>, on </source>
        <translation>, op </translation>
    </message>
    <message>
        <source>, under </source>
        <translation>, onder </translation>
    </message>
    <message>
        <source>%1 from the top: %2.</source>
        <translation>%1 van boven naar onder: %2.</translation>
    </message>
    <message>
        <source>%1 from the bottom: %2.</source>
        <translation>%1 van onder naar boven: %2.</translation>
    </message>
</context>
<context>
    <name>tavolin::HowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Speluitleg</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Het spel</translation>
    </message>
    <message>
        <source>One pack of 52 cards is dealt face up into eight Columns. Above them lie four Rooms, each holding one card, and four Piles, one for each suit, built up from Ace to King.</source>
        <translation>Eén pak van 52 kaarten wordt open in acht kolommen gedeeld. Daarboven liggen vier cellen, elk voor één kaart, en vier stapels, één voor elke kleur, die van aas tot heer worden opgebouwd.</translation>
    </message>
    <message>
        <source>You win when all 52 cards are on the Piles. You lose when no Room and no Column is free and no move is left.</source>
        <translation>Je wint als alle 52 kaarten op de stapels liggen. Je verliest als geen cel en geen kolom meer vrij is en er geen zet meer over is.</translation>
    </message>
    <message>
        <source>Moving cards</source>
        <translation>Kaarten verplaatsen</translation>
    </message>
    <message>
        <source>Move the top card of a Column, or the card in a Room: drag it onto its target, or click it and then click the target.</source>
        <translation>Verplaats de bovenste kaart van een kolom of de kaart in een cel: sleep hem naar zijn doel, of klik erop en klik dan op het doel.</translation>
    </message>
    <message>
        <source>On a Column a card goes onto a card one rank higher of the other colour, a red Five on a black Six. With the card you hold go the cards above it that form a run of alternating colours: the Deck. A Deck may be as long as one card plus one for every free Room and every empty Column.</source>
        <translation>Op een kolom gaat een kaart op een kaart die één hoger is, rood op zwart of zwart op rood: een rode vijf op een zwarte zes. Met de kaart die je vasthoudt gaan de kaarten erboven mee die afwisselend rood en zwart zijn: de reeks. Een reeks mag één kaart lang zijn plus één voor elke vrije cel en elke lege kolom.</translation>
    </message>
    <message>
        <source>Any card may go into an empty Room or an empty Column; an Ace never goes into a Room.</source>
        <translation>Elke kaart mag in een lege cel of een lege kolom; een aas gaat nooit in een cel.</translation>
    </message>
    <message>
        <source>Each Pile takes only its own suit, chosen in the preferences, Ace first. Cards that can safely go to their Pile travel there by themselves.</source>
        <translation>Elke stapel neemt alleen zijn eigen kleur aan, gekozen in de voorkeuren, met de aas eerst. Kaarten die veilig naar hun stapel kunnen, gaan daar vanzelf heen.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Game → New game deals a game. Deal by Number deals a game by its number, and Restart Deal deals the current one again from the start.</source>
        <translation>Spel → Nieuw spel deelt een spel. Delen op nummer deelt een spel op zijn nummer, en Spel opnieuw delen deelt het huidige spel opnieuw vanaf het begin.</translation>
    </message>
    <message>
        <source>Game → Finish game, the leaf button between the Rooms and the Piles, or quitting during a game counts the game as lost. With no game the leaf button clears the table.</source>
        <translation>Spel → Spel beëindigen, de bladknop tussen de cellen en de stapels, of stoppen tijdens een spel telt het spel als verloren. Zonder spel maakt de bladknop de tafel leeg.</translation>
    </message>
    <message>
        <source>Undo, the button or Move → Undo Move, takes your last transfer back together with the cards that went to the Piles after it. It works once, right after a transfer.</source>
        <translation>Terug, de knop, of Zet → Zet ongedaan maken, neemt je laatste zet terug, samen met de kaarten die daarna naar de stapels gingen. Dat kan één keer, direct na een zet.</translation>
    </message>
    <message>
        <source>Move → Hint names the next transfer of a winning line in the status bar and frames its cards; nothing moves.</source>
        <translation>Zet → Tip noemt in de statusbalk de volgende zet van een winnende lijn en omlijst de kaarten ervan; er beweegt niets.</translation>
    </message>
    <message>
        <source>Game → Statistics shows your wins, your losses and the current streak. Game → Preferences chooses what the status bar and the panel below the Columns show, the suit of each Pile and the speed of the cards.</source>
        <translation>Spel → Statistieken toont je gewonnen en verloren spellen en de huidige serie. Spel → Voorkeuren kiest wat de statusbalk en het paneel onder de kolommen tonen, de kleur van elke stapel en de snelheid van de kaarten.</translation>
    </message>
    <message>
        <source>The move panel</source>
        <translation>Het zettenpaneel</translation>
    </message>
    <message>
        <source>Show, the button or Move → Show Moves, shows or hides a panel below the Columns that counts the moves possible now: Room to Pile, Room to Deck (a Room&apos;s card onto a Column), Deck to Pile (a Column&apos;s top card onto its Pile) and Column to Column.</source>
        <translation>Tonen, de knop, of Zet → Zetten tonen, toont of verbergt onder de kolommen een paneel dat de zetten telt die nu mogelijk zijn: Cel op stapel, Cel op reeks (de kaart van een cel op een kolom), Reeks op stapel (de bovenste kaart van een kolom op zijn stapel) en Kolom op kolom.</translation>
    </message>
    <message>
        <source>A green disc marks each Room or Column a move of that kind starts from, a red disc one with none, an empty square an empty Column. Free Rooms shows the four Rooms, a red disc for each one taken. Comments &amp; Hints greets a new game and warns when no Room and no Column is left free.</source>
        <translation>Een groene stip markeert elke cel of kolom waar een zet van die soort begint, een rode stip een zonder, een leeg vierkant een lege kolom. Vrije cellen toont de vier cellen, een rode stip voor elke bezette. Opmerkingen &amp; tips begroet een nieuw spel en waarschuwt als geen cel en geen kolom meer vrij is.</translation>
    </message>
    <message>
        <source>The details panel</source>
        <translation>Het detailpaneel</translation>
    </message>
    <message>
        <source>With Show Transfer Details chosen in the preferences, the same place shows instead how a transfer is searched while you hold a card over a Column: the card held, the target, each card of the Deck in turn, and the result, green when the cards may go and yellow when not. While it is on, Show Moves is not offered. It goes off by itself when a Column grows into its place.</source>
        <translation>Met Zetdetails tonen gekozen in de voorkeuren toont dezelfde plek in plaats daarvan hoe een zet wordt gezocht terwijl je een kaart boven een kolom houdt: de vastgehouden kaart, het doel, elke kaart van de reeks om de beurt, en het resultaat, groen als de kaarten mogen gaan en geel als dat niet kan. Zolang het aan staat, is Zetten tonen niet beschikbaar. Het gaat vanzelf uit als een kolom tot op die plek groeit.</translation>
    </message>
    <message>
        <source>The status bar</source>
        <translation>De statusbalk</translation>
    </message>
    <message>
        <source>From the left: the hint of the menu item under the pointer, the cards left and the card you hold; the start and end of the game, transfers to the Rooms and the ranks cleared; the playing time or, with Display Transfer Info, each transfer and each automatic move to a Pile. On a wide window the deal number stands at the right.</source>
        <translation>Van links: de uitleg bij het menu-item onder de muisaanwijzer, de resterende kaarten en de kaart die je vasthoudt; het begin en einde van het spel, zetten naar de cellen en de rangen die alle vier zijn afgelegd; de speeltijd of, met Zetinfo tonen, elke zet en elke automatische zet naar een stapel. In een breed venster staat het spelnummer rechts.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>The table takes the keys while the main window is active. The play keys do nothing while a card travels to its Pile, while a box is open, or with no game.</source>
        <translation>De speeltafel ontvangt de toetsen zolang het hoofdvenster actief is. De speltoetsen doen niets terwijl een kaart naar zijn stapel gaat, terwijl een venster open is, of zonder spel.</translation>
    </message>
    <message>
        <source>The Columns, left to right: pick up the top card, or drop the held card there</source>
        <translation>De kolommen, van links naar rechts: de bovenste kaart oppakken, of de vastgehouden kaart daar neerleggen</translation>
    </message>
    <message>
        <source>The Rooms, left to right: pick up the card, or drop the held card there</source>
        <translation>De cellen, van links naar rechts: de kaart oppakken, of de vastgehouden kaart daar neerleggen</translation>
    </message>
    <message>
        <source>The Piles: drop the held card on the Pile that takes it</source>
        <translation>De stapels: de vastgehouden kaart neerleggen op de stapel die hem aanneemt</translation>
    </message>
    <message>
        <source>Put the held card back</source>
        <translation>De vastgehouden kaart terugleggen</translation>
    </message>
    <message>
        <source>Move the keyboard cursor between the Rooms, the Piles and the Columns</source>
        <translation>De toetsenbordcursor verplaatsen tussen de cellen, de stapels en de kolommen</translation>
    </message>
    <message>
        <source>Act on the place under the keyboard cursor, as its key does</source>
        <translation>De plek onder de toetsenbordcursor bedienen, zoals zijn toets doet</translation>
    </message>
    <message>
        <source>Move between the table and the buttons</source>
        <translation>Wisselen tussen de speeltafel en de knoppen</translation>
    </message>
    <message>
        <source>Do what the hint said and the next hint goes on along the same line: following the hints wins the game, and never comes back to a table it passed.</source>
        <translation>Doe wat de tip zei en de volgende tip gaat verder langs dezelfde lijn: wie de tips volgt, wint het spel en komt nooit terug bij een stand die al geweest is.</translation>
    </message>
    <message>
        <source>Once a game is lost, Move → Losing Move names the transfer that lost it, made on the last table from which the game could still be won, and offers to deal the same deal again. With Move → Warn of Losing Moves checked, the status bar says so at once when a transfer loses the game, while Undo can still take it back.</source>
        <translation>Is een spel verloren, dan noemt Zet → Verliezende zet de zet die het verloor, gedaan in de laatste stand van waaruit het spel nog te winnen was, en biedt aan hetzelfde spel opnieuw te delen. Met Zet → Waarschuwen voor verliezende zetten aangevinkt meldt de statusbalk meteen als een zet het spel verliest, zolang die zet nog ongedaan kan worden gemaakt.</translation>
    </message>
    <message>
        <source>With a screen reader: read the place under the keyboard cursor card by card, from the top card down</source>
        <translation>Met een schermlezer: de plek onder de toetsenbordcursor kaart voor kaart voorlezen, van de bovenste kaart omlaag</translation>
    </message>
    <message>
        <source>With a screen reader: read the place under the keyboard cursor card by card, from the first card up</source>
        <translation>Met een schermlezer: de plek onder de toetsenbordcursor kaart voor kaart voorlezen, van de eerste kaart omhoog</translation>
    </message>
</context>
<context>
    <name>tavolin::TAboutBox</name>
    <message>
        <source>Tavolin is a solitaire for one player. One pack of 52 cards is dealt face up into eight Columns; every card has to reach its Pile, from Ace up to King, by way of the Columns and the four Rooms.

Questions, ideas and reports of faults are welcome at tavolin@example.org.

Further help and hints on play are on the Tavolin web page given above.</source>
        <translation>Tavolin is een patience voor één speler. Eén pak van 52 kaarten wordt open in acht kolommen gedeeld; elke kaart moet zijn stapel bereiken, van aas tot heer, via de kolommen en de vier cellen.

Vragen, ideeën en foutmeldingen zijn welkom op tavolin@example.org.

Meer hulp en speltips staan op de Tavolin-webpagina hierboven.</translation>
    </message>
    <message>
        <source>URL copied to Clipboard</source>
        <translation>URL naar klembord gekopieerd</translation>
    </message>
    <message>
        <source> About this game... </source>
        <translation> Over dit spel... </translation>
    </message>
    <message>
        <source>Version 2.2 XP,   Release Number 1 </source>
        <translation>Versie 2.2 XP,   uitgave 1 </translation>
    </message>
    <message>
        <source>Created for enjoyment and study by  </source>
        <translation>Gemaakt voor plezier en studie door  </translation>
    </message>
    <message>
        <source>Copy URL to Clipboard</source>
        <translation>URL naar klembord kopiëren</translation>
    </message>
</context>
<context>
    <name>tavolin::TCalendarForm</name>
    <message>
        <source> A Calendar, for your convenience</source>
        <translation> Een kalender, voor je gemak</translation>
    </message>
</context>
<context>
    <name>tavolin::TForm1</name>
    <message>
        <source> New Game Selection</source>
        <translation> Nieuw spel kiezen</translation>
    </message>
    <message>
        <source>Current game not finished yet.</source>
        <translation>Het huidige spel is nog niet afgelopen.</translation>
    </message>
    <message>
        <source> Game Control</source>
        <translation> Spelbesturing</translation>
    </message>
    <message>
        <source>End the current game ?</source>
        <translation>Het huidige spel beëindigen?</translation>
    </message>
    <message>
        <source> Closing Event</source>
        <translation> Afsluiten</translation>
    </message>
    <message>
        <source>Quit game and exit ?</source>
        <translation>Spel stoppen en afsluiten?</translation>
    </message>
    <message>
        <source>&amp;Restart Deal</source>
        <translation>Spel &amp;opnieuw delen</translation>
    </message>
    <message>
        <source>Deal the current or last game again</source>
        <translation>Huidige of laatste spel opnieuw delen</translation>
    </message>
    <message>
        <source>&amp;Deal by Number...</source>
        <translation>&amp;Delen op nummer...</translation>
    </message>
    <message>
        <source>Deal a game by its number</source>
        <translation>Een spel op zijn nummer delen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>Name a move that leads to a win</source>
        <translation>Een zet noemen die tot winst leidt</translation>
    </message>
    <message>
        <source> Deal by Number</source>
        <translation> Delen op nummer</translation>
    </message>
    <message>
        <source>Deal number, 1 to %1:</source>
        <translation>Spelnummer, 1 tot en met %1:</translation>
    </message>
    <message>
        <source>Deal %1 </source>
        <translation>Spel %1 </translation>
    </message>
    <message>
        <source>&amp;Restart Deal %1</source>
        <translation>Spel %1 &amp;opnieuw delen</translation>
    </message>
    <message>
        <source>Game started at </source>
        <translation>Spel begonnen om </translation>
    </message>
    <message>
        <source>Transfer Info selected</source>
        <translation>Zetinfo gekozen</translation>
    </message>
    <message>
        <source> Number of Cards left:  %1</source>
        <translation> Kaarten over:  %1</translation>
    </message>
    <message>
        <source> No move left. Game finished.</source>
        <translation> Geen zet meer. Spel afgelopen.</translation>
    </message>
    <message>
        <source>Hint: looking for a winning line...</source>
        <translation>Tip: winnende lijn zoeken...</translation>
    </message>
    <message>
        <source>Hint: this game can no longer be won.</source>
        <translation>Tip: dit spel is niet meer te winnen.</translation>
    </message>
    <message>
        <source>Hint: no winning line found in time.</source>
        <translation>Tip: tijd om, geen winnende lijn.</translation>
    </message>
    <message>
        <source>Load Error from DLL: Bitmap number %1</source>
        <translation>Laadfout uit DLL: bitmap nummer %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Een nieuw spel beginnen</translation>
    </message>
    <message>
        <source>&amp;Finish game</source>
        <translation>Spel &amp;beëindigen</translation>
    </message>
    <message>
        <source>Finish current game</source>
        <translation>Het huidige spel beëindigen</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistieken</translation>
    </message>
    <message>
        <source>Inspect or correct statistics</source>
        <translation>Statistieken bekijken of corrigeren</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Voorkeuren</translation>
    </message>
    <message>
        <source>Choose from preferences offered</source>
        <translation>Kiezen uit de aangeboden voorkeuren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Close application window, exit.</source>
        <translation>Programmavenster sluiten, afsluiten.</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Zet</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>Zet &amp;ongedaan maken</translation>
    </message>
    <message>
        <source>Undo latest move</source>
        <translation>De laatste zet ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Show Moves</source>
        <translation>&amp;Zetten tonen</translation>
    </message>
    <message>
        <source>Toggles information on possible moves</source>
        <translation>Mogelijke zetten tonen of verbergen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About this Game</source>
        <translation>&amp;Over dit spel</translation>
    </message>
    <message>
        <source>Displays application info</source>
        <translation>Toont informatie over het programma</translation>
    </message>
    <message>
        <source>Show &amp;Date</source>
        <translation>&amp;Datum tonen</translation>
    </message>
    <message>
        <source>Displays a calendar</source>
        <translation>Toont een kalender</translation>
    </message>
    <message>
        <source>Finish game</source>
        <translation>Spel beëindigen</translation>
    </message>
    <message>
        <source>Finish the game, or clear the table</source>
        <translation>Spel beëindigen of tafel leegmaken</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source> Dir: </source>
        <translation> Map: </translation>
    </message>
    <message>
        <source>Main form: %1 x %2 pixels</source>
        <translation>Hoofdvenster: %1 x %2 pixels</translation>
    </message>
    <message>
        <source> hrs.</source>
        <translation> uur.</translation>
    </message>
    <message>
        <source>Playing Time: mins </source>
        <translation>Speeltijd: min </translation>
    </message>
    <message>
        <source> secs</source>
        <translation> sec</translation>
    </message>
    <message>
        <source> Card Table Control</source>
        <translation> Speeltafel</translation>
    </message>
    <message>
        <source>This program requires a screen resolution of 
at least 800 x 600, or 1024 x 768 pixels.</source>
        <translation>Dit programma heeft een schermresolutie nodig van 
minstens 800 x 600, of 1024 x 768 pixels.</translation>
    </message>
    <message>
        <source> Library used: VelvetRes2.DLL</source>
        <translation> Gebruikte bibliotheek: VelvetRes2.DLL</translation>
    </message>
    <message>
        <source> DLL Load Error</source>
        <translation> DLL-laadfout</translation>
    </message>
    <message>
        <source> Unable to load &apos;VelvetRes2.DLL&apos;.</source>
        <translation> Kan &apos;VelvetRes2.DLL&apos; niet laden.</translation>
    </message>
    <message>
        <source> Current Directory</source>
        <translation> Huidige map</translation>
    </message>
    <message>
        <source> Load Error</source>
        <translation> Laadfout</translation>
    </message>
    <message>
        <source>Unable to load side-window Bitmap.</source>
        <translation>Kan de bitmap voor het zijvenster niet laden.</translation>
    </message>
    <message>
        <source>Game won at </source>
        <translation>Spel gewonnen om </translation>
    </message>
    <message>
        <source> Game Result</source>
        <translation> Spelresultaat</translation>
    </message>
    <message>
        <source>Congratulations, you won!</source>
        <translation>Gefeliciteerd, je hebt gewonnen!</translation>
    </message>
    <message>
        <source>Game finished at </source>
        <translation>Spel beëindigd om </translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Speluitleg</translation>
    </message>
    <message>
        <source>Explains the game, its keys and panels</source>
        <translation>Legt spel, toetsen en panelen uit</translation>
    </message>
    <message>
        <source>The large cards need a screen at least %1 pixels wide, and this one is %2 pixels wide: the small cards are used.</source>
        <translation>De grote kaarten hebben een scherm van minstens %1 pixels breed nodig, en dit scherm is %2 pixels breed: de kleine kaarten worden gebruikt.</translation>
    </message>
    <message>
        <source>Deal %1 dealt.</source>
        <translation>Spel %1 gedeeld.</translation>
    </message>
    <message>
        <source>&amp;Losing Move</source>
        <translation>&amp;Verliezende zet</translation>
    </message>
    <message>
        <source>Name the transfer that lost the last game</source>
        <translation>De zet noemen die het laatste spel verloor</translation>
    </message>
    <message>
        <source>&amp;Warn of Losing Moves</source>
        <translation>&amp;Waarschuwen voor verliezende zetten</translation>
    </message>
    <message>
        <source>Looking for the move that lost the game...</source>
        <translation>Verliezende zet zoeken...</translation>
    </message>
    <message>
        <source>Transfer %1 lost the game: %2.

Before it the game could still be won; after it no sequence of transfers could win it.</source>
        <translation>Zet %1 heeft het spel verloren: %2.

Daarvoor was het spel nog te winnen; daarna was het met geen enkele combinatie van zetten meer te winnen.</translation>
    </message>
    <message>
        <source>This deal could not be won from the start: no transfer lost it.</source>
        <translation>Dit spel was vanaf het begin niet te winnen: geen zet heeft het verloren.</translation>
    </message>
    <message>
        <source>When the game ended it could still be won: no transfer lost it.</source>
        <translation>Toen het spel eindigde, was het nog te winnen: geen zet heeft het verloren.</translation>
    </message>
    <message>
        <source>The searches did not find out in time which transfer lost the game.</source>
        <translation>Het zoeken heeft niet op tijd gevonden welke zet het spel verloor.</translation>
    </message>
    <message>
        <source> Losing Move</source>
        <translation> Verliezende zet</translation>
    </message>
    <message>
        <source>

Deal %1 again?</source>
        <translation>

Spel %1 opnieuw delen?</translation>
    </message>
    <message>
        <source>Warn when a transfer loses the game</source>
        <translation>Waarschuwen als een zet het spel verliest</translation>
    </message>
    <message>
        <source>No card held.</source>
        <translation>Geen kaart in de hand.</translation>
    </message>
</context>
<context>
    <name>tavolin::TPrefDlg1</name>
    <message>
        <source> Bitmap Load Error</source>
        <translation> Fout bij laden bitmap</translation>
    </message>
    <message>
        <source>Current setting of display options</source>
        <translation>Huidige weergaveopties</translation>
    </message>
    <message>
        <source> Environment Preferences</source>
        <translation> Voorkeuren</translation>
    </message>
    <message>
        <source>Display Options</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Bitmap Path Info</source>
        <translation>Bitmappad</translation>
    </message>
    <message>
        <source>Suit Selection</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Speed Control</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Status bar display</source>
        <translation>Statusbalk</translation>
    </message>
    <message>
        <source>Transfer details</source>
        <translation>Zetdetails</translation>
    </message>
    <message>
        <source>Side window picture</source>
        <translation>Afbeelding zijvenster</translation>
    </message>
    <message>
        <source>Display Playing Time</source>
        <translation>Speeltijd tonen</translation>
    </message>
    <message>
        <source>Display Transfer Info</source>
        <translation>Zetinfo tonen</translation>
    </message>
    <message>
        <source>Show Transfer Details ( as long as space permits )</source>
        <translation>Zetdetails tonen ( zolang er ruimte is )</translation>
    </message>
    <message>
        <source>Show picture in side window</source>
        <translation>Afbeelding in zijvenster tonen</translation>
    </message>
    <message>
        <source>Bitmap Path and File Name Info:      </source>
        <translation>Pad en bestandsnaam van de bitmap:      </translation>
    </message>
    <message>
        <source>Bitmap path and file name</source>
        <translation>Pad en bestandsnaam van de bitmap</translation>
    </message>
    <message>
        <source>Example: D:\Images\bmp\sw.bmp</source>
        <translation>Voorbeeld: D:\Images\bmp\sw.bmp</translation>
    </message>
    <message>
        <source>Picture  Dimension required for side window:</source>
        <translation>Vereiste afmetingen voor het zijvenster:</translation>
    </message>
    <message>
        <source>Press buttons in the order desired ...</source>
        <translation>Druk op de knoppen in de gewenste volgorde ...</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Harten</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Ruiten</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Schoppen</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Klaveren</translation>
    </message>
    <message>
        <source>Speed Adjustment for Automatic Card Moves</source>
        <translation>Snelheid van automatische kaartzetten</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>traag</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>snel</translation>
    </message>
    <message>
        <source>Speed of automatic card moves</source>
        <translation>Snelheid van automatische kaartzetten</translation>
    </message>
    <message>
        <source>From 1, slow, to 10, fast</source>
        <translation>Van 1, traag, tot 10, snel</translation>
    </message>
    <message>
        <source>Move Slider into desired position, then press OK Button.</source>
        <translation>Zet de schuifregelaar in de gewenste stand en druk op OK.</translation>
    </message>
    <message>
        <source>Defines location of side-window Bitmap</source>
        <translation>Bepaalt de plaats van de bitmap voor het zijvenster</translation>
    </message>
    <message>
        <source> Picture Width = %1, Height = %2 pixels      </source>
        <translation> Afbeelding breedte = %1, hoogte = %2 pixels      </translation>
    </message>
    <message>
        <source>Selection needs correct bitmap path name.
See Bitmap Path Info page.</source>
        <translation>Keuze vereist een juist bitmappad.
Zie de pagina Bitmappad.</translation>
    </message>
    <message>
        <source>Selection reset because of bitmap load error.</source>
        <translation>Keuze teruggezet wegens laadfout van de bitmap.</translation>
    </message>
    <message>
        <source>Display Options recorded in Registry</source>
        <translation>Weergaveopties opgeslagen in register</translation>
    </message>
    <message>
        <source>Edit or confirm side-window Bitmap location</source>
        <translation>Plaats van de bitmap wijzigen of bevestigen</translation>
    </message>
    <message>
        <source>No modification recorded</source>
        <translation>Geen wijziging opgeslagen</translation>
    </message>
    <message>
        <source>Unable to load Bitmap from that path.</source>
        <translation>Kan de bitmap niet laden van dat pad.</translation>
    </message>
    <message>
        <source>Bitmap path name invalid. Selection checkbox cleared.</source>
        <translation>Bitmappad ongeldig. Keuzevakje gewist.</translation>
    </message>
    <message>
        <source>Modified path name stored in Registry. Selection cleared.</source>
        <translation>Gewijzigd pad opgeslagen in register. Keuze gewist.</translation>
    </message>
    <message>
        <source>Modified path name stored in Registry.</source>
        <translation>Gewijzigd pad opgeslagen in register.</translation>
    </message>
    <message>
        <source>Assignment of suits to piles.</source>
        <translation>Toewijzing van kleuren aan stapels.</translation>
    </message>
    <message>
        <source> Current order: %1%2%3%4            </source>
        <translation> Huidige volgorde: %1%2%3%4            </translation>
    </message>
    <message>
        <source> New order: %1%2%3%4            </source>
        <translation> Nieuwe volgorde: %1%2%3%4            </translation>
    </message>
    <message>
        <source> New order: %1%2%3%4</source>
        <translation> Nieuwe volgorde: %1%2%3%4</translation>
    </message>
    <message>
        <source>Oh my God, try again. Incorrect selection.</source>
        <translation>O jee, probeer opnieuw. Onjuiste keuze.</translation>
    </message>
    <message>
        <source>New Order recorded in Registry</source>
        <translation>Nieuwe volgorde opgeslagen in register</translation>
    </message>
    <message>
        <source>Current adjustment shown.</source>
        <translation>Huidige stand getoond.</translation>
    </message>
    <message>
        <source>Value left unchanged</source>
        <translation>Waarde ongewijzigd</translation>
    </message>
    <message>
        <source>New value recorded in Registry</source>
        <translation>Nieuwe waarde opgeslagen in register</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Current order: %1</source>
        <translation>Huidige volgorde: %1</translation>
    </message>
    <message>
        <source>New order: %1</source>
        <translation>Nieuwe volgorde: %1</translation>
    </message>
    <message>
        <source>%1 page.</source>
        <translation>Pagina %1.</translation>
    </message>
</context>
<context>
    <name>tavolin::TStats1Dlg</name>
    <message>
        <source> Statistics Delete Event</source>
        <translation> Statistieken wissen</translation>
    </message>
    <message>
        <source>no streaks detected</source>
        <translation>geen series gevonden</translation>
    </message>
    <message>
        <source>currently won:  one game</source>
        <translation>nu gewonnen:  één spel</translation>
    </message>
    <message>
        <source>currently won:  %1 games in a row</source>
        <translation>nu gewonnen:  %1 spellen op rij</translation>
    </message>
    <message>
        <source>currently lost:  one game</source>
        <translation>nu verloren:  één spel</translation>
    </message>
    <message>
        <source>currently lost:  %1 games in a row</source>
        <translation>nu verloren:  %1 spellen op rij</translation>
    </message>
    <message>
        <source>This session:                 %1%</source>
        <translation>Deze sessie:                  %1%</translation>
    </message>
    <message>
        <source>won:     %1</source>
        <translation>gewonnen:  %1</translation>
    </message>
    <message>
        <source>lost:      %1</source>
        <translation>verloren:  %1</translation>
    </message>
    <message>
        <source>Totals:                             %1%</source>
        <translation>Totaal:                             %1%</translation>
    </message>
    <message>
        <source>Streaks:</source>
        <translation>Series:</translation>
    </message>
    <message>
        <source> Tavolin Statistics</source>
        <translation> Tavolin-statistieken</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Game should be finished first.</source>
        <translation>Beëindig eerst het spel.</translation>
    </message>
    <message>
        <source>Delete all statistics ?</source>
        <translation>Alle statistieken wissen?</translation>
    </message>
    <message>
        <source>Another copy of the game changed the statistics while the question was open, so nothing was deleted. They are shown as they are now.</source>
        <translation>Een andere kopie van het spel heeft de statistieken gewijzigd terwijl de vraag openstond, dus is er niets gewist. Ze worden getoond zoals ze nu zijn.</translation>
    </message>
    <message>
        <source>The statistics could not be deleted: %1

Nothing was deleted.</source>
        <translation>De statistieken konden niet worden gewist: %1

Er is niets gewist.</translation>
    </message>
    <message>
        <source>Totals of all games: %1%</source>
        <translation>Totaal van alle spellen: %1%</translation>
    </message>
</context>
</TS>
