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
</context>
<context>
    <name>Game</name>
    <message>
        <source>Remove a &apos;ball&apos; to start</source>
        <translation>Nimm eine ‚Kugel‘ weg, um zu beginnen</translation>
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
    <name>HelpWindow</name>
    <message>
        <source>The Dorv Help</source>
        <translation>The Dorv – Hilfe</translation>
    </message>
    <message>
        <source>About The Dorv</source>
        <translation>Über The Dorv</translation>
    </message>
</context>
<context>
    <name>MovesWindow</name>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
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
</context>
</TS>
