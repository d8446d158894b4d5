<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CommandTable</name>
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>Move the ring over the holes</source>
        <translation>Den Ring über die Löcher bewegen</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Leertaste, Eingabe</translation>
    </message>
    <message>
        <source>Play the hole under the ring</source>
        <translation>Das Loch unter dem Ring spielen</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>The ring to the centre hole</source>
        <translation>Den Ring auf das mittlere Loch setzen</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <source>Move through the board and the commands</source>
        <translation>Durch das Brett und die Befehle gehen</translation>
    </message>
    <message>
        <source>&amp;Hint: show the best next jump</source>
        <translation>&amp;Tipp: den besten nächsten Sprung zeigen</translation>
    </message>
    <message>
        <source>Hint: mark the best next jump and say the best finish still possible</source>
        <translation>Tipp: den besten nächsten Sprung markieren und das beste noch mögliche Ende nennen</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Undo last move</source>
        <translation>Letzten Zug zurücknehmen</translation>
    </message>
    <message>
        <source>Undo last move (UNDO)</source>
        <translation>Letzten Zug zurücknehmen (UNDO)</translation>
    </message>
    <message>
        <source>Load moves</source>
        <translation>Züge laden</translation>
    </message>
    <message>
        <source>Save moves</source>
        <translation>Züge speichern</translation>
    </message>
    <message>
        <source>&amp;View moves been played on the board</source>
        <translation>Gespielte Züge auf dem Brett &amp;ansehen</translation>
    </message>
    <message>
        <source>Replay the moves on the board, one a second</source>
        <translation>Die Züge auf dem Brett nachspielen, einen pro Sekunde</translation>
    </message>
    <message>
        <source>&amp;View the moves played in text mode</source>
        <translation>Gespielte Züge als &amp;Text ansehen</translation>
    </message>
    <message>
        <source>The moves as text, to read or print</source>
        <translation>Die Züge als Text, zum Lesen oder Drucken</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Klang ein oder aus</translation>
    </message>
    <message>
        <source>Music on or off</source>
        <translation>Musik ein oder aus</translation>
    </message>
    <message>
        <source>Eyeball on legs</source>
        <translation>Augapfel auf Beinen</translation>
    </message>
    <message>
        <source>Ball: Eyeball on legs</source>
        <translation>Kugel: Augapfel auf Beinen</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Blaue Kugel</translation>
    </message>
    <message>
        <source>Ball: Blue ball</source>
        <translation>Kugel: Blaue Kugel</translation>
    </message>
    <message>
        <source>Eight ball</source>
        <translation>Achterkugel</translation>
    </message>
    <message>
        <source>Ball: Eight ball</source>
        <translation>Kugel: Achterkugel</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Fußball</translation>
    </message>
    <message>
        <source>Ball: Football</source>
        <translation>Kugel: Fußball</translation>
    </message>
    <message>
        <source>Green blob with eyes</source>
        <translation>Grüner Klecks mit Augen</translation>
    </message>
    <message>
        <source>Ball: Green blob with eyes</source>
        <translation>Kugel: Grüner Klecks mit Augen</translation>
    </message>
    <message>
        <source>Christmas bauble</source>
        <translation>Christbaumkugel</translation>
    </message>
    <message>
        <source>Ball: Christmas bauble</source>
        <translation>Kugel: Christbaumkugel</translation>
    </message>
    <message>
        <source>The Earth</source>
        <translation>Die Erde</translation>
    </message>
    <message>
        <source>Ball: The Earth</source>
        <translation>Kugel: Die Erde</translation>
    </message>
    <message>
        <source>Next board</source>
        <translation>Nächstes Brett</translation>
    </message>
    <message>
        <source>Previous board</source>
        <translation>Vorheriges Brett</translation>
    </message>
    <message>
        <source>Close panels</source>
        <translation>Leisten schließen</translation>
    </message>
    <message>
        <source>Close the open panel</source>
        <translation>Die offene Leiste schließen</translation>
    </message>
    <message>
        <source>Code word</source>
        <translation>Codewort</translation>
    </message>
    <message>
        <source>Type a code word for a hidden ball</source>
        <translation>Ein Codewort für eine versteckte Kugel eingeben</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>A larger window</source>
        <translation>Ein größeres Fenster</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>A smaller window</source>
        <translation>Ein kleineres Fenster</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>The window at its own size</source>
        <translation>Das Fenster in seiner eigenen Größe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>This help</source>
        <translation>Diese Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>About The Dorv</source>
        <translation>Über The Dorv</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Spielmenü</translation>
    </message>
    <message>
        <source>Moves menu</source>
        <translation>Zügemenü</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Klang ein</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Klang aus</translation>
    </message>
    <message>
        <source>Music on</source>
        <translation>Musik ein</translation>
    </message>
    <message>
        <source>Music off</source>
        <translation>Musik aus</translation>
    </message>
    <message>
        <source>View the moves</source>
        <translation>Züge ansehen</translation>
    </message>
    <message>
        <source>Octagonal lacquer board</source>
        <translation>Achteckiges Lackbrett</translation>
    </message>
    <message>
        <source>Square grey board</source>
        <translation>Quadratisches graues Brett</translation>
    </message>
    <message>
        <source>Round silver board</source>
        <translation>Rundes silbernes Brett</translation>
    </message>
    <message>
        <source>Redo the move taken back</source>
        <translation>Zurückgenommenen Zug wiederholen</translation>
    </message>
    <message>
        <source>Play the move taken back again, also Ctrl+Y (it scores, the undo&apos;s cost stays)</source>
        <translation>Den zurückgenommenen Zug erneut spielen, auch Strg+Y (er zählt, die Kosten der Rücknahme bleiben)</translation>
    </message>
    <message>
        <source>Show the best &amp;line from here</source>
        <translation>Beste &amp;Linie von hier zeigen</translation>
    </message>
    <message>
        <source>Play the best line from here on the board, a jump a second; any key or click stops it</source>
        <translation>Die beste Linie von hier auf dem Brett spielen, ein Sprung je Sekunde; jede Taste oder jeder Klick hält sie an</translation>
    </message>
    <message>
        <source>&amp;Review the game</source>
        <translation>Spiel &amp;auswerten</translation>
    </message>
    <message>
        <source>Review the game: the best finish before and after each move, and where it was lost</source>
        <translation>Das Spiel auswerten: das beste Ende vor und nach jedem Zug, und wo es verloren ging</translation>
    </message>
    <message>
        <source>&amp;Puzzles...</source>
        <translation>&amp;Rätsel...</translation>
    </message>
    <message>
        <source>Choose a puzzle: a figure or a start to clear down to one ball, each proven solvable</source>
        <translation>Ein Rätsel wählen: eine Figur oder ein Anfang, bis auf eine Kugel abzuräumen, jedes nachweislich lösbar</translation>
    </message>
    <message>
        <source>Show the puzzle&apos;s &amp;solution</source>
        <translation>&amp;Lösung des Rätsels zeigen</translation>
    </message>
    <message>
        <source>In a puzzle: play its solution from its start on the board; any key or click stops it</source>
        <translation>In einem Rätsel: seine Lösung vom Anfang an auf dem Brett spielen; jede Taste oder jeder Klick hält sie an</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Remove a &apos;ball&apos; to start</source>
        <translation>Zum Start eine ‚Kugel‘ wegnehmen</translation>
    </message>
