<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>CommandTable</name>
    <message>
        <source>Arrow keys</source>
        <translation>Pijltjestoetsen</translation>
    </message>
    <message>
        <source>Move the ring over the holes</source>
        <translation>De ring over de gaten bewegen</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Spatie, Enter</translation>
    </message>
    <message>
        <source>Play the hole under the ring</source>
        <translation>Het gat onder de ring spelen</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>The ring to the centre hole</source>
        <translation>De ring naar het middelste gat</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>Move through the board and the commands</source>
        <translation>Door het bord en de opdrachten gaan</translation>
    </message>
    <message>
        <source>&amp;Hint: show the best next jump</source>
        <translation>&amp;Hint: de beste volgende sprong tonen</translation>
    </message>
    <message>
        <source>Hint: mark the best next jump and say the best finish still possible</source>
        <translation>Hint: de beste volgende sprong markeren en het best mogelijke einde noemen</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Spel laden</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Spel opslaan</translation>
    </message>
    <message>
        <source>Undo last move</source>
        <translation>Laatste zet ongedaan maken</translation>
    </message>
    <message>
        <source>Undo last move (UNDO)</source>
        <translation>Laatste zet ongedaan maken (UNDO)</translation>
    </message>
    <message>
        <source>Load moves</source>
        <translation>Zetten laden</translation>
    </message>
    <message>
        <source>Save moves</source>
        <translation>Zetten opslaan</translation>
    </message>
    <message>
        <source>&amp;View moves been played on the board</source>
        <translation>Gespeelde zetten op het bord &amp;bekijken</translation>
    </message>
    <message>
        <source>Replay the moves on the board, one a second</source>
        <translation>De zetten op het bord naspelen, één per seconde</translation>
    </message>
    <message>
        <source>&amp;View the moves played in text mode</source>
        <translation>Gespeelde zetten als &amp;tekst bekijken</translation>
    </message>
    <message>
        <source>The moves as text, to read or print</source>
        <translation>De zetten als tekst, om te lezen of af te drukken</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Geluid aan of uit</translation>
    </message>
    <message>
        <source>Music on or off</source>
        <translation>Muziek aan of uit</translation>
    </message>
    <message>
        <source>Eyeball on legs</source>
        <translation>Oogbal op pootjes</translation>
    </message>
    <message>
        <source>Ball: Eyeball on legs</source>
        <translation>Bal: oogbal op pootjes</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Blauwe bal</translation>
    </message>
    <message>
        <source>Ball: Blue ball</source>
        <translation>Bal: blauwe bal</translation>
    </message>
    <message>
        <source>Eight ball</source>
        <translation>Achtbal</translation>
    </message>
    <message>
        <source>Ball: Eight ball</source>
        <translation>Bal: achtbal</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Voetbal</translation>
    </message>
    <message>
        <source>Ball: Football</source>
        <translation>Bal: voetbal</translation>
    </message>
    <message>
        <source>Green blob with eyes</source>
        <translation>Groene klodder met ogen</translation>
    </message>
    <message>
        <source>Ball: Green blob with eyes</source>
        <translation>Bal: groene klodder met ogen</translation>
    </message>
    <message>
        <source>Christmas bauble</source>
        <translation>Kerstbal</translation>
    </message>
    <message>
        <source>Ball: Christmas bauble</source>
        <translation>Bal: kerstbal</translation>
    </message>
    <message>
        <source>The Earth</source>
        <translation>De aarde</translation>
    </message>
    <message>
        <source>Ball: The Earth</source>
        <translation>Bal: de aarde</translation>
    </message>
    <message>
        <source>Next board</source>
        <translation>Volgend bord</translation>
    </message>
    <message>
        <source>Previous board</source>
        <translation>Vorig bord</translation>
    </message>
    <message>
        <source>Close panels</source>
        <translation>Panelen sluiten</translation>
    </message>
    <message>
        <source>Close the open panel</source>
        <translation>Het open paneel sluiten</translation>
    </message>
    <message>
        <source>Code word</source>
        <translation>Codewoord</translation>
    </message>
    <message>
        <source>Type a code word for a hidden ball</source>
        <translation>Een codewoord voor een verborgen bal typen</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>A larger window</source>
        <translation>Een groter venster</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>A smaller window</source>
        <translation>Een kleiner venster</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Ware grootte</translation>
    </message>
    <message>
        <source>The window at its own size</source>
        <translation>Het venster op zijn eigen grootte</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>This help</source>
        <translation>Deze help</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>About The Dorv</source>
        <translation>Over The Dorv</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Spelmenu</translation>
    </message>
    <message>
        <source>Moves menu</source>
        <translation>Zettenmenu</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muziek</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Geluid aan</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Geluid uit</translation>
    </message>
    <message>
        <source>Music on</source>
        <translation>Muziek aan</translation>
    </message>
    <message>
        <source>Music off</source>
        <translation>Muziek uit</translation>
    </message>
    <message>
        <source>View the moves</source>
        <translation>Zetten bekijken</translation>
    </message>
    <message>
        <source>Octagonal lacquer board</source>
        <translation>Achthoekig gelakt bord</translation>
    </message>
    <message>
        <source>Square grey board</source>
        <translation>Vierkant grijs bord</translation>
    </message>
    <message>
        <source>Round silver board</source>
        <translation>Rond zilveren bord</translation>
    </message>
    <message>
        <source>Redo the move taken back</source>
        <translation>Teruggenomen zet opnieuw spelen</translation>
    </message>
    <message>
        <source>Play the move taken back again, also Ctrl+Y (it scores, the undo&apos;s cost stays)</source>
        <translation>De teruggenomen zet opnieuw spelen, ook Ctrl+Y (hij telt, de kosten van het terugnemen blijven)</translation>
    </message>
    <message>
        <source>Show the best &amp;line from here</source>
        <translation>Beste &amp;lijn vanaf hier tonen</translation>
    </message>
    <message>
        <source>Play the best line from here on the board, a jump a second; any key or click stops it</source>
        <translation>De beste lijn vanaf hier op het bord spelen, één sprong per seconde; elke toets of klik stopt haar</translation>
    </message>
    <message>
        <source>&amp;Review the game</source>
        <translation>Partij &amp;nabekijken</translation>
    </message>
    <message>
        <source>Review the game: the best finish before and after each move, and where it was lost</source>
        <translation>De partij nabekijken: het beste einde voor en na elke zet, en waar het verloren ging</translation>
    </message>
    <message>
        <source>&amp;Puzzles...</source>
        <translation>&amp;Puzzels...</translation>
    </message>
    <message>
        <source>Choose a puzzle: a figure or a start to clear down to one ball, each proven solvable</source>
        <translation>Een puzzel kiezen: een figuur of begin om tot één bal terug te brengen, elk bewezen oplosbaar</translation>
    </message>
    <message>
        <source>Show the puzzle&apos;s &amp;solution</source>
        <translation>De &amp;oplossing van de puzzel tonen</translation>
    </message>
    <message>
        <source>In a puzzle: play its solution from its start on the board; any key or click stops it</source>
        <translation>In een puzzel: de oplossing vanaf het begin op het bord spelen; elke toets of klik stopt haar</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Remove a &apos;ball&apos; to start</source>
        <translation>Haal een ‘bal’ weg om te beginnen</translation>
    </message>
