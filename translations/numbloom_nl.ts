<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
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
        <translation>Hulp bij Numbloom</translation>
    </message>
    <message>
        <source>Cannot find the help file:
%1</source>
        <translation>Het hulpbestand is niet gevonden:
%1</translation>
    </message>
</context>
<context>
    <name>PracticeDrill</name>
    <message>
        <source>The clock is off.</source>
        <translation>De klok staat uit.</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <comment>how long a drill has run</comment>
        <translation>%1 tot nu toe</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing support (numbloom-print.so) is missing from the program&apos;s folder.</source>
        <translation>De printondersteuning (numbloom-print.so) ontbreekt in de programmamap.</translation>
    </message>
    <message>
        <source>Numbloom - free from Brightnook</source>
        <translation>Numbloom - gratis van Brightnook</translation>
    </message>
    <message>
        <source>Factor: Random</source>
        <translation>Tafel: alle door elkaar</translation>
    </message>
    <message>
        <source>Factor: </source>
        <translation>Tafel: </translation>
    </message>
    <message>
        <source>, Maximum Multiplier: </source>
        <translation>, tot en met: </translation>
    </message>
    <message>
        <source>Problems on Worksheet:

Multiplication (x)
</source>
        <translation>Sommen op het werkblad:

Keersommen (x)
</translation>
    </message>
    <message>
        <source>

Make sure printer is on-line and ready.</source>
        <translation>

De printer moet aan staan en klaar zijn.</translation>
    </message>
    <message>
        <source>  Score______ Time_______</source>
        <translation>  Punten______ Tijd_______</translation>
    </message>
    <message>
        <source>Factor is </source>
        <translation>Tafel van </translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>De afdruktaak kon niet worden gestart.</translation>
    </message>
    <message>
        <source>The page could not be finished.</source>
        <translation>De pagina kon niet worden voltooid.</translation>
    </message>
    <message>
        <source>The printer %1 is not accepting jobs.</source>
        <translation>De printer %1 neemt geen taken aan.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job.</source>
        <translation>De printer %1 heeft de taak niet aangenomen.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job: %2</source>
        <translation>De printer %1 heeft de taak niet aangenomen: %2</translation>
    </message>
    <message>
        <source>The print job on %1 failed and was given up.</source>
        <translation>De afdruktaak op %1 is mislukt en opgegeven.</translation>
    </message>
    <message>
        <source>The print job on %1 was cancelled.</source>
        <translation>De afdruktaak op %1 is geannuleerd.</translation>
    </message>
    <message>
        <source>The printer %1 is paused; the page waits in its queue until the printer is resumed.</source>
        <translation>De printer %1 is gepauzeerd; de pagina wacht in de wachtrij tot de printer weer verdergaat.</translation>
    </message>
    <message>
        <source>The page is held in the queue of %1 until it is released there.</source>
        <translation>De pagina wordt vastgehouden in de wachtrij van %1 tot ze daar wordt vrijgegeven.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>De printer heeft een fout gemeld.</translation>
    </message>
    <message>
        <source>No file could be written in %1.</source>
        <translation>Er kon geen bestand worden geschreven in %1.</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Het bestand %1 kon niet worden geschreven.</translation>
    </message>
    <message>
        <source>No default printer is set, so the page was saved as a PDF file you can print later:

%1

To print straight away next time, choose a default printer in the printer settings.</source>
        <translation>Er is geen standaardprinter ingesteld, dus de pagina is opgeslagen als pdf-bestand dat u later kunt afdrukken:

%1

Kies in de printerinstellingen een standaardprinter om de volgende keer meteen af te drukken.</translation>
    </message>
    <message>
        <source>No printer is installed, so the page was saved as a PDF file you can print later:

%1</source>
        <translation>Er is geen printer geïnstalleerd, dus de pagina is opgeslagen als pdf-bestand dat u later kunt afdrukken:

%1</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Er is geen printer beschikbaar.</translation>
    </message>
    <message>
        <source>The page was not printed.

%1</source>
        <translation>De pagina is niet afgedrukt.

