<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Box</name>
    <message>
        <source> Transfer to empty Column</source>
        <translation> Movimiento a Columna vacía</translation>
    </message>
    <message>
        <source>Move more than one card ?</source>
        <translation>¿Mover más de una carta?</translation>
    </message>
    <message>
        <source>Number of cards permitted to move: only %d.</source>
        <translation>Cartas que se pueden mover: solo %d.</translation>
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
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Corazones</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Diamantes</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Picas</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Tréboles</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
</context>
<context>
    <name>Deals</name>
    <message>
        <source>&apos;%1&apos; is not a deal number: deals are numbered from 1 to %2.</source>
        <translation>&apos;%1&apos; no es un número de reparto: los repartos van del 1 al %2.</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>FileSave</name>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>No se pudo escribir %1: %2.</translation>
    </message>
    <message>
        <source>%1 is held by another program and was not let go within %2 seconds.</source>
        <translation>%1 lo retiene otro programa y no se liberó en %2 segundos.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2.</source>
        <translation>No se pudo crear %1: %2.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source> Rank cleared: %ss</source>
        <translation> Los cuatro en las Bases: %s</translation>
    </message>
    <message>
        <source>Transfer Details off by lack of space.</source>
        <translation>Detalles ocultos por falta de espacio.</translation>
    </message>
    <message>
        <source>Autom. -&gt; Pile[ %d ]: %s of %s</source>
        <translation>Autom. -&gt; Base[ %d ]: %s de %s</translation>
    </message>
    <message>
        <source>Card selected: %s of %s</source>
        <translation>Carta elegida: %s de %s</translation>
    </message>
    <message>
        <source>Room -&gt; free Room:  %s of %s</source>
        <translation>Celda -&gt; Celda libre:  %s de %s</translation>
    </message>
    <message>
        <source>Deck -&gt; free Room:  %s of %s</source>
        <translation>Escalera -&gt; Celda:  %s de %s</translation>
    </message>
    <message>
        <source>Room -&gt; Pile: %s of %s</source>
        <translation>Celda -&gt; Base: %s de %s</translation>
    </message>
    <message>
        <source>Deck -&gt; Pile:  %s of %s</source>
        <translation>Escalera -&gt; Base:  %s de %s</translation>
    </message>
    <message>
        <source>Room -&gt; Column:  %s of %s</source>
        <translation>Celda -&gt; Columna:  %s de %s</translation>
    </message>
    <message>
        <source>Deck -&gt; Column:  %s of %s</source>
        <translation>Escalera -&gt; Columna:  %s de %s</translation>
    </message>
    <message>
        <source>Deck -&gt; Column:  %d cards</source>
        <translation>Escalera -&gt; Columna:  %d cartas</translation>
    </message>
    <message>
        <source>Deck -&gt; empty Column:  %d cards</source>
        <translation>Escalera -&gt; Columna vacía:  %d cartas</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Room %1</source>
        <translation>Celda %1</translation>
    </message>
    <message>
        <source>Pile %1</source>
        <translation>Base %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartas</translation>
    </message>
    <message>
        <source>Hint: %1 from %2</source>
        <translation>Pista: %1 de la %2</translation>
    </message>
    <message>
        <source>%1to the empty %2</source>
        <translation>%1a la %2 vacía</translation>
    </message>
    <message>
        <source>alone </source>
        <translation>sola </translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>an Ace</comment>
        <extracomment>Where the hinted card goes: onto the top card of a Column, whose rank is the one this entry is for; %1 is that card, %2 the Column.</extracomment>
        <translation>sobre el %1, %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 2</comment>
        <translation>sobre el %1, %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 3</comment>
        <translation>sobre el %1, %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 4</comment>
        <translation>sobre el %1, %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 5</comment>
        <translation>sobre el %1, %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 6</comment>
        <translation>sobre el %1, %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 7</comment>
        <translation>sobre el %1, %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>an 8</comment>
        <translation>sobre el %1, %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 9</comment>
        <translation>sobre el %1, %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 10</comment>
        <translation>sobre el %1, %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a Jack</comment>
        <translation>sobre la %1, %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a Queen</comment>
        <translation>sobre la %1, %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a King</comment>
        <translation>sobre el %1, %2</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>a Room</comment>
        <translation>a la %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>a Pile</comment>
        <translation>a la %1</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <translation>%1 de la %2 %3</translation>
    </message>
    <message>
        <source>Lost by %1 to %2</source>
        <translation>Perdió: %1 a la %2</translation>
    </message>
    <message>
        <source>Undo takes it back.</source>
        <translation>El movimiento aún se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Automatic Move Detection</source>
        <translation>Detección automática de movimientos</translation>
    </message>
    <message>
        <source>Comments &amp; Hints</source>
        <translation>Comentarios &amp; pistas</translation>
    </message>
    <message>
        <source>Room to Pile: 0</source>
        <translation>Celda a Base: 0</translation>
    </message>
    <message>
        <source>Room to Deck: 0</source>
        <translation>Celda a Escalera: 0</translation>
    </message>
    <message>
        <source>Deck to Pile: 0</source>
        <translation>Escalera a Base: 0</translation>
    </message>
    <message>
        <source>Column to Column: 0</source>
        <translation>Columna a Columna: 0</translation>
    </message>
    <message>
        <source> RoomToPile: %d</source>
        <translation> Celda a Base: %d</translation>
    </message>
    <message>
        <source> RoomToDeck: %d</source>
        <translation> Celda a Escalera: %d</translation>
    </message>
    <message>
        <source>Deck to Pile: %d</source>
        <translation>Escalera a Base: %d</translation>
    </message>
    <message>
        <source>Column to Column: %d</source>
        <translation>Columna a Columna: %d</translation>
    </message>
    <message>
        <source>Free Rooms</source>
        <translation>Celdas libres</translation>
    </message>
    <message>
        <source>Nice day, to-day.</source>
        <translation>Hoy hace un buen día.</translation>
    </message>
    <message>
        <source>Take your pick.</source>
        <translation>Tú eliges.</translation>
    </message>
    <message>
        <source>See you later, alligator.</source>
        <translation>Hasta luego, Lucas.</translation>
    </message>
    <message>
        <source>Or try your luck in a new game.</source>
        <translation>O prueba suerte en una nueva partida.</translation>
    </message>
    <message>
        <source>Running into a pocket?</source>
        <translation>¿Un callejón sin salida?</translation>
    </message>
    <message>
        <source>First card at origin is %s of %s</source>
        <translation>Primera carta del origen: %s de %s</translation>
    </message>
    <message>
        <source>First card doesn&apos;t match target.</source>
        <translation>La primera carta no encaja con el objetivo.</translation>
    </message>
    <message>
        <source>Card number %d no match for previous card.</source>
        <translation>La carta número %d no encaja con la anterior.</translation>
    </message>
    <message>
        <source>Card number %d matches target.</source>
        <translation>La carta número %d encaja con el objetivo.</translation>
    </message>
    <message>
        <source>Last card number %d processed: %d</source>
        <translation>Última carta número %d procesada: %d</translation>
    </message>
    <message>
        <source>Card number %d is %s of %s</source>
        <translation>La carta número %d es %s de %s</translation>
    </message>
    <message>
        <source>Card Tranfer Info</source>
        <translation>Info del movimiento</translation>
    </message>
    <message>
        <source>Search Details</source>
        <translation>Detalles de búsqueda</translation>
    </message>
    <message>
        <source>Result returned from destination</source>
        <translation>Resultado devuelto por el destino</translation>
    </message>
    <message>
        <source>Selected origin:  %s of %s</source>
        <translation>Origen elegido:  %s de %s</translation>
    </message>
    <message>
        <source>Selected target:  none, empty column</source>
        <translation>Objetivo elegido:  ninguno, columna vacía</translation>
    </message>
    <message>
        <source>Selected target:  %s of %s</source>
        <translation>Objetivo elegido:  %s de %s</translation>
    </message>
    <message>
        <source>Destination:  Column number %d</source>
        <translation>Destino:  Columna número %d</translation>
    </message>
    <message>
        <source>Ready for tranfer of single card.</source>
        <translation>Listo para mover una carta.</translation>
    </message>
    <message>
        <source>Try other destination.</source>
        <translation>Prueba otro destino.</translation>
    </message>
    <message>
        <source>Ready for tranfer of single deck card.</source>
        <translation>Listo para mover una Escalera de una carta.</translation>
    </message>
    <message>
        <source>Selected card matches target.</source>
        <translation>La carta elegida encaja con el objetivo.</translation>
    </message>
    <message>
        <source>Card missing in selected column.</source>
        <translation>Falta una carta en la columna elegida.</translation>
    </message>
    <message>
        <source>Try other target.</source>
        <translation>Prueba otro objetivo.</translation>
    </message>
    <message>
        <source>%d cards at origin match target.</source>
        <translation>%d cartas encajan con el objetivo.</translation>
    </message>
    <message>
        <source>Ready for transfer of single card.</source>
        <translation>Listo para mover una carta.</translation>
    </message>
    <message>
        <source>Ready for tranfer of %d deck cards.</source>
        <translation>Listo para mover una Escalera de %d cartas.</translation>
    </message>
