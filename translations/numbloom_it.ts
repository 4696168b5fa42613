<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>Guida di Numbloom</translation>
    </message>
    <message>
        <source>Cannot find the help file:
%1</source>
        <translation>Impossibile trovare il file della guida:
%1</translation>
    </message>
</context>
<context>
    <name>PracticeDrill</name>
    <message>
        <source>The clock is off.</source>
        <translation>L&apos;orologio è spento.</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <comment>how long a drill has run</comment>
        <translation>%1 finora</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing support (numbloom-print.so) is missing from the program&apos;s folder.</source>
        <translation>Il modulo di stampa (numbloom-print.so) manca nella cartella del programma.</translation>
    </message>
    <message>
        <source>Numbloom - free from Brightnook</source>
        <translation>Numbloom - offerto gratis da Brightnook</translation>
    </message>
    <message>
        <source>Factor: Random</source>
        <translation>Tabellina: a caso</translation>
    </message>
    <message>
        <source>Factor: </source>
        <translation>Tabellina: </translation>
    </message>
    <message>
        <source>, Maximum Multiplier: </source>
        <translation>, moltiplica fino a: </translation>
    </message>
    <message>
        <source>Problems on Worksheet:

Multiplication (x)
</source>
        <translation>Operazioni sulla scheda:

Moltiplicazione (x)
</translation>
    </message>
    <message>
        <source>

Make sure printer is on-line and ready.</source>
        <translation>

La stampante deve essere accesa e pronta.</translation>
    </message>
    <message>
        <source>  Score______ Time_______</source>
        <translation>  Punti______ Tempo_______</translation>
    </message>
    <message>
        <source>Factor is </source>
        <translation>Tabellina: </translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>Impossibile avviare la stampa.</translation>
    </message>
    <message>
        <source>The page could not be finished.</source>
        <translation>Impossibile completare la pagina.</translation>
    </message>
    <message>
        <source>The printer %1 is not accepting jobs.</source>
        <translation>La stampante %1 non accetta lavori.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job.</source>
        <translation>La stampante %1 non ha accettato il lavoro.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job: %2</source>
        <translation>La stampante %1 non ha accettato il lavoro: %2</translation>
    </message>
    <message>
        <source>The print job on %1 failed and was given up.</source>
        <translation>La stampa su %1 non è riuscita ed è stata abbandonata.</translation>
    </message>
    <message>
        <source>The print job on %1 was cancelled.</source>
        <translation>La stampa su %1 è stata annullata.</translation>
    </message>
    <message>
        <source>The printer %1 is paused; the page waits in its queue until the printer is resumed.</source>
        <translation>La stampante %1 è in pausa; la pagina resta in coda finché la stampante non riprende.</translation>
    </message>
    <message>
        <source>The page is held in the queue of %1 until it is released there.</source>
        <translation>La pagina è trattenuta nella coda di %1 finché non viene rilasciata.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>La stampante ha segnalato un errore.</translation>
    </message>
    <message>
        <source>No file could be written in %1.</source>
        <translation>Impossibile scrivere un file in %1.</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Impossibile scrivere il file %1.</translation>
    </message>
    <message>
        <source>No default printer is set, so the page was saved as a PDF file you can print later:

%1

To print straight away next time, choose a default printer in the printer settings.</source>
        <translation>Non è impostata una stampante predefinita, quindi la pagina è stata salvata come file PDF da stampare in seguito:

%1

Per stampare subito la prossima volta, scegliere una stampante predefinita nelle impostazioni delle stampanti.</translation>
    </message>
    <message>
        <source>No printer is installed, so the page was saved as a PDF file you can print later:

%1</source>
        <translation>Non è installata alcuna stampante, quindi la pagina è stata salvata come file PDF da stampare in seguito:

%1</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Nessuna stampante disponibile.</translation>
    </message>
    <message>
        <source>The page was not printed.

%1</source>
        <translation>La pagina non è stata stampata.

