<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Box</name>
    <message>
        <source> Transfer to empty Column</source>
        <translation> Zug in leere Spalte</translation>
    </message>
    <message>
        <source>Move more than one card ?</source>
        <translation>Mehr als eine Karte ziehen?</translation>
    </message>
    <message>
        <source>Number of cards permitted to move: only %d.</source>
        <translation>Erlaubte Kartenzahl für diesen Zug: nur %d.</translation>
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
        <translation>Ass</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>Deals</name>
    <message>
        <source>&apos;%1&apos; is not a deal number: deals are numbered from 1 to %2.</source>
        <translation>„%1“ ist keine Spielnummer: Die Spiele sind von 1 bis %2 nummeriert.</translation>
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
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 is held by another program and was not let go within %2 seconds.</source>
        <translation>%1 wird von einem anderen Programm gehalten und wurde nicht binnen %2 Sekunden freigegeben.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2.</source>
        <translation>%1 konnte nicht angelegt werden: %2.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source> Rank cleared: %ss</source>
        <translation> Alle vier abgelegt: %s</translation>
    </message>
    <message>
        <source>Transfer Details off by lack of space.</source>
        <translation>Zugdetails aus: kein Platz.</translation>
    </message>
    <message>
        <source>Autom. -&gt; Pile[ %d ]: %s of %s</source>
        <translation>Autom. -&gt; Stapel[ %1$d ]: %3$s %2$s</translation>
    </message>
    <message>
        <source>Card selected: %s of %s</source>
        <translation>Karte gewählt: %2$s %1$s</translation>
    </message>
    <message>
        <source>Room -&gt; free Room:  %s of %s</source>
        <translation>Fach -&gt; freies Fach:  %2$s %1$s</translation>
    </message>
    <message>
        <source>Deck -&gt; free Room:  %s of %s</source>
        <translation>Folge -&gt; freies Fach:  %2$s %1$s</translation>
    </message>
    <message>
        <source>Room -&gt; Pile: %s of %s</source>
        <translation>Fach -&gt; Stapel: %2$s %1$s</translation>
    </message>
    <message>
        <source>Deck -&gt; Pile:  %s of %s</source>
        <translation>Folge -&gt; Stapel:  %2$s %1$s</translation>
    </message>
    <message>
        <source>Room -&gt; Column:  %s of %s</source>
        <translation>Fach -&gt; Spalte:  %2$s %1$s</translation>
    </message>
    <message>
        <source>Deck -&gt; Column:  %s of %s</source>
        <translation>Folge -&gt; Spalte:  %2$s %1$s</translation>
    </message>
    <message>
        <source>Deck -&gt; Column:  %d cards</source>
        <translation>Folge -&gt; Spalte:  %d Karten</translation>
    </message>
    <message>
        <source>Deck -&gt; empty Column:  %d cards</source>
        <translation>Folge -&gt; leere Spalte:  %d Karten</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Room %1</source>
        <translation>Fach %1</translation>
    </message>
    <message>
        <source>Pile %1</source>
        <translation>Stapel %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>Hint: %1 from %2</source>
        <translation>Tipp: %1 aus %2</translation>
    </message>
    <message>
        <source>%1to the empty %2</source>
        <translation>%1in die leere %2</translation>
    </message>
    <message>
        <source>alone </source>
        <translation>allein </translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>an Ace</comment>
        <extracomment>Where the hinted card goes: onto the top card of a Column, whose rank is the one this entry is for; %1 is that card, %2 the Column.</extracomment>
        <translation>auf das %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 2</comment>
        <translation>auf die %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 3</comment>
        <translation>auf die %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 4</comment>
        <translation>auf die %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 5</comment>
        <translation>auf die %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 6</comment>
        <translation>auf die %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 7</comment>
        <translation>auf die %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>an 8</comment>
        <translation>auf die %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 9</comment>
        <translation>auf die %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 10</comment>
        <translation>auf die %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a Jack</comment>
        <translation>auf den %1n in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a Queen</comment>
        <translation>auf die %1 in %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a King</comment>
        <translation>auf den %1 in %2</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>a Room</comment>
        <translation>in %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>a Pile</comment>
        <translation>auf %1</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <translation>%1 aus %2 %3</translation>
    </message>
    <message>
        <source>Lost by %1 to %2</source>
        <translation>Verloren: %1 nach %2</translation>
    </message>
    <message>
        <source>Undo takes it back.</source>
        <translation>Der Zug lässt sich zurücknehmen.</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Automatic Move Detection</source>
        <translation>Automatische Zugsuche</translation>
    </message>
    <message>
        <source>Comments &amp; Hints</source>
        <translation>Kommentare &amp; Tipps</translation>
    </message>
    <message>
        <source>Room to Pile: 0</source>
        <translation>Fach auf Stapel: 0</translation>
    </message>
    <message>
        <source>Room to Deck: 0</source>
        <translation>Fach auf Folge: 0</translation>
    </message>
    <message>
        <source>Deck to Pile: 0</source>
        <translation>Folge auf Stapel: 0</translation>
    </message>
    <message>
        <source>Column to Column: 0</source>
        <translation>Spalte auf Spalte: 0</translation>
    </message>
    <message>
        <source> RoomToPile: %d</source>
        <translation> FachAufStapel: %d</translation>
    </message>
    <message>
        <source> RoomToDeck: %d</source>
        <translation> FachAufFolge: %d</translation>
    </message>
    <message>
        <source>Deck to Pile: %d</source>
        <translation>Folge auf Stapel: %d</translation>
    </message>
    <message>
        <source>Column to Column: %d</source>
        <translation>Spalte auf Spalte: %d</translation>
    </message>
    <message>
        <source>Free Rooms</source>
        <translation>Freie Fächer</translation>
    </message>
    <message>
        <source>Nice day, to-day.</source>
        <translation>Schöner Tag heute.</translation>
    </message>
    <message>
        <source>Take your pick.</source>
        <translation>Freie Auswahl.</translation>
    </message>
    <message>
        <source>See you later, alligator.</source>
        <translation>Bis später, Attentäter.</translation>
    </message>
    <message>
        <source>Or try your luck in a new game.</source>
        <translation>Oder: neues Spiel, neues Glück.</translation>
    </message>
    <message>
        <source>Running into a pocket?</source>
        <translation>In der Sackgasse?</translation>
    </message>
    <message>
        <source>First card at origin is %s of %s</source>
        <translation>Erste Karte der Herkunft: %2$s %1$s</translation>
    </message>
    <message>
        <source>First card doesn&apos;t match target.</source>
        <translation>Erste Karte passt nicht aufs Ziel.</translation>
    </message>
    <message>
        <source>Card number %d no match for previous card.</source>
        <translation>Karte Nr. %d passt nicht zur vorigen.</translation>
    </message>
    <message>
        <source>Card number %d matches target.</source>
        <translation>Karte Nr. %d passt aufs Ziel.</translation>
    </message>
    <message>
        <source>Last card number %d processed: %d</source>
        <translation>Zuletzt geprüfte Karte Nr. %d: %d</translation>
    </message>
    <message>
        <source>Card number %d is %s of %s</source>
        <translation>Karte Nr. %1$d ist %3$s %2$s</translation>
    </message>
    <message>
        <source>Card Tranfer Info</source>
        <translation>Info zum Kartenzug</translation>
    </message>
    <message>
        <source>Search Details</source>
        <translation>Suchdetails</translation>
    </message>
    <message>
        <source>Result returned from destination</source>
        <translation>Ergebnis vom Ziel</translation>
    </message>
    <message>
        <source>Selected origin:  %s of %s</source>
        <translation>Gewählte Herkunft:  %2$s %1$s</translation>
    </message>
    <message>
        <source>Selected target:  none, empty column</source>
        <translation>Gewählte Zielkarte:  keine, leere Spalte</translation>
    </message>
    <message>
        <source>Selected target:  %s of %s</source>
        <translation>Gewählte Zielkarte:  %2$s %1$s</translation>
    </message>
    <message>
        <source>Destination:  Column number %d</source>
        <translation>Ziel:  Spalte Nummer %d</translation>
    </message>
    <message>
        <source>Ready for tranfer of single card.</source>
        <translation>Bereit zum Zug einer Karte.</translation>
    </message>
    <message>
        <source>Try other destination.</source>
        <translation>Anderes Ziel versuchen.</translation>
    </message>
    <message>
        <source>Ready for tranfer of single deck card.</source>
        <translation>Bereit zum Zug einer Folgekarte.</translation>
    </message>
    <message>
        <source>Selected card matches target.</source>
        <translation>Gewählte Karte passt aufs Ziel.</translation>
    </message>
    <message>
        <source>Card missing in selected column.</source>
        <translation>Karte fehlt in gewählter Spalte.</translation>
    </message>
    <message>
        <source>Try other target.</source>
        <translation>Anderes Ziel versuchen.</translation>
    </message>
    <message>
        <source>%d cards at origin match target.</source>
        <translation>%d Karten der Herkunft passen aufs Ziel.</translation>
    </message>
    <message>
        <source>Ready for transfer of single card.</source>
        <translation>Bereit zum Zug einer Karte.</translation>
    </message>
    <message>
        <source>Ready for tranfer of %d deck cards.</source>
        <translation>Bereit zum Zug von %d Folgekarten.</translation>
    </message>