</context>
<context>
    <name>HallOfFame</name>
    <message>
        <source>Congratulations, you made it to the &apos;THE DORV WINNERS&apos; hall. Please enter your name</source>
        <translation>Gefeliciteerd, je hebt de eregalerij ‘THE DORV WINNERS’ gehaald. Vul je naam in</translation>
    </message>
    <message>
        <source>The WINNERS!</source>
        <translation>De WINNAARS!</translation>
    </message>
</context>
<context>
    <name>HighScoreWindow</name>
    <message>
        <source>HIGH SCORES</source>
        <translation>TOPSCORES</translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>GAME</source>
        <translation>SPEL</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>TERUG</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muziek</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Bekijken</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The Dorv Help</source>
        <translation>The Dorv – Help</translation>
    </message>
    <message>
        <source>About The Dorv</source>
        <translation>Over The Dorv</translation>
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
&lt;h2&gt;Zo speel je&lt;/h2&gt;
&lt;p&gt;Zevenendertig gaten in een kruis, in elk een bal. Haal één bal weg om te beginnen. Pak dan een bal op (hij krijgt een kader) en zet hem in een leeg gat twee plaatsen verder, in een rij of een kolom: de bal waar hij overheen springt verlaat het bord. Klik een omkaderde bal nog eens aan om hem neer te zetten. Laat zo weinig mogelijk ballen over.&lt;/p&gt;
&lt;p&gt;Speel met de muis of met het toetsenbord: de pijltjestoetsen bewegen een ring over de gaten, en Spatie of Enter speelt het gat eronder, zoals een klik.&lt;/p&gt;
&lt;h2&gt;De score&lt;/h2&gt;
&lt;p&gt;Elke sprong levert een punt op. Ongedaan maken (UNDO, Ctrl+Z) kost een tiende van de score, plus één. Als een spel eindigt &amp;mdash; een nieuw spel, een zettenbestand laden of stoppen &amp;mdash;, komen de vijf beste scores in THE DORV WINNERS, de eregalerij.&lt;/p&gt;
&lt;h2&gt;Opdrachten en toetsen&lt;/h2&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;2&quot; width=&quot;100%&quot;&gt;
%1&lt;/table&gt;
&lt;p&gt;GAME opent Nieuw, Laden, Opslaan, Geluid, Muziek en Afsluiten; Moves opent Bekijken, Opslaan en Laden voor zettenlijsten. De strook bovenaan kiest de bal, de strook rechts het bord.&lt;/p&gt;
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
&lt;p&gt;Solitaire voor de Linux-desktop.&lt;/p&gt;
&lt;p&gt;De afbeeldingen, de melodie en het zetgeluid zijn voor het spel gemaakt door de ontwikkelaars van The Dorv.&lt;/p&gt;
&lt;p&gt;Copyright &amp;copy; De ontwikkelaars van The Dorv. Uitgebracht onder de MIT-licentie:&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>How to play, the score and the keys</source>
        <translation>Zo speel je, de score en de toetsen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>MovesWindow</name>
    <message>
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Klaar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>&amp;Printer Setup</source>
        <translation>&amp;Printerinstellingen</translation>
    </message>
    <message>
        <source>No printer is available, so the moves cannot be printed.&#xd;&#xd;Set up a printer on this computer and try again.</source>
        <translation>Er is geen printer beschikbaar, dus de zetten kunnen niet worden afgedrukt.&#xd;&#xd;Stel een printer in op deze computer en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>the printer did not start the document.</source>
        <translation>de printer is niet aan het document begonnen.</translation>
    </message>
    <message>
        <source>the printer did not take the whole document.</source>
        <translation>de printer heeft niet het hele document aangenomen.</translation>
    </message>
    <message>
        <source>The moves could not be printed: </source>
        <translation>De zetten konden niet worden afgedrukt: </translation>
    </message>
    <message>
        <source>The printed moves</source>
        <translation>De afgedrukte zetten</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Nabekijken</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>The Dorv Game Moves(*.dvm)|*.dvm|All Files (*.*)|*.*</source>
        <translation>The Dorv-zetten (*.dvm)|*.dvm|Alle bestanden (*.*)|*.*</translation>
    </message>
    <message>
        <source>The Dorv Game Moves (*.dvm)|*.dvm|All Files (*.*)|*.*</source>
        <translation>The Dorv-zetten (*.dvm)|*.dvm|Alle bestanden (*.*)|*.*</translation>
    </message>
    <message>
        <source>The Dorv Game (*.dvg)|*.dvg|All Files (*.*)|*.*</source>
        <translation>The Dorv-spel (*.dvg)|*.dvg|Alle bestanden (*.*)|*.*</translation>
    </message>
    <message>
        <source>The file %1 already exists.&#xd;&#xd;</source>
        <translation>Het bestand %1 bestaat al.&#xd;&#xd;</translation>
    </message>
    <message>
        <source>Replace file?</source>
        <translation>Bestand vervangen?</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Bestand opslaan</translation>
    </message>
    <message>
        <source>Loading a MOVES file shall clear the current game. Are you sure you want to continue?</source>
        <translation>Een zettenbestand laden wist het huidige spel. Weet je zeker dat je wilt doorgaan?</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spel opslaan</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Spel laden</translation>
    </message>
    <message>
        <source>Save Moves</source>
        <translation>Zetten opslaan</translation>
    </message>
    <message>
        <source>Load Moves</source>
        <translation>Zetten laden</translation>
    </message>
    <message>
        <source>The %1 file is corrupted. You can not load this file.&#xd;&#xd;</source>
        <translation>Het bestand (%1) is beschadigd. Het kan niet worden geladen.&#xd;&#xd;</translation>
    </message>
    <message>
        <source>If the problem persists, please contact The Dorv support line and tell them which file it was.</source>
        <translation>Als het probleem blijft, neem dan contact op met de ondersteuning van The Dorv en zeg om welk bestand het ging.</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation>Fout bij het lezen van het bestand</translation>
    </message>
    <message>
        <source>File not found. Please check filename or browse to saved directory and select file.</source>
        <translation>Bestand niet gevonden. Controleer de bestandsnaam of ga naar de opslagmap en kies het bestand.</translation>
    </message>
    <message>
        <source>game</source>
        <translation>spel</translation>
    </message>
    <message>
        <source>game moves</source>
        <translation>zettenlijst</translation>
    </message>
    <message>
        <source>%1 could not be saved to the file