%1</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Werkblad printen</translation>
    </message>
    <message>
        <source>Numbloom Worksheet</source>
        <translation>Numbloom-werkblad</translation>
    </message>
    <message>
        <source>Numbloom Facts</source>
        <translation>Numbloom-tafel</translation>
    </message>
    <message>
        <source>My Facts (numbloom-facts.so) is missing from the program&apos;s folder.</source>
        <translation>De module ‘Mijn sommen’ (numbloom-facts.so) ontbreekt in de programmamap.</translation>
    </message>
    <message>
        <source>Factor: Tricky</source>
        <translation>Tafel: lastige sommen</translation>
    </message>
    <message>
        <source>Factor: Tricky (%1)</source>
        <translation>Tafel: lastige sommen (%1)</translation>
    </message>
    <message>
        <source>Also print the &amp;answers</source>
        <translation>Ook de &amp;antwoorden printen</translation>
    </message>
    <message>
        <source>Tricky facts</source>
        <translation>Lastige sommen</translation>
    </message>
    <message>
        <source>Tricky facts of %1</source>
        <translation>Lastige sommen van %1</translation>
    </message>
    <message>
        <source>The next page could not be started.</source>
        <translation>De volgende pagina kon niet worden begonnen.</translation>
    </message>
    <message>
        <source>Answers</source>
        <comment>the heading of a worksheet&apos;s answer page</comment>
        <translation>Antwoorden</translation>
    </message>
    <message>
        <source>Read aloud (numbloom-speech.so) is missing from the program&apos;s folder.</source>
        <translation>Voorlezen (numbloom-speech.so) ontbreekt in de map van het programma.</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>Read aloud needs a voice. Please install the packages speech-dispatcher, speech-dispatcher-espeak-ng and qt6-speech-speechd-plugin.</source>
        <translation>Voorlezen heeft een stem nodig. Installeer de pakketten speech-dispatcher, speech-dispatcher-espeak-ng en qt6-speech-speechd-plugin.</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>A name has 1 to %1 characters.</source>
        <translation>Een naam moet 1 tot en met %1 tekens hebben.</translation>
    </message>
    <message>
        <source>There is already a child called %1.</source>
        <translation>Er is al een kind dat %1 heet.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>er kan niet in de map worden geschreven</translation>
    </message>
    <message>
        <source>its folder is missing and cannot be made</source>
        <translation>de map ontbreekt en kan niet worden gemaakt</translation>
    </message>
    <message>
        <source>its permissions do not let Numbloom read it</source>
        <translation>de rechten laten Numbloom het niet lezen</translation>
    </message>
    <message>
        <source>something that is not a file has its name</source>
        <translation>iets dat geen bestand is, heeft dezelfde naam</translation>
    </message>
    <message>
        <source>another program or another computer is using it</source>
        <translation>een ander programma of een andere computer gebruikt het</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>er is geen persoonlijke map om het in te bewaren</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>het is beschadigd</translation>
    </message>
    <message>
        <source>it was made by another program</source>
        <translation>het is gemaakt door een ander programma</translation>
    </message>
    <message>
        <source>it was written by a newer Numbloom</source>
        <translation>het is geschreven door een nieuwere versie van Numbloom</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>het kon niet worden geschreven</translation>
    </message>
    <message>
        <source>Another computer is writing to the record.</source>
        <translation>Een andere computer schrijft naar het bestand met de antwoorden.</translation>
    </message>
    <message>
        <source>The record could not be read.</source>
        <translation>Het bestand met de antwoorden kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>Child</source>
        <comment>a child&apos;s name used until the parent renames it</comment>
        <translation>Kind</translation>
    </message>
    <message>
        <source>The record could not be changed: %1.</source>
        <translation>Het bestand met de antwoorden kon niet worden gewijzigd: %1.</translation>
    </message>
    <message>
        <source>another program&apos;s file beside it would have changed it</source>
        <translation>een bestand van een ander programma ernaast zou het hebben veranderd</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>het bestand is alleen-lezen</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>What is %1 times %2?</source>
        <comment>a problem read out; never the letter x</comment>
        <translation>Hoeveel is %1 keer %2?</translation>
    </message>
    <message>
        <source>%1 times %2 is %3</source>
        <comment>a fact read out; never the letter x or =</comment>
        <translation>%1 keer %2 is %3</translation>
    </message>
    <message>
        <source>Right.</source>
        <comment>said after a right answer</comment>
        <translation>Goed zo.</translation>
    </message>
    <message>
        <source>Not quite. %1.</source>
        <comment>said after a wrong answer, with the fact</comment>
        <translation>Bijna. %1.</translation>
    </message>
    <message>
        <source>%1. You said %2. The right answer is %3.</source>
        <comment>a missed problem in the review</comment>
        <translation>%1. Jij zei %2. Het goede antwoord is %3.</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <comment>a problem in the review</comment>
        <translation>%1 keer %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>minutes, then seconds: 1 minute 30 seconds</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the time a count-down has left</comment>
        <translation>nog %1</translation>
    </message>
    <message>
        <source>Your reward is a gold cup with stars.</source>
        <translation>Je beloning is een gouden beker met sterren.</translation>
    </message>
    <message>
        <source>Your reward is a big smiling sun.</source>
        <translation>Je beloning is een grote lachende zon.</translation>
    </message>
    <message>
        <source>Your reward is a smiling flower.</source>
        <translation>Je beloning is een lachende bloem.</translation>
    </message>
    <message>
        <source>Your reward is a rainbow. Keep going!</source>
        <translation>Je beloning is een regenboog. Ga zo door!</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>a length of time, read out</comment>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>a length of time, read out</comment>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>%L1 seconds</source>
        <comment>a time with decimals, read out: 1.05 seconds</comment>
        <translation>%L1 seconden</translation>
    </message>
