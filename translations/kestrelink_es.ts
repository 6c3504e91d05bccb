<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CaptionFrame</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Connect all the PCs into one ring of cables, as fast as you can.</source>
        <translation>Une todos los PC en un solo anillo de cables, lo más rápido que puedas.</translation>
    </message>
    <message>
        <source>Show a symbol for its colour on every connector, for telling the colours apart.</source>
        <translation>Muestra en cada conector y clavija un símbolo de su color, para distinguir los colores.</translation>
    </message>
    <message>
        <source>Kestrelink needs a graphical desktop, and none was found.</source>
        <translation>Kestrelink necesita un entorno gráfico, pero no se ha encontrado ninguno.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Kestrelink® Connection Game - Playing Window</source>
        <translation>Kestrelink® Connection Game - Ventana de juego</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Ver solución</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Creates new random connection game</source>
        <translation>Crea una nueva partida al azar</translation>
    </message>
    <message>
        <source>Restarts current game</source>
        <translation>Reinicia la partida actual</translation>
    </message>
    <message>
        <source>Connect all and show the primary connection solution</source>
        <translation>Conecta todo y muestra la solución principal</translation>
    </message>
    <message>
        <source>More help</source>
        <translation>Más ayuda</translation>
    </message>
    <message>
        <source>Quit current game and close the Game Window</source>
        <translation>Sale de la partida actual y cierra la ventana de juego</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Hora actual</translation>
    </message>
    <message>
        <source>Current game start time</source>
        <translation>Hora de inicio de la partida</translation>
    </message>
    <message>
        <source>Time game was finished</source>
        <translation>Hora en que terminó la partida</translation>
    </message>
    <message>
        <source>Elapsed game time</source>
        <translation>Tiempo de juego transcurrido</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En juego</translation>
    </message>
    <message>
        <source>Connect the PCs together using the cables so that all the PCs are connected and data can flow to all PCs -- Good Luck ... And don&apos;t have too much fun !!!</source>
        <translation>Conecta los PC con los cables de modo que todos queden conectados y los datos lleguen a todos ellos -- Buena suerte ... ¡¡¡Y no te diviertas demasiado!!!</translation>
    </message>
    <message>
        <source>                    Sorry <byte value="xd"/><byte value="xd"/>The PCs are not connected correctly</source>
        <translation>                    Lo siento <byte value="xd"/><byte value="xd"/>Los PC no están bien conectados</translation>
    </message>
    <message>
        <source>             Congratulations !!!<byte value="xd"/><byte value="xd"/>You have correctly connected the PCs</source>
        <translation>         ¡¡¡Felicidades!!!<byte value="xd"/><byte value="xd"/>Has conectado bien los PC</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Cara sonriente</translation>
    </message>
    <message>
        <source>Frowning face</source>
        <translation>Cara triste</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Hora actual</translation>
    </message>
    <message>
        <source>Starting time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Ending time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>LightBlue</source>
        <translation>Azul claro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>LightViolet</source>
        <translation>Violeta claro</translation>
    </message>
    <message>
        <source>PC %1</source>
        <translation>PC %1</translation>
    </message>
    <message>
        <source>PC %1, connector %2</source>
        <translation>PC %1, conector %2</translation>
    </message>
    <message>
        <source>Cable connector %1</source>
        <translation>Clavija de cable %1</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation type="vanished">%1, libre</translation>
    </message>
    <message>
        <source>%1, holds cable connector %2</source>
        <translation type="vanished">%1, con la clavija %2</translation>
    </message>
    <message>
        <source>Cable %1, %2, plugged into PC %3, connector %4</source>
        <translation type="vanished">Cable %1, %2, enchufado al PC %3, conector %4</translation>
    </message>
    <message>
        <source>Cable %1, covered, at home</source>
        <translation type="vanished">Cable %1, tapado, en su sitio inicial</translation>
    </message>
    <message>
        <source>Cable %1, %2, at home</source>
        <translation type="vanished">Cable %1, %2, en su sitio inicial</translation>
    </message>
    <message>
        <source>%1, %2, free</source>
        <translation>%1, color %2, libre</translation>
    </message>
    <message>
        <source>%1, %2, holds cable connector %3</source>
        <translation>%1, color %2, con la clavija %3</translation>
    </message>
    <message>
        <source>%1, %2, plugged into %3</source>
        <translation>%1, color %2, enchufada en el %3</translation>
    </message>
    <message>
        <source>%1, covered, at home</source>
        <translation>%1, tapada, en su sitio inicial</translation>
    </message>
    <message>
        <source>%1, %2, at home</source>
        <translation>%1, color %2, en su sitio inicial</translation>
    </message>
    <message>
        <source>Cable %1</source>
        <translation>Cable %1</translation>
    </message>
    <message>
        <source>Plug into PC %1, connector %2</source>
        <translation>Enchufar al PC %1, conector %2</translation>
    </message>
    <message>
        <source>Unplug</source>
        <translation>Desenchufar</translation>
    </message>
    <message>
        <source>Mark this cable</source>
        <translation>Marcar este cable</translation>
    </message>
    <message>
        <source>Alt+N</source>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Alt+R</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+V</translation>
    </message>
    <message>
        <source>Alt+H</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Alt+Q</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Starting time %1</source>
        <translation>Hora de inicio %1</translation>
    </message>
    <message>
        <source>Ending time %1</source>
        <translation>Hora de fin %1</translation>
    </message>
    <message>
        <source>Elapsed time %1</source>
        <translation>Tiempo transcurrido %1</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Main Start-up Window</source>
        <translation>Ventana de inicio</translation>
    </message>
    <message>
        <source>Select Beginner level of play to start -- Select Advanced to hide Cable </source>
        <translation>Elige el nivel Principiante para empezar -- El nivel Avanzado oculta las clavijas </translation>
    </message>
    <message>
        <source>Connectors to make the game more difficult.</source>
        <translation>de los cables y hace el juego más difícil.</translation>
    </message>
    <message>
        <source>Set the &quot;Number of PCs to Connect&quot; using the scroll bar -- </source>
        <translation>Ajusta el «Número de PC» con la barra de desplazamiento -- </translation>
    </message>
    <message>
        <source>Selecting more PCs to connect makes the game more difficult.</source>
        <translation>Cuantos más PC haya que conectar, más difícil será el juego.</translation>
    </message>
    <message>
        <source>Set the &quot;Number of Colors to use&quot; using the scroll bar -- </source>
        <translation>Ajusta el «Número de colores» con la barra de desplazamiento -- </translation>
    </message>
    <message>
        <source>Selecting a different number of colors can make the game more difficult.</source>
        <translation>Cambiar el número de colores puede hacer el juego más difícil.</translation>
    </message>
    <message>
        <source>[Use Random Color Count] This option when checked causes the program</source>
        <translation>[Colores al azar] Si marcas esta opción, el programa elige</translation>
    </message>
    <message>
        <source>to create a random number of colors each time you press &quot;New Game&quot;.</source>
        <translation>un número de colores al azar cada vez que pulsas «Nueva partida».</translation>
    </message>
    <message>
        <source>[Play Now] displays the Game Window and starts the game with the </source>
        <translation>[Jugar] abre la ventana de juego y empieza la partida con los </translation>
    </message>
    <message>
        <source>selected parameters.</source>
        <translation>ajustes elegidos.</translation>
    </message>
    <message>
        <source>[Help] button displays this Help Window.</source>
        <translation>[Ayuda] abre esta ventana de ayuda.</translation>
    </message>
    <message>
        <source>[Exit] button exits the Game.</source>
        <translation>[Salir] cierra el juego.</translation>
    </message>
    <message>
        <source>Game Window</source>
        <translation>Ventana de juego</translation>
    </message>
    <message>
        <source>Drag a Cable Connector to a PC Connector to connect.</source>
        <translation>Arrastra una clavija de cable a un conector de PC para enchufarla.</translation>
    </message>
    <message>
        <source>Right-Mouse-Click on a Cable Connector or Drag the Cable Connector off </source>
        <translation>Haz clic derecho en una clavija, o arrástrala fuera del </translation>
    </message>
    <message>
        <source>the PC Connector to disconnect.</source>
        <translation>conector del PC, para desenchufarla.</translation>
    </message>
    <message>
        <source>If you incorrectly connect the PCs, the display will indicate this.</source>
        <translation>Si los PC no están bien conectados, el juego te lo indicará.</translation>
    </message>
    <message>
        <source>Click on the cables to toggle color to help find your errors.</source>
        <translation>Haz clic en los cables para cambiar su color y encontrar tus errores.</translation>
    </message>
    <message>
        <source>[New Came] button creates new game with new randomized PC and </source>
        <translation>[Nueva partida] crea una partida nueva con conectores de PC y </translation>
    </message>
    <message>
        <source>Cable Connectors.</source>
        <translation>clavijas de cable mezclados al azar.</translation>
    </message>
    <message>
        <source>[Restart Game] button clears all connections and restarts current game.</source>
        <translation>[Reiniciar] quita todas las conexiones y vuelve a empezar la partida actual.</translation>
    </message>
    <message>
        <source>[Show Solution] button shows a correct solution to connect all PCs </source>
        <translation>[Ver solución] muestra una solución que conecta todos los PC </translation>
    </message>
    <message>
        <source>correctly</source>
        <translation>correctamente.</translation>
    </message>
    <message>
        <source>[Quit] button closes the Game Window.</source>
        <translation>[Salir] cierra la ventana de juego.</translation>
    </message>
    <message>
        <source>[Elapsed Time] shows how long you have been playing a particular game.</source>
        <translation>[Tiempo transcurrido] indica cuánto tiempo llevas jugando esta partida.</translation>
    </message>
    <message>
        <source>(bottom timer on right) </source>
        <translation>(reloj inferior derecho) </translation>
    </message>
    <message>
        <source>[Game End Time] shows what time the game was finished.</source>
        <translation>[Hora de fin] indica a qué hora terminó la partida.</translation>
    </message>
    <message>
        <source>(top timer on right) </source>
        <translation>(reloj superior derecho) </translation>
    </message>
    <message>
        <source>[Current Time] shows the current time.</source>
        <translation>[Hora actual] indica qué hora es.</translation>
    </message>
    <message>
        <source>(top timer on left) </source>
        <translation>(reloj superior izquierdo) </translation>
    </message>
    <message>
        <source>[Start Time] shows the game start time.</source>
        <translation>[Hora de inicio] indica a qué hora empezó la partida.</translation>
    </message>
    <message>
        <source>(bottom timer on left) </source>
        <translation>(reloj inferior izquierdo) </translation>
    </message>
    <message>
        <source>Good Luck ... And don&apos;t have too much fun !</source>
        <translation>¡Buena suerte ... y no te diviertas demasiado!</translation>
    </message>
    <message>
        <source>Visit our Website %1 for the best in PC to PC </source>
        <translation>Visita nuestra web %1 para lo mejor en </translation>
    </message>
    <message>
        <source>Connection and Networking Products.</source>
        <translation>productos de conexión de PC a PC y de redes.</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game - Alpha Version 1.0 (3-18-2002)</source>
        <translation>Kestrelink® Connection Game - Versión alfa 1.0 (18-3-2002)</translation>
    </message>
    <message>
        <source>Please send e-mail to %1 regarding any bugs</source>
        <translation>Escríbenos a %1 para contarnos cualquier error</translation>
    </message>
    <message>
        <source>or problems you find as well as any suggestions you may have.</source>
        <translation>o problema que encuentres, y también para enviarnos tus sugerencias.</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game V.1.0 Alpha 3-18-2002</source>
        <translation>Kestrelink® Connection Game V.1.0 Alfa 18-3-2002</translation>
    </message>
    <message>
        <source>Copyright © 2002 Orvane. All rights reserved.</source>
        <translation>Copyright © 2002 Orvane. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Kestrelink® is a registered trademark of Orvane.</source>
        <translation>Kestrelink® es una marca registrada de Orvane.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Two PCs joined by arrows</source>
        <translation>Dos PC unidos por flechas</translation>
    </message>
