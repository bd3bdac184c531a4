<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Box</name>
    <message>
        <source> Transfer to empty Column</source>
        <translation> Jogada para Coluna vazia</translation>
    </message>
    <message>
        <source>Move more than one card ?</source>
        <translation>Mover mais de uma carta?</translation>
    </message>
    <message>
        <source>Number of cards permitted to move: only %d.</source>
        <translation>Cartas que podem ser movidas: só %d.</translation>
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
        <translation>Ás</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valete</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rei</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Copas</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Ouros</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Espadas</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Paus</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
</context>
<context>
    <name>Deals</name>
    <message>
        <source>&apos;%1&apos; is not a deal number: deals are numbered from 1 to %2.</source>
        <translation>&apos;%1&apos; não é um número de partida: as partidas vão de 1 a %2.</translation>
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
        <translation>Não foi possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>%1 is held by another program and was not let go within %2 seconds.</source>
        <translation>%1 está preso por outro programa e não foi liberado em %2 segundos.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2.</source>
        <translation>Não foi possível criar %1: %2.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source> Rank cleared: %ss</source>
        <translation> As quatro nas Bases: %s</translation>
    </message>
    <message>
        <source>Transfer Details off by lack of space.</source>
        <translation>Detalhes desligados: falta espaço.</translation>
    </message>
    <message>
        <source>Autom. -&gt; Pile[ %d ]: %s of %s</source>
        <translation>Autom. -&gt; Base[ %d ]: %s de %s</translation>
    </message>
    <message>
        <source>Card selected: %s of %s</source>
        <translation>Carta escolhida: %s de %s</translation>
    </message>
    <message>
        <source>Room -&gt; free Room:  %s of %s</source>
        <translation>Célula -&gt; Célula livre:  %s de %s</translation>
    </message>
    <message>
        <source>Deck -&gt; free Room:  %s of %s</source>
        <translation>Sequência -&gt; Célula:  %s de %s</translation>
    </message>
    <message>
        <source>Room -&gt; Pile: %s of %s</source>
        <translation>Célula -&gt; Base: %s de %s</translation>
    </message>
    <message>
        <source>Deck -&gt; Pile:  %s of %s</source>
        <translation>Sequência -&gt; Base:  %s de %s</translation>
    </message>
    <message>
        <source>Room -&gt; Column:  %s of %s</source>
        <translation>Célula -&gt; Coluna:  %s de %s</translation>
    </message>
    <message>
        <source>Deck -&gt; Column:  %s of %s</source>
        <translation>Sequência -&gt; Coluna:  %s de %s</translation>
    </message>
    <message>
        <source>Deck -&gt; Column:  %d cards</source>
        <translation>Sequência -&gt; Coluna:  %d cartas</translation>
    </message>
    <message>
        <source>Deck -&gt; empty Column:  %d cards</source>
        <translation>Sequência -&gt; Coluna vazia:  %d cartas</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Room %1</source>
        <translation>Célula %1</translation>
    </message>
    <message>
        <source>Pile %1</source>
        <translation>Base %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Coluna %1</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartas</translation>
    </message>
    <message>
        <source>Hint: %1 from %2</source>
        <translation>Dica: %1 da %2</translation>
    </message>
    <message>
        <source>%1to the empty %2</source>
        <translation>%1para a %2 vazia</translation>
    </message>
    <message>
        <source>alone </source>
        <translation>sozinha </translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>an Ace</comment>
        <extracomment>Where the hinted card goes: onto the top card of a Column, whose rank is the one this entry is for; %1 is that card, %2 the Column.</extracomment>
        <translation>sobre o %1 na %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 2</comment>
        <translation>sobre o %1 na %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 3</comment>
        <translation>sobre o %1 na %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 4</comment>
        <translation>sobre o %1 na %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 5</comment>
        <translation>sobre o %1 na %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 6</comment>
        <translation>sobre o %1 na %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 7</comment>
        <translation>sobre o %1 na %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>an 8</comment>
        <translation>sobre o %1 na %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 9</comment>
        <translation>sobre o %1 na %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a 10</comment>
        <translation>sobre o %1 na %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a Jack</comment>
        <translation>sobre o %1 na %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a Queen</comment>
        <translation>sobre a %1 na %2</translation>
    </message>
    <message>
        <source>onto the %1 in %2</source>
        <comment>a King</comment>
        <translation>sobre o %1 na %2</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>a Room</comment>
        <translation>para a %1</translation>
    </message>
    <message>
        <source>to %1</source>
        <comment>a Pile</comment>
        <translation>para a %1</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <translation>%1 da %2 %3</translation>
    </message>
    <message>
        <source>Lost by %1 to %2</source>
        <translation>Perdeu: %1 para a %2</translation>
    </message>
    <message>
        <source>Undo takes it back.</source>
        <translation>A jogada ainda pode ser desfeita.</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Automatic Move Detection</source>
        <translation>Detecção automática de jogadas</translation>
    </message>
    <message>
        <source>Comments &amp; Hints</source>
        <translation>Comentários &amp; Dicas</translation>
    </message>
    <message>
        <source>Room to Pile: 0</source>
        <translation>Célula para Base: 0</translation>
    </message>
    <message>
        <source>Room to Deck: 0</source>
        <translation>Célula p/ Sequência: 0</translation>
    </message>
    <message>
        <source>Deck to Pile: 0</source>
        <translation>Sequência para Base: 0</translation>
    </message>
    <message>
        <source>Column to Column: 0</source>
        <translation>Coluna para Coluna: 0</translation>
    </message>
    <message>
        <source> RoomToPile: %d</source>
        <translation> Célula para Base: %d</translation>
    </message>
    <message>
        <source> RoomToDeck: %d</source>
        <translation> Célula p/ Sequência: %d</translation>
    </message>
    <message>
        <source>Deck to Pile: %d</source>
        <translation>Sequência para Base: %d</translation>
    </message>
    <message>
        <source>Column to Column: %d</source>
        <translation>Coluna para Coluna: %d</translation>
    </message>
    <message>
        <source>Free Rooms</source>
        <translation>Células livres</translation>
    </message>
    <message>
        <source>Nice day, to-day.</source>
        <translation>Belo dia, hoje.</translation>
    </message>
    <message>
        <source>Take your pick.</source>
        <translation>Escolha à vontade.</translation>
    </message>
    <message>
        <source>See you later, alligator.</source>
        <translation>Até logo, jacaré.</translation>
    </message>
    <message>
        <source>Or try your luck in a new game.</source>
        <translation>Ou tente a sorte numa nova partida.</translation>
    </message>
    <message>
        <source>Running into a pocket?</source>
        <translation>Entrando num beco sem saída?</translation>
    </message>
    <message>
        <source>First card at origin is %s of %s</source>
        <translation>Primeira carta na origem: %s de %s</translation>
    </message>
    <message>
        <source>First card doesn&apos;t match target.</source>
        <translation>A primeira carta não serve no destino.</translation>
    </message>
    <message>
        <source>Card number %d no match for previous card.</source>
        <translation>Carta número %d não combina com a anterior.</translation>
    </message>
    <message>
        <source>Card number %d matches target.</source>
        <translation>Carta número %d serve no destino.</translation>
    </message>
    <message>
        <source>Last card number %d processed: %d</source>
        <translation>Última carta número %d processada: %d</translation>
    </message>
    <message>
        <source>Card number %d is %s of %s</source>
        <translation>Carta número %d: %s de %s</translation>
    </message>
    <message>
        <source>Card Tranfer Info</source>
        <translation>Info da jogada</translation>
    </message>
    <message>
        <source>Search Details</source>
        <translation>Detalhes da busca</translation>
    </message>
    <message>
        <source>Result returned from destination</source>
        <translation>Resultado devolvido pelo destino</translation>
    </message>
    <message>
        <source>Selected origin:  %s of %s</source>
        <translation>Origem escolhida:  %s de %s</translation>
    </message>
    <message>
        <source>Selected target:  none, empty column</source>
        <translation>Carta de destino:  nenhuma, coluna vazia</translation>
    </message>
    <message>
        <source>Selected target:  %s of %s</source>
        <translation>Carta de destino:  %s de %s</translation>
    </message>
    <message>
        <source>Destination:  Column number %d</source>
        <translation>Destino:  Coluna número %d</translation>
    </message>
    <message>
        <source>Ready for tranfer of single card.</source>
        <translation>Pronto para mover uma carta.</translation>
    </message>
    <message>
        <source>Try other destination.</source>
        <translation>Tente outro destino.</translation>
    </message>
    <message>
        <source>Ready for tranfer of single deck card.</source>
        <translation>Pronto para mover uma Sequência de uma carta.</translation>
    </message>
    <message>
        <source>Selected card matches target.</source>
        <translation>A carta escolhida serve no destino.</translation>
    </message>
    <message>
        <source>Card missing in selected column.</source>
        <translation>Falta carta na coluna escolhida.</translation>
    </message>
    <message>
        <source>Try other target.</source>
        <translation>Tente outro destino.</translation>
    </message>
    <message>
        <source>%d cards at origin match target.</source>
        <translation>%d cartas na origem servem no destino.</translation>
    </message>
    <message>
        <source>Ready for transfer of single card.</source>
        <translation>Pronto para mover uma carta.</translation>
    </message>
    <message>
        <source>Ready for tranfer of %d deck cards.</source>
        <translation>Pronto para mover uma Sequência de %d cartas.</translation>
    </message>
