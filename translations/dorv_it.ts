<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>CommandTable</name>
    <message>
        <source>Arrow keys</source>
        <translation>Tasti freccia</translation>
    </message>
    <message>
        <source>Move the ring over the holes</source>
        <translation>Spostare l’anello sui fori</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Spazio, Invio</translation>
    </message>
    <message>
        <source>Play the hole under the ring</source>
        <translation>Giocare il foro sotto l’anello</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>The ring to the centre hole</source>
        <translation>L’anello sul foro centrale</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Maiusc+Tab</translation>
    </message>
    <message>
        <source>Move through the board and the commands</source>
        <translation>Spostarsi tra la tavola e i comandi</translation>
    </message>
    <message>
        <source>&amp;Hint: show the best next jump</source>
        <translation>&amp;Suggerimento: mostra il salto migliore</translation>
    </message>
    <message>
        <source>Hint: mark the best next jump and say the best finish still possible</source>
        <translation>Suggerimento: segna il salto migliore e indica il miglior finale ancora possibile</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Carica partita</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Salva partita</translation>
    </message>
    <message>
        <source>Undo last move</source>
        <translation>Annulla l’ultima mossa</translation>
    </message>
    <message>
        <source>Undo last move (UNDO)</source>
        <translation>Annulla l’ultima mossa (UNDO)</translation>
    </message>
    <message>
        <source>Load moves</source>
        <translation>Carica mosse</translation>
    </message>
    <message>
        <source>Save moves</source>
        <translation>Salva mosse</translation>
    </message>
    <message>
        <source>&amp;View moves been played on the board</source>
        <translation>&amp;Vedi le mosse giocate sulla tavola</translation>
    </message>
    <message>
        <source>Replay the moves on the board, one a second</source>
        <translation>Rigioca le mosse sulla tavola, una al secondo</translation>
    </message>
    <message>
        <source>&amp;View the moves played in text mode</source>
        <translation>Vedi le mosse giocate come &amp;testo</translation>
    </message>
    <message>
        <source>The moves as text, to read or print</source>
        <translation>Le mosse come testo, da leggere o stampare</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Punteggi migliori</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Punteggi migliori</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Suono sì o no</translation>
    </message>
    <message>
        <source>Music on or off</source>
        <translation>Musica sì o no</translation>
    </message>
    <message>
        <source>Eyeball on legs</source>
        <translation>Occhio con le gambe</translation>
    </message>
    <message>
        <source>Ball: Eyeball on legs</source>
        <translation>Pallina: occhio con le gambe</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Pallina blu</translation>
    </message>
    <message>
        <source>Ball: Blue ball</source>
        <translation>Pallina: pallina blu</translation>
    </message>
    <message>
        <source>Eight ball</source>
        <translation>Palla otto</translation>
    </message>
    <message>
        <source>Ball: Eight ball</source>
        <translation>Pallina: palla otto</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Pallone da calcio</translation>
    </message>
    <message>
        <source>Ball: Football</source>
        <translation>Pallina: pallone da calcio</translation>
    </message>
    <message>
        <source>Green blob with eyes</source>
        <translation>Macchia verde con gli occhi</translation>
    </message>
    <message>
        <source>Ball: Green blob with eyes</source>
        <translation>Pallina: macchia verde con gli occhi</translation>
    </message>
    <message>
        <source>Christmas bauble</source>
        <translation>Pallina di Natale</translation>
    </message>
    <message>
        <source>Ball: Christmas bauble</source>
        <translation>Pallina: pallina di Natale</translation>
    </message>
    <message>
        <source>The Earth</source>
        <translation>La Terra</translation>
    </message>
    <message>
        <source>Ball: The Earth</source>
        <translation>Pallina: la Terra</translation>
    </message>
    <message>
        <source>Next board</source>
        <translation>Tavola successiva</translation>
    </message>
    <message>
        <source>Previous board</source>
        <translation>Tavola precedente</translation>
    </message>
    <message>
        <source>Close panels</source>
        <translation>Chiudi i pannelli</translation>
    </message>
    <message>
        <source>Close the open panel</source>
        <translation>Chiudi il pannello aperto</translation>
    </message>
    <message>
        <source>Code word</source>
        <translation>Parola chiave</translation>
    </message>
    <message>
        <source>Type a code word for a hidden ball</source>
        <translation>Digita la parola chiave di una pallina nascosta</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>A larger window</source>
        <translation>Una finestra più grande</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>A smaller window</source>
        <translation>Una finestra più piccola</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Dimensione reale</translation>
    </message>
    <message>
        <source>The window at its own size</source>
        <translation>La finestra alla sua dimensione</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>This help</source>
        <translation>Questo aiuto</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>About The Dorv</source>
        <translation>Informazioni su The Dorv</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Menu partita</translation>
    </message>
    <message>
        <source>Moves menu</source>
        <translation>Menu mosse</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Suono sì</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Suono no</translation>
    </message>
    <message>
        <source>Music on</source>
        <translation>Musica sì</translation>
    </message>
    <message>
        <source>Music off</source>
        <translation>Musica no</translation>
    </message>
    <message>
        <source>View the moves</source>
        <translation>Vedi le mosse</translation>
    </message>
    <message>
        <source>Octagonal lacquer board</source>
        <translation>Tavola ottagonale laccata</translation>
    </message>
    <message>
        <source>Square grey board</source>
        <translation>Tavola quadrata grigia</translation>
    </message>
    <message>
        <source>Round silver board</source>
        <translation>Tavola rotonda argentata</translation>
    </message>
    <message>
        <source>Redo the move taken back</source>
        <translation>Ripeti la mossa annullata</translation>
    </message>
    <message>
        <source>Play the move taken back again, also Ctrl+Y (it scores, the undo&apos;s cost stays)</source>
        <translation>Rigiocare la mossa annullata, anche Ctrl+Y (conta, il costo dell’annullamento resta)</translation>
    </message>
    <message>
        <source>Show the best &amp;line from here</source>
        <translation>Mostra la migliore &amp;linea da qui</translation>
    </message>
    <message>
        <source>Play the best line from here on the board, a jump a second; any key or click stops it</source>
        <translation>Giocare sulla tavola la migliore linea da qui, un salto al secondo; un tasto o un clic la ferma</translation>
    </message>
    <message>
        <source>&amp;Review the game</source>
        <translation>&amp;Rivedere la partita</translation>
    </message>
    <message>
        <source>Review the game: the best finish before and after each move, and where it was lost</source>
        <translation>Rivedere la partita: il miglior finale prima e dopo ogni mossa, e dove è andato perso</translation>
    </message>
    <message>
        <source>&amp;Puzzles...</source>
        <translation>&amp;Problemi...</translation>
    </message>
    <message>
        <source>Choose a puzzle: a figure or a start to clear down to one ball, each proven solvable</source>
        <translation>Scegliere un problema: una figura o un inizio da ridurre a una sola biglia, ognuno con soluzione dimostrata</translation>
    </message>
    <message>
        <source>Show the puzzle&apos;s &amp;solution</source>
        <translation>Mostrare la &amp;soluzione del problema</translation>
    </message>
    <message>
        <source>In a puzzle: play its solution from its start on the board; any key or click stops it</source>
        <translation>In un problema: giocare la sua soluzione dall’inizio sul tavoliere; un tasto o un clic la ferma</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Remove a &apos;ball&apos; to start</source>
        <translation>Togli una «pallina» per iniziare</translation>
    </message>