%1</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Stampa scheda</translation>
    </message>
    <message>
        <source>Numbloom Worksheet</source>
        <translation>Scheda di esercizi Numbloom</translation>
    </message>
    <message>
        <source>Numbloom Facts</source>
        <translation>Tabellina Numbloom</translation>
    </message>
    <message>
        <source>My Facts (numbloom-facts.so) is missing from the program&apos;s folder.</source>
        <translation>Il modulo «Le mie tabelline» (numbloom-facts.so) manca nella cartella del programma.</translation>
    </message>
    <message>
        <source>Factor: Tricky</source>
        <translation>Operazioni difficili</translation>
    </message>
    <message>
        <source>Factor: Tricky (%1)</source>
        <translation>Operazioni difficili (%1)</translation>
    </message>
    <message>
        <source>Also print the &amp;answers</source>
        <translation>Stampa anche le &amp;soluzioni</translation>
    </message>
    <message>
        <source>Tricky facts</source>
        <translation>Operazioni difficili</translation>
    </message>
    <message>
        <source>Tricky facts of %1</source>
        <translation>Operazioni difficili di %1</translation>
    </message>
    <message>
        <source>The next page could not be started.</source>
        <translation>Non è stato possibile iniziare la pagina successiva.</translation>
    </message>
    <message>
        <source>Answers</source>
        <comment>the heading of a worksheet&apos;s answer page</comment>
        <translation>Soluzioni</translation>
    </message>
    <message>
        <source>Read aloud (numbloom-speech.so) is missing from the program&apos;s folder.</source>
        <translation>La lettura ad alta voce (numbloom-speech.so) manca nella cartella del programma.</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>Read aloud needs a voice. Please install the packages speech-dispatcher, speech-dispatcher-espeak-ng and qt6-speech-speechd-plugin.</source>
        <translation>La lettura ad alta voce ha bisogno di una voce. Installare i pacchetti speech-dispatcher, speech-dispatcher-espeak-ng e qt6-speech-speechd-plugin.</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>A name has 1 to %1 characters.</source>
        <translation>Il nome deve avere da 1 a %1 caratteri.</translation>
    </message>
    <message>
        <source>There is already a child called %1.</source>
        <translation>C&apos;è già qualcuno che si chiama %1.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>non si può scrivere nella sua cartella</translation>
    </message>
    <message>
        <source>its folder is missing and cannot be made</source>
        <translation>la sua cartella non esiste e non si può creare</translation>
    </message>
    <message>
        <source>its permissions do not let Numbloom read it</source>
        <translation>i suoi permessi non consentono a Numbloom di leggerlo</translation>
    </message>
    <message>
        <source>something that is not a file has its name</source>
        <translation>qualcosa che non è un file ha il suo nome</translation>
    </message>
    <message>
        <source>another program or another computer is using it</source>
        <translation>un altro programma o un altro computer lo sta usando</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>non c&apos;è una cartella personale in cui tenerlo</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>è danneggiato</translation>
    </message>
    <message>
        <source>it was made by another program</source>
        <translation>è stato creato da un altro programma</translation>
    </message>
    <message>
        <source>it was written by a newer Numbloom</source>
        <translation>è stato scritto da una versione più recente di Numbloom</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>non è stato possibile scriverlo</translation>
    </message>
    <message>
        <source>Another computer is writing to the record.</source>
        <translation>Un altro computer sta scrivendo nell&apos;archivio.</translation>
    </message>
    <message>
        <source>The record could not be read.</source>
        <translation>Impossibile leggere l&apos;archivio.</translation>
    </message>
    <message>
        <source>Child</source>
        <comment>a child&apos;s name used until the parent renames it</comment>
        <translation>Bambino/a</translation>
    </message>
    <message>
        <source>The record could not be changed: %1.</source>
        <translation>Impossibile modificare l&apos;archivio: %1.</translation>
    </message>
    <message>
        <source>another program&apos;s file beside it would have changed it</source>
        <translation>un file di un altro programma accanto l&apos;avrebbe modificato</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>What is %1 times %2?</source>
        <comment>a problem read out; never the letter x</comment>
        <translation>Quanto fa %1 per %2?</translation>
    </message>
    <message>
        <source>%1 times %2 is %3</source>
        <comment>a fact read out; never the letter x or =</comment>
        <translation>%1 per %2 fa %3</translation>
    </message>
    <message>
        <source>Right.</source>
        <comment>said after a right answer</comment>
        <translation>Giusto.</translation>
    </message>
    <message>
        <source>Not quite. %1.</source>
        <comment>said after a wrong answer, with the fact</comment>
        <translation>Quasi. %1.</translation>
    </message>
    <message>
        <source>%1. You said %2. The right answer is %3.</source>
        <comment>a missed problem in the review</comment>
        <translation>%1. Hai detto %2. La risposta giusta è %3.</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <comment>a problem in the review</comment>
        <translation>%1 per %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>minutes, then seconds: 1 minute 30 seconds</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the time a count-down has left</comment>
        <translation>mancano %1</translation>
    </message>
    <message>
        <source>Your reward is a gold cup with stars.</source>
        <translation>Il tuo premio è una coppa d&apos;oro con le stelle.</translation>
    </message>
    <message>
        <source>Your reward is a big smiling sun.</source>
        <translation>Il tuo premio è un grande sole sorridente.</translation>
    </message>
    <message>
        <source>Your reward is a smiling flower.</source>
        <translation>Il tuo premio è un fiore sorridente.</translation>
    </message>
    <message>
        <source>Your reward is a rainbow. Keep going!</source>
        <translation>Il tuo premio è un arcobaleno. Continua così!</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>a length of time, read out</comment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>a length of time, read out</comment>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>%L1 seconds</source>
        <comment>a time with decimals, read out: 1.05 seconds</comment>
        <translation>%L1 secondi</translation>
    </message>
