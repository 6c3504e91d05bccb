<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CaptionFrame</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Connect all the PCs into one ring of cables, as fast as you can.</source>
        <translation>Jak najszybciej połącz kablami wszystkie komputery w jeden pierścień.</translation>
    </message>
    <message>
        <source>Show a symbol for its colour on every connector, for telling the colours apart.</source>
        <translation>Wyświetla na każdym gnieździe i każdej wtyczce symbol koloru, aby łatwiej odróżnić kolory.</translation>
    </message>
    <message>
        <source>Kestrelink needs a graphical desktop, and none was found.</source>
        <translation>Kestrelink potrzebuje środowiska graficznego, ale żadnego nie znaleziono.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Kestrelink® Connection Game - Playing Window</source>
        <translation>Kestrelink® Connection Game - Okno gry</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Od nowa</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Rozwiąż</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Creates new random connection game</source>
        <translation>Tworzy nową, losową grę</translation>
    </message>
    <message>
        <source>Restarts current game</source>
        <translation>Zaczyna bieżącą grę od nowa</translation>
    </message>
    <message>
        <source>Connect all and show the primary connection solution</source>
        <translation>Łączy wszystko i pokazuje główne rozwiązanie</translation>
    </message>
    <message>
        <source>More help</source>
        <translation>Więcej pomocy</translation>
    </message>
    <message>
        <source>Quit current game and close the Game Window</source>
        <translation>Kończy bieżącą grę i zamyka okno gry</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Aktualna godzina</translation>
    </message>
    <message>
        <source>Current game start time</source>
        <translation>Godzina rozpoczęcia gry</translation>
    </message>
    <message>
        <source>Time game was finished</source>
        <translation>Godzina zakończenia gry</translation>
    </message>
    <message>
        <source>Elapsed game time</source>
        <translation>Czas trwania gry</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Trwa</translation>
    </message>
    <message>
        <source>Connect the PCs together using the cables so that all the PCs are connected and data can flow to all PCs -- Good Luck ... And don&apos;t have too much fun !!!</source>
        <translation>Połącz komputery kablami tak, aby wszystkie były połączone, a dane docierały do każdego z nich -- Powodzenia ... I nie baw się za dobrze!!!</translation>
    </message>
    <message>
        <source>                    Sorry <byte value="xd"/><byte value="xd"/>The PCs are not connected correctly</source>
        <translation>                           Niestety <byte value="xd"/><byte value="xd"/>Komputery nie są poprawnie połączone</translation>
    </message>
    <message>
        <source>             Congratulations !!!<byte value="xd"/><byte value="xd"/>You have correctly connected the PCs</source>
        <translation>                    Gratulacje!!!<byte value="xd"/><byte value="xd"/>Komputery są poprawnie połączone</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Uśmiechnięta buźka</translation>
    </message>
    <message>
        <source>Frowning face</source>
        <translation>Smutna buźka</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Polecenia</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Aktualna godzina</translation>
    </message>
    <message>
        <source>Starting time</source>
        <translation>Godzina rozpoczęcia</translation>
    </message>
    <message>
        <source>Ending time</source>
        <translation>Godzina zakończenia</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Czas gry</translation>
    </message>
    <message>
        <source>LightBlue</source>
        <translation>Jasnoniebieski</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Fioletowy</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brązowy</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>LightViolet</source>
        <translation>Jasnofioletowy</translation>
    </message>
    <message>
        <source>PC %1</source>
        <translation>Komputer %1</translation>
    </message>
    <message>
        <source>PC %1, connector %2</source>
        <translation>Komputer %1, gniazdo %2</translation>
    </message>
    <message>
        <source>Cable connector %1</source>
        <translation>Wtyczka kabla %1</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation type="vanished">%1, wolne</translation>
    </message>
    <message>
        <source>%1, holds cable connector %2</source>
        <translation type="vanished">%1, zajęte przez wtyczkę %2</translation>
    </message>
    <message>
        <source>Cable %1, %2, plugged into PC %3, connector %4</source>
        <translation type="vanished">Kabel %1, %2, wpięty do komputera %3, gniazdo %4</translation>
    </message>
    <message>
        <source>Cable %1, covered, at home</source>
        <translation type="vanished">Kabel %1, zakryty, na miejscu startowym</translation>
    </message>
    <message>
        <source>Cable %1, %2, at home</source>
        <translation type="vanished">Kabel %1, %2, na miejscu startowym</translation>
    </message>
    <message>
        <source>%1, %2, free</source>
        <translation>%1, kolor %2, wolne</translation>
    </message>
    <message>
        <source>%1, %2, holds cable connector %3</source>
        <translation>%1, kolor %2, zajęte przez wtyczkę %3</translation>
    </message>
    <message>
        <source>%1, %2, plugged into %3</source>
        <translation>%1, kolor %2, wpięta w %3</translation>
    </message>
    <message>
        <source>%1, covered, at home</source>
        <translation>%1, zakryta, na miejscu startowym</translation>
    </message>
    <message>
        <source>%1, %2, at home</source>
        <translation>%1, kolor %2, na miejscu startowym</translation>
    </message>
    <message>
        <source>Cable %1</source>
        <translation>Kabel %1</translation>
    </message>
    <message>
        <source>Plug into PC %1, connector %2</source>
        <translation>Wepnij do komputera %1, gniazdo %2</translation>
    </message>
    <message>
        <source>Unplug</source>
        <translation>Odłącz</translation>
    </message>
    <message>
        <source>Mark this cable</source>
        <translation>Oznacz ten kabel</translation>
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
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Alt+H</source>
        <translation>Alt+P</translation>
    </message>
    <message>
        <source>Alt+Q</source>
        <translation>Alt+Z</translation>
    </message>
    <message>
        <source>Starting time %1</source>
        <translation>Godzina rozpoczęcia %1</translation>
    </message>
    <message>
        <source>Ending time %1</source>
        <translation>Godzina zakończenia %1</translation>
    </message>
    <message>
        <source>Elapsed time %1</source>
        <translation>Czas gry %1</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Main Start-up Window</source>
        <translation>Okno startowe</translation>
    </message>
    <message>
        <source>Select Beginner level of play to start -- Select Advanced to hide Cable </source>
        <translation>Na początek wybierz poziom Początkujący -- Poziom Ekspert ukrywa wtyczki </translation>
    </message>
    <message>
        <source>Connectors to make the game more difficult.</source>
        <translation>kabli i utrudnia grę.</translation>
    </message>
    <message>
        <source>Set the &quot;Number of PCs to Connect&quot; using the scroll bar -- </source>
        <translation>Suwakiem ustaw pole „Liczba komputerów” -- </translation>
    </message>
    <message>
        <source>Selecting more PCs to connect makes the game more difficult.</source>
        <translation>Im więcej komputerów do połączenia, tym trudniejsza gra.</translation>
    </message>
    <message>
        <source>Set the &quot;Number of Colors to use&quot; using the scroll bar -- </source>
        <translation>Suwakiem ustaw pole „Liczba kolorów” -- </translation>
    </message>
    <message>
        <source>Selecting a different number of colors can make the game more difficult.</source>
        <translation>Inna liczba kolorów może utrudnić grę.</translation>
    </message>
    <message>
        <source>[Use Random Color Count] This option when checked causes the program</source>
        <translation>[Losowe kolory] Gdy ta opcja jest zaznaczona, program losuje</translation>
    </message>
    <message>
        <source>to create a random number of colors each time you press &quot;New Game&quot;.</source>
        <translation>liczbę kolorów za każdym razem, gdy naciśniesz „Nowa gra”.</translation>
    </message>
    <message>
        <source>[Play Now] displays the Game Window and starts the game with the </source>
        <translation>[Graj] otwiera okno gry i zaczyna grę z </translation>
    </message>
    <message>
        <source>selected parameters.</source>
        <translation>wybranymi ustawieniami.</translation>
    </message>
    <message>
        <source>[Help] button displays this Help Window.</source>
        <translation>[Pomoc] otwiera to okno pomocy.</translation>
    </message>
    <message>
        <source>[Exit] button exits the Game.</source>
        <translation>[Wyjście] zamyka grę.</translation>
    </message>
    <message>
        <source>Game Window</source>
        <translation>Okno gry</translation>
    </message>
    <message>
        <source>Drag a Cable Connector to a PC Connector to connect.</source>
        <translation>Przeciągnij wtyczkę kabla na gniazdo komputera, aby ją podłączyć.</translation>
    </message>
    <message>
        <source>Right-Mouse-Click on a Cable Connector or Drag the Cable Connector off </source>
        <translation>Kliknij wtyczkę prawym przyciskiem myszy albo przeciągnij ją z </translation>
    </message>
    <message>
        <source>the PC Connector to disconnect.</source>
        <translation>gniazda komputera, aby ją odłączyć.</translation>
    </message>
    <message>
        <source>If you incorrectly connect the PCs, the display will indicate this.</source>
        <translation>Jeśli komputery są źle połączone, gra to pokaże.</translation>
    </message>
    <message>
        <source>Click on the cables to toggle color to help find your errors.</source>
        <translation>Klikaj kable, aby zmieniać ich kolor; to pomaga znaleźć błędy.</translation>
    </message>
    <message>
        <source>[New Came] button creates new game with new randomized PC and </source>
        <translation>[Nowa gra] tworzy nową grę z nowo wylosowanymi gniazdami komputerów i </translation>
    </message>
    <message>
        <source>Cable Connectors.</source>
        <translation>wtyczkami kabli.</translation>
    </message>
    <message>
        <source>[Restart Game] button clears all connections and restarts current game.</source>
        <translation>[Od nowa] odłącza wszystkie kable i zaczyna bieżącą grę od początku.</translation>
    </message>
    <message>
        <source>[Show Solution] button shows a correct solution to connect all PCs </source>
        <translation>[Rozwiąż] pokazuje rozwiązanie, które poprawnie łączy </translation>
    </message>
    <message>
        <source>correctly</source>
        <translation>wszystkie komputery.</translation>
    </message>
    <message>
        <source>[Quit] button closes the Game Window.</source>
        <translation>[Zakończ] zamyka okno gry.</translation>
    </message>
    <message>
        <source>[Elapsed Time] shows how long you have been playing a particular game.</source>
        <translation>[Czas gry] pokazuje, jak długo trwa bieżąca gra.</translation>
    </message>
    <message>
        <source>(bottom timer on right) </source>
        <translation>(dolny zegar po prawej) </translation>
    </message>
    <message>
        <source>[Game End Time] shows what time the game was finished.</source>
        <translation>[Godzina zakończenia] pokazuje, o której gra się skończyła.</translation>
    </message>
    <message>
        <source>(top timer on right) </source>
        <translation>(górny zegar po prawej) </translation>
    </message>
    <message>
        <source>[Current Time] shows the current time.</source>
        <translation>[Aktualna godzina] pokazuje, która jest godzina.</translation>
    </message>
    <message>
        <source>(top timer on left) </source>
        <translation>(górny zegar po lewej) </translation>
    </message>
    <message>
        <source>[Start Time] shows the game start time.</source>
        <translation>[Godzina rozpoczęcia] pokazuje, o której gra się zaczęła.</translation>
    </message>
    <message>
        <source>(bottom timer on left) </source>
        <translation>(dolny zegar po lewej) </translation>
    </message>
    <message>
        <source>Good Luck ... And don&apos;t have too much fun !</source>
        <translation>Powodzenia ... I nie baw się za dobrze!</translation>
    </message>
    <message>
        <source>Visit our Website %1 for the best in PC to PC </source>
        <translation>Odwiedź naszą stronę %1, a znajdziesz </translation>
    </message>
    <message>
        <source>Connection and Networking Products.</source>
        <translation>najlepsze produkty do łączenia komputerów i budowy sieci.</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game - Alpha Version 1.0 (3-18-2002)</source>
        <translation>Kestrelink® Connection Game - wersja alfa 1.0 (18.03.2002)</translation>
    </message>
    <message>
        <source>Please send e-mail to %1 regarding any bugs</source>
        <translation>Pisz na adres %1 w sprawie wszelkich błędów</translation>
    </message>
    <message>
        <source>or problems you find as well as any suggestions you may have.</source>
        <translation>lub problemów, które napotkasz, a także z wszelkimi sugestiami.</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game V.1.0 Alpha 3-18-2002</source>
        <translation>Kestrelink® Connection Game V.1.0 Alfa 18.03.2002</translation>
    </message>
    <message>
        <source>Copyright © 2002 Orvane. All rights reserved.</source>
        <translation>Copyright © 2002 Orvane. Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Kestrelink® is a registered trademark of Orvane.</source>
        <translation>Kestrelink® jest zastrzeżonym znakiem towarowym firmy Orvane.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help text</source>
        <translation>Tekst pomocy</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Informacje o autorach</translation>
    </message>
    <message>
        <source>Two PCs joined by arrows</source>
        <translation>Dwa komputery połączone strzałkami</translation>
    </message>
