<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CaptionFrame</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Connect all the PCs into one ring of cables, as fast as you can.</source>
        <translation>Alle PCs so schnell wie möglich mit Kabeln zu einem Ring verbinden.</translation>
    </message>
    <message>
        <source>Kestrelink needs a graphical desktop, and none was found.</source>
        <translation>Kestrelink braucht eine grafische Arbeitsumgebung, aber es wurde keine gefunden.</translation>
    </message>
    <message>
        <source>Show a symbol for its colour on every connector, for telling the colours apart.</source>
        <translation>Zeigt auf jedem Anschluss und Stecker ein Symbol für seine Farbe, damit die Farben zu unterscheiden sind.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Kestrelink® Connection Game - Playing Window</source>
        <translation>Kestrelink® Connection Game - Spielfenster</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>Creates new random connection game</source>
        <translation>Erzeugt ein neues zufälliges Verbindungsspiel</translation>
    </message>
    <message>
        <source>Restarts current game</source>
        <translation>Startet das aktuelle Spiel neu</translation>
    </message>
    <message>
        <source>Connect all and show the primary connection solution</source>
        <translation>Alles verbinden und die Hauptlösung zeigen</translation>
    </message>
    <message>
        <source>More help</source>
        <translation>Weitere Hilfe</translation>
    </message>
    <message>
        <source>Quit current game and close the Game Window</source>
        <translation>Aktuelles Spiel beenden und Spielfenster schließen</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Current game start time</source>
        <translation>Startzeit des Spiels</translation>
    </message>
    <message>
        <source>Time game was finished</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Elapsed game time</source>
        <translation>Bisherige Spielzeit</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Connect the PCs together using the cables so that all the PCs are connected and data can flow to all PCs -- Good Luck ... And don&apos;t have too much fun !!!</source>
        <translation>Verbinden Sie die PCs so mit den Kabeln, dass alle PCs verbunden sind und Daten alle PCs erreichen -- Viel Glück ... Und nicht zu viel Spaß haben !!!</translation>
    </message>
    <message>
        <source>                    Sorry <byte value="xd"/><byte value="xd"/>The PCs are not connected correctly</source>
        <translation>                    Leider <byte value="xd"/><byte value="xd"/>Die PCs sind nicht richtig verbunden</translation>
    </message>
    <message>
        <source>             Congratulations !!!<byte value="xd"/><byte value="xd"/>You have correctly connected the PCs</source>
        <translation>             Glückwunsch !!!<byte value="xd"/><byte value="xd"/>Sie haben die PCs richtig verbunden</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Lächelndes Gesicht</translation>
    </message>
    <message>
        <source>Frowning face</source>
        <translation>Trauriges Gesicht</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Starting time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Ending time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>LightBlue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>LightViolet</source>
        <translation>Hellviolett</translation>
    </message>
    <message>
        <source>PC %1</source>
        <translation>PC %1</translation>
    </message>
    <message>
        <source>PC %1, connector %2</source>
        <translation>PC %1, Anschluss %2</translation>
    </message>
    <message>
        <source>Cable connector %1</source>
        <translation>Kabelstecker %1</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation type="vanished">%1, frei</translation>
    </message>
    <message>
        <source>%1, holds cable connector %2</source>
        <translation type="vanished">%1, hält Kabelstecker %2</translation>
    </message>
    <message>
        <source>Cable %1, %2, plugged into PC %3, connector %4</source>
        <translation type="vanished">Kabel %1, %2, steckt in PC %3, Anschluss %4</translation>
    </message>
    <message>
        <source>Cable %1, covered, at home</source>
        <translation type="vanished">Kabel %1, verdeckt, am Ausgangsplatz</translation>
    </message>
    <message>
        <source>Cable %1, %2, at home</source>
        <translation type="vanished">Kabel %1, %2, am Ausgangsplatz</translation>
    </message>
    <message>
        <source>%1, %2, free</source>
        <translation>%1, %2, frei</translation>
    </message>
    <message>
        <source>%1, %2, holds cable connector %3</source>
        <translation>%1, %2, hält Kabelstecker %3</translation>
    </message>
    <message>
        <source>%1, %2, plugged into %3</source>
        <translation>%1, %2, steckt in %3</translation>
    </message>
    <message>
        <source>%1, covered, at home</source>
        <translation>%1, verdeckt, am Ausgangsplatz</translation>
    </message>
    <message>
        <source>%1, %2, at home</source>
        <translation>%1, %2, am Ausgangsplatz</translation>
    </message>
    <message>
        <source>Cable %1</source>
        <translation>Kabel %1</translation>
    </message>
    <message>
        <source>Alt+N</source>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Alt+R</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+L</translation>
    </message>
    <message>
        <source>Alt+H</source>
        <translation>Alt+H</translation>
    </message>
    <message>
        <source>Alt+Q</source>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>Plug into PC %1, connector %2</source>
        <translation>In PC %1, Anschluss %2 stecken</translation>
    </message>
    <message>
        <source>Unplug</source>
        <translation>Herausziehen</translation>
    </message>
    <message>
        <source>Mark this cable</source>
        <translation>Dieses Kabel markieren</translation>
    </message>
    <message>
        <source>Starting time %1</source>
        <translation>Startzeit %1</translation>
    </message>
    <message>
        <source>Ending time %1</source>
        <translation>Endzeit %1</translation>
    </message>
    <message>
        <source>Elapsed time %1</source>
        <translation>Spielzeit %1</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Main Start-up Window</source>
        <translation>Start-Fenster</translation>
    </message>
    <message>
        <source>Select Beginner level of play to start -- Select Advanced to hide Cable </source>
        <translation>Zum Einstieg die Stufe Anfänger wählen -- Profi verdeckt die Kabel-</translation>
    </message>
    <message>
        <source>Connectors to make the game more difficult.</source>
        <translation>stecker und macht das Spiel schwerer.</translation>
    </message>
    <message>
        <source>Set the &quot;Number of PCs to Connect&quot; using the scroll bar -- </source>
        <translation>Die &quot;Anzahl der PCs&quot; mit dem Schieberegler einstellen -- </translation>
    </message>
    <message>
        <source>Selecting more PCs to connect makes the game more difficult.</source>
        <translation>Mehr PCs machen das Spiel schwerer.</translation>
    </message>
    <message>
        <source>Set the &quot;Number of Colors to use&quot; using the scroll bar -- </source>
        <translation>Die Anzahl der Farben mit dem Schieberegler einstellen -- </translation>
    </message>
    <message>
        <source>Selecting a different number of colors can make the game more difficult.</source>
        <translation>Eine andere Anzahl Farben kann das Spiel schwerer machen.</translation>
    </message>
    <message>
        <source>[Use Random Color Count] This option when checked causes the program</source>
        <translation>[Zufällige Farbanzahl] Ist diese Option gewählt, wählt das Programm</translation>
    </message>
    <message>
        <source>to create a random number of colors each time you press &quot;New Game&quot;.</source>
        <translation>bei jedem &quot;Neues Spiel&quot; eine zufällige Anzahl Farben.</translation>
    </message>
    <message>
        <source>[Play Now] displays the Game Window and starts the game with the </source>
        <translation>[Jetzt spielen] öffnet das Spielfenster und startet das Spiel mit den </translation>
    </message>
    <message>
        <source>selected parameters.</source>
        <translation>gewählten Einstellungen.</translation>
    </message>
    <message>
        <source>[Help] button displays this Help Window.</source>
        <translation>[Hilfe] öffnet dieses Hilfefenster.</translation>
    </message>
    <message>
        <source>[Exit] button exits the Game.</source>
        <translation>[Beenden] beendet das Spiel.</translation>
    </message>
    <message>
        <source>Game Window</source>
        <translation>Spielfenster</translation>
    </message>
    <message>
        <source>Drag a Cable Connector to a PC Connector to connect.</source>
        <translation>Einen Kabelstecker auf einen PC-Anschluss ziehen, um zu verbinden.</translation>
    </message>
    <message>
        <source>Right-Mouse-Click on a Cable Connector or Drag the Cable Connector off </source>
        <translation>Rechtsklick auf einen Kabelstecker, oder den Kabelstecker vom </translation>
    </message>
    <message>
        <source>the PC Connector to disconnect.</source>
        <translation>PC-Anschluss wegziehen, um zu trennen.</translation>
    </message>
    <message>
        <source>If you incorrectly connect the PCs, the display will indicate this.</source>
        <translation>Sind die PCs falsch verbunden, zeigt das Spiel dies an.</translation>
    </message>
    <message>
        <source>Click on the cables to toggle color to help find your errors.</source>
        <translation>Ein Klick auf ein Kabel ändert seine Farbe und hilft, Fehler zu finden.</translation>
    </message>
    <message>
        <source>[New Came] button creates new game with new randomized PC and </source>
        <translation>[Neues Spiel] erzeugt ein neues Spiel mit neu gemischten PC-Anschlüssen </translation>
    </message>
    <message>
        <source>Cable Connectors.</source>
        <translation>und Kabelsteckern.</translation>
    </message>
    <message>
        <source>[Restart Game] button clears all connections and restarts current game.</source>
        <translation>[Neustart] löst alle Verbindungen und startet das Spiel von vorn.</translation>
    </message>
    <message>
        <source>[Show Solution] button shows a correct solution to connect all PCs </source>
        <translation>[Lösung zeigen] zeigt eine Lösung, die alle PCs </translation>
    </message>
    <message>
        <source>correctly</source>
        <translation>richtig verbindet.</translation>
    </message>
    <message>
        <source>[Quit] button closes the Game Window.</source>
        <translation>[Spiel beenden] schließt das Spielfenster.</translation>
    </message>
    <message>
        <source>[Elapsed Time] shows how long you have been playing a particular game.</source>
        <translation>[Spielzeit] zeigt, wie lange Sie das Spiel schon spielen.</translation>
    </message>
    <message>
        <source>(bottom timer on right) </source>
        <translation>(untere Uhr rechts) </translation>
    </message>
    <message>
        <source>[Game End Time] shows what time the game was finished.</source>
        <translation>[Spielende] zeigt, wann das Spiel beendet wurde.</translation>
    </message>
    <message>
        <source>(top timer on right) </source>
        <translation>(obere Uhr rechts) </translation>
    </message>
    <message>
        <source>[Current Time] shows the current time.</source>
        <translation>[Uhrzeit] zeigt die aktuelle Uhrzeit.</translation>
    </message>
    <message>
        <source>(top timer on left) </source>
        <translation>(obere Uhr links) </translation>
    </message>
    <message>
        <source>[Start Time] shows the game start time.</source>
        <translation>[Startzeit] zeigt, wann das Spiel begann.</translation>
    </message>
    <message>
        <source>(bottom timer on left) </source>
        <translation>(untere Uhr links) </translation>
    </message>
    <message>
        <source>Good Luck ... And don&apos;t have too much fun !</source>
        <translation>Viel Glück ... Und nicht zu viel Spaß haben !</translation>
    </message>
    <message>
        <source>Visit our Website %1 for the best in PC to PC </source>
        <translation>Besuchen Sie unsere Website %1 für das Beste an </translation>
    </message>
    <message>
        <source>Connection and Networking Products.</source>
        <translation>PC-Verbindungs- und Netzwerkprodukten.</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game - Alpha Version 1.0 (3-18-2002)</source>
        <translation>Kestrelink® Connection Game - Alpha-Version 1.0 (18.3.2002)</translation>
    </message>
    <message>
        <source>Please send e-mail to %1 regarding any bugs</source>
        <translation>Bitte schreiben Sie an %1 zu allen Fehlern</translation>
    </message>
    <message>
        <source>or problems you find as well as any suggestions you may have.</source>
        <translation>oder Problemen, die Sie finden, und mit Ihren Vorschlägen.</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game V.1.0 Alpha 3-18-2002</source>
        <translation>Kestrelink® Connection Game V.1.0 Alpha 18.3.2002</translation>
    </message>
    <message>
        <source>Copyright © 2002 Orvane. All rights reserved.</source>
        <translation>Copyright © 2002 Orvane. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Kestrelink® is a registered trademark of Orvane.</source>
        <translation>Kestrelink® ist eine eingetragene Marke von Orvane.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Impressum</translation>
    </message>
    <message>
        <source>Two PCs joined by arrows</source>
        <translation>Zwei PCs, durch Pfeile verbunden</translation>
    </message>
