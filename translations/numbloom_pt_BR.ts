<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Format</name>
    <message>
        <source> sec</source>
        <translation> s</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Numbloom Help</source>
        <translation>Ajuda do Numbloom</translation>
    </message>
    <message>
        <source>Cannot find the help file:
%1</source>
        <translation>Não foi possível encontrar o arquivo de ajuda:
%1</translation>
    </message>
</context>
<context>
    <name>PracticeDrill</name>
    <message>
        <source>The clock is off.</source>
        <translation>O relógio está desligado.</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <comment>how long a drill has run</comment>
        <translation>%1 até agora</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing support (numbloom-print.so) is missing from the program&apos;s folder.</source>
        <translation>O módulo de impressão (numbloom-print.so) não está na pasta do programa.</translation>
    </message>
    <message>
        <source>Numbloom - free from Brightnook</source>
        <translation>Numbloom - um presente da Brightnook</translation>
    </message>
    <message>
        <source>Factor: Random</source>
        <translation>Tabuada: misturadas</translation>
    </message>
    <message>
        <source>Factor: </source>
        <translation>Tabuada: </translation>
    </message>
    <message>
        <source>, Maximum Multiplier: </source>
        <translation>, multiplicar até: </translation>
    </message>
    <message>
        <source>Problems on Worksheet:

Multiplication (x)
</source>
        <translation>Contas da folha:

Multiplicação (x)
</translation>
    </message>
    <message>
        <source>

Make sure printer is on-line and ready.</source>
        <translation>

A impressora deve estar ligada e pronta.</translation>
    </message>
    <message>
        <source>  Score______ Time_______</source>
        <translation>  Nota______ Tempo_______</translation>
    </message>
    <message>
        <source>Factor is </source>
        <translation>Tabuada do </translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>Não foi possível iniciar a impressão.</translation>
    </message>
    <message>
        <source>The page could not be finished.</source>
        <translation>Não foi possível concluir a página.</translation>
    </message>
    <message>
        <source>The printer %1 is not accepting jobs.</source>
        <translation>A impressora %1 não está aceitando trabalhos.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job.</source>
        <translation>A impressora %1 não aceitou o trabalho.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job: %2</source>
        <translation>A impressora %1 não aceitou o trabalho: %2</translation>
    </message>
    <message>
        <source>The print job on %1 failed and was given up.</source>
        <translation>A impressão em %1 falhou e foi abandonada.</translation>
    </message>
    <message>
        <source>The print job on %1 was cancelled.</source>
        <translation>A impressão em %1 foi cancelada.</translation>
    </message>
    <message>
        <source>The printer %1 is paused; the page waits in its queue until the printer is resumed.</source>
        <translation>A impressora %1 está em pausa; a página aguarda na fila até que a impressora seja retomada.</translation>
    </message>
    <message>
        <source>The page is held in the queue of %1 until it is released there.</source>
        <translation>A página está retida na fila de %1 até ser liberada lá.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>A impressora informou um erro.</translation>
    </message>
    <message>
        <source>No file could be written in %1.</source>
        <translation>Não foi possível gravar nenhum arquivo em %1.</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Não foi possível gravar o arquivo %1.</translation>
    </message>
    <message>
        <source>No default printer is set, so the page was saved as a PDF file you can print later:

%1

To print straight away next time, choose a default printer in the printer settings.</source>
        <translation>Nenhuma impressora padrão está definida, então a página foi salva como um arquivo PDF que você pode imprimir depois:

%1

Para imprimir direto da próxima vez, escolha uma impressora padrão nas configurações de impressora.</translation>
    </message>
    <message>
        <source>No printer is installed, so the page was saved as a PDF file you can print later:

%1</source>
        <translation>Nenhuma impressora está instalada, então a página foi salva como um arquivo PDF que você pode imprimir depois:

%1</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Nenhuma impressora disponível.</translation>
    </message>
    <message>
        <source>The page was not printed.

%1</source>
        <translation>A página não foi impressa.