</context>
<context>
    <name>HallOfFame</name>
    <message>
        <source>Congratulations, you made it to the &apos;THE DORV WINNERS&apos; hall. Please enter your name</source>
        <translation>Glückwunsch, du hast es in die Ruhmeshalle ‚THE DORV WINNERS‘ geschafft. Bitte gib deinen Namen ein</translation>
    </message>
    <message>
        <source>The WINNERS!</source>
        <translation>Die SIEGER!</translation>
    </message>
</context>
<context>
    <name>HighScoreWindow</name>
    <message>
        <source>HIGH SCORES</source>
        <translation>BESTENLISTE</translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>GAME</source>
        <translation>SPIEL</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansehen</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The Dorv Help</source>
        <translation>The Dorv – Hilfe</translation>
    </message>
    <message>
        <source>About The Dorv</source>
        <translation>Über The Dorv</translation>
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
&lt;h2&gt;So wird gespielt&lt;/h2&gt;
&lt;p&gt;Siebenunddreißig Löcher in Kreuzform, in jedem eine Kugel. Nimm zu Beginn eine Kugel weg. Dann nimm eine Kugel auf (sie bekommt einen Rahmen) und setze sie in ein leeres Loch zwei Plätze weiter, in einer Reihe oder einer Spalte: Die übersprungene Kugel verlässt das Brett. Klicke eine gerahmte Kugel noch einmal an, um sie wieder abzulegen. Lass so wenige Kugeln übrig wie möglich.&lt;/p&gt;
&lt;p&gt;Gespielt wird mit der Maus oder mit der Tastatur: Die Pfeiltasten bewegen einen Ring über die Löcher, und Leertaste oder Eingabe spielen das Loch darunter wie ein Klick.&lt;/p&gt;
&lt;h2&gt;Die Punkte&lt;/h2&gt;
&lt;p&gt;Jeder Sprung bringt einen Punkt. Eine Rücknahme (UNDO, Strg+Z) kostet ein Zehntel der Punkte und einen mehr. Wenn ein Spiel endet &amp;mdash; durch ein neues Spiel, das Laden einer Zügedatei oder das Beenden &amp;mdash;, kommen die fünf besten Ergebnisse in THE DORV WINNERS, die Ruhmeshalle.&lt;/p&gt;
&lt;h2&gt;Befehle und Tasten&lt;/h2&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;2&quot; width=&quot;100%&quot;&gt;
%1&lt;/table&gt;
&lt;p&gt;GAME öffnet Neu, Laden, Speichern, Klang, Musik und Beenden; Moves öffnet Ansehen, Speichern und Laden für Zuglisten. Die Leiste oben wählt die Kugel, die Leiste rechts das Brett.&lt;/p&gt;
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
&lt;p&gt;Solitär für den Linux-Desktop.&lt;/p&gt;
&lt;p&gt;Die Bilder, die Melodie und der Zugklang wurden von den Entwicklern von The Dorv für das Spiel gemacht.&lt;/p&gt;
&lt;p&gt;Copyright &amp;copy; Die Entwickler von The Dorv. Veröffentlicht unter der MIT-Lizenz:&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>How to play, the score and the keys</source>
        <translation>So wird gespielt, die Punkte und die Tasten</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>MovesWindow</name>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Printer Setup</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>No printer is available, so the moves cannot be printed.&#xd;&#xd;Set up a printer on this computer and try again.</source>
        <translation>Kein Drucker verfügbar, die Züge können nicht gedruckt werden.&#xd;&#xd;Richte auf diesem Computer einen Drucker ein und versuche es noch einmal.</translation>
    </message>
    <message>
        <source>the printer did not start the document.</source>
        <translation>der Drucker hat das Dokument nicht begonnen.</translation>
    </message>
    <message>
        <source>the printer did not take the whole document.</source>
        <translation>der Drucker hat nicht das ganze Dokument angenommen.</translation>
    </message>
    <message>
        <source>The moves could not be printed: </source>
        <translation>Die Züge konnten nicht gedruckt werden: </translation>
    </message>
    <message>
        <source>The printed moves</source>
        <translation>Die gedruckten Züge</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Auswerten</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>The Dorv Game Moves(*.dvm)|*.dvm|All Files (*.*)|*.*</source>
        <translation>The-Dorv-Zugliste (*.dvm)|*.dvm|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>The Dorv Game Moves (*.dvm)|*.dvm|All Files (*.*)|*.*</source>
        <translation>The-Dorv-Zugliste (*.dvm)|*.dvm|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>The Dorv Game (*.dvg)|*.dvg|All Files (*.*)|*.*</source>
        <translation>The-Dorv-Spiel (*.dvg)|*.dvg|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>The file %1 already exists.&#xd;&#xd;</source>
        <translation>Die Datei %1 gibt es schon.&#xd;&#xd;</translation>
    </message>
    <message>
        <source>Replace file?</source>
        <translation>Datei ersetzen?</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Loading a MOVES file shall clear the current game. Are you sure you want to continue?</source>
        <translation>Das Laden einer Zügedatei löscht das laufende Spiel. Möchtest du wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Save Moves</source>
        <translation>Züge speichern</translation>
    </message>
    <message>
        <source>Load Moves</source>
        <translation>Züge laden</translation>
    </message>
    <message>
        <source>The %1 file is corrupted. You can not load this file.&#xd;&#xd;</source>
        <translation>Die Datei (%1) ist beschädigt. Sie kann nicht geladen werden.&#xd;&#xd;</translation>
    </message>
    <message>
        <source>If the problem persists, please contact The Dorv support line and tell them which file it was.</source>
        <translation>Wenn das Problem bleibt, wende dich bitte an den Support von The Dorv und nenne die Datei.</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation>Fehler beim Lesen der Datei</translation>
    </message>
    <message>
        <source>File not found. Please check filename or browse to saved directory and select file.</source>
        <translation>Datei nicht gefunden. Bitte prüfe den Dateinamen oder wechsle in den Speicherordner und wähle die Datei.</translation>
    </message>
    <message>
        <source>game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>game moves</source>
        <translation>Zugliste</translation>
    </message>
    <message>
        <source>%1 could not be saved to the file
