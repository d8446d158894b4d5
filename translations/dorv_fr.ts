<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CommandTable</name>
    <message>
        <source>Arrow keys</source>
        <translation>Touches fléchées</translation>
    </message>
    <message>
        <source>Move the ring over the holes</source>
        <translation>Déplacer l’anneau sur les trous</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Espace, Entrée</translation>
    </message>
    <message>
        <source>Play the hole under the ring</source>
        <translation>Jouer le trou sous l’anneau</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>The ring to the centre hole</source>
        <translation>L’anneau sur le trou central</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Maj+Tab</translation>
    </message>
    <message>
        <source>Move through the board and the commands</source>
        <translation>Parcourir le plateau et les commandes</translation>
    </message>
    <message>
        <source>&amp;Hint: show the best next jump</source>
        <translation>&amp;Conseil : montrer le meilleur saut suivant</translation>
    </message>
    <message>
        <source>Hint: mark the best next jump and say the best finish still possible</source>
        <translation>Conseil : marquer le meilleur saut suivant et dire la meilleure fin encore possible</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Undo last move</source>
        <translation>Annuler le dernier coup</translation>
    </message>
    <message>
        <source>Undo last move (UNDO)</source>
        <translation>Annuler le dernier coup (UNDO)</translation>
    </message>
    <message>
        <source>Load moves</source>
        <translation>Charger les coups</translation>
    </message>
    <message>
        <source>Save moves</source>
        <translation>Enregistrer les coups</translation>
    </message>
    <message>
        <source>&amp;View moves been played on the board</source>
        <translation>&amp;Voir les coups joués sur le plateau</translation>
    </message>
    <message>
        <source>Replay the moves on the board, one a second</source>
        <translation>Rejouer les coups sur le plateau, un par seconde</translation>
    </message>
    <message>
        <source>&amp;View the moves played in text mode</source>
        <translation>Voir les coups joués en mode &amp;texte</translation>
    </message>
    <message>
        <source>The moves as text, to read or print</source>
        <translation>Les coups en texte, à lire ou à imprimer</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Son activé ou désactivé</translation>
    </message>
    <message>
        <source>Music on or off</source>
        <translation>Musique activée ou désactivée</translation>
    </message>
    <message>
        <source>Eyeball on legs</source>
        <translation>Œil sur pattes</translation>
    </message>
    <message>
        <source>Ball: Eyeball on legs</source>
        <translation>Bille : œil sur pattes</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Bille bleue</translation>
    </message>
    <message>
        <source>Ball: Blue ball</source>
        <translation>Bille : bille bleue</translation>
    </message>
    <message>
        <source>Eight ball</source>
        <translation>Boule huit</translation>
    </message>
    <message>
        <source>Ball: Eight ball</source>
        <translation>Bille : boule huit</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Ballon de foot</translation>
    </message>
    <message>
        <source>Ball: Football</source>
        <translation>Bille : ballon de foot</translation>
    </message>
    <message>
        <source>Green blob with eyes</source>
        <translation>Tache verte avec des yeux</translation>
    </message>
    <message>
        <source>Ball: Green blob with eyes</source>
        <translation>Bille : tache verte avec des yeux</translation>
    </message>
    <message>
        <source>Christmas bauble</source>
        <translation>Boule de Noël</translation>
    </message>
    <message>
        <source>Ball: Christmas bauble</source>
        <translation>Bille : boule de Noël</translation>
    </message>
    <message>
        <source>The Earth</source>
        <translation>La Terre</translation>
    </message>
    <message>
        <source>Ball: The Earth</source>
        <translation>Bille : la Terre</translation>
    </message>
    <message>
        <source>Next board</source>
        <translation>Plateau suivant</translation>
    </message>
    <message>
        <source>Previous board</source>
        <translation>Plateau précédent</translation>
    </message>
    <message>
        <source>Close panels</source>
        <translation>Fermer les panneaux</translation>
    </message>
    <message>
        <source>Close the open panel</source>
        <translation>Fermer le panneau ouvert</translation>
    </message>
    <message>
        <source>Code word</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Type a code word for a hidden ball</source>
        <translation>Taper le mot de passe d’une bille cachée</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>A larger window</source>
        <translation>Une fenêtre plus grande</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>A smaller window</source>
        <translation>Une fenêtre plus petite</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>The window at its own size</source>
        <translation>La fenêtre à sa taille d’origine</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>This help</source>
        <translation>Cette aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>About The Dorv</source>
        <translation>À propos de The Dorv</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Menu Partie</translation>
    </message>
    <message>
        <source>Moves menu</source>
        <translation>Menu Coups</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Son désactivé</translation>
    </message>
    <message>
        <source>Music on</source>
        <translation>Musique activée</translation>
    </message>
    <message>
        <source>Music off</source>
        <translation>Musique désactivée</translation>
    </message>
    <message>
        <source>View the moves</source>
        <translation>Voir les coups</translation>
    </message>
    <message>
        <source>Octagonal lacquer board</source>
        <translation>Plateau octogonal laqué</translation>
    </message>
    <message>
        <source>Square grey board</source>
        <translation>Plateau carré gris</translation>
    </message>
    <message>
        <source>Round silver board</source>
        <translation>Plateau rond argenté</translation>
    </message>
    <message>
        <source>Redo the move taken back</source>
        <translation>Rejouer le coup annulé</translation>
    </message>
    <message>
        <source>Play the move taken back again, also Ctrl+Y (it scores, the undo&apos;s cost stays)</source>
        <translation>Rejouer le coup annulé, aussi Ctrl+Y (il compte, le coût de l’annulation reste)</translation>
    </message>
    <message>
        <source>Show the best &amp;line from here</source>
        <translation>Montrer la meilleure &amp;suite d’ici</translation>
    </message>
    <message>
        <source>Play the best line from here on the board, a jump a second; any key or click stops it</source>
        <translation>Jouer la meilleure suite d’ici sur le plateau, un saut par seconde ; une touche ou un clic l’arrête</translation>
    </message>
    <message>
        <source>&amp;Review the game</source>
        <translation>&amp;Revoir la partie</translation>
    </message>
    <message>
        <source>Review the game: the best finish before and after each move, and where it was lost</source>
        <translation>Revoir la partie : la meilleure fin avant et après chaque coup, et où elle a été perdue</translation>
    </message>
    <message>
        <source>&amp;Puzzles...</source>
        <translation>&amp;Problèmes...</translation>
    </message>
    <message>
        <source>Choose a puzzle: a figure or a start to clear down to one ball, each proven solvable</source>
        <translation>Choisir un problème : une figure ou un départ à réduire à une seule bille, chacun prouvé soluble</translation>
    </message>
    <message>
        <source>Show the puzzle&apos;s &amp;solution</source>
        <translation>Montrer la &amp;solution du problème</translation>
    </message>
    <message>
        <source>In a puzzle: play its solution from its start on the board; any key or click stops it</source>
        <translation>Dans un problème : jouer sa solution depuis le départ sur le plateau ; une touche ou un clic l’arrête</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Remove a &apos;ball&apos; to start</source>
        <translation>Retirez une « bille » pour jouer</translation>
    </message>