</context>
<context>
    <name>HallOfFame</name>
    <message>
        <source>Congratulations, you made it to the &apos;THE DORV WINNERS&apos; hall. Please enter your name</source>
        <translation>Congratulazioni, sei entrato nella sala «THE DORV WINNERS». Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>The WINNERS!</source>
        <translation>I VINCITORI!</translation>
    </message>
</context>
<context>
    <name>HighScoreWindow</name>
    <message>
        <source>HIGH SCORES</source>
        <translation>PUNTEGGI MIGLIORI</translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>GAME</source>
        <translation>PARTITA</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>ANNULLA</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vedi</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The Dorv Help</source>
        <translation>Aiuto di The Dorv</translation>
    </message>
    <message>
        <source>About The Dorv</source>
        <translation>Informazioni su The Dorv</translation>
    </message>
    <message>
        <source>
&lt;h2&gt;How to play&lt;/h2&gt;
&lt;p&gt;Thirty-seven holes in a cross, a ball in every one. Take one ball off to start. Then pick up a
ball (it gets a frame) and put it into an empty hole two places away along a row or a column: the
ball it jumps over leaves the board. Pick a framed ball again to put it down. Leave as few balls
as you can.&lt;/p&gt;
&lt;p&gt;Play with the mouse, or with the keyboard: the arrow keys move a ring over the holes, and Space
or Enter plays the hole under it as a click does.&lt;/p&gt;
&lt;h2&gt;The score&lt;/h2&gt;
&lt;p&gt;Every jump scores a point. An undo (UNDO, Ctrl+Z) costs a tenth of the score, plus one. When a
game ends &amp;mdash; a new game, loading a moves file, or leaving &amp;mdash; the five best scores enter THE
DORV WINNERS, the hall of fame.&lt;/p&gt;
&lt;h2&gt;Commands and keys&lt;/h2&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;2&quot; width=&quot;100%&quot;&gt;
%1&lt;/table&gt;
&lt;p&gt;GAME opens New, Load, Save, Sound, Music and Quit; Moves opens View, Save and Load for lists of
moves. The strip at the top chooses the ball, the strip at the right the board.&lt;/p&gt;
</source>
        <translation>
