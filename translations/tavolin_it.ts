<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Box</name>
    <message>
        <source> Transfer to empty Column</source>
        <translation> Mossa in Colonna vuota</translation>
    </message>
    <message>
        <source>Move more than one card ?</source>
        <translation>Spostare più di una carta?</translation>
    </message>
    <message>
        <source>Number of cards permitted to move: only %d.</source>
        <translation>Carte che si possono spostare: solo %d.</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>%s of %s</source>
        <extracomment>A card: its rank, then its suit (&quot;7 of Hearts&quot;); &quot;%2$s %1$s&quot; puts the suit first.</extracomment>
        <translation>%s di %s</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Asso</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Fante</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Cuori</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Quadri</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Picche</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Fiori</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
</context>
<context>
    <name>Deals</name>
    <message>
        <source>&apos;%1&apos; is not a deal number: deals are numbered from 1 to %2.</source>
        <translation>&apos;%1&apos; non è un numero di smazzata: le smazzate vanno da 1 a %2.</translation>
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
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>%1 is held by another program and was not let go within %2 seconds.</source>
        <translation>%1 è tenuto da un altro programma e non è stato liberato entro %2 secondi.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2.</source>
        <translation>Impossibile creare %1: %2.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source> Rank cleared: %ss</source>
        <translation> Tutti e quattro sulle Basi: %s</translation>
    </message>
    <message>
        <source>Transfer Details off by lack of space.</source>
        <translation>Dettagli disattivati: manca lo spazio.</translation>
    </message>
    <message>
        <source>Autom. -&gt; Pile[ %d ]: %s of %s</source>
        <translation>Autom. -&gt; Base[ %d ]: %s di %s</translation>
    </message>
    <message>
        <source>Card selected: %s of %s</source>
        <translation>Carta scelta: %s di %s</translation>
    </message>
    <message>
        <source>Room -&gt; free Room:  %s of %s</source>
        <translation>Cella -&gt; Cella libera:  %s di %s</translation>
    </message>
    <message>
        <source>Deck -&gt; free Room:  %s of %s</source>
        <translation>Scala -&gt; Cella libera:  %s di %s</translation>
    </message>
    <message>
        <source>Room -&gt; Pile: %s of %s</source>
        <translation>Cella -&gt; Base: %s di %s</translation>
    </message>
    <message>
        <source>Deck -&gt; Pile:  %s of %s</source>
        <translation>Scala -&gt; Base:  %s di %s</translation>
    </message>
    <message>
        <source>Room -&gt; Column:  %s of %s</source>
        <translation>Cella -&gt; Colonna:  %s di %s</translation>
    </message>
    <message>
        <source>Deck -&gt; Column:  %s of %s</source>
        <translation>Scala -&gt; Colonna:  %s di %s</translation>
    </message>
    <message>
        <source>Deck -&gt; Column:  %d cards</source>
        <translation>Scala -&gt; Colonna:  %d carte</translation>
    </message>
    <message>
        <source>Deck -&gt; empty Column:  %d cards</source>
        <translation>Scala -&gt; Colonna vuota:  %d carte</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Room %1</source>
        <translation>Cella %1</translation>
    </message>
    <message>
        <source>Pile %1</source>
        <translation>Base %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 carte</translation>
    </message>
    <message>
        <source>Hint: %1 from %2</source>
        <translation>Suggerimento: %1, %2</translation>
    </message>
    <message>
        <source>%1to the empty %2</source>
        <translation>%1nella %2 vuota</translation>
    </message>
    <message>
        <source>alone </source>
        <translation>da sola </translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>an Ace</comment>
        <extracomment>Where the hinted card goes: onto the top card of a Column, whose rank is the one this entry is for; %1 is that card, %2 the Column.</extracomment>
        <translation>sull&apos;%1 nella %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 2</comment>
        <translation>sul %1 nella %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 3</comment>
        <translation>sul %1 nella %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 4</comment>
        <translation>sul %1 nella %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 5</comment>
        <translation>sul %1 nella %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 6</comment>
        <translation>sul %1 nella %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 7</comment>
        <translation>sul %1 nella %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>an 8</comment>
        <translation>sull&apos;%1 nella %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 9</comment>
        <translation>sul %1 nella %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 10</comment>
        <translation>sul %1 nella %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a Jack</comment>
        <translation>sul %1 nella %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a Queen</comment>
        <translation>sulla %1 nella %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a King</comment>
        <translation>sul %1 nella %2</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>a Room</comment>
        <translation>nella %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>a Pile</comment>
        <translation>sulla %1</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <translation>%1 dalla %2 %3</translation>
    </message>
    <message>
        <source>Lost by %1 to %2</source>
        <translation>Persa: %1 nella %2</translation>
    </message>
    <message>
        <source>Undo takes it back.</source>
        <translation>La mossa si può ancora annullare.</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Automatic Move Detection</source>
        <translation>Rilevamento automatico mosse</translation>
    </message>
    <message>
        <source>Comments &amp; Hints</source>
        <translation>Commenti &amp; suggerimenti</translation>
    </message>
    <message>
        <source>Room to Pile: 0</source>
        <translation>Cella a Base: 0</translation>
    </message>
    <message>
        <source>Room to Deck: 0</source>
        <translation>Cella a Scala: 0</translation>
    </message>
    <message>
        <source>Deck to Pile: 0</source>
        <translation>Scala a Base: 0</translation>
    </message>
    <message>
        <source>Column to Column: 0</source>
        <translation>Colonna a Colonna: 0</translation>
    </message>
    <message>
        <source> RoomToPile: %d</source>
        <translation> CellaBase: %d</translation>
    </message>
    <message>
        <source> RoomToDeck: %d</source>
        <translation> CellaScala: %d</translation>
    </message>
    <message>
        <source>Deck to Pile: %d</source>
        <translation>Scala a Base: %d</translation>
    </message>
    <message>
        <source>Column to Column: %d</source>
        <translation>Colonna a Colonna: %d</translation>
    </message>
    <message>
        <source>Free Rooms</source>
        <translation>Celle libere</translation>
    </message>
    <message>
        <source>Nice day, to-day.</source>
        <translation>Bella giornata, oggi.</translation>
    </message>
    <message>
        <source>Take your pick.</source>
        <translation>A te la scelta.</translation>
    </message>
    <message>
        <source>See you later, alligator.</source>
        <translation>Ciao ciao, alla prossima.</translation>
    </message>
    <message>
        <source>Or try your luck in a new game.</source>
        <translation>O tenta la sorte in un&apos;altra partita.</translation>
    </message>
    <message>
        <source>Running into a pocket?</source>
        <translation>Finito in un vicolo cieco?</translation>
    </message>
    <message>
        <source>First card at origin is %s of %s</source>
        <translation>Prima carta all&apos;origine: %s di %s</translation>
    </message>
    <message>
        <source>First card doesn&apos;t match target.</source>
        <translation>La prima carta non va sull&apos;obiettivo.</translation>
    </message>
    <message>
        <source>Card number %d no match for previous card.</source>
        <translation>La carta numero %d non va sulla precedente.</translation>
    </message>
    <message>
        <source>Card number %d matches target.</source>
        <translation>La carta numero %d va sull&apos;obiettivo.</translation>
    </message>
    <message>
        <source>Last card number %d processed: %d</source>
        <translation>Ultima carta esaminata, numero %d: %d</translation>
    </message>
    <message>
        <source>Card number %d is %s of %s</source>
        <translation>La carta numero %d è %s di %s</translation>
    </message>
    <message>
        <source>Card Tranfer Info</source>
        <translation>Info sulla mossa</translation>
    </message>
    <message>
        <source>Search Details</source>
        <translation>Dettagli ricerca</translation>
    </message>
    <message>
        <source>Result returned from destination</source>
        <translation>Risultato dalla destinazione</translation>
    </message>
    <message>
        <source>Selected origin:  %s of %s</source>
        <translation>Origine scelta:  %s di %s</translation>
    </message>
    <message>
        <source>Selected target:  none, empty column</source>
        <translation>Obiettivo scelto:  nessuno, colonna vuota</translation>
    </message>
    <message>
        <source>Selected target:  %s of %s</source>
        <translation>Obiettivo scelto:  %s di %s</translation>
    </message>
    <message>
        <source>Destination:  Column number %d</source>
        <translation>Destinazione:  Colonna numero %d</translation>
    </message>
    <message>
        <source>Ready for tranfer of single card.</source>
        <translation>Pronto a spostare una sola carta.</translation>
    </message>
    <message>
        <source>Try other destination.</source>
        <translation>Prova un&apos;altra destinazione.</translation>
    </message>
    <message>
        <source>Ready for tranfer of single deck card.</source>
        <translation>Pronto a spostare una Scala di una carta.</translation>
    </message>
    <message>
        <source>Selected card matches target.</source>
        <translation>La carta scelta va sull&apos;obiettivo.</translation>
    </message>
    <message>
        <source>Card missing in selected column.</source>
        <translation>Manca la carta nella colonna scelta.</translation>
    </message>
    <message>
        <source>Try other target.</source>
        <translation>Prova un altro obiettivo.</translation>
    </message>
    <message>
        <source>%d cards at origin match target.</source>
        <translation>%d carte all&apos;origine vanno sull&apos;obiettivo.</translation>
    </message>
    <message>
        <source>Ready for transfer of single card.</source>
        <translation>Pronto a spostare una sola carta.</translation>
    </message>
    <message>
        <source>Ready for tranfer of %d deck cards.</source>
        <translation>Pronto a spostare una Scala di %d carte.</translation>
    </message>