%1</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimir folha</translation>
    </message>
    <message>
        <source>Numbloom Worksheet</source>
        <translation>Folha de exercícios do Numbloom</translation>
    </message>
    <message>
        <source>Numbloom Facts</source>
        <translation>Tabuada do Numbloom</translation>
    </message>
    <message>
        <source>My Facts (numbloom-facts.so) is missing from the program&apos;s folder.</source>
        <translation>O módulo “Minhas tabuadas” (numbloom-facts.so) não está na pasta do programa.</translation>
    </message>
    <message>
        <source>Factor: Tricky</source>
        <translation>Contas difíceis</translation>
    </message>
    <message>
        <source>Factor: Tricky (%1)</source>
        <translation>Contas difíceis (%1)</translation>
    </message>
    <message>
        <source>Also print the &amp;answers</source>
        <translation>Imprimir também as &amp;respostas</translation>
    </message>
    <message>
        <source>Tricky facts</source>
        <translation>Contas difíceis</translation>
    </message>
    <message>
        <source>Tricky facts of %1</source>
        <translation>Contas difíceis de %1</translation>
    </message>
    <message>
        <source>The next page could not be started.</source>
        <translation>Não foi possível começar a página seguinte.</translation>
    </message>
    <message>
        <source>Answers</source>
        <comment>the heading of a worksheet&apos;s answer page</comment>
        <translation>Respostas</translation>
    </message>
    <message>
        <source>Read aloud (numbloom-speech.so) is missing from the program&apos;s folder.</source>
        <translation>A leitura em voz alta (numbloom-speech.so) está faltando na pasta do programa.</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>Read aloud needs a voice. Please install the packages speech-dispatcher, speech-dispatcher-espeak-ng and qt6-speech-speechd-plugin.</source>
        <translation>A leitura em voz alta precisa de uma voz. Instale os pacotes speech-dispatcher, speech-dispatcher-espeak-ng e qt6-speech-speechd-plugin.</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>A name has 1 to %1 characters.</source>
        <translation>O nome deve ter de 1 a %1 caracteres.</translation>
    </message>
    <message>
        <source>There is already a child called %1.</source>
        <translation>Já existe uma criança chamada %1.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>não é possível gravar na pasta dele</translation>
    </message>
    <message>
        <source>its folder is missing and cannot be made</source>
        <translation>a pasta dele não existe e não pode ser criada</translation>
    </message>
    <message>
        <source>its permissions do not let Numbloom read it</source>
        <translation>as permissões dele não deixam o Numbloom lê-lo</translation>
    </message>
    <message>
        <source>something that is not a file has its name</source>
        <translation>algo que não é um arquivo tem o nome dele</translation>
    </message>
    <message>
        <source>another program or another computer is using it</source>
        <translation>outro programa ou outro computador está usando o arquivo</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>não há uma pasta pessoal para guardá-lo</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>ele está danificado</translation>
    </message>
    <message>
        <source>it was made by another program</source>
        <translation>ele foi criado por outro programa</translation>
    </message>
    <message>
        <source>it was written by a newer Numbloom</source>
        <translation>ele foi gravado por uma versão mais nova do Numbloom</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>não foi possível gravá-lo</translation>
    </message>
    <message>
        <source>Another computer is writing to the record.</source>
        <translation>Outro computador está gravando no registro.</translation>
    </message>
    <message>
        <source>The record could not be read.</source>
        <translation>Não foi possível ler o registro.</translation>
    </message>
    <message>
        <source>Child</source>
        <comment>a child&apos;s name used until the parent renames it</comment>
        <translation>Criança</translation>
    </message>
    <message>
        <source>The record could not be changed: %1.</source>
        <translation>Não foi possível alterar o registro: %1.</translation>
    </message>
    <message>
        <source>another program&apos;s file beside it would have changed it</source>
        <translation>um arquivo de outro programa ao lado dele o teria alterado</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>o arquivo é somente leitura</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>What is %1 times %2?</source>
        <comment>a problem read out; never the letter x</comment>
        <translation>Quanto é %1 vezes %2?</translation>
    </message>
    <message>
        <source>%1 times %2 is %3</source>
        <comment>a fact read out; never the letter x or =</comment>
        <translation>%1 vezes %2 são %3</translation>
    </message>
    <message>
        <source>Right.</source>
        <comment>said after a right answer</comment>
        <translation>Certo.</translation>
    </message>
    <message>
        <source>Not quite. %1.</source>
        <comment>said after a wrong answer, with the fact</comment>
        <translation>Quase. %1.</translation>
    </message>
    <message>
        <source>%1. You said %2. The right answer is %3.</source>
        <comment>a missed problem in the review</comment>
        <translation>%1. Você disse %2. A resposta certa é %3.</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <comment>a problem in the review</comment>
        <translation>%1 vezes %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>minutes, then seconds: 1 minute 30 seconds</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the time a count-down has left</comment>
        <translation>faltam %1</translation>
    </message>
    <message>
        <source>Your reward is a gold cup with stars.</source>
        <translation>Seu prêmio é uma taça de ouro com estrelas.</translation>
    </message>
    <message>
        <source>Your reward is a big smiling sun.</source>
        <translation>Seu prêmio é um sol grande e sorridente.</translation>
    </message>
    <message>
        <source>Your reward is a smiling flower.</source>
        <translation>Seu prêmio é uma flor sorridente.</translation>
    </message>
    <message>
        <source>Your reward is a rainbow. Keep going!</source>
        <translation>Seu prêmio é um arco-íris. Continue assim!</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>a length of time, read out</comment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>a length of time, read out</comment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>%L1 seconds</source>
        <comment>a time with decimals, read out: 1.05 seconds</comment>
        <translation>%L1 segundos</translation>
    </message>