&lt;h2&gt;Come si gioca&lt;/h2&gt;
&lt;p&gt;Trentasette fori a croce, una pallina in ognuno. Togli una pallina per iniziare. Poi prendi una pallina (viene incorniciata) e mettila in un foro vuoto a due posti di distanza, lungo una riga o una colonna: la pallina scavalcata lascia la tavola. Clicca di nuovo una pallina incorniciata per posarla. Lascia meno palline che puoi.&lt;/p&gt;
&lt;p&gt;Si gioca con il mouse o con la tastiera: i tasti freccia spostano un anello sui fori, e Spazio o Invio giocano il foro sottostante come un clic.&lt;/p&gt;
&lt;h2&gt;Il punteggio&lt;/h2&gt;
&lt;p&gt;Ogni salto vale un punto. Un annullamento (UNDO, Ctrl+Z) costa un decimo del punteggio, più uno. Quando una partita finisce &amp;mdash; una nuova partita, il caricamento di un file di mosse o l’uscita &amp;mdash;, i cinque punteggi migliori entrano in THE DORV WINNERS, la sala della gloria.&lt;/p&gt;
&lt;h2&gt;Comandi e tasti&lt;/h2&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;2&quot; width=&quot;100%&quot;&gt;
%1&lt;/table&gt;
&lt;p&gt;GAME apre Nuova, Carica, Salva, Suono, Musica ed Esci; Moves apre Vedi, Salva e Carica per le liste di mosse. La striscia in alto sceglie la pallina, quella a destra la tavola.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h3&gt;The Dorv 1.0&lt;/h3&gt;
&lt;p&gt;Peg solitaire for the Linux desktop.&lt;/p&gt;
&lt;p&gt;The artwork, the tune and the move sound were made for the game by The Dorv developers.&lt;/p&gt;
&lt;p&gt;Copyright &amp;copy; The Dorv developers. Released under the MIT licence:&lt;/p&gt;
</source>
        <translation>