</context>
<context>
    <name>Pointer</name>
    <message>
        <source>Target is free Room number %1</source>
        <translation>Obiettivo: Cella libera numero %1</translation>
    </message>
    <message>
        <source>Target card: none</source>
        <translation>Carta obiettivo: nessuna</translation>
    </message>
    <message>
        <source>Target is empty Column number %1</source>
        <translation>Obiettivo: Colonna vuota numero %1</translation>
    </message>
    <message>
        <source>Target is Column number %1</source>
        <translation>Obiettivo: Colonna numero %1</translation>
    </message>
    <message>
        <source>Target is Pile number %1</source>
        <translation>Obiettivo: Base numero %1</translation>
    </message>
    <message>
        <source>Cards ready for transfer: %1</source>
        <translation>Carte pronte da spostare: %1</translation>
    </message>
    <message>
        <source>Target card is %s of %s</source>
        <translation>Carta obiettivo: %s di %s</translation>
    </message>
</context>
<context>
    <name>QtRegistry</name>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>%1 is empty, so the statistics and settings it held are lost.</source>
        <translation>%1 è vuoto: le statistiche e le preferenze che conteneva sono perse.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, far more than the game ever writes: only its start was read.</source>
        <translation>%1 supera %2 KiB, molto più di quanto il gioco scriva mai: è stato letto solo l&apos;inizio.</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>is not readable text</source>
        <translation>non è testo leggibile</translation>
    </message>
    <message>
        <source>is not under any [key]</source>
        <translation>non sta sotto nessuna [chiave]</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>non si è potuta leggere</translation>
    </message>
    <message>
        <source>line %1 </source>
        <translation>riga %1 </translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una pipe con nome</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>altro</translation>
    </message>
    <message>
        <source>%1 is not a regular file but %2; the game leaves it as it is.</source>
        <translation>%1 non è un file normale ma %2; il gioco lo lascia com&apos;è.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist; the game leaves it as it is.</source>
        <translation>%1 è un collegamento a un file che non esiste; il gioco lo lascia com&apos;è.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source> Settings</source>
        <translation> Impostazioni</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; %2 is used.</source>
        <translation>Impossibile leggere &quot;%1&quot;; si usa %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was %2; %3 is used.</source>
        <translation>&quot;%1&quot; era %2; si usa %3.</translation>
    </message>
    <message>
        <source>The suits of the Piles were %1, %2, %3, %4, which leaves a suit without a Pile; the usual order is used.</source>
        <translation>I semi delle Basi erano %1, %2, %3, %4, e così un seme resta senza Base; si usa l&apos;ordine consueto.</translation>
    </message>
    <message>
        <source>Some saved settings could not be used as they were, so the game has replaced them:

</source>
        <translation>Alcune impostazioni salvate non si potevano usare così com&apos;erano, quindi il gioco le ha sostituite:

</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... e altre %1.</translation>
    </message>
    <message>
        <source>

The settings file as it was is kept in %1.</source>
        <translation>

Il file delle impostazioni com&apos;era è conservato in %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1

The game goes on with the settings as they are now, and saves what could not be saved with the next change that can be saved.</source>
        <translation>Non è stato possibile salvare le preferenze: %1

Il gioco prosegue con le preferenze attuali e salverà ciò che manca con la prossima modifica che si potrà salvare.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Non è stato possibile salvare le preferenze: %1</translation>
    </message>
    <message>
        <source>

The results of this run that wait to be saved (won: %1, lost: %2) could not be kept either: %3</source>
        <translation>

Non è stato possibile conservare nemmeno i risultati di questa sessione in attesa di essere salvati (vinte: %1, perse: %2): %3</translation>
    </message>
    <message>
        <source>

The results of this run that wait to be saved (won: %1, lost: %2) are kept in %3, and the next start of the game counts them.</source>
        <translation>

I risultati di questa sessione in attesa di essere salvati (vinte: %1, perse: %2) sono conservati in %3, e il prossimo avvio del gioco li conterà.</translation>
    </message>
    <message>
        <source>

The window&apos;s place and the preferences changed since the last save are not saved.</source>
        <translation>

La posizione della finestra e le preferenze cambiate dall&apos;ultimo salvataggio non vengono salvate.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>covered</source>
        <translation>coperta</translation>
    </message>
    <message>
        <source>Deck to Pile</source>
        <translation>Scala a Base</translation>
    </message>
    <message>
        <source>Room to Pile</source>
        <translation>Cella a Base</translation>
    </message>
    <message>
        <source>Room to Deck</source>
        <translation>Cella a Scala</translation>
    </message>
    <message>
        <source>Column to Column</source>
        <translation>Colonna a Colonna</translation>
    </message>
    <message>
        <source> from </source>
        <translation> da </translation>
    </message>
    <message>
        <source>No move found.</source>
        <translation>Nessuna mossa trovata.</translation>
    </message>
    <message>
        <source>Information panel</source>
        <translation>Pannello informazioni</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tavolo</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Cella</translation>
    </message>
    <message>
        <source>Pile</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonna</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 carta</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 carte</translation>
    </message>
    <message>
        <source>, empty, for %1</source>
        <translation>, vuota, per %1</translation>
    </message>
    <message>
        <source>, empty</source>
        <translation>, vuota</translation>
    </message>
    <message>
        <source>, %1, top %2</source>
        <translation>, %1, in cima %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>%1 moved %2.</source>
        <translation>Spostato %1 %2.</translation>
    </message>
    <message>
        <source>%1 moved %2, %3 on top.</source>
        <translation>Spostate %1 %2, in cima %3.</translation>
    </message>
    <message>
        <source>%1 went by itself from %2 to %3.</source>
        <translation>%1 è andato da solo da %2 a %3.</translation>
    </message>
    <message>
        <source>%1 back to %2.</source>
        <translation>%1 torna nella %2.</translation>
    </message>
    <message>
        <source>Move undone.</source>
        <translation>Mossa annullata.</translation>
    </message>
    <message>
        <source>%1 held.</source>
        <translation>%1 in mano.</translation>
    </message>
    <message>
        <source>Refused: %1 put back.</source>
        <translation>Mossa non valida: %1 torna al suo posto.</translation>
    </message>
    <message>
        <source>%1 put back.</source>
        <translation>%1 torna al suo posto.</translation>
    </message>
    <message>
        <source>No Pile takes %1.</source>
        <translation>Nessuna Base accetta %1.</translation>
    </message>
    <message>
        <source>%1 does not go to %2.</source>
        <translation>%1 non può andare nella %2.</translation>
    </message>
    <message>
        <source>Still held.</source>
        <translation>Ancora in mano.</translation>
    </message>
    <message>
        <source>, on </source>
        <translation>, su </translation>
    </message>
    <message>
        <source>, under </source>
        <translation>, sotto </translation>
    </message>
    <message>
        <source>%1 from the top: %2.</source>
        <translation>%1 dall&apos;alto in basso: %2.</translation>
    </message>
    <message>
        <source>%1 from the bottom: %2.</source>
        <translation>%1 dal basso in alto: %2.</translation>
    </message>