</context>
<context>
    <name>HallOfFame</name>
    <message>
        <source>Congratulations, you made it to the &apos;THE DORV WINNERS&apos; hall. Please enter your name</source>
        <translation>Félicitations, vous entrez au panthéon « THE DORV WINNERS ». Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>The WINNERS!</source>
        <translation>Les GAGNANTS !</translation>
    </message>
</context>
<context>
    <name>HighScoreWindow</name>
    <message>
        <source>HIGH SCORES</source>
        <translation>MEILLEURS SCORES</translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>GAME</source>
        <translation>PARTIE</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Palmarès</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Voir</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The Dorv Help</source>
        <translation>Aide de The Dorv</translation>
    </message>
    <message>
        <source>About The Dorv</source>
        <translation>À propos de The Dorv</translation>
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
&lt;h2&gt;Comment jouer&lt;/h2&gt;
&lt;p&gt;Trente-sept trous en croix, une bille dans chacun. Retirez une bille pour commencer. Prenez ensuite une bille (elle s’encadre) et posez-la dans un trou vide à deux places de là, sur une ligne ou une colonne : la bille sautée quitte le plateau. Cliquez de nouveau sur une bille encadrée pour la reposer. Laissez le moins de billes possible.&lt;/p&gt;
&lt;p&gt;Jouez à la souris ou au clavier : les touches fléchées déplacent un anneau sur les trous, et Espace ou Entrée joue le trou qui est dessous, comme un clic.&lt;/p&gt;
&lt;h2&gt;Le score&lt;/h2&gt;
&lt;p&gt;Chaque saut rapporte un point. Une annulation (UNDO, Ctrl+Z) coûte un dixième du score, plus un. À la fin d’une partie &amp;mdash; nouvelle partie, chargement d’un fichier de coups ou départ &amp;mdash;, les cinq meilleurs scores entrent dans THE DORV WINNERS, le panthéon.&lt;/p&gt;
&lt;h2&gt;Commandes et touches&lt;/h2&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;2&quot; width=&quot;100%&quot;&gt;
%1&lt;/table&gt;
&lt;p&gt;GAME ouvre Nouvelle, Charger, Enregistrer, Son, Musique et Quitter ; Moves ouvre Voir, Enregistrer et Charger pour les listes de coups. La bande du haut choisit la bille, celle de droite le plateau.&lt;/p&gt;
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
&lt;p&gt;Le solitaire pour le bureau Linux.&lt;/p&gt;
&lt;p&gt;Les images, la mélodie et le son des coups ont été faits pour le jeu par les développeurs de The Dorv.&lt;/p&gt;
&lt;p&gt;Copyright &amp;copy; Les développeurs de The Dorv. Publié sous la licence MIT :&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>How to play, the score and the keys</source>
        <translation>Comment jouer, le score et les touches</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>MovesWindow</name>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Printer Setup</source>
        <translation>&amp;Configuration de l’imprimante</translation>
    </message>
    <message>
        <source>No printer is available, so the moves cannot be printed.&#xd;&#xd;Set up a printer on this computer and try again.</source>
        <translation>Aucune imprimante n’est disponible, les coups ne peuvent pas être imprimés.&#xd;&#xd;Installez une imprimante sur cet ordinateur et réessayez.</translation>
    </message>
    <message>
        <source>the printer did not start the document.</source>
        <translation>l’imprimante n’a pas commencé le document.</translation>
    </message>
    <message>
        <source>the printer did not take the whole document.</source>
        <translation>l’imprimante n’a pas pris tout le document.</translation>
    </message>
    <message>
        <source>The moves could not be printed: </source>
        <translation>Les coups n’ont pas pu être imprimés : </translation>
    </message>
    <message>
        <source>The printed moves</source>
        <translation>Les coups imprimés</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Revoir</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>The Dorv Game Moves(*.dvm)|*.dvm|All Files (*.*)|*.*</source>
        <translation>Coups de The Dorv (*.dvm)|*.dvm|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>The Dorv Game Moves (*.dvm)|*.dvm|All Files (*.*)|*.*</source>
        <translation>Coups de The Dorv (*.dvm)|*.dvm|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>The Dorv Game (*.dvg)|*.dvg|All Files (*.*)|*.*</source>
        <translation>Partie de The Dorv (*.dvg)|*.dvg|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>The file %1 already exists.&#xd;&#xd;</source>
        <translation>Le fichier %1 existe déjà.&#xd;&#xd;</translation>
    </message>
    <message>
        <source>Replace file?</source>
        <translation>Remplacer le fichier ?</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Loading a MOVES file shall clear the current game. Are you sure you want to continue?</source>
        <translation>Charger un fichier de coups efface la partie en cours. Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Save Moves</source>
        <translation>Enregistrer les coups</translation>
    </message>
    <message>
        <source>Load Moves</source>
        <translation>Charger les coups</translation>
    </message>
    <message>
        <source>The %1 file is corrupted. You can not load this file.&#xd;&#xd;</source>
        <translation>Le fichier (%1) est endommagé. Il ne peut pas être chargé.&#xd;&#xd;</translation>
    </message>
    <message>
        <source>If the problem persists, please contact The Dorv support line and tell them which file it was.</source>
        <translation>Si le problème persiste, contactez l’assistance de The Dorv en indiquant de quel fichier il s’agit.</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation>Erreur de lecture du fichier</translation>
    </message>
    <message>
        <source>File not found. Please check filename or browse to saved directory and select file.</source>
        <translation>Fichier introuvable. Vérifiez le nom du fichier ou allez dans le dossier d’enregistrement et choisissez le fichier.</translation>
    </message>
    <message>
        <source>game</source>
        <translation>partie</translation>
    </message>
    <message>
        <source>game moves</source>
        <translation>liste de coups</translation>
    </message>
    <message>
        <source>%1 could not be saved to the file