</context>
<context>
    <name>SqliteRecord</name>
    <message>
        <source>The record of your children&apos;s answers could not be read, so a new one was started. The old file is kept, untouched, as:

%1</source>
        <translation>Não foi possível ler o registro das respostas das crianças, então um novo foi criado. O arquivo antigo foi mantido, intacto, como:

%1</translation>
    </message>
    <message>
        <source>This record was written by a newer version of Numbloom, so this one leaves it as it is and does not record answers. Update Numbloom to see it:
%1</source>
        <translation>Este registro foi gravado por uma versão mais nova do Numbloom, então esta versão o deixa como está e não registra respostas. Atualize o Numbloom para vê-lo:
%1</translation>
    </message>
    <message>
        <source>The file where Numbloom keeps your children&apos;s answers belongs to another program, so a new record was started. That file is kept, untouched, as:

%1</source>
        <translation>O arquivo onde o Numbloom guarda as respostas das crianças pertence a outro programa, então um novo registro foi criado. Esse arquivo foi mantido, intacto, como:

%1</translation>
    </message>
    <message>
        <source>Answers are not saved: the record of your children&apos;s answers could not be opened, because %1.</source>
        <translation>As respostas não estão sendo salvas: não foi possível abrir o registro das respostas das crianças, porque %1.</translation>
    </message>
    <message>
        <source>Answers are not saved: the record of your children&apos;s answers could not be opened, because %1. The file is left as it is:
%2</source>
        <translation>As respostas não estão sendo salvas: não foi possível abrir o registro das respostas das crianças, porque %1. O arquivo fica como está:
%2</translation>
    </message>
    <message>
        <source>Answers cannot be saved for now: %1. Practice goes on: the answers wait and are saved as soon as the record can be written, and everything saved before is safe.</source>
        <translation>Por enquanto, as respostas não podem ser salvas: %1. A prática continua: as respostas aguardam e serão salvas assim que o registro puder ser gravado, e tudo o que foi salvo antes está seguro.</translation>
    </message>
    <message>
        <source>The record could not be changed: %1.</source>
        <translation>Não foi possível alterar o registro: %1.</translation>
    </message>
    <message>
        <source>Another program&apos;s file was found beside the record of your children&apos;s answers, where it would have changed the record, so a new one was started. The record, with your children&apos;s earlier answers, is kept untouched together with that file (%2) as:

%1</source>
        <translation>Ao lado do registro das respostas das crianças havia um arquivo de outro programa que o teria alterado, então um novo registro foi criado. O registro, com as respostas anteriores das crianças, foi mantido intacto junto com esse arquivo (%2) como:

%1</translation>
    </message>
    <message>
        <source>%1 was removed in another window of Numbloom, so %2 practises now, and the answers given since are kept for %2.</source>
        <translation>O registro de %1 foi removido em outra janela do Numbloom, então agora quem pratica é %2, e as respostas dadas desde então são guardadas para %2.</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Problems Tried:</source>
        <translation>Contas feitas:</translation>
    </message>
    <message>
        <source>Problems Correct:</source>
        <translation>Contas certas:</translation>
    </message>
    <message>
        <source>Timer Off</source>
        <translation>Sem relógio</translation>
    </message>
    <message>
        <source>Elapsed Time: </source>
        <translation>Tempo gasto: </translation>
    </message>
    <message>
        <source>Time Per Problem: </source>
        <translation>Tempo por conta: </translation>
    </message>
    <message>
        <source> (%1%)</source>
        <comment>the share of right answers, after their count</comment>
        <translation> (%1%)</translation>
    </message>
    <message>
        <source>%1 right, %2 percent</source>
        <comment>how many were right, and their share</comment>
        <translation>%1 certas, %2 por cento</translation>
    </message>
    <message>
        <source>The clock was off</source>
        <translation>O relógio estava desligado</translation>
    </message>
    <message>
        <source>It took %1</source>
        <comment>the time a drill took, in words</comment>
        <translation>Levou %1</translation>
    </message>
    <message>
        <source>%1 a problem</source>
        <comment>the time for each problem, in words</comment>
        <translation>%1 por conta</translation>
    </message>
    <message numerus="yes">
        <source>%n problems tried</source>
        <comment>the results, read out</comment>
        <translation>
            <numerusform>%n conta feita</numerusform>
            <numerusform>%n contas feitas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Numbloom</source>
        <translation>Sobre o Numbloom</translation>
    </message>
    <message>
        <source>Numbloom comes to you free from Brightnook. Enjoy it, and share it with all of your friends! Visit our web site for more children&apos;s software and our programming tutorials. And if your child likes Numbloom, try Wordbloom, our spelling game, too!</source>
        <translation>O Numbloom é um presente da Brightnook. Divirta-se e compartilhe com todos os seus amigos! Visite nosso site para ver mais programas infantis e nossos tutoriais de programação. E se a criança gostar do Numbloom, experimente também o Wordbloom, nosso jogo de ortografia!</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Visit Brightnook&apos;s Web Site</source>
        <translation>&amp;Visitar o site da Brightnook</translation>
    </message>
    <message>
        <source>On-Line Access Error</source>
        <translation>Erro de acesso à internet</translation>
    </message>
    <message>
        <source>An error has occurred trying to go on-line. Try connecting to the internet in your usual manner and connect to:</source>
        <translation>Ocorreu um erro ao tentar se conectar à internet. Conecte-se à internet como de costume e acesse este endereço:</translation>
    </message>