</context>
<context>
    <name>SqliteRecord</name>
    <message>
        <source>The record of your children&apos;s answers could not be read, so a new one was started. The old file is kept, untouched, as:

%1</source>
        <translation>Impossibile leggere l&apos;archivio delle risposte dei bambini, quindi ne è stato creato uno nuovo. Il vecchio file è conservato, intatto, come:

%1</translation>
    </message>
    <message>
        <source>This record was written by a newer version of Numbloom, so this one leaves it as it is and does not record answers. Update Numbloom to see it:
%1</source>
        <translation>Questo archivio è stato scritto da una versione più recente di Numbloom, quindi questa lo lascia com&apos;è e non registra le risposte. Aggiornare Numbloom per vederlo:
%1</translation>
    </message>
    <message>
        <source>The file where Numbloom keeps your children&apos;s answers belongs to another program, so a new record was started. That file is kept, untouched, as:

%1</source>
        <translation>Il file in cui Numbloom conserva le risposte dei bambini appartiene a un altro programma, quindi è stato creato un nuovo archivio. Quel file è conservato, intatto, come:

%1</translation>
    </message>
    <message>
        <source>Answers are not saved: the record of your children&apos;s answers could not be opened, because %1.</source>
        <translation>Le risposte non vengono salvate: impossibile aprire l&apos;archivio delle risposte dei bambini, perché %1.</translation>
    </message>
    <message>
        <source>Answers are not saved: the record of your children&apos;s answers could not be opened, because %1. The file is left as it is:
%2</source>
        <translation>Le risposte non vengono salvate: impossibile aprire l&apos;archivio delle risposte dei bambini, perché %1. Il file viene lasciato com&apos;è:
%2</translation>
    </message>
    <message>
        <source>Answers cannot be saved for now: %1. Practice goes on: the answers wait and are saved as soon as the record can be written, and everything saved before is safe.</source>
        <translation>Per ora le risposte non possono essere salvate: %1. L&apos;allenamento continua: le risposte aspettano e verranno salvate appena sarà possibile scrivere nell&apos;archivio, e tutto ciò che è stato salvato prima è al sicuro.</translation>
    </message>
    <message>
        <source>The record could not be changed: %1.</source>
        <translation>Impossibile modificare l&apos;archivio: %1.</translation>
    </message>
    <message>
        <source>Another program&apos;s file was found beside the record of your children&apos;s answers, where it would have changed the record, so a new one was started. The record, with your children&apos;s earlier answers, is kept untouched together with that file (%2) as:

%1</source>
        <translation>Accanto all&apos;archivio delle risposte dei bambini c&apos;era un file di un altro programma che l&apos;avrebbe modificato, quindi ne è stato creato uno nuovo. L&apos;archivio, con le risposte precedenti dei bambini, è conservato intatto insieme a quel file (%2) come:

%1</translation>
    </message>
    <message>
        <source>%1 was removed in another window of Numbloom, so %2 practises now, and the answers given since are kept for %2.</source>
        <translation>Il profilo di %1 è stato rimosso in un&apos;altra finestra di Numbloom, quindi ora si allena %2 e le risposte date da allora sono conservate per %2.</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Problems Tried:</source>
        <translation>Operazioni fatte:</translation>
    </message>
    <message>
        <source>Problems Correct:</source>
        <translation>Operazioni giuste:</translation>
    </message>
    <message>
        <source>Timer Off</source>
        <translation>Senza tempo</translation>
    </message>
    <message>
        <source>Elapsed Time: </source>
        <translation>Tempo impiegato: </translation>
    </message>
    <message>
        <source>Time Per Problem: </source>
        <translation>Tempo per operazione: </translation>
    </message>
    <message>
        <source> (%1%)</source>
        <comment>the share of right answers, after their count</comment>
        <translation> (%1%)</translation>
    </message>
    <message>
        <source>%1 right, %2 percent</source>
        <comment>how many were right, and their share</comment>
        <translation>%1 giuste, %2 per cento</translation>
    </message>
    <message>
        <source>The clock was off</source>
        <translation>L&apos;orologio era spento</translation>
    </message>
    <message>
        <source>It took %1</source>
        <comment>the time a drill took, in words</comment>
        <translation>Ci sono voluti %1</translation>
    </message>
    <message>
        <source>%1 a problem</source>
        <comment>the time for each problem, in words</comment>
        <translation>%1 per operazione</translation>
    </message>
    <message numerus="yes">
        <source>%n problems tried</source>
        <comment>the results, read out</comment>
        <translation>
            <numerusform>%n operazione provata</numerusform>
            <numerusform>%n operazioni provate</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Numbloom</source>
        <translation>Informazioni su Numbloom</translation>
    </message>
    <message>
        <source>Numbloom comes to you free from Brightnook. Enjoy it, and share it with all of your friends! Visit our web site for more children&apos;s software and our programming tutorials. And if your child likes Numbloom, try Wordbloom, our spelling game, too!</source>
        <translation>Numbloom è un regalo di Brightnook. Divertiti e condividilo con tutti i tuoi amici! Visita il nostro sito per altri programmi per bambini e le nostre guide di programmazione. E se a vostro figlio piace Numbloom, provate anche Wordbloom, il nostro gioco di ortografia!</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Visit Brightnook&apos;s Web Site</source>
        <translation>&amp;Visita il sito di Brightnook</translation>
    </message>
    <message>
        <source>On-Line Access Error</source>
        <translation>Errore di connessione a Internet</translation>
    </message>
    <message>
        <source>An error has occurred trying to go on-line. Try connecting to the internet in your usual manner and connect to:</source>
        <translation>Si è verificato un errore durante la connessione a Internet. Connettersi a Internet nel solito modo e aprire questo indirizzo:</translation>
    </message>