%2

%3</source>
        <translation>%1 n’a pas pu être enregistré(e) dans le fichier
%2

%3</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>La partie</translation>
    </message>
    <message>
        <source>The moves</source>
        <translation>Les coups</translation>
    </message>
    <message>
        <source>A moves file keeps only games begun on the full board, so it cannot keep this puzzle&apos;s position. Save the game instead? Its file keeps the board as it stands.</source>
        <translation>Un fichier de coups ne garde que les parties commencées sur le plateau plein ; il ne peut donc pas garder la position de ce problème. Enregistrer la partie à la place ? Son fichier garde le plateau tel qu’il est.</translation>
    </message>
</context>
<context>
    <name>BallChooser</name>
    <message>
        <source>Select a type of &apos;balll&apos; or element to play with</source>
        <translation>Choisissez une « bille » ou un élément pour jouer</translation>
    </message>
    <message>
        <source>Chose Board</source>
        <translation>Choisir le plateau</translation>
    </message>
    <message>
        <source>Code word</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Balls</source>
        <translation>Billes</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Plateaux</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Hole %1, %2%3</source>
        <translation>Trou %1, %2%3</translation>
    </message>
    <message>
        <source>ball</source>
        <translation>bille</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>, selected</source>
        <translation>, sélectionnée</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