</context>
<context>
    <name>SqliteRecord</name>
    <message>
        <source>The record of your children&apos;s answers could not be read, so a new one was started. The old file is kept, untouched, as:

%1</source>
        <translation>Het bestand met de antwoorden van uw kinderen kon niet worden gelezen, dus is er een nieuw begonnen. Het oude bestand is onaangeroerd bewaard als:

%1</translation>
    </message>
    <message>
        <source>This record was written by a newer version of Numbloom, so this one leaves it as it is and does not record answers. Update Numbloom to see it:
%1</source>
        <translation>Dit bestand is geschreven door een nieuwere versie van Numbloom. Deze versie laat het daarom zoals het is en slaat geen antwoorden op. Werk Numbloom bij om het te bekijken:
%1</translation>
    </message>
    <message>
        <source>The file where Numbloom keeps your children&apos;s answers belongs to another program, so a new record was started. That file is kept, untouched, as:

%1</source>
        <translation>Het bestand waarin Numbloom de antwoorden van uw kinderen bewaart, hoort bij een ander programma, dus is er een nieuw begonnen. Dat bestand is onaangeroerd bewaard als:

%1</translation>
    </message>
    <message>
        <source>Answers are not saved: the record of your children&apos;s answers could not be opened, because %1.</source>
        <translation>Antwoorden worden niet opgeslagen: het bestand met de antwoorden van uw kinderen kon niet worden geopend, want %1.</translation>
    </message>
    <message>
        <source>Answers are not saved: the record of your children&apos;s answers could not be opened, because %1. The file is left as it is:
%2</source>
        <translation>Antwoorden worden niet opgeslagen: het bestand met de antwoorden van uw kinderen kon niet worden geopend, want %1. Het bestand blijft zoals het is:
%2</translation>
    </message>
    <message>
        <source>Answers cannot be saved for now: %1. Practice goes on: the answers wait and are saved as soon as the record can be written, and everything saved before is safe.</source>
        <translation>Antwoorden kunnen nu niet worden opgeslagen: %1. Het oefenen gaat door: de antwoorden wachten en worden opgeslagen zodra er naar het bestand geschreven kan worden, en alles wat eerder is opgeslagen, is veilig.</translation>
    </message>
    <message>
        <source>The record could not be changed: %1.</source>
        <translation>Het bestand met de antwoorden kon niet worden gewijzigd: %1.</translation>
    </message>
    <message>
        <source>Another program&apos;s file was found beside the record of your children&apos;s answers, where it would have changed the record, so a new one was started. The record, with your children&apos;s earlier answers, is kept untouched together with that file (%2) as:

%1</source>
        <translation>Naast het bestand met de antwoorden van uw kinderen stond een bestand van een ander programma dat het zou hebben veranderd, dus is er een nieuw begonnen. Het oude bestand, met de eerdere antwoorden van uw kinderen, is samen met dat bestand (%2) onaangeroerd bewaard als:

%1</translation>
    </message>
    <message>
        <source>%1 was removed in another window of Numbloom, so %2 practises now, and the answers given since are kept for %2.</source>
        <translation>%1 is in een ander venster van Numbloom verwijderd, dus oefent nu %2, en de antwoorden die sindsdien zijn gegeven, worden voor %2 bewaard.</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Problems Tried:</source>
        <translation>Sommen gemaakt:</translation>
    </message>
    <message>
        <source>Problems Correct:</source>
        <translation>Sommen goed:</translation>
    </message>
    <message>
        <source>Timer Off</source>
        <translation>Klok uit</translation>
    </message>
    <message>
        <source>Elapsed Time: </source>
        <translation>Gebruikte tijd: </translation>
    </message>
    <message>
        <source>Time Per Problem: </source>
        <translation>Tijd per som: </translation>
    </message>
    <message>
        <source> (%1%)</source>
        <comment>the share of right answers, after their count</comment>
        <translation> (%1%)</translation>
    </message>
    <message>
        <source>%1 right, %2 percent</source>
        <comment>how many were right, and their share</comment>
        <translation>%1 goed, %2 procent</translation>
    </message>
    <message>
        <source>The clock was off</source>
        <translation>De klok stond uit</translation>
    </message>
    <message>
        <source>It took %1</source>
        <comment>the time a drill took, in words</comment>
        <translation>Het duurde %1</translation>
    </message>
    <message>
        <source>%1 a problem</source>
        <comment>the time for each problem, in words</comment>
        <translation>%1 per som</translation>
    </message>
    <message numerus="yes">
        <source>%n problems tried</source>
        <comment>the results, read out</comment>
        <translation>
            <numerusform>%n som gemaakt</numerusform>
            <numerusform>%n sommen gemaakt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Numbloom</source>
        <translation>Over Numbloom</translation>
    </message>
    <message>
        <source>Numbloom comes to you free from Brightnook. Enjoy it, and share it with all of your friends! Visit our web site for more children&apos;s software and our programming tutorials. And if your child likes Numbloom, try Wordbloom, our spelling game, too!</source>
        <translation>Numbloom krijg je gratis van Brightnook. Veel plezier ermee en deel het met al je vrienden! Op onze website vind je meer software voor kinderen en onze programmeerlessen. En als uw kind Numbloom leuk vindt, probeer dan ook Wordbloom, ons spellingspel!</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Visit Brightnook&apos;s Web Site</source>
        <translation>&amp;Website van Brightnook</translation>
    </message>
    <message>
        <source>On-Line Access Error</source>
        <translation>Fout bij verbinden met internet</translation>
    </message>
    <message>
        <source>An error has occurred trying to go on-line. Try connecting to the internet in your usual manner and connect to:</source>
        <translation>Er is een fout opgetreden bij het verbinden met internet. Maak op de gewone manier verbinding met internet en ga naar:</translation>
    </message>