</context>
<context>
    <name>Pointer</name>
    <message>
        <source>Target is free Room number %1</source>
        <translation>Ziel: freies Fach Nummer %1</translation>
    </message>
    <message>
        <source>Target card: none</source>
        <translation>Zielkarte: keine</translation>
    </message>
    <message>
        <source>Target is empty Column number %1</source>
        <translation>Ziel: leere Spalte Nummer %1</translation>
    </message>
    <message>
        <source>Target is Column number %1</source>
        <translation>Ziel: Spalte Nummer %1</translation>
    </message>
    <message>
        <source>Target is Pile number %1</source>
        <translation>Ziel: Stapel Nummer %1</translation>
    </message>
    <message>
        <source>Cards ready for transfer: %1</source>
        <translation>Karten bereit zum Zug: %1</translation>
    </message>
    <message>
        <source>Target card is %s of %s</source>
        <translation>Zielkarte: %2$s %1$s</translation>
    </message>
</context>
<context>
    <name>QtRegistry</name>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 is empty, so the statistics and settings it held are lost.</source>
        <translation>%1 ist leer; die Statistik und die Einstellungen darin sind verloren.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, far more than the game ever writes: only its start was read.</source>
        <translation>%1 ist größer als %2 KiB, weit mehr, als das Spiel je schreibt: nur der Anfang wurde gelesen.</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>is not readable text</source>
        <translation>ist kein lesbarer Text</translation>
    </message>
    <message>
        <source>is not under any [key]</source>
        <translation>steht unter keiner [key]-Zeile</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>ließ sich nicht lesen</translation>
    </message>
    <message>
        <source>line %1 </source>
        <translation>Zeile %1 </translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>etwas anderes</translation>
    </message>
    <message>
        <source>%1 is not a regular file but %2; the game leaves it as it is.</source>
        <translation>%1 ist keine gewöhnliche Datei, sondern %2; das Spiel lässt es, wie es ist.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist; the game leaves it as it is.</source>
        <translation>%1 ist ein Verweis auf eine Datei, die es nicht gibt; das Spiel lässt ihn, wie er ist.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source> Settings</source>
        <translation> Einstellungen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; %2 is used.</source>
        <translation>„%1“ ließ sich nicht lesen; %2 wird verwendet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was %2; %3 is used.</source>
        <translation>„%1“ war %2; %3 wird verwendet.</translation>
    </message>
    <message>
        <source>The suits of the Piles were %1, %2, %3, %4, which leaves a suit without a Pile; the usual order is used.</source>
        <translation>Die Farben der Stapel waren %1, %2, %3, %4, so blieb eine Farbe ohne Stapel; die übliche Reihenfolge wird verwendet.</translation>
    </message>
    <message>
        <source>Some saved settings could not be used as they were, so the game has replaced them:

</source>
        <translation>Einige gespeicherte Einstellungen waren so nicht zu verwenden; das Spiel hat sie ersetzt:

</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... und %1 weitere.</translation>
    </message>
    <message>
        <source>

The settings file as it was is kept in %1.</source>
        <translation>

Die Einstellungsdatei, wie sie war, liegt in %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1

The game goes on with the settings as they are now, and saves what could not be saved with the next change that can be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1

Das Spiel geht mit den Einstellungen weiter, wie sie jetzt sind, und speichert das Fehlende mit der nächsten Änderung, die sich speichern lässt.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>

The results of this run that wait to be saved (won: %1, lost: %2) could not be kept either: %3</source>
        <translation>

Auch die noch nicht gespeicherten Ergebnisse dieser Sitzung (gewonnen: %1, verloren: %2) ließen sich nicht aufbewahren: %3</translation>
    </message>
    <message>
        <source>

The results of this run that wait to be saved (won: %1, lost: %2) are kept in %3, and the next start of the game counts them.</source>
        <translation>

Die noch nicht gespeicherten Ergebnisse dieser Sitzung (gewonnen: %1, verloren: %2) liegen in %3; der nächste Start des Spiels zählt sie mit.</translation>
    </message>
    <message>
        <source>

The window&apos;s place and the preferences changed since the last save are not saved.</source>
        <translation>

Die Position des Fensters und die seit dem letzten Speichern geänderten Einstellungen werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>covered</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>Deck to Pile</source>
        <translation>Folge auf Stapel</translation>
    </message>
    <message>
        <source>Room to Pile</source>
        <translation>Fach auf Stapel</translation>
    </message>
    <message>
        <source>Room to Deck</source>
        <translation>Fach auf Folge</translation>
    </message>
    <message>
        <source>Column to Column</source>
        <translation>Spalte auf Spalte</translation>
    </message>
    <message>
        <source> from </source>
        <translation> aus </translation>
    </message>
    <message>
        <source>No move found.</source>
        <translation>Kein Zug gefunden.</translation>
    </message>
    <message>
        <source>Information panel</source>
        <translation>Infotafel</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Fach</translation>
    </message>
    <message>
        <source>Pile</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 Karte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>, empty, for %1</source>
        <translation>, leer, für %1</translation>
    </message>
    <message>
        <source>, empty</source>
        <translation>, leer</translation>
    </message>
    <message>
        <source>, %1, top %2</source>
        <translation>, %1, oben %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>von %1 nach %2</translation>
    </message>
    <message>
        <source>%1 moved %2.</source>
        <translation>%1 %2 gezogen.</translation>
    </message>
    <message>
        <source>%1 moved %2, %3 on top.</source>
        <translation>%1 %2 gezogen, oben %3.</translation>
    </message>
    <message>
        <source>%1 went by itself from %2 to %3.</source>
        <translation>%1 ging von selbst von %2 nach %3.</translation>
    </message>
    <message>
        <source>%1 back to %2.</source>
        <translation>%1 zurück nach %2.</translation>
    </message>
    <message>
        <source>Move undone.</source>
        <translation>Zug zurückgenommen.</translation>
    </message>
    <message>
        <source>%1 held.</source>
        <translation>%1 aufgenommen.</translation>
    </message>
    <message>
        <source>Refused: %1 put back.</source>
        <translation>Abgelehnt: %1 zurückgelegt.</translation>
    </message>
    <message>
        <source>%1 put back.</source>
        <translation>%1 zurückgelegt.</translation>
    </message>
    <message>
        <source>No Pile takes %1.</source>
        <translation>Kein Stapel nimmt %1.</translation>
    </message>
    <message>
        <source>%1 does not go to %2.</source>
        <translation>%1 kann nicht nach %2.</translation>
    </message>
    <message>
        <source>Still held.</source>
        <translation>Noch in der Hand.</translation>
    </message>
    <message>
        <source>, on </source>
        <translation>, auf </translation>
    </message>
    <message>
        <source>, under </source>
        <translation>, unter </translation>
    </message>
    <message>
        <source>%1 from the top: %2.</source>
        <translation>%1 von oben nach unten: %2.</translation>
    </message>
    <message>
        <source>%1 from the bottom: %2.</source>
        <translation>%1 von unten nach oben: %2.</translation>
    </message>