</context>
<context>
    <name>ScoreKeeper</name>
    <message>
        <source>The hall of fame</source>
        <translation>Le panthéon</translation>
    </message>
    <message>
        <source>The hall of fame is being written by another game.&#xd;&#xd;Try again?</source>
        <translation>Le panthéon est en cours d’écriture par une autre partie.&#xd;&#xd;Réessayer ?</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Its lock file %1 could not be made: %2</source>
        <translation>Son fichier de verrou %1 n’a pas pu être créé : %2</translation>
    </message>
</context>
<context>
    <name>HintKeeper</name>
    <message>
        <source>No jump left</source>
        <translation>Plus aucun saut possible</translation>
    </message>
    <message>
        <source>one ball left</source>
        <translation>une bille restante</translation>
    </message>
    <message>
        <source>%1 balls left</source>
        <translation>%1 billes restantes</translation>
    </message>
    <message>
        <source>at most %1</source>
        <translation>au plus %1</translation>
    </message>
    <message>
        <source>Take the ball on %1 off — best finish: %2</source>
        <translation>Retirez la bille du trou %1 — meilleure fin : %2</translation>
    </message>
    <message>
        <source>Jump %1 over %2 to %3 — best finish: %4</source>
        <translation>Sautez de %1 par-dessus %2 vers %3 — meilleure fin : %4</translation>
    </message>
    <message>
        <source>Jump %1 over %2 to %3 — the goal can still be reached</source>
        <translation>Sautez de %1 par-dessus %2 vers %3 — le but reste atteignable</translation>
    </message>
    <message>
        <source>The goal can no longer be reached. %1</source>
        <translation>Le but ne peut plus être atteint. %1</translation>
    </message>
    <message>
        <source>%1. Whether the goal can still be reached is not known.</source>
        <translation>%1. On ne sait pas si le but peut encore être atteint.</translation>
    </message>
</context>
<context>
    <name>EndNotice</name>
    <message>
        <source>No jump left — one ball, score %1.</source>
        <translation>Plus aucun saut — une bille, score %1.</translation>
    </message>
    <message>
        <source>No jump left — %1 balls, score %2.</source>
        <translation>Plus aucun saut — %1 billes, score %2.</translation>
    </message>
    <message>
        <source>From this start one ball was possible.</source>
        <translation>Depuis ce départ, une seule bille était possible.</translation>
    </message>
    <message>
        <source>From this start %1 balls were possible.</source>
        <translation>Depuis ce départ, %1 billes étaient possibles.</translation>
    </message>
