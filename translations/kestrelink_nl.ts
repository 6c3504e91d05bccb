<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CaptionFrame</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Connect all the PCs into one ring of cables, as fast as you can.</source>
        <translation>Verbind alle pc&apos;s zo snel mogelijk met kabels tot één ring.</translation>
    </message>
    <message>
        <source>Show a symbol for its colour on every connector, for telling the colours apart.</source>
        <translation>Toont op elke aansluiting en stekker een symbool voor de kleur, om de kleuren uit elkaar te houden.</translation>
    </message>
    <message>
        <source>Kestrelink needs a graphical desktop, and none was found.</source>
        <translation>Kestrelink heeft een grafische omgeving nodig, maar er is er geen gevonden.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Kestrelink® Connection Game - Playing Window</source>
        <translation>Kestrelink® Connection Game - Speelvenster</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Toon oplossing</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Creates new random connection game</source>
        <translation>Maakt een nieuw willekeurig verbindingsspel</translation>
    </message>
    <message>
        <source>Restarts current game</source>
        <translation>Begint het huidige spel opnieuw</translation>
    </message>
    <message>
        <source>Connect all and show the primary connection solution</source>
        <translation>Verbindt alles en toont de hoofdoplossing</translation>
    </message>
    <message>
        <source>More help</source>
        <translation>Meer hulp</translation>
    </message>
    <message>
        <source>Quit current game and close the Game Window</source>
        <translation>Stopt het huidige spel en sluit het speelvenster</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Huidige tijd</translation>
    </message>
    <message>
        <source>Current game start time</source>
        <translation>Starttijd van het spel</translation>
    </message>
    <message>
        <source>Time game was finished</source>
        <translation>Tijdstip waarop het spel klaar was</translation>
    </message>
    <message>
        <source>Elapsed game time</source>
        <translation>Verstreken speeltijd</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Bezig</translation>
    </message>
    <message>
        <source>Connect the PCs together using the cables so that all the PCs are connected and data can flow to all PCs -- Good Luck ... And don&apos;t have too much fun !!!</source>
        <translation>Verbind de pc&apos;s zo met de kabels dat ze allemaal verbonden zijn en de gegevens elke pc bereiken -- Veel succes ... En heb niet al te veel plezier!!!</translation>
    </message>
    <message>
        <source>                    Sorry <byte value="xd"/><byte value="xd"/>The PCs are not connected correctly</source>
        <translation>                      Helaas <byte value="xd"/><byte value="xd"/>De pc&apos;s zijn niet goed verbonden</translation>
    </message>
    <message>
        <source>             Congratulations !!!<byte value="xd"/><byte value="xd"/>You have correctly connected the PCs</source>
        <translation>              Gefeliciteerd!!!<byte value="xd"/><byte value="xd"/>Je hebt de pc&apos;s goed verbonden</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Lachend gezicht</translation>
    </message>
    <message>
        <source>Frowning face</source>
        <translation>Verdrietig gezicht</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Huidige tijd</translation>
    </message>
    <message>
        <source>Starting time</source>
        <translation>Starttijd</translation>
    </message>
    <message>
        <source>Ending time</source>
        <translation>Eindtijd</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Verstreken tijd</translation>
    </message>
    <message>
        <source>LightBlue</source>
        <translation>Lichtblauw</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Paars</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Roze</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Bruin</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>LightViolet</source>
        <translation>Lichtpaars</translation>
    </message>
    <message>
        <source>PC %1</source>
        <translation>Pc %1</translation>
    </message>
    <message>
        <source>PC %1, connector %2</source>
        <translation>Pc %1, aansluiting %2</translation>
    </message>
    <message>
        <source>Cable connector %1</source>
        <translation>Kabelstekker %1</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation type="vanished">%1, vrij</translation>
    </message>
    <message>
        <source>%1, holds cable connector %2</source>
        <translation type="vanished">%1, met kabelstekker %2</translation>
    </message>
    <message>
        <source>Cable %1, %2, plugged into PC %3, connector %4</source>
        <translation type="vanished">Kabel %1, %2, zit in pc %3, aansluiting %4</translation>
    </message>
    <message>
        <source>Cable %1, covered, at home</source>
        <translation type="vanished">Kabel %1, afgedekt, op de beginplek</translation>
    </message>
    <message>
        <source>Cable %1, %2, at home</source>
        <translation type="vanished">Kabel %1, %2, op de beginplek</translation>
    </message>
    <message>
        <source>%1, %2, free</source>
        <translation>%1, %2, vrij</translation>
    </message>
    <message>
        <source>%1, %2, holds cable connector %3</source>
        <translation>%1, %2, met kabelstekker %3</translation>
    </message>
    <message>
        <source>%1, %2, plugged into %3</source>
        <translation>%1, %2, zit in %3</translation>
    </message>
    <message>
        <source>%1, covered, at home</source>
        <translation>%1, afgedekt, op de beginplek</translation>
    </message>
    <message>
        <source>%1, %2, at home</source>
        <translation>%1, %2, op de beginplek</translation>
    </message>
    <message>
        <source>Cable %1</source>
        <translation>Kabel %1</translation>
    </message>
    <message>
        <source>Plug into PC %1, connector %2</source>
        <translation>Verbinden met pc %1, aansluiting %2</translation>
    </message>
    <message>
        <source>Unplug</source>
        <translation>Loskoppelen</translation>
    </message>
    <message>
        <source>Mark this cable</source>
        <translation>Deze kabel markeren</translation>
    </message>
    <message>
        <source>Alt+N</source>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Alt+R</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Alt+H</source>
        <translation>Alt+H</translation>
    </message>
    <message>
        <source>Alt+Q</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Starting time %1</source>
        <translation>Starttijd %1</translation>
    </message>
    <message>
        <source>Ending time %1</source>
        <translation>Eindtijd %1</translation>
    </message>
    <message>
        <source>Elapsed time %1</source>
        <translation>Verstreken tijd %1</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Main Start-up Window</source>
        <translation>Startvenster</translation>
    </message>
    <message>
        <source>Select Beginner level of play to start -- Select Advanced to hide Cable </source>
        <translation>Kies het niveau Beginner om te beginnen -- Gevorderd verbergt de </translation>
    </message>
    <message>
        <source>Connectors to make the game more difficult.</source>
        <translation>kabelstekkers en maakt het spel moeilijker.</translation>
    </message>
    <message>
        <source>Set the &quot;Number of PCs to Connect&quot; using the scroll bar -- </source>
        <translation>Stel het &quot;Aantal pc&apos;s&quot; in met de schuifbalk -- </translation>
    </message>
    <message>
        <source>Selecting more PCs to connect makes the game more difficult.</source>
        <translation>Hoe meer pc&apos;s je moet verbinden, hoe moeilijker het spel.</translation>
    </message>
    <message>
        <source>Set the &quot;Number of Colors to use&quot; using the scroll bar -- </source>
        <translation>Stel het &quot;Aantal kleuren&quot; in met de schuifbalk -- </translation>
    </message>
    <message>
        <source>Selecting a different number of colors can make the game more difficult.</source>
        <translation>Een ander aantal kleuren kan het spel moeilijker maken.</translation>
    </message>
    <message>
        <source>[Use Random Color Count] This option when checked causes the program</source>
        <translation>[Willekeurige kleuren] Staat deze optie aan, dan kiest het programma</translation>
    </message>
    <message>
        <source>to create a random number of colors each time you press &quot;New Game&quot;.</source>
        <translation>bij elk &quot;Nieuw spel&quot; een willekeurig aantal kleuren.</translation>
    </message>
    <message>
        <source>[Play Now] displays the Game Window and starts the game with the </source>
        <translation>[Nu spelen] opent het speelvenster en start het spel met de </translation>
    </message>
    <message>
        <source>selected parameters.</source>
        <translation>gekozen instellingen.</translation>
    </message>
    <message>
        <source>[Help] button displays this Help Window.</source>
        <translation>[Help] opent dit helpvenster.</translation>
    </message>
    <message>
        <source>[Exit] button exits the Game.</source>
        <translation>[Afsluiten] sluit het spel af.</translation>
    </message>
    <message>
        <source>Game Window</source>
        <translation>Speelvenster</translation>
    </message>
    <message>
        <source>Drag a Cable Connector to a PC Connector to connect.</source>
        <translation>Sleep een kabelstekker naar een pc-aansluiting om te verbinden.</translation>
    </message>
    <message>
        <source>Right-Mouse-Click on a Cable Connector or Drag the Cable Connector off </source>
        <translation>Klik met rechts op een kabelstekker, of sleep de kabelstekker van </translation>
    </message>
    <message>
        <source>the PC Connector to disconnect.</source>
        <translation>de pc-aansluiting af, om los te koppelen.</translation>
    </message>
    <message>
        <source>If you incorrectly connect the PCs, the display will indicate this.</source>
        <translation>Zijn de pc&apos;s verkeerd verbonden, dan laat het spel dat zien.</translation>
    </message>
    <message>
        <source>Click on the cables to toggle color to help find your errors.</source>
        <translation>Klik op de kabels om hun kleur te wisselen; zo vind je je fouten.</translation>
    </message>
    <message>
        <source>[New Came] button creates new game with new randomized PC and </source>
        <translation>[Nieuw spel] maakt een nieuw spel met opnieuw geschudde pc-aansluitingen en </translation>
    </message>
    <message>
        <source>Cable Connectors.</source>
        <translation>kabelstekkers.</translation>
    </message>
    <message>
        <source>[Restart Game] button clears all connections and restarts current game.</source>
        <translation>[Opnieuw] haalt alle verbindingen weg en begint het huidige spel opnieuw.</translation>
    </message>
    <message>
        <source>[Show Solution] button shows a correct solution to connect all PCs </source>
        <translation>[Toon oplossing] toont een oplossing die alle pc&apos;s </translation>
    </message>
    <message>
        <source>correctly</source>
        <translation>goed verbindt.</translation>
    </message>
    <message>
        <source>[Quit] button closes the Game Window.</source>
        <translation>[Stoppen] sluit het speelvenster.</translation>
    </message>
    <message>
        <source>[Elapsed Time] shows how long you have been playing a particular game.</source>
        <translation>[Verstreken tijd] toont hoe lang je al met dit spel bezig bent.</translation>
    </message>
    <message>
        <source>(bottom timer on right) </source>
        <translation>(onderste klok rechts) </translation>
    </message>
    <message>
        <source>[Game End Time] shows what time the game was finished.</source>
        <translation>[Eindtijd] toont hoe laat het spel klaar was.</translation>
    </message>
    <message>
        <source>(top timer on right) </source>
        <translation>(bovenste klok rechts) </translation>
    </message>
    <message>
        <source>[Current Time] shows the current time.</source>
        <translation>[Huidige tijd] toont hoe laat het nu is.</translation>
    </message>
    <message>
        <source>(top timer on left) </source>
        <translation>(bovenste klok links) </translation>
    </message>
    <message>
        <source>[Start Time] shows the game start time.</source>
        <translation>[Starttijd] toont hoe laat het spel begon.</translation>
    </message>
    <message>
        <source>(bottom timer on left) </source>
        <translation>(onderste klok links) </translation>
    </message>
    <message>
        <source>Good Luck ... And don&apos;t have too much fun !</source>
        <translation>Veel succes ... En heb niet al te veel plezier!</translation>
    </message>
    <message>
        <source>Visit our Website %1 for the best in PC to PC </source>
        <translation>Bezoek onze website %1 voor het beste in </translation>
    </message>
    <message>
        <source>Connection and Networking Products.</source>
        <translation>pc-naar-pc-verbindingen en netwerkproducten.</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game - Alpha Version 1.0 (3-18-2002)</source>
        <translation>Kestrelink® Connection Game - Alfaversie 1.0 (18-3-2002)</translation>
    </message>
    <message>
        <source>Please send e-mail to %1 regarding any bugs</source>
        <translation>Mail naar %1 over alle bugs</translation>
    </message>
    <message>
        <source>or problems you find as well as any suggestions you may have.</source>
        <translation>of problemen die je tegenkomt, en met al je suggesties.</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game V.1.0 Alpha 3-18-2002</source>
        <translation>Kestrelink® Connection Game V.1.0 Alfa 18-3-2002</translation>
    </message>
    <message>
        <source>Copyright © 2002 Orvane. All rights reserved.</source>
        <translation>Copyright © 2002 Orvane. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Kestrelink® is a registered trademark of Orvane.</source>
        <translation>Kestrelink® is een gedeponeerd handelsmerk van Orvane.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help text</source>
        <translation>Helptekst</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Colofon</translation>
    </message>
    <message>
        <source>Two PCs joined by arrows</source>
        <translation>Twee pc&apos;s verbonden door pijlen</translation>
    </message>