</context>
<context>
    <name>frmFacts</name>
    <message>
        <source>My Facts</source>
        <translation>Le mie tabelline</translation>
    </message>
    <message>
        <source>The record of answers is not open yet.</source>
        <translation>L&apos;archivio delle risposte non è ancora aperto.</translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation>&amp;Bambino/a:</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Aggiungi...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Rinomina...</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <translation>&amp;Elimina...</translation>
    </message>
    <message>
        <source>&amp;Known within:</source>
        <translation>&amp;Imparata entro:</translation>
    </message>
    <message>
        <source>no time limit</source>
        <translation>senza limite di tempo</translation>
    </message>
    <message>
        <source>Fact map</source>
        <translation>Mappa delle operazioni</translation>
    </message>
    <message>
        <source>A row for each factor, a column for each first number</source>
        <translation>Una riga per ogni tabellina, una colonna per ogni primo numero</translation>
    </message>
    <message>
        <source>Chosen fact</source>
        <translation>Operazione scelta</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totali</translation>
    </message>
    <message>
        <source>Facts known at the end of each day, the last 30 days</source>
        <translation>Operazioni imparate alla fine di ogni giorno, negli ultimi 30 giorni</translation>
    </message>
    <message>
        <source>&amp;Print for the Parent</source>
        <translation>Stam&amp;pa per i genitori</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>Salva come C&amp;SV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>known</source>
        <translation>imparata</translation>
    </message>
    <message>
        <source>getting there</source>
        <translation>quasi imparata</translation>
    </message>
    <message>
        <source>tricky</source>
        <translation>difficile</translation>
    </message>
    <message>
        <source>not yet tried</source>
        <translation>non ancora provata</translation>
    </message>
    <message>
        <source>Facts known at the end of each day</source>
        <translation>Operazioni imparate alla fine di ogni giorno</translation>
    </message>
    <message>
        <source>%1: not yet tried</source>
        <translation>%1: non ancora provata</translation>
    </message>
    <message>
        <source>%1: %2, %3 right, last on %4 in %5 s</source>
        <translation>%1: %2, giuste: %3, ultima volta: %4, in %5 s</translation>
    </message>
    <message>
        <source>Add a Child</source>
        <translation>Aggiungi un bambino o una bambina</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Nuovo nome per %1:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>The trickiest facts</source>
        <translation>Le operazioni più difficili</translation>
    </message>
    <message>
        <source>Numbloom - My Facts of %1</source>
        <translation>Numbloom - Le mie tabelline di %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Salva come CSV</translation>
    </message>
    <message>
        <source>%1 answers.csv</source>
        <translation>Risposte di %1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>the day of a fact&apos;s last answer, as QDate formats it</comment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>the date on the parent&apos;s page, as QDate formats it</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>a choice of Known within</comment>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 facts known</source>
        <comment>the totals below the map; %1 is all facts, 169</comment>
        <translation>
            <numerusform>Operazioni imparate: %n su %1</numerusform>
            <numerusform>Operazioni imparate: %n su %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems answered</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n operazione fatta</numerusform>
            <numerusform>%n operazioni fatte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days practised</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n giorno di allenamento</numerusform>
            <numerusform>%n giorni di allenamento</numerusform>
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
            <numerusform>%n tentativo</numerusform>
            <numerusform>%n tentativi</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1? No answers are kept for them yet.</source>
        <translation>Eliminare %1? Non ci sono ancora risposte salvate.</translation>
    </message>
    <message numerus="yes">
        <source>Remove %1 and the %n answers kept for them? This cannot be undone.</source>
        <translation>
            <numerusform>Eliminare %1 e la sua %n risposta salvata? Non si potrà tornare indietro.</numerusform>
            <numerusform>Eliminare %1 e le sue %n risposte salvate? Non si potrà tornare indietro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 = %2: %n tries, %3 missed</source>
        <comment>a line of the trickiest facts on the parent&apos;s page</comment>
        <translation>
            <numerusform>%1 = %2: sbagliata %3 su %n tentativo</numerusform>
            <numerusform>%1 = %2: sbagliata %3 su %n tentativi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - My Facts - %2</source>
        <comment>the heading of the page printed for the parent: the child&apos;s name, the date</comment>
        <translation>%1 - Le mie tabelline - %2</translation>
    </message>
    <message>
        <source>Rea&amp;d aloud</source>
        <translation>Leggi ad alta &amp;voce</translation>
    </message>
    <message>
        <source>%1 times %2, %3</source>
        <comment>a cell of the fact map, read out</comment>
        <translation>%1 per %2, %3</translation>
    </message>
    <message>
        <source>%1. Not yet tried.</source>
        <comment>a fact&apos;s story, read out</comment>
        <translation>%1. Non ancora provata.</translation>
    </message>
    <message>
        <source>%1. %2, %3 right, last on %4 in %5.</source>
        <comment>a fact&apos;s story, read out</comment>
        <translation>%1. %2, %3 giuste, l&apos;ultima volta il %4 in %5.</translation>
    </message>
    <message>
        <source>Child, %1</source>
        <comment>the child box&apos;s label as a screen reader says it</comment>
        <translation>Bambino/a, %1</translation>
    </message>
    <message>
        <source>Known within, %1</source>
        <comment>the time limit box&apos;s label as a screen reader says it</comment>
        <translation>Imparata entro, %1</translation>
    </message>
    <message>
        <source>%1 was not saved, and the file of that name that was there is left as it was.

%2</source>
        <translation>%1 non è stato salvato, e il file che aveva già quel nome resta com&apos;era.

%2</translation>
    </message>
    <message>
        <source>%1 was not saved.

%2</source>
        <translation>%1 non è stato salvato.

