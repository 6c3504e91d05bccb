<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CaptionFrame</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Connect all the PCs into one ring of cables, as fast as you can.</source>
        <translation>Collega tutti i PC in un unico anello di cavi, il più in fretta possibile.</translation>
    </message>
    <message>
        <source>Show a symbol for its colour on every connector, for telling the colours apart.</source>
        <translation>Mostra su ogni presa e spina un simbolo del suo colore, per distinguere i colori.</translation>
    </message>
    <message>
        <source>Kestrelink needs a graphical desktop, and none was found.</source>
        <translation>Kestrelink ha bisogno di un ambiente grafico, ma non ne è stato trovato nessuno.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Kestrelink® Connection Game - Playing Window</source>
        <translation>Kestrelink® Connection Game - Finestra di gioco</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Mostra soluzione</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Creates new random connection game</source>
        <translation>Crea una nuova partita a caso</translation>
    </message>
    <message>
        <source>Restarts current game</source>
        <translation>Ricomincia la partita in corso</translation>
    </message>
    <message>
        <source>Connect all and show the primary connection solution</source>
        <translation>Collega tutto e mostra la soluzione principale</translation>
    </message>
    <message>
        <source>More help</source>
        <translation>Altro aiuto</translation>
    </message>
    <message>
        <source>Quit current game and close the Game Window</source>
        <translation>Esce dalla partita in corso e chiude la finestra di gioco</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Ora attuale</translation>
    </message>
    <message>
        <source>Current game start time</source>
        <translation>Ora di inizio della partita</translation>
    </message>
    <message>
        <source>Time game was finished</source>
        <translation>Ora in cui è finita la partita</translation>
    </message>
    <message>
        <source>Elapsed game time</source>
        <translation>Tempo di gioco trascorso</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>In corso</translation>
    </message>
    <message>
        <source>Connect the PCs together using the cables so that all the PCs are connected and data can flow to all PCs -- Good Luck ... And don&apos;t have too much fun !!!</source>
        <translation>Collega i PC con i cavi in modo che siano tutti connessi e che i dati arrivino a ogni PC -- Buona fortuna ... E non divertirti troppo!!!</translation>
    </message>
    <message>
        <source>                    Sorry <byte value="xd"/><byte value="xd"/>The PCs are not connected correctly</source>
        <translation>                          Peccato <byte value="xd"/><byte value="xd"/>I PC non sono collegati correttamente</translation>
    </message>
    <message>
        <source>             Congratulations !!!<byte value="xd"/><byte value="xd"/>You have correctly connected the PCs</source>
        <translation>               Complimenti!!!<byte value="xd"/><byte value="xd"/>Hai collegato correttamente i PC</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Faccina sorridente</translation>
    </message>
    <message>
        <source>Frowning face</source>
        <translation>Faccina triste</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Ora attuale</translation>
    </message>
    <message>
        <source>Starting time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>Ending time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Tempo trascorso</translation>
    </message>
    <message>
        <source>LightBlue</source>
        <translation>Azzurro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrone</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>LightViolet</source>
        <translation>Lilla</translation>
    </message>
    <message>
        <source>PC %1</source>
        <translation>PC %1</translation>
    </message>
    <message>
        <source>PC %1, connector %2</source>
        <translation>PC %1, presa %2</translation>
    </message>
    <message>
        <source>Cable connector %1</source>
        <translation>Spina del cavo %1</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation type="vanished">%1, libera</translation>
    </message>
    <message>
        <source>%1, holds cable connector %2</source>
        <translation type="vanished">%1, con la spina %2</translation>
    </message>
    <message>
        <source>Cable %1, %2, plugged into PC %3, connector %4</source>
        <translation type="vanished">Cavo %1, %2, inserito nel PC %3, presa %4</translation>
    </message>
    <message>
        <source>Cable %1, covered, at home</source>
        <translation type="vanished">Cavo %1, coperto, al suo posto</translation>
    </message>
    <message>
        <source>Cable %1, %2, at home</source>
        <translation type="vanished">Cavo %1, %2, al suo posto</translation>
    </message>
    <message>
        <source>%1, %2, free</source>
        <translation>%1, colore %2, libera</translation>
    </message>
    <message>
        <source>%1, %2, holds cable connector %3</source>
        <translation>%1, colore %2, con la spina %3</translation>
    </message>
    <message>
        <source>%1, %2, plugged into %3</source>
        <translation>%1, colore %2, inserita nel %3</translation>
    </message>
    <message>
        <source>%1, covered, at home</source>
        <translation>%1, coperta, al suo posto</translation>
    </message>
    <message>
        <source>%1, %2, at home</source>
        <translation>%1, colore %2, al suo posto</translation>
    </message>
    <message>
        <source>Cable %1</source>
        <translation>Cavo %1</translation>
    </message>
    <message>
        <source>Plug into PC %1, connector %2</source>
        <translation>Inserisci nel PC %1, presa %2</translation>
    </message>
    <message>
        <source>Unplug</source>
        <translation>Scollega</translation>
    </message>
    <message>
        <source>Mark this cable</source>
        <translation>Segna questo cavo</translation>
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
        <translation>Alt+M</translation>
    </message>
    <message>
        <source>Alt+H</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Alt+Q</source>
        <translation>Alt+E</translation>
    </message>
    <message>
        <source>Starting time %1</source>
        <translation>Ora di inizio %1</translation>
    </message>
    <message>
        <source>Ending time %1</source>
        <translation>Ora di fine %1</translation>
    </message>
    <message>
        <source>Elapsed time %1</source>
        <translation>Tempo trascorso %1</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Main Start-up Window</source>
        <translation>Finestra iniziale</translation>
    </message>
    <message>
        <source>Select Beginner level of play to start -- Select Advanced to hide Cable </source>
        <translation>Per cominciare scegli il livello Principiante -- Il livello Esperto nasconde le spine </translation>
    </message>
    <message>
        <source>Connectors to make the game more difficult.</source>
        <translation>dei cavi e rende il gioco più difficile.</translation>
    </message>
    <message>
        <source>Set the &quot;Number of PCs to Connect&quot; using the scroll bar -- </source>
        <translation>Imposta il «Numero di PC» con la barra di scorrimento -- </translation>
    </message>
    <message>
        <source>Selecting more PCs to connect makes the game more difficult.</source>
        <translation>Più PC ci sono da collegare, più il gioco è difficile.</translation>
    </message>
    <message>
        <source>Set the &quot;Number of Colors to use&quot; using the scroll bar -- </source>
        <translation>Imposta il «Numero di colori» con la barra di scorrimento -- </translation>
    </message>
    <message>
        <source>Selecting a different number of colors can make the game more difficult.</source>
        <translation>Cambiare il numero di colori può rendere il gioco più difficile.</translation>
    </message>
    <message>
        <source>[Use Random Color Count] This option when checked causes the program</source>
        <translation>[Colori a caso] Se questa opzione è selezionata, il programma sceglie</translation>
    </message>
    <message>
        <source>to create a random number of colors each time you press &quot;New Game&quot;.</source>
        <translation>un numero di colori a caso ogni volta che premi «Nuova partita».</translation>
    </message>
    <message>
        <source>[Play Now] displays the Game Window and starts the game with the </source>
        <translation>[Gioca] apre la finestra di gioco e avvia la partita con le </translation>
    </message>
    <message>
        <source>selected parameters.</source>
        <translation>impostazioni scelte.</translation>
    </message>
    <message>
        <source>[Help] button displays this Help Window.</source>
        <translation>[Aiuto] apre questa finestra di aiuto.</translation>
    </message>
    <message>
        <source>[Exit] button exits the Game.</source>
        <translation>[Esci] chiude il gioco.</translation>
    </message>
    <message>
        <source>Game Window</source>
        <translation>Finestra di gioco</translation>
    </message>
    <message>
        <source>Drag a Cable Connector to a PC Connector to connect.</source>
        <translation>Trascina la spina di un cavo su una presa di un PC per collegarla.</translation>
    </message>
    <message>
        <source>Right-Mouse-Click on a Cable Connector or Drag the Cable Connector off </source>
        <translation>Fai clic destro su una spina, oppure trascinala fuori dalla </translation>
    </message>
    <message>
        <source>the PC Connector to disconnect.</source>
        <translation>presa del PC, per scollegarla.</translation>
    </message>
    <message>
        <source>If you incorrectly connect the PCs, the display will indicate this.</source>
        <translation>Se i PC non sono collegati bene, il gioco te lo segnala.</translation>
    </message>
    <message>
        <source>Click on the cables to toggle color to help find your errors.</source>
        <translation>Fai clic sui cavi per cambiarne il colore e trovare gli errori.</translation>
    </message>
    <message>
        <source>[New Came] button creates new game with new randomized PC and </source>
        <translation>[Nuova partita] crea una nuova partita con prese dei PC e </translation>
    </message>
    <message>
        <source>Cable Connectors.</source>
        <translation>spine dei cavi mescolate a caso.</translation>
    </message>
    <message>
        <source>[Restart Game] button clears all connections and restarts current game.</source>
        <translation>[Riprova] scollega tutto e ricomincia la partita in corso.</translation>
    </message>
    <message>
        <source>[Show Solution] button shows a correct solution to connect all PCs </source>
        <translation>[Mostra soluzione] mostra una soluzione che collega tutti i PC </translation>
    </message>
    <message>
        <source>correctly</source>
        <translation>correttamente.</translation>
    </message>
    <message>
        <source>[Quit] button closes the Game Window.</source>
        <translation>[Esci] chiude la finestra di gioco.</translation>
    </message>
    <message>
        <source>[Elapsed Time] shows how long you have been playing a particular game.</source>
        <translation>[Tempo trascorso] indica da quanto tempo stai giocando questa partita.</translation>
    </message>
    <message>
        <source>(bottom timer on right) </source>
        <translation>(orologio in basso a destra) </translation>
    </message>
    <message>
        <source>[Game End Time] shows what time the game was finished.</source>
        <translation>[Ora di fine] indica a che ora è finita la partita.</translation>
    </message>
    <message>
        <source>(top timer on right) </source>
        <translation>(orologio in alto a destra) </translation>
    </message>
    <message>
        <source>[Current Time] shows the current time.</source>
        <translation>[Ora attuale] indica che ore sono.</translation>
    </message>
    <message>
        <source>(top timer on left) </source>
        <translation>(orologio in alto a sinistra) </translation>
    </message>
    <message>
        <source>[Start Time] shows the game start time.</source>
        <translation>[Ora di inizio] indica a che ora è iniziata la partita.</translation>
    </message>
    <message>
        <source>(bottom timer on left) </source>
        <translation>(orologio in basso a sinistra) </translation>
    </message>
    <message>
        <source>Good Luck ... And don&apos;t have too much fun !</source>
        <translation>Buona fortuna ... E non divertirti troppo!</translation>
    </message>
    <message>
        <source>Visit our Website %1 for the best in PC to PC </source>
        <translation>Visita il nostro sito %1 per il meglio dei </translation>
    </message>
    <message>
        <source>Connection and Networking Products.</source>
        <translation>prodotti di connessione da PC a PC e di rete.</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game - Alpha Version 1.0 (3-18-2002)</source>
        <translation>Kestrelink® Connection Game - Versione alfa 1.0 (18/3/2002)</translation>
    </message>
    <message>
        <source>Please send e-mail to %1 regarding any bugs</source>
        <translation>Scrivi a %1 per segnalarci errori</translation>
    </message>
    <message>
        <source>or problems you find as well as any suggestions you may have.</source>
        <translation>o problemi che trovi, e per mandarci i tuoi suggerimenti.</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game V.1.0 Alpha 3-18-2002</source>
        <translation>Kestrelink® Connection Game V.1.0 Alpha 18/3/2002</translation>
    </message>
    <message>
        <source>Copyright © 2002 Orvane. All rights reserved.</source>
        <translation>Copyright © 2002 Orvane. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Kestrelink® is a registered trademark of Orvane.</source>
        <translation>Kestrelink® è un marchio registrato di Orvane.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help text</source>
        <translation>Testo di aiuto</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Riconoscimenti</translation>
    </message>
    <message>
        <source>Two PCs joined by arrows</source>
        <translation>Due PC uniti da frecce</translation>
    </message>