%2

%3</source>
        <translation>%1 kon niet worden opgeslagen in het bestand
%2

%3</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Het spel</translation>
    </message>
    <message>
        <source>The moves</source>
        <translation>De zetten</translation>
    </message>
    <message>
        <source>A moves file keeps only games begun on the full board, so it cannot keep this puzzle&apos;s position. Save the game instead? Its file keeps the board as it stands.</source>
        <translation>Een zettenbestand bewaart alleen spellen die op het volle bord begonnen, dus niet de stelling van deze puzzel. In plaats daarvan het spel opslaan? Dat bestand bewaart het bord zoals het staat.</translation>
    </message>
</context>
<context>
    <name>BallChooser</name>
    <message>
        <source>Select a type of &apos;balll&apos; or element to play with</source>
        <translation>Kies een ‘bal’ of element om mee te spelen</translation>
    </message>
    <message>
        <source>Chose Board</source>
        <translation>Kies een bord</translation>
    </message>
    <message>
        <source>Code word</source>
        <translation>Codewoord</translation>
    </message>
    <message>
        <source>Balls</source>
        <translation>Ballen</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Borden</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Hole %1, %2%3</source>
        <translation>Gat %1, %2%3</translation>
    </message>
    <message>
        <source>ball</source>
        <translation>bal</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>, selected</source>
        <translation>, geselecteerd</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muziek</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
