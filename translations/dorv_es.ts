<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CommandTable</name>
    <message>
        <source>Arrow keys</source>
        <translation>Teclas de flecha</translation>
    </message>
    <message>
        <source>Move the ring over the holes</source>
        <translation>Mover el anillo por los agujeros</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Espacio, Intro</translation>
    </message>
    <message>
        <source>Play the hole under the ring</source>
        <translation>Jugar el agujero bajo el anillo</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>The ring to the centre hole</source>
        <translation>El anillo al agujero central</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Mayús+Tab</translation>
    </message>
    <message>
        <source>Move through the board and the commands</source>
        <translation>Recorrer el tablero y las órdenes</translation>
    </message>
    <message>
        <source>&amp;Hint: show the best next jump</source>
        <translation>&amp;Pista: mostrar el mejor salto siguiente</translation>
    </message>
    <message>
        <source>Hint: mark the best next jump and say the best finish still possible</source>
        <translation>Pista: marcar el mejor salto siguiente y decir el mejor final aún posible</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Undo last move</source>
        <translation>Deshacer el último movimiento</translation>
    </message>
    <message>
        <source>Undo last move (UNDO)</source>
        <translation>Deshacer el último movimiento (UNDO)</translation>
    </message>
    <message>
        <source>Load moves</source>
        <translation>Cargar movimientos</translation>
    </message>
    <message>
        <source>Save moves</source>
        <translation>Guardar movimientos</translation>
    </message>
    <message>
        <source>&amp;View moves been played on the board</source>
        <translation>&amp;Ver en el tablero los movimientos jugados</translation>
    </message>
    <message>
        <source>Replay the moves on the board, one a second</source>
        <translation>Repetir los movimientos en el tablero, uno por segundo</translation>
    </message>
    <message>
        <source>&amp;View the moves played in text mode</source>
        <translation>Ver los movimientos jugados como &amp;texto</translation>
    </message>
    <message>
        <source>The moves as text, to read or print</source>
        <translation>Los movimientos como texto, para leer o imprimir</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Sound on or off</source>
        <translation>Sonido sí o no</translation>
    </message>
    <message>
        <source>Music on or off</source>
        <translation>Música sí o no</translation>
    </message>
    <message>
        <source>Eyeball on legs</source>
        <translation>Ojo con patas</translation>
    </message>
    <message>
        <source>Ball: Eyeball on legs</source>
        <translation>Bola: ojo con patas</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Bola azul</translation>
    </message>
    <message>
        <source>Ball: Blue ball</source>
        <translation>Bola: bola azul</translation>
    </message>
    <message>
        <source>Eight ball</source>
        <translation>Bola ocho</translation>
    </message>
    <message>
        <source>Ball: Eight ball</source>
        <translation>Bola: bola ocho</translation>
    </message>
    <message>
        <source>Football</source>
        <translation>Balón de fútbol</translation>
    </message>
    <message>
        <source>Ball: Football</source>
        <translation>Bola: balón de fútbol</translation>
    </message>
    <message>
        <source>Green blob with eyes</source>
        <translation>Mancha verde con ojos</translation>
    </message>
    <message>
        <source>Ball: Green blob with eyes</source>
        <translation>Bola: mancha verde con ojos</translation>
    </message>
    <message>
        <source>Christmas bauble</source>
        <translation>Bola de Navidad</translation>
    </message>
    <message>
        <source>Ball: Christmas bauble</source>
        <translation>Bola: bola de Navidad</translation>
    </message>
    <message>
        <source>The Earth</source>
        <translation>La Tierra</translation>
    </message>
    <message>
        <source>Ball: The Earth</source>
        <translation>Bola: la Tierra</translation>
    </message>
    <message>
        <source>Next board</source>
        <translation>Tablero siguiente</translation>
    </message>
    <message>
        <source>Previous board</source>
        <translation>Tablero anterior</translation>
    </message>
    <message>
        <source>Close panels</source>
        <translation>Cerrar los paneles</translation>
    </message>
    <message>
        <source>Close the open panel</source>
        <translation>Cerrar el panel abierto</translation>
    </message>
    <message>
        <source>Code word</source>
        <translation>Palabra clave</translation>
    </message>
    <message>
        <source>Type a code word for a hidden ball</source>
        <translation>Escribir la palabra clave de una bola oculta</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>A larger window</source>
        <translation>Una ventana más grande</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>A smaller window</source>
        <translation>Una ventana más pequeña</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>The window at its own size</source>
        <translation>La ventana en su tamaño propio</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>This help</source>
        <translation>Esta ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About The Dorv</source>
        <translation>Acerca de The Dorv</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Menú de partida</translation>
    </message>
    <message>
        <source>Moves menu</source>
        <translation>Menú de movimientos</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Sonido sí</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Sonido no</translation>
    </message>
    <message>
        <source>Music on</source>
        <translation>Música sí</translation>
    </message>
    <message>
        <source>Music off</source>
        <translation>Música no</translation>
    </message>
    <message>
        <source>View the moves</source>
        <translation>Ver los movimientos</translation>
    </message>
    <message>
        <source>Octagonal lacquer board</source>
        <translation>Tablero octogonal lacado</translation>
    </message>
    <message>
        <source>Square grey board</source>
        <translation>Tablero cuadrado gris</translation>
    </message>
    <message>
        <source>Round silver board</source>
        <translation>Tablero redondo plateado</translation>
    </message>
    <message>
        <source>Redo the move taken back</source>
        <translation>Rehacer el movimiento deshecho</translation>
    </message>
    <message>
        <source>Play the move taken back again, also Ctrl+Y (it scores, the undo&apos;s cost stays)</source>
        <translation>Volver a jugar el movimiento deshecho, también Ctrl+Y (cuenta, el coste de deshacer se mantiene)</translation>
    </message>
    <message>
        <source>Show the best &amp;line from here</source>
        <translation>Mostrar la mejor &amp;línea desde aquí</translation>
    </message>
    <message>
        <source>Play the best line from here on the board, a jump a second; any key or click stops it</source>
        <translation>Jugar en el tablero la mejor línea desde aquí, un salto por segundo; cualquier tecla o clic la detiene</translation>
    </message>
    <message>
        <source>&amp;Review the game</source>
        <translation>&amp;Revisar la partida</translation>
    </message>
    <message>
        <source>Review the game: the best finish before and after each move, and where it was lost</source>
        <translation>Revisar la partida: el mejor final antes y después de cada movimiento, y dónde se perdió</translation>
    </message>
    <message>
        <source>&amp;Puzzles...</source>
        <translation>&amp;Problemas...</translation>
    </message>
    <message>
        <source>Choose a puzzle: a figure or a start to clear down to one ball, each proven solvable</source>
        <translation>Elegir un problema: una figura o un comienzo que dejar en una sola bola, todos con solución demostrada</translation>
    </message>
    <message>
        <source>Show the puzzle&apos;s &amp;solution</source>
        <translation>Mostrar la &amp;solución del problema</translation>
    </message>
    <message>
        <source>In a puzzle: play its solution from its start on the board; any key or click stops it</source>
        <translation>En un problema: jugar su solución desde el comienzo en el tablero; cualquier tecla o clic la detiene</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Remove a &apos;ball&apos; to start</source>
        <translation>Quita una «bola» para empezar</translation>
    </message>
