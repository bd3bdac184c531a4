<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Box</name>
    <message>
        <source> Transfer to empty Column</source>
        <translation> Coup vers une Colonne vide</translation>
    </message>
    <message>
        <source>Move more than one card ?</source>
        <translation>Déplacer plus d&apos;une carte&#xa0;?</translation>
    </message>
    <message>
        <source>Number of cards permitted to move: only %d.</source>
        <translation>Cartes déplaçables&#xa0;: %d seulement.</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>%s of %s</source>
        <extracomment>A card: its rank, then its suit (&quot;7 of Hearts&quot;); &quot;%2$s %1$s&quot; puts the suit first.</extracomment>
        <translation>%s de %s</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Carreau</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pique</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Trèfle</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
</context>
<context>
    <name>Deals</name>
    <message>
        <source>&apos;%1&apos; is not a deal number: deals are numbered from 1 to %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un numéro de donne&#xa0;: les donnes vont de 1 à %2.</translation>
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
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is held by another program and was not let go within %2 seconds.</source>
        <translation>%1 est tenu par un autre programme et n&apos;a pas été libéré en %2 secondes.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2.</source>
        <translation>Impossible de créer %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source> Rank cleared: %ss</source>
        <translation> Les quatre sur les Fondations&#xa0;: %s</translation>
    </message>
    <message>
        <source>Transfer Details off by lack of space.</source>
        <translation>Détails coupés faute de place.</translation>
    </message>
    <message>
        <source>Autom. -&gt; Pile[ %d ]: %s of %s</source>
        <translation>Auto -&gt; Fondation[ %d ]&#xa0;: %s de %s</translation>
    </message>
    <message>
        <source>Card selected: %s of %s</source>
        <translation>Carte prise&#xa0;: %s de %s</translation>
    </message>
    <message>
        <source>Room -&gt; free Room:  %s of %s</source>
        <translation>Cellule -&gt; Cellule libre&#xa0;:  %s de %s</translation>
    </message>
    <message>
        <source>Deck -&gt; free Room:  %s of %s</source>
        <translation>Suite -&gt; Cellule libre&#xa0;:  %s de %s</translation>
    </message>
    <message>
        <source>Room -&gt; Pile: %s of %s</source>
        <translation>Cellule -&gt; Fondation&#xa0;: %s de %s</translation>
    </message>
    <message>
        <source>Deck -&gt; Pile:  %s of %s</source>
        <translation>Suite -&gt; Fondation&#xa0;:  %s de %s</translation>
    </message>
    <message>
        <source>Room -&gt; Column:  %s of %s</source>
        <translation>Cellule -&gt; Colonne&#xa0;:  %s de %s</translation>
    </message>
    <message>
        <source>Deck -&gt; Column:  %s of %s</source>
        <translation>Suite -&gt; Colonne&#xa0;:  %s de %s</translation>
    </message>
    <message>
        <source>Deck -&gt; Column:  %d cards</source>
        <translation>Suite -&gt; Colonne&#xa0;:  %d cartes</translation>
    </message>
    <message>
        <source>Deck -&gt; empty Column:  %d cards</source>
        <translation>Suite -&gt; Colonne vide&#xa0;:  %d cartes</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Room %1</source>
        <translation>Cellule %1</translation>
    </message>
    <message>
        <source>Pile %1</source>
        <translation>Fondation %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartes</translation>
    </message>
    <message>
        <source>Hint: %1 from %2</source>
        <translation>Indice&#xa0;: %1 de la %2</translation>
    </message>
    <message>
        <source>%1to the empty %2</source>
        <translation>%1vers la %2 vide</translation>
    </message>
    <message>
        <source>alone </source>
        <translation>seule </translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>an Ace</comment>
        <extracomment>Where the hinted card goes: onto the top card of a Column, whose rank is the one this entry is for; %1 is that card, %2 the Column.</extracomment>
        <translation>sur l&apos;%1 de la %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 2</comment>
        <translation>sur le %1 de la %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 3</comment>
        <translation>sur le %1 de la %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 4</comment>
        <translation>sur le %1 de la %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 5</comment>
        <translation>sur le %1 de la %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 6</comment>
        <translation>sur le %1 de la %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 7</comment>
        <translation>sur le %1 de la %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>an 8</comment>
        <translation>sur le %1 de la %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 9</comment>
        <translation>sur le %1 de la %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 10</comment>
        <translation>sur le %1 de la %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a Jack</comment>
        <translation>sur le %1 de la %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a Queen</comment>
        <translation>sur la %1 de la %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a King</comment>
        <translation>sur le %1 de la %2</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>a Room</comment>
        <translation>dans la %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>a Pile</comment>
        <translation>sur la %1</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <translation>%1 de la %2 %3</translation>
    </message>
    <message>
        <source>Lost by %1 to %2</source>
        <translation>Perdu&#xa0;: %1 à la %2</translation>
    </message>
    <message>
        <source>Undo takes it back.</source>
        <translation>Le coup peut encore être annulé.</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Automatic Move Detection</source>
        <translation>Détection des coups possibles</translation>
    </message>
    <message>
        <source>Comments &amp; Hints</source>
        <translation>Remarques &amp; indices</translation>
    </message>
    <message>
        <source>Room to Pile: 0</source>
        <translation>Cellule → Fondation&#xa0;: 0</translation>
    </message>
    <message>
        <source>Room to Deck: 0</source>
        <translation>Cellule → Suite&#xa0;: 0</translation>
    </message>
    <message>
        <source>Deck to Pile: 0</source>
        <translation>Suite → Fondation&#xa0;: 0</translation>
    </message>
    <message>
        <source>Column to Column: 0</source>
        <translation>Colonne → Colonne&#xa0;: 0</translation>
    </message>
    <message>
        <source> RoomToPile: %d</source>
        <translation> Cellule → Fondation&#xa0;: %d</translation>
    </message>
    <message>
        <source> RoomToDeck: %d</source>
        <translation> Cellule → Suite&#xa0;: %d</translation>
    </message>
    <message>
        <source>Deck to Pile: %d</source>
        <translation>Suite → Fondation&#xa0;: %d</translation>
    </message>
    <message>
        <source>Column to Column: %d</source>
        <translation>Colonne → Colonne&#xa0;: %d</translation>
    </message>
    <message>
        <source>Free Rooms</source>
        <translation>Cellules libres</translation>
    </message>
    <message>
        <source>Nice day, to-day.</source>
        <translation>Belle journée, aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Take your pick.</source>
        <translation>À vous de choisir.</translation>
    </message>
    <message>
        <source>See you later, alligator.</source>
        <translation>À plus tard, mon canard.</translation>
    </message>
    <message>
        <source>Or try your luck in a new game.</source>
        <translation>Ou tentez une nouvelle partie.</translation>
    </message>
    <message>
        <source>Running into a pocket?</source>
        <translation>Dans une impasse&#xa0;?</translation>
    </message>
    <message>
        <source>First card at origin is %s of %s</source>
        <translation>Première carte au départ&#xa0;: %s de %s</translation>
    </message>
    <message>
        <source>First card doesn&apos;t match target.</source>
        <translation>La première carte ne va pas sur la cible.</translation>
    </message>
    <message>
        <source>Card number %d no match for previous card.</source>
        <translation>Carte n° %d&#xa0;: ne va pas sur la précédente.</translation>
    </message>
    <message>
        <source>Card number %d matches target.</source>
        <translation>Carte n° %d&#xa0;: va sur la cible.</translation>
    </message>
    <message>
        <source>Last card number %d processed: %d</source>
        <translation>Dernière carte traitée, n° %d&#xa0;: %d</translation>
    </message>
    <message>
        <source>Card number %d is %s of %s</source>
        <translation>Carte n° %d&#xa0;: %s de %s</translation>
    </message>
    <message>
        <source>Card Tranfer Info</source>
        <translation>Infos sur le coup</translation>
    </message>
    <message>
        <source>Search Details</source>
        <translation>Détails de la recherche</translation>
    </message>
    <message>
        <source>Result returned from destination</source>
        <translation>Résultat rendu par la destination</translation>
    </message>
    <message>
        <source>Selected origin:  %s of %s</source>
        <translation>Départ choisi&#xa0;:  %s de %s</translation>
    </message>
    <message>
        <source>Selected target:  none, empty column</source>
        <translation>Cible choisie&#xa0;:  aucune, colonne vide</translation>
    </message>
    <message>
        <source>Selected target:  %s of %s</source>
        <translation>Cible choisie&#xa0;:  %s de %s</translation>
    </message>
    <message>
        <source>Destination:  Column number %d</source>
        <translation>Destination&#xa0;:  Colonne n° %d</translation>
    </message>
    <message>
        <source>Ready for tranfer of single card.</source>
        <translation>Prêt à déplacer une seule carte.</translation>
    </message>
    <message>
        <source>Try other destination.</source>
        <translation>Essayez une autre destination.</translation>
    </message>
    <message>
        <source>Ready for tranfer of single deck card.</source>
        <translation>Prêt à déplacer une Suite d&apos;une carte.</translation>
    </message>
    <message>
        <source>Selected card matches target.</source>
        <translation>La carte choisie va sur la cible.</translation>
    </message>
    <message>
        <source>Card missing in selected column.</source>
        <translation>Carte absente de la colonne choisie.</translation>
    </message>
    <message>
        <source>Try other target.</source>
        <translation>Essayez une autre cible.</translation>
    </message>
    <message>
        <source>%d cards at origin match target.</source>
        <translation>%d cartes au départ vont sur la cible.</translation>
    </message>
    <message>
        <source>Ready for transfer of single card.</source>
        <translation>Prêt à déplacer une seule carte.</translation>
    </message>
    <message>
        <source>Ready for tranfer of %d deck cards.</source>
        <translation>Prêt à déplacer une Suite de %d cartes.</translation>
    </message>