&lt;h3&gt;The Dorv 1.0&lt;/h3&gt;
&lt;p&gt;Il solitario per il desktop Linux.&lt;/p&gt;
&lt;p&gt;Le immagini, la melodia e il suono delle mosse sono stati creati per il gioco dagli sviluppatori di The Dorv.&lt;/p&gt;
&lt;p&gt;Copyright &amp;copy; Gli sviluppatori di The Dorv. Rilasciato con licenza MIT:&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>How to play, the score and the keys</source>
        <translation>Come si gioca, il punteggio e i tasti</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>MovesWindow</name>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fatto</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Stam&amp;pa</translation>
    </message>
    <message>
        <source>&amp;Printer Setup</source>
        <translation>Imposta&amp;zioni stampante</translation>
    </message>
    <message>
        <source>No printer is available, so the moves cannot be printed.&#xd;&#xd;Set up a printer on this computer and try again.</source>
        <translation>Nessuna stampante disponibile, le mosse non possono essere stampate.&#xd;&#xd;Configura una stampante su questo computer e riprova.</translation>
    </message>
    <message>
        <source>the printer did not start the document.</source>
        <translation>la stampante non ha avviato il documento.</translation>
    </message>
    <message>
        <source>the printer did not take the whole document.</source>
        <translation>la stampante non ha accettato tutto il documento.</translation>
    </message>
    <message>
        <source>The moves could not be printed: </source>
        <translation>Non è stato possibile stampare le mosse: </translation>
    </message>
    <message>
        <source>The printed moves</source>
        <translation>Le mosse stampate</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Rivedi</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>The Dorv Game Moves(*.dvm)|*.dvm|All Files (*.*)|*.*</source>
        <translation>Mosse di The Dorv (*.dvm)|*.dvm|Tutti i file (*.*)|*.*</translation>
    </message>
    <message>
        <source>The Dorv Game Moves (*.dvm)|*.dvm|All Files (*.*)|*.*</source>
        <translation>Mosse di The Dorv (*.dvm)|*.dvm|Tutti i file (*.*)|*.*</translation>
    </message>
    <message>
        <source>The Dorv Game (*.dvg)|*.dvg|All Files (*.*)|*.*</source>
        <translation>Partita di The Dorv (*.dvg)|*.dvg|Tutti i file (*.*)|*.*</translation>
    </message>
    <message>
        <source>The file %1 already exists.&#xd;&#xd;</source>
        <translation>Il file %1 esiste già.&#xd;&#xd;</translation>
    </message>
    <message>
        <source>Replace file?</source>
        <translation>Sostituire il file?</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Loading a MOVES file shall clear the current game. Are you sure you want to continue?</source>
        <translation>Caricare un file di mosse cancella la partita in corso. Vuoi davvero continuare?</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Salva partita</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Carica partita</translation>
    </message>
    <message>
        <source>Save Moves</source>
        <translation>Salva mosse</translation>
    </message>
    <message>
        <source>Load Moves</source>
        <translation>Carica mosse</translation>
    </message>
    <message>
        <source>The %1 file is corrupted. You can not load this file.&#xd;&#xd;</source>
        <translation>Il file (%1) è danneggiato. Non può essere caricato.&#xd;&#xd;</translation>
    </message>
    <message>
        <source>If the problem persists, please contact The Dorv support line and tell them which file it was.</source>
        <translation>Se il problema persiste, contatta l’assistenza di The Dorv e indica di quale file si tratta.</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation>Errore di lettura del file</translation>
    </message>
    <message>
        <source>File not found. Please check filename or browse to saved directory and select file.</source>
        <translation>File non trovato. Controlla il nome del file o vai nella cartella di salvataggio e scegli il file.</translation>
    </message>
    <message>
        <source>game</source>
        <translation>partita</translation>
    </message>
    <message>
        <source>game moves</source>
        <translation>lista di mosse</translation>
    </message>
    <message>
        <source>%1 could not be saved to the file
%2

%3</source>
        <translation>Non è stato possibile salvare %1 nel file
%2