</context>
<context>
    <name>tavolin::HowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Das Spiel</translation>
    </message>
    <message>
        <source>One pack of 52 cards is dealt face up into eight Columns. Above them lie four Rooms, each holding one card, and four Piles, one for each suit, built up from Ace to King.</source>
        <translation>Ein Blatt mit 52 Karten wird offen in acht Spalten ausgeteilt. Darüber liegen vier Fächer, die je eine Karte aufnehmen, und vier Stapel, einer je Farbe, die vom Ass bis zum König aufgebaut werden.</translation>
    </message>
    <message>
        <source>You win when all 52 cards are on the Piles. You lose when no Room and no Column is free and no move is left.</source>
        <translation>Du gewinnst, wenn alle 52 Karten auf den Stapeln liegen. Du verlierst, wenn kein Fach und keine Spalte frei ist und kein Zug mehr bleibt.</translation>
    </message>
    <message>
        <source>Moving cards</source>
        <translation>Karten ziehen</translation>
    </message>
    <message>
        <source>Move the top card of a Column, or the card in a Room: drag it onto its target, or click it and then click the target.</source>
        <translation>Ziehe die oberste Karte einer Spalte oder die Karte eines Fachs: Ziehe sie auf ihr Ziel, oder klicke sie an und dann das Ziel.</translation>
    </message>
    <message>
        <source>On a Column a card goes onto a card one rank higher of the other colour, a red Five on a black Six. With the card you hold go the cards above it that form a run of alternating colours: the Deck. A Deck may be as long as one card plus one for every free Room and every empty Column.</source>
        <translation>In einer Spalte kommt eine Karte auf eine um einen Rang höhere Karte, Rot auf Schwarz oder Schwarz auf Rot: eine rote Fünf auf eine schwarze Sechs. Mit der gehaltenen Karte gehen die Karten mit, die auf ihr liegen und im Wechsel von Rot und Schwarz absteigen: die Folge. Eine Folge darf so lang sein wie eine Karte plus eine für jedes freie Fach und jede leere Spalte.</translation>
    </message>
    <message>
        <source>Any card may go into an empty Room or an empty Column; an Ace never goes into a Room.</source>
        <translation>Jede Karte darf in ein leeres Fach oder eine leere Spalte; ein Ass kommt nie in ein Fach.</translation>
    </message>
    <message>
        <source>Each Pile takes only its own suit, chosen in the preferences, Ace first. Cards that can safely go to their Pile travel there by themselves.</source>
        <translation>Jeder Stapel nimmt nur seine eigene Farbe, in den Einstellungen gewählt, das Ass zuerst. Karten, die gefahrlos auf ihren Stapel können, wandern von selbst dorthin.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Game → New game deals a game. Deal by Number deals a game by its number, and Restart Deal deals the current one again from the start.</source>
        <translation>Spiel → Neues Spiel gibt ein neues Spiel. Spiel nach Nummer gibt ein Spiel nach seiner Nummer, und Neu geben gibt das laufende noch einmal von vorn.</translation>
    </message>
    <message>
        <source>Game → Finish game, the leaf button between the Rooms and the Piles, or quitting during a game counts the game as lost. With no game the leaf button clears the table.</source>
        <translation>Spiel → Spiel aufgeben, der Blatt-Knopf zwischen den Fächern und den Stapeln oder Beenden während eines Spiels zählt das Spiel als verloren. Ohne Spiel räumt der Blatt-Knopf den Tisch ab.</translation>
    </message>
    <message>
        <source>Undo, the button or Move → Undo Move, takes your last transfer back together with the cards that went to the Piles after it. It works once, right after a transfer.</source>
        <translation>Zurück, der Knopf oder Zug → Zug zurücknehmen, nimmt deinen letzten Zug zurück, zusammen mit den Karten, die danach auf die Stapel gingen. Das geht einmal, direkt nach einem Zug.</translation>
    </message>
    <message>
        <source>Move → Hint names the next transfer of a winning line in the status bar and frames its cards; nothing moves.</source>
        <translation>Zug → Tipp nennt in der Statusleiste den nächsten Zug eines Wegs zum Sieg und rahmt seine Karten ein; nichts bewegt sich.</translation>
    </message>
    <message>
        <source>Game → Statistics shows your wins, your losses and the current streak. Game → Preferences chooses what the status bar and the panel below the Columns show, the suit of each Pile and the speed of the cards.</source>
        <translation>Spiel → Statistik zeigt deine Siege, deine Niederlagen und die laufende Serie. Spiel → Einstellungen wählt, was die Statusleiste und die Tafel unter den Spalten zeigen, die Farbe jedes Stapels und das Tempo der Karten.</translation>
    </message>
    <message>
        <source>The move panel</source>
        <translation>Die Zugtafel</translation>
    </message>
    <message>
        <source>Show, the button or Move → Show Moves, shows or hides a panel below the Columns that counts the moves possible now: Room to Pile, Room to Deck (a Room&apos;s card onto a Column), Deck to Pile (a Column&apos;s top card onto its Pile) and Column to Column.</source>
        <translation>Zeigen, der Knopf oder Zug → Züge anzeigen, zeigt oder verbirgt unter den Spalten eine Tafel, die die jetzt möglichen Züge zählt: Fach auf Stapel, Fach auf Folge (die Karte eines Fachs auf eine Spalte), Folge auf Stapel (die oberste Karte einer Spalte auf ihren Stapel) und Spalte auf Spalte.</translation>
    </message>
    <message>
        <source>A green disc marks each Room or Column a move of that kind starts from, a red disc one with none, an empty square an empty Column. Free Rooms shows the four Rooms, a red disc for each one taken. Comments &amp; Hints greets a new game and warns when no Room and no Column is left free.</source>
        <translation>Ein grüner Punkt markiert jedes Fach und jede Spalte, von der ein solcher Zug ausgeht, ein roter Punkt eine ohne, ein leeres Quadrat eine leere Spalte. Freie Fächer zeigt die vier Fächer, mit einem roten Punkt für jedes belegte. Kommentare &amp; Tipps begrüßt ein neues Spiel und warnt, wenn kein Fach und keine Spalte mehr frei ist.</translation>
    </message>
    <message>
        <source>The details panel</source>
        <translation>Die Detailtafel</translation>
    </message>
    <message>
        <source>With Show Transfer Details chosen in the preferences, the same place shows instead how a transfer is searched while you hold a card over a Column: the card held, the target, each card of the Deck in turn, and the result, green when the cards may go and yellow when not. While it is on, Show Moves is not offered. It goes off by itself when a Column grows into its place.</source>
        <translation>Ist in den Einstellungen Zugdetails zeigen gewählt, zeigt dieselbe Stelle stattdessen, wie ein Zug gesucht wird, während du eine Karte über eine Spalte hältst: die gehaltene Karte, das Ziel, jede Karte der Folge der Reihe nach und das Ergebnis, grün, wenn die Karten dürfen, gelb, wenn nicht. Solange sie an ist, gibt es Züge anzeigen nicht. Sie geht von selbst aus, wenn eine Spalte in ihren Platz wächst.</translation>
    </message>
    <message>
        <source>The status bar</source>
        <translation>Die Statusleiste</translation>
    </message>
    <message>
        <source>From the left: the hint of the menu item under the pointer, the cards left and the card you hold; the start and end of the game, transfers to the Rooms and the ranks cleared; the playing time or, with Display Transfer Info, each transfer and each automatic move to a Pile. On a wide window the deal number stands at the right.</source>
        <translation>Von links: die Erklärung zum Menüpunkt unter dem Zeiger, die übrigen Karten und die gehaltene Karte; Beginn und Ende des Spiels, Züge in die Fächer und abgelegte Ränge; die Spielzeit oder, mit Zuginfo anzeigen, jeder Zug und jeder selbsttätige Zug auf einen Stapel. In einem breiten Fenster steht rechts die Nummer des Spiels.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>The table takes the keys while the main window is active. The play keys do nothing while a card travels to its Pile, while a box is open, or with no game.</source>
        <translation>Der Tisch nimmt die Tasten, solange das Hauptfenster aktiv ist. Die Spieltasten tun nichts, während eine Karte zu ihrem Stapel wandert, während ein Dialog offen ist oder ohne Spiel.</translation>
    </message>
    <message>
        <source>The Columns, left to right: pick up the top card, or drop the held card there</source>
        <translation>Die Spalten von links nach rechts: oberste Karte aufnehmen oder die gehaltene Karte dort ablegen</translation>
    </message>
    <message>
        <source>The Rooms, left to right: pick up the card, or drop the held card there</source>
        <translation>Die Fächer von links nach rechts: Karte aufnehmen oder die gehaltene Karte dort ablegen</translation>
    </message>
    <message>
        <source>The Piles: drop the held card on the Pile that takes it</source>
        <translation>Die Stapel: die gehaltene Karte auf den Stapel legen, der sie nimmt</translation>
    </message>
    <message>
        <source>Put the held card back</source>
        <translation>Die gehaltene Karte zurücklegen</translation>
    </message>
    <message>
        <source>Move the keyboard cursor between the Rooms, the Piles and the Columns</source>
        <translation>Den Tastaturrahmen zwischen Fächern, Stapeln und Spalten bewegen</translation>
    </message>
    <message>
        <source>Act on the place under the keyboard cursor, as its key does</source>
        <translation>Auf den Platz unter dem Tastaturrahmen wirken, wie seine Taste</translation>
    </message>
    <message>
        <source>Move between the table and the buttons</source>
        <translation>Zwischen Tisch und Knöpfen wechseln</translation>
    </message>
    <message>
        <source>Do what the hint said and the next hint goes on along the same line: following the hints wins the game, and never comes back to a table it passed.</source>
        <translation>Tu, was der Tipp gesagt hat, und der nächste Tipp setzt denselben Weg fort: Wer den Tipps folgt, gewinnt das Spiel und kommt nie zu einer Stellung zurück, die schon da war.</translation>
    </message>
    <message>
        <source>Once a game is lost, Move → Losing Move names the transfer that lost it, made on the last table from which the game could still be won, and offers to deal the same deal again. With Move → Warn of Losing Moves checked, the status bar says so at once when a transfer loses the game, while Undo can still take it back.</source>
        <translation>Ist ein Spiel verloren, nennt Zug → Verlustzug den Zug, der es verloren hat, gemacht in der letzten Stellung, aus der das Spiel noch zu gewinnen war, und bietet an, dasselbe Spiel neu zu geben. Ist Zug → Vor Verlustzügen warnen abgehakt, sagt die Statusleiste sofort, wenn ein Zug das Spiel verliert, solange er sich noch zurücknehmen lässt.</translation>
    </message>
    <message>
        <source>With a screen reader: read the place under the keyboard cursor card by card, from the top card down</source>
        <translation>Mit Bildschirmleser: den Platz unter dem Tastaturrahmen Karte für Karte vorlesen, von der obersten Karte abwärts</translation>
    </message>
    <message>
        <source>With a screen reader: read the place under the keyboard cursor card by card, from the first card up</source>
        <translation>Mit Bildschirmleser: den Platz unter dem Tastaturrahmen Karte für Karte vorlesen, von der ersten Karte aufwärts</translation>
    </message>
