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
    <name>HelpWindow</name>
    <message>
        <source>The Dorv Help</source>
        <translation>Aiuto di The Dorv</translation>
    </message>
    <message>
        <source>About The Dorv</source>
        <translation>Informazioni su The Dorv</translation>
    </message>
</context>
<context>
    <name>MovesWindow</name>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
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
</context>
</TS>
