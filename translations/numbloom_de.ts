<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Numbloom-Hilfe</translation>
    </message>
    <message>
        <source>Cannot find the help file:
%1</source>
        <translation>Die Hilfedatei wurde nicht gefunden:
%1</translation>
    </message>
</context>
<context>
    <name>PracticeDrill</name>
    <message>
        <source>The clock is off.</source>
        <translation>Die Uhr ist aus.</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <comment>how long a drill has run</comment>
        <translation>%1 bisher</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing support (numbloom-print.so) is missing from the program&apos;s folder.</source>
        <translation>Die Druckunterstützung (numbloom-print.so) fehlt im Programmordner.</translation>
    </message>
    <message>
        <source>Numbloom - free from Brightnook</source>
        <translation>Numbloom - kostenlos von Brightnook</translation>
    </message>
    <message>
        <source>Factor: Random</source>
        <translation>Malreihe: Zufall</translation>
    </message>
    <message>
        <source>Factor: </source>
        <translation>Malreihe: </translation>
    </message>
    <message>
        <source>, Maximum Multiplier: </source>
        <translation>, Malnehmen bis: </translation>
    </message>
    <message>
        <source>Problems on Worksheet:

Multiplication (x)
</source>
        <translation>Aufgaben auf dem Arbeitsblatt:

Malaufgaben (x)
</translation>
    </message>
    <message>
        <source>

Make sure printer is on-line and ready.</source>
        <translation>

Der Drucker muss eingeschaltet und bereit sein.</translation>
    </message>
    <message>
        <source>  Score______ Time_______</source>
        <translation>  Punkte______ Zeit_______</translation>
    </message>
    <message>
        <source>Factor is </source>
        <translation>Malreihe: </translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The page could not be finished.</source>
        <translation>Die Seite konnte nicht fertiggestellt werden.</translation>
    </message>
    <message>
        <source>The printer %1 is not accepting jobs.</source>
        <translation>Der Drucker %1 nimmt keine Aufträge an.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job.</source>
        <translation>Der Drucker %1 hat den Auftrag nicht angenommen.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job: %2</source>
        <translation>Der Drucker %1 hat den Auftrag nicht angenommen: %2</translation>
    </message>
    <message>
        <source>The print job on %1 failed and was given up.</source>
        <translation>Der Druckauftrag auf %1 ist fehlgeschlagen und wurde verworfen.</translation>
    </message>
    <message>
        <source>The print job on %1 was cancelled.</source>
        <translation>Der Druckauftrag auf %1 wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The printer %1 is paused; the page waits in its queue until the printer is resumed.</source>
        <translation>Der Drucker %1 ist angehalten; die Seite wartet in der Warteschlange, bis der Drucker wieder freigegeben wird.</translation>
    </message>
    <message>
        <source>The page is held in the queue of %1 until it is released there.</source>
        <translation>Die Seite wird in der Warteschlange von %1 zurückgehalten, bis sie dort freigegeben wird.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>Der Drucker hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>No file could be written in %1.</source>
        <translation>In %1 konnte keine Datei geschrieben werden.</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>No default printer is set, so the page was saved as a PDF file you can print later:

%1

To print straight away next time, choose a default printer in the printer settings.</source>
        <translation>Es ist kein Standarddrucker eingestellt. Deshalb wurde die Seite als PDF-Datei gespeichert, die Sie später drucken können:

%1

Damit beim nächsten Mal sofort gedruckt wird, wählen Sie in den Druckereinstellungen einen Standarddrucker.</translation>
    </message>
    <message>
        <source>No printer is installed, so the page was saved as a PDF file you can print later:

%1</source>
        <translation>Es ist kein Drucker installiert. Deshalb wurde die Seite als PDF-Datei gespeichert, die Sie später drucken können:

%1</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Es ist kein Drucker verfügbar.</translation>
    </message>
    <message>
        <source>The page was not printed.

%1</source>
        <translation>Die Seite wurde nicht gedruckt.