%2

%3</source>
        <translation>%1 konnte nicht in die Datei gespeichert werden
%2

%3</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Das Spiel</translation>
    </message>
    <message>
        <source>The moves</source>
        <translation>Die Züge</translation>
    </message>
    <message>
        <source>A moves file keeps only games begun on the full board, so it cannot keep this puzzle&apos;s position. Save the game instead? Its file keeps the board as it stands.</source>
        <translation>Eine Zügedatei bewahrt nur Spiele, die auf dem vollen Brett begonnen wurden, also nicht die Stellung dieses Rätsels. Stattdessen das Spiel speichern? Seine Datei bewahrt das Brett, wie es steht.</translation>
    </message>
</context>
<context>
    <name>BallChooser</name>
    <message>
        <source>Select a type of &apos;balll&apos; or element to play with</source>
        <translation>Wähle eine ‚Kugel‘ oder ein Element zum Spielen</translation>
    </message>
    <message>
        <source>Chose Board</source>
        <translation>Brett wählen</translation>
    </message>
    <message>
        <source>Code word</source>
        <translation>Codewort</translation>
    </message>
    <message>
        <source>Balls</source>
        <translation>Kugeln</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Bretter</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Hole %1, %2%3</source>
        <translation>Loch %1, %2%3</translation>
    </message>
    <message>
        <source>ball</source>
        <translation>Kugel</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>, selected</source>
        <translation>, ausgewählt</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Brett</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
