<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CaptionFrame</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Connect all the PCs into one ring of cables, as fast as you can.</source>
        <translation>Reliez tous les PC en un seul anneau de câbles, le plus vite possible.</translation>
    </message>
    <message>
        <source>Show a symbol for its colour on every connector, for telling the colours apart.</source>
        <translation>Afficher sur chaque connecteur et chaque fiche un symbole de sa couleur, pour distinguer les couleurs.</translation>
    </message>
    <message>
        <source>Kestrelink needs a graphical desktop, and none was found.</source>
        <translation>Kestrelink a besoin d&apos;un environnement graphique, mais aucun n&apos;a été trouvé.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Kestrelink® Connection Game - Playing Window</source>
        <translation>Kestrelink® Connection Game - Fenêtre de jeu</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Voir la solution</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Quitter la partie</translation>
    </message>
    <message>
        <source>Creates new random connection game</source>
        <translation>Crée une nouvelle partie au hasard</translation>
    </message>
    <message>
        <source>Restarts current game</source>
        <translation>Recommence la partie en cours</translation>
    </message>
    <message>
        <source>Connect all and show the primary connection solution</source>
        <translation>Relie tout et montre la solution principale</translation>
    </message>
    <message>
        <source>More help</source>
        <translation>Plus d&apos;aide</translation>
    </message>
    <message>
        <source>Quit current game and close the Game Window</source>
        <translation>Quitte la partie en cours et ferme la fenêtre de jeu</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Heure actuelle</translation>
    </message>
    <message>
        <source>Current game start time</source>
        <translation>Heure de début de la partie</translation>
    </message>
    <message>
        <source>Time game was finished</source>
        <translation>Heure de fin de la partie</translation>
    </message>
    <message>
        <source>Elapsed game time</source>
        <translation>Durée de la partie</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Connect the PCs together using the cables so that all the PCs are connected and data can flow to all PCs -- Good Luck ... And don&apos;t have too much fun !!!</source>
        <translation>Reliez les PC avec les câbles de sorte qu&apos;ils soient tous connectés et que les données circulent jusqu&apos;à chacun d&apos;eux -- Bonne chance ... Et ne vous amusez pas trop !!!</translation>
    </message>
    <message>
        <source>                    Sorry <byte value="xd"/><byte value="xd"/>The PCs are not connected correctly</source>
        <translation>                        Désolé <byte value="xd"/><byte value="xd"/>Les PC ne sont pas bien connectés</translation>
    </message>
    <message>
        <source>             Congratulations !!!<byte value="xd"/><byte value="xd"/>You have correctly connected the PCs</source>
        <translation>              Félicitations !!!<byte value="xd"/><byte value="xd"/>Vous avez bien connecté les PC</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Visage souriant</translation>
    </message>
    <message>
        <source>Frowning face</source>
        <translation>Visage triste</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Heure actuelle</translation>
    </message>
    <message>
        <source>Starting time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Ending time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>LightBlue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>LightViolet</source>
        <translation>Violet clair</translation>
    </message>
    <message>
        <source>PC %1</source>
        <translation>PC %1</translation>
    </message>
    <message>
        <source>PC %1, connector %2</source>
        <translation>PC %1, connecteur %2</translation>
    </message>
    <message>
        <source>Cable connector %1</source>
        <translation>Fiche de câble %1</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation type="vanished">%1, libre</translation>
    </message>
    <message>
        <source>%1, holds cable connector %2</source>
        <translation type="vanished">%1, occupé par la fiche %2</translation>
    </message>
    <message>
        <source>Cable %1, %2, plugged into PC %3, connector %4</source>
        <translation type="vanished">Câble %1, %2, branché sur le PC %3, connecteur %4</translation>
    </message>
    <message>
        <source>Cable %1, covered, at home</source>
        <translation type="vanished">Câble %1, caché, à sa place de départ</translation>
    </message>
    <message>
        <source>Cable %1, %2, at home</source>
        <translation type="vanished">Câble %1, %2, à sa place de départ</translation>
    </message>
    <message>
        <source>%1, %2, free</source>
        <translation>%1, couleur %2, libre</translation>
    </message>
    <message>
        <source>%1, %2, holds cable connector %3</source>
        <translation>%1, couleur %2, occupé par la fiche %3</translation>
    </message>
    <message>
        <source>%1, %2, plugged into %3</source>
        <translation>%1, couleur %2, branchée sur le %3</translation>
    </message>
    <message>
        <source>%1, covered, at home</source>
        <translation>%1, cachée, à sa place de départ</translation>
    </message>
    <message>
        <source>%1, %2, at home</source>
        <translation>%1, couleur %2, à sa place de départ</translation>
    </message>
    <message>
        <source>Cable %1</source>
        <translation>Câble %1</translation>
    </message>
    <message>
        <source>Plug into PC %1, connector %2</source>
        <translation>Brancher sur le PC %1, connecteur %2</translation>
    </message>
    <message>
        <source>Unplug</source>
        <translation>Débrancher</translation>
    </message>
    <message>
        <source>Mark this cable</source>
        <translation>Marquer ce câble</translation>
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
        <translation>Alt+Q</translation>
    </message>
    <message>
        <source>Starting time %1</source>
        <translation>Heure de début %1</translation>
    </message>
    <message>
        <source>Ending time %1</source>
        <translation>Heure de fin %1</translation>
    </message>
    <message>
        <source>Elapsed time %1</source>
        <translation>Temps écoulé %1</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Main Start-up Window</source>
        <translation>Fenêtre d&apos;accueil</translation>
    </message>
    <message>
        <source>Select Beginner level of play to start -- Select Advanced to hide Cable </source>
        <translation>Choisissez le niveau Débutant pour commencer -- Le niveau Avancé cache </translation>
    </message>
    <message>
        <source>Connectors to make the game more difficult.</source>
        <translation>les fiches des câbles pour rendre le jeu plus difficile.</translation>
    </message>
    <message>
        <source>Set the &quot;Number of PCs to Connect&quot; using the scroll bar -- </source>
        <translation>Réglez le « Nombre de PC » avec la barre de défilement -- </translation>
    </message>
    <message>
        <source>Selecting more PCs to connect makes the game more difficult.</source>
        <translation>Plus il y a de PC à relier, plus le jeu est difficile.</translation>
    </message>
    <message>
        <source>Set the &quot;Number of Colors to use&quot; using the scroll bar -- </source>
        <translation>Réglez le « Nombre de couleurs » avec la barre de défilement -- </translation>
    </message>
    <message>
        <source>Selecting a different number of colors can make the game more difficult.</source>
        <translation>Changer le nombre de couleurs peut rendre le jeu plus difficile.</translation>
    </message>
    <message>
        <source>[Use Random Color Count] This option when checked causes the program</source>
        <translation>[Couleurs au hasard] Quand cette option est cochée, le programme tire</translation>
    </message>
    <message>
        <source>to create a random number of colors each time you press &quot;New Game&quot;.</source>
        <translation>au hasard le nombre de couleurs à chaque « Nouvelle partie ».</translation>
    </message>
    <message>
        <source>[Play Now] displays the Game Window and starts the game with the </source>
        <translation>[Jouer] ouvre la fenêtre de jeu et lance la partie avec les </translation>
    </message>
    <message>
        <source>selected parameters.</source>
        <translation>réglages choisis.</translation>
    </message>
    <message>
        <source>[Help] button displays this Help Window.</source>
        <translation>[Aide] affiche cette fenêtre d&apos;aide.</translation>
    </message>
    <message>
        <source>[Exit] button exits the Game.</source>
        <translation>[Quitter] ferme le jeu.</translation>
    </message>
    <message>
        <source>Game Window</source>
        <translation>Fenêtre de jeu</translation>
    </message>
    <message>
        <source>Drag a Cable Connector to a PC Connector to connect.</source>
        <translation>Faites glisser une fiche de câble sur un connecteur de PC pour la brancher.</translation>
    </message>
    <message>
        <source>Right-Mouse-Click on a Cable Connector or Drag the Cable Connector off </source>
        <translation>Pour débrancher une fiche, faites un clic droit dessus ou faites-la </translation>
    </message>
    <message>
        <source>the PC Connector to disconnect.</source>
        <translation>glisser hors du connecteur de PC.</translation>
    </message>
    <message>
        <source>If you incorrectly connect the PCs, the display will indicate this.</source>
        <translation>Si les PC sont mal reliés, le jeu vous le signale.</translation>
    </message>
    <message>
        <source>Click on the cables to toggle color to help find your errors.</source>
        <translation>Cliquez sur les câbles pour changer leur couleur et trouver vos erreurs.</translation>
    </message>
    <message>
        <source>[New Came] button creates new game with new randomized PC and </source>
        <translation>[Nouvelle partie] crée une nouvelle partie dont les connecteurs de PC et </translation>
    </message>
    <message>
        <source>Cable Connectors.</source>
        <translation>les fiches de câble sont tirés au hasard.</translation>
    </message>
    <message>
        <source>[Restart Game] button clears all connections and restarts current game.</source>
        <translation>[Rejouer] débranche tout et recommence la partie en cours.</translation>
    </message>
    <message>
        <source>[Show Solution] button shows a correct solution to connect all PCs </source>
        <translation>[Voir la solution] montre une solution qui relie tous les PC </translation>
    </message>
    <message>
        <source>correctly</source>
        <translation>correctement.</translation>
    </message>
    <message>
        <source>[Quit] button closes the Game Window.</source>
        <translation>[Quitter la partie] ferme la fenêtre de jeu.</translation>
    </message>
    <message>
        <source>[Elapsed Time] shows how long you have been playing a particular game.</source>
        <translation>[Temps écoulé] indique depuis combien de temps dure la partie.</translation>
    </message>
    <message>
        <source>(bottom timer on right) </source>
        <translation>(horloge en bas à droite) </translation>
    </message>
    <message>
        <source>[Game End Time] shows what time the game was finished.</source>
        <translation>[Heure de fin] indique l&apos;heure à laquelle la partie s&apos;est terminée.</translation>
    </message>
    <message>
        <source>(top timer on right) </source>
        <translation>(horloge en haut à droite) </translation>
    </message>
    <message>
        <source>[Current Time] shows the current time.</source>
        <translation>[Heure actuelle] indique l&apos;heure qu&apos;il est.</translation>
    </message>
    <message>
        <source>(top timer on left) </source>
        <translation>(horloge en haut à gauche) </translation>
    </message>
    <message>
        <source>[Start Time] shows the game start time.</source>
        <translation>[Heure de début] indique l&apos;heure à laquelle la partie a commencé.</translation>
    </message>
    <message>
        <source>(bottom timer on left) </source>
        <translation>(horloge en bas à gauche) </translation>
    </message>
    <message>
        <source>Good Luck ... And don&apos;t have too much fun !</source>
        <translation>Bonne chance ... Et ne vous amusez pas trop !</translation>
    </message>
    <message>
        <source>Visit our Website %1 for the best in PC to PC </source>
        <translation>Visitez notre site %1 pour le meilleur de la connexion </translation>
    </message>
    <message>
        <source>Connection and Networking Products.</source>
        <translation>de PC à PC et des produits réseau.</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game - Alpha Version 1.0 (3-18-2002)</source>
        <translation>Kestrelink® Connection Game - Version alpha 1.0 (18/03/2002)</translation>
    </message>
    <message>
        <source>Please send e-mail to %1 regarding any bugs</source>
        <translation>Écrivez-nous à %1 pour nous signaler les bogues</translation>
    </message>
    <message>
        <source>or problems you find as well as any suggestions you may have.</source>
        <translation>ou problèmes rencontrés, et pour nous faire part de vos suggestions.</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game V.1.0 Alpha 3-18-2002</source>
        <translation>Kestrelink® Connection Game V.1.0 Alpha 18/03/2002</translation>
    </message>
    <message>
        <source>Copyright © 2002 Orvane. All rights reserved.</source>
        <translation>Copyright © 2002 Orvane. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Kestrelink® is a registered trademark of Orvane.</source>
        <translation>Kestrelink® est une marque déposée d&apos;Orvane.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Two PCs joined by arrows</source>
        <translation>Deux PC reliés par des flèches</translation>
    </message>