</context>
<context>
    <name>frmFacts</name>
    <message>
        <source>My Facts</source>
        <translation>Minhas tabuadas</translation>
    </message>
    <message>
        <source>The record of answers is not open yet.</source>
        <translation>O registro das respostas ainda não está aberto.</translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation>&amp;Criança:</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Adicionar...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renomear...</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <translation>Re&amp;mover...</translation>
    </message>
    <message>
        <source>&amp;Known within:</source>
        <translation>A&amp;prendida em até:</translation>
    </message>
    <message>
        <source>no time limit</source>
        <translation>sem limite de tempo</translation>
    </message>
    <message>
        <source>Fact map</source>
        <translation>Mapa das contas</translation>
    </message>
    <message>
        <source>A row for each factor, a column for each first number</source>
        <translation>Uma linha para cada tabuada, uma coluna para cada primeiro número</translation>
    </message>
    <message>
        <source>Chosen fact</source>
        <translation>Conta escolhida</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totais</translation>
    </message>
    <message>
        <source>Facts known at the end of each day, the last 30 days</source>
        <translation>Contas aprendidas no fim de cada dia, nos últimos 30 dias</translation>
    </message>
    <message>
        <source>&amp;Print for the Parent</source>
        <translation>&amp;Imprimir para os pais</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>Salvar como C&amp;SV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>known</source>
        <translation>aprendida</translation>
    </message>
    <message>
        <source>getting there</source>
        <translation>quase lá</translation>
    </message>
    <message>
        <source>tricky</source>
        <translation>difícil</translation>
    </message>
    <message>
        <source>not yet tried</source>
        <translation>ainda não feita</translation>
    </message>
    <message>
        <source>Facts known at the end of each day</source>
        <translation>Contas aprendidas no fim de cada dia</translation>
    </message>
    <message>
        <source>%1: not yet tried</source>
        <translation>%1: ainda não feita</translation>
    </message>
    <message>
        <source>%1: %2, %3 right, last on %4 in %5 s</source>
        <translation>%1: %2, acertos: %3, última vez: %4, em %5 s</translation>
    </message>
    <message>
        <source>Add a Child</source>
        <translation>Adicionar criança</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Novo nome para %1:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>The trickiest facts</source>
        <translation>As contas mais difíceis</translation>
    </message>
    <message>
        <source>Numbloom - My Facts of %1</source>
        <translation>Numbloom - Minhas tabuadas de %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Salvar como CSV</translation>
    </message>
    <message>
        <source>%1 answers.csv</source>
        <translation>Respostas de %1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>the day of a fact&apos;s last answer, as QDate formats it</comment>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>the date on the parent&apos;s page, as QDate formats it</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>a choice of Known within</comment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 facts known</source>
        <comment>the totals below the map; %1 is all facts, 169</comment>
        <translation>
            <numerusform>Contas aprendidas: %n de %1</numerusform>
            <numerusform>Contas aprendidas: %n de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems answered</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n conta feita</numerusform>
            <numerusform>%n contas feitas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days practised</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n dia de prática</numerusform>
            <numerusform>%n dias de prática</numerusform>
        </translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a day on the chart&apos;s axis, as QDate formats it</comment>
        <translation>d MMM</translation>
    </message>
    <message numerus="yes">
        <source>%n tries</source>
        <comment>how often a fact was answered, in its story</comment>
        <translation>
            <numerusform>%n tentativa</numerusform>
            <numerusform>%n tentativas</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1? No answers are kept for them yet.</source>
        <translation>Remover %1? Ainda não há respostas guardadas.</translation>
    </message>
    <message numerus="yes">
        <source>Remove %1 and the %n answers kept for them? This cannot be undone.</source>
        <translation>
            <numerusform>Remover %1 e a %n resposta guardada? Isso não pode ser desfeito.</numerusform>
            <numerusform>Remover %1 e as %n respostas guardadas? Isso não pode ser desfeito.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 = %2: %n tries, %3 missed</source>
        <comment>a line of the trickiest facts on the parent&apos;s page</comment>
        <translation>
            <numerusform>%1 = %2: errou %3 de %n tentativa</numerusform>
            <numerusform>%1 = %2: errou %3 de %n tentativas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - My Facts - %2</source>
        <comment>the heading of the page printed for the parent: the child&apos;s name, the date</comment>
        <translation>%1 - Minhas tabuadas - %2</translation>
    </message>
    <message>
        <source>Rea&amp;d aloud</source>
        <translation>Ler em &amp;voz alta</translation>
    </message>
    <message>
        <source>%1 times %2, %3</source>
        <comment>a cell of the fact map, read out</comment>
        <translation>%1 vezes %2, %3</translation>
    </message>
    <message>
        <source>%1. Not yet tried.</source>
        <comment>a fact&apos;s story, read out</comment>
        <translation>%1. Ainda não feita.</translation>
    </message>
    <message>
        <source>%1. %2, %3 right, last on %4 in %5.</source>
        <comment>a fact&apos;s story, read out</comment>
        <translation>%1. %2, %3 certas, a última vez em %4 em %5.</translation>
    </message>
    <message>
        <source>Child, %1</source>
        <comment>the child box&apos;s label as a screen reader says it</comment>
        <translation>Criança, %1</translation>
    </message>
    <message>
        <source>Known within, %1</source>
        <comment>the time limit box&apos;s label as a screen reader says it</comment>
        <translation>Aprendida em até, %1</translation>
    </message>
    <message>
        <source>%1 was not saved, and the file of that name that was there is left as it was.

%2</source>
        <translation>%1 não foi salvo, e o arquivo que já tinha esse nome continua como estava.

%2</translation>
    </message>
    <message>
        <source>%1 was not saved.

%2</source>
        <translation>%1 não foi salvo.