</context>
<context>
    <name>Pointer</name>
    <message>
        <source>Target is free Room number %1</source>
        <translation>Destino: Celda libre número %1</translation>
    </message>
    <message>
        <source>Target card: none</source>
        <translation>Carta de destino: ninguna</translation>
    </message>
    <message>
        <source>Target is empty Column number %1</source>
        <translation>Destino: Columna vacía número %1</translation>
    </message>
    <message>
        <source>Target is Column number %1</source>
        <translation>Destino: Columna número %1</translation>
    </message>
    <message>
        <source>Target is Pile number %1</source>
        <translation>Destino: Base número %1</translation>
    </message>
    <message>
        <source>Cards ready for transfer: %1</source>
        <translation>Cartas listas para mover: %1</translation>
    </message>
    <message>
        <source>Target card is %s of %s</source>
        <translation>Carta de destino: %s de %s</translation>
    </message>
</context>
<context>
    <name>QtRegistry</name>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 is empty, so the statistics and settings it held are lost.</source>
        <translation>%1 está vacío: las estadísticas y las preferencias que tenía se han perdido.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, far more than the game ever writes: only its start was read.</source>
        <translation>%1 ocupa más de %2 KiB, mucho más de lo que el juego escribe nunca: solo se leyó el principio.</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>is not readable text</source>
        <translation>no es texto legible</translation>
    </message>
    <message>
        <source>is not under any [key]</source>
        <translation>no está bajo ninguna [clave]</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>no se pudo leer</translation>
    </message>
    <message>
        <source>line %1 </source>
        <translation>línea %1 </translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
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
        <translation>otra cosa</translation>
    </message>
    <message>
        <source>%1 is not a regular file but %2; the game leaves it as it is.</source>
        <translation>%1 no es un archivo normal sino %2; el juego lo deja como está.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>No se pudo abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist; the game leaves it as it is.</source>
        <translation>%1 es un enlace a un archivo que no existe; el juego lo deja como está.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source> Settings</source>
        <translation> Configuración</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; %2 is used.</source>
        <translation>No se pudo leer &quot;%1&quot;; se usa %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was %2; %3 is used.</source>
        <translation>&quot;%1&quot; valía %2; se usa %3.</translation>
    </message>
    <message>
        <source>The suits of the Piles were %1, %2, %3, %4, which leaves a suit without a Pile; the usual order is used.</source>
        <translation>Los palos de las Bases eran %1, %2, %3, %4, con lo que un palo quedaba sin Base; se usa el orden habitual.</translation>
    </message>
    <message>
        <source>Some saved settings could not be used as they were, so the game has replaced them:

</source>
        <translation>Algunos ajustes guardados no se podían usar tal como estaban, así que el juego los ha sustituido:

</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... y %1 más.</translation>
    </message>
    <message>
        <source>

The settings file as it was is kept in %1.</source>
        <translation>

El archivo de configuración, tal como estaba, se conserva en %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1

The game goes on with the settings as they are now, and saves what could not be saved with the next change that can be saved.</source>
        <translation>No se pudieron guardar las preferencias: %1

El juego sigue con las preferencias actuales y guardará lo pendiente con el próximo cambio que se pueda guardar.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>No se pudieron guardar las preferencias: %1</translation>
    </message>
    <message>
        <source>

The results of this run that wait to be saved (won: %1, lost: %2) could not be kept either: %3</source>
        <translation>

Tampoco se pudieron conservar los resultados de esta sesión pendientes de guardar (ganadas: %1, perdidas: %2): %3</translation>
    </message>
    <message>
        <source>

The results of this run that wait to be saved (won: %1, lost: %2) are kept in %3, and the next start of the game counts them.</source>
        <translation>

Los resultados de esta sesión pendientes de guardar (ganadas: %1, perdidas: %2) se conservan en %3, y el próximo inicio del juego los contará.</translation>
    </message>
    <message>
        <source>

The window&apos;s place and the preferences changed since the last save are not saved.</source>
        <translation>

No se guardan la posición de la ventana ni las preferencias cambiadas desde la última vez que se guardó.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>covered</source>
        <translation>tapada</translation>
    </message>
    <message>
        <source>Deck to Pile</source>
        <translation>Escalera a Base</translation>
    </message>
    <message>
        <source>Room to Pile</source>
        <translation>Celda a Base</translation>
    </message>
    <message>
        <source>Room to Deck</source>
        <translation>Celda a Escalera</translation>
    </message>
    <message>
        <source>Column to Column</source>
        <translation>Columna a Columna</translation>
    </message>
    <message>
        <source> from </source>
        <translation> desde </translation>
    </message>
    <message>
        <source>No move found.</source>
        <translation>No hay movimientos.</translation>
    </message>
    <message>
        <source>Information panel</source>
        <translation>Panel de información</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Celda</translation>
    </message>
    <message>
        <source>Pile</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Columna</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 carta</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartas</translation>
    </message>
    <message>
        <source>, empty, for %1</source>
        <translation>, vacía, para %1</translation>
    </message>
    <message>
        <source>, empty</source>
        <translation>, vacía</translation>
    </message>
    <message>
        <source>, %1, top %2</source>
        <translation>, %1, arriba %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>%1 moved %2.</source>
        <translation>Se movió %1 %2.</translation>
    </message>
    <message>
        <source>%1 moved %2, %3 on top.</source>
        <translation>Se movieron %1 %2, con %3 arriba.</translation>
    </message>
    <message>
        <source>%1 went by itself from %2 to %3.</source>
        <translation>Movimiento automático: %1 de %2 a %3.</translation>
    </message>
    <message>
        <source>%1 back to %2.</source>
        <translation>%1 vuelve a la %2.</translation>
    </message>
    <message>
        <source>Move undone.</source>
        <translation>Movimiento deshecho.</translation>
    </message>
    <message>
        <source>%1 held.</source>
        <translation>%1 en la mano.</translation>
    </message>
    <message>
        <source>Refused: %1 put back.</source>
        <translation>Movimiento no permitido: %1 vuelve a su sitio.</translation>
    </message>
    <message>
        <source>%1 put back.</source>
        <translation>%1 vuelve a su sitio.</translation>
    </message>
    <message>
        <source>No Pile takes %1.</source>
        <translation>Ninguna Base admite %1.</translation>
    </message>
    <message>
        <source>%1 does not go to %2.</source>
        <translation>%1 no puede ir a la %2.</translation>
    </message>
    <message>
        <source>Still held.</source>
        <translation>Sigue en la mano.</translation>
    </message>
    <message>
        <source>, on </source>
        <translation>, sobre </translation>
    </message>
    <message>
        <source>, under </source>
        <translation>, bajo </translation>
    </message>
    <message>
        <source>%1 from the top: %2.</source>
        <translation>%1 de arriba abajo: %2.</translation>
    </message>
    <message>
        <source>%1 from the bottom: %2.</source>
        <translation>%1 de abajo arriba: %2.</translation>
    </message>