</context>
<context>
    <name>HallOfFame</name>
    <message>
        <source>Congratulations, you made it to the &apos;THE DORV WINNERS&apos; hall. Please enter your name</source>
        <translation>¡Enhorabuena, has entrado en el salón «THE DORV WINNERS»! Escribe tu nombre</translation>
    </message>
    <message>
        <source>The WINNERS!</source>
        <translation>¡Los GANADORES!</translation>
    </message>
</context>
<context>
    <name>HighScoreWindow</name>
    <message>
        <source>HIGH SCORES</source>
        <translation>MEJORES PUNTUACIONES</translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>GAME</source>
        <translation>PARTIDA</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>DESHACER</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The Dorv Help</source>
        <translation>Ayuda de The Dorv</translation>
    </message>
    <message>
        <source>About The Dorv</source>
        <translation>Acerca de The Dorv</translation>
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
&lt;h2&gt;Cómo se juega&lt;/h2&gt;
&lt;p&gt;Treinta y siete agujeros en cruz, una bola en cada uno. Quita una bola para empezar. Luego coge una bola (se enmarca) y ponla en un agujero vacío a dos posiciones, en una fila o una columna: la bola saltada sale del tablero. Pulsa otra vez una bola enmarcada para dejarla. Deja las menos bolas que puedas.&lt;/p&gt;
&lt;p&gt;Juega con el ratón o con el teclado: las teclas de flecha mueven un anillo por los agujeros, y Espacio o Intro juegan el agujero de debajo como un clic.&lt;/p&gt;
&lt;h2&gt;La puntuación&lt;/h2&gt;
&lt;p&gt;Cada salto suma un punto. Deshacer (UNDO, Ctrl+Z) cuesta una décima parte de la puntuación, más uno. Cuando acaba una partida &amp;mdash; una partida nueva, cargar un archivo de movimientos o salir &amp;mdash;, las cinco mejores puntuaciones entran en THE DORV WINNERS, el salón de la fama.&lt;/p&gt;
&lt;h2&gt;Órdenes y teclas&lt;/h2&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;2&quot; width=&quot;100%&quot;&gt;
%1&lt;/table&gt;
&lt;p&gt;GAME abre Nueva, Cargar, Guardar, Sonido, Música y Salir; Moves abre Ver, Guardar y Cargar para las listas de movimientos. La tira de arriba elige la bola y la de la derecha el tablero.&lt;/p&gt;
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
&lt;p&gt;Senku para el escritorio Linux.&lt;/p&gt;
&lt;p&gt;Las imágenes, la melodía y el sonido de los movimientos los hicieron para el juego los desarrolladores de The Dorv.&lt;/p&gt;
&lt;p&gt;Copyright &amp;copy; Los desarrolladores de The Dorv. Publicado bajo la licencia MIT:&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>How to play, the score and the keys</source>
        <translation>Cómo se juega, la puntuación y las teclas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>MovesWindow</name>
    <message>
        <source>Moves</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Hecho</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Printer Setup</source>
        <translation>&amp;Configurar impresora</translation>
    </message>
    <message>
        <source>No printer is available, so the moves cannot be printed.&#xd;&#xd;Set up a printer on this computer and try again.</source>
        <translation>No hay ninguna impresora, así que no se pueden imprimir los movimientos.&#xd;&#xd;Configura una impresora en este ordenador y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>the printer did not start the document.</source>
        <translation>la impresora no empezó el documento.</translation>
    </message>
    <message>
        <source>the printer did not take the whole document.</source>
        <translation>la impresora no aceptó todo el documento.</translation>
    </message>
    <message>
        <source>The moves could not be printed: </source>
        <translation>No se pudieron imprimir los movimientos: </translation>
    </message>
    <message>
        <source>The printed moves</source>
        <translation>Los movimientos impresos</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Revisar</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>The Dorv Game Moves(*.dvm)|*.dvm|All Files (*.*)|*.*</source>
        <translation>Jugadas de The Dorv (*.dvm)|*.dvm|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>The Dorv Game Moves (*.dvm)|*.dvm|All Files (*.*)|*.*</source>
        <translation>Jugadas de The Dorv (*.dvm)|*.dvm|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>The Dorv Game (*.dvg)|*.dvg|All Files (*.*)|*.*</source>
        <translation>Partida de The Dorv (*.dvg)|*.dvg|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>The file %1 already exists.&#xd;&#xd;</source>
        <translation>El archivo %1 ya existe.&#xd;&#xd;</translation>
    </message>
    <message>
        <source>Replace file?</source>
        <translation>¿Reemplazar el archivo?</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Loading a MOVES file shall clear the current game. Are you sure you want to continue?</source>
        <translation>Cargar un archivo de movimientos borra la partida actual. ¿Seguro que quieres continuar?</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>Save Moves</source>
        <translation>Guardar movimientos</translation>
    </message>
    <message>
        <source>Load Moves</source>
        <translation>Cargar movimientos</translation>
    </message>
    <message>
        <source>The %1 file is corrupted. You can not load this file.&#xd;&#xd;</source>
        <translation>El archivo (%1) está dañado. No se puede cargar.&#xd;&#xd;</translation>
    </message>
    <message>
        <source>If the problem persists, please contact The Dorv support line and tell them which file it was.</source>
        <translation>Si el problema continúa, ponte en contacto con el soporte de The Dorv e indica qué archivo era.</translation>
    </message>
    <message>
        <source>Error reading file</source>
        <translation>Error al leer el archivo</translation>
    </message>
    <message>
        <source>File not found. Please check filename or browse to saved directory and select file.</source>
        <translation>Archivo no encontrado. Comprueba el nombre o ve a la carpeta donde se guardó y elige el archivo.</translation>
    </message>
    <message>
        <source>game</source>
        <translation>partida</translation>
    </message>
    <message>
        <source>game moves</source>
        <translation>lista de movimientos</translation>
    </message>
    <message>
        <source>%1 could not be saved to the file