</context>
<context>
    <name>tavolin::HowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Il gioco</translation>
    </message>
    <message>
        <source>One pack of 52 cards is dealt face up into eight Columns. Above them lie four Rooms, each holding one card, and four Piles, one for each suit, built up from Ace to King.</source>
        <translation>Un mazzo di 52 carte viene distribuito scoperto in otto Colonne. Sopra di esse ci sono quattro Celle, ognuna per una sola carta, e quattro Basi, una per seme, da costruire dall&apos;Asso al Re.</translation>
    </message>
    <message>
        <source>You win when all 52 cards are on the Piles. You lose when no Room and no Column is free and no move is left.</source>
        <translation>Vinci quando tutte le 52 carte sono sulle Basi. Perdi quando nessuna Cella e nessuna Colonna è libera e non resta alcuna mossa.</translation>
    </message>
    <message>
        <source>Moving cards</source>
        <translation>Spostare le carte</translation>
    </message>
    <message>
        <source>Move the top card of a Column, or the card in a Room: drag it onto its target, or click it and then click the target.</source>
        <translation>Sposta la carta in cima a una Colonna, o la carta in una Cella: trascinala sull&apos;obiettivo, oppure fai clic su di essa e poi sull&apos;obiettivo.</translation>
    </message>
    <message>
        <source>On a Column a card goes onto a card one rank higher of the other colour, a red Five on a black Six. With the card you hold go the cards above it that form a run of alternating colours: the Deck. A Deck may be as long as one card plus one for every free Room and every empty Column.</source>
        <translation>Su una Colonna una carta va su una carta di valore più alto di uno e di colore opposto: un Cinque rosso su un Sei nero. Con la carta che prendi si spostano le carte sopra di essa che formano una sequenza a colori alterni: la Scala. Una Scala può essere lunga una carta più una per ogni Cella libera e ogni Colonna vuota.</translation>
    </message>
    <message>
        <source>Any card may go into an empty Room or an empty Column; an Ace never goes into a Room.</source>
        <translation>Qualsiasi carta può andare in una Cella vuota o in una Colonna vuota; un Asso non va mai in una Cella.</translation>
    </message>
    <message>
        <source>Each Pile takes only its own suit, chosen in the preferences, Ace first. Cards that can safely go to their Pile travel there by themselves.</source>
        <translation>Ogni Base accetta solo il proprio seme, scelto nelle preferenze, a partire dall&apos;Asso. Le carte che possono andare senza rischio sulla loro Base ci vanno da sole.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Game → New game deals a game. Deal by Number deals a game by its number, and Restart Deal deals the current one again from the start.</source>
        <translation>Partita → Nuova partita distribuisce una partita. Distribuisci per numero distribuisce una partita dato il suo numero, e Ricomincia smazzata distribuisce di nuovo quella attuale dall&apos;inizio.</translation>
    </message>
    <message>
        <source>Game → Finish game, the leaf button between the Rooms and the Piles, or quitting during a game counts the game as lost. With no game the leaf button clears the table.</source>
        <translation>Partita → Termina partita, il pulsante con la foglia tra le Celle e le Basi, o l&apos;uscita durante una partita fanno contare la partita come persa. Senza partita il pulsante con la foglia sgombera il tavolo.</translation>
    </message>
    <message>
        <source>Undo, the button or Move → Undo Move, takes your last transfer back together with the cards that went to the Piles after it. It works once, right after a transfer.</source>
        <translation>Annulla, il pulsante o Mossa → Annulla mossa, ritira la tua ultima mossa insieme alle carte andate sulle Basi dopo di essa. Funziona una volta, subito dopo una mossa.</translation>
    </message>
    <message>
        <source>Move → Hint names the next transfer of a winning line in the status bar and frames its cards; nothing moves.</source>
        <translation>Mossa → Suggerimento indica nella barra di stato la prossima mossa di una soluzione vincente e ne incornicia le carte; nulla si muove.</translation>
    </message>
    <message>
        <source>Game → Statistics shows your wins, your losses and the current streak. Game → Preferences chooses what the status bar and the panel below the Columns show, the suit of each Pile and the speed of the cards.</source>
        <translation>Partita → Statistiche mostra le tue vittorie, le tue sconfitte e la serie attuale. Partita → Preferenze sceglie cosa mostrano la barra di stato e il pannello sotto le Colonne, il seme di ogni Base e la velocità delle carte.</translation>
    </message>
    <message>
        <source>The move panel</source>
        <translation>Il pannello delle mosse</translation>
    </message>
    <message>
        <source>Show, the button or Move → Show Moves, shows or hides a panel below the Columns that counts the moves possible now: Room to Pile, Room to Deck (a Room&apos;s card onto a Column), Deck to Pile (a Column&apos;s top card onto its Pile) and Column to Column.</source>
        <translation>Mostra, il pulsante o Mossa → Mostra mosse, mostra o nasconde sotto le Colonne un pannello che conta le mosse possibili ora: Cella a Base, Cella a Scala (la carta di una Cella su una Colonna), Scala a Base (la carta in cima a una Colonna sulla sua Base) e Colonna a Colonna.</translation>
    </message>
    <message>
        <source>A green disc marks each Room or Column a move of that kind starts from, a red disc one with none, an empty square an empty Column. Free Rooms shows the four Rooms, a red disc for each one taken. Comments &amp; Hints greets a new game and warns when no Room and no Column is left free.</source>
        <translation>Un disco verde segna ogni Cella o Colonna da cui parte una mossa di quel tipo, un disco rosso quelle senza, un quadrato vuoto una Colonna vuota. Celle libere mostra le quattro Celle, con un disco rosso per ognuna occupata. Commenti &amp; suggerimenti saluta una nuova partita e avvisa quando non resta libera nessuna Cella e nessuna Colonna.</translation>
    </message>
    <message>
        <source>The details panel</source>
        <translation>Il pannello dei dettagli</translation>
    </message>
    <message>
        <source>With Show Transfer Details chosen in the preferences, the same place shows instead how a transfer is searched while you hold a card over a Column: the card held, the target, each card of the Deck in turn, and the result, green when the cards may go and yellow when not. While it is on, Show Moves is not offered. It goes off by itself when a Column grows into its place.</source>
        <translation>Con Mostra dettagli mosse scelto nelle preferenze, lo stesso spazio mostra invece come si cerca una mossa mentre tieni una carta sopra una Colonna: la carta tenuta, l&apos;obiettivo, ogni carta della Scala a turno e il risultato, verde quando le carte possono andare e giallo quando no. Mentre è attivo, Mostra mosse non è disponibile. Si spegne da solo quando una Colonna cresce fino al suo spazio.</translation>
    </message>
    <message>
        <source>The status bar</source>
        <translation>La barra di stato</translation>
    </message>
    <message>
        <source>From the left: the hint of the menu item under the pointer, the cards left and the card you hold; the start and end of the game, transfers to the Rooms and the ranks cleared; the playing time or, with Display Transfer Info, each transfer and each automatic move to a Pile. On a wide window the deal number stands at the right.</source>
        <translation>Da sinistra: la descrizione della voce di menu sotto il puntatore, le carte rimaste e la carta che tieni; l&apos;inizio e la fine della partita, le mosse nelle Celle e i valori finiti tutti e quattro sulle Basi; il tempo di gioco o, con Mostra info mosse, ogni mossa tua e ogni mossa automatica su una Base. In una finestra larga il numero della smazzata compare a destra.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>The table takes the keys while the main window is active. The play keys do nothing while a card travels to its Pile, while a box is open, or with no game.</source>
        <translation>Il tavolo riceve i tasti mentre la finestra principale è attiva. I tasti di gioco non fanno nulla mentre una carta viaggia verso la sua Base, mentre è aperta una finestra di dialogo o senza partita.</translation>
    </message>
    <message>
        <source>The Columns, left to right: pick up the top card, or drop the held card there</source>
        <translation>Le Colonne, da sinistra a destra: prendi la carta in cima, o posa lì la carta tenuta</translation>
    </message>
    <message>
        <source>The Rooms, left to right: pick up the card, or drop the held card there</source>
        <translation>Le Celle, da sinistra a destra: prendi la carta, o posa lì la carta tenuta</translation>
    </message>
    <message>
        <source>The Piles: drop the held card on the Pile that takes it</source>
        <translation>Le Basi: posa la carta tenuta sulla Base che la accetta</translation>
    </message>
    <message>
        <source>Put the held card back</source>
        <translation>Rimetti a posto la carta tenuta</translation>
    </message>
    <message>
        <source>Move the keyboard cursor between the Rooms, the Piles and the Columns</source>
        <translation>Sposta il cursore della tastiera tra le Celle, le Basi e le Colonne</translation>
    </message>
    <message>
        <source>Act on the place under the keyboard cursor, as its key does</source>
        <translation>Agisci sul posto sotto il cursore della tastiera, come fa il suo tasto</translation>
    </message>
    <message>
        <source>Move between the table and the buttons</source>
        <translation>Passa dal tavolo ai pulsanti e viceversa</translation>
    </message>
    <message>
        <source>Do what the hint said and the next hint goes on along the same line: following the hints wins the game, and never comes back to a table it passed.</source>
        <translation>Fai ciò che ha detto il suggerimento e il successivo prosegue sulla stessa soluzione: seguendo i suggerimenti si vince la partita, senza mai tornare a una posizione già vista.</translation>
    </message>
    <message>
        <source>Once a game is lost, Move → Losing Move names the transfer that lost it, made on the last table from which the game could still be won, and offers to deal the same deal again. With Move → Warn of Losing Moves checked, the status bar says so at once when a transfer loses the game, while Undo can still take it back.</source>
        <translation>Persa una partita, Mossa → Mossa perdente indica la mossa che l&apos;ha persa, fatta nell&apos;ultima posizione da cui la partita si poteva ancora vincere, e propone di ridistribuire la stessa smazzata. Con Mossa → Avvisa delle mosse perdenti spuntato, la barra di stato lo dice subito quando una mossa perde la partita, finché si può ancora annullarla.</translation>
    </message>
    <message>
        <source>With a screen reader: read the place under the keyboard cursor card by card, from the top card down</source>
        <translation>Con un lettore di schermo: leggi il posto sotto il cursore della tastiera carta per carta, dalla carta in cima in giù</translation>
    </message>
    <message>
        <source>With a screen reader: read the place under the keyboard cursor card by card, from the first card up</source>
        <translation>Con un lettore di schermo: leggi il posto sotto il cursore della tastiera carta per carta, dalla prima carta in su</translation>
    </message>