</context>
<context>
    <name>tavolin::HowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>El juego</translation>
    </message>
    <message>
        <source>One pack of 52 cards is dealt face up into eight Columns. Above them lie four Rooms, each holding one card, and four Piles, one for each suit, built up from Ace to King.</source>
        <translation>Una baraja de 52 cartas se reparte boca arriba en ocho Columnas. Encima de ellas hay cuatro Celdas, cada una para una carta, y cuatro Bases, una por palo, que se llenan del As al Rey.</translation>
    </message>
    <message>
        <source>You win when all 52 cards are on the Piles. You lose when no Room and no Column is free and no move is left.</source>
        <translation>Ganas cuando las 52 cartas están en las Bases. Pierdes cuando no queda libre ninguna Celda ni Columna y no queda ningún movimiento.</translation>
    </message>
    <message>
        <source>Moving cards</source>
        <translation>Mover cartas</translation>
    </message>
    <message>
        <source>Move the top card of a Column, or the card in a Room: drag it onto its target, or click it and then click the target.</source>
        <translation>Mueve la carta de arriba de una Columna, o la carta de una Celda: arrástrala a su destino, o haz clic en ella y luego en el destino.</translation>
    </message>
    <message>
        <source>On a Column a card goes onto a card one rank higher of the other colour, a red Five on a black Six. With the card you hold go the cards above it that form a run of alternating colours: the Deck. A Deck may be as long as one card plus one for every free Room and every empty Column.</source>
        <translation>En una Columna, una carta va sobre otra de un valor más y del otro color: un Cinco rojo sobre un Seis negro. Con la carta que tomas van las que tiene encima si bajan alternando rojo y negro: la Escalera. Una Escalera puede tener una carta más una por cada Celda libre y cada Columna vacía.</translation>
    </message>
    <message>
        <source>Any card may go into an empty Room or an empty Column; an Ace never goes into a Room.</source>
        <translation>Cualquier carta puede ir a una Celda vacía o a una Columna vacía; un As nunca va a una Celda.</translation>
    </message>
    <message>
        <source>Each Pile takes only its own suit, chosen in the preferences, Ace first. Cards that can safely go to their Pile travel there by themselves.</source>
        <translation>Cada Base admite solo su palo, elegido en las preferencias, empezando por el As. Las cartas que pueden ir sin riesgo a su Base van allí solas.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Órdenes</translation>
    </message>
    <message>
        <source>Game → New game deals a game. Deal by Number deals a game by its number, and Restart Deal deals the current one again from the start.</source>
        <translation>Juego → Nueva partida reparte una partida. Reparto por número reparte una partida según su número, y Repetir reparto vuelve a repartir la actual desde el principio.</translation>
    </message>
    <message>
        <source>Game → Finish game, the leaf button between the Rooms and the Piles, or quitting during a game counts the game as lost. With no game the leaf button clears the table.</source>
        <translation>Juego → Terminar partida, el botón de la hoja entre las Celdas y las Bases, o salir durante una partida la cuenta como perdida. Sin partida, el botón de la hoja despeja la mesa.</translation>
    </message>
    <message>
        <source>Undo, the button or Move → Undo Move, takes your last transfer back together with the cards that went to the Piles after it. It works once, right after a transfer.</source>
        <translation>Deshacer, el botón o Movimiento → Deshacer movimiento, anula tu último movimiento junto con las cartas que fueron a las Bases después. Funciona una vez, justo después de un movimiento.</translation>
    </message>
    <message>
        <source>Move → Hint names the next transfer of a winning line in the status bar and frames its cards; nothing moves.</source>
        <translation>Movimiento → Pista indica en la barra de estado el siguiente movimiento de una línea ganadora y enmarca sus cartas; no se mueve nada.</translation>
    </message>
    <message>
        <source>Game → Statistics shows your wins, your losses and the current streak. Game → Preferences chooses what the status bar and the panel below the Columns show, the suit of each Pile and the speed of the cards.</source>
        <translation>Juego → Estadísticas muestra tus victorias, tus derrotas y la racha actual. Juego → Preferencias elige qué muestran la barra de estado y el panel bajo las Columnas, el palo de cada Base y la velocidad de las cartas.</translation>
    </message>
    <message>
        <source>The move panel</source>
        <translation>El panel de movimientos</translation>
    </message>
    <message>
        <source>Show, the button or Move → Show Moves, shows or hides a panel below the Columns that counts the moves possible now: Room to Pile, Room to Deck (a Room&apos;s card onto a Column), Deck to Pile (a Column&apos;s top card onto its Pile) and Column to Column.</source>
        <translation>Mostrar, el botón o Movimiento → Mostrar movimientos, muestra u oculta bajo las Columnas un panel que cuenta los movimientos posibles ahora: Celda a Base, Celda a Escalera (la carta de una Celda sobre una Columna), Escalera a Base (la carta de arriba de una Columna a su Base) y Columna a Columna.</translation>
    </message>
    <message>
        <source>A green disc marks each Room or Column a move of that kind starts from, a red disc one with none, an empty square an empty Column. Free Rooms shows the four Rooms, a red disc for each one taken. Comments &amp; Hints greets a new game and warns when no Room and no Column is left free.</source>
        <translation>Un disco verde marca cada Celda o Columna de la que parte un movimiento de ese tipo, un disco rojo una que no tiene ninguno y un cuadrado vacío una Columna vacía. Celdas libres muestra las cuatro Celdas, con un disco rojo por cada una ocupada. Comentarios &amp; pistas saluda cada partida nueva y avisa cuando no queda libre ninguna Celda ni Columna.</translation>
    </message>
    <message>
        <source>The details panel</source>
        <translation>El panel de detalles</translation>
    </message>
    <message>
        <source>With Show Transfer Details chosen in the preferences, the same place shows instead how a transfer is searched while you hold a card over a Column: the card held, the target, each card of the Deck in turn, and the result, green when the cards may go and yellow when not. While it is on, Show Moves is not offered. It goes off by itself when a Column grows into its place.</source>
        <translation>Con Mostrar detalles de movimientos elegido en las preferencias, ese mismo espacio muestra en cambio cómo se busca un movimiento mientras sostienes una carta sobre una Columna: la carta sostenida, el objetivo, cada carta de la Escalera por turno y el resultado, en verde cuando las cartas pueden ir y en amarillo cuando no. Mientras está activo, Mostrar movimientos no se ofrece. Se desactiva solo cuando una Columna crece hasta ocupar su sitio.</translation>
    </message>
    <message>
        <source>The status bar</source>
        <translation>La barra de estado</translation>
    </message>
    <message>
        <source>From the left: the hint of the menu item under the pointer, the cards left and the card you hold; the start and end of the game, transfers to the Rooms and the ranks cleared; the playing time or, with Display Transfer Info, each transfer and each automatic move to a Pile. On a wide window the deal number stands at the right.</source>
        <translation>De izquierda a derecha: la ayuda de la opción de menú bajo el puntero, las cartas restantes y la carta que sostienes; el inicio y el fin de la partida, los movimientos a las Celdas y los valores que ya están completos en las Bases; el tiempo de juego o, con Mostrar info de movimientos, cada movimiento y cada movimiento automático a una Base. En una ventana ancha, el número de reparto aparece a la derecha.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>The table takes the keys while the main window is active. The play keys do nothing while a card travels to its Pile, while a box is open, or with no game.</source>
        <translation>La mesa recibe las teclas mientras la ventana principal está activa. Las teclas de juego no hacen nada mientras una carta viaja a su Base, mientras hay un cuadro de diálogo abierto o si no hay partida.</translation>
    </message>
    <message>
        <source>The Columns, left to right: pick up the top card, or drop the held card there</source>
        <translation>Las Columnas, de izquierda a derecha: tomar la carta de arriba o dejar ahí la carta sostenida</translation>
    </message>
    <message>
        <source>The Rooms, left to right: pick up the card, or drop the held card there</source>
        <translation>Las Celdas, de izquierda a derecha: tomar la carta o dejar ahí la carta sostenida</translation>
    </message>
    <message>
        <source>The Piles: drop the held card on the Pile that takes it</source>
        <translation>Las Bases: dejar la carta sostenida en la Base que la admite</translation>
    </message>
    <message>
        <source>Put the held card back</source>
        <translation>Devolver la carta sostenida a su sitio</translation>
    </message>
    <message>
        <source>Move the keyboard cursor between the Rooms, the Piles and the Columns</source>
        <translation>Mover el cursor del teclado entre las Celdas, las Bases y las Columnas</translation>
    </message>
    <message>
        <source>Act on the place under the keyboard cursor, as its key does</source>
        <translation>Actuar sobre el lugar bajo el cursor del teclado, como hace su tecla</translation>
    </message>
    <message>
        <source>Move between the table and the buttons</source>
        <translation>Pasar de la mesa a los botones y viceversa</translation>
    </message>
    <message>
        <source>Do what the hint said and the next hint goes on along the same line: following the hints wins the game, and never comes back to a table it passed.</source>
        <translation>Haz lo que dijo la pista y la siguiente sigue la misma línea: seguir las pistas gana la partida, sin volver nunca a una posición ya vista.</translation>
    </message>
    <message>
        <source>Once a game is lost, Move → Losing Move names the transfer that lost it, made on the last table from which the game could still be won, and offers to deal the same deal again. With Move → Warn of Losing Moves checked, the status bar says so at once when a transfer loses the game, while Undo can still take it back.</source>
        <translation>Perdida una partida, Movimiento → Movimiento perdedor indica el movimiento que la perdió, hecho en la última posición desde la que aún se podía ganar, y ofrece repetir el mismo reparto. Con Movimiento → Avisar de movimientos perdedores marcado, la barra de estado lo dice en cuanto un movimiento pierde la partida, mientras aún se puede deshacer.</translation>
    </message>
    <message>
        <source>With a screen reader: read the place under the keyboard cursor card by card, from the top card down</source>
        <translation>Con un lector de pantalla: leer el lugar bajo el cursor del teclado carta a carta, desde la carta de arriba hacia abajo</translation>
    </message>
    <message>
        <source>With a screen reader: read the place under the keyboard cursor card by card, from the first card up</source>
        <translation>Con un lector de pantalla: leer el lugar bajo el cursor del teclado carta a carta, desde la primera carta hacia arriba</translation>
    </message>