</context>
<context>
    <name>ScoreKeeper</name>
    <message>
        <source>The hall of fame</source>
        <translation>Die Ruhmeshalle</translation>
    </message>
    <message>
        <source>The hall of fame is being written by another game.&#xd;&#xd;Try again?</source>
        <translation>Die Ruhmeshalle wird gerade von einem anderen Spiel geschrieben.&#xd;&#xd;Noch einmal versuchen?</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Its lock file %1 could not be made: %2</source>
        <translation>Ihre Sperrdatei %1 konnte nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>HintKeeper</name>
    <message>
        <source>No jump left</source>
        <translation>Kein Sprung mehr möglich</translation>
    </message>
    <message>
        <source>one ball left</source>
        <translation>eine Kugel übrig</translation>
    </message>
    <message>
        <source>%1 balls left</source>
        <translation>%1 Kugeln übrig</translation>
    </message>
    <message>
        <source>at most %1</source>
        <translation>höchstens %1</translation>
    </message>
    <message>
        <source>Take the ball on %1 off — best finish: %2</source>
        <translation>Nimm die Kugel auf %1 weg — bestes Ende: %2</translation>
    </message>
    <message>
        <source>Jump %1 over %2 to %3 — best finish: %4</source>
        <translation>Springe von %1 über %2 nach %3 — bestes Ende: %4</translation>
    </message>
    <message>
        <source>Jump %1 over %2 to %3 — the goal can still be reached</source>
        <translation>Springe von %1 über %2 nach %3 — das Ziel ist noch erreichbar</translation>
    </message>
    <message>
        <source>The goal can no longer be reached. %1</source>
        <translation>Das Ziel ist nicht mehr erreichbar. %1</translation>
    </message>
    <message>
        <source>%1. Whether the goal can still be reached is not known.</source>
        <translation>%1. Ob das Ziel noch erreichbar ist, ist nicht bekannt.</translation>
    </message>
</context>
<context>
    <name>EndNotice</name>
    <message>
        <source>No jump left — one ball, score %1.</source>
        <translation>Kein Sprung mehr — eine Kugel, Punkte %1.</translation>
    </message>
    <message>
        <source>No jump left — %1 balls, score %2.</source>
        <translation>Kein Sprung mehr — %1 Kugeln, Punkte %2.</translation>
    </message>
    <message>
        <source>From this start one ball was possible.</source>
        <translation>Von diesem Start aus war eine Kugel möglich.</translation>
    </message>
    <message>
        <source>From this start %1 balls were possible.</source>
        <translation>Von diesem Start aus waren %1 Kugeln möglich.</translation>
    </message>