</context>
<context>
    <name>tavolin::TAboutBox</name>
    <message>
        <source>Tavolin is a solitaire for one player. One pack of 52 cards is dealt face up into eight Columns; every card has to reach its Pile, from Ace up to King, by way of the Columns and the four Rooms.

Questions, ideas and reports of faults are welcome at tavolin@example.org.

Further help and hints on play are on the Tavolin web page given above.</source>
        <translation>Tavolin è un solitario per un giocatore. Un mazzo di 52 carte viene distribuito scoperto in otto Colonne; ogni carta deve raggiungere la sua Base, dall&apos;Asso fino al Re, passando per le Colonne e le quattro Celle.

Domande, idee e segnalazioni di errori sono benvenute a tavolin@example.org.

Altro aiuto e consigli di gioco si trovano sulla pagina web di Tavolin indicata sopra.</translation>
    </message>
    <message>
        <source>URL copied to Clipboard</source>
        <translation>URL copiato negli appunti</translation>
    </message>
    <message>
        <source> About this game... </source>
        <translation> Informazioni sul gioco... </translation>
    </message>
    <message>
        <source>Version 2.2 XP,   Release Number 1 </source>
        <translation>Versione 2.2 XP,   rilascio numero 1 </translation>
    </message>
    <message>
        <source>Created for enjoyment and study by  </source>
        <translation>Creato per svago e studio da  </translation>
    </message>
    <message>
        <source>Copy URL to Clipboard</source>
        <translation>Copia URL negli appunti</translation>
    </message>
</context>
<context>
    <name>tavolin::TCalendarForm</name>
    <message>
        <source> A Calendar, for your convenience</source>
        <translation> Un calendario, per comodità</translation>
    </message>