</context>
<context>
    <name>frmFacts</name>
    <message>
        <source>My Facts</source>
        <translation>Mijn sommen</translation>
    </message>
    <message>
        <source>The record of answers is not open yet.</source>
        <translation>Het bestand met de antwoorden is nog niet geopend.</translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Toevoegen...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Naam wijzigen...</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <translation>&amp;Verwijderen...</translation>
    </message>
    <message>
        <source>&amp;Known within:</source>
        <translation>&amp;Geleerd binnen:</translation>
    </message>
    <message>
        <source>no time limit</source>
        <translation>geen tijdslimiet</translation>
    </message>
    <message>
        <source>Fact map</source>
        <translation>Overzicht van de sommen</translation>
    </message>
    <message>
        <source>A row for each factor, a column for each first number</source>
        <translation>Een rij voor elke tafel, een kolom voor elk eerste getal</translation>
    </message>
    <message>
        <source>Chosen fact</source>
        <translation>Gekozen som</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totalen</translation>
    </message>
    <message>
        <source>Facts known at the end of each day, the last 30 days</source>
        <translation>Geleerde sommen aan het eind van elke dag, de laatste 30 dagen</translation>
    </message>
    <message>
        <source>&amp;Print for the Parent</source>
        <translation>&amp;Printen voor de ouders</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>Opslaan als C&amp;SV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>known</source>
        <translation>geleerd</translation>
    </message>
    <message>
        <source>getting there</source>
        <translation>bijna geleerd</translation>
    </message>
    <message>
        <source>tricky</source>
        <translation>lastig</translation>
    </message>
    <message>
        <source>not yet tried</source>
        <translation>nog niet geprobeerd</translation>
    </message>
    <message>
        <source>Facts known at the end of each day</source>
        <translation>Geleerde sommen aan het eind van elke dag</translation>
    </message>
    <message>
        <source>%1: not yet tried</source>
        <translation>%1: nog niet geprobeerd</translation>
    </message>
    <message>
        <source>%1: %2, %3 right, last on %4 in %5 s</source>
        <translation>%1: %2, %3 goed, laatst op %4 in %5 s</translation>
    </message>
    <message>
        <source>Add a Child</source>
        <translation>Kind toevoegen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Nieuwe naam voor %1:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>The trickiest facts</source>
        <translation>De lastigste sommen</translation>
    </message>
    <message>
        <source>Numbloom - My Facts of %1</source>
        <translation>Numbloom - Mijn sommen van %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Opslaan als CSV</translation>
    </message>
    <message>
        <source>%1 answers.csv</source>
        <translation>Antwoorden van %1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
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
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 facts known</source>
        <comment>the totals below the map; %1 is all facts, 169</comment>
        <translation>
            <numerusform>Geleerde sommen: %n van %1</numerusform>
            <numerusform>Geleerde sommen: %n van %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems answered</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n som gemaakt</numerusform>
            <numerusform>%n sommen gemaakt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days practised</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n dag geoefend</numerusform>
            <numerusform>%n dagen geoefend</numerusform>
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
            <numerusform>%n poging</numerusform>
            <numerusform>%n pogingen</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1? No answers are kept for them yet.</source>
        <translation>%1 verwijderen? Er zijn nog geen antwoorden bewaard.</translation>
    </message>
    <message numerus="yes">
        <source>Remove %1 and the %n answers kept for them? This cannot be undone.</source>
        <translation>
            <numerusform>%1 en het %n bewaarde antwoord verwijderen? Dit kan niet ongedaan worden gemaakt.</numerusform>
            <numerusform>%1 en de %n bewaarde antwoorden verwijderen? Dit kan niet ongedaan worden gemaakt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 = %2: %n tries, %3 missed</source>
        <comment>a line of the trickiest facts on the parent&apos;s page</comment>
        <translation>
            <numerusform>%1 = %2: %3 van %n poging fout</numerusform>
            <numerusform>%1 = %2: %3 van %n pogingen fout</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - My Facts - %2</source>
        <comment>the heading of the page printed for the parent: the child&apos;s name, the date</comment>
        <translation>%1 - Mijn sommen - %2</translation>
    </message>
    <message>
        <source>Rea&amp;d aloud</source>
        <translation>Voor&amp;lezen</translation>
    </message>
    <message>
        <source>%1 times %2, %3</source>
        <comment>a cell of the fact map, read out</comment>
        <translation>%1 keer %2, %3</translation>
    </message>
    <message>
        <source>%1. Not yet tried.</source>
        <comment>a fact&apos;s story, read out</comment>
        <translation>%1. Nog niet geprobeerd.</translation>
    </message>
    <message>
        <source>%1. %2, %3 right, last on %4 in %5.</source>
        <comment>a fact&apos;s story, read out</comment>
        <translation>%1. %2, %3 goed, laatst op %4 in %5.</translation>
    </message>
    <message>
        <source>Child, %1</source>
        <comment>the child box&apos;s label as a screen reader says it</comment>
        <translation>Kind, %1</translation>
    </message>
    <message>
        <source>Known within, %1</source>
        <comment>the time limit box&apos;s label as a screen reader says it</comment>
        <translation>Geleerd binnen, %1</translation>
    </message>
    <message>
        <source>%1 was not saved, and the file of that name that was there is left as it was.

%2</source>
        <translation>%1 is niet opgeslagen, en het bestand dat al zo heette, blijft zoals het was.

%2</translation>
    </message>
    <message>
        <source>%1 was not saved.

%2</source>
        <translation>%1 is niet opgeslagen.