</context>
<context>
    <name>tavolin::TAboutBox</name>
    <message>
        <source>Tavolin is a solitaire for one player. One pack of 52 cards is dealt face up into eight Columns; every card has to reach its Pile, from Ace up to King, by way of the Columns and the four Rooms.

Questions, ideas and reports of faults are welcome at tavolin@example.org.

Further help and hints on play are on the Tavolin web page given above.</source>
        <translation>Tavolin ist eine Patience für einen Spieler. Ein Blatt von 52 Karten wird offen in acht Spalten ausgeteilt; jede Karte muss über die Spalten und die vier Fächer auf ihren Stapel, vom Ass bis zum König.

Fragen, Ideen und Fehlerberichte sind willkommen an tavolin@example.org.

Weitere Hilfe und Tipps zum Spiel stehen auf der oben genannten Tavolin-Webseite.</translation>
    </message>
    <message>
        <source>URL copied to Clipboard</source>
        <translation>URL in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source> About this game... </source>
        <translation> Über dieses Spiel... </translation>
    </message>
    <message>
        <source>Version 2.2 XP,   Release Number 1 </source>
        <translation>Version 2.2 XP,   Ausgabe 1 </translation>
    </message>
    <message>
        <source>Created for enjoyment and study by  </source>
        <translation>Für Spaß und Studium gemacht von  </translation>
    </message>
    <message>
        <source>Copy URL to Clipboard</source>
        <translation>URL kopieren</translation>
    </message>
</context>
<context>
    <name>tavolin::TCalendarForm</name>
    <message>
        <source> A Calendar, for your convenience</source>
        <translation> Ein Kalender, für alle Fälle</translation>
    </message>
