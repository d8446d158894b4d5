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
</context>
<context>
    <name>Game</name>
    <message>
        <source>Remove a &apos;ball&apos; to start</source>
        <translation>Retirez une « bille » pour commencer</translation>
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
    <name>HelpWindow</name>
    <message>
        <source>The Dorv Help</source>
        <translation>Aide de The Dorv</translation>
    </message>
    <message>
        <source>About The Dorv</source>
        <translation>À propos de The Dorv</translation>
    </message>
</context>
<context>
    <name>MovesWindow</name>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
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
</context>
</TS>