%2

%3</source>
        <translation>No se pudo guardar %1 en el archivo
%2

%3</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>La partida</translation>
    </message>
    <message>
        <source>The moves</source>
        <translation>Los movimientos</translation>
    </message>
    <message>
        <source>A moves file keeps only games begun on the full board, so it cannot keep this puzzle&apos;s position. Save the game instead? Its file keeps the board as it stands.</source>
        <translation>Un archivo de jugadas solo guarda partidas empezadas con el tablero lleno, así que no puede guardar la posición de este problema. ¿Guardar la partida en su lugar? Su archivo guarda el tablero tal como está.</translation>
    </message>
</context>
<context>
    <name>BallChooser</name>
    <message>
        <source>Select a type of &apos;balll&apos; or element to play with</source>
        <translation>Elige una «bola» o un elemento para jugar</translation>
    </message>
    <message>
        <source>Chose Board</source>
        <translation>Elegir tablero</translation>
    </message>
    <message>
        <source>Code word</source>
        <translation>Palabra clave</translation>
    </message>
    <message>
        <source>Balls</source>
        <translation>Bolas</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Tableros</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Hole %1, %2%3</source>
        <translation>Agujero %1, %2%3</translation>
    </message>
    <message>
        <source>ball</source>
        <translation>bola</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>, selected</source>
        <translation>, seleccionada</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimientos</translation>
    </message>