</context>
<context>
    <name>Pointer</name>
    <message>
        <source>Target is free Room number %1</source>
        <translation>Cible&#xa0;: Cellule libre n° %1</translation>
    </message>
    <message>
        <source>Target card: none</source>
        <translation>Carte cible&#xa0;: aucune</translation>
    </message>
    <message>
        <source>Target is empty Column number %1</source>
        <translation>Cible&#xa0;: Colonne vide n° %1</translation>
    </message>
    <message>
        <source>Target is Column number %1</source>
        <translation>Cible&#xa0;: Colonne n° %1</translation>
    </message>
    <message>
        <source>Target is Pile number %1</source>
        <translation>Cible&#xa0;: Fondation n° %1</translation>
    </message>
    <message>
        <source>Cards ready for transfer: %1</source>
        <translation>Cartes prêtes à déplacer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Target card is %s of %s</source>
        <translation>Carte cible&#xa0;: %s de %s</translation>
    </message>
</context>
<context>
    <name>QtRegistry</name>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>%1 is empty, so the statistics and settings it held are lost.</source>
        <translation>%1 est vide&#xa0;: les statistiques et les réglages qu&apos;il contenait sont perdus.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, far more than the game ever writes: only its start was read.</source>
        <translation>%1 dépasse %2 Kio, bien plus que le jeu n&apos;écrit jamais&#xa0;: seul son début a été lu.</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>is not readable text</source>
        <translation>n&apos;est pas du texte lisible</translation>
    </message>
    <message>
        <source>is not under any [key]</source>
        <translation>n&apos;est sous aucune [clé]</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>n&apos;a pas pu être lue</translation>
    </message>
    <message>
        <source>line %1 </source>
        <translation>ligne %1 </translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>autre chose</translation>
    </message>
    <message>
        <source>%1 is not a regular file but %2; the game leaves it as it is.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire mais %2&#xa0;; le jeu le laisse tel quel.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist; the game leaves it as it is.</source>
        <translation>%1 est un lien vers un fichier qui n&apos;existe pas&#xa0;; le jeu le laisse tel quel.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source> Settings</source>
        <translation> Réglages</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; %2 is used.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être lu&#xa0;; %2 est utilisé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was %2; %3 is used.</source>
        <translation>«&#xa0;%1&#xa0;» valait %2&#xa0;; %3 est utilisé.</translation>
    </message>
    <message>
        <source>The suits of the Piles were %1, %2, %3, %4, which leaves a suit without a Pile; the usual order is used.</source>
        <translation>Les couleurs des Fondations étaient %1, %2, %3, %4, ce qui laisse une couleur sans Fondation&#xa0;; l&apos;ordre habituel est utilisé.</translation>
    </message>
    <message>
        <source>Some saved settings could not be used as they were, so the game has replaced them:

</source>
        <translation>Certains réglages enregistrés n&apos;ont pas pu être utilisés tels quels, le jeu les a donc remplacés&#xa0;:

</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... et %1 de plus.</translation>
    </message>
    <message>
        <source>

The settings file as it was is kept in %1.</source>
        <translation>

Le fichier de réglages tel qu&apos;il était est conservé dans %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1

The game goes on with the settings as they are now, and saves what could not be saved with the next change that can be saved.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés&#xa0;: %1

Le jeu continue avec les réglages actuels et enregistre ce qui manque avec la prochaine modification qui pourra l&apos;être.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés&#xa0;: %1</translation>
    </message>
    <message>
        <source>

The results of this run that wait to be saved (won: %1, lost: %2) could not be kept either: %3</source>
        <translation>

Les résultats de cette séance en attente d&apos;enregistrement (gagnées&#xa0;: %1, perdues&#xa0;: %2) n&apos;ont pas pu être conservés non plus&#xa0;: %3</translation>
    </message>
    <message>
        <source>

The results of this run that wait to be saved (won: %1, lost: %2) are kept in %3, and the next start of the game counts them.</source>
        <translation>

Les résultats de cette séance en attente d&apos;enregistrement (gagnées&#xa0;: %1, perdues&#xa0;: %2) sont conservés dans %3&#xa0;; le prochain lancement du jeu les comptera.</translation>
    </message>
    <message>
        <source>

The window&apos;s place and the preferences changed since the last save are not saved.</source>
        <translation>

La position de la fenêtre et les préférences modifiées depuis le dernier enregistrement ne sont pas enregistrées.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>covered</source>
        <translation>couverte</translation>
    </message>
    <message>
        <source>Deck to Pile</source>
        <translation>Suite vers Fondation</translation>
    </message>
    <message>
        <source>Room to Pile</source>
        <translation>Cellule vers Fondation</translation>
    </message>
    <message>
        <source>Room to Deck</source>
        <translation>Cellule vers Suite</translation>
    </message>
    <message>
        <source>Column to Column</source>
        <translation>Colonne vers Colonne</translation>
    </message>
    <message>
        <source> from </source>
        <translation> depuis </translation>
    </message>
    <message>
        <source>No move found.</source>
        <translation>Aucun coup trouvé.</translation>
    </message>
    <message>
        <source>Information panel</source>
        <translation>Panneau d&apos;informations</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Cellule</translation>
    </message>
    <message>
        <source>Pile</source>
        <translation>Fondation</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 carte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartes</translation>
    </message>
    <message>
        <source>, empty, for %1</source>
        <translation>, vide, pour %1</translation>
    </message>
    <message>
        <source>, empty</source>
        <translation>, vide</translation>
    </message>
    <message>
        <source>, %1, top %2</source>
        <translation>, %1, dessus&#xa0;: %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>de la %1 à la %2</translation>
    </message>
    <message>
        <source>%1 moved %2.</source>
        <translation>%1 passe %2.</translation>
    </message>
    <message>
        <source>%1 moved %2, %3 on top.</source>
        <translation>%1 passent %2, %3 en tête.</translation>
    </message>
    <message>
        <source>%1 went by itself from %2 to %3.</source>
        <translation>%1 passe automatiquement de la %2 à la %3.</translation>
    </message>
    <message>
        <source>%1 back to %2.</source>
        <translation>%1 revient à la %2.</translation>
    </message>
    <message>
        <source>Move undone.</source>
        <translation>Coup annulé.</translation>
    </message>
    <message>
        <source>%1 held.</source>
        <translation>%1 en main.</translation>
    </message>
    <message>
        <source>Refused: %1 put back.</source>
        <translation>Coup refusé&#xa0;: %1 revient à sa place.</translation>
    </message>
    <message>
        <source>%1 put back.</source>
        <translation>%1 revient à sa place.</translation>
    </message>
    <message>
        <source>No Pile takes %1.</source>
        <translation>Aucune Fondation n&apos;accepte %1.</translation>
    </message>
    <message>
        <source>%1 does not go to %2.</source>
        <translation>%1 ne peut pas aller à la %2.</translation>
    </message>
    <message>
        <source>Still held.</source>
        <translation>Toujours en main.</translation>
    </message>
    <message>
        <source>, on </source>
        <translation>, sur </translation>
    </message>
    <message>
        <source>, under </source>
        <translation>, sous </translation>
    </message>
    <message>
        <source>%1 from the top: %2.</source>
        <translation>%1 de haut en bas&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 from the bottom: %2.</source>
        <translation>%1 de bas en haut&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>tavolin::HowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Le jeu</translation>
    </message>
    <message>
        <source>One pack of 52 cards is dealt face up into eight Columns. Above them lie four Rooms, each holding one card, and four Piles, one for each suit, built up from Ace to King.</source>
        <translation>Un jeu de 52 cartes est distribué face visible en huit Colonnes. Au-dessus se trouvent quatre Cellules, qui tiennent chacune une carte, et quatre Fondations, une par couleur, montées de l&apos;As au Roi.</translation>
    </message>
    <message>
        <source>You win when all 52 cards are on the Piles. You lose when no Room and no Column is free and no move is left.</source>
        <translation>Vous gagnez quand les 52 cartes sont sur les Fondations. Vous perdez quand aucune Cellule ni aucune Colonne n&apos;est libre et qu&apos;il ne reste aucun coup.</translation>
    </message>
    <message>
        <source>Moving cards</source>
        <translation>Déplacer les cartes</translation>
    </message>
    <message>
        <source>Move the top card of a Column, or the card in a Room: drag it onto its target, or click it and then click the target.</source>
        <translation>Déplacez la carte du dessus d&apos;une Colonne, ou la carte d&apos;une Cellule&#xa0;: faites-la glisser sur sa cible, ou cliquez dessus puis sur la cible.</translation>
    </message>
    <message>
        <source>On a Column a card goes onto a card one rank higher of the other colour, a red Five on a black Six. With the card you hold go the cards above it that form a run of alternating colours: the Deck. A Deck may be as long as one card plus one for every free Room and every empty Column.</source>
        <translation>Sur une Colonne, une carte se pose sur une carte d&apos;un rang plus haut, rouge sur noir ou noir sur rouge&#xa0;: un Cinq rouge sur un Six noir. Avec la carte que vous tenez partent les cartes posées sur elle qui descendent en alternant rouge et noir&#xa0;: la Suite. Une Suite peut compter une carte, plus une pour chaque Cellule libre et chaque Colonne vide.</translation>
    </message>
    <message>
        <source>Any card may go into an empty Room or an empty Column; an Ace never goes into a Room.</source>
        <translation>Toute carte peut aller dans une Cellule vide ou une Colonne vide&#xa0;; un As ne va jamais dans une Cellule.</translation>
    </message>
    <message>
        <source>Each Pile takes only its own suit, chosen in the preferences, Ace first. Cards that can safely go to their Pile travel there by themselves.</source>
        <translation>Chaque Fondation ne prend que sa propre couleur, choisie dans les préférences, l&apos;As en premier. Les cartes qui peuvent sans risque aller sur leur Fondation s&apos;y rendent d&apos;elles-mêmes.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Game → New game deals a game. Deal by Number deals a game by its number, and Restart Deal deals the current one again from the start.</source>
        <translation>Partie → Nouvelle partie distribue une partie. Donne par numéro distribue une partie d&apos;après son numéro, et Rejouer la donne redistribue la partie en cours depuis le début.</translation>
    </message>
    <message>
        <source>Game → Finish game, the leaf button between the Rooms and the Piles, or quitting during a game counts the game as lost. With no game the leaf button clears the table.</source>
        <translation>Partie → Terminer la partie, le bouton à la feuille entre les Cellules et les Fondations, ou quitter en cours de partie compte la partie comme perdue. Sans partie, le bouton à la feuille vide la table.</translation>
    </message>
    <message>
        <source>Undo, the button or Move → Undo Move, takes your last transfer back together with the cards that went to the Piles after it. It works once, right after a transfer.</source>
        <translation>Annuler, le bouton ou Coup → Annuler le coup, reprend votre dernier coup ainsi que les cartes parties sur les Fondations après lui. Cela ne marche qu&apos;une fois, juste après un coup.</translation>
    </message>
    <message>
        <source>Move → Hint names the next transfer of a winning line in the status bar and frames its cards; nothing moves.</source>
        <translation>Coup → Indice indique dans la barre d&apos;état le prochain coup d&apos;une solution gagnante et encadre ses cartes&#xa0;; rien ne bouge.</translation>
    </message>
    <message>
        <source>Game → Statistics shows your wins, your losses and the current streak. Game → Preferences chooses what the status bar and the panel below the Columns show, the suit of each Pile and the speed of the cards.</source>
        <translation>Partie → Statistiques montre vos victoires, vos défaites et la série en cours. Partie → Préférences choisit ce qu&apos;affichent la barre d&apos;état et le panneau sous les Colonnes, la couleur de chaque Fondation et la vitesse des cartes.</translation>
    </message>
    <message>
        <source>The move panel</source>
        <translation>Le panneau des coups</translation>
    </message>
    <message>
        <source>Show, the button or Move → Show Moves, shows or hides a panel below the Columns that counts the moves possible now: Room to Pile, Room to Deck (a Room&apos;s card onto a Column), Deck to Pile (a Column&apos;s top card onto its Pile) and Column to Column.</source>
        <translation>Voir, le bouton ou Coup → Montrer les coups, affiche ou masque sous les Colonnes un panneau qui compte les coups possibles maintenant&#xa0;: Cellule → Fondation, Cellule → Suite (la carte d&apos;une Cellule sur une Colonne), Suite → Fondation (la carte du dessus d&apos;une Colonne sur sa Fondation) et Colonne → Colonne.</translation>
    </message>
    <message>
        <source>A green disc marks each Room or Column a move of that kind starts from, a red disc one with none, an empty square an empty Column. Free Rooms shows the four Rooms, a red disc for each one taken. Comments &amp; Hints greets a new game and warns when no Room and no Column is left free.</source>
        <translation>Un disque vert marque chaque Cellule ou Colonne d&apos;où part un coup de ce type, un disque rouge celles qui n&apos;en ont aucun, un carré vide une Colonne vide. Cellules libres montre les quatre Cellules, un disque rouge pour chaque Cellule occupée. Remarques &amp; indices salue une nouvelle partie et prévient quand plus aucune Cellule ni Colonne n&apos;est libre.</translation>
    </message>
    <message>
        <source>The details panel</source>
        <translation>Le panneau des détails</translation>
    </message>
    <message>
        <source>With Show Transfer Details chosen in the preferences, the same place shows instead how a transfer is searched while you hold a card over a Column: the card held, the target, each card of the Deck in turn, and the result, green when the cards may go and yellow when not. While it is on, Show Moves is not offered. It goes off by itself when a Column grows into its place.</source>
        <translation>Si Montrer les détails des coups est choisi dans les préférences, le même endroit montre à la place comment un coup est cherché pendant que vous tenez une carte au-dessus d&apos;une Colonne&#xa0;: la carte tenue, la cible, chaque carte de la Suite tour à tour, et le résultat, en vert quand les cartes peuvent partir, en jaune sinon. Tant qu&apos;il est actif, Montrer les coups n&apos;est pas proposé. Il se coupe de lui-même quand une Colonne s&apos;allonge jusqu&apos;à sa place.</translation>
    </message>
    <message>
        <source>The status bar</source>
        <translation>La barre d&apos;état</translation>
    </message>
    <message>
        <source>From the left: the hint of the menu item under the pointer, the cards left and the card you hold; the start and end of the game, transfers to the Rooms and the ranks cleared; the playing time or, with Display Transfer Info, each transfer and each automatic move to a Pile. On a wide window the deal number stands at the right.</source>
        <translation>De gauche à droite&#xa0;: l&apos;aide de l&apos;élément de menu sous le pointeur, les cartes restantes et la carte que vous tenez&#xa0;; le début et la fin de la partie, les coups vers les Cellules et les rangs complets&#xa0;; le temps de jeu ou, avec Afficher les infos des coups, chaque coup et chaque déplacement automatique vers une Fondation. Sur une fenêtre large, le numéro de la donne figure à droite.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>The table takes the keys while the main window is active. The play keys do nothing while a card travels to its Pile, while a box is open, or with no game.</source>
        <translation>La table reçoit les touches tant que la fenêtre principale est active. Les touches de jeu sont sans effet pendant qu&apos;une carte part vers sa Fondation, quand une boîte de dialogue est ouverte ou sans partie.</translation>
    </message>
    <message>
        <source>The Columns, left to right: pick up the top card, or drop the held card there</source>
        <translation>Les Colonnes, de gauche à droite&#xa0;: prendre la carte du dessus, ou y poser la carte tenue</translation>
    </message>
    <message>
        <source>The Rooms, left to right: pick up the card, or drop the held card there</source>
        <translation>Les Cellules, de gauche à droite&#xa0;: prendre la carte, ou y poser la carte tenue</translation>
    </message>
    <message>
        <source>The Piles: drop the held card on the Pile that takes it</source>
        <translation>Les Fondations&#xa0;: poser la carte tenue sur la Fondation qui la prend</translation>
    </message>
    <message>
        <source>Put the held card back</source>
        <translation>Remettre la carte tenue à sa place</translation>
    </message>
    <message>
        <source>Move the keyboard cursor between the Rooms, the Piles and the Columns</source>
        <translation>Déplacer le curseur du clavier entre les Cellules, les Fondations et les Colonnes</translation>
    </message>
    <message>
        <source>Act on the place under the keyboard cursor, as its key does</source>
        <translation>Agir sur la place sous le curseur du clavier, comme sa touche</translation>
    </message>
    <message>
        <source>Move between the table and the buttons</source>
        <translation>Passer de la table aux boutons</translation>
    </message>
    <message>
        <source>Do what the hint said and the next hint goes on along the same line: following the hints wins the game, and never comes back to a table it passed.</source>
        <translation>Faites ce que l&apos;indice a dit et l&apos;indice suivant poursuit la même solution&#xa0;: suivre les indices gagne la partie, sans jamais revenir à une position déjà vue.</translation>
    </message>
    <message>
        <source>Once a game is lost, Move → Losing Move names the transfer that lost it, made on the last table from which the game could still be won, and offers to deal the same deal again. With Move → Warn of Losing Moves checked, the status bar says so at once when a transfer loses the game, while Undo can still take it back.</source>
        <translation>Une fois la partie perdue, Coup → Coup perdant indique le coup qui l&apos;a perdue, joué dans la dernière position d&apos;où la partie pouvait encore être gagnée, et propose de rejouer la même donne. Si Coup → Avertir des coups perdants est coché, la barre d&apos;état le signale dès qu&apos;un coup perd la partie, tant qu&apos;il peut encore être annulé.</translation>
    </message>
    <message>
        <source>With a screen reader: read the place under the keyboard cursor card by card, from the top card down</source>
        <translation>Avec un lecteur d&apos;écran&#xa0;: lire la place sous le curseur du clavier carte par carte, de la carte du dessus vers le bas</translation>
    </message>
    <message>
        <source>With a screen reader: read the place under the keyboard cursor card by card, from the first card up</source>
        <translation>Avec un lecteur d&apos;écran&#xa0;: lire la place sous le curseur du clavier carte par carte, de la première carte vers le haut</translation>
    </message>
</context>
<context>
    <name>tavolin::TAboutBox</name>
    <message>
        <source>Tavolin is a solitaire for one player. One pack of 52 cards is dealt face up into eight Columns; every card has to reach its Pile, from Ace up to King, by way of the Columns and the four Rooms.

Questions, ideas and reports of faults are welcome at tavolin@example.org.

Further help and hints on play are on the Tavolin web page given above.</source>
        <translation>Tavolin est une réussite pour un joueur. Un jeu de 52 cartes est distribué face visible en huit Colonnes&#xa0;; chaque carte doit rejoindre sa Fondation, de l&apos;As au Roi, en passant par les Colonnes et les quatre Cellules.

Questions, idées et signalements d&apos;erreurs sont les bienvenus à tavolin@example.org.

D&apos;autres aides et conseils de jeu sont sur la page web de Tavolin donnée plus haut.</translation>
    </message>
    <message>
        <source>URL copied to Clipboard</source>
        <translation>URL copiée</translation>
    </message>
    <message>
        <source> About this game... </source>
        <translation> À propos de ce jeu... </translation>
    </message>
    <message>
        <source>Version 2.2 XP,   Release Number 1 </source>
        <translation>Version 2.2 XP,   édition n° 1 </translation>
    </message>
    <message>
        <source>Created for enjoyment and study by  </source>
        <translation>Créé pour le plaisir et l&apos;étude par  </translation>
    </message>
    <message>
        <source>Copy URL to Clipboard</source>
        <translation>Copier l&apos;URL</translation>
    </message>
</context>
<context>
    <name>tavolin::TCalendarForm</name>
    <message>
        <source> A Calendar, for your convenience</source>
        <translation> Un calendrier, au cas où</translation>
    </message>
</context>
<context>
    <name>tavolin::TForm1</name>
    <message>
        <source> New Game Selection</source>
        <translation> Nouvelle partie</translation>
    </message>
    <message>
        <source>Current game not finished yet.</source>
        <translation>La partie en cours n&apos;est pas terminée.</translation>
    </message>
    <message>
        <source> Game Control</source>
        <translation> Contrôle de la partie</translation>
    </message>
    <message>
        <source>End the current game ?</source>
        <translation>Terminer la partie en cours&#xa0;?</translation>
    </message>
    <message>
        <source> Closing Event</source>
        <translation> Fermeture</translation>
    </message>
    <message>
        <source>Quit game and exit ?</source>
        <translation>Abandonner la partie et quitter&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Restart Deal</source>
        <translation>&amp;Rejouer la donne</translation>
    </message>
    <message>
        <source>Deal the current or last game again</source>
        <translation>Rejouer la partie en cours ou la dernière</translation>
    </message>
    <message>
        <source>&amp;Deal by Number...</source>
        <translation>&amp;Donne par numéro...</translation>
    </message>
    <message>
        <source>Deal a game by its number</source>
        <translation>Distribuer une partie d&apos;après son numéro</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Name a move that leads to a win</source>
        <translation>Indiquer un coup qui mène à la victoire</translation>
    </message>
    <message>
        <source> Deal by Number</source>
        <translation> Donne par numéro</translation>
    </message>
    <message>
        <source>Deal number, 1 to %1:</source>
        <translation>Numéro de donne, de 1 à %1&#xa0;:</translation>
    </message>
    <message>
        <source>Deal %1 </source>
        <translation>Donne %1 </translation>
    </message>
    <message>
        <source>&amp;Restart Deal %1</source>
        <translation>&amp;Rejouer la donne %1</translation>
    </message>
    <message>
        <source>Game started at </source>
        <translation>Partie commencée à </translation>
    </message>
    <message>
        <source>Transfer Info selected</source>
        <translation>Infos des coups choisies</translation>
    </message>
    <message>
        <source> Number of Cards left:  %1</source>
        <translation> Cartes restantes&#xa0;:  %1</translation>
    </message>
    <message>
        <source> No move left. Game finished.</source>
        <translation> Plus aucun coup. Partie terminée.</translation>
    </message>
    <message>
        <source>Hint: looking for a winning line...</source>
        <translation>Indice&#xa0;: recherche d&apos;une solution...</translation>
    </message>
    <message>
        <source>Hint: this game can no longer be won.</source>
        <translation>Indice&#xa0;: cette partie est perdue.</translation>
    </message>
    <message>
        <source>Hint: no winning line found in time.</source>
        <translation>Indice&#xa0;: aucune solution trouvée à temps.</translation>
    </message>
    <message>
        <source>Load Error from DLL: Bitmap number %1</source>
        <translation>Erreur de chargement de la DLL&#xa0;: image n° %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Finish game</source>
        <translation>&amp;Terminer la partie</translation>
    </message>
    <message>
        <source>Finish current game</source>
        <translation>Terminer la partie en cours</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>Inspect or correct statistics</source>
        <translation>Consulter ou corriger les statistiques</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>Choose from preferences offered</source>
        <translation>Choisir parmi les préférences proposées</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Close application window, exit.</source>
        <translation>Fermer la fenêtre du programme, quitter.</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Coup</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>&amp;Annuler le coup</translation>
    </message>
    <message>
        <source>Undo latest move</source>
        <translation>Annuler le dernier coup</translation>
    </message>
    <message>
        <source>&amp;Show Moves</source>
        <translation>&amp;Montrer les coups</translation>
    </message>
    <message>
        <source>Toggles information on possible moves</source>
        <translation>Affiche ou masque les coups possibles</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About this Game</source>
        <translation>À &amp;propos de ce jeu</translation>
    </message>
    <message>
        <source>Displays application info</source>
        <translation>Affiche les infos du programme</translation>
    </message>
    <message>
        <source>Show &amp;Date</source>
        <translation>Afficher la &amp;date</translation>
    </message>
    <message>
        <source>Displays a calendar</source>
        <translation>Affiche un calendrier</translation>
    </message>
    <message>
        <source>Finish game</source>
        <translation>Terminer la partie</translation>
    </message>
    <message>
        <source>Finish the game, or clear the table</source>
        <translation>Terminer la partie, ou vider la table</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source> Dir: </source>
        <translation> Dossier&#xa0;: </translation>
    </message>
    <message>
        <source>Main form: %1 x %2 pixels</source>
        <translation>Fenêtre principale&#xa0;: %1 x %2 pixels</translation>
    </message>
    <message>
        <source> hrs.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Playing Time: mins </source>
        <translation>Temps de jeu&#xa0;: min </translation>
    </message>
    <message>
        <source> secs</source>
        <translation> s</translation>
    </message>
    <message>
        <source> Card Table Control</source>
        <translation> Contrôle de la table</translation>
    </message>
    <message>
        <source>This program requires a screen resolution of 
at least 800 x 600, or 1024 x 768 pixels.</source>
        <translation>Ce programme demande une résolution d&apos;écran 
d&apos;au moins 800 x 600, ou 1024 x 768 pixels.</translation>
    </message>
    <message>
        <source> Library used: VelvetRes2.DLL</source>
        <translation> Bibliothèque utilisée&#xa0;: VelvetRes2.DLL</translation>
    </message>
    <message>
        <source> DLL Load Error</source>
        <translation> Erreur de chargement de la DLL</translation>
    </message>
    <message>
        <source> Unable to load &apos;VelvetRes2.DLL&apos;.</source>
        <translation> Impossible de charger &apos;VelvetRes2.DLL&apos;.</translation>
    </message>
    <message>
        <source> Current Directory</source>
        <translation> Dossier courant</translation>
    </message>
    <message>
        <source> Load Error</source>
        <translation> Erreur de chargement</translation>
    </message>
    <message>
        <source>Unable to load side-window Bitmap.</source>
        <translation>Impossible de charger l&apos;image de la fenêtre latérale.</translation>
    </message>
    <message>
        <source>Game won at </source>
        <translation>Partie gagnée à </translation>
    </message>
    <message>
        <source> Game Result</source>
        <translation> Résultat de la partie</translation>
    </message>
    <message>
        <source>Congratulations, you won!</source>
        <translation>Félicitations, vous avez gagné&#xa0;!</translation>
    </message>
    <message>
        <source>Game finished at </source>
        <translation>Partie terminée à </translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>Explains the game, its keys and panels</source>
        <translation>Règles du jeu, touches et panneaux</translation>
    </message>
    <message>
        <source>The large cards need a screen at least %1 pixels wide, and this one is %2 pixels wide: the small cards are used.</source>
        <translation>Les grandes cartes demandent un écran d&apos;au moins %1 pixels de large, et celui-ci n&apos;en a que %2&#xa0;: les petites cartes sont utilisées.</translation>
    </message>
    <message>
        <source>Deal %1 dealt.</source>
        <translation>Donne %1 distribuée.</translation>
    </message>
    <message>
        <source>&amp;Losing Move</source>
        <translation>Coup &amp;perdant</translation>
    </message>
    <message>
        <source>Name the transfer that lost the last game</source>
        <translation>Indiquer le coup qui a perdu la partie</translation>
    </message>
    <message>
        <source>&amp;Warn of Losing Moves</source>
        <translation>A&amp;vertir des coups perdants</translation>
    </message>
    <message>
        <source>Looking for the move that lost the game...</source>
        <translation>Recherche du coup perdant...</translation>
    </message>
    <message>
        <source>Transfer %1 lost the game: %2.

Before it the game could still be won; after it no sequence of transfers could win it.</source>
        <translation>Le coup %1 a perdu la partie&#xa0;: %2.

Avant lui, la partie pouvait encore être gagnée&#xa0;; après lui, aucun enchaînement de coups ne pouvait plus la gagner.</translation>
    </message>
    <message>
        <source>This deal could not be won from the start: no transfer lost it.</source>
        <translation>Cette donne ne pouvait pas être gagnée dès le début&#xa0;: aucun coup ne l&apos;a perdue.</translation>
    </message>
    <message>
        <source>When the game ended it could still be won: no transfer lost it.</source>
        <translation>À la fin, la partie pouvait encore être gagnée&#xa0;: aucun coup ne l&apos;a perdue.</translation>
    </message>
    <message>
        <source>The searches did not find out in time which transfer lost the game.</source>
        <translation>La recherche n&apos;a pas trouvé à temps quel coup a perdu la partie.</translation>
    </message>
    <message>
        <source> Losing Move</source>
        <translation> Coup perdant</translation>
    </message>
    <message>
        <source>

Deal %1 again?</source>
        <translation>

Rejouer la donne %1&#xa0;?</translation>
    </message>
    <message>
        <source>Warn when a transfer loses the game</source>
        <translation>Avertir dès qu&apos;un coup perd la partie</translation>
    </message>
    <message>
        <source>No card held.</source>
        <translation>Aucune carte en main.</translation>
    </message>
</context>
<context>
    <name>tavolin::TPrefDlg1</name>
    <message>
        <source> Bitmap Load Error</source>
        <translation> Erreur de chargement d&apos;image</translation>
    </message>
    <message>
        <source>Current setting of display options</source>
        <translation>Réglage actuel des options d&apos;affichage</translation>
    </message>
    <message>
        <source> Environment Preferences</source>
        <translation> Préférences</translation>
    </message>
    <message>
        <source>Display Options</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Bitmap Path Info</source>
        <translation>Chemin de l&apos;image</translation>
    </message>
    <message>
        <source>Suit Selection</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Speed Control</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Status bar display</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Transfer details</source>
        <translation>Détails des coups</translation>
    </message>
    <message>
        <source>Side window picture</source>
        <translation>Image de la fenêtre latérale</translation>
    </message>
    <message>
        <source>Display Playing Time</source>
        <translation>Afficher le temps de jeu</translation>
    </message>
    <message>
        <source>Display Transfer Info</source>
        <translation>Afficher les infos des coups</translation>
    </message>
    <message>
        <source>Show Transfer Details ( as long as space permits )</source>
        <translation>Montrer les détails des coups ( si la place le permet )</translation>
    </message>
    <message>
        <source>Show picture in side window</source>
        <translation>Montrer l&apos;image dans la fenêtre latérale</translation>
    </message>
    <message>
        <source>Bitmap Path and File Name Info:      </source>
        <translation>Chemin et nom du fichier image&#xa0;:      </translation>
    </message>
    <message>
        <source>Bitmap path and file name</source>
        <translation>Chemin et nom du fichier image</translation>
    </message>
    <message>
        <source>Example: D:\Images\bmp\sw.bmp</source>
        <translation>Exemple&#xa0;: D:\Images\bmp\sw.bmp</translation>
    </message>
    <message>
        <source>Picture  Dimension required for side window:</source>
        <translation>Taille d&apos;image requise pour la fenêtre latérale&#xa0;:</translation>
    </message>
    <message>
        <source>Press buttons in the order desired ...</source>
        <translation>Appuyez sur les boutons dans l&apos;ordre voulu ...</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Carreau</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pique</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Trèfle</translation>
    </message>
    <message>
        <source>Speed Adjustment for Automatic Card Moves</source>
        <translation>Vitesse des déplacements automatiques</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lent</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>rapide</translation>
    </message>
    <message>
        <source>Speed of automatic card moves</source>
        <translation>Vitesse des déplacements automatiques des cartes</translation>
    </message>
    <message>
        <source>From 1, slow, to 10, fast</source>
        <translation>De 1, lent, à 10, rapide</translation>
    </message>
    <message>
        <source>Move Slider into desired position, then press OK Button.</source>
        <translation>Placez le curseur à la position voulue, puis appuyez sur OK.</translation>
    </message>
    <message>
        <source>Defines location of side-window Bitmap</source>
        <translation>Indique l&apos;emplacement de l&apos;image de la fenêtre latérale</translation>
    </message>
    <message>
        <source> Picture Width = %1, Height = %2 pixels      </source>
        <translation> Image&#xa0;: largeur = %1, hauteur = %2 pixels      </translation>
    </message>
    <message>
        <source>Selection needs correct bitmap path name.
See Bitmap Path Info page.</source>
        <translation>Ce choix demande un chemin d&apos;image correct.
Voir la page Chemin de l&apos;image.</translation>
    </message>
    <message>
        <source>Selection reset because of bitmap load error.</source>
        <translation>Choix annulé&#xa0;: l&apos;image n&apos;a pas pu être chargée.</translation>
    </message>
    <message>
        <source>Display Options recorded in Registry</source>
        <translation>Options d&apos;affichage enregistrées dans le Registre</translation>
    </message>
    <message>
        <source>Edit or confirm side-window Bitmap location</source>
        <translation>Modifier ou confirmer l&apos;emplacement de l&apos;image</translation>
    </message>
    <message>
        <source>No modification recorded</source>
        <translation>Aucune modification enregistrée</translation>
    </message>
    <message>
        <source>Unable to load Bitmap from that path.</source>
        <translation>Impossible de charger l&apos;image depuis ce chemin.</translation>
    </message>
    <message>
        <source>Bitmap path name invalid. Selection checkbox cleared.</source>
        <translation>Chemin d&apos;image invalide. Case décochée.</translation>
    </message>
    <message>
        <source>Modified path name stored in Registry. Selection cleared.</source>
        <translation>Nouveau chemin enregistré dans le Registre. Case décochée.</translation>
    </message>
    <message>
        <source>Modified path name stored in Registry.</source>
        <translation>Nouveau chemin enregistré dans le Registre.</translation>
    </message>
    <message>
        <source>Assignment of suits to piles.</source>
        <translation>Attribution des couleurs aux Fondations.</translation>
    </message>
    <message>
        <source> Current order: %1%2%3%4            </source>
        <translation> Ordre actuel&#xa0;: %1%2%3%4            </translation>
    </message>
    <message>
        <source> New order: %1%2%3%4            </source>
        <translation> Nouvel ordre&#xa0;: %1%2%3%4            </translation>
    </message>
    <message>
        <source> New order: %1%2%3%4</source>
        <translation> Nouvel ordre&#xa0;: %1%2%3%4</translation>
    </message>
    <message>
        <source>Oh my God, try again. Incorrect selection.</source>
        <translation>Oh là là, recommencez. Choix incorrect.</translation>
    </message>
    <message>
        <source>New Order recorded in Registry</source>
        <translation>Nouvel ordre enregistré dans le Registre</translation>
    </message>
    <message>
        <source>Current adjustment shown.</source>
        <translation>Réglage actuel affiché.</translation>
    </message>
    <message>
        <source>Value left unchanged</source>
        <translation>Valeur inchangée</translation>
    </message>
    <message>
        <source>New value recorded in Registry</source>
        <translation>Nouvelle valeur enregistrée dans le Registre</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Current order: %1</source>
        <translation>Ordre actuel&#xa0;: %1</translation>
    </message>
    <message>
        <source>New order: %1</source>
        <translation>Nouvel ordre&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 page.</source>
        <translation>Page %1.</translation>
    </message>
</context>
<context>
    <name>tavolin::TStats1Dlg</name>
    <message>
        <source> Statistics Delete Event</source>
        <translation> Effacement des statistiques</translation>
    </message>
    <message>
        <source>no streaks detected</source>
        <translation>aucune série</translation>
    </message>
    <message>
        <source>currently won:  one game</source>
        <translation>en cours&#xa0;:  une partie gagnée</translation>
    </message>
    <message>
        <source>currently won:  %1 games in a row</source>
        <translation>en cours&#xa0;:  %1 gagnées d&apos;affilée</translation>
    </message>
    <message>
        <source>currently lost:  one game</source>
        <translation>en cours&#xa0;:  une partie perdue</translation>
    </message>
    <message>
        <source>currently lost:  %1 games in a row</source>
        <translation>en cours&#xa0;:  %1 perdues d&apos;affilée</translation>
    </message>
    <message>
        <source>This session:                 %1%</source>
        <translation>Cette séance&#xa0;:               %1 %</translation>
    </message>
    <message>
        <source>won:     %1</source>
        <translation>gagnées&#xa0;:  %1</translation>
    </message>
    <message>
        <source>lost:      %1</source>
        <translation>perdues&#xa0;:  %1</translation>
    </message>
    <message>
        <source>Totals:                             %1%</source>
        <translation>Total&#xa0;:                              %1 %</translation>
    </message>
    <message>
        <source>Streaks:</source>
        <translation>Séries&#xa0;:</translation>
    </message>
    <message>
        <source> Tavolin Statistics</source>
        <translation> Statistiques de Tavolin</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Game should be finished first.</source>
        <translation>Terminez d&apos;abord la partie.</translation>
    </message>
    <message>
        <source>Delete all statistics ?</source>
        <translation>Effacer toutes les statistiques&#xa0;?</translation>
    </message>
    <message>
        <source>Another copy of the game changed the statistics while the question was open, so nothing was deleted. They are shown as they are now.</source>
        <translation>Une autre copie du jeu a modifié les statistiques pendant que la question était ouverte&#xa0;; rien n&apos;a donc été effacé. Elles sont affichées telles qu&apos;elles sont maintenant.</translation>
    </message>
    <message>
        <source>The statistics could not be deleted: %1

Nothing was deleted.</source>
        <translation>Les statistiques n&apos;ont pas pu être effacées&#xa0;: %1

Rien n&apos;a été effacé.</translation>
    </message>
    <message>
        <source>Totals of all games: %1%</source>
        <translation>Total de toutes les parties&#xa0;: %1&#xa0;%</translation>
    </message>
</context>
</TS>