</context>
<context>
    <name>tavolin::TAboutBox</name>
    <message>
        <source>Tavolin is a solitaire for one player. One pack of 52 cards is dealt face up into eight Columns; every card has to reach its Pile, from Ace up to King, by way of the Columns and the four Rooms.

Questions, ideas and reports of faults are welcome at tavolin@example.org.

Further help and hints on play are on the Tavolin web page given above.</source>
        <translation>Tavolin es un solitario para un jugador. Una baraja de 52 cartas se reparte boca arriba en ocho Columnas; cada carta debe llegar a su Base, del As al Rey, pasando por las Columnas y las cuatro Celdas.

Preguntas, ideas e informes de fallos son bienvenidos en tavolin@example.org.

En la página web de Tavolin indicada arriba hay más ayuda y consejos de juego.</translation>
    </message>
    <message>
        <source>URL copied to Clipboard</source>
        <translation>URL copiada al portapapeles</translation>
    </message>
    <message>
        <source> About this game... </source>
        <translation> Acerca de este juego... </translation>
    </message>
    <message>
        <source>Version 2.2 XP,   Release Number 1 </source>
        <translation>Versión 2.2 XP,   Revisión 1 </translation>
    </message>
    <message>
        <source>Created for enjoyment and study by  </source>
        <translation>Creado para disfrute y estudio por  </translation>
    </message>
    <message>
        <source>Copy URL to Clipboard</source>
        <translation>Copiar URL al portapapeles</translation>
    </message>
</context>
<context>
    <name>tavolin::TCalendarForm</name>
    <message>
        <source> A Calendar, for your convenience</source>
        <translation> Un calendario, por si acaso</translation>
    </message>