</context>
<context>
    <name>tavolin::TForm1</name>
    <message>
        <source> New Game Selection</source>
        <translation> Neues Spiel</translation>
    </message>
    <message>
        <source>Current game not finished yet.</source>
        <translation>Das laufende Spiel ist noch nicht beendet.</translation>
    </message>
    <message>
        <source> Game Control</source>
        <translation> Spielsteuerung</translation>
    </message>
    <message>
        <source>End the current game ?</source>
        <translation>Das laufende Spiel beenden?</translation>
    </message>
    <message>
        <source> Closing Event</source>
        <translation> Beenden</translation>
    </message>
    <message>
        <source>Quit game and exit ?</source>
        <translation>Spiel aufgeben und beenden?</translation>
    </message>
    <message>
        <source>&amp;Restart Deal</source>
        <translation>Neu &amp;geben</translation>
    </message>
    <message>
        <source>Deal the current or last game again</source>
        <translation>Das laufende oder letzte Spiel neu geben</translation>
    </message>
    <message>
        <source>&amp;Deal by Number...</source>
        <translation>Spiel nach Nu&amp;mmer...</translation>
    </message>
    <message>
        <source>Deal a game by its number</source>
        <translation>Ein Spiel nach seiner Nummer austeilen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Name a move that leads to a win</source>
        <translation>Einen Zug nennen, der zum Sieg führt</translation>
    </message>
    <message>
        <source> Deal by Number</source>
        <translation> Spiel nach Nummer</translation>
    </message>
    <message>
        <source>Deal number, 1 to %1:</source>
        <translation>Spielnummer, 1 bis %1:</translation>
    </message>
    <message>
        <source>Deal %1 </source>
        <translation>Spiel %1 </translation>
    </message>
    <message>
        <source>&amp;Restart Deal %1</source>
        <translation>Spiel %1 neu &amp;geben</translation>
    </message>
    <message>
        <source>Game started at </source>
        <translation>Spiel begonnen um </translation>
    </message>
    <message>
        <source>Transfer Info selected</source>
        <translation>Zuginfo gewählt</translation>
    </message>
    <message>
        <source> Number of Cards left:  %1</source>
        <translation> Karten übrig:  %1</translation>
    </message>
    <message>
        <source> No move left. Game finished.</source>
        <translation> Kein Zug mehr möglich. Spiel beendet.</translation>
    </message>
    <message>
        <source>Hint: looking for a winning line...</source>
        <translation>Tipp: suche einen Weg zum Sieg...</translation>
    </message>
    <message>
        <source>Hint: this game can no longer be won.</source>
        <translation>Tipp: nicht mehr zu gewinnen.</translation>
    </message>
    <message>
        <source>Hint: no winning line found in time.</source>
        <translation>Tipp: kein Weg in der Zeit gefunden.</translation>
    </message>
    <message>
        <source>Load Error from DLL: Bitmap number %1</source>
        <translation>Ladefehler der DLL: Bild Nummer %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>&amp;Finish game</source>
        <translation>Spiel &amp;aufgeben</translation>
    </message>
    <message>
        <source>Finish current game</source>
        <translation>Das laufende Spiel aufgeben</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>Inspect or correct statistics</source>
        <translation>Statistik ansehen oder löschen</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Choose from preferences offered</source>
        <translation>Einstellungen wählen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Close application window, exit.</source>
        <translation>Das Fenster schließen und beenden.</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Zug</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>Zug &amp;zurücknehmen</translation>
    </message>
    <message>
        <source>Undo latest move</source>
        <translation>Den letzten Zug zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Show Moves</source>
        <translation>Züge &amp;anzeigen</translation>
    </message>
    <message>
        <source>Toggles information on possible moves</source>
        <translation>Zeigt oder verbirgt die möglichen Züge</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About this Game</source>
        <translation>&amp;Über dieses Spiel</translation>
    </message>
    <message>
        <source>Displays application info</source>
        <translation>Zeigt die Angaben zum Programm</translation>
    </message>
    <message>
        <source>Show &amp;Date</source>
        <translation>&amp;Datum zeigen</translation>
    </message>
    <message>
        <source>Displays a calendar</source>
        <translation>Zeigt einen Kalender</translation>
    </message>
    <message>
        <source>Finish game</source>
        <translation>Spiel aufgeben</translation>
    </message>
    <message>
        <source>Finish the game, or clear the table</source>
        <translation>Das Spiel aufgeben oder den Tisch abräumen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source> Dir: </source>
        <translation> Verz.: </translation>
    </message>
    <message>
        <source>Main form: %1 x %2 pixels</source>
        <translation>Hauptfenster: %1 x %2 Pixel</translation>
    </message>
    <message>
        <source> hrs.</source>
        <translation> Uhr</translation>
    </message>
    <message>
        <source>Playing Time: mins </source>
        <translation>Spielzeit: Min. </translation>
    </message>
    <message>
        <source> secs</source>
        <translation> Sek.</translation>
    </message>
    <message>
        <source> Card Table Control</source>
        <translation> Kartentisch</translation>
    </message>
    <message>
        <source>This program requires a screen resolution of 
at least 800 x 600, or 1024 x 768 pixels.</source>
        <translation>Dieses Programm braucht eine Bildschirmauflösung von