</context>
<context>
    <name>MainStartupWindow</name>
    <message>
        <source>Number of PCs to Connect</source>
        <translation>Nombre de PC à relier</translation>
    </message>
    <message>
        <source>Number of Colors to use</source>
        <translation>Nombre de couleurs</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Kestrelink Game Settings Dump</source>
        <translation>Kestrelink - Enregistrer les réglages de la partie</translation>
    </message>
    <message>
        <source>Enter the filename you wish to use and Press the OK Button if you wish to dump the current game settings

Otherwise Press Cancel</source>
        <translation>Saisissez le nom de fichier voulu et appuyez sur OK pour enregistrer les réglages de la partie en cours

Sinon, appuyez sur Annuler</translation>
    </message>
    <message>
        <source>The disk is full. Make room on it, or choose another place, and try again.</source>
        <translation>Le disque est plein. Libérez de la place ou choisissez un autre emplacement, puis réessayez.</translation>
    </message>
    <message>
        <source>The disk is full for you: your disk quota is used up.</source>
        <translation>Le disque est plein pour vous : votre quota est épuisé.</translation>
    </message>
    <message>
        <source>The file would be larger than this disk or your account allows.</source>
        <translation>Le fichier dépasserait la taille que permettent ce disque ou votre compte.</translation>
    </message>
    <message>
        <source>You do not have permission to write there.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;écrire à cet endroit.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Le disque est en lecture seule.</translation>
    </message>
    <message>
        <source>The folder it should go in does not exist.</source>
        <translation>Le dossier qui doit l&apos;accueillir n&apos;existe pas.</translation>
    </message>
    <message>
        <source>A part of the name that should be a folder is not a folder.</source>
        <translation>Une partie du nom qui devrait être un dossier n&apos;en est pas un.</translation>
    </message>
    <message>
        <source>This is a folder, not a file. Give the name of a file inside it.</source>
        <translation>C&apos;est un dossier, pas un fichier. Indiquez le nom d&apos;un fichier dans ce dossier.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Le nom est trop long.</translation>
    </message>
    <message>
        <source>The name leads through too many links; a link may point back to itself.</source>
        <translation>Le nom passe par trop de liens ; un lien pointe peut-être vers lui-même.</translation>
    </message>
    <message>
        <source>The disk reported an error.</source>
        <translation>Le disque a signalé une erreur.</translation>
    </message>
    <message>
        <source>The file is in use by a running program.</source>
        <translation>Le fichier est utilisé par un programme en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>The file was changed by something else just now. Please try again.</source>
        <translation>Le fichier vient d&apos;être modifié par autre chose. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The name is a link the report cannot follow to its file.</source>
        <translation>Le nom est un lien que le rapport ne peut pas suivre jusqu&apos;à son fichier.</translation>
    </message>
    <message>
        <source>The name lies in a system area (such as /proc or /sys) whose files show and set the workings of the computer, not a place for a report. Nothing was written.</source>
        <translation>Le nom se trouve dans une zone système (comme /proc ou /sys) dont les fichiers montrent et règlent le fonctionnement de l&apos;ordinateur ; ce n&apos;est pas un endroit pour un rapport. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>une tabulation</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>un saut de ligne</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>un caractère de contrôle</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a pipe (FIFO)</source>
        <translation>un tube (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <source>The system reports: %1.</source>
        <translation>Le système signale : %1.</translation>
    </message>
    <message>
        <source>The name contains %1 (shown as %2), perhaps pasted with it. A file name cannot hold line breaks, tabs or other control characters, so nothing was written. Please type the name on one line.</source>
        <translation>Le nom contient %1 (à l&apos;écran : %2), peut-être à la suite d&apos;un copier-coller. Un nom de fichier ne peut contenir ni saut de ligne, ni tabulation, ni autre caractère de contrôle ; rien n&apos;a donc été écrit. Veuillez saisir le nom sur une seule ligne.</translation>
    </message>
    <message>
        <source>This name is a link to %1</source>
        <translation>Ce nom est un lien vers %1</translation>
    </message>
    <message>
        <source>This name is %1</source>
        <translation>Ce nom est %1</translation>
    </message>
    <message>
        <source>%1, not an ordinary file. The report is written only to ordinary files, so it was left untouched.</source>
        <translation>%1, pas un fichier ordinaire. Le rapport ne s&apos;écrit que dans des fichiers ordinaires ; rien n&apos;y a donc été touché.</translation>
    </message>
    <message>
        <source>The game settings could not be written to &quot;%1&quot;.

%2</source>
        <translation>Les réglages de la partie n&apos;ont pas pu être écrits dans « %1 ».

%2</translation>
    </message>
    <message>
        <source>The file is read-only, or you may not change it, so it was left as it was.</source>
        <translation>Le fichier est en lecture seule, ou vous ne pouvez pas le modifier ; il a été laissé tel quel.</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::GameWindowHost</name>
    <message>
        <source>Your Screen Settings are not large enough to support the window size needed for these game settings

Please select fewer PCs or increase your screen resolution</source>
        <translation>Votre écran n&apos;est pas assez grand pour la fenêtre qu&apos;exigent ces réglages

Choisissez moins de PC ou augmentez la résolution de l&apos;écran</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::HelpWindow</name>
    <message>
        <source>Kestrelink® Connection Game Help -- How To Play</source>
        <translation>Aide du Kestrelink® Connection Game -- Comment jouer</translation>
    </message>
    <message>
        <source>How To Play The Kestrelink® Game</source>
        <translation>Comment jouer au jeu Kestrelink®</translation>
    </message>
    <message>
        <source>Visit our Website for the best in PC to PC Connection and Networking Products  %1</source>
        <translation>Visitez notre site pour le meilleur de la connexion de PC à PC et des produits réseau  %1</translation>
    </message>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation type="vanished">Allez-y -- Découvrez nos excellents produits de connexion de PC à PC</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close Help Window</source>
        <translation>Fermer la fenêtre d&apos;aide</translation>
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
        <translation>Bienvenue dans le Kestrelink® Connection Game d&apos;Orvane</translation>
    </message>
    <message>
        <source>This simple game can be lots of fun and you might find that it is more frustrating and harder than it first appears to be.</source>
        <translation>Ce jeu tout simple peut être très amusant, et vous le trouverez peut-être plus agaçant et plus difficile qu&apos;il n&apos;y paraît.</translation>
    </message>
    <message>
        <source>Careful ... Don&apos;t Have Too Much Fun With It !</source>
        <translation>Attention ... Ne vous amusez pas trop !</translation>
    </message>
    <message>
        <source>The object of the game is to connect all of the PCs together as quickly as possible using the cables provided -- Note that to be connected correctly, each PC must be connected to (2) other PCs so that data can flow to ALL PCs.  Adding more PCs makes the game more difficult.  Setting fewer colors can make the game more difficult as well.  Setting Advanced hides cable connectors during play.</source>
        <translation>Le but du jeu est de relier tous les PC le plus vite possible avec les câbles fournis -- Pour être bien relié, chaque PC doit l&apos;être à (2) autres PC, afin que les données circulent jusqu&apos;à TOUS les PC.  Plus de PC rendent le jeu plus difficile.  Moins de couleurs aussi.  Le niveau Avancé cache les fiches des câbles pendant la partie.</translation>
    </message>
    <message>
        <source>Visit Orvane&apos; Website for the best in PC to PC Connection and Networking Products ... %1</source>
        <translation>Visitez le site d&apos;Orvane pour le meilleur de la connexion de PC à PC et des produits réseau ... %1</translation>
    </message>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation type="vanished">Allez-y -- Découvrez nos excellents produits de connexion de PC à PC</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>More help</source>
        <translation>Plus d&apos;aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Exit Kestrelink® Connection Game</source>
        <translation>Quitter le Kestrelink® Connection Game</translation>
    </message>
    <message>
        <source>Select Play or Experience Level</source>
        <translation>Choisissez votre niveau</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Easier games</source>
        <translation>Parties plus faciles</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>More difficult games</source>
        <translation>Parties plus difficiles</translation>
    </message>
    <message>
        <source>Number of PCs to Connect</source>
        <translation>Nombre de PC à relier</translation>
    </message>
    <message>
        <source>Use Random Color Count</source>
        <translation>Couleurs au hasard</translation>
    </message>
    <message>
        <source>Play Now</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Open Game Window and start game</source>
        <translation>Ouvre la fenêtre de jeu et lance la partie</translation>
    </message>
    <message>
        <source>You must quit the currently running Game Window in order to change the Game Settings

Do you want to close the current Game Window?

Press YES to close the current Game Window
Press NO to return to current Game Window
Press Cancel to just quite this dialog box</source>
        <translation>Pour changer les réglages, vous devez d&apos;abord quitter la fenêtre de jeu ouverte

Voulez-vous fermer la fenêtre de jeu en cours ?

OUI ferme la fenêtre de jeu en cours
NON revient à la fenêtre de jeu en cours
Annuler ferme simplement cette boîte de dialogue</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game Info</source>
        <translation>Kestrelink® Connection Game - Information</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::WebsiteButton</name>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation>Allez-y -- Découvrez nos excellents produits de connexion de PC à PC</translation>
    </message>
</context>
</TS>