</context>
<context>
    <name>tavolin::TForm1</name>
    <message>
        <source> New Game Selection</source>
        <translation> Elegir nueva partida</translation>
    </message>
    <message>
        <source>Current game not finished yet.</source>
        <translation>La partida actual aún no ha terminado.</translation>
    </message>
    <message>
        <source> Game Control</source>
        <translation> Control de la partida</translation>
    </message>
    <message>
        <source>End the current game ?</source>
        <translation>¿Terminar la partida actual?</translation>
    </message>
    <message>
        <source> Closing Event</source>
        <translation> Cierre</translation>
    </message>
    <message>
        <source>Quit game and exit ?</source>
        <translation>¿Abandonar la partida y salir?</translation>
    </message>
    <message>
        <source>&amp;Restart Deal</source>
        <translation>&amp;Repetir reparto</translation>
    </message>
    <message>
        <source>Deal the current or last game again</source>
        <translation>Repetir la partida actual o la última</translation>
    </message>
    <message>
        <source>&amp;Deal by Number...</source>
        <translation>Reparto por nú&amp;mero...</translation>
    </message>
    <message>
        <source>Deal a game by its number</source>
        <translation>Repartir una partida por su número</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Name a move that leads to a win</source>
        <translation>Indicar un movimiento que lleva a ganar</translation>
    </message>
    <message>
        <source> Deal by Number</source>
        <translation> Reparto por número</translation>
    </message>
    <message>
        <source>Deal number, 1 to %1:</source>
        <translation>Número de reparto, de 1 a %1:</translation>
    </message>
    <message>
        <source>Deal %1 </source>
        <translation>Reparto %1 </translation>
    </message>
    <message>
        <source>&amp;Restart Deal %1</source>
        <translation>&amp;Repetir reparto %1</translation>
    </message>
    <message>
        <source>Game started at </source>
        <translation>Partida iniciada a las </translation>
    </message>
    <message>
        <source>Transfer Info selected</source>
        <translation>Info de movimientos elegida</translation>
    </message>
    <message>
        <source> Number of Cards left:  %1</source>
        <translation> Cartas restantes:  %1</translation>
    </message>
    <message>
        <source> No move left. Game finished.</source>
        <translation> Sin movimientos. Partida terminada.</translation>
    </message>
    <message>
        <source>Hint: looking for a winning line...</source>
        <translation>Pista: buscando una línea ganadora...</translation>
    </message>
    <message>
        <source>Hint: this game can no longer be won.</source>
        <translation>Pista: esta partida ya no se puede ganar.</translation>
    </message>
    <message>
        <source>Hint: no winning line found in time.</source>
        <translation>Pista: no se halló a tiempo cómo ganar.</translation>
    </message>
    <message>
        <source>Load Error from DLL: Bitmap number %1</source>
        <translation>Error de carga de la DLL: imagen número %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Empezar una partida nueva</translation>
    </message>
    <message>
        <source>&amp;Finish game</source>
        <translation>&amp;Terminar partida</translation>
    </message>
    <message>
        <source>Finish current game</source>
        <translation>Terminar la partida actual</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>Inspect or correct statistics</source>
        <translation>Ver o corregir las estadísticas</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>Choose from preferences offered</source>
        <translation>Elegir entre las preferencias ofrecidas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Close application window, exit.</source>
        <translation>Cerrar la ventana del programa y salir.</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Movimiento</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>&amp;Deshacer movimiento</translation>
    </message>
    <message>
        <source>Undo latest move</source>
        <translation>Deshacer el último movimiento</translation>
    </message>
    <message>
        <source>&amp;Show Moves</source>
        <translation>&amp;Mostrar movimientos</translation>
    </message>
    <message>
        <source>Toggles information on possible moves</source>
        <translation>Muestra u oculta los movimientos posibles</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;About this Game</source>
        <translation>&amp;Acerca de este juego</translation>
    </message>
    <message>
        <source>Displays application info</source>
        <translation>Muestra información del programa</translation>
    </message>
    <message>
        <source>Show &amp;Date</source>
        <translation>Mostrar &amp;fecha</translation>
    </message>
    <message>
        <source>Displays a calendar</source>
        <translation>Muestra un calendario</translation>
    </message>
    <message>
        <source>Finish game</source>
        <translation>Terminar partida</translation>
    </message>
    <message>
        <source>Finish the game, or clear the table</source>
        <translation>Terminar la partida o despejar la mesa</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source> Dir: </source>
        <translation> Dir.: </translation>
    </message>
    <message>
        <source>Main form: %1 x %2 pixels</source>
        <translation>Ventana principal: %1 x %2 píxeles</translation>
    </message>
    <message>
        <source> hrs.</source>
        <translation> h</translation>
    </message>
    <message>
        <source>Playing Time: mins </source>
        <translation>Tiempo de juego: min </translation>
    </message>
    <message>
        <source> secs</source>
        <translation> s</translation>
    </message>
    <message>
        <source> Card Table Control</source>
        <translation> Control de la mesa</translation>
    </message>
    <message>
        <source>This program requires a screen resolution of 
at least 800 x 600, or 1024 x 768 pixels.</source>
        <translation>Este programa necesita una resolución de pantalla 