</context>
<context>
    <name>ScoreKeeper</name>
    <message>
        <source>The hall of fame</source>
        <translation>El salón de la fama</translation>
    </message>
    <message>
        <source>The hall of fame is being written by another game.&#xd;&#xd;Try again?</source>
        <translation>Otra partida está escribiendo el salón de la fama.&#xd;&#xd;¿Volver a intentarlo?</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Its lock file %1 could not be made: %2</source>
        <translation>No se pudo crear su archivo de bloqueo %1: %2</translation>
    </message>
</context>
<context>
    <name>HintKeeper</name>
    <message>
        <source>No jump left</source>
        <translation>No queda ningún salto</translation>
    </message>
    <message>
        <source>one ball left</source>
        <translation>queda una bola</translation>
    </message>
    <message>
        <source>%1 balls left</source>
        <translation>quedan %1 bolas</translation>
    </message>
    <message>
        <source>at most %1</source>
        <translation>como mucho %1</translation>
    </message>
    <message>
        <source>Take the ball on %1 off — best finish: %2</source>
        <translation>Quita la bola del %1 — mejor final: %2</translation>
    </message>
    <message>
        <source>Jump %1 over %2 to %3 — best finish: %4</source>
        <translation>Salta del %1 sobre el %2 al %3 — mejor final: %4</translation>
    </message>
    <message>
        <source>Jump %1 over %2 to %3 — the goal can still be reached</source>
        <translation>Salta del %1 sobre el %2 al %3 — la meta aún se puede alcanzar</translation>
    </message>
    <message>
        <source>The goal can no longer be reached. %1</source>
        <translation>La meta ya no se puede alcanzar. %1</translation>
    </message>
    <message>
        <source>%1. Whether the goal can still be reached is not known.</source>
        <translation>%1. No se sabe si la meta aún se puede alcanzar.</translation>
    </message>
</context>
<context>
    <name>EndNotice</name>
    <message>
        <source>No jump left — one ball, score %1.</source>
        <translation>No queda ningún salto — una bola, puntuación %1.</translation>
    </message>
    <message>
        <source>No jump left — %1 balls, score %2.</source>
        <translation>No queda ningún salto — %1 bolas, puntuación %2.</translation>
    </message>
    <message>
        <source>From this start one ball was possible.</source>
        <translation>Desde este inicio era posible una sola bola.</translation>
    </message>
    <message>
        <source>From this start %1 balls were possible.</source>
        <translation>Desde este inicio eran posibles %1 bolas.</translation>
    </message>