</context>
<context>
    <name>LineShow</name>
    <message>
        <source>Best line: one ball left</source>
        <translation>Beste Linie: eine Kugel übrig</translation>
    </message>
    <message>
        <source>Best line: %1 balls left</source>
        <translation>Beste Linie: %1 Kugeln übrig</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>one ball</source>
        <translation>eine Kugel</translation>
    </message>
    <message>
        <source>%1 balls</source>
        <translation>%1 Kugeln</translation>
    </message>
    <message>
        <source>&amp;Show the best line from the chosen move</source>
        <translation>Beste Linie ab dem gewählten Zug &amp;zeigen</translation>
    </message>
    <message>
        <source>Review of the game</source>
        <translation>Auswertung des Spiels</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Sprung</translation>
    </message>
    <message>
        <source>Best before</source>
        <translation>Bestes davor</translation>
    </message>
    <message>
        <source>Best after</source>
        <translation>Bestes danach</translation>
    </message>
    <message>
        <source>The moves and the best finish before and after each</source>
        <translation>Die Züge und das beste Ende vor und nach jedem</translation>
    </message>
    <message>
        <source>The moves on the board do not start from one ball taken off a full board: there is nothing to review.</source>
        <translation>Die Züge auf dem Brett beginnen nicht mit einer vom vollen Brett genommenen Kugel: es gibt nichts auszuwerten.</translation>
    </message>
    <message>
        <source>Working out the best finishes…</source>
        <translation>Die besten Enden werden berechnet…</translation>
    </message>
    <message>
        <source>No move has been played yet.</source>
        <translation>Es wurde noch kein Zug gespielt.</translation>
    </message>
    <message>
        <source>From the start, %1 could be left.</source>
        <translation>Vom Start aus konnte %1 übrig bleiben.</translation>
    </message>
    <message>
        <source>Move %1 lost the best finish; %2 would have kept it.</source>
        <translation>Zug %1 verlor das beste Ende; %2 hätte es gehalten.</translation>
    </message>
    <message>
        <source>Move %1 lost the best finish.</source>
        <translation>Zug %1 verlor das beste Ende.</translation>
    </message>
    <message>
        <source>No move lost the best finish.</source>
        <translation>Kein Zug verlor das beste Ende.</translation>
    </message>
    <message>
        <source>Some finishes are the best lines found, not proven.</source>
        <translation>Manche Enden sind die besten gefundenen Linien, nicht bewiesen.</translation>
    </message>
</context>
<context>
    <name>PuzzlePlay</name>
    <message>
        <source>Hole %1 empty</source>
        <translation>Loch %1 leer</translation>
    </message>
    <message>
        <source>Goal: one ball left</source>
        <translation>Ziel: eine Kugel übrig</translation>
    </message>
    <message>
        <source>Goal: one ball left, in the centre</source>
        <translation>Ziel: eine Kugel übrig, in der Mitte</translation>
    </message>
    <message>
        <source>Goal: one ball left, in hole %1</source>
        <translation>Ziel: eine Kugel übrig, in Loch %1</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Gelöst!</translation>
    </message>
    <message>
        <source>Puzzle solved: %1</source>
        <translation>Rätsel gelöst: %1</translation>
    </message>
</context>
<context>
    <name>PuzzleChooser</name>
    <message>
        <source>Puzzles</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>Every puzzle here is proven solvable. Choose one to play; the game on the board ends as for a new game.</source>
        <translation>Jedes Rätsel hier ist nachweislich lösbar. Wähle eines zum Spielen; das Spiel auf dem Brett endet wie bei einem neuen Spiel.</translation>
    </message>
    <message>
        <source>✔ Solved</source>
        <translation>✔ Gelöst</translation>
    </message>
    <message>
        <source>%1. %2. Solved.</source>
        <translation>%1. %2. Gelöst.</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spielen</translation>
    </message>
</context>
<context>
    <name>PuzzleNames</name>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>Doppelpfeil</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Tanne</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>Kamin</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Haus</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>Letter T</source>
        <translation>Buchstabe T</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Pluszeichen</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
</context>
</TS>