de al menos 800 x 600 o 1024 x 768 píxeles.</translation>
    </message>
    <message>
        <source> Library used: VelvetRes2.DLL</source>
        <translation> Biblioteca usada: VelvetRes2.DLL</translation>
    </message>
    <message>
        <source> DLL Load Error</source>
        <translation> Error al cargar la DLL</translation>
    </message>
    <message>
        <source> Unable to load &apos;VelvetRes2.DLL&apos;.</source>
        <translation> No se pudo cargar &apos;VelvetRes2.DLL&apos;.</translation>
    </message>
    <message>
        <source> Current Directory</source>
        <translation> Directorio actual</translation>
    </message>
    <message>
        <source> Load Error</source>
        <translation> Error de carga</translation>
    </message>
    <message>
        <source>Unable to load side-window Bitmap.</source>
        <translation>No se pudo cargar la imagen de la ventana lateral.</translation>
    </message>
    <message>
        <source>Game won at </source>
        <translation>Partida ganada a las </translation>
    </message>
    <message>
        <source> Game Result</source>
        <translation> Resultado de la partida</translation>
    </message>
    <message>
        <source>Congratulations, you won!</source>
        <translation>¡Enhorabuena, has ganado!</translation>
    </message>
    <message>
        <source>Game finished at </source>
        <translation>Partida terminada a las </translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Cómo se juega</translation>
    </message>
    <message>
        <source>Explains the game, its keys and panels</source>
        <translation>Explica el juego, sus teclas y paneles</translation>
    </message>
    <message>
        <source>The large cards need a screen at least %1 pixels wide, and this one is %2 pixels wide: the small cards are used.</source>
        <translation>Las cartas grandes necesitan una pantalla de al menos %1 píxeles de ancho, y esta tiene %2 píxeles: se usan las cartas pequeñas.</translation>
    </message>
    <message>
        <source>Deal %1 dealt.</source>
        <translation>Reparto %1 en la mesa.</translation>
    </message>
    <message>
        <source>&amp;Losing Move</source>
        <translation>Movimiento pe&amp;rdedor</translation>
    </message>
    <message>
        <source>Name the transfer that lost the last game</source>
        <translation>Indicar qué movimiento perdió la partida</translation>
    </message>
    <message>
        <source>&amp;Warn of Losing Moves</source>
        <translation>&amp;Avisar de movimientos perdedores</translation>
    </message>
    <message>
        <source>Looking for the move that lost the game...</source>
        <translation>Buscando el movimiento perdedor...</translation>
    </message>
    <message>
        <source>Transfer %1 lost the game: %2.

Before it the game could still be won; after it no sequence of transfers could win it.</source>
        <translation>El movimiento %1 perdió la partida: %2.

Antes de él la partida aún se podía ganar; después, ninguna sucesión de movimientos podía ganarla.</translation>
    </message>
    <message>
        <source>This deal could not be won from the start: no transfer lost it.</source>
        <translation>Este reparto no se podía ganar desde el principio: ningún movimiento lo perdió.</translation>
    </message>
    <message>
        <source>When the game ended it could still be won: no transfer lost it.</source>
        <translation>Cuando terminó, la partida aún se podía ganar: ningún movimiento la perdió.</translation>
    </message>
    <message>
        <source>The searches did not find out in time which transfer lost the game.</source>
        <translation>La búsqueda no averiguó a tiempo qué movimiento perdió la partida.</translation>
    </message>
    <message>
        <source> Losing Move</source>
        <translation> Movimiento perdedor</translation>
    </message>
    <message>
        <source>

Deal %1 again?</source>
        <translation>

¿Repetir el reparto %1?</translation>
    </message>
    <message>
        <source>Warn when a transfer loses the game</source>
        <translation>Avisar si un movimiento pierde la partida</translation>
    </message>
    <message>
        <source>No card held.</source>
        <translation>Ninguna carta en la mano.</translation>
    </message>
</context>
<context>
    <name>tavolin::TPrefDlg1</name>
    <message>
        <source> Bitmap Load Error</source>
        <translation> Error al cargar la imagen</translation>
    </message>
    <message>
        <source>Current setting of display options</source>
        <translation>Ajuste actual de las opciones de vista</translation>
    </message>
    <message>
        <source> Environment Preferences</source>
        <translation> Preferencias</translation>
    </message>
    <message>
        <source>Display Options</source>
        <translation>Opciones de vista</translation>
    </message>
    <message>
        <source>Bitmap Path Info</source>
        <translation>Ruta de la imagen</translation>
    </message>
    <message>
        <source>Suit Selection</source>
        <translation>Elección de palos</translation>
    </message>
    <message>
        <source>Speed Control</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Status bar display</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Transfer details</source>
        <translation>Detalles de movimientos</translation>
    </message>
    <message>
        <source>Side window picture</source>
        <translation>Imagen de la ventana lateral</translation>
    </message>
    <message>
        <source>Display Playing Time</source>
        <translation>Mostrar tiempo de juego</translation>
    </message>
    <message>
        <source>Display Transfer Info</source>
        <translation>Mostrar info de movimientos</translation>
    </message>
    <message>
        <source>Show Transfer Details ( as long as space permits )</source>
        <translation>Mostrar detalles de movimientos ( si hay espacio )</translation>
    </message>
    <message>
        <source>Show picture in side window</source>
        <translation>Mostrar imagen en la ventana lateral</translation>
    </message>
    <message>
        <source>Bitmap Path and File Name Info:      </source>
        <translation>Ruta y nombre del archivo de imagen:      </translation>
    </message>
    <message>
        <source>Bitmap path and file name</source>
        <translation>Ruta y nombre del archivo de imagen</translation>
    </message>
    <message>
        <source>Example: D:\Images\bmp\sw.bmp</source>
        <translation>Ejemplo: D:\Images\bmp\sw.bmp</translation>
    </message>
    <message>
        <source>Picture  Dimension required for side window:</source>
        <translation>Tamaño de imagen para la ventana lateral:</translation>
    </message>
    <message>
        <source>Press buttons in the order desired ...</source>
        <translation>Pulsa los botones en el orden deseado ...</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Corazones</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Diamantes</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Picas</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Tréboles</translation>
    </message>
    <message>
        <source>Speed Adjustment for Automatic Card Moves</source>
        <translation>Velocidad de los movimientos automáticos</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lento</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>rápido</translation>
    </message>
    <message>
        <source>Speed of automatic card moves</source>
        <translation>Velocidad de los movimientos automáticos de cartas</translation>
    </message>
    <message>
        <source>From 1, slow, to 10, fast</source>
        <translation>De 1, lento, a 10, rápido</translation>
    </message>
    <message>
        <source>Move Slider into desired position, then press OK Button.</source>
        <translation>Mueve el control a la posición deseada y pulsa Aceptar.</translation>
    </message>
    <message>
        <source>Defines location of side-window Bitmap</source>
        <translation>Define dónde está la imagen de la ventana lateral</translation>
    </message>
    <message>
        <source> Picture Width = %1, Height = %2 pixels      </source>
        <translation> Imagen: ancho = %1, alto = %2 píxeles      </translation>
    </message>
    <message>
        <source>Selection needs correct bitmap path name.
