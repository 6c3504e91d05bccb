<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CaptionFrame</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Connect all the PCs into one ring of cables, as fast as you can.</source>
        <translation>Ligue todos os PCs em um único anel de cabos, o mais rápido que puder.</translation>
    </message>
    <message>
        <source>Show a symbol for its colour on every connector, for telling the colours apart.</source>
        <translation>Mostra em cada conector e plugue um símbolo da sua cor, para distinguir as cores.</translation>
    </message>
    <message>
        <source>Kestrelink needs a graphical desktop, and none was found.</source>
        <translation>O Kestrelink precisa de um ambiente gráfico, mas nenhum foi encontrado.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Kestrelink® Connection Game - Playing Window</source>
        <translation>Kestrelink® Connection Game - Janela do jogo</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Ver solução</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Creates new random connection game</source>
        <translation>Cria um novo jogo aleatório</translation>
    </message>
    <message>
        <source>Restarts current game</source>
        <translation>Reinicia o jogo atual</translation>
    </message>
    <message>
        <source>Connect all and show the primary connection solution</source>
        <translation>Liga tudo e mostra a solução principal</translation>
    </message>
    <message>
        <source>More help</source>
        <translation>Mais ajuda</translation>
    </message>
    <message>
        <source>Quit current game and close the Game Window</source>
        <translation>Sai do jogo atual e fecha a janela do jogo</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Hora atual</translation>
    </message>
    <message>
        <source>Current game start time</source>
        <translation>Hora de início do jogo</translation>
    </message>
    <message>
        <source>Time game was finished</source>
        <translation>Hora em que o jogo terminou</translation>
    </message>
    <message>
        <source>Elapsed game time</source>
        <translation>Tempo de jogo decorrido</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Jogando</translation>
    </message>
    <message>
        <source>Connect the PCs together using the cables so that all the PCs are connected and data can flow to all PCs -- Good Luck ... And don&apos;t have too much fun !!!</source>
        <translation>Ligue os PCs com os cabos de modo que todos fiquem conectados e os dados cheguem a todos eles -- Boa sorte ... E não se divirta demais!!!</translation>
    </message>
    <message>
        <source>                    Sorry <byte value="xd"/><byte value="xd"/>The PCs are not connected correctly</source>
        <translation>                          Que pena <byte value="xd"/><byte value="xd"/>Os PCs não estão ligados corretamente</translation>
    </message>
    <message>
        <source>             Congratulations !!!<byte value="xd"/><byte value="xd"/>You have correctly connected the PCs</source>
        <translation>                  Parabéns!!!<byte value="xd"/><byte value="xd"/>Você ligou os PCs corretamente</translation>
    </message>
    <message>
        <source>Smiling face</source>
        <translation>Rosto sorridente</translation>
    </message>
    <message>
        <source>Frowning face</source>
        <translation>Rosto triste</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Current time</source>
        <translation>Hora atual</translation>
    </message>
    <message>
        <source>Starting time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>Ending time</source>
        <translation>Hora de término</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Tempo decorrido</translation>
    </message>
    <message>
        <source>LightBlue</source>
        <translation>Azul-claro</translation>
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
        <translation>Amarelo</translation>
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
        <translation>Branco</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrom</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>LightViolet</source>
        <translation>Violeta-claro</translation>
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
        <translation>Plugue de cabo %1</translation>
    </message>
    <message>
        <source>%1, free</source>
        <translation type="vanished">%1, livre</translation>
    </message>
    <message>
        <source>%1, holds cable connector %2</source>
        <translation type="vanished">%1, com o plugue %2</translation>
    </message>
    <message>
        <source>Cable %1, %2, plugged into PC %3, connector %4</source>
        <translation type="vanished">Cabo %1, %2, ligado ao PC %3, conector %4</translation>
    </message>
    <message>
        <source>Cable %1, covered, at home</source>
        <translation type="vanished">Cabo %1, coberto, na posição inicial</translation>
    </message>
    <message>
        <source>Cable %1, %2, at home</source>
        <translation type="vanished">Cabo %1, %2, na posição inicial</translation>
    </message>
    <message>
        <source>%1, %2, free</source>
        <translation>%1, %2, livre</translation>
    </message>
    <message>
        <source>%1, %2, holds cable connector %3</source>
        <translation>%1, %2, com o plugue %3</translation>
    </message>
    <message>
        <source>%1, %2, plugged into %3</source>
        <translation>%1, %2, ligado ao %3</translation>
    </message>
    <message>
        <source>%1, covered, at home</source>
        <translation>%1, coberto, na posição inicial</translation>
    </message>
    <message>
        <source>%1, %2, at home</source>
        <translation>%1, %2, na posição inicial</translation>
    </message>
    <message>
        <source>Cable %1</source>
        <translation>Cabo %1</translation>
    </message>
    <message>
        <source>Plug into PC %1, connector %2</source>
        <translation>Ligar ao PC %1, conector %2</translation>
    </message>
    <message>
        <source>Unplug</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Mark this cable</source>
        <translation>Marcar este cabo</translation>
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
        <translation>Hora de início %1</translation>
    </message>
    <message>
        <source>Ending time %1</source>
        <translation>Hora de término %1</translation>
    </message>
    <message>
        <source>Elapsed time %1</source>
        <translation>Tempo decorrido %1</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Main Start-up Window</source>
        <translation>Janela inicial</translation>
    </message>
    <message>
        <source>Select Beginner level of play to start -- Select Advanced to hide Cable </source>
        <translation>Para começar, escolha o nível Iniciante -- O nível Avançado esconde os plugues </translation>
    </message>
    <message>
        <source>Connectors to make the game more difficult.</source>
        <translation>dos cabos e deixa o jogo mais difícil.</translation>
    </message>
    <message>
        <source>Set the &quot;Number of PCs to Connect&quot; using the scroll bar -- </source>
        <translation>Ajuste o &quot;Número de PCs&quot; com a barra de rolagem -- </translation>
    </message>
    <message>
        <source>Selecting more PCs to connect makes the game more difficult.</source>
        <translation>Quanto mais PCs para ligar, mais difícil fica o jogo.</translation>
    </message>
    <message>
        <source>Set the &quot;Number of Colors to use&quot; using the scroll bar -- </source>
        <translation>Ajuste o &quot;Número de cores&quot; com a barra de rolagem -- </translation>
    </message>
    <message>
        <source>Selecting a different number of colors can make the game more difficult.</source>
        <translation>Mudar o número de cores pode deixar o jogo mais difícil.</translation>
    </message>
    <message>
        <source>[Use Random Color Count] This option when checked causes the program</source>
        <translation>[Cores aleatórias] Com esta opção marcada, o programa sorteia</translation>
    </message>
    <message>
        <source>to create a random number of colors each time you press &quot;New Game&quot;.</source>
        <translation>o número de cores toda vez que você clicar em &quot;Novo jogo&quot;.</translation>
    </message>
    <message>
        <source>[Play Now] displays the Game Window and starts the game with the </source>
        <translation>[Jogar] abre a janela do jogo e começa a partida com as </translation>
    </message>
    <message>
        <source>selected parameters.</source>
        <translation>opções escolhidas.</translation>
    </message>
    <message>
        <source>[Help] button displays this Help Window.</source>
        <translation>[Ajuda] abre esta janela de ajuda.</translation>
    </message>
    <message>
        <source>[Exit] button exits the Game.</source>
        <translation>[Sair] fecha o jogo.</translation>
    </message>
    <message>
        <source>Game Window</source>
        <translation>Janela do jogo</translation>
    </message>
    <message>
        <source>Drag a Cable Connector to a PC Connector to connect.</source>
        <translation>Arraste um plugue de cabo até um conector de PC para ligá-lo.</translation>
    </message>
    <message>
        <source>Right-Mouse-Click on a Cable Connector or Drag the Cable Connector off </source>
        <translation>Clique com o botão direito em um plugue, ou arraste-o para fora do </translation>
    </message>
    <message>
        <source>the PC Connector to disconnect.</source>
        <translation>conector do PC, para desligá-lo.</translation>
    </message>
    <message>
        <source>If you incorrectly connect the PCs, the display will indicate this.</source>
        <translation>Se os PCs estiverem ligados errado, o jogo vai mostrar.</translation>
    </message>
    <message>
        <source>Click on the cables to toggle color to help find your errors.</source>
        <translation>Clique nos cabos para trocar a cor deles e achar seus erros.</translation>
    </message>
    <message>
        <source>[New Came] button creates new game with new randomized PC and </source>
        <translation>[Novo jogo] cria um jogo novo, com conectores de PC e plugues </translation>
    </message>
    <message>
        <source>Cable Connectors.</source>
        <translation>de cabo sorteados de novo.</translation>
    </message>
    <message>
        <source>[Restart Game] button clears all connections and restarts current game.</source>
        <translation>[Reiniciar] desfaz todas as ligações e recomeça o jogo atual.</translation>
    </message>
    <message>
        <source>[Show Solution] button shows a correct solution to connect all PCs </source>
        <translation>[Ver solução] mostra uma solução que liga todos os PCs </translation>
    </message>
    <message>
        <source>correctly</source>
        <translation>corretamente.</translation>
    </message>
    <message>
        <source>[Quit] button closes the Game Window.</source>
        <translation>[Sair] fecha a janela do jogo.</translation>
    </message>
    <message>
        <source>[Elapsed Time] shows how long you have been playing a particular game.</source>
        <translation>[Tempo decorrido] mostra há quanto tempo você está jogando esta partida.</translation>
    </message>
    <message>
        <source>(bottom timer on right) </source>
        <translation>(relógio de baixo, à direita) </translation>
    </message>
    <message>
        <source>[Game End Time] shows what time the game was finished.</source>
        <translation>[Hora de término] mostra a que horas o jogo terminou.</translation>
    </message>
    <message>
        <source>(top timer on right) </source>
        <translation>(relógio de cima, à direita) </translation>
    </message>
    <message>
        <source>[Current Time] shows the current time.</source>
        <translation>[Hora atual] mostra que horas são.</translation>
    </message>
    <message>
        <source>(top timer on left) </source>
        <translation>(relógio de cima, à esquerda) </translation>
    </message>
    <message>
        <source>[Start Time] shows the game start time.</source>
        <translation>[Hora de início] mostra a que horas o jogo começou.</translation>
    </message>
    <message>
        <source>(bottom timer on left) </source>
        <translation>(relógio de baixo, à esquerda) </translation>
    </message>
    <message>
        <source>Good Luck ... And don&apos;t have too much fun !</source>
        <translation>Boa sorte ... E não se divirta demais!</translation>
    </message>
    <message>
        <source>Visit our Website %1 for the best in PC to PC </source>
        <translation>Visite nosso site %1 para o melhor em </translation>
    </message>
    <message>
        <source>Connection and Networking Products.</source>
        <translation>produtos de conexão de PC a PC e de redes.</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game - Alpha Version 1.0 (3-18-2002)</source>
        <translation>Kestrelink® Connection Game - Versão alfa 1.0 (18/03/2002)</translation>
    </message>
    <message>
        <source>Please send e-mail to %1 regarding any bugs</source>
        <translation>Mande um e-mail para %1 sobre qualquer erro</translation>
    </message>
    <message>
        <source>or problems you find as well as any suggestions you may have.</source>
        <translation>ou problema que encontrar, e também com suas sugestões.</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game V.1.0 Alpha 3-18-2002</source>
        <translation>Kestrelink® Connection Game V.1.0 Alfa 18/03/2002</translation>
    </message>
    <message>
        <source>Copyright © 2002 Orvane. All rights reserved.</source>
        <translation>Copyright © 2002 Orvane. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Kestrelink® is a registered trademark of Orvane.</source>
        <translation>Kestrelink® é uma marca registrada da Orvane.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help text</source>
        <translation>Texto de ajuda</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Two PCs joined by arrows</source>
        <translation>Dois PCs ligados por setas</translation>
    </message>