mindestens 800 x 600 oder 1024 x 768 Pixeln.</translation>
    </message>
    <message>
        <source> Library used: VelvetRes2.DLL</source>
        <translation> Bibliothek: VelvetRes2.DLL</translation>
    </message>
    <message>
        <source> DLL Load Error</source>
        <translation> DLL-Ladefehler</translation>
    </message>
    <message>
        <source> Unable to load &apos;VelvetRes2.DLL&apos;.</source>
        <translation> &apos;VelvetRes2.DLL&apos; ließ sich nicht laden.</translation>
    </message>
    <message>
        <source> Current Directory</source>
        <translation> Aktuelles Verzeichnis</translation>
    </message>
    <message>
        <source> Load Error</source>
        <translation> Ladefehler</translation>
    </message>
    <message>
        <source>Unable to load side-window Bitmap.</source>
        <translation>Das Bild fürs Seitenfenster ließ sich nicht laden.</translation>
    </message>
    <message>
        <source>Game won at </source>
        <translation>Gewonnen um </translation>
    </message>
    <message>
        <source> Game Result</source>
        <translation> Spielergebnis</translation>
    </message>
    <message>
        <source>Congratulations, you won!</source>
        <translation>Glückwunsch, gewonnen!</translation>
    </message>
    <message>
        <source>Game finished at </source>
        <translation>Beendet um </translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>Explains the game, its keys and panels</source>
        <translation>Erklärt das Spiel, seine Tasten und Tafeln</translation>
    </message>
    <message>
        <source>The large cards need a screen at least %1 pixels wide, and this one is %2 pixels wide: the small cards are used.</source>
        <translation>Die großen Karten brauchen einen Bildschirm von mindestens %1 Pixeln Breite. Dieser ist %2 Pixel breit, darum werden die kleinen Karten verwendet.</translation>
    </message>
    <message>
        <source>Deal %1 dealt.</source>
        <translation>Spiel %1 gegeben.</translation>
    </message>
    <message>
        <source>&amp;Losing Move</source>
        <translation>&amp;Verlustzug</translation>
    </message>
    <message>
        <source>Name the transfer that lost the last game</source>
        <translation>Den Zug nennen, der das Spiel verlor</translation>
    </message>
    <message>
        <source>&amp;Warn of Losing Moves</source>
        <translation>Vor Verlustzügen &amp;warnen</translation>
    </message>
    <message>
        <source>Looking for the move that lost the game...</source>
        <translation>Suche den Zug, der das Spiel verlor...</translation>
    </message>
    <message>
        <source>Transfer %1 lost the game: %2.

Before it the game could still be won; after it no sequence of transfers could win it.</source>
        <translation>Zug %1 hat das Spiel verloren: %2.

Vor ihm war das Spiel noch zu gewinnen; nach ihm war es mit keinen Zügen mehr zu gewinnen.</translation>
    </message>
    <message>
        <source>This deal could not be won from the start: no transfer lost it.</source>
        <translation>Dieses Spiel war von Anfang an nicht zu gewinnen: Kein Zug hat es verloren.</translation>
    </message>
    <message>
        <source>When the game ended it could still be won: no transfer lost it.</source>
        <translation>Als das Spiel endete, war es noch zu gewinnen: Kein Zug hat es verloren.</translation>
    </message>
    <message>
        <source>The searches did not find out in time which transfer lost the game.</source>
        <translation>Die Suche hat nicht rechtzeitig herausgefunden, welcher Zug das Spiel verloren hat.</translation>
    </message>
    <message>
        <source> Losing Move</source>
        <translation> Verlustzug</translation>
    </message>
    <message>
        <source>

Deal %1 again?</source>
        <translation>

Spiel %1 neu geben?</translation>
    </message>
    <message>
        <source>Warn when a transfer loses the game</source>
        <translation>Warnen, wenn ein Zug das Spiel verliert</translation>
    </message>
    <message>
        <source>No card held.</source>
        <translation>Keine Karte in der Hand.</translation>
    </message>
</context>
<context>
    <name>tavolin::TPrefDlg1</name>
    <message>
        <source> Bitmap Load Error</source>
        <translation> Fehler beim Laden des Bildes</translation>
    </message>
    <message>
        <source>Current setting of display options</source>
        <translation>Aktuelle Anzeige-Einstellungen</translation>
    </message>
    <message>
        <source> Environment Preferences</source>
        <translation> Einstellungen</translation>
    </message>
    <message>
        <source>Display Options</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Bitmap Path Info</source>
        <translation>Bildpfad</translation>
    </message>
    <message>
        <source>Suit Selection</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Speed Control</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Status bar display</source>
        <translation>Anzeige der Statusleiste</translation>
    </message>
    <message>
        <source>Transfer details</source>
        <translation>Zugdetails</translation>
    </message>
    <message>
        <source>Side window picture</source>
        <translation>Bild im Seitenfenster</translation>
    </message>
    <message>
        <source>Display Playing Time</source>
        <translation>Spielzeit anzeigen</translation>
    </message>
    <message>
        <source>Display Transfer Info</source>
        <translation>Zuginfo anzeigen</translation>
    </message>
    <message>
        <source>Show Transfer Details ( as long as space permits )</source>
        <translation>Zugdetails zeigen ( soweit Platz ist )</translation>
    </message>
    <message>
        <source>Show picture in side window</source>
        <translation>Bild im Seitenfenster zeigen</translation>
    </message>
    <message>
        <source>Bitmap Path and File Name Info:      </source>
        <translation>Pfad und Dateiname des Bildes:      </translation>
    </message>
    <message>
        <source>Bitmap path and file name</source>
        <translation>Pfad und Dateiname des Bildes</translation>
    </message>
    <message>
        <source>Example: D:\Images\bmp\sw.bmp</source>
        <translation>Beispiel: D:\Images\bmp\sw.bmp</translation>
    </message>
    <message>
        <source>Picture  Dimension required for side window:</source>
        <translation>Nötige Bildgröße fürs Seitenfenster:</translation>
    </message>
    <message>
        <source>Press buttons in the order desired ...</source>
        <translation>Knöpfe in gewünschter Reihenfolge drücken ...</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Speed Adjustment for Automatic Card Moves</source>
        <translation>Tempo der automatischen Kartenzüge</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>langsam</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>schnell</translation>
    </message>
    <message>
        <source>Speed of automatic card moves</source>
        <translation>Tempo der automatischen Kartenzüge</translation>
    </message>
    <message>
        <source>From 1, slow, to 10, fast</source>
        <translation>Von 1, langsam, bis 10, schnell</translation>
    </message>
    <message>
        <source>Move Slider into desired position, then press OK Button.</source>
        <translation>Regler auf die gewünschte Stelle schieben, dann OK drücken.</translation>
    </message>
    <message>
        <source>Defines location of side-window Bitmap</source>
        <translation>Legt den Ort des Seitenfenster-Bildes fest</translation>
    </message>
    <message>
        <source> Picture Width = %1, Height = %2 pixels      </source>
        <translation> Bildbreite = %1, Höhe = %2 Pixel      </translation>
    </message>
    <message>
        <source>Selection needs correct bitmap path name.