</context>
<context>
    <name>Pointer</name>
    <message>
        <source>Target is free Room number %1</source>
        <translation>Destino: Célula livre número %1</translation>
    </message>
    <message>
        <source>Target card: none</source>
        <translation>Carta de destino: nenhuma</translation>
    </message>
    <message>
        <source>Target is empty Column number %1</source>
        <translation>Destino: Coluna vazia número %1</translation>
    </message>
    <message>
        <source>Target is Column number %1</source>
        <translation>Destino: Coluna número %1</translation>
    </message>
    <message>
        <source>Target is Pile number %1</source>
        <translation>Destino: Base número %1</translation>
    </message>
    <message>
        <source>Cards ready for transfer: %1</source>
        <translation>Cartas prontas para mover: %1</translation>
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
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>%1 is empty, so the statistics and settings it held are lost.</source>
        <translation>%1 está vazio: as estatísticas e as preferências que ele guardava foram perdidas.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KiB, far more than the game ever writes: only its start was read.</source>
        <translation>%1 tem mais de %2 KiB, muito mais do que o jogo grava: só o início foi lido.</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>is not readable text</source>
        <translation>não é texto legível</translation>
    </message>
    <message>
        <source>is not under any [key]</source>
        <translation>não está sob nenhuma [chave]</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>não pôde ser lida</translation>
    </message>
    <message>
        <source>line %1 </source>
        <translation>linha %1 </translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>um pipe nomeado</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>um dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>outra coisa</translation>
    </message>
    <message>
        <source>%1 is not a regular file but %2; the game leaves it as it is.</source>
        <translation>%1 não é um arquivo comum, e sim %2; o jogo o deixa como está.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>Não foi possível abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist; the game leaves it as it is.</source>
        <translation>%1 é um link para um arquivo que não existe; o jogo o deixa como está.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source> Settings</source>
        <translation> Configurações</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; %2 is used.</source>
        <translation>&quot;%1&quot; não pôde ser lido; será usado %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was %2; %3 is used.</source>
        <translation>&quot;%1&quot; era %2; será usado %3.</translation>
    </message>
    <message>
        <source>The suits of the Piles were %1, %2, %3, %4, which leaves a suit without a Pile; the usual order is used.</source>
        <translation>Os naipes das Bases eram %1, %2, %3, %4, o que deixa um naipe sem Base; será usada a ordem habitual.</translation>
    </message>
    <message>
        <source>Some saved settings could not be used as they were, so the game has replaced them:

</source>
        <translation>Algumas configurações salvas não puderam ser usadas como estavam, por isso o jogo as substituiu:

</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... e mais %1.</translation>
    </message>
    <message>
        <source>

The settings file as it was is kept in %1.</source>
        <translation>

O arquivo de configurações como estava foi guardado em %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1

The game goes on with the settings as they are now, and saves what could not be saved with the next change that can be saved.</source>
        <translation>Não foi possível salvar as preferências: %1

O jogo continua com as preferências atuais e salva o que faltou na próxima alteração que puder ser salva.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Não foi possível salvar as preferências: %1</translation>
    </message>
    <message>
        <source>

The results of this run that wait to be saved (won: %1, lost: %2) could not be kept either: %3</source>
        <translation>

Também não foi possível guardar os resultados desta sessão que aguardam ser salvos (vencidas: %1, perdidas: %2): %3</translation>
    </message>
    <message>
        <source>

The results of this run that wait to be saved (won: %1, lost: %2) are kept in %3, and the next start of the game counts them.</source>
        <translation>

Os resultados desta sessão que aguardam ser salvos (vencidas: %1, perdidas: %2) foram guardados em %3, e o próximo início do jogo os contará.</translation>
    </message>
    <message>
        <source>

The window&apos;s place and the preferences changed since the last save are not saved.</source>
        <translation>

A posição da janela e as preferências alteradas desde o último salvamento não são salvas.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>covered</source>
        <translation>coberta</translation>
    </message>
    <message>
        <source>Deck to Pile</source>
        <translation>Sequência para Base</translation>
    </message>
    <message>
        <source>Room to Pile</source>
        <translation>Célula para Base</translation>
    </message>
    <message>
        <source>Room to Deck</source>
        <translation>Célula para Sequência</translation>
    </message>
    <message>
        <source>Column to Column</source>
        <translation>Coluna para Coluna</translation>
    </message>
    <message>
        <source> from </source>
        <translation> a partir de </translation>
    </message>
    <message>
        <source>No move found.</source>
        <translation>Nenhuma jogada encontrada.</translation>
    </message>
    <message>
        <source>Information panel</source>
        <translation>Painel de informações</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Célula</translation>
    </message>
    <message>
        <source>Pile</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Coluna</translation>
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
        <translation>, vazia, para %1</translation>
    </message>
    <message>
        <source>, empty</source>
        <translation>, vazia</translation>
    </message>
    <message>
        <source>, %1, top %2</source>
        <translation>, %1, no topo %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>da %1 para a %2</translation>
    </message>
    <message>
        <source>%1 moved %2.</source>
        <translation>%1 foi %2.</translation>
    </message>
    <message>
        <source>%1 moved %2, %3 on top.</source>
        <translation>%1 foram %2, %3 no topo.</translation>
    </message>
    <message>
        <source>%1 went by itself from %2 to %3.</source>
        <translation>%1 foi automaticamente da %2 para a %3.</translation>
    </message>
    <message>
        <source>%1 back to %2.</source>
        <translation>%1 volta para a %2.</translation>
    </message>
    <message>
        <source>Move undone.</source>
        <translation>Jogada desfeita.</translation>
    </message>
    <message>
        <source>%1 held.</source>
        <translation>%1 na mão.</translation>
    </message>
    <message>
        <source>Refused: %1 put back.</source>
        <translation>Jogada recusada: %1 volta ao lugar.</translation>
    </message>
    <message>
        <source>%1 put back.</source>
        <translation>%1 volta ao lugar.</translation>
    </message>
    <message>
        <source>No Pile takes %1.</source>
        <translation>Nenhuma Base aceita %1.</translation>
    </message>
    <message>
        <source>%1 does not go to %2.</source>
        <translation>%1 não pode ir para a %2.</translation>
    </message>
    <message>
        <source>Still held.</source>
        <translation>Continua na mão.</translation>
    </message>
    <message>
        <source>, on </source>
        <translation>, sobre </translation>
    </message>
    <message>
        <source>, under </source>
        <translation>, sob </translation>
    </message>
    <message>
        <source>%1 from the top: %2.</source>
        <translation>%1 de cima para baixo: %2.</translation>
    </message>
    <message>
        <source>%1 from the bottom: %2.</source>
        <translation>%1 de baixo para cima: %2.</translation>
    </message>