%1</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>Numbloom Worksheet</source>
        <translation>Numbloom-Arbeitsblatt</translation>
    </message>
    <message>
        <source>Numbloom Facts</source>
        <translation>Numbloom-Malreihe</translation>
    </message>
    <message>
        <source>My Facts (numbloom-facts.so) is missing from the program&apos;s folder.</source>
        <translation>„Mein Einmaleins“ (numbloom-facts.so) fehlt im Programmordner.</translation>
    </message>
    <message>
        <source>Factor: Tricky</source>
        <translation>Knifflige Aufgaben</translation>
    </message>
    <message>
        <source>Factor: Tricky (%1)</source>
        <translation>Knifflige Aufgaben (%1)</translation>
    </message>
    <message>
        <source>Also print the &amp;answers</source>
        <translation>Auch die &amp;Lösungen drucken</translation>
    </message>
    <message>
        <source>Tricky facts</source>
        <translation>Knifflige Aufgaben</translation>
    </message>
    <message>
        <source>Tricky facts of %1</source>
        <translation>Knifflige Aufgaben von %1</translation>
    </message>
    <message>
        <source>The next page could not be started.</source>
        <translation>Die nächste Seite konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Answers</source>
        <comment>the heading of a worksheet&apos;s answer page</comment>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Read aloud (numbloom-speech.so) is missing from the program&apos;s folder.</source>
        <translation>Vorlesen (numbloom-speech.so) fehlt im Ordner des Programms.</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>Read aloud needs a voice. Please install the packages speech-dispatcher, speech-dispatcher-espeak-ng and qt6-speech-speechd-plugin.</source>
        <translation>Zum Vorlesen fehlt eine Stimme. Bitte installieren Sie die Pakete speech-dispatcher, speech-dispatcher-espeak-ng und qt6-speech-speechd-plugin.</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>A name has 1 to %1 characters.</source>
        <translation>Ein Name muss 1 bis %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>There is already a child called %1.</source>
        <translation>Es gibt schon ein Kind mit dem Namen %1.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>in ihren Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>its folder is missing and cannot be made</source>
        <translation>ihr Ordner fehlt und kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>its permissions do not let Numbloom read it</source>
        <translation>ihre Berechtigungen erlauben Numbloom nicht, sie zu lesen</translation>
    </message>
    <message>
        <source>something that is not a file has its name</source>
        <translation>etwas, das keine Datei ist, trägt ihren Namen</translation>
    </message>
    <message>
        <source>another program or another computer is using it</source>
        <translation>ein anderes Programm oder ein anderer Computer benutzt sie</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>es gibt keinen persönlichen Ordner, in dem sie liegen könnte</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <source>it was made by another program</source>
        <translation>sie stammt von einem anderen Programm</translation>
    </message>
    <message>
        <source>it was written by a newer Numbloom</source>
        <translation>sie wurde von einer neueren Version von Numbloom geschrieben</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>sie konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Another computer is writing to the record.</source>
        <translation>Ein anderer Computer schreibt gerade in die Datei mit den Antworten.</translation>
    </message>
    <message>
        <source>The record could not be read.</source>
        <translation>Die Datei mit den Antworten konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Child</source>
        <comment>a child&apos;s name used until the parent renames it</comment>
        <translation>Kind</translation>
    </message>
    <message>
        <source>The record could not be changed: %1.</source>
        <translation>Die Datei mit den Antworten konnte nicht geändert werden, denn %1.</translation>
    </message>
    <message>
        <source>another program&apos;s file beside it would have changed it</source>
        <translation>eine Datei eines anderen Programms daneben hätte sie verändert</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>What is %1 times %2?</source>
        <comment>a problem read out; never the letter x</comment>
        <translation>Wie viel ist %1 mal %2?</translation>
    </message>
    <message>
        <source>%1 times %2 is %3</source>
        <comment>a fact read out; never the letter x or =</comment>
        <translation>%1 mal %2 ist %3</translation>
    </message>
    <message>
        <source>Right.</source>
        <comment>said after a right answer</comment>
        <translation>Richtig.</translation>
    </message>
    <message>
        <source>Not quite. %1.</source>
        <comment>said after a wrong answer, with the fact</comment>
        <translation>Nicht ganz. %1.</translation>
    </message>
    <message>
        <source>%1. You said %2. The right answer is %3.</source>
        <comment>a missed problem in the review</comment>
        <translation>%1. Du hast %2 gesagt. Richtig ist %3.</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <comment>a problem in the review</comment>
        <translation>%1 mal %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>minutes, then seconds: 1 minute 30 seconds</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the time a count-down has left</comment>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>Your reward is a gold cup with stars.</source>
        <translation>Als Belohnung gibt es einen goldenen Pokal mit Sternen.</translation>
    </message>
    <message>
        <source>Your reward is a big smiling sun.</source>
        <translation>Als Belohnung gibt es eine große lachende Sonne.</translation>
    </message>
    <message>
        <source>Your reward is a smiling flower.</source>
        <translation>Als Belohnung gibt es eine lachende Blume.</translation>
    </message>
    <message>
        <source>Your reward is a rainbow. Keep going!</source>
        <translation>Als Belohnung gibt es einen Regenbogen. Weiter so!</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>a length of time, read out</comment>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>a length of time, read out</comment>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>%L1 seconds</source>
        <comment>a time with decimals, read out: 1.05 seconds</comment>
        <translation>%L1 Sekunden</translation>
    </message>