</context>
<context>
    <name>ScoreKeeper</name>
    <message>
        <source>The hall of fame</source>
        <translation>De eregalerij</translation>
    </message>
    <message>
        <source>The hall of fame is being written by another game.&#xd;&#xd;Try again?</source>
        <translation>Een ander spel schrijft de eregalerij.&#xd;&#xd;Opnieuw proberen?</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>Its lock file %1 could not be made: %2</source>
        <translation>Het vergrendelbestand %1 kon niet worden gemaakt: %2</translation>
    </message>
</context>
<context>
    <name>HintKeeper</name>
    <message>
        <source>No jump left</source>
        <translation>Geen sprong meer mogelijk</translation>
    </message>
    <message>
        <source>one ball left</source>
        <translation>één bal over</translation>
    </message>
    <message>
        <source>%1 balls left</source>
        <translation>%1 ballen over</translation>
    </message>
    <message>
        <source>at most %1</source>
        <translation>hoogstens %1</translation>
    </message>
    <message>
        <source>Take the ball on %1 off — best finish: %2</source>
        <translation>Haal de bal op %1 weg — beste einde: %2</translation>
    </message>
    <message>
        <source>Jump %1 over %2 to %3 — best finish: %4</source>
        <translation>Spring van %1 over %2 naar %3 — beste einde: %4</translation>
    </message>
    <message>
        <source>Jump %1 over %2 to %3 — the goal can still be reached</source>
        <translation>Spring van %1 over %2 naar %3 — het doel is nog haalbaar</translation>
    </message>
    <message>
        <source>The goal can no longer be reached. %1</source>
        <translation>Het doel is niet meer haalbaar. %1</translation>
    </message>
    <message>
        <source>%1. Whether the goal can still be reached is not known.</source>
        <translation>%1. Of het doel nog haalbaar is, is niet bekend.</translation>
    </message>
</context>
<context>
    <name>EndNotice</name>
    <message>
        <source>No jump left — one ball, score %1.</source>
        <translation>Geen sprong meer — één bal, score %1.</translation>
    </message>
    <message>
        <source>No jump left — %1 balls, score %2.</source>
        <translation>Geen sprong meer — %1 ballen, score %2.</translation>
    </message>
    <message>
        <source>From this start one ball was possible.</source>
        <translation>Vanaf deze start was één bal mogelijk.</translation>
    </message>
    <message>
        <source>From this start %1 balls were possible.</source>
        <translation>Vanaf deze start waren %1 ballen mogelijk.</translation>
    </message>