</context>
<context>
    <name>tavolin::HowToPlay</name>
    <message>
        <source>How to Play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>O jogo</translation>
    </message>
    <message>
        <source>One pack of 52 cards is dealt face up into eight Columns. Above them lie four Rooms, each holding one card, and four Piles, one for each suit, built up from Ace to King.</source>
        <translation>Um baralho de 52 cartas é distribuído com a face para cima em oito Colunas. Acima delas ficam quatro Células, cada uma com lugar para uma carta, e quatro Bases, uma para cada naipe, montadas do Ás ao Rei.</translation>
    </message>
    <message>
        <source>You win when all 52 cards are on the Piles. You lose when no Room and no Column is free and no move is left.</source>
        <translation>Você vence quando as 52 cartas estão nas Bases. Você perde quando nenhuma Célula e nenhuma Coluna está livre e não resta nenhuma jogada.</translation>
    </message>
    <message>
        <source>Moving cards</source>
        <translation>Mover cartas</translation>
    </message>
    <message>
        <source>Move the top card of a Column, or the card in a Room: drag it onto its target, or click it and then click the target.</source>
        <translation>Mova a carta de cima de uma Coluna, ou a carta de uma Célula: arraste-a até o destino, ou clique nela e depois no destino.</translation>
    </message>
    <message>
        <source>On a Column a card goes onto a card one rank higher of the other colour, a red Five on a black Six. With the card you hold go the cards above it that form a run of alternating colours: the Deck. A Deck may be as long as one card plus one for every free Room and every empty Column.</source>
        <translation>Numa Coluna, uma carta vai sobre uma carta um valor acima e da outra cor: um Cinco vermelho sobre um Seis preto. Com a carta que você segura vão as cartas acima dela que descem alternando vermelho e preto: a Sequência. Uma Sequência pode ter uma carta, mais uma para cada Célula livre e cada Coluna vazia.</translation>
    </message>
    <message>
        <source>Any card may go into an empty Room or an empty Column; an Ace never goes into a Room.</source>
        <translation>Qualquer carta pode ir para uma Célula vazia ou uma Coluna vazia; um Ás nunca vai para uma Célula.</translation>
    </message>
    <message>
        <source>Each Pile takes only its own suit, chosen in the preferences, Ace first. Cards that can safely go to their Pile travel there by themselves.</source>
        <translation>Cada Base aceita só o seu naipe, escolhido nas preferências, começando pelo Ás. As cartas que podem ir para a sua Base sem risco vão para lá sozinhas.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Game → New game deals a game. Deal by Number deals a game by its number, and Restart Deal deals the current one again from the start.</source>
        <translation>Partida → Nova partida distribui uma partida. Partida por número distribui uma partida pelo seu número, e Reiniciar partida distribui de novo a partida atual desde o início.</translation>
    </message>
    <message>
        <source>Game → Finish game, the leaf button between the Rooms and the Piles, or quitting during a game counts the game as lost. With no game the leaf button clears the table.</source>
        <translation>Partida → Encerrar partida, o botão da folha entre as Células e as Bases, ou sair durante uma partida conta a partida como perdida. Sem partida, o botão da folha limpa a mesa.</translation>
    </message>
    <message>
        <source>Undo, the button or Move → Undo Move, takes your last transfer back together with the cards that went to the Piles after it. It works once, right after a transfer.</source>
        <translation>Desfazer, o botão ou Jogada → Desfazer jogada, desfaz a sua última jogada junto com as cartas que foram para as Bases depois dela. Funciona uma vez, logo após uma jogada.</translation>
    </message>
    <message>
        <source>Move → Hint names the next transfer of a winning line in the status bar and frames its cards; nothing moves.</source>
        <translation>Jogada → Dica mostra na barra de status a próxima jogada de um caminho para a vitória e destaca as suas cartas; nada se move.</translation>
    </message>
    <message>
        <source>Game → Statistics shows your wins, your losses and the current streak. Game → Preferences chooses what the status bar and the panel below the Columns show, the suit of each Pile and the speed of the cards.</source>
        <translation>Partida → Estatísticas mostra as suas vitórias, as suas derrotas e a série atual. Partida → Preferências escolhe o que a barra de status e o painel abaixo das Colunas mostram, o naipe de cada Base e a velocidade das cartas.</translation>
    </message>
    <message>
        <source>The move panel</source>
        <translation>O painel de jogadas</translation>
    </message>
    <message>
        <source>Show, the button or Move → Show Moves, shows or hides a panel below the Columns that counts the moves possible now: Room to Pile, Room to Deck (a Room&apos;s card onto a Column), Deck to Pile (a Column&apos;s top card onto its Pile) and Column to Column.</source>
        <translation>Mostrar, o botão ou Jogada → Mostrar jogadas, mostra ou esconde um painel abaixo das Colunas que conta as jogadas possíveis agora: Célula para Base, Célula para Sequência (a carta de uma Célula sobre uma Coluna), Sequência para Base (a carta de cima de uma Coluna para a sua Base) e Coluna para Coluna.</translation>
    </message>
    <message>
        <source>A green disc marks each Room or Column a move of that kind starts from, a red disc one with none, an empty square an empty Column. Free Rooms shows the four Rooms, a red disc for each one taken. Comments &amp; Hints greets a new game and warns when no Room and no Column is left free.</source>
        <translation>Um disco verde marca cada Célula ou Coluna de onde parte uma jogada desse tipo, um disco vermelho uma que não tem nenhuma, um quadrado vazio uma Coluna vazia. Células livres mostra as quatro Células, com um disco vermelho para cada uma ocupada. Comentários &amp; Dicas saúda uma nova partida e avisa quando não resta nenhuma Célula nem Coluna livre.</translation>
    </message>
    <message>
        <source>The details panel</source>
        <translation>O painel de detalhes</translation>
    </message>
    <message>
        <source>With Show Transfer Details chosen in the preferences, the same place shows instead how a transfer is searched while you hold a card over a Column: the card held, the target, each card of the Deck in turn, and the result, green when the cards may go and yellow when not. While it is on, Show Moves is not offered. It goes off by itself when a Column grows into its place.</source>
        <translation>Com Mostrar detalhes das jogadas escolhido nas preferências, o mesmo lugar mostra em vez disso como uma jogada é procurada enquanto você segura uma carta sobre uma Coluna: a carta segurada, o destino, cada carta da Sequência por vez e o resultado, verde quando as cartas podem ir e amarelo quando não. Enquanto ele estiver ligado, Mostrar jogadas não é oferecido. Ele se desliga sozinho quando uma Coluna cresce até o seu lugar.</translation>
    </message>
    <message>
        <source>The status bar</source>
        <translation>A barra de status</translation>
    </message>
    <message>
        <source>From the left: the hint of the menu item under the pointer, the cards left and the card you hold; the start and end of the game, transfers to the Rooms and the ranks cleared; the playing time or, with Display Transfer Info, each transfer and each automatic move to a Pile. On a wide window the deal number stands at the right.</source>
        <translation>Da esquerda: a explicação do item de menu sob o ponteiro, as cartas restantes e a carta que você segura; o início e o fim da partida, as jogadas para as Células e os valores que já estão todos nas Bases; o tempo de jogo ou, com Mostrar info das jogadas, cada jogada e cada jogada automática para uma Base. Numa janela larga, o número da partida fica à direita.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>The table takes the keys while the main window is active. The play keys do nothing while a card travels to its Pile, while a box is open, or with no game.</source>
        <translation>A mesa recebe as teclas enquanto a janela principal está ativa. As teclas de jogo não fazem nada enquanto uma carta vai para a sua Base, enquanto uma caixa de diálogo está aberta ou sem partida.</translation>
    </message>
    <message>
        <source>The Columns, left to right: pick up the top card, or drop the held card there</source>
        <translation>As Colunas, da esquerda para a direita: pega a carta de cima ou solta ali a carta segurada</translation>
    </message>
    <message>
        <source>The Rooms, left to right: pick up the card, or drop the held card there</source>
        <translation>As Células, da esquerda para a direita: pega a carta ou solta ali a carta segurada</translation>
    </message>
    <message>
        <source>The Piles: drop the held card on the Pile that takes it</source>
        <translation>As Bases: solta a carta segurada na Base que a aceita</translation>
    </message>
    <message>
        <source>Put the held card back</source>
        <translation>Devolve a carta segurada</translation>
    </message>
    <message>
        <source>Move the keyboard cursor between the Rooms, the Piles and the Columns</source>
        <translation>Move o cursor do teclado entre as Células, as Bases e as Colunas</translation>
    </message>
    <message>
        <source>Act on the place under the keyboard cursor, as its key does</source>
        <translation>Age no lugar sob o cursor do teclado, como a tecla dele</translation>
    </message>
    <message>
        <source>Move between the table and the buttons</source>
        <translation>Passa da mesa para os botões e de volta</translation>
    </message>
    <message>
        <source>Do what the hint said and the next hint goes on along the same line: following the hints wins the game, and never comes back to a table it passed.</source>
        <translation>Faça o que a dica disse e a próxima dica segue o mesmo caminho: seguir as dicas vence a partida, sem nunca voltar a uma posição já vista.</translation>
    </message>
    <message>
        <source>Once a game is lost, Move → Losing Move names the transfer that lost it, made on the last table from which the game could still be won, and offers to deal the same deal again. With Move → Warn of Losing Moves checked, the status bar says so at once when a transfer loses the game, while Undo can still take it back.</source>
        <translation>Perdida uma partida, Jogada → Jogada perdedora mostra a jogada que a perdeu, feita na última posição de onde a partida ainda podia ser vencida, e oferece distribuir a mesma partida de novo. Com Jogada → Avisar de jogadas perdedoras marcado, a barra de status avisa assim que uma jogada perde a partida, enquanto ela ainda pode ser desfeita.</translation>
    </message>
    <message>
        <source>With a screen reader: read the place under the keyboard cursor card by card, from the top card down</source>
        <translation>Com um leitor de tela: lê o lugar sob o cursor do teclado carta por carta, da carta do topo para baixo</translation>
    </message>
    <message>
        <source>With a screen reader: read the place under the keyboard cursor card by card, from the first card up</source>
        <translation>Com um leitor de tela: lê o lugar sob o cursor do teclado carta por carta, da primeira carta para cima</translation>
    </message>