%2</translation>
    </message>
    <message>
        <source>right within the time limit on the last two days it came up, and likely still right now</source>
        <translation>certa no tempo nos dois últimos dias em que apareceu, e provavelmente ainda certa agora</translation>
    </message>
    <message>
        <source>likely right now, but not yet right in time on two days</source>
        <translation>provavelmente certa agora, mas ainda não certa no tempo em dois dias</translation>
    </message>
    <message>
        <source>the last answer was wrong, or a wrong or slow answer is likely now</source>
        <translation>a última resposta estava errada, ou agora é provável uma resposta errada ou lenta</translation>
    </message>
    <message>
        <source>not met in a drill yet</source>
        <translation>ainda não apareceu num treino</translation>
    </message>
    <message numerus="yes">
        <source>%n getting there (%1 of them tricky now)</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n quase lá (%1 difíceis agora)</numerusform>
            <numerusform>%n quase lá (%1 difíceis agora)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n still to meet</source>
        <comment>the totals below the map: facts not met yet</comment>
        <translation>
            <numerusform>%n ainda por ver</numerusform>
            <numerusform>%n ainda por ver</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is tricky or getting there now.</source>
        <translation>Agora nada está difícil ou quase lá.</translation>
    </message>
</context>
<context>
    <name>frmHMath</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmTable</name>
    <message>
        <source>The settings could not be saved to
%1

%2</source>
        <translation>Não foi possível salvar as configurações em
%1

%2</translation>
    </message>
    <message>
        <source>Practice Numbloom</source>
        <translation>Praticar com Numbloom</translation>
    </message>
    <message>
        <source>Study Numbloom</source>
        <translation>Estudar com Numbloom</translation>
    </message>
    <message>
        <source>Stop Practice</source>
        <translation>Parar de praticar</translation>
    </message>
    <message>
        <source>Tried: </source>
        <translation>Contas: </translation>
    </message>
    <message>
        <source>Correct: </source>
        <translation>Certas: </translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Revisar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Your Answer:</source>
        <translation>Sua resposta:</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Certa:</translation>
    </message>
    <message>
        <source>Start Practice</source>
        <translation>Começar a praticar</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Estudar</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Praticar</translation>
    </message>
    <message>
        <source>Factor Value</source>
        <translation>Tabuada</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Misturar</translation>
    </message>
    <message>
        <source>Click Problem to See Picture</source>
        <translation>Clique na conta e veja o desenho</translation>
    </message>
    <message>
        <source>&amp;Print Facts</source>
        <translation>I&amp;mprimir</translation>
    </message>
    <message>
        <source>Maximum Multiplier</source>
        <translation>Multiplicar até</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Problems Tried: 123</source>
        <translation>Contas feitas: 123</translation>
    </message>
    <message>
        <source>Problems Correct: 123 (88%)</source>
        <translation>Contas certas: 123 (88%)</translation>
    </message>
    <message>
        <source>Elapsed Time: 20:22</source>
        <translation>Tempo gasto: 20:22</translation>
    </message>
    <message>
        <source>Time Per Problem: 10.22 sec</source>
        <translation>Tempo por conta: 10.22 seg</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Pró&amp;ximo</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Info?</source>
        <translation>&amp;Info?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Escolha</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimir folha</translation>
    </message>
    <message>
        <source>Timer Options</source>
        <translation>Relógio</translation>
    </message>
    <message>
        <source>Timer Off</source>
        <translation>Sem relógio</translation>
    </message>
    <message>
        <source>On-Count Up</source>
        <translation>Progressivo</translation>
    </message>
    <message>
        <source>On-Count Down</source>
        <translation>Regressivo</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>The settings could not be saved: the program&apos;s folder
%1
cannot be written, and there is no home folder to keep them in.</source>
        <translation>Não foi possível salvar as configurações: não é possível gravar na pasta do programa
%1
e não há uma pasta pessoal para guardá-las.</translation>
    </message>
    <message>
        <source>&amp;My Facts</source>
        <translation>Minhas &amp;tabuadas</translation>
    </message>
    <message>
        <source>Nothing is tricky yet.</source>
        <translation>Ainda não há nada difícil.</translation>
    </message>
    <message>
        <source>Tricky</source>
        <translation>Difíceis</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s) could not be saved: the record could not be written before Numbloom closed.</source>
        <translation>
            <numerusform>%n resposta não pôde ser salva: o registro não pôde ser gravado antes de o Numbloom fechar.</numerusform>
            <numerusform>%n respostas não puderam ser salvas: o registro não pôde ser gravado antes de o Numbloom fechar.</numerusform>
        </translation>
    </message>
    <message>
        <source>The answers that waited are saved now.</source>
        <translation>As respostas que aguardavam agora estão salvas.</translation>
    </message>
</context>
</TS>