</context>
<context>
    <name>LineShow</name>
    <message>
        <source>Best line: one ball left</source>
        <translation>Beste lijn: één bal over</translation>
    </message>
    <message>
        <source>Best line: %1 balls left</source>
        <translation>Beste lijn: %1 ballen over</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>one ball</source>
        <translation>één bal</translation>
    </message>
    <message>
        <source>%1 balls</source>
        <translation>%1 ballen</translation>
    </message>
    <message>
        <source>&amp;Show the best line from the chosen move</source>
        <translation>Beste lijn vanaf de gekozen zet &amp;tonen</translation>
    </message>
    <message>
        <source>Review of the game</source>
        <translation>Nabespreking van de partij</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Zet</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Sprong</translation>
    </message>
    <message>
        <source>Best before</source>
        <translation>Beste ervoor</translation>
    </message>
    <message>
        <source>Best after</source>
        <translation>Beste erna</translation>
    </message>
    <message>
        <source>The moves and the best finish before and after each</source>
        <translation>De zetten en het beste einde voor en na elke zet</translation>
    </message>
    <message>
        <source>The moves on the board do not start from one ball taken off a full board: there is nothing to review.</source>
        <translation>De zetten op het bord beginnen niet met één bal van een vol bord: er valt niets na te kijken.</translation>
    </message>
    <message>
        <source>Working out the best finishes…</source>
        <translation>De beste eindes worden berekend…</translation>
    </message>
    <message>
        <source>No move has been played yet.</source>
        <translation>Er is nog geen zet gespeeld.</translation>
    </message>
    <message>
        <source>From the start, %1 could be left.</source>
        <translation>Vanaf de start kon %1 overblijven.</translation>
    </message>
    <message>
        <source>Move %1 lost the best finish; %2 would have kept it.</source>
        <translation>Zet %1 verloor het beste einde; %2 had het behouden.</translation>
    </message>
    <message>
        <source>Move %1 lost the best finish.</source>
        <translation>Zet %1 verloor het beste einde.</translation>
    </message>
    <message>
        <source>No move lost the best finish.</source>
        <translation>Geen zet verloor het beste einde.</translation>
    </message>
    <message>
        <source>Some finishes are the best lines found, not proven.</source>
        <translation>Sommige eindes zijn de beste gevonden lijnen, niet bewezen.</translation>
    </message>
</context>
<context>
    <name>PuzzlePlay</name>
    <message>
        <source>Hole %1 empty</source>
        <translation>Gat %1 leeg</translation>
    </message>
    <message>
        <source>Goal: one ball left</source>
        <translation>Doel: één bal over</translation>
    </message>
    <message>
        <source>Goal: one ball left, in the centre</source>
        <translation>Doel: één bal over, in het midden</translation>
    </message>
    <message>
        <source>Goal: one ball left, in hole %1</source>
        <translation>Doel: één bal over, in gat %1</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Opgelost!</translation>
    </message>
    <message>
        <source>Puzzle solved: %1</source>
        <translation>Puzzel opgelost: %1</translation>
    </message>
</context>
<context>
    <name>PuzzleChooser</name>
    <message>
        <source>Puzzles</source>
        <translation>Puzzels</translation>
    </message>
    <message>
        <source>Every puzzle here is proven solvable. Choose one to play; the game on the board ends as for a new game.</source>
        <translation>Elke puzzel hier is bewezen oplosbaar. Kies er een om te spelen; het spel op het bord eindigt zoals bij een nieuw spel.</translation>
    </message>
    <message>
        <source>✔ Solved</source>
        <translation>✔ Opgelost</translation>
    </message>
    <message>
        <source>%1. %2. Solved.</source>
        <translation>%1. %2. Opgelost.</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spelen</translation>
    </message>
</context>
<context>
    <name>PuzzleNames</name>
    <message>
        <source>Arrow</source>
        <translation>Pijl</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kruis</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Ruit</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>Dubbele pijl</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Den</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>Haard</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Hart</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Huis</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lamp</translation>
    </message>
    <message>
        <source>Letter T</source>
        <translation>Letter T</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plusteken</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Piramide</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Vierkant</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Ster</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Driehoek</translation>
    </message>
</context>
</TS>