</context>
<context>
    <name>tavolin::TForm1</name>
    <message>
        <source> New Game Selection</source>
        <translation> Scelta nuova partita</translation>
    </message>
    <message>
        <source>Current game not finished yet.</source>
        <translation>La partita in corso non è ancora finita.</translation>
    </message>
    <message>
        <source> Game Control</source>
        <translation> Controllo partita</translation>
    </message>
    <message>
        <source>End the current game ?</source>
        <translation>Terminare la partita in corso?</translation>
    </message>
    <message>
        <source> Closing Event</source>
        <translation> Chiusura</translation>
    </message>
    <message>
        <source>Quit game and exit ?</source>
        <translation>Abbandonare la partita e uscire?</translation>
    </message>
    <message>
        <source>&amp;Restart Deal</source>
        <translation>&amp;Ricomincia smazzata</translation>
    </message>
    <message>
        <source>Deal the current or last game again</source>
        <translation>Ridistribuisci la partita attuale o l&apos;ultima</translation>
    </message>
    <message>
        <source>&amp;Deal by Number...</source>
        <translation>&amp;Distribuisci per numero...</translation>
    </message>
    <message>
        <source>Deal a game by its number</source>
        <translation>Distribuisci una partita per numero</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>Name a move that leads to a win</source>
        <translation>Indica una mossa che porta alla vittoria</translation>
    </message>
    <message>
        <source> Deal by Number</source>
        <translation> Distribuisci per numero</translation>
    </message>
    <message>
        <source>Deal number, 1 to %1:</source>
        <translation>Numero della smazzata, da 1 a %1:</translation>
    </message>
    <message>
        <source>Deal %1 </source>
        <translation>Smazzata %1 </translation>
    </message>
    <message>
        <source>&amp;Restart Deal %1</source>
        <translation>&amp;Ricomincia smazzata %1</translation>
    </message>
    <message>
        <source>Game started at </source>
        <translation>Partita iniziata alle </translation>
    </message>
    <message>
        <source>Transfer Info selected</source>
        <translation>Info mosse scelta</translation>
    </message>
    <message>
        <source> Number of Cards left:  %1</source>
        <translation> Carte rimaste:  %1</translation>
    </message>
    <message>
        <source> No move left. Game finished.</source>
        <translation> Nessuna mossa rimasta. Partita finita.</translation>
    </message>
    <message>
        <source>Hint: looking for a winning line...</source>
        <translation>Suggerimento: cerco una soluzione...</translation>
    </message>
    <message>
        <source>Hint: this game can no longer be won.</source>
        <translation>Suggerimento: partita ormai persa.</translation>
    </message>
    <message>
        <source>Hint: no winning line found in time.</source>
        <translation>Suggerimento: nulla trovato in tempo.</translation>
    </message>
    <message>
        <source>Load Error from DLL: Bitmap number %1</source>
        <translation>Errore di caricamento dalla DLL: bitmap numero %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Inizia una nuova partita</translation>
    </message>
    <message>
        <source>&amp;Finish game</source>
        <translation>&amp;Termina partita</translation>
    </message>
    <message>
        <source>Finish current game</source>
        <translation>Termina la partita in corso</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiche</translation>
    </message>
    <message>
        <source>Inspect or correct statistics</source>
        <translation>Consulta o correggi le statistiche</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferenze</translation>
    </message>
    <message>
        <source>Choose from preferences offered</source>
        <translation>Scegli tra le preferenze offerte</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Close application window, exit.</source>
        <translation>Chiudi la finestra dell&apos;applicazione, esci.</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mossa</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>&amp;Annulla mossa</translation>
    </message>
    <message>
        <source>Undo latest move</source>
        <translation>Annulla l&apos;ultima mossa</translation>
    </message>
    <message>
        <source>&amp;Show Moves</source>
        <translation>&amp;Mostra mosse</translation>
    </message>
    <message>
        <source>Toggles information on possible moves</source>
        <translation>Mostra o nasconde le mosse possibili</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About this Game</source>
        <translation>&amp;Informazioni sul gioco</translation>
    </message>
    <message>
        <source>Displays application info</source>
        <translation>Mostra informazioni sull&apos;applicazione</translation>
    </message>
    <message>
        <source>Show &amp;Date</source>
        <translation>Mostra &amp;data</translation>
    </message>
    <message>
        <source>Displays a calendar</source>
        <translation>Mostra un calendario</translation>
    </message>
    <message>
        <source>Finish game</source>
        <translation>Termina partita</translation>
    </message>
    <message>
        <source>Finish the game, or clear the table</source>
        <translation>Termina la partita o sgombera il tavolo</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source> Dir: </source>
        <translation> Cartella: </translation>
    </message>
    <message>
        <source>Main form: %1 x %2 pixels</source>
        <translation>Finestra principale: %1 x %2 pixel</translation>
    </message>
    <message>
        <source> hrs.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Playing Time: mins </source>
        <translation>Tempo di gioco: min </translation>
    </message>
    <message>
        <source> secs</source>
        <translation> sec</translation>
    </message>
    <message>
        <source> Card Table Control</source>
        <translation> Controllo del tavolo</translation>
    </message>
    <message>
        <source>This program requires a screen resolution of 
at least 800 x 600, or 1024 x 768 pixels.</source>
        <translation>Questo programma richiede una risoluzione dello schermo 