</context>
<context>
    <name>LineShow</name>
    <message>
        <source>Best line: one ball left</source>
        <translation>Mejor línea: queda una bola</translation>
    </message>
    <message>
        <source>Best line: %1 balls left</source>
        <translation>Mejor línea: quedan %1 bolas</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>one ball</source>
        <translation>una bola</translation>
    </message>
    <message>
        <source>%1 balls</source>
        <translation>%1 bolas</translation>
    </message>
    <message>
        <source>&amp;Show the best line from the chosen move</source>
        <translation>&amp;Mostrar la mejor línea desde el movimiento elegido</translation>
    </message>
    <message>
        <source>Review of the game</source>
        <translation>Revisión de la partida</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Salto</translation>
    </message>
    <message>
        <source>Best before</source>
        <translation>Mejor antes</translation>
    </message>
    <message>
        <source>Best after</source>
        <translation>Mejor después</translation>
    </message>
    <message>
        <source>The moves and the best finish before and after each</source>
        <translation>Los movimientos y el mejor final antes y después de cada uno</translation>
    </message>
    <message>
        <source>The moves on the board do not start from one ball taken off a full board: there is nothing to review.</source>
        <translation>Los movimientos del tablero no empiezan quitando una bola de un tablero lleno: no hay nada que revisar.</translation>
    </message>
    <message>
        <source>Working out the best finishes…</source>
        <translation>Calculando los mejores finales…</translation>
    </message>
    <message>
        <source>No move has been played yet.</source>
        <translation>Aún no se ha jugado ningún movimiento.</translation>
    </message>
    <message>
        <source>From the start, %1 could be left.</source>
        <translation>Desde el inicio podía quedar %1.</translation>
    </message>
    <message>
        <source>Move %1 lost the best finish; %2 would have kept it.</source>
        <translation>El movimiento %1 perdió el mejor final; %2 lo habría mantenido.</translation>
    </message>
    <message>
        <source>Move %1 lost the best finish.</source>
        <translation>El movimiento %1 perdió el mejor final.</translation>
    </message>
    <message>
        <source>No move lost the best finish.</source>
        <translation>Ningún movimiento perdió el mejor final.</translation>
    </message>
    <message>
        <source>Some finishes are the best lines found, not proven.</source>
        <translation>Algunos finales son las mejores líneas halladas, no probadas.</translation>
    </message>
</context>
<context>
    <name>PuzzlePlay</name>
    <message>
        <source>Hole %1 empty</source>
        <translation>Agujero %1 vacío</translation>
    </message>
    <message>
        <source>Goal: one ball left</source>
        <translation>Meta: una bola</translation>
    </message>
    <message>
        <source>Goal: one ball left, in the centre</source>
        <translation>Meta: una bola, en el centro</translation>
    </message>
    <message>
        <source>Goal: one ball left, in hole %1</source>
        <translation>Meta: una bola, en el agujero %1</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>¡Resuelto!</translation>
    </message>
    <message>
        <source>Puzzle solved: %1</source>
        <translation>Problema resuelto: %1</translation>
    </message>
</context>
<context>
    <name>PuzzleChooser</name>
    <message>
        <source>Puzzles</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>Every puzzle here is proven solvable. Choose one to play; the game on the board ends as for a new game.</source>
        <translation>Cada problema de aquí tiene solución demostrada. Elige uno para jugar; la partida del tablero termina como con una partida nueva.</translation>
    </message>
    <message>
        <source>✔ Solved</source>
        <translation>✔ Resuelto</translation>
    </message>
    <message>
        <source>%1. %2. Solved.</source>
        <translation>%1. %2. Resuelto.</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
</context>
<context>
    <name>PuzzleNames</name>
    <message>
        <source>Arrow</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Double arrow</source>
        <translation>Flecha doble</translation>
    </message>
    <message>
        <source>Fir tree</source>
        <translation>Abeto</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>Chimenea</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Corazón</translation>
    </message>
    <message>
        <source>House</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lámpara</translation>
    </message>
    <message>
        <source>Letter T</source>
        <translation>Letra T</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Signo más</translation>
    </message>
    <message>
        <source>Pyramid</source>
        <translation>Pirámide</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anillo</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
</context>
</TS>