</context>
<context>
    <name>tavolin::TAboutBox</name>
    <message>
        <source>Tavolin is a solitaire for one player. One pack of 52 cards is dealt face up into eight Columns; every card has to reach its Pile, from Ace up to King, by way of the Columns and the four Rooms.

Questions, ideas and reports of faults are welcome at tavolin@example.org.

Further help and hints on play are on the Tavolin web page given above.</source>
        <translation>Tavolin é uma paciência para um jogador. Um baralho de 52 cartas é distribuído com a face para cima em oito Colunas; cada carta tem de chegar à sua Base, do Ás até o Rei, passando pelas Colunas e pelas quatro Células.

Perguntas, ideias e relatos de falhas são bem-vindos em tavolin@example.org.

Mais ajuda e dicas de jogo estão na página do Tavolin indicada acima.</translation>
    </message>
    <message>
        <source>URL copied to Clipboard</source>
        <translation>URL copiada</translation>
    </message>
    <message>
        <source> About this game... </source>
        <translation> Sobre este jogo... </translation>
    </message>
    <message>
        <source>Version 2.2 XP,   Release Number 1 </source>
        <translation>Versão 2.2 XP,   Edição número 1 </translation>
    </message>
    <message>
        <source>Created for enjoyment and study by  </source>
        <translation>Criado para diversão e estudo por  </translation>
    </message>
    <message>
        <source>Copy URL to Clipboard</source>
        <translation>Copiar URL</translation>
    </message>
</context>
<context>
    <name>tavolin::TCalendarForm</name>
    <message>
        <source> A Calendar, for your convenience</source>
        <translation> Um calendário, para você</translation>
    </message>