di almeno 800 x 600, o 1024 x 768 pixel.</translation>
    </message>
    <message>
        <source> Library used: VelvetRes2.DLL</source>
        <translation> Libreria usata: VelvetRes2.DLL</translation>
    </message>
    <message>
        <source> DLL Load Error</source>
        <translation> Errore di caricamento DLL</translation>
    </message>
    <message>
        <source> Unable to load &apos;VelvetRes2.DLL&apos;.</source>
        <translation> Impossibile caricare &apos;VelvetRes2.DLL&apos;.</translation>
    </message>
    <message>
        <source> Current Directory</source>
        <translation> Cartella corrente</translation>
    </message>
    <message>
        <source> Load Error</source>
        <translation> Errore di caricamento</translation>
    </message>
    <message>
        <source>Unable to load side-window Bitmap.</source>
        <translation>Impossibile caricare la bitmap della finestra laterale.</translation>
    </message>
    <message>
        <source>Game won at </source>
        <translation>Partita vinta alle </translation>
    </message>
    <message>
        <source> Game Result</source>
        <translation> Risultato della partita</translation>
    </message>
    <message>
        <source>Congratulations, you won!</source>
        <translation>Complimenti, hai vinto!</translation>
    </message>
    <message>
        <source>Game finished at </source>
        <translation>Partita finita alle </translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Come si gioca</translation>
    </message>
    <message>
        <source>Explains the game, its keys and panels</source>
        <translation>Spiega il gioco, i tasti e i pannelli</translation>
    </message>
    <message>
        <source>The large cards need a screen at least %1 pixels wide, and this one is %2 pixels wide: the small cards are used.</source>
        <translation>Le carte grandi richiedono uno schermo largo almeno %1 pixel, e questo è largo %2 pixel: si usano le carte piccole.</translation>
    </message>
    <message>
        <source>Deal %1 dealt.</source>
        <translation>Smazzata %1 distribuita.</translation>
    </message>
    <message>
        <source>&amp;Losing Move</source>
        <translation>Mossa &amp;perdente</translation>
    </message>
    <message>
        <source>Name the transfer that lost the last game</source>
        <translation>Indica la mossa che ha perso la partita</translation>
    </message>
    <message>
        <source>&amp;Warn of Losing Moves</source>
        <translation>A&amp;vvisa delle mosse perdenti</translation>
    </message>
    <message>
        <source>Looking for the move that lost the game...</source>
        <translation>Cerco la mossa perdente...</translation>
    </message>
    <message>
        <source>Transfer %1 lost the game: %2.

Before it the game could still be won; after it no sequence of transfers could win it.</source>
        <translation>La mossa %1 ha perso la partita: %2.

Prima di essa la partita si poteva ancora vincere; dopo, nessuna combinazione di mosse poteva più vincerla.</translation>
    </message>
    <message>
        <source>This deal could not be won from the start: no transfer lost it.</source>
        <translation>Questa smazzata non si poteva vincere fin dall&apos;inizio: nessuna mossa l&apos;ha persa.</translation>
    </message>
    <message>
        <source>When the game ended it could still be won: no transfer lost it.</source>
        <translation>Quando la partita è finita si poteva ancora vincere: nessuna mossa l&apos;ha persa.</translation>
    </message>
    <message>
        <source>The searches did not find out in time which transfer lost the game.</source>
        <translation>La ricerca non ha scoperto in tempo quale mossa ha perso la partita.</translation>
    </message>
    <message>
        <source> Losing Move</source>
        <translation> Mossa perdente</translation>
    </message>
    <message>
        <source>

Deal %1 again?</source>
        <translation>

Ricominciare la smazzata %1?</translation>
    </message>
    <message>
        <source>Warn when a transfer loses the game</source>
        <translation>Avvisa quando una mossa perde la partita</translation>
    </message>
    <message>
        <source>No card held.</source>
        <translation>Nessuna carta in mano.</translation>
    </message>
</context>
<context>
    <name>tavolin::TPrefDlg1</name>
    <message>
        <source> Bitmap Load Error</source>
        <translation> Errore di caricamento bitmap</translation>
    </message>
    <message>
        <source>Current setting of display options</source>
        <translation>Impostazione attuale delle opzioni di visualizzazione</translation>
    </message>
    <message>
        <source> Environment Preferences</source>
        <translation> Preferenze</translation>
    </message>
    <message>
        <source>Display Options</source>
        <translation>Visualizzazione</translation>
    </message>
    <message>
        <source>Bitmap Path Info</source>
        <translation>Percorso bitmap</translation>
    </message>
    <message>
        <source>Suit Selection</source>
        <translation>Scelta dei semi</translation>
    </message>
    <message>
        <source>Speed Control</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Status bar display</source>
        <translation>Barra di stato</translation>
    </message>
    <message>
        <source>Transfer details</source>
        <translation>Dettagli mosse</translation>
    </message>
    <message>
        <source>Side window picture</source>
        <translation>Immagine laterale</translation>
    </message>
    <message>
        <source>Display Playing Time</source>
        <translation>Mostra tempo di gioco</translation>
    </message>
    <message>
        <source>Display Transfer Info</source>
        <translation>Mostra info mosse</translation>
    </message>
    <message>
        <source>Show Transfer Details ( as long as space permits )</source>
        <translation>Mostra dettagli mosse ( se lo spazio lo consente )</translation>
    </message>
    <message>
        <source>Show picture in side window</source>
        <translation>Mostra immagine nella finestra laterale</translation>
    </message>
    <message>
        <source>Bitmap Path and File Name Info:      </source>
        <translation>Percorso e nome del file bitmap:      </translation>
    </message>
    <message>
        <source>Bitmap path and file name</source>
        <translation>Percorso e nome del file bitmap</translation>
    </message>
    <message>
        <source>Example: D:\Images\bmp\sw.bmp</source>
        <translation>Esempio: D:\Immagini\bmp\sw.bmp</translation>
    </message>
    <message>
        <source>Picture  Dimension required for side window:</source>
        <translation>Dimensioni  richieste per l&apos;immagine laterale:</translation>
    </message>
    <message>
        <source>Press buttons in the order desired ...</source>
        <translation>Premi i pulsanti nell&apos;ordine voluto ...</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Cuori</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Quadri</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Picche</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Fiori</translation>
    </message>
    <message>
        <source>Speed Adjustment for Automatic Card Moves</source>
        <translation>Velocità delle mosse automatiche</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lento</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>veloce</translation>
    </message>
    <message>
        <source>Speed of automatic card moves</source>
        <translation>Velocità delle mosse automatiche delle carte</translation>
    </message>
    <message>
        <source>From 1, slow, to 10, fast</source>
        <translation>Da 1, lento, a 10, veloce</translation>
    </message>
    <message>
        <source>Move Slider into desired position, then press OK Button.</source>
        <translation>Porta il cursore nella posizione voluta, poi premi OK.</translation>
    </message>
    <message>
        <source>Defines location of side-window Bitmap</source>
        <translation>Indica dove si trova la bitmap della finestra laterale</translation>
    </message>
    <message>
        <source> Picture Width = %1, Height = %2 pixels      </source>
        <translation> Immagine: larghezza = %1, altezza = %2 pixel      </translation>
    </message>
    <message>
        <source>Selection needs correct bitmap path name.