%3</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>La partita</translation>
    </message>
    <message>
        <source>The moves</source>
        <translation>Le mosse</translation>
    </message>
    <message>
        <source>A moves file keeps only games begun on the full board, so it cannot keep this puzzle&apos;s position. Save the game instead? Its file keeps the board as it stands.</source>
        <translation>Un file di mosse conserva solo partite iniziate con il tavoliere pieno, quindi non può conservare la posizione di questo problema. Salvare invece la partita? Il suo file conserva il tavoliere così com’è.</translation>
    </message>
</context>
<context>
    <name>BallChooser</name>
    <message>
        <source>Select a type of &apos;balll&apos; or element to play with</source>
        <translation>Scegli una «pallina» o un elemento per giocare</translation>
    </message>
    <message>
        <source>Chose Board</source>
        <translation>Scegli la tavola</translation>
    </message>
    <message>
        <source>Code word</source>
        <translation>Parola chiave</translation>
    </message>
    <message>
        <source>Balls</source>
        <translation>Biglie</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Tavole</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Hole %1, %2%3</source>
        <translation>Foro %1, %2%3</translation>
    </message>
    <message>
        <source>ball</source>
        <translation>pallina</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>, selected</source>
        <translation>, selezionata</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tavola</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
</context>
<context>
    <name>ScoreKeeper</name>
    <message>
        <source>The hall of fame</source>
        <translation>La sala della gloria</translation>
    </message>
    <message>
        <source>The hall of fame is being written by another game.&#xd;&#xd;Try again?</source>
        <translation>Un’altra partita sta scrivendo la sala della gloria.&#xd;&#xd;Riprovare?</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Its lock file %1 could not be made: %2</source>
        <translation>Non è stato possibile creare il suo file di blocco %1: %2</translation>
    </message>
</context>
<context>
    <name>HintKeeper</name>
    <message>
        <source>No jump left</source>
        <translation>Nessun salto possibile</translation>
    </message>
    <message>
        <source>one ball left</source>
        <translation>resta una pallina</translation>
    </message>
    <message>
        <source>%1 balls left</source>
        <translation>restano %1 palline</translation>
    </message>
    <message>
        <source>at most %1</source>
        <translation>al massimo %1</translation>
    </message>
    <message>
        <source>Take the ball on %1 off — best finish: %2</source>
        <translation>Togli la pallina dal %1 — miglior finale: %2</translation>
    </message>
    <message>
        <source>Jump %1 over %2 to %3 — best finish: %4</source>
        <translation>Salta dal %1 sopra il %2 al %3 — miglior finale: %4</translation>
    </message>
    <message>
        <source>Jump %1 over %2 to %3 — the goal can still be reached</source>
        <translation>Salta dal %1 sopra il %2 al %3 — lo scopo si può ancora raggiungere</translation>
    </message>
    <message>
        <source>The goal can no longer be reached. %1</source>
        <translation>Lo scopo non si può più raggiungere. %1</translation>
    </message>
    <message>
        <source>%1. Whether the goal can still be reached is not known.</source>
        <translation>%1. Non si sa se lo scopo si possa ancora raggiungere.</translation>
    </message>
</context>
<context>
    <name>EndNotice</name>
    <message>
        <source>No jump left — one ball, score %1.</source>
        <translation>Nessun salto rimasto — una pallina, punteggio %1.</translation>
    </message>
    <message>
        <source>No jump left — %1 balls, score %2.</source>
        <translation>Nessun salto rimasto — %1 palline, punteggio %2.</translation>
    </message>
    <message>
        <source>From this start one ball was possible.</source>
        <translation>Da questo inizio era possibile una sola pallina.</translation>
    </message>
    <message>
        <source>From this start %1 balls were possible.</source>
        <translation>Da questo inizio erano possibili %1 palline.</translation>
    </message>
