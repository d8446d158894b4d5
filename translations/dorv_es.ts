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
    <name>HelpWindow</name>
    <message>
        <source>The Dorv Help</source>
        <translation>Ayuda de The Dorv</translation>
    </message>
    <message>
        <source>About The Dorv</source>
        <translation>Acerca de The Dorv</translation>
    </message>
</context>
<context>
    <name>MovesWindow</name>
    <message>
        <source>Moves</source>
        <translation>Movimientos</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
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
</context>
</TS>