</context>
<context>
    <name>tavolin::TForm1</name>
    <message>
        <source> New Game Selection</source>
        <translation> Nova partida</translation>
    </message>
    <message>
        <source>Current game not finished yet.</source>
        <translation>A partida atual ainda não terminou.</translation>
    </message>
    <message>
        <source> Game Control</source>
        <translation> Controle da partida</translation>
    </message>
    <message>
        <source>End the current game ?</source>
        <translation>Encerrar a partida atual?</translation>
    </message>
    <message>
        <source> Closing Event</source>
        <translation> Encerramento</translation>
    </message>
    <message>
        <source>Quit game and exit ?</source>
        <translation>Abandonar a partida e sair?</translation>
    </message>
    <message>
        <source>&amp;Restart Deal</source>
        <translation>&amp;Reiniciar partida</translation>
    </message>
    <message>
        <source>Deal the current or last game again</source>
        <translation>Repete a partida atual ou a última</translation>
    </message>
    <message>
        <source>&amp;Deal by Number...</source>
        <translation>Partida por nú&amp;mero...</translation>
    </message>
    <message>
        <source>Deal a game by its number</source>
        <translation>Distribui uma partida pelo seu número</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>D&amp;ica</translation>
    </message>
    <message>
        <source>Name a move that leads to a win</source>
        <translation>Indica uma jogada que leva à vitória</translation>
    </message>
    <message>
        <source> Deal by Number</source>
        <translation> Partida por número</translation>
    </message>
    <message>
        <source>Deal number, 1 to %1:</source>
        <translation>Número da partida, de 1 a %1:</translation>
    </message>
    <message>
        <source>Deal %1 </source>
        <translation>Partida %1 </translation>
    </message>
    <message>
        <source>&amp;Restart Deal %1</source>
        <translation>&amp;Reiniciar partida %1</translation>
    </message>
    <message>
        <source>Game started at </source>
        <translation>Partida iniciada às </translation>
    </message>
    <message>
        <source>Transfer Info selected</source>
        <translation>Info das jogadas ligada</translation>
    </message>
    <message>
        <source> Number of Cards left:  %1</source>
        <translation> Cartas restantes:  %1</translation>
    </message>
    <message>
        <source> No move left. Game finished.</source>
        <translation> Sem jogadas. Partida encerrada.</translation>
    </message>
    <message>
        <source>Hint: looking for a winning line...</source>
        <translation>Dica: procurando uma vitória...</translation>
    </message>
    <message>
        <source>Hint: this game can no longer be won.</source>
        <translation>Dica: esta partida não tem mais vitória.</translation>
    </message>
    <message>
        <source>Hint: no winning line found in time.</source>
        <translation>Dica: nenhuma vitória achada a tempo.</translation>
    </message>
    <message>
        <source>Load Error from DLL: Bitmap number %1</source>
        <translation>Erro ao carregar da DLL: bitmap número %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nova partida</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Inicia uma nova partida</translation>
    </message>
    <message>
        <source>&amp;Finish game</source>
        <translation>&amp;Encerrar partida</translation>
    </message>
    <message>
        <source>Finish current game</source>
        <translation>Encerra a partida atual</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>Es&amp;tatísticas</translation>
    </message>
    <message>
        <source>Inspect or correct statistics</source>
        <translation>Consulta ou corrige as estatísticas</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferências</translation>
    </message>
    <message>
        <source>Choose from preferences offered</source>
        <translation>Escolhe entre as preferências oferecidas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Close application window, exit.</source>
        <translation>Fecha a janela do programa e sai.</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Jogada</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>&amp;Desfazer jogada</translation>
    </message>
    <message>
        <source>Undo latest move</source>
        <translation>Desfaz a última jogada</translation>
    </message>
    <message>
        <source>&amp;Show Moves</source>
        <translation>&amp;Mostrar jogadas</translation>
    </message>
    <message>
        <source>Toggles information on possible moves</source>
        <translation>Liga ou desliga o painel de jogadas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About this Game</source>
        <translation>&amp;Sobre este jogo</translation>
    </message>
    <message>
        <source>Displays application info</source>
        <translation>Mostra informações sobre o programa</translation>
    </message>
    <message>
        <source>Show &amp;Date</source>
        <translation>Mostrar &amp;data</translation>
    </message>
    <message>
        <source>Displays a calendar</source>
        <translation>Mostra um calendário</translation>
    </message>
    <message>
        <source>Finish game</source>
        <translation>Encerrar partida</translation>
    </message>
    <message>
        <source>Finish the game, or clear the table</source>
        <translation>Encerra a partida ou limpa a mesa</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source> Dir: </source>
        <translation> Pasta: </translation>
    </message>
    <message>
        <source>Main form: %1 x %2 pixels</source>
        <translation>Janela principal: %1 x %2 pixels</translation>
    </message>
    <message>
        <source> hrs.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Playing Time: mins </source>
        <translation>Tempo de jogo: min </translation>
    </message>
    <message>
        <source> secs</source>
        <translation> s</translation>
    </message>
    <message>
        <source> Card Table Control</source>
        <translation> Controle da mesa de cartas</translation>
    </message>
    <message>
        <source>This program requires a screen resolution of 
at least 800 x 600, or 1024 x 768 pixels.</source>
        <translation>Este programa requer uma resolução de tela de 