</context>
<context>
    <name>MainStartupWindow</name>
    <message>
        <source>Number of PCs to Connect</source>
        <translation>Número de PC</translation>
    </message>
    <message>
        <source>Number of Colors to use</source>
        <translation>Número de colores</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Kestrelink Game Settings Dump</source>
        <translation>Kestrelink - Guardar los ajustes de la partida</translation>
    </message>
    <message>
        <source>Enter the filename you wish to use and Press the OK Button if you wish to dump the current game settings

Otherwise Press Cancel</source>
        <translation>Escribe el nombre de archivo que quieras usar y pulsa Aceptar para guardar los ajustes de la partida actual

Si no, pulsa Cancelar</translation>
    </message>
    <message>
        <source>The disk is full. Make room on it, or choose another place, and try again.</source>
        <translation>El disco está lleno. Libera espacio o elige otro lugar y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The disk is full for you: your disk quota is used up.</source>
        <translation>El disco está lleno para ti: se ha agotado tu cuota de disco.</translation>
    </message>
    <message>
        <source>The file would be larger than this disk or your account allows.</source>
        <translation>El archivo sería más grande de lo que permiten este disco o tu cuenta.</translation>
    </message>
    <message>
        <source>You do not have permission to write there.</source>
        <translation>No tienes permiso para escribir ahí.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>El disco es de solo lectura.</translation>
    </message>
    <message>
        <source>The folder it should go in does not exist.</source>
        <translation>La carpeta donde debería ir no existe.</translation>
    </message>
    <message>
        <source>A part of the name that should be a folder is not a folder.</source>
        <translation>Una parte del nombre que debería ser una carpeta no es una carpeta.</translation>
    </message>
    <message>
        <source>This is a folder, not a file. Give the name of a file inside it.</source>
        <translation>Esto es una carpeta, no un archivo. Indica el nombre de un archivo dentro de ella.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>El nombre es demasiado largo.</translation>
    </message>
    <message>
        <source>The name leads through too many links; a link may point back to itself.</source>
        <translation>El nombre pasa por demasiados enlaces; puede que un enlace apunte a sí mismo.</translation>
    </message>
    <message>
        <source>The disk reported an error.</source>
        <translation>El disco ha informado de un error.</translation>
    </message>
    <message>
        <source>The file is in use by a running program.</source>
        <translation>Un programa en ejecución está usando el archivo.</translation>
    </message>
    <message>
        <source>The file was changed by something else just now. Please try again.</source>
        <translation>Algo acaba de modificar el archivo. Vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The name is a link the report cannot follow to its file.</source>
        <translation>El nombre es un enlace que el informe no puede seguir hasta su archivo.</translation>
    </message>
    <message>
        <source>The name lies in a system area (such as /proc or /sys) whose files show and set the workings of the computer, not a place for a report. Nothing was written.</source>
        <translation>El nombre está en una zona del sistema (como /proc o /sys) cuyos archivos muestran y ajustan el funcionamiento del equipo; no es lugar para un informe. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>un tabulador</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>un salto de línea</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>un carácter de control</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a pipe (FIFO)</source>
        <translation>una tubería (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <source>The system reports: %1.</source>
        <translation>El sistema informa: %1.</translation>
    </message>
    <message>
        <source>The name contains %1 (shown as %2), perhaps pasted with it. A file name cannot hold line breaks, tabs or other control characters, so nothing was written. Please type the name on one line.</source>
        <translation>El nombre contiene %1 (se muestra como %2), quizá pegado con él. Un nombre de archivo no puede contener saltos de línea, tabuladores ni otros caracteres de control, así que no se ha escrito nada. Escribe el nombre en una sola línea.</translation>
    </message>
    <message>
        <source>This name is a link to %1</source>
        <translation>Este nombre es un enlace a %1</translation>
    </message>
    <message>
        <source>This name is %1</source>
        <translation>Este nombre es %1</translation>
    </message>
    <message>
        <source>%1, not an ordinary file. The report is written only to ordinary files, so it was left untouched.</source>
        <translation>%1, no un archivo normal. El informe solo se escribe en archivos normales, así que no se ha tocado.</translation>
    </message>
    <message>
        <source>The game settings could not be written to &quot;%1&quot;.

%2</source>
        <translation>No se han podido guardar los ajustes de la partida en «%1».

%2</translation>
    </message>
    <message>
        <source>The file is read-only, or you may not change it, so it was left as it was.</source>
        <translation>El archivo es de solo lectura o no puedes modificarlo, así que se ha dejado como estaba.</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::GameWindowHost</name>
    <message>
        <source>Your Screen Settings are not large enough to support the window size needed for these game settings

Please select fewer PCs or increase your screen resolution</source>
        <translation>Tu pantalla no es lo bastante grande para la ventana que necesitan estos ajustes

Elige menos PC o aumenta la resolución de la pantalla</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::HelpWindow</name>
    <message>
        <source>Kestrelink® Connection Game Help -- How To Play</source>
        <translation>Ayuda de Kestrelink® Connection Game -- Cómo jugar</translation>
    </message>
    <message>
        <source>How To Play The Kestrelink® Game</source>
        <translation>Cómo se juega a Kestrelink®</translation>
    </message>
    <message>
        <source>Visit our Website for the best in PC to PC Connection and Networking Products  %1</source>
        <translation>Visita nuestra web para lo mejor en productos de conexión de PC a PC y de redes  %1</translation>
    </message>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation type="vanished">Adelante -- Descubre nuestros fantásticos productos de conexión de PC a PC</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close Help Window</source>
        <translation>Cerrar la ventana de ayuda</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::MainStartupWindow</name>
    <message>
        <source>Kestrelink® Connection Game</source>
        <translation>Kestrelink® Connection Game</translation>
    </message>
    <message>
        <source>Welcome to the Orvane Kestrelink® Connection Game</source>
        <translation>Bienvenido a Kestrelink® Connection Game de Orvane</translation>
    </message>
    <message>
        <source>This simple game can be lots of fun and you might find that it is more frustrating and harder than it first appears to be.</source>
        <translation>Este sencillo juego puede ser muy divertido, y puede que descubras que es más frustrante y difícil de lo que parece.</translation>
    </message>
    <message>
        <source>Careful ... Don&apos;t Have Too Much Fun With It !</source>
        <translation>Cuidado ... ¡No te diviertas demasiado!</translation>
    </message>
    <message>
        <source>The object of the game is to connect all of the PCs together as quickly as possible using the cables provided -- Note that to be connected correctly, each PC must be connected to (2) other PCs so that data can flow to ALL PCs.  Adding more PCs makes the game more difficult.  Setting fewer colors can make the game more difficult as well.  Setting Advanced hides cable connectors during play.</source>
        <translation>El objetivo del juego es conectar todos los PC lo más rápido posible con los cables disponibles -- Para estar bien conectado, cada PC debe unirse a otros (2) PC, de modo que los datos lleguen a TODOS los PC.  Más PC hacen el juego más difícil.  Menos colores, también.  El nivel Avanzado oculta las clavijas durante la partida.</translation>
    </message>
    <message>
        <source>Visit Orvane&apos; Website for the best in PC to PC Connection and Networking Products ... %1</source>
        <translation>Visita la web de Orvane para lo mejor en productos de conexión de PC a PC y de redes ... %1</translation>
    </message>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation type="vanished">Adelante -- Descubre nuestros fantásticos productos de conexión de PC a PC</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>More help</source>
        <translation>Más ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Exit Kestrelink® Connection Game</source>
        <translation>Salir de Kestrelink® Connection Game</translation>
    </message>
    <message>
        <source>Select Play or Experience Level</source>
        <translation>Elige el nivel de juego</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Easier games</source>
        <translation>Partidas más fáciles</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>More difficult games</source>
        <translation>Partidas más difíciles</translation>
    </message>
    <message>
        <source>Number of PCs to Connect</source>
        <translation>Número de PC</translation>
    </message>
    <message>
        <source>Use Random Color Count</source>
        <translation>Colores al azar</translation>
    </message>
    <message>
        <source>Play Now</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Open Game Window and start game</source>
        <translation>Abre la ventana de juego y empieza la partida</translation>
    </message>
    <message>
        <source>You must quit the currently running Game Window in order to change the Game Settings

Do you want to close the current Game Window?

Press YES to close the current Game Window
Press NO to return to current Game Window
Press Cancel to just quite this dialog box</source>
        <translation>Para cambiar los ajustes del juego, tienes que cerrar la ventana de juego abierta

¿Quieres cerrar la ventana de juego actual?

SÍ cierra la ventana de juego actual
NO vuelve a la ventana de juego actual
Cancelar solo cierra este cuadro de diálogo</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game Info</source>
        <translation>Kestrelink® Connection Game - Información</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::WebsiteButton</name>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation>Adelante -- Descubre nuestros fantásticos productos de conexión de PC a PC</translation>
    </message>
</context>
</TS>