See Bitmap Path Info page.</source>
        <translation>La opción necesita una ruta de imagen correcta.
Véase la página Ruta de la imagen.</translation>
    </message>
    <message>
        <source>Selection reset because of bitmap load error.</source>
        <translation>Opción anulada por un error al cargar la imagen.</translation>
    </message>
    <message>
        <source>Display Options recorded in Registry</source>
        <translation>Opciones de vista guardadas en el Registro</translation>
    </message>
    <message>
        <source>Edit or confirm side-window Bitmap location</source>
        <translation>Edita o confirma la ruta de la imagen lateral</translation>
    </message>
    <message>
        <source>No modification recorded</source>
        <translation>Ningún cambio guardado</translation>
    </message>
    <message>
        <source>Unable to load Bitmap from that path.</source>
        <translation>No se pudo cargar la imagen desde esa ruta.</translation>
    </message>
    <message>
        <source>Bitmap path name invalid. Selection checkbox cleared.</source>
        <translation>Ruta de imagen no válida. Casilla desmarcada.</translation>
    </message>
    <message>
        <source>Modified path name stored in Registry. Selection cleared.</source>
        <translation>Ruta nueva guardada en el Registro. Casilla desmarcada.</translation>
    </message>
    <message>
        <source>Modified path name stored in Registry.</source>
        <translation>Ruta nueva guardada en el Registro.</translation>
    </message>
    <message>
        <source>Assignment of suits to piles.</source>
        <translation>Asignación de palos a las Bases.</translation>
    </message>
    <message>
        <source> Current order: %1%2%3%4            </source>
        <translation> Orden actual: %1%2%3%4            </translation>
    </message>
    <message>
        <source> New order: %1%2%3%4            </source>
        <translation> Orden nuevo: %1%2%3%4            </translation>
    </message>
    <message>
        <source> New order: %1%2%3%4</source>
        <translation> Orden nuevo: %1%2%3%4</translation>
    </message>
    <message>
        <source>Oh my God, try again. Incorrect selection.</source>
        <translation>¡Dios mío! Prueba otra vez. Elección incorrecta.</translation>
    </message>
    <message>
        <source>New Order recorded in Registry</source>
        <translation>Orden nuevo guardado en el Registro</translation>
    </message>
    <message>
        <source>Current adjustment shown.</source>
        <translation>Se muestra el ajuste actual.</translation>
    </message>
    <message>
        <source>Value left unchanged</source>
        <translation>Valor sin cambios</translation>
    </message>
    <message>
        <source>New value recorded in Registry</source>
        <translation>Valor nuevo guardado en el Registro</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Current order: %1</source>
        <translation>Orden actual: %1</translation>
    </message>
    <message>
        <source>New order: %1</source>
        <translation>Orden nuevo: %1</translation>
    </message>
    <message>
        <source>%1 page.</source>
        <translation>Página %1.</translation>
    </message>
</context>
<context>
    <name>tavolin::TStats1Dlg</name>
    <message>
        <source> Statistics Delete Event</source>
        <translation> Borrar estadísticas</translation>
    </message>
    <message>
        <source>no streaks detected</source>
        <translation>ninguna racha</translation>
    </message>
    <message>
        <source>currently won:  one game</source>
        <translation>racha actual:  una ganada</translation>
    </message>
    <message>
        <source>currently won:  %1 games in a row</source>
        <translation>racha actual:  %1 ganadas</translation>
    </message>
    <message>
        <source>currently lost:  one game</source>
        <translation>racha actual:  una perdida</translation>
    </message>
    <message>
        <source>currently lost:  %1 games in a row</source>
        <translation>racha actual:  %1 perdidas</translation>
    </message>
    <message>
        <source>This session:                 %1%</source>
        <translation>Esta sesión:                 %1%</translation>
    </message>
    <message>
        <source>won:     %1</source>
        <translation>ganadas:     %1</translation>
    </message>
    <message>
        <source>lost:      %1</source>
        <translation>perdidas:    %1</translation>
    </message>
    <message>
        <source>Totals:                             %1%</source>
        <translation>Totales:                       %1%</translation>
    </message>
    <message>
        <source>Streaks:</source>
        <translation>Rachas:</translation>
    </message>
    <message>
        <source> Tavolin Statistics</source>
        <translation> Estadísticas de Tavolin</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Game should be finished first.</source>
        <translation>Primero hay que terminar la partida.</translation>
    </message>
    <message>
        <source>Delete all statistics ?</source>
        <translation>¿Borrar todas las estadísticas?</translation>
    </message>
    <message>
        <source>Another copy of the game changed the statistics while the question was open, so nothing was deleted. They are shown as they are now.</source>
        <translation>Otra copia del juego cambió las estadísticas mientras la pregunta estaba abierta, así que no se borró nada. Se muestran tal como están ahora.</translation>
    </message>
    <message>
        <source>The statistics could not be deleted: %1

Nothing was deleted.</source>
        <translation>No se pudieron borrar las estadísticas: %1

No se borró nada.</translation>
    </message>
    <message>
        <source>Totals of all games: %1%</source>
        <translation>Totales de todas las partidas: %1%</translation>
    </message>
</context>
</TS>