%2</translation>
    </message>
    <message>
        <source>right within the time limit on the last two days it came up, and likely still right now</source>
        <translation>giusta entro il tempo negli ultimi due giorni in cui è uscita, e probabilmente ancora giusta ora</translation>
    </message>
    <message>
        <source>likely right now, but not yet right in time on two days</source>
        <translation>probabilmente giusta ora, ma non ancora giusta entro il tempo in due giorni</translation>
    </message>
    <message>
        <source>the last answer was wrong, or a wrong or slow answer is likely now</source>
        <translation>l&apos;ultima risposta era sbagliata, o ora è probabile una risposta sbagliata o lenta</translation>
    </message>
    <message>
        <source>not met in a drill yet</source>
        <translation>non ancora uscita in un allenamento</translation>
    </message>
    <message numerus="yes">
        <source>%n getting there (%1 of them tricky now)</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n quasi imparata (%1 difficili ora)</numerusform>
            <numerusform>%n quasi imparate (di cui %1 difficili ora)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n still to meet</source>
        <comment>the totals below the map: facts not met yet</comment>
        <translation>
            <numerusform>%n ancora da vedere</numerusform>
            <numerusform>%n ancora da vedere</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is tricky or getting there now.</source>
        <translation>Ora non c&apos;è niente di difficile o quasi imparato.</translation>
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
        <translation>Impossibile salvare le impostazioni in
%1

%2</translation>
    </message>
    <message>
        <source>Practice Numbloom</source>
        <translation>Allenati con Numbloom</translation>
    </message>
    <message>
        <source>Study Numbloom</source>
        <translation>Impara con Numbloom</translation>
    </message>
    <message>
        <source>Stop Practice</source>
        <translation>Smetti di allenarti</translation>
    </message>
    <message>
        <source>Tried: </source>
        <translation>Operazioni: </translation>
    </message>
    <message>
        <source>Correct: </source>
        <translation>Giuste: </translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Rivedi</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Your Answer:</source>
        <translation>La tua risposta:</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Risposta giusta:</translation>
    </message>
    <message>
        <source>Start Practice</source>
        <translation>Inizia ad allenarti</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Impara</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Allenati</translation>
    </message>
    <message>
        <source>Factor Value</source>
        <translation>Tabellina</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>A caso</translation>
    </message>
    <message>
        <source>Click Problem to See Picture</source>
        <translation>Clicca sul calcolo e vedi il disegno</translation>
    </message>
    <message>
        <source>&amp;Print Facts</source>
        <translation>Stam&amp;pa</translation>
    </message>
    <message>
        <source>Maximum Multiplier</source>
        <translation>Moltiplica fino a</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Problems Tried: 123</source>
        <translation>Operazioni fatte: 123</translation>
    </message>
    <message>
        <source>Problems Correct: 123 (88%)</source>
        <translation>Operazioni giuste: 123 (88%)</translation>
    </message>
    <message>
        <source>Elapsed Time: 20:22</source>
        <translation>Tempo impiegato: 20:22</translation>
    </message>
    <message>
        <source>Time Per Problem: 10.22 sec</source>
        <translation>Tempo per operazione: 10.22 sec.</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>A&amp;vanti</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>&amp;Info?</source>
        <translation>&amp;Info?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Stampa scheda</translation>
    </message>
    <message>
        <source>Timer Options</source>
        <translation>Cronometro</translation>
    </message>
    <message>
        <source>Timer Off</source>
        <translation>Senza tempo</translation>
    </message>
    <message>
        <source>On-Count Up</source>
        <translation>Conta in avanti</translation>
    </message>
    <message>
        <source>On-Count Down</source>
        <translation>Conta indietro</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>The settings could not be saved: the program&apos;s folder
%1
cannot be written, and there is no home folder to keep them in.</source>
        <translation>Impossibile salvare le impostazioni: la cartella del programma
%1
non è scrivibile e non c&apos;è una cartella personale in cui conservarle.</translation>
    </message>
    <message>
        <source>&amp;My Facts</source>
        <translation>Le &amp;mie tabelline</translation>
    </message>
    <message>
        <source>Nothing is tricky yet.</source>
        <translation>Ancora niente di difficile.</translation>
    </message>
    <message>
        <source>Tricky</source>
        <translation>Difficili</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s) could not be saved: the record could not be written before Numbloom closed.</source>
        <translation>
            <numerusform>%n risposta non è stata salvata: non è stato possibile scrivere l&apos;archivio prima della chiusura di Numbloom.</numerusform>
            <numerusform>%n risposte non sono state salvate: non è stato possibile scrivere l&apos;archivio prima della chiusura di Numbloom.</numerusform>
        </translation>
    </message>
    <message>
        <source>The answers that waited are saved now.</source>
        <translation>Le risposte in attesa ora sono salvate.</translation>
    </message>
</context>
</TS>