See Bitmap Path Info page.</source>
        <translation>Die Auswahl braucht einen gültigen Bildpfad.
Siehe Seite „Bildpfad“.</translation>
    </message>
    <message>
        <source>Selection reset because of bitmap load error.</source>
        <translation>Auswahl zurückgesetzt: Bild nicht ladbar.</translation>
    </message>
    <message>
        <source>Display Options recorded in Registry</source>
        <translation>Anzeige-Einstellungen gespeichert</translation>
    </message>
    <message>
        <source>Edit or confirm side-window Bitmap location</source>
        <translation>Ort des Seitenfenster-Bildes ändern oder bestätigen</translation>
    </message>
    <message>
        <source>No modification recorded</source>
        <translation>Keine Änderung gespeichert</translation>
    </message>
    <message>
        <source>Unable to load Bitmap from that path.</source>
        <translation>Von diesem Pfad ließ sich kein Bild laden.</translation>
    </message>
    <message>
        <source>Bitmap path name invalid. Selection checkbox cleared.</source>
        <translation>Bildpfad ungültig. Auswahl-Häkchen entfernt.</translation>
    </message>
    <message>
        <source>Modified path name stored in Registry. Selection cleared.</source>
        <translation>Geänderter Pfad gespeichert. Auswahl entfernt.</translation>
    </message>
    <message>
        <source>Modified path name stored in Registry.</source>
        <translation>Geänderter Pfad gespeichert.</translation>
    </message>
    <message>
        <source>Assignment of suits to piles.</source>
        <translation>Zuordnung der Farben zu den Stapeln.</translation>
    </message>
    <message>
        <source> Current order: %1%2%3%4            </source>
        <translation> Jetzige Reihenfolge: %1%2%3%4            </translation>
    </message>
    <message>
        <source> New order: %1%2%3%4            </source>
        <translation> Neue Reihenfolge: %1%2%3%4            </translation>
    </message>
    <message>
        <source> New order: %1%2%3%4</source>
        <translation> Neue Reihenfolge: %1%2%3%4</translation>
    </message>
    <message>
        <source>Oh my God, try again. Incorrect selection.</source>
        <translation>Oje, noch einmal. Falsche Auswahl.</translation>
    </message>
    <message>
        <source>New Order recorded in Registry</source>
        <translation>Neue Reihenfolge gespeichert</translation>
    </message>
    <message>
        <source>Current adjustment shown.</source>
        <translation>Aktuelle Einstellung gezeigt.</translation>
    </message>
    <message>
        <source>Value left unchanged</source>
        <translation>Wert unverändert</translation>
    </message>
    <message>
        <source>New value recorded in Registry</source>
        <translation>Neuer Wert gespeichert</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Current order: %1</source>
        <translation>Jetzige Reihenfolge: %1</translation>
    </message>
    <message>
        <source>New order: %1</source>
        <translation>Neue Reihenfolge: %1</translation>
    </message>
    <message>
        <source>%1 page.</source>
        <translation>Seite %1.</translation>
    </message>
</context>
<context>
    <name>tavolin::TStats1Dlg</name>
    <message>
        <source> Statistics Delete Event</source>
        <translation> Statistik löschen</translation>
    </message>
    <message>
        <source>no streaks detected</source>
        <translation>keine Serie</translation>
    </message>
    <message>
        <source>currently won:  one game</source>
        <translation>zuletzt gewonnen:  ein Spiel</translation>
    </message>
    <message>
        <source>currently won:  %1 games in a row</source>
        <translation>%1 Spiele hintereinander gewonnen</translation>
    </message>
    <message>
        <source>currently lost:  one game</source>
        <translation>zuletzt verloren:  ein Spiel</translation>
    </message>
    <message>
        <source>currently lost:  %1 games in a row</source>
        <translation>%1 Spiele hintereinander verloren</translation>
    </message>
    <message>
        <source>This session:                 %1%</source>
        <translation>Diese Sitzung:               %1%</translation>
    </message>
    <message>
        <source>won:     %1</source>
        <translation>gewonnen:  %1</translation>
    </message>
    <message>
        <source>lost:      %1</source>
        <translation>verloren:   %1</translation>
    </message>
    <message>
        <source>Totals:                             %1%</source>
        <translation>Gesamt:                          %1%</translation>
    </message>
    <message>
        <source>Streaks:</source>
        <translation>Serien:</translation>
    </message>
    <message>
        <source> Tavolin Statistics</source>
        <translation> Tavolin-Statistik</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Game should be finished first.</source>
        <translation>Erst das Spiel beenden.</translation>
    </message>
    <message>
        <source>Delete all statistics ?</source>
        <translation>Die ganze Statistik löschen?</translation>
    </message>
    <message>
        <source>Another copy of the game changed the statistics while the question was open, so nothing was deleted. They are shown as they are now.</source>
        <translation>Eine andere laufende Kopie des Spiels hat die Statistik geändert, während die Frage offen war; deshalb wurde nichts gelöscht. Sie wird so gezeigt, wie sie jetzt ist.</translation>
    </message>
    <message>
        <source>The statistics could not be deleted: %1

Nothing was deleted.</source>
        <translation>Die Statistik konnte nicht gelöscht werden: %1

Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>Totals of all games: %1%</source>
        <translation>Alle Spiele insgesamt: %1%</translation>
    </message>
</context>
</TS>