pelo menos 800 x 600 ou 1024 x 768 pixels.</translation>
    </message>
    <message>
        <source> Library used: VelvetRes2.DLL</source>
        <translation> Biblioteca usada: VelvetRes2.DLL</translation>
    </message>
    <message>
        <source> DLL Load Error</source>
        <translation> Erro ao carregar a DLL</translation>
    </message>
    <message>
        <source> Unable to load &apos;VelvetRes2.DLL&apos;.</source>
        <translation> Não foi possível carregar &apos;VelvetRes2.DLL&apos;.</translation>
    </message>
    <message>
        <source> Current Directory</source>
        <translation> Pasta atual</translation>
    </message>
    <message>
        <source> Load Error</source>
        <translation> Erro de carregamento</translation>
    </message>
    <message>
        <source>Unable to load side-window Bitmap.</source>
        <translation>Não foi possível carregar o bitmap da janela lateral.</translation>
    </message>
    <message>
        <source>Game won at </source>
        <translation>Partida vencida às </translation>
    </message>
    <message>
        <source> Game Result</source>
        <translation> Resultado da partida</translation>
    </message>
    <message>
        <source>Congratulations, you won!</source>
        <translation>Parabéns, você venceu!</translation>
    </message>
    <message>
        <source>Game finished at </source>
        <translation>Partida encerrada às </translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Como jogar</translation>
    </message>
    <message>
        <source>Explains the game, its keys and panels</source>
        <translation>Explica o jogo, as teclas e os painéis</translation>
    </message>
    <message>
        <source>The large cards need a screen at least %1 pixels wide, and this one is %2 pixels wide: the small cards are used.</source>
        <translation>As cartas grandes precisam de uma tela com pelo menos %1 pixels de largura, e esta tem %2 pixels: são usadas as cartas pequenas.</translation>
    </message>
    <message>
        <source>Deal %1 dealt.</source>
        <translation>Partida %1 distribuída.</translation>
    </message>
    <message>
        <source>&amp;Losing Move</source>
        <translation>Jogada &amp;perdedora</translation>
    </message>
    <message>
        <source>Name the transfer that lost the last game</source>
        <translation>Mostra a jogada que perdeu a partida</translation>
    </message>
    <message>
        <source>&amp;Warn of Losing Moves</source>
        <translation>&amp;Avisar de jogadas perdedoras</translation>
    </message>
    <message>
        <source>Looking for the move that lost the game...</source>
        <translation>Procurando a jogada perdedora...</translation>
    </message>
    <message>
        <source>Transfer %1 lost the game: %2.

Before it the game could still be won; after it no sequence of transfers could win it.</source>
        <translation>A jogada %1 perdeu a partida: %2.

Antes dela a partida ainda podia ser vencida; depois dela, nenhuma combinação de jogadas podia vencê-la.</translation>
    </message>
    <message>
        <source>This deal could not be won from the start: no transfer lost it.</source>
        <translation>Esta partida não podia ser vencida desde o início: nenhuma jogada a perdeu.</translation>
    </message>
    <message>
        <source>When the game ended it could still be won: no transfer lost it.</source>
        <translation>Quando a partida terminou, ainda podia ser vencida: nenhuma jogada a perdeu.</translation>
    </message>
    <message>
        <source>The searches did not find out in time which transfer lost the game.</source>
        <translation>A busca não descobriu a tempo qual jogada perdeu a partida.</translation>
    </message>
    <message>
        <source> Losing Move</source>
        <translation> Jogada perdedora</translation>
    </message>
    <message>
        <source>

Deal %1 again?</source>
        <translation>

Reiniciar a partida %1?</translation>
    </message>
    <message>
        <source>Warn when a transfer loses the game</source>
        <translation>Avisa quando uma jogada perde a partida</translation>
    </message>
    <message>
        <source>No card held.</source>
        <translation>Nenhuma carta na mão.</translation>
    </message>
</context>
<context>
    <name>tavolin::TPrefDlg1</name>
    <message>
        <source> Bitmap Load Error</source>
        <translation> Erro ao carregar o bitmap</translation>
    </message>
    <message>
        <source>Current setting of display options</source>
        <translation>Configuração atual das opções de exibição</translation>
    </message>
    <message>
        <source> Environment Preferences</source>
        <translation> Preferências</translation>
    </message>
    <message>
        <source>Display Options</source>
        <translation>Exibição</translation>
    </message>
    <message>
        <source>Bitmap Path Info</source>
        <translation>Caminho do bitmap</translation>
    </message>
    <message>
        <source>Suit Selection</source>
        <translation>Naipes</translation>
    </message>
    <message>
        <source>Speed Control</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Status bar display</source>
        <translation>Barra de status</translation>
    </message>
    <message>
        <source>Transfer details</source>
        <translation>Detalhes das jogadas</translation>
    </message>
    <message>
        <source>Side window picture</source>
        <translation>Imagem da janela lateral</translation>
    </message>
    <message>
        <source>Display Playing Time</source>
        <translation>Mostrar tempo de jogo</translation>
    </message>
    <message>
        <source>Display Transfer Info</source>
        <translation>Mostrar info das jogadas</translation>
    </message>
    <message>
        <source>Show Transfer Details ( as long as space permits )</source>
        <translation>Mostrar detalhes das jogadas ( se couber )</translation>
    </message>
    <message>
        <source>Show picture in side window</source>
        <translation>Mostrar imagem na janela lateral</translation>
    </message>
    <message>
        <source>Bitmap Path and File Name Info:      </source>
        <translation>Caminho e nome do arquivo do bitmap:      </translation>
    </message>
    <message>
        <source>Bitmap path and file name</source>
        <translation>Caminho e nome do arquivo do bitmap</translation>
    </message>
    <message>
        <source>Example: D:\Images\bmp\sw.bmp</source>
        <translation>Exemplo: D:\Imagens\bmp\sw.bmp</translation>
    </message>
    <message>
        <source>Picture  Dimension required for side window:</source>
        <translation>Tamanho exigido da imagem da janela lateral:</translation>
    </message>
    <message>
        <source>Press buttons in the order desired ...</source>
        <translation>Pressione os botões na ordem desejada ...</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Copas</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Ouros</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Espadas</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Paus</translation>
    </message>
    <message>
        <source>Speed Adjustment for Automatic Card Moves</source>
        <translation>Velocidade das jogadas automáticas</translation>
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
        <translation>Velocidade das jogadas automáticas das cartas</translation>
    </message>
    <message>
        <source>From 1, slow, to 10, fast</source>
        <translation>De 1, lento, a 10, rápido</translation>
    </message>
    <message>
        <source>Move Slider into desired position, then press OK Button.</source>
        <translation>Mova o controle até a posição desejada e pressione OK.</translation>
    </message>
    <message>
        <source>Defines location of side-window Bitmap</source>
        <translation>Define o local do bitmap da janela lateral</translation>
    </message>
    <message>
        <source> Picture Width = %1, Height = %2 pixels      </source>
        <translation> Imagem: largura = %1, altura = %2 pixels      </translation>
    </message>
    <message>
        <source>Selection needs correct bitmap path name.