</context>
<context>
    <name>MainStartupWindow</name>
    <message>
        <source>Number of PCs to Connect</source>
        <translation>Anzahl der PCs</translation>
    </message>
    <message>
        <source>Number of Colors to use</source>
        <translation>Anzahl der Farben</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Kestrelink Game Settings Dump</source>
        <translation>Kestrelink Spieleinstellungen sichern</translation>
    </message>
    <message>
        <source>Enter the filename you wish to use and Press the OK Button if you wish to dump the current game settings

Otherwise Press Cancel</source>
        <translation>Geben Sie den gewünschten Dateinamen ein und drücken Sie OK, um die aktuellen Spieleinstellungen zu sichern

Andernfalls drücken Sie Abbrechen</translation>
    </message>
    <message>
        <source>The disk is full. Make room on it, or choose another place, and try again.</source>
        <translation>Der Datenträger ist voll. Schaffen Sie Platz oder wählen Sie einen anderen Ort und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The disk is full for you: your disk quota is used up.</source>
        <translation>Der Datenträger ist für Sie voll: Ihr Kontingent ist aufgebraucht.</translation>
    </message>
    <message>
        <source>The file would be larger than this disk or your account allows.</source>
        <translation>Die Datei wäre größer, als dieser Datenträger oder Ihr Konto erlaubt.</translation>
    </message>
    <message>
        <source>You do not have permission to write there.</source>
        <translation>Sie haben keine Berechtigung, dort zu schreiben.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Der Datenträger ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The folder it should go in does not exist.</source>
        <translation>Der Ordner, in den sie gehört, existiert nicht.</translation>
    </message>
    <message>
        <source>A part of the name that should be a folder is not a folder.</source>
        <translation>Ein Teil des Namens, der ein Ordner sein sollte, ist kein Ordner.</translation>
    </message>
    <message>
        <source>This is a folder, not a file. Give the name of a file inside it.</source>
        <translation>Dies ist ein Ordner, keine Datei. Geben Sie den Namen einer Datei darin an.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Der Name ist zu lang.</translation>
    </message>
    <message>
        <source>The name leads through too many links; a link may point back to itself.</source>
        <translation>Der Name führt über zu viele Verknüpfungen; eine Verknüpfung zeigt vielleicht auf sich selbst.</translation>
    </message>
    <message>
        <source>The disk reported an error.</source>
        <translation>Der Datenträger hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>The file is in use by a running program.</source>
        <translation>Die Datei wird von einem laufenden Programm benutzt.</translation>
    </message>
    <message>
        <source>The file was changed by something else just now. Please try again.</source>
        <translation>Die Datei wurde soeben von etwas anderem geändert. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The name is a link the report cannot follow to its file.</source>
        <translation>Der Name ist eine Verknüpfung, der der Bericht nicht bis zu ihrer Datei folgen kann.</translation>
    </message>
    <message>
        <source>The name lies in a system area (such as /proc or /sys) whose files show and set the workings of the computer, not a place for a report. Nothing was written.</source>
        <translation>Der Name liegt in einem Systembereich (wie /proc oder /sys), dessen Dateien das Innenleben des Computers zeigen und einstellen; das ist kein Ort für einen Bericht. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>einen Tabulator</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>ein Steuerzeichen</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a pipe (FIFO)</source>
        <translation>eine Pipe (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Spezialdatei</translation>
    </message>
    <message>
        <source>The system reports: %1.</source>
        <translation>Das System meldet: %1.</translation>
    </message>
    <message>
        <source>The name contains %1 (shown as %2), perhaps pasted with it. A file name cannot hold line breaks, tabs or other control characters, so nothing was written. Please type the name on one line.</source>
        <translation>Der Name enthält %1 (angezeigt als %2), vielleicht mit eingefügt. Ein Dateiname darf keine Zeilenumbrüche, Tabulatoren oder anderen Steuerzeichen enthalten, daher wurde nichts geschrieben. Bitte geben Sie den Namen in einer Zeile ein.</translation>
    </message>
    <message>
        <source>This name is a link to %1</source>
        <translation>Dieser Name ist eine Verknüpfung auf %1</translation>
    </message>
    <message>
        <source>This name is %1</source>
        <translation>Dieser Name ist %1</translation>
    </message>
    <message>
        <source>%1, not an ordinary file. The report is written only to ordinary files, so it was left untouched.</source>
        <translation>%1, keine gewöhnliche Datei. Der Bericht wird nur in gewöhnliche Dateien geschrieben, daher blieb sie unberührt.</translation>
    </message>
    <message>
        <source>The game settings could not be written to &quot;%1&quot;.

%2</source>
        <translation>Die Spieleinstellungen konnten nicht nach „%1“ geschrieben werden.

%2</translation>
    </message>
    <message>
        <source>The file is read-only, or you may not change it, so it was left as it was.</source>
        <translation>Die Datei ist schreibgeschützt, oder Sie dürfen sie nicht ändern; sie blieb, wie sie war.</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::GameWindowHost</name>
    <message>
        <source>Your Screen Settings are not large enough to support the window size needed for these game settings

Please select fewer PCs or increase your screen resolution</source>
        <translation>Ihr Bildschirm ist für die Fenstergröße, die diese Spieleinstellungen brauchen, nicht groß genug

Bitte wählen Sie weniger PCs oder erhöhen Sie die Bildschirmauflösung</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::HelpWindow</name>
    <message>
        <source>Kestrelink® Connection Game Help -- How To Play</source>
        <translation>Kestrelink® Connection Game Hilfe -- So wird gespielt</translation>
    </message>
    <message>
        <source>How To Play The Kestrelink® Game</source>
        <translation>So spielen Sie das Kestrelink® Spiel</translation>
    </message>
    <message>
        <source>Visit our Website for the best in PC to PC Connection and Networking Products  %1</source>
        <translation>Besuchen Sie unsere Website für PC-Verbindungs- und Netzwerkprodukte  %1</translation>
    </message>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation type="vanished">Nur zu -- Entdecken Sie unsere PC-Verbindungsprodukte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close Help Window</source>
        <translation>Hilfefenster schließen</translation>
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
        <translation>Willkommen beim Kestrelink® Connection Game</translation>
    </message>
    <message>
        <source>This simple game can be lots of fun and you might find that it is more frustrating and harder than it first appears to be.</source>
        <translation>Dieses einfache Spiel macht viel Spaß und ist vielleicht kniffliger und frustrierender, als es zunächst scheint.</translation>
    </message>
    <message>
        <source>Careful ... Don&apos;t Have Too Much Fun With It !</source>
        <translation>Vorsicht ... Nicht Zu Viel Spaß Damit Haben !</translation>
    </message>
    <message>
        <source>The object of the game is to connect all of the PCs together as quickly as possible using the cables provided -- Note that to be connected correctly, each PC must be connected to (2) other PCs so that data can flow to ALL PCs.  Adding more PCs makes the game more difficult.  Setting fewer colors can make the game more difficult as well.  Setting Advanced hides cable connectors during play.</source>
        <translation>Ziel des Spiels ist es, alle PCs so schnell wie möglich mit den vorhandenen Kabeln zu verbinden -- Richtig verbunden ist jeder PC mit (2) anderen PCs, so dass Daten ALLE PCs erreichen.  Mehr PCs machen das Spiel schwerer.  Weniger Farben ebenfalls.  Die Stufe Profi verdeckt die Kabelstecker während des Spiels.</translation>
    </message>
    <message>
        <source>Visit Orvane&apos; Website for the best in PC to PC Connection and Networking Products ... %1</source>
        <translation>Besuchen Sie Orvanes Website für das Beste an PC-Verbindungs- und Netzwerkprodukten ... %1</translation>
    </message>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation type="vanished">Nur zu -- Entdecken Sie unsere PC-Verbindungsprodukte</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>More help</source>
        <translation>Weitere Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit Kestrelink® Connection Game</source>
        <translation>Kestrelink® Connection Game beenden</translation>
    </message>
    <message>
        <source>Select Play or Experience Level</source>
        <translation>Spielstufe wählen</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Easier games</source>
        <translation>Leichtere Spiele</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Profi</translation>
    </message>
    <message>
        <source>More difficult games</source>
        <translation>Schwierigere Spiele</translation>
    </message>
    <message>
        <source>Number of PCs to Connect</source>
        <translation>Anzahl der PCs</translation>
    </message>
    <message>
        <source>Use Random Color Count</source>
        <translation>Zufällige Farbanzahl</translation>
    </message>
    <message>
        <source>Play Now</source>
        <translation>Jetzt spielen</translation>
    </message>
    <message>
        <source>Open Game Window and start game</source>
        <translation>Spielfenster öffnen und Spiel starten</translation>
    </message>
    <message>
        <source>You must quit the currently running Game Window in order to change the Game Settings

Do you want to close the current Game Window?

Press YES to close the current Game Window
Press NO to return to current Game Window
Press Cancel to just quite this dialog box</source>
        <translation>Um die Spieleinstellungen zu ändern, müssen Sie das laufende Spielfenster schließen

Möchten Sie das laufende Spielfenster schließen?

JA schließt das laufende Spielfenster
NEIN kehrt zum laufenden Spielfenster zurück
Abbrechen schließt nur dieses Dialogfeld</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game Info</source>
        <translation>Kestrelink® Connection Game Info</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::WebsiteButton</name>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation>Nur zu -- Entdecken Sie unsere PC-Verbindungsprodukte</translation>
    </message>
</context>
</TS>