</context>
<context>
    <name>MainStartupWindow</name>
    <message>
        <source>Number of PCs to Connect</source>
        <translation>Número de PCs</translation>
    </message>
    <message>
        <source>Number of Colors to use</source>
        <translation>Número de cores</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Kestrelink Game Settings Dump</source>
        <translation>Kestrelink - Salvar as configurações do jogo</translation>
    </message>
    <message>
        <source>Enter the filename you wish to use and Press the OK Button if you wish to dump the current game settings

Otherwise Press Cancel</source>
        <translation>Digite o nome do arquivo que deseja usar e clique em OK para salvar as configurações do jogo atual

Caso contrário, clique em Cancelar</translation>
    </message>
    <message>
        <source>The disk is full. Make room on it, or choose another place, and try again.</source>
        <translation>O disco está cheio. Libere espaço nele ou escolha outro lugar e tente de novo.</translation>
    </message>
    <message>
        <source>The disk is full for you: your disk quota is used up.</source>
        <translation>O disco está cheio para você: sua cota de disco acabou.</translation>
    </message>
    <message>
        <source>The file would be larger than this disk or your account allows.</source>
        <translation>O arquivo ficaria maior do que este disco ou sua conta permitem.</translation>
    </message>
    <message>
        <source>You do not have permission to write there.</source>
        <translation>Você não tem permissão para gravar aí.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>O disco é somente leitura.</translation>
    </message>
    <message>
        <source>The folder it should go in does not exist.</source>
        <translation>A pasta onde ele deveria ficar não existe.</translation>
    </message>
    <message>
        <source>A part of the name that should be a folder is not a folder.</source>
        <translation>Uma parte do nome que deveria ser uma pasta não é uma pasta.</translation>
    </message>
    <message>
        <source>This is a folder, not a file. Give the name of a file inside it.</source>
        <translation>Isto é uma pasta, não um arquivo. Informe o nome de um arquivo dentro dela.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>O nome é longo demais.</translation>
    </message>
    <message>
        <source>The name leads through too many links; a link may point back to itself.</source>
        <translation>O nome passa por links demais; talvez um link aponte para si mesmo.</translation>
    </message>
    <message>
        <source>The disk reported an error.</source>
        <translation>O disco informou um erro.</translation>
    </message>
    <message>
        <source>The file is in use by a running program.</source>
        <translation>O arquivo está em uso por um programa em execução.</translation>
    </message>
    <message>
        <source>The file was changed by something else just now. Please try again.</source>
        <translation>Algo acabou de alterar o arquivo. Tente de novo.</translation>
    </message>
    <message>
        <source>The name is a link the report cannot follow to its file.</source>
        <translation>O nome é um link que o relatório não consegue seguir até o arquivo.</translation>
    </message>
    <message>
        <source>The name lies in a system area (such as /proc or /sys) whose files show and set the workings of the computer, not a place for a report. Nothing was written.</source>
        <translation>O nome fica em uma área do sistema (como /proc ou /sys) cujos arquivos mostram e ajustam o funcionamento do computador; não é lugar para um relatório. Nada foi gravado.</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>uma tabulação</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>uma quebra de linha</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>um caractere de controle</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>um dispositivo</translation>
    </message>
    <message>
        <source>a pipe (FIFO)</source>
        <translation>um pipe (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>um arquivo especial</translation>
    </message>
    <message>
        <source>The system reports: %1.</source>
        <translation>O sistema informa: %1.</translation>
    </message>
    <message>
        <source>The name contains %1 (shown as %2), perhaps pasted with it. A file name cannot hold line breaks, tabs or other control characters, so nothing was written. Please type the name on one line.</source>
        <translation>O nome contém %1 (que aparece como %2), talvez vindo de algo colado. Um nome de arquivo não pode ter quebras de linha, tabulações nem outros caracteres de controle, por isso nada foi gravado. Digite o nome em uma única linha.</translation>
    </message>
    <message>
        <source>This name is a link to %1</source>
        <translation>Este nome é um link para %1</translation>
    </message>
    <message>
        <source>This name is %1</source>
        <translation>Este nome é %1</translation>
    </message>
    <message>
        <source>%1, not an ordinary file. The report is written only to ordinary files, so it was left untouched.</source>
        <translation>%1, não um arquivo comum. O relatório só é gravado em arquivos comuns, por isso nada foi alterado.</translation>
    </message>
    <message>
        <source>The game settings could not be written to &quot;%1&quot;.

%2</source>
        <translation>Não foi possível gravar as configurações do jogo em &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>The file is read-only, or you may not change it, so it was left as it was.</source>
        <translation>O arquivo é somente leitura, ou você não pode alterá-lo, por isso ele ficou como estava.</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::GameWindowHost</name>
    <message>
        <source>Your Screen Settings are not large enough to support the window size needed for these game settings

Please select fewer PCs or increase your screen resolution</source>
        <translation>Sua tela não é grande o bastante para a janela que estas configurações exigem

Escolha menos PCs ou aumente a resolução da tela</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::HelpWindow</name>
    <message>
        <source>Kestrelink® Connection Game Help -- How To Play</source>
        <translation>Ajuda do Kestrelink® Connection Game -- Como jogar</translation>
    </message>
    <message>
        <source>How To Play The Kestrelink® Game</source>
        <translation>Como jogar Kestrelink®</translation>
    </message>
    <message>
        <source>Visit our Website for the best in PC to PC Connection and Networking Products  %1</source>
        <translation>Visite nosso site para o melhor em produtos de conexão de PC a PC e de redes  %1</translation>
    </message>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation type="vanished">Vá em frente -- Conheça nossos ótimos produtos de conexão de PC a PC</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close Help Window</source>
        <translation>Fechar a janela de ajuda</translation>
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
        <translation>Bem-vindo ao Kestrelink® Connection Game da Orvane</translation>
    </message>
    <message>
        <source>This simple game can be lots of fun and you might find that it is more frustrating and harder than it first appears to be.</source>
        <translation>Este jogo simples pode ser muito divertido, e talvez você descubra que ele é mais frustrante e difícil do que parece.</translation>
    </message>
    <message>
        <source>Careful ... Don&apos;t Have Too Much Fun With It !</source>
        <translation>Cuidado ... Não se divirta demais!</translation>
    </message>
    <message>
        <source>The object of the game is to connect all of the PCs together as quickly as possible using the cables provided -- Note that to be connected correctly, each PC must be connected to (2) other PCs so that data can flow to ALL PCs.  Adding more PCs makes the game more difficult.  Setting fewer colors can make the game more difficult as well.  Setting Advanced hides cable connectors during play.</source>
        <translation>O objetivo do jogo é ligar todos os PCs o mais rápido possível com os cabos disponíveis -- Para estar ligado corretamente, cada PC precisa estar conectado a (2) outros PCs, para que os dados cheguem a TODOS os PCs.  Mais PCs deixam o jogo mais difícil.  Menos cores também.  O nível Avançado esconde os plugues durante o jogo.</translation>
    </message>
    <message>
        <source>Visit Orvane&apos; Website for the best in PC to PC Connection and Networking Products ... %1</source>
        <translation>Visite o site da Orvane para o melhor em produtos de conexão de PC a PC e de redes ... %1</translation>
    </message>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation type="vanished">Vá em frente -- Conheça nossos ótimos produtos de conexão de PC a PC</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>More help</source>
        <translation>Mais ajuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Exit Kestrelink® Connection Game</source>
        <translation>Sair do Kestrelink® Connection Game</translation>
    </message>
    <message>
        <source>Select Play or Experience Level</source>
        <translation>Escolha o nível de jogo</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>Easier games</source>
        <translation>Jogos mais fáceis</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>More difficult games</source>
        <translation>Jogos mais difíceis</translation>
    </message>
    <message>
        <source>Number of PCs to Connect</source>
        <translation>Número de PCs</translation>
    </message>
    <message>
        <source>Use Random Color Count</source>
        <translation>Cores aleatórias</translation>
    </message>
    <message>
        <source>Play Now</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Open Game Window and start game</source>
        <translation>Abre a janela do jogo e começa a partida</translation>
    </message>
    <message>
        <source>You must quit the currently running Game Window in order to change the Game Settings

Do you want to close the current Game Window?

Press YES to close the current Game Window
Press NO to return to current Game Window
Press Cancel to just quite this dialog box</source>
        <translation>Para mudar as configurações do jogo, você precisa fechar a janela do jogo aberta

Deseja fechar a janela do jogo atual?

SIM fecha a janela do jogo atual
NÃO volta para a janela do jogo atual
Cancelar apenas fecha esta caixa de diálogo</translation>
    </message>
    <message>
        <source>Kestrelink® Connection Game Info</source>
        <translation>Kestrelink® Connection Game - Informação</translation>
    </message>
</context>
<context>
    <name>kestrelink::ui::WebsiteButton</name>
    <message>
        <source>Go ahead -- Check out our great PC to PC Connection Products</source>
        <translation>Vá em frente -- Conheça nossos ótimos produtos de conexão de PC a PC</translation>
    </message>
</context>
</TS>