</context>
<context>
    <name>SqliteRecord</name>
    <message>
        <source>The record of your children&apos;s answers could not be read, so a new one was started. The old file is kept, untouched, as:

%1</source>
        <translation>Die Datei mit den Antworten Ihrer Kinder konnte nicht gelesen werden. Deshalb wurde eine neue angelegt. Die alte Datei bleibt unverändert erhalten als:

%1</translation>
    </message>
    <message>
        <source>This record was written by a newer version of Numbloom, so this one leaves it as it is and does not record answers. Update Numbloom to see it:
%1</source>
        <translation>Diese Datei wurde von einer neueren Version von Numbloom geschrieben. Diese Version lässt sie deshalb unverändert und speichert keine Antworten. Aktualisieren Sie Numbloom, um sie anzusehen:
%1</translation>
    </message>
    <message>
        <source>The file where Numbloom keeps your children&apos;s answers belongs to another program, so a new record was started. That file is kept, untouched, as:

%1</source>
        <translation>Die Datei, in der Numbloom die Antworten Ihrer Kinder speichert, gehört zu einem anderen Programm. Deshalb wurde eine neue angelegt. Die alte Datei bleibt unverändert erhalten als:

%1</translation>
    </message>
    <message>
        <source>Answers are not saved: the record of your children&apos;s answers could not be opened, because %1.</source>
        <translation>Antworten werden nicht gespeichert: Die Datei mit den Antworten Ihrer Kinder konnte nicht geöffnet werden, denn %1.</translation>
    </message>
    <message>
        <source>Answers are not saved: the record of your children&apos;s answers could not be opened, because %1. The file is left as it is:
%2</source>
        <translation>Antworten werden nicht gespeichert: Die Datei mit den Antworten Ihrer Kinder konnte nicht geöffnet werden, denn %1. Die Datei bleibt, wie sie ist:
%2</translation>
    </message>
    <message>
        <source>Answers cannot be saved for now: %1. Practice goes on: the answers wait and are saved as soon as the record can be written, and everything saved before is safe.</source>
        <translation>Antworten können im Moment nicht gespeichert werden, denn %1. Das Üben geht weiter: Die Antworten warten und werden gespeichert, sobald die Datei wieder geschrieben werden kann, und alles bisher Gespeicherte bleibt erhalten.</translation>
    </message>
    <message>
        <source>The record could not be changed: %1.</source>
        <translation>Die Datei mit den Antworten konnte nicht geändert werden, denn %1.</translation>
    </message>
    <message>
        <source>Another program&apos;s file was found beside the record of your children&apos;s answers, where it would have changed the record, so a new one was started. The record, with your children&apos;s earlier answers, is kept untouched together with that file (%2) as:

%1</source>
        <translation>Neben der Datei mit den Antworten Ihrer Kinder lag eine Datei eines anderen Programms, die sie verändert hätte. Deshalb wurde eine neue angelegt. Die alte Datei mit den bisherigen Antworten Ihrer Kinder bleibt zusammen mit dieser Datei (%2) unverändert erhalten als:

%1</translation>
    </message>
    <message>
        <source>%1 was removed in another window of Numbloom, so %2 practises now, and the answers given since are kept for %2.</source>
        <translation>%1 wurde in einem anderen Numbloom-Fenster entfernt. Deshalb übt jetzt %2, und die seitdem gegebenen Antworten werden für %2 gespeichert.</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Problems Tried:</source>
        <translation>Aufgaben gerechnet:</translation>
    </message>
    <message>
        <source>Problems Correct:</source>
        <translation>Davon richtig:</translation>
    </message>
    <message>
        <source>Timer Off</source>
        <translation>Uhr aus</translation>
    </message>
    <message>
        <source>Elapsed Time: </source>
        <translation>Benötigte Zeit: </translation>
    </message>
    <message>
        <source>Time Per Problem: </source>
        <translation>Zeit pro Aufgabe: </translation>
    </message>
    <message>
        <source> (%1%)</source>
        <comment>the share of right answers, after their count</comment>
        <translation> (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>%1 right, %2 percent</source>
        <comment>how many were right, and their share</comment>
        <translation>%1 richtig, %2 Prozent</translation>
    </message>
    <message>
        <source>The clock was off</source>
        <translation>Die Uhr war aus</translation>
    </message>
    <message>
        <source>It took %1</source>
        <comment>the time a drill took, in words</comment>
        <translation>Das hat %1 gedauert</translation>
    </message>
    <message>
        <source>%1 a problem</source>
        <comment>the time for each problem, in words</comment>
        <translation>%1 pro Aufgabe</translation>
    </message>
    <message numerus="yes">
        <source>%n problems tried</source>
        <comment>the results, read out</comment>
        <translation>
            <numerusform>%n Aufgabe gerechnet</numerusform>
            <numerusform>%n Aufgaben gerechnet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Numbloom</source>
        <translation>Über Numbloom</translation>
    </message>
    <message>
        <source>Numbloom comes to you free from Brightnook. Enjoy it, and share it with all of your friends! Visit our web site for more children&apos;s software and our programming tutorials. And if your child likes Numbloom, try Wordbloom, our spelling game, too!</source>
        <translation>Numbloom bekommst du kostenlos von Brightnook. Viel Spaß damit! Teile es mit all deinen Freundinnen und Freunden! Auf unserer Website gibt es mehr Software für Kinder und unsere Programmierkurse. Und wenn Ihr Kind Numbloom mag, probieren Sie auch Wordbloom, unser Rechtschreibspiel!</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Visit Brightnook&apos;s Web Site</source>
        <translation>&amp;Website von Brightnook</translation>
    </message>
    <message>
        <source>On-Line Access Error</source>
        <translation>Fehler bei der Internetverbindung</translation>
    </message>
    <message>
        <source>An error has occurred trying to go on-line. Try connecting to the internet in your usual manner and connect to:</source>
        <translation>Beim Verbinden mit dem Internet ist ein Fehler aufgetreten. Stellen Sie wie gewohnt eine Verbindung zum Internet her und öffnen Sie diese Adresse:</translation>
    </message>
</context>
<context>
    <name>frmFacts</name>
    <message>
        <source>My Facts</source>
        <translation>Mein Einmaleins</translation>
    </message>
    <message>
        <source>The record of answers is not open yet.</source>
        <translation>Die Datei mit den Antworten ist noch nicht geöffnet.</translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <translation>&amp;Entfernen...</translation>
    </message>
    <message>
        <source>&amp;Known within:</source>
        <translation>&amp;Sicher in höchstens:</translation>
    </message>
    <message>
        <source>no time limit</source>
        <translation>ohne Zeitlimit</translation>
    </message>
    <message>
        <source>Fact map</source>
        <translation>Aufgabenübersicht</translation>
    </message>
    <message>
        <source>A row for each factor, a column for each first number</source>
        <translation>Eine Zeile für jede Malreihe, eine Spalte für jede erste Zahl</translation>
    </message>
    <message>
        <source>Chosen fact</source>
        <translation>Gewählte Aufgabe</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Facts known at the end of each day, the last 30 days</source>
        <translation>Sichere Aufgaben am Ende jedes Tages, die letzten 30 Tage</translation>
    </message>
    <message>
        <source>&amp;Print for the Parent</source>
        <translation>Für die Eltern &amp;drucken</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>Als &amp;CSV speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>known</source>
        <translation>sicher</translation>
    </message>
    <message>
        <source>getting there</source>
        <translation>fast geschafft</translation>
    </message>
    <message>
        <source>tricky</source>
        <translation>knifflig</translation>
    </message>
    <message>
        <source>not yet tried</source>
        <translation>noch nicht geübt</translation>
    </message>
    <message>
        <source>Facts known at the end of each day</source>
        <translation>Sichere Aufgaben am Ende jedes Tages</translation>
    </message>
    <message>
        <source>%1: not yet tried</source>
        <translation>%1: noch nicht geübt</translation>
    </message>
    <message>
        <source>%1: %2, %3 right, last on %4 in %5 s</source>
        <translation>%1: %2, %3 richtig, zuletzt am %4 in %5 s</translation>
    </message>
    <message>
        <source>Add a Child</source>
        <translation>Kind hinzufügen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Neuer Name für %1:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>The trickiest facts</source>
        <translation>Die kniffligsten Aufgaben</translation>
    </message>
    <message>
        <source>Numbloom - My Facts of %1</source>
        <translation>Numbloom - Einmaleins von %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>%1 answers.csv</source>
        <translation>Antworten von %1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>the day of a fact&apos;s last answer, as QDate formats it</comment>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>the date on the parent&apos;s page, as QDate formats it</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>a choice of Known within</comment>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 facts known</source>
        <comment>the totals below the map; %1 is all facts, 169</comment>
        <translation>
            <numerusform>Sichere Aufgaben: %n von %1</numerusform>
            <numerusform>Sichere Aufgaben: %n von %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems answered</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n Aufgabe gerechnet</numerusform>
            <numerusform>%n Aufgaben gerechnet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days practised</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>an %n Tag geübt</numerusform>
            <numerusform>an %n Tagen geübt</numerusform>
        </translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a day on the chart&apos;s axis, as QDate formats it</comment>
        <translation>d. MMM</translation>
    </message>
    <message numerus="yes">
        <source>%n tries</source>
        <comment>how often a fact was answered, in its story</comment>
        <translation>
            <numerusform>%n Versuch</numerusform>
            <numerusform>%n Versuche</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1? No answers are kept for them yet.</source>
        <translation>%1 entfernen? Für dieses Kind sind noch keine Antworten gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>Remove %1 and the %n answers kept for them? This cannot be undone.</source>
        <translation>
            <numerusform>%1 und die %n gespeicherte Antwort entfernen? Das lässt sich nicht rückgängig machen.</numerusform>
            <numerusform>%1 und die %n gespeicherten Antworten entfernen? Das lässt sich nicht rückgängig machen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 = %2: %n tries, %3 missed</source>
        <comment>a line of the trickiest facts on the parent&apos;s page</comment>
        <translation>
            <numerusform>%1 = %2: %3 von %n Versuch falsch</numerusform>
            <numerusform>%1 = %2: %3 von %n Versuchen falsch</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - My Facts - %2</source>
        <comment>the heading of the page printed for the parent: the child&apos;s name, the date</comment>
        <translation>%1 - Einmaleins - %2</translation>
    </message>
    <message>
        <source>Rea&amp;d aloud</source>
        <translation>&amp;Vorlesen</translation>
    </message>
    <message>
        <source>%1 times %2, %3</source>
        <comment>a cell of the fact map, read out</comment>
        <translation>%1 mal %2, %3</translation>
    </message>
    <message>
        <source>%1. Not yet tried.</source>
        <comment>a fact&apos;s story, read out</comment>
        <translation>%1. Noch nicht geübt.</translation>
    </message>
    <message>
        <source>%1. %2, %3 right, last on %4 in %5.</source>
        <comment>a fact&apos;s story, read out</comment>
        <translation>%1. %2, %3 richtig, zuletzt am %4 in %5.</translation>
    </message>
    <message>
        <source>Child, %1</source>
        <comment>the child box&apos;s label as a screen reader says it</comment>
        <translation>Kind, %1</translation>
    </message>
    <message>
        <source>Known within, %1</source>
        <comment>the time limit box&apos;s label as a screen reader says it</comment>
        <translation>Sicher in höchstens, %1</translation>
    </message>
    <message>
        <source>%1 was not saved, and the file of that name that was there is left as it was.

%2</source>
        <translation>%1 wurde nicht gespeichert; die Datei, die unter diesem Namen schon da war, bleibt unverändert.

%2</translation>
    </message>
    <message>
        <source>%1 was not saved.

%2</source>
        <translation>%1 wurde nicht gespeichert.

%2</translation>
    </message>
    <message>
        <source>right within the time limit on the last two days it came up, and likely still right now</source>
        <translation>an den letzten zwei Tagen, an denen sie drankam, rechtzeitig richtig, und jetzt wahrscheinlich noch richtig</translation>
    </message>
    <message>
        <source>likely right now, but not yet right in time on two days</source>
        <translation>jetzt wahrscheinlich richtig, aber noch nicht an zwei Tagen rechtzeitig richtig</translation>
    </message>
    <message>
        <source>the last answer was wrong, or a wrong or slow answer is likely now</source>
        <translation>die letzte Antwort war falsch, oder jetzt ist eine falsche oder langsame Antwort wahrscheinlich</translation>
    </message>
    <message>
        <source>not met in a drill yet</source>
        <translation>kam noch in keiner Übung vor</translation>
    </message>
    <message numerus="yes">
        <source>%n getting there (%1 of them tricky now)</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n fast geschafft (davon %1 gerade knifflig)</numerusform>
            <numerusform>%n fast geschafft (davon %1 gerade knifflig)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n still to meet</source>
        <comment>the totals below the map: facts not met yet</comment>
        <translation>
            <numerusform>%n noch nicht geübt</numerusform>
            <numerusform>%n noch nicht geübt</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is tricky or getting there now.</source>
        <translation>Gerade ist nichts knifflig oder fast geschafft.</translation>
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
        <translation>Die Einstellungen konnten nicht gespeichert werden:
%1

%2</translation>
    </message>
    <message>
        <source>Practice Numbloom</source>
        <translation>Üben mit Numbloom</translation>
    </message>
    <message>
        <source>Study Numbloom</source>
        <translation>Lernen mit Numbloom</translation>
    </message>
    <message>
        <source>Stop Practice</source>
        <translation>Üben beenden</translation>
    </message>
    <message>
        <source>Tried: </source>
        <translation>Aufgaben: </translation>
    </message>
    <message>
        <source>Correct: </source>
        <translation>Richtig: </translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Ansehen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Your Answer:</source>
        <translation>Deine Antwort:</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Richtig:</translation>
    </message>
    <message>
        <source>Start Practice</source>
        <translation>Üben starten</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Lernen</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Factor Value</source>
        <translation>Malreihe</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>Click Problem to See Picture</source>
        <translation>Aufgabe klicken, Bild sehen</translation>
    </message>
    <message>
        <source>&amp;Print Facts</source>
        <translation>Reihe &amp;drucken</translation>
    </message>
    <message>
        <source>Maximum Multiplier</source>
        <translation>Malnehmen bis</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Problems Tried: 123</source>
        <translation>Aufgaben gerechnet: 123</translation>
    </message>
    <message>
        <source>Problems Correct: 123 (88%)</source>
        <translation>Davon richtig: 123 (88%)</translation>
    </message>
    <message>
        <source>Elapsed Time: 20:22</source>
        <translation>Benötigte Zeit: 20:22</translation>
    </message>
    <message>
        <source>Time Per Problem: 10.22 sec</source>
        <translation>Zeit pro Aufgabe: 10.22 Sek.</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Info?</source>
        <translation>&amp;Info?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Wähle</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>Timer Options</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Timer Off</source>
        <translation>Uhr aus</translation>
    </message>
    <message>
        <source>On-Count Up</source>
        <translation>Zählt vorwärts</translation>
    </message>
    <message>
        <source>On-Count Down</source>
        <translation>Zählt rückwärts</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>The settings could not be saved: the program&apos;s folder
%1
cannot be written, and there is no home folder to keep them in.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: In den Programmordner
%1
kann nicht geschrieben werden, und es gibt keinen persönlichen Ordner, in dem sie bleiben könnten.</translation>
    </message>
    <message>
        <source>&amp;My Facts</source>
        <translation>&amp;Mein Einmaleins</translation>
    </message>
    <message>
        <source>Nothing is tricky yet.</source>
        <translation>Noch ist nichts knifflig.</translation>
    </message>
    <message>
        <source>Tricky</source>
        <translation>Knifflig</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s) could not be saved: the record could not be written before Numbloom closed.</source>
        <translation>
            <numerusform>%n Antwort konnte nicht gespeichert werden: Die Datei mit den Antworten konnte vor dem Beenden von Numbloom nicht geschrieben werden.</numerusform>
            <numerusform>%n Antworten konnten nicht gespeichert werden: Die Datei mit den Antworten konnte vor dem Beenden von Numbloom nicht geschrieben werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>The answers that waited are saved now.</source>
        <translation>Die Antworten, die gewartet haben, sind jetzt gespeichert.</translation>
    </message>
</context>
</TS>