</context>
<context>
    <name>MainStartupWindow</name>
    <message>
        <source>Number of PCs to Connect</source>
        <translation>Aantal pc&apos;s</translation>
    </message>
    <message>
        <source>Number of Colors to use</source>
        <translation>Aantal kleuren</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Kestrelink Game Settings Dump</source>
        <translation>Kestrelink - Spelinstellingen opslaan</translation>
    </message>
    <message>
        <source>Enter the filename you wish to use and Press the OK Button if you wish to dump the current game settings

Otherwise Press Cancel</source>
        <translation>Typ de gewenste bestandsnaam en druk op OK om de huidige spelinstellingen op te slaan

Druk anders op Annuleren</translation>
    </message>
    <message>
        <source>The disk is full. Make room on it, or choose another place, and try again.</source>
        <translation>De schijf is vol. Maak ruimte vrij of kies een andere plek en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The disk is full for you: your disk quota is used up.</source>
        <translation>De schijf is vol voor jou: je schijfquotum is op.</translation>
    </message>
    <message>
        <source>The file would be larger than this disk or your account allows.</source>
        <translation>Het bestand zou groter worden dan deze schijf of je account toestaat.</translation>
    </message>
    <message>
        <source>You do not have permission to write there.</source>
        <translation>Je hebt geen toestemming om daar te schrijven.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>De schijf is alleen-lezen.</translation>
    </message>
    <message>
        <source>The folder it should go in does not exist.</source>
        <translation>De map waar het in moet, bestaat niet.</translation>
    </message>
    <message>
        <source>A part of the name that should be a folder is not a folder.</source>
        <translation>Een deel van de naam dat een map zou moeten zijn, is geen map.</translation>
    </message>
    <message>
        <source>This is a folder, not a file. Give the name of a file inside it.</source>
        <translation>Dit is een map, geen bestand. Geef de naam van een bestand in die map.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>De naam is te lang.</translation>
    </message>
    <message>
        <source>The name leads through too many links; a link may point back to itself.</source>
        <translation>De naam loopt via te veel koppelingen; misschien verwijst een koppeling naar zichzelf.</translation>
    </message>
    <message>
        <source>The disk reported an error.</source>
        <translation>De schijf meldde een fout.</translation>
    </message>
    <message>
        <source>The file is in use by a running program.</source>
        <translation>Het bestand is in gebruik door een actief programma.</translation>
    </message>
    <message>
        <source>The file was changed by something else just now. Please try again.</source>
        <translation>Het bestand is zojuist door iets anders gewijzigd. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The name is a link the report cannot follow to its file.</source>
        <translation>De naam is een koppeling die het verslag niet tot het bestand kan volgen.</translation>
    </message>
    <message>
        <source>The name lies in a system area (such as /proc or /sys) whose files show and set the workings of the computer, not a place for a report. Nothing was written.</source>
        <translation>De naam ligt in een systeemgebied (zoals /proc of /sys) waarvan de bestanden de werking van de computer tonen en instellen; dat is geen plek voor een verslag. Er is niets geschreven.</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>een tab</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>een regeleinde</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>een stuurteken</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>een apparaat</translation>
    </message>
    <message>
        <source>a pipe (FIFO)</source>
        <translation>een pipe (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>een socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>een speciaal bestand</translation>
    </message>
    <message>
        <source>The system reports: %1.</source>
        <translation>Het systeem meldt: %1.</translation>
    </message>
    <message>
        <source>The name contains %1 (shown as %2), perhaps pasted with it. A file name cannot hold line breaks, tabs or other control characters, so nothing was written. Please type the name on one line.</source>
        <translation>De naam bevat %1 (getoond als %2), misschien mee geplakt. Een bestandsnaam mag geen regeleinden, tabs of andere stuurtekens bevatten, dus er is niets geschreven. Typ de naam op één regel.</translation>
    </message>
    <message>
        <source>This name is a link to %1</source>
        <translation>Deze naam is een koppeling naar %1</translation>
    </message>
    <message>
        <source>This name is %1</source>
        <translation>Deze naam is %1</translation>
    </message>
    <message>
        <source>%1, not an ordinary file. The report is written only to ordinary files, so it was left untouched.</source>
        <translation>%1, geen gewoon bestand. Het verslag wordt alleen naar gewone bestanden geschreven, dus er is niets aan veranderd.</translation>
    </message>
    <message>
        <source>The game settings could not be written to &quot;%1&quot;.

%2</source>
        <translation>De spelinstellingen konden niet naar &quot;%1&quot; worden geschreven.

%2</translation>
    </message>
    <message>
        <source>The file is read-only, or you may not change it, so it was left as it was.</source>
        <translation>Het bestand is alleen-lezen of je mag het niet wijzigen, dus het is gelaten zoals het was.</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::GameWindowHost</name>
    <message>
        <source>Your Screen Settings are not large enough to support the window size needed for these game settings

Please select fewer PCs or increase your screen resolution</source>
        <translation>Je scherm is niet groot genoeg voor het venster dat deze spelinstellingen nodig hebben

Kies minder pc&apos;s of verhoog je schermresolutie</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::HelpWindow</name>
    <message>
        <source>Kestrelink® Connection Game Help -- How To Play</source>
        <translation>Kestrelink® Connection Game Help -- Zo speel je</translation>
    </message>
    <message>
        <source>How To Play The Kestrelink® Game</source>
        <translation>Zo speel je het Kestrelink®-spel</translation>
    </message>
    <message>
        <source>Visit our Website for the best in PC to PC Connection and Networking Products  %1</source>
        <translation>Bezoek onze website voor het beste in pc-naar-pc-verbindingen en netwerkproducten  %1</translation>
    </message>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation type="vanished">Ga je gang -- Ontdek onze geweldige pc-naar-pc-verbindingsproducten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Close Help Window</source>
        <translation>Helpvenster sluiten</translation>
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
        <translation>Welkom bij de Kestrelink® Connection Game van Orvane</translation>
    </message>
    <message>
        <source>This simple game can be lots of fun and you might find that it is more frustrating and harder than it first appears to be.</source>
        <translation>Dit eenvoudige spel kan heel leuk zijn, en misschien merk je dat het frustrerender en lastiger is dan het op het eerste gezicht lijkt.</translation>
    </message>
    <message>
        <source>Careful ... Don&apos;t Have Too Much Fun With It !</source>
        <translation>Pas op ... Heb er niet te veel plezier mee!</translation>
    </message>
    <message>
        <source>The object of the game is to connect all of the PCs together as quickly as possible using the cables provided -- Note that to be connected correctly, each PC must be connected to (2) other PCs so that data can flow to ALL PCs.  Adding more PCs makes the game more difficult.  Setting fewer colors can make the game more difficult as well.  Setting Advanced hides cable connectors during play.</source>
        <translation>Het doel van het spel is om alle pc&apos;s zo snel mogelijk met de kabels te verbinden -- Goed verbonden is elke pc met (2) andere pc&apos;s, zodat gegevens ALLE pc&apos;s bereiken.  Meer pc&apos;s maken het spel moeilijker.  Minder kleuren ook.  Het niveau Gevorderd verbergt de kabelstekkers tijdens het spel.</translation>
    </message>
    <message>
        <source>Visit Orvane&apos; Website for the best in PC to PC Connection and Networking Products ... %1</source>
        <translation>Bezoek de website van Orvane voor het beste in pc-naar-pc-verbindingen en netwerkproducten ... %1</translation>
    </message>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation type="vanished">Ga je gang -- Ontdek onze geweldige pc-naar-pc-verbindingsproducten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>More help</source>
        <translation>Meer hulp</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Exit Kestrelink® Connection Game</source>
        <translation>Kestrelink® Connection Game afsluiten</translation>
    </message>
    <message>
        <source>Select Play or Experience Level</source>
        <translation>Kies je niveau</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Easier games</source>
        <translation>Makkelijkere spellen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Gevorderd</translation>
    </message>
    <message>
        <source>More difficult games</source>
        <translation>Moeilijkere spellen</translation>
    </message>
    <message>
        <source>Number of PCs to Connect</source>
        <translation>Aantal pc&apos;s</translation>
    </message>
    <message>
        <source>Use Random Color Count</source>
        <translation>Willekeurige kleuren</translation>
    </message>
    <message>
        <source>Play Now</source>
        <translation>Nu spelen</translation>
    </message>
    <message>
        <source>Open Game Window and start game</source>
        <translation>Opent het speelvenster en start het spel</translation>
    </message>
    <message>
        <source>You must quit the currently running Game Window in order to change the Game Settings

Do you want to close the current Game Window?

Press YES to close the current Game Window
Press NO to return to current Game Window
Press Cancel to just quite this dialog box</source>
        <translation>Om de spelinstellingen te wijzigen, moet je het open speelvenster sluiten

Wil je het huidige speelvenster sluiten?

JA sluit het huidige speelvenster
NEE gaat terug naar het huidige speelvenster
Annuleren sluit alleen dit dialoogvenster</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game Info</source>
        <translation>Kestrelink® Connection Game - Info</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::WebsiteButton</name>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation>Ga je gang -- Ontdek onze geweldige pc-naar-pc-verbindingsproducten</translation>
    </message>
</context>
</TS>