See Bitmap Path Info page.</source>
        <translation>A seleção exige um caminho de bitmap correto.
Veja a página Caminho do bitmap.</translation>
    </message>
    <message>
        <source>Selection reset because of bitmap load error.</source>
        <translation>Seleção desfeita: erro ao carregar o bitmap.</translation>
    </message>
    <message>
        <source>Display Options recorded in Registry</source>
        <translation>Opções de exibição gravadas no Registro</translation>
    </message>
    <message>
        <source>Edit or confirm side-window Bitmap location</source>
        <translation>Edite ou confirme o local do bitmap da janela lateral</translation>
    </message>
    <message>
        <source>No modification recorded</source>
        <translation>Nenhuma alteração gravada</translation>
    </message>
    <message>
        <source>Unable to load Bitmap from that path.</source>
        <translation>Não foi possível carregar o bitmap desse caminho.</translation>
    </message>
    <message>
        <source>Bitmap path name invalid. Selection checkbox cleared.</source>
        <translation>Caminho do bitmap inválido. Caixa desmarcada.</translation>
    </message>
    <message>
        <source>Modified path name stored in Registry. Selection cleared.</source>
        <translation>Caminho alterado gravado no Registro. Caixa desmarcada.</translation>
    </message>
    <message>
        <source>Modified path name stored in Registry.</source>
        <translation>Caminho alterado gravado no Registro.</translation>
    </message>
    <message>
        <source>Assignment of suits to piles.</source>
        <translation>Atribuição dos naipes às Bases.</translation>
    </message>
    <message>
        <source> Current order: %1%2%3%4            </source>
        <translation> Ordem atual: %1%2%3%4            </translation>
    </message>
    <message>
        <source> New order: %1%2%3%4            </source>
        <translation> Nova ordem: %1%2%3%4            </translation>
    </message>
    <message>
        <source> New order: %1%2%3%4</source>
        <translation> Nova ordem: %1%2%3%4</translation>
    </message>
    <message>
        <source>Oh my God, try again. Incorrect selection.</source>
        <translation>Meu Deus, tente de novo. Seleção incorreta.</translation>
    </message>
    <message>
        <source>New Order recorded in Registry</source>
        <translation>Nova ordem gravada no Registro</translation>
    </message>
    <message>
        <source>Current adjustment shown.</source>
        <translation>Ajuste atual exibido.</translation>
    </message>
    <message>
        <source>Value left unchanged</source>
        <translation>Valor não alterado</translation>
    </message>
    <message>
        <source>New value recorded in Registry</source>
        <translation>Novo valor gravado no Registro</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Current order: %1</source>
        <translation>Ordem atual: %1</translation>
    </message>
    <message>
        <source>New order: %1</source>
        <translation>Nova ordem: %1</translation>
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
        <translation> Apagar estatísticas</translation>
    </message>
    <message>
        <source>no streaks detected</source>
        <translation>nenhuma série</translation>
    </message>
    <message>
        <source>currently won:  one game</source>
        <translation>atual:  uma vitória</translation>
    </message>
    <message>
        <source>currently won:  %1 games in a row</source>
        <translation>atual:  %1 vitórias seguidas</translation>
    </message>
    <message>
        <source>currently lost:  one game</source>
        <translation>atual:  uma derrota</translation>
    </message>
    <message>
        <source>currently lost:  %1 games in a row</source>
        <translation>atual:  %1 derrotas seguidas</translation>
    </message>
    <message>
        <source>This session:                 %1%</source>
        <translation>Esta sessão:                  %1%</translation>
    </message>
    <message>
        <source>won:     %1</source>
        <translation>vencidas:  %1</translation>
    </message>
    <message>
        <source>lost:      %1</source>
        <translation>perdidas:  %1</translation>
    </message>
    <message>
        <source>Totals:                             %1%</source>
        <translation>Total:                              %1%</translation>
    </message>
    <message>
        <source>Streaks:</source>
        <translation>Séries:</translation>
    </message>
    <message>
        <source> Tavolin Statistics</source>
        <translation> Estatísticas do Tavolin</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Game should be finished first.</source>
        <translation>Termine a partida primeiro.</translation>
    </message>
    <message>
        <source>Delete all statistics ?</source>
        <translation>Apagar todas as estatísticas?</translation>
    </message>
    <message>
        <source>Another copy of the game changed the statistics while the question was open, so nothing was deleted. They are shown as they are now.</source>
        <translation>Outra cópia do jogo alterou as estatísticas enquanto a pergunta estava aberta, por isso nada foi apagado. Elas são mostradas como estão agora.</translation>
    </message>
    <message>
        <source>The statistics could not be deleted: %1

Nothing was deleted.</source>
        <translation>Não foi possível apagar as estatísticas: %1

Nada foi apagado.</translation>
    </message>
    <message>
        <source>Totals of all games: %1%</source>
        <translation>Total de todas as partidas: %1%</translation>
    </message>
</context>
</TS>