%2</translation>
    </message>
    <message>
        <source>right within the time limit on the last two days it came up, and likely still right now</source>
        <translation>op de laatste twee dagen dat hij kwam op tijd goed, en nu waarschijnlijk nog steeds goed</translation>
    </message>
    <message>
        <source>likely right now, but not yet right in time on two days</source>
        <translation>nu waarschijnlijk goed, maar nog niet op twee dagen op tijd goed</translation>
    </message>
    <message>
        <source>the last answer was wrong, or a wrong or slow answer is likely now</source>
        <translation>het laatste antwoord was fout, of een fout of traag antwoord is nu waarschijnlijk</translation>
    </message>
    <message>
        <source>not met in a drill yet</source>
        <translation>nog niet in een oefening gekomen</translation>
    </message>
    <message numerus="yes">
        <source>%n getting there (%1 of them tricky now)</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n bijna geleerd (%1 daarvan nu lastig)</numerusform>
            <numerusform>%n bijna geleerd (%1 daarvan nu lastig)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n still to meet</source>
        <comment>the totals below the map: facts not met yet</comment>
        <translation>
            <numerusform>%n nog te komen</numerusform>
            <numerusform>%n nog te komen</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is tricky or getting there now.</source>
        <translation>Nu is er niets lastig of bijna geleerd.</translation>
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
        <translation>De instellingen konden niet worden opgeslagen in
%1

%2</translation>
    </message>
    <message>
        <source>Practice Numbloom</source>
        <translation>Oefenen met Numbloom</translation>
    </message>
    <message>
        <source>Study Numbloom</source>
        <translation>Leren met Numbloom</translation>
    </message>
    <message>
        <source>Stop Practice</source>
        <translation>Oefening stoppen</translation>
    </message>
    <message>
        <source>Tried: </source>
        <translation>Sommen: </translation>
    </message>
    <message>
        <source>Correct: </source>
        <translation>Goed: </translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Bekijken</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Your Answer:</source>
        <translation>Jouw antwoord:</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Goed:</translation>
    </message>
    <message>
        <source>Start Practice</source>
        <translation>Oefening starten</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Leren</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Oefenen</translation>
    </message>
    <message>
        <source>Factor Value</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Click Problem to See Picture</source>
        <translation>Klik op een som voor een plaatje</translation>
    </message>
    <message>
        <source>&amp;Print Facts</source>
        <translation>Tafel &amp;printen</translation>
    </message>
    <message>
        <source>Maximum Multiplier</source>
        <translation>Tot en met</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Uitslag</translation>
    </message>
    <message>
        <source>Problems Tried: 123</source>
        <translation>Sommen gemaakt: 123</translation>
    </message>
    <message>
        <source>Problems Correct: 123 (88%)</source>
        <translation>Sommen goed: 123 (88%)</translation>
    </message>
    <message>
        <source>Elapsed Time: 20:22</source>
        <translation>Gebruikte tijd: 20:22</translation>
    </message>
    <message>
        <source>Time Per Problem: 10.22 sec</source>
        <translation>Tijd per som: 10.22 sec.</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Verder</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>&amp;Info?</source>
        <translation>&amp;Info?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hulp</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Kies</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Werkblad printen</translation>
    </message>
    <message>
        <source>Timer Options</source>
        <translation>Klok</translation>
    </message>
    <message>
        <source>Timer Off</source>
        <translation>Klok uit</translation>
    </message>
    <message>
        <source>On-Count Up</source>
        <translation>Vooruit tellen</translation>
    </message>
    <message>
        <source>On-Count Down</source>
        <translation>Aftellen</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>The settings could not be saved: the program&apos;s folder
%1
cannot be written, and there is no home folder to keep them in.</source>
        <translation>De instellingen konden niet worden opgeslagen: in de programmamap
%1
kan niet worden geschreven, en er is geen persoonlijke map om ze in te bewaren.</translation>
    </message>
    <message>
        <source>&amp;My Facts</source>
        <translation>&amp;Mijn sommen</translation>
    </message>
    <message>
        <source>Nothing is tricky yet.</source>
        <translation>Er is nog niets lastig.</translation>
    </message>
    <message>
        <source>Tricky</source>
        <translation>Lastig</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s) could not be saved: the record could not be written before Numbloom closed.</source>
        <translation>
            <numerusform>%n antwoord kon niet worden opgeslagen: het bestand met de antwoorden kon niet worden geschreven voordat Numbloom sloot.</numerusform>
            <numerusform>%n antwoorden konden niet worden opgeslagen: het bestand met de antwoorden kon niet worden geschreven voordat Numbloom sloot.</numerusform>
        </translation>
    </message>
    <message>
        <source>The answers that waited are saved now.</source>
        <translation>De antwoorden die wachtten, zijn nu opgeslagen.</translation>
    </message>
</context>
</TS>