</context>
<context>
    <name>MainStartupWindow</name>
    <message>
        <source>Number of PCs to Connect</source>
        <translation>Numero di PC</translation>
    </message>
    <message>
        <source>Number of Colors to use</source>
        <translation>Numero di colori</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Kestrelink Game Settings Dump</source>
        <translation>Kestrelink - Salva le impostazioni della partita</translation>
    </message>
    <message>
        <source>Enter the filename you wish to use and Press the OK Button if you wish to dump the current game settings

Otherwise Press Cancel</source>
        <translation>Scrivi il nome del file da usare e premi OK per salvare le impostazioni della partita in corso

Altrimenti premi Annulla</translation>
    </message>
    <message>
        <source>The disk is full. Make room on it, or choose another place, and try again.</source>
        <translation>Il disco è pieno. Libera spazio o scegli un altro posto, poi riprova.</translation>
    </message>
    <message>
        <source>The disk is full for you: your disk quota is used up.</source>
        <translation>Il disco è pieno per te: hai esaurito la tua quota di disco.</translation>
    </message>
    <message>
        <source>The file would be larger than this disk or your account allows.</source>
        <translation>Il file sarebbe più grande di quanto consentano questo disco o il tuo account.</translation>
    </message>
    <message>
        <source>You do not have permission to write there.</source>
        <translation>Non hai il permesso di scrivere lì.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Il disco è di sola lettura.</translation>
    </message>
    <message>
        <source>The folder it should go in does not exist.</source>
        <translation>La cartella in cui dovrebbe andare non esiste.</translation>
    </message>
    <message>
        <source>A part of the name that should be a folder is not a folder.</source>
        <translation>Una parte del nome che dovrebbe essere una cartella non è una cartella.</translation>
    </message>
    <message>
        <source>This is a folder, not a file. Give the name of a file inside it.</source>
        <translation>Questa è una cartella, non un file. Indica il nome di un file al suo interno.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Il nome è troppo lungo.</translation>
    </message>
    <message>
        <source>The name leads through too many links; a link may point back to itself.</source>
        <translation>Il nome passa per troppi collegamenti; forse un collegamento punta a se stesso.</translation>
    </message>
    <message>
        <source>The disk reported an error.</source>
        <translation>Il disco ha segnalato un errore.</translation>
    </message>
    <message>
        <source>The file is in use by a running program.</source>
        <translation>Il file è usato da un programma in esecuzione.</translation>
    </message>
    <message>
        <source>The file was changed by something else just now. Please try again.</source>
        <translation>Il file è appena stato modificato da qualcos&apos;altro. Riprova.</translation>
    </message>
    <message>
        <source>The name is a link the report cannot follow to its file.</source>
        <translation>Il nome è un collegamento che il resoconto non riesce a seguire fino al suo file.</translation>
    </message>
    <message>
        <source>The name lies in a system area (such as /proc or /sys) whose files show and set the workings of the computer, not a place for a report. Nothing was written.</source>
        <translation>Il nome si trova in un&apos;area di sistema (come /proc o /sys) i cui file mostrano e regolano il funzionamento del computer: non è un posto per un resoconto. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>una tabulazione</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>un a capo</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>un carattere di controllo</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a pipe (FIFO)</source>
        <translation>una pipe (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un file speciale</translation>
    </message>
    <message>
        <source>The system reports: %1.</source>
        <translation>Il sistema riporta: %1.</translation>
    </message>
    <message>
        <source>The name contains %1 (shown as %2), perhaps pasted with it. A file name cannot hold line breaks, tabs or other control characters, so nothing was written. Please type the name on one line.</source>
        <translation>Il nome contiene %1 (qui appare come %2), forse per un copia e incolla. Un nome di file non può contenere a capo, tabulazioni o altri caratteri di controllo, quindi non è stato scritto nulla. Scrivi il nome su una sola riga.</translation>
    </message>
    <message>
        <source>This name is a link to %1</source>
        <translation>Questo nome è un collegamento a %1</translation>
    </message>
    <message>
        <source>This name is %1</source>
        <translation>Questo nome è %1</translation>
    </message>
    <message>
        <source>%1, not an ordinary file. The report is written only to ordinary files, so it was left untouched.</source>
        <translation>%1, non un file normale. Il resoconto si scrive solo in file normali, quindi non è stato toccato nulla.</translation>
    </message>
    <message>
        <source>The game settings could not be written to &quot;%1&quot;.

%2</source>
        <translation>Non è stato possibile scrivere le impostazioni della partita in «%1».

%2</translation>
    </message>
    <message>
        <source>The file is read-only, or you may not change it, so it was left as it was.</source>
        <translation>Il file è di sola lettura, o non puoi modificarlo, quindi è stato lasciato com&apos;era.</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::GameWindowHost</name>
    <message>
        <source>Your Screen Settings are not large enough to support the window size needed for these game settings

Please select fewer PCs or increase your screen resolution</source>
        <translation>Lo schermo non è abbastanza grande per la finestra richiesta da queste impostazioni

Scegli meno PC o aumenta la risoluzione dello schermo</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::HelpWindow</name>
    <message>
        <source>Kestrelink® Connection Game Help -- How To Play</source>
        <translation>Guida di Kestrelink® Connection Game -- Come si gioca</translation>
    </message>
    <message>
        <source>How To Play The Kestrelink® Game</source>
        <translation>Come si gioca a Kestrelink®</translation>
    </message>
    <message>
        <source>Visit our Website for the best in PC to PC Connection and Networking Products  %1</source>
        <translation>Visita il nostro sito per il meglio dei prodotti di connessione da PC a PC e di rete  %1</translation>
    </message>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation type="vanished">Dai -- Scopri i nostri fantastici prodotti di connessione da PC a PC</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close Help Window</source>
        <translation>Chiudi la finestra di aiuto</translation>
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
        <translation>Benvenuto in Kestrelink® Connection Game di Orvane</translation>
    </message>
    <message>
        <source>This simple game can be lots of fun and you might find that it is more frustrating and harder than it first appears to be.</source>
        <translation>Questo semplice gioco può essere molto divertente, e potresti scoprire che è più frustrante e difficile di quanto sembri.</translation>
    </message>
    <message>
        <source>Careful ... Don&apos;t Have Too Much Fun With It !</source>
        <translation>Attenzione ... Non divertirti troppo!</translation>
    </message>
    <message>
        <source>The object of the game is to connect all of the PCs together as quickly as possible using the cables provided -- Note that to be connected correctly, each PC must be connected to (2) other PCs so that data can flow to ALL PCs.  Adding more PCs makes the game more difficult.  Setting fewer colors can make the game more difficult as well.  Setting Advanced hides cable connectors during play.</source>
        <translation>Lo scopo del gioco è collegare tutti i PC il più in fretta possibile con i cavi a disposizione -- Per essere collegato bene, ogni PC deve essere unito ad altri (2) PC, così che i dati arrivino a TUTTI i PC.  Più PC rendono il gioco più difficile.  Anche meno colori.  Il livello Esperto nasconde le spine dei cavi durante la partita.</translation>
    </message>
    <message>
        <source>Visit Orvane&apos; Website for the best in PC to PC Connection and Networking Products ... %1</source>
        <translation>Visita il sito di Orvane per il meglio dei prodotti di connessione da PC a PC e di rete ... %1</translation>
    </message>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation type="vanished">Dai -- Scopri i nostri fantastici prodotti di connessione da PC a PC</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>More help</source>
        <translation>Altro aiuto</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Exit Kestrelink® Connection Game</source>
        <translation>Esci da Kestrelink® Connection Game</translation>
    </message>
    <message>
        <source>Select Play or Experience Level</source>
        <translation>Scegli il livello di gioco</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Easier games</source>
        <translation>Partite più facili</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>More difficult games</source>
        <translation>Partite più difficili</translation>
    </message>
    <message>
        <source>Number of PCs to Connect</source>
        <translation>Numero di PC</translation>
    </message>
    <message>
        <source>Use Random Color Count</source>
        <translation>Colori a caso</translation>
    </message>
    <message>
        <source>Play Now</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Open Game Window and start game</source>
        <translation>Apre la finestra di gioco e avvia la partita</translation>
    </message>
    <message>
        <source>You must quit the currently running Game Window in order to change the Game Settings

Do you want to close the current Game Window?

Press YES to close the current Game Window
Press NO to return to current Game Window
Press Cancel to just quite this dialog box</source>
        <translation>Per cambiare le impostazioni di gioco devi chiudere la finestra di gioco aperta

Vuoi chiudere la finestra di gioco attuale?

SÌ chiude la finestra di gioco attuale
NO torna alla finestra di gioco attuale
Annulla chiude solo questa finestra di dialogo</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game Info</source>
        <translation>Kestrelink® Connection Game - Informazioni</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::WebsiteButton</name>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation>Dai -- Scopri i nostri fantastici prodotti di connessione da PC a PC</translation>
    </message>
</context>
</TS>