</context>
<context>
    <name>MainStartupWindow</name>
    <message>
        <source>Number of PCs to Connect</source>
        <translation>Liczba komputerów</translation>
    </message>
    <message>
        <source>Number of Colors to use</source>
        <translation>Liczba kolorów</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Kestrelink Game Settings Dump</source>
        <translation>Kestrelink - zapis ustawień gry</translation>
    </message>
    <message>
        <source>Enter the filename you wish to use and Press the OK Button if you wish to dump the current game settings

Otherwise Press Cancel</source>
        <translation>Wpisz nazwę pliku i naciśnij OK, aby zapisać ustawienia bieżącej gry

W przeciwnym razie naciśnij Anuluj</translation>
    </message>
    <message>
        <source>The disk is full. Make room on it, or choose another place, and try again.</source>
        <translation>Dysk jest pełny. Zwolnij na nim miejsce albo wybierz inne miejsce i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The disk is full for you: your disk quota is used up.</source>
        <translation>Dysk jest dla ciebie pełny: wyczerpał się twój przydział miejsca.</translation>
    </message>
    <message>
        <source>The file would be larger than this disk or your account allows.</source>
        <translation>Plik byłby większy, niż pozwala ten dysk lub twoje konto.</translation>
    </message>
    <message>
        <source>You do not have permission to write there.</source>
        <translation>Nie masz uprawnień do zapisu w tym miejscu.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Dysk jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>The folder it should go in does not exist.</source>
        <translation>Folder, w którym ma się znaleźć plik, nie istnieje.</translation>
    </message>
    <message>
        <source>A part of the name that should be a folder is not a folder.</source>
        <translation>Część nazwy, która powinna być folderem, nie jest folderem.</translation>
    </message>
    <message>
        <source>This is a folder, not a file. Give the name of a file inside it.</source>
        <translation>To jest folder, a nie plik. Podaj nazwę pliku w tym folderze.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Nazwa jest za długa.</translation>
    </message>
    <message>
        <source>The name leads through too many links; a link may point back to itself.</source>
        <translation>Nazwa prowadzi przez zbyt wiele dowiązań; być może dowiązanie wskazuje samo na siebie.</translation>
    </message>
    <message>
        <source>The disk reported an error.</source>
        <translation>Dysk zgłosił błąd.</translation>
    </message>
    <message>
        <source>The file is in use by a running program.</source>
        <translation>Plik jest używany przez działający program.</translation>
    </message>
    <message>
        <source>The file was changed by something else just now. Please try again.</source>
        <translation>Coś przed chwilą zmieniło plik. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The name is a link the report cannot follow to its file.</source>
        <translation>Nazwa jest dowiązaniem, po którym raport nie może dotrzeć do pliku.</translation>
    </message>
    <message>
        <source>The name lies in a system area (such as /proc or /sys) whose files show and set the workings of the computer, not a place for a report. Nothing was written.</source>
        <translation>Nazwa leży w obszarze systemowym (takim jak /proc lub /sys), którego pliki pokazują i ustawiają działanie komputera; to nie miejsce na raport. Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>znak tabulacji</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>znak nowego wiersza</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>znak sterujący</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>urządzenie</translation>
    </message>
    <message>
        <source>a pipe (FIFO)</source>
        <translation>potok (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>gniazdo (socket)</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>plik specjalny</translation>
    </message>
    <message>
        <source>The system reports: %1.</source>
        <translation>System zgłasza: %1.</translation>
    </message>
    <message>
        <source>The name contains %1 (shown as %2), perhaps pasted with it. A file name cannot hold line breaks, tabs or other control characters, so nothing was written. Please type the name on one line.</source>
        <translation>Nazwa zawiera %1 (widoczny jako %2), być może wklejony razem z nią. Nazwa pliku nie może zawierać znaków nowego wiersza, tabulacji ani innych znaków sterujących, więc nic nie zostało zapisane. Wpisz nazwę w jednym wierszu.</translation>
    </message>
    <message>
        <source>This name is a link to %1</source>
        <translation>Ta nazwa jest dowiązaniem wskazującym %1</translation>
    </message>
    <message>
        <source>This name is %1</source>
        <translation>Ta nazwa wskazuje %1</translation>
    </message>
    <message>
        <source>%1, not an ordinary file. The report is written only to ordinary files, so it was left untouched.</source>
        <translation>%1, a nie zwykły plik. Raport jest zapisywany tylko do zwykłych plików, więc niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>The game settings could not be written to &quot;%1&quot;.

%2</source>
        <translation>Nie udało się zapisać ustawień gry do pliku „%1”.

%2</translation>
    </message>
    <message>
        <source>The file is read-only, or you may not change it, so it was left as it was.</source>
        <translation>Plik jest tylko do odczytu albo nie możesz go zmieniać, więc pozostał bez zmian.</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::GameWindowHost</name>
    <message>
        <source>Your Screen Settings are not large enough to support the window size needed for these game settings

Please select fewer PCs or increase your screen resolution</source>
        <translation>Twój ekran jest za mały na okno, którego wymagają te ustawienia gry

Wybierz mniej komputerów albo zwiększ rozdzielczość ekranu</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::HelpWindow</name>
    <message>
        <source>Kestrelink® Connection Game Help -- How To Play</source>
        <translation>Kestrelink® Connection Game - pomoc -- Jak grać</translation>
    </message>
    <message>
        <source>How To Play The Kestrelink® Game</source>
        <translation>Jak grać w Kestrelink®</translation>
    </message>
    <message>
        <source>Visit our Website for the best in PC to PC Connection and Networking Products  %1</source>
        <translation>Odwiedź naszą stronę, a znajdziesz najlepsze produkty do łączenia komputerów i budowy sieci  %1</translation>
    </message>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation type="vanished">Śmiało -- Poznaj nasze świetne produkty do łączenia komputerów</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Close Help Window</source>
        <translation>Zamknij okno pomocy</translation>
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
        <translation>Witaj w grze Kestrelink® Connection Game firmy Orvane</translation>
    </message>
    <message>
        <source>This simple game can be lots of fun and you might find that it is more frustrating and harder than it first appears to be.</source>
        <translation>Ta prosta gra potrafi dać mnóstwo frajdy, ale może się okazać bardziej frustrująca i trudniejsza, niż się wydaje.</translation>
    </message>
    <message>
        <source>Careful ... Don&apos;t Have Too Much Fun With It !</source>
        <translation>Uwaga ... Nie baw się za dobrze!</translation>
    </message>
    <message>
        <source>The object of the game is to connect all of the PCs together as quickly as possible using the cables provided -- Note that to be connected correctly, each PC must be connected to (2) other PCs so that data can flow to ALL PCs.  Adding more PCs makes the game more difficult.  Setting fewer colors can make the game more difficult as well.  Setting Advanced hides cable connectors during play.</source>
        <translation>Celem gry jest jak najszybsze połączenie wszystkich komputerów dostępnymi kablami -- Aby połączenie było poprawne, każdy komputer musi być połączony z (2) innymi, tak by dane docierały do WSZYSTKICH.  Więcej komputerów utrudnia grę.  Mniej kolorów również.  Poziom Ekspert ukrywa wtyczki kabli podczas gry.</translation>
    </message>
    <message>
        <source>Visit Orvane&apos; Website for the best in PC to PC Connection and Networking Products ... %1</source>
        <translation>Odwiedź stronę firmy Orvane, a znajdziesz najlepsze produkty do łączenia komputerów i budowy sieci ... %1</translation>
    </message>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation type="vanished">Śmiało -- Poznaj nasze świetne produkty do łączenia komputerów</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>More help</source>
        <translation>Więcej pomocy</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Exit Kestrelink® Connection Game</source>
        <translation>Zakończ Kestrelink® Connection Game</translation>
    </message>
    <message>
        <source>Select Play or Experience Level</source>
        <translation>Wybierz poziom gry</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <source>Easier games</source>
        <translation>Łatwiejsze gry</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>More difficult games</source>
        <translation>Trudniejsze gry</translation>
    </message>
    <message>
        <source>Number of PCs to Connect</source>
        <translation>Liczba komputerów</translation>
    </message>
    <message>
        <source>Use Random Color Count</source>
        <translation>Losowe kolory</translation>
    </message>
    <message>
        <source>Play Now</source>
        <translation>Graj</translation>
    </message>
    <message>
        <source>Open Game Window and start game</source>
        <translation>Otwiera okno gry i zaczyna grę</translation>
    </message>
    <message>
        <source>You must quit the currently running Game Window in order to change the Game Settings

Do you want to close the current Game Window?

Press YES to close the current Game Window
Press NO to return to current Game Window
Press Cancel to just quite this dialog box</source>
        <translation>Aby zmienić ustawienia gry, musisz zamknąć otwarte okno gry

Czy zamknąć bieżące okno gry?

TAK zamyka bieżące okno gry
NIE wraca do bieżącego okna gry
Anuluj zamyka tylko to okno dialogowe</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game Info</source>
        <translation>Kestrelink® Connection Game - informacja</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::WebsiteButton</name>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation>Śmiało -- Poznaj nasze świetne produkty do łączenia komputerów</translation>
    </message>
</context>
</TS>