See Bitmap Path Info page.</source>
        <translation>La scelta richiede un percorso bitmap corretto.
Vedi la pagina Percorso bitmap.</translation>
    </message>
    <message>
        <source>Selection reset because of bitmap load error.</source>
        <translation>Scelta annullata: errore nel caricare la bitmap.</translation>
    </message>
    <message>
        <source>Display Options recorded in Registry</source>
        <translation>Opzioni di visualizzazione salvate nel registro</translation>
    </message>
    <message>
        <source>Edit or confirm side-window Bitmap location</source>
        <translation>Modifica o conferma il percorso della bitmap laterale</translation>
    </message>
    <message>
        <source>No modification recorded</source>
        <translation>Nessuna modifica salvata</translation>
    </message>
    <message>
        <source>Unable to load Bitmap from that path.</source>
        <translation>Impossibile caricare la bitmap da quel percorso.</translation>
    </message>
    <message>
        <source>Bitmap path name invalid. Selection checkbox cleared.</source>
        <translation>Percorso bitmap non valido. Casella deselezionata.</translation>
    </message>
    <message>
        <source>Modified path name stored in Registry. Selection cleared.</source>
        <translation>Nuovo percorso salvato nel registro. Scelta annullata.</translation>
    </message>
    <message>
        <source>Modified path name stored in Registry.</source>
        <translation>Nuovo percorso salvato nel registro.</translation>
    </message>
    <message>
        <source>Assignment of suits to piles.</source>
        <translation>Assegnazione dei semi alle Basi.</translation>
    </message>
    <message>
        <source> Current order: %1%2%3%4            </source>
        <translation> Ordine attuale: %1%2%3%4            </translation>
    </message>
    <message>
        <source> New order: %1%2%3%4            </source>
        <translation> Nuovo ordine: %1%2%3%4            </translation>
    </message>
    <message>
        <source> New order: %1%2%3%4</source>
        <translation> Nuovo ordine: %1%2%3%4</translation>
    </message>
    <message>
        <source>Oh my God, try again. Incorrect selection.</source>
        <translation>Accidenti, riprova. Scelta non corretta.</translation>
    </message>
    <message>
        <source>New Order recorded in Registry</source>
        <translation>Nuovo ordine salvato nel registro</translation>
    </message>
    <message>
        <source>Current adjustment shown.</source>
        <translation>Mostrata l&apos;impostazione attuale.</translation>
    </message>
    <message>
        <source>Value left unchanged</source>
        <translation>Valore invariato</translation>
    </message>
    <message>
        <source>New value recorded in Registry</source>
        <translation>Nuovo valore salvato nel registro</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Current order: %1</source>
        <translation>Ordine attuale: %1</translation>
    </message>
    <message>
        <source>New order: %1</source>
        <translation>Nuovo ordine: %1</translation>
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
        <translation> Cancellazione statistiche</translation>
    </message>
    <message>
        <source>no streaks detected</source>
        <translation>nessuna serie rilevata</translation>
    </message>
    <message>
        <source>currently won:  one game</source>
        <translation>serie vinta:  una partita</translation>
    </message>
    <message>
        <source>currently won:  %1 games in a row</source>
        <translation>serie vinta:  %1 partite di fila</translation>
    </message>
    <message>
        <source>currently lost:  one game</source>
        <translation>serie persa:  una partita</translation>
    </message>
    <message>
        <source>currently lost:  %1 games in a row</source>
        <translation>serie persa:  %1 partite di fila</translation>
    </message>
    <message>
        <source>This session:                 %1%</source>
        <translation>Questa sessione:              %1%</translation>
    </message>
    <message>
        <source>won:     %1</source>
        <translation>vinte:     %1</translation>
    </message>
    <message>
        <source>lost:      %1</source>
        <translation>perse:    %1</translation>
    </message>
    <message>
        <source>Totals:                             %1%</source>
        <translation>Totale:                               %1%</translation>
    </message>
    <message>
        <source>Streaks:</source>
        <translation>Serie:</translation>
    </message>
    <message>
        <source> Tavolin Statistics</source>
        <translation> Statistiche di Tavolin</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Game should be finished first.</source>
        <translation>Prima bisogna finire la partita.</translation>
    </message>
    <message>
        <source>Delete all statistics ?</source>
        <translation>Eliminare tutte le statistiche?</translation>
    </message>
    <message>
        <source>Another copy of the game changed the statistics while the question was open, so nothing was deleted. They are shown as they are now.</source>
        <translation>Un&apos;altra copia del gioco ha cambiato le statistiche mentre la domanda era aperta, quindi non è stato eliminato nulla. Sono mostrate come sono adesso.</translation>
    </message>
    <message>
        <source>The statistics could not be deleted: %1

Nothing was deleted.</source>
        <translation>Non è stato possibile eliminare le statistiche: %1

Non è stato eliminato nulla.</translation>
    </message>
    <message>
        <source>Totals of all games: %1%</source>
        <translation>Totale di tutte le partite: %1%</translation>
    </message>
</context>
</TS>