</context>
<context>
    <name>LineShow</name>
    <message>
        <source>Best line: one ball left</source>
        <translation>Migliore linea: resta una pallina</translation>
    </message>
    <message>
        <source>Best line: %1 balls left</source>
        <translation>Migliore linea: restano %1 palline</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>one ball</source>
        <translation>una pallina</translation>
    </message>
    <message>
        <source>%1 balls</source>
        <translation>%1 palline</translation>
    </message>
    <message>
        <source>&amp;Show the best line from the chosen move</source>
        <translation>&amp;Mostra la migliore linea dalla mossa scelta</translation>
    </message>
    <message>
        <source>Review of the game</source>
        <translation>Revisione della partita</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mossa</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Salto</translation>
    </message>
    <message>
        <source>Best before</source>
        <translation>Migliore prima</translation>
    </message>
    <message>
        <source>Best after</source>
        <translation>Migliore dopo</translation>
    </message>
    <message>
        <source>The moves and the best finish before and after each</source>
        <translation>Le mosse e il miglior finale prima e dopo ciascuna</translation>
    </message>
    <message>
        <source>The moves on the board do not start from one ball taken off a full board: there is nothing to review.</source>
        <translation>Le mosse sulla tavola non partono da una pallina tolta da una tavola piena: non c’è nulla da rivedere.</translation>
    </message>
    <message>
        <source>Working out the best finishes…</source>
        <translation>Calcolo dei migliori finali…</translation>
    </message>
    <message>
        <source>No move has been played yet.</source>
        <translation>Non è stata ancora giocata alcuna mossa.</translation>
    </message>
    <message>
        <source>From the start, %1 could be left.</source>
        <translation>Dall’inizio poteva restare %1.</translation>
    </message>
    <message>
        <source>Move %1 lost the best finish; %2 would have kept it.</source>
        <translation>La mossa %1 ha perso il miglior finale; %2 lo avrebbe mantenuto.</translation>
    </message>
    <message>
        <source>Move %1 lost the best finish.</source>
        <translation>La mossa %1 ha perso il miglior finale.</translation>
    </message>
    <message>
        <source>No move lost the best finish.</source>
        <translation>Nessuna mossa ha perso il miglior finale.</translation>
    </message>
    <message>
        <source>Some finishes are the best lines found, not proven.</source>
        <translation>Alcuni finali sono le migliori linee trovate, non dimostrate.</translation>
    </message>
</context>
<context>
    <name>PuzzlePlay</name>
    <message>
        <source>Hole %1 empty</source>
        <translation>Foro %1 vuoto</translation>
    </message>
    <message>
        <source>Goal: one ball left</source>
        <translation>Scopo: una biglia</translation>
    </message>
    <message>
        <source>Goal: one ball left, in the centre</source>
        <translation>Scopo: una biglia, al centro</translation>
    </message>
    <message>
        <source>Goal: one ball left, in hole %1</source>
        <translation>Scopo: una biglia, nel foro %1</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Risolto!</translation>
    </message>
    <message>
        <source>Puzzle solved: %1</source>
        <translation>Problema risolto: %1</translation>
    </message>
</context>
<context>
    <name>PuzzleChooser</name>
    <message>
        <source>Puzzles</source>
        <translation>Problemi</translation>
    </message>
    <message>
        <source>Every puzzle here is proven solvable. Choose one to play; the game on the board ends as for a new game.</source>
        <translation>Ogni problema qui ha una soluzione dimostrata. Scegline uno da giocare; la partita sul tavoliere finisce come per una nuova partita.</translation>
    </message>
    <message>
        <source>✔ Solved</source>
        <translation>✔ Risolto</translation>
    </message>
    <message>
        <source>%1. %2. Solved.</source>
        <translation>%1. %2. Risolto.</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Gioca</translation>
    </message>
</context>
<context>
    <name>PuzzleNames</name>
    <message>
        <source>Arrow</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croce</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>Doppia freccia</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Abete</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>Camino</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cuore</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampada</translation>
    </message>
    <message>
        <source>Letter T</source>
        <translation>Lettera T</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Segno più</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Piramide</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anello</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrato</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stella</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangolo</translation>
    </message>
</context>
</TS>