</context>
<context>
    <name>LineShow</name>
    <message>
        <source>Best line: one ball left</source>
        <translation>Meilleure suite : une bille restante</translation>
    </message>
    <message>
        <source>Best line: %1 balls left</source>
        <translation>Meilleure suite : %1 billes restantes</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>one ball</source>
        <translation>une bille</translation>
    </message>
    <message>
        <source>%1 balls</source>
        <translation>%1 billes</translation>
    </message>
    <message>
        <source>&amp;Show the best line from the chosen move</source>
        <translation>&amp;Montrer la meilleure suite depuis le coup choisi</translation>
    </message>
    <message>
        <source>Review of the game</source>
        <translation>Revue de la partie</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Coup</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Saut</translation>
    </message>
    <message>
        <source>Best before</source>
        <translation>Meilleure avant</translation>
    </message>
    <message>
        <source>Best after</source>
        <translation>Meilleure après</translation>
    </message>
    <message>
        <source>The moves and the best finish before and after each</source>
        <translation>Les coups et la meilleure fin avant et après chacun</translation>
    </message>
    <message>
        <source>The moves on the board do not start from one ball taken off a full board: there is nothing to review.</source>
        <translation>Les coups du plateau ne partent pas d’une bille retirée d’un plateau plein : il n’y a rien à revoir.</translation>
    </message>
    <message>
        <source>Working out the best finishes…</source>
        <translation>Calcul des meilleures fins…</translation>
    </message>
    <message>
        <source>No move has been played yet.</source>
        <translation>Aucun coup n’a encore été joué.</translation>
    </message>
    <message>
        <source>From the start, %1 could be left.</source>
        <translation>Depuis le départ, il pouvait rester %1.</translation>
    </message>
    <message>
        <source>Move %1 lost the best finish; %2 would have kept it.</source>
        <translation>Le coup %1 a perdu la meilleure fin ; %2 l’aurait gardée.</translation>
    </message>
    <message>
        <source>Move %1 lost the best finish.</source>
        <translation>Le coup %1 a perdu la meilleure fin.</translation>
    </message>
    <message>
        <source>No move lost the best finish.</source>
        <translation>Aucun coup n’a perdu la meilleure fin.</translation>
    </message>
    <message>
        <source>Some finishes are the best lines found, not proven.</source>
        <translation>Certaines fins sont les meilleures suites trouvées, non prouvées.</translation>
    </message>
</context>
<context>
    <name>PuzzlePlay</name>
    <message>
        <source>Hole %1 empty</source>
        <translation>Trou %1 vide</translation>
    </message>
    <message>
        <source>Goal: one ball left</source>
        <translation>But : une bille restante</translation>
    </message>
    <message>
        <source>Goal: one ball left, in the centre</source>
        <translation>But : une bille restante, au centre</translation>
    </message>
    <message>
        <source>Goal: one ball left, in hole %1</source>
        <translation>But : une bille restante, dans le trou %1</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Résolu !</translation>
    </message>
    <message>
        <source>Puzzle solved: %1</source>
        <translation>Problème résolu : %1</translation>
    </message>
</context>
<context>
    <name>PuzzleChooser</name>
    <message>
        <source>Puzzles</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>Every puzzle here is proven solvable. Choose one to play; the game on the board ends as for a new game.</source>
        <translation>Chaque problème ici est prouvé soluble. Choisissez-en un pour jouer ; la partie sur le plateau se termine comme pour une nouvelle partie.</translation>
    </message>
    <message>
        <source>✔ Solved</source>
        <translation>✔ Résolu</translation>
    </message>
    <message>
        <source>%1. %2. Solved.</source>
        <translation>%1. %2. Résolu.</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
</context>
<context>
    <name>PuzzleNames</name>
    <message>
        <source>Arrow</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Losange</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>Double flèche</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Sapin</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>Cheminée</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>Letter T</source>
        <translation>Lettre T</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Signe plus</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
</context>
</TS>
