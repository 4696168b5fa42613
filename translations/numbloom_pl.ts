<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
        <translation>Pomoc programu Numbloom</translation>
    </message>
    <message>
        <source>Cannot find the help file:
%1</source>
        <translation>Nie można znaleźć pliku pomocy:
%1</translation>
    </message>
</context>
<context>
    <name>PracticeDrill</name>
    <message>
        <source>The clock is off.</source>
        <translation>Zegar jest wyłączony.</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <comment>how long a drill has run</comment>
        <translation>%1 do tej pory</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing support (numbloom-print.so) is missing from the program&apos;s folder.</source>
        <translation>W folderze programu brakuje obsługi drukowania (numbloom-print.so).</translation>
    </message>
    <message>
        <source>Numbloom - free from Brightnook</source>
        <translation>Numbloom - za darmo od Brightnook</translation>
    </message>
    <message>
        <source>Factor: Random</source>
        <translation>Mnożymy przez: losowo</translation>
    </message>
    <message>
        <source>Factor: </source>
        <translation>Mnożymy przez: </translation>
    </message>
    <message>
        <source>, Maximum Multiplier: </source>
        <translation>, mnożymy do: </translation>
    </message>
    <message>
        <source>Problems on Worksheet:

Multiplication (x)
</source>
        <translation>Działania na karcie pracy:

Mnożenie (x)
</translation>
    </message>
    <message>
        <source>

Make sure printer is on-line and ready.</source>
        <translation>

Drukarka musi być włączona i gotowa.</translation>
    </message>
    <message>
        <source>  Score______ Time_______</source>
        <translation>  Wynik______ Czas_______</translation>
    </message>
    <message>
        <source>Factor is </source>
        <translation>Mnożenie przez </translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>Nie udało się rozpocząć drukowania.</translation>
    </message>
    <message>
        <source>The page could not be finished.</source>
        <translation>Nie udało się dokończyć strony.</translation>
    </message>
    <message>
        <source>The printer %1 is not accepting jobs.</source>
        <translation>Drukarka %1 nie przyjmuje zadań.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job.</source>
        <translation>Drukarka %1 nie przyjęła zadania.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job: %2</source>
        <translation>Drukarka %1 nie przyjęła zadania: %2</translation>
    </message>
    <message>
        <source>The print job on %1 failed and was given up.</source>
        <translation>Drukowanie na drukarce %1 nie powiodło się i zostało przerwane.</translation>
    </message>
    <message>
        <source>The print job on %1 was cancelled.</source>
        <translation>Drukowanie na drukarce %1 zostało anulowane.</translation>
    </message>
    <message>
        <source>The printer %1 is paused; the page waits in its queue until the printer is resumed.</source>
        <translation>Drukarka %1 jest wstrzymana; strona czeka w kolejce, aż drukarka zostanie wznowiona.</translation>
    </message>
    <message>
        <source>The page is held in the queue of %1 until it is released there.</source>
        <translation>Strona jest wstrzymana w kolejce drukarki %1, dopóki nie zostanie tam zwolniona.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>Drukarka zgłosiła błąd.</translation>
    </message>
    <message>
        <source>No file could be written in %1.</source>
        <translation>Nie udało się zapisać pliku w folderze %1.</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Nie udało się zapisać pliku %1.</translation>
    </message>
    <message>
        <source>No default printer is set, so the page was saved as a PDF file you can print later:

%1

To print straight away next time, choose a default printer in the printer settings.</source>
        <translation>Nie ustawiono drukarki domyślnej, więc strona została zapisana jako plik PDF, który można wydrukować później:

%1

Aby następnym razem drukować od razu, wybierz drukarkę domyślną w ustawieniach drukarek.</translation>
    </message>
    <message>
        <source>No printer is installed, so the page was saved as a PDF file you can print later:

%1</source>
        <translation>Nie zainstalowano żadnej drukarki, więc strona została zapisana jako plik PDF, który można wydrukować później:

%1</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Brak dostępnej drukarki.</translation>
    </message>
    <message>
        <source>The page was not printed.

%1</source>
        <translation>Strona nie została wydrukowana.

%1</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Drukuj kartę pracy</translation>
    </message>
    <message>
        <source>Numbloom Worksheet</source>
        <translation>Karta pracy Numbloom</translation>
    </message>
    <message>
        <source>Numbloom Facts</source>
        <translation>Tabliczka mnożenia Numbloom</translation>
    </message>
    <message>
        <source>My Facts (numbloom-facts.so) is missing from the program&apos;s folder.</source>
        <translation>W folderze programu brakuje modułu „Moje działania” (numbloom-facts.so).</translation>
    </message>
    <message>
        <source>Factor: Tricky</source>
        <translation>Trudne działania</translation>
    </message>
    <message>
        <source>Factor: Tricky (%1)</source>
        <translation>Trudne działania (%1)</translation>
    </message>
    <message>
        <source>Also print the &amp;answers</source>
        <translation>Drukuj też &amp;odpowiedzi</translation>
    </message>
    <message>
        <source>Tricky facts</source>
        <translation>Trudne działania</translation>
    </message>
    <message>
        <source>Tricky facts of %1</source>
        <translation>Trudne działania: %1</translation>
    </message>
    <message>
        <source>The next page could not be started.</source>
        <translation>Nie udało się zacząć następnej strony.</translation>
    </message>
    <message>
        <source>Answers</source>
        <comment>the heading of a worksheet&apos;s answer page</comment>
        <translation>Odpowiedzi</translation>
    </message>
    <message>
        <source>Read aloud (numbloom-speech.so) is missing from the program&apos;s folder.</source>
        <translation>Czytania na głos (numbloom-speech.so) brakuje w folderze programu.</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>Read aloud needs a voice. Please install the packages speech-dispatcher, speech-dispatcher-espeak-ng and qt6-speech-speechd-plugin.</source>
        <translation>Do czytania na głos potrzebny jest głos. Zainstaluj pakiety speech-dispatcher, speech-dispatcher-espeak-ng i qt6-speech-speechd-plugin.</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>A name has 1 to %1 characters.</source>
        <translation>Imię może mieć od 1 do %1 znaków.</translation>
    </message>
    <message>
        <source>There is already a child called %1.</source>
        <translation>Jest już dziecko o imieniu %1.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>nie można zapisywać w jego folderze</translation>
    </message>
    <message>
        <source>its folder is missing and cannot be made</source>
        <translation>jego folder nie istnieje i nie da się go utworzyć</translation>
    </message>
    <message>
        <source>its permissions do not let Numbloom read it</source>
        <translation>jego uprawnienia nie pozwalają programowi Numbloom go odczytać</translation>
    </message>
    <message>
        <source>something that is not a file has its name</source>
        <translation>coś, co nie jest plikiem, ma jego nazwę</translation>
    </message>
    <message>
        <source>another program or another computer is using it</source>
        <translation>używa go inny program albo inny komputer</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>nie ma folderu domowego, w którym można by go trzymać</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>jest uszkodzony</translation>
    </message>
    <message>
        <source>it was made by another program</source>
        <translation>został utworzony przez inny program</translation>
    </message>
    <message>
        <source>it was written by a newer Numbloom</source>
        <translation>został zapisany przez nowszą wersję programu Numbloom</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>nie udało się go zapisać</translation>
    </message>
    <message>
        <source>Another computer is writing to the record.</source>
        <translation>Inny komputer zapisuje właśnie plik z odpowiedziami.</translation>
    </message>
    <message>
        <source>The record could not be read.</source>
        <translation>Nie udało się odczytać pliku z odpowiedziami.</translation>
    </message>
    <message>
        <source>Child</source>
        <comment>a child&apos;s name used until the parent renames it</comment>
        <translation>Dziecko</translation>
    </message>
    <message>
        <source>The record could not be changed: %1.</source>
        <translation>Nie udało się zmienić pliku z odpowiedziami: %1.</translation>
    </message>
    <message>
        <source>another program&apos;s file beside it would have changed it</source>
        <translation>plik innego programu obok niego zmieniłby go</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>plik jest tylko do odczytu</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>What is %1 times %2?</source>
        <comment>a problem read out; never the letter x</comment>
        <translation>Ile to jest %1 razy %2?</translation>
    </message>
    <message>
        <source>%1 times %2 is %3</source>
        <comment>a fact read out; never the letter x or =</comment>
        <translation>%1 razy %2 to %3</translation>
    </message>
    <message>
        <source>Right.</source>
        <comment>said after a right answer</comment>
        <translation>Dobrze.</translation>
    </message>
    <message>
        <source>Not quite. %1.</source>
        <comment>said after a wrong answer, with the fact</comment>
        <translation>Prawie. %1.</translation>
    </message>
    <message>
        <source>%1. You said %2. The right answer is %3.</source>
        <comment>a missed problem in the review</comment>
        <translation>%1. Twoja odpowiedź to %2. Dobra odpowiedź to %3.</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <comment>a problem in the review</comment>
        <translation>%1 razy %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>minutes, then seconds: 1 minute 30 seconds</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the time a count-down has left</comment>
        <translation>zostało %1</translation>
    </message>
    <message>
        <source>Your reward is a gold cup with stars.</source>
        <translation>Twoja nagroda to złoty puchar z gwiazdkami.</translation>
    </message>
    <message>
        <source>Your reward is a big smiling sun.</source>
        <translation>Twoja nagroda to duże uśmiechnięte słońce.</translation>
    </message>
    <message>
        <source>Your reward is a smiling flower.</source>
        <translation>Twoja nagroda to uśmiechnięty kwiatek.</translation>
    </message>
    <message>
        <source>Your reward is a rainbow. Keep going!</source>
        <translation>Twoja nagroda to tęcza. Tak trzymaj!</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>a length of time, read out</comment>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>a length of time, read out</comment>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>%L1 seconds</source>
        <comment>a time with decimals, read out: 1.05 seconds</comment>
        <translation>%L1 sekundy</translation>
    </message>
</context>
<context>
    <name>SqliteRecord</name>
    <message>
        <source>The record of your children&apos;s answers could not be read, so a new one was started. The old file is kept, untouched, as:

%1</source>
        <translation>Nie udało się odczytać pliku z odpowiedziami Twoich dzieci, więc utworzono nowy. Stary plik został zachowany bez zmian jako:

%1</translation>
    </message>
    <message>
        <source>This record was written by a newer version of Numbloom, so this one leaves it as it is and does not record answers. Update Numbloom to see it:
%1</source>
        <translation>Ten plik został zapisany przez nowszą wersję programu Numbloom, więc ta wersja zostawia go bez zmian i nie zapisuje odpowiedzi. Zaktualizuj program Numbloom, aby go zobaczyć:
%1</translation>
    </message>
    <message>
        <source>The file where Numbloom keeps your children&apos;s answers belongs to another program, so a new record was started. That file is kept, untouched, as:

%1</source>
        <translation>Plik, w którym Numbloom przechowuje odpowiedzi Twoich dzieci, należy do innego programu, więc utworzono nowy. Tamten plik został zachowany bez zmian jako:

%1</translation>
    </message>
    <message>
        <source>Answers are not saved: the record of your children&apos;s answers could not be opened, because %1.</source>
        <translation>Odpowiedzi nie są zapisywane: nie udało się otworzyć pliku z odpowiedziami Twoich dzieci, ponieważ %1.</translation>
    </message>
    <message>
        <source>Answers are not saved: the record of your children&apos;s answers could not be opened, because %1. The file is left as it is:
%2</source>
        <translation>Odpowiedzi nie są zapisywane: nie udało się otworzyć pliku z odpowiedziami Twoich dzieci, ponieważ %1. Plik zostaje bez zmian:
%2</translation>
    </message>
    <message>
        <source>Answers cannot be saved for now: %1. Practice goes on: the answers wait and are saved as soon as the record can be written, and everything saved before is safe.</source>
        <translation>Na razie nie można zapisywać odpowiedzi: %1. Ćwiczenie trwa dalej: odpowiedzi czekają i zostaną zapisane, gdy tylko da się zapisać plik, a wszystko, co zapisano wcześniej, jest bezpieczne.</translation>
    </message>
    <message>
        <source>The record could not be changed: %1.</source>
        <translation>Nie udało się zmienić pliku z odpowiedziami: %1.</translation>
    </message>
    <message>
        <source>Another program&apos;s file was found beside the record of your children&apos;s answers, where it would have changed the record, so a new one was started. The record, with your children&apos;s earlier answers, is kept untouched together with that file (%2) as:

%1</source>
        <translation>Obok pliku z odpowiedziami Twoich dzieci znaleziono plik innego programu, który by go zmienił, więc utworzono nowy. Stary plik z wcześniejszymi odpowiedziami Twoich dzieci został zachowany bez zmian razem z tamtym plikiem (%2) jako:

%1</translation>
    </message>
    <message>
        <source>%1 was removed in another window of Numbloom, so %2 practises now, and the answers given since are kept for %2.</source>
        <translation>W innym oknie Numbloom usunięto: %1. Teraz ćwiczy %2, a odpowiedzi udzielone od tej chwili są zapisywane dla: %2.</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Problems Tried:</source>
        <translation>Rozwiązane działania:</translation>
    </message>
    <message>
        <source>Problems Correct:</source>
        <translation>Dobrze rozwiązane:</translation>
    </message>
    <message>
        <source>Timer Off</source>
        <translation>Bez zegara</translation>
    </message>
    <message>
        <source>Elapsed Time: </source>
        <translation>Czas ćwiczenia: </translation>
    </message>
    <message>
        <source>Time Per Problem: </source>
        <translation>Czas na działanie: </translation>
    </message>
    <message>
        <source> (%1%)</source>
        <comment>the share of right answers, after their count</comment>
        <translation> (%1%)</translation>
    </message>
    <message>
        <source>%1 right, %2 percent</source>
        <comment>how many were right, and their share</comment>
        <translation>%1 dobrze, %2 procent</translation>
    </message>
    <message>
        <source>The clock was off</source>
        <translation>Zegar był wyłączony</translation>
    </message>
    <message>
        <source>It took %1</source>
        <comment>the time a drill took, in words</comment>
        <translation>Zajęło to %1</translation>
    </message>
    <message>
        <source>%1 a problem</source>
        <comment>the time for each problem, in words</comment>
        <translation>%1 na działanie</translation>
    </message>
    <message numerus="yes">
        <source>%n problems tried</source>
        <comment>the results, read out</comment>
        <translation>
            <numerusform>%n działanie</numerusform>
            <numerusform>%n działania</numerusform>
            <numerusform>%n działań</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Numbloom</source>
        <translation>O programie Numbloom</translation>
    </message>
    <message>
        <source>Numbloom comes to you free from Brightnook. Enjoy it, and share it with all of your friends! Visit our web site for more children&apos;s software and our programming tutorials. And if your child likes Numbloom, try Wordbloom, our spelling game, too!</source>
        <translation>Numbloom dostajesz za darmo od firmy Brightnook. Baw się dobrze i podziel się nim ze wszystkimi przyjaciółmi! Na naszej stronie znajdziesz więcej programów dla dzieci i nasze kursy programowania. A jeśli Twoje dziecko polubi program Numbloom, wypróbuj też Wordbloom, naszą grę ortograficzną!</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Visit Brightnook&apos;s Web Site</source>
        <translation>Odwiedź &amp;stronę Brightnook</translation>
    </message>
    <message>
        <source>On-Line Access Error</source>
        <translation>Błąd połączenia z internetem</translation>
    </message>
    <message>
        <source>An error has occurred trying to go on-line. Try connecting to the internet in your usual manner and connect to:</source>
        <translation>Wystąpił błąd podczas łączenia z internetem. Połącz się z internetem w zwykły sposób i otwórz adres:</translation>
    </message>
</context>
<context>
    <name>frmFacts</name>
    <message>
        <source>My Facts</source>
        <translation>Moje działania</translation>
    </message>
    <message>
        <source>The record of answers is not open yet.</source>
        <translation>Plik z odpowiedziami nie jest jeszcze otwarty.</translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation>&amp;Dziecko:</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>Dod&amp;aj...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>Zmień &amp;imię...</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <translation>&amp;Usuń...</translation>
    </message>
    <message>
        <source>&amp;Known within:</source>
        <translation>&amp;Opanowane w czasie:</translation>
    </message>
    <message>
        <source>no time limit</source>
        <translation>bez limitu czasu</translation>
    </message>
    <message>
        <source>Fact map</source>
        <translation>Mapa działań</translation>
    </message>
    <message>
        <source>A row for each factor, a column for each first number</source>
        <translation>Wiersz dla każdej liczby, przez którą mnożymy, kolumna dla każdej pierwszej liczby</translation>
    </message>
    <message>
        <source>Chosen fact</source>
        <translation>Wybrane działanie</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Facts known at the end of each day, the last 30 days</source>
        <translation>Opanowane działania na koniec każdego dnia, ostatnie 30 dni</translation>
    </message>
    <message>
        <source>&amp;Print for the Parent</source>
        <translation>Drukuj dla &amp;rodziców</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>Zapisz jako C&amp;SV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>known</source>
        <translation>opanowane</translation>
    </message>
    <message>
        <source>getting there</source>
        <translation>prawie opanowane</translation>
    </message>
    <message>
        <source>tricky</source>
        <translation>trudne</translation>
    </message>
    <message>
        <source>not yet tried</source>
        <translation>jeszcze bez prób</translation>
    </message>
    <message>
        <source>Facts known at the end of each day</source>
        <translation>Opanowane działania na koniec każdego dnia</translation>
    </message>
    <message>
        <source>%1: not yet tried</source>
        <translation>%1: jeszcze bez prób</translation>
    </message>
    <message>
        <source>%1: %2, %3 right, last on %4 in %5 s</source>
        <translation>%1: %2, dobrze: %3, ostatnio %4, w %5 s</translation>
    </message>
    <message>
        <source>Add a Child</source>
        <translation>Dodaj dziecko</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień imię</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Zmień imię „%1” na:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>The trickiest facts</source>
        <translation>Najtrudniejsze działania</translation>
    </message>
    <message>
        <source>Numbloom - My Facts of %1</source>
        <translation>Numbloom - Moje działania - %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Zapisz jako CSV</translation>
    </message>
    <message>
        <source>%1 answers.csv</source>
        <translation>%1 - odpowiedzi.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
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
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 facts known</source>
        <comment>the totals below the map; %1 is all facts, 169</comment>
        <translation>
            <numerusform>Opanowane działania: %n z %1</numerusform>
            <numerusform>Opanowane działania: %n z %1</numerusform>
            <numerusform>Opanowane działania: %n z %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems answered</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n rozwiązane działanie</numerusform>
            <numerusform>%n rozwiązane działania</numerusform>
            <numerusform>%n rozwiązanych działań</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days practised</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n dzień ćwiczeń</numerusform>
            <numerusform>%n dni ćwiczeń</numerusform>
            <numerusform>%n dni ćwiczeń</numerusform>
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
            <numerusform>%n próba</numerusform>
            <numerusform>%n próby</numerusform>
            <numerusform>%n prób</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1? No answers are kept for them yet.</source>
        <translation>Usunąć dziecko o imieniu %1? Nie ma jeszcze zapisanych odpowiedzi.</translation>
    </message>
    <message numerus="yes">
        <source>Remove %1 and the %n answers kept for them? This cannot be undone.</source>
        <translation>
            <numerusform>Usunąć dziecko o imieniu %1 i %n zapisaną odpowiedź? Tego nie można cofnąć.</numerusform>
            <numerusform>Usunąć dziecko o imieniu %1 i %n zapisane odpowiedzi? Tego nie można cofnąć.</numerusform>
            <numerusform>Usunąć dziecko o imieniu %1 i %n zapisanych odpowiedzi? Tego nie można cofnąć.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 = %2: %n tries, %3 missed</source>
        <comment>a line of the trickiest facts on the parent&apos;s page</comment>
        <translation>
            <numerusform>%1 = %2: %n próba, źle: %3</numerusform>
            <numerusform>%1 = %2: %n próby, źle: %3</numerusform>
            <numerusform>%1 = %2: %n prób, źle: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - My Facts - %2</source>
        <comment>the heading of the page printed for the parent: the child&apos;s name, the date</comment>
        <translation>%1 - Moje działania - %2</translation>
    </message>
    <message>
        <source>Rea&amp;d aloud</source>
        <translation>Czytaj na &amp;głos</translation>
    </message>
    <message>
        <source>%1 times %2, %3</source>
        <comment>a cell of the fact map, read out</comment>
        <translation>%1 razy %2, %3</translation>
    </message>
    <message>
        <source>%1. Not yet tried.</source>
        <comment>a fact&apos;s story, read out</comment>
        <translation>%1. Jeszcze bez prób.</translation>
    </message>
    <message>
        <source>%1. %2, %3 right, last on %4 in %5.</source>
        <comment>a fact&apos;s story, read out</comment>
        <translation>%1. %2, dobrze %3, ostatnio %4 w %5.</translation>
    </message>
    <message>
        <source>Child, %1</source>
        <comment>the child box&apos;s label as a screen reader says it</comment>
        <translation>Dziecko, %1</translation>
    </message>
    <message>
        <source>Known within, %1</source>
        <comment>the time limit box&apos;s label as a screen reader says it</comment>
        <translation>Opanowane w czasie, %1</translation>
    </message>
    <message>
        <source>%1 was not saved, and the file of that name that was there is left as it was.

%2</source>
        <translation>Nie zapisano pliku %1, a plik, który już miał tę nazwę, pozostał bez zmian.

%2</translation>
    </message>
    <message>
        <source>%1 was not saved.

%2</source>
        <translation>Nie zapisano pliku %1.

%2</translation>
    </message>
    <message>
        <source>right within the time limit on the last two days it came up, and likely still right now</source>
        <translation>dobrze w czasie w dwóch ostatnich dniach, kiedy się pojawiło, i pewnie nadal dobrze teraz</translation>
    </message>
    <message>
        <source>likely right now, but not yet right in time on two days</source>
        <translation>teraz pewnie dobrze, ale jeszcze nie dobrze w czasie w dwóch dniach</translation>
    </message>
    <message>
        <source>the last answer was wrong, or a wrong or slow answer is likely now</source>
        <translation>ostatnia odpowiedź była zła albo teraz zła lub wolna odpowiedź jest prawdopodobna</translation>
    </message>
    <message>
        <source>not met in a drill yet</source>
        <translation>jeszcze nie pojawiło się w ćwiczeniu</translation>
    </message>
    <message numerus="yes">
        <source>%n getting there (%1 of them tricky now)</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n prawie opanowane (w tym teraz trudne: %1)</numerusform>
            <numerusform>%n prawie opanowane (w tym teraz trudne: %1)</numerusform>
            <numerusform>%n prawie opanowanych (w tym teraz trudne: %1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n still to meet</source>
        <comment>the totals below the map: facts not met yet</comment>
        <translation>
            <numerusform>%n jeszcze przed nami</numerusform>
            <numerusform>%n jeszcze przed nami</numerusform>
            <numerusform>%n jeszcze przed nami</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is tricky or getting there now.</source>
        <translation>Teraz nic nie jest trudne ani prawie opanowane.</translation>
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
        <translation>Nie udało się zapisać ustawień w pliku
%1

%2</translation>
    </message>
    <message>
        <source>Practice Numbloom</source>
        <translation>Ćwicz z Numbloomem</translation>
    </message>
    <message>
        <source>Study Numbloom</source>
        <translation>Ucz się z Numbloomem</translation>
    </message>
    <message>
        <source>Stop Practice</source>
        <translation>Przestań ćwiczyć</translation>
    </message>
    <message>
        <source>Tried: </source>
        <translation>Działania: </translation>
    </message>
    <message>
        <source>Correct: </source>
        <translation>Dobrze: </translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Sprawdź</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Your Answer:</source>
        <translation>Twój wynik:</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Dobry wynik:</translation>
    </message>
    <message>
        <source>Start Practice</source>
        <translation>Zacznij ćwiczyć</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Ucz się</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Ćwicz</translation>
    </message>
    <message>
        <source>Factor Value</source>
        <translation>Mnożymy przez</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Losowo</translation>
    </message>
    <message>
        <source>Click Problem to See Picture</source>
        <translation>Kliknij działanie i zobacz obrazek</translation>
    </message>
    <message>
        <source>&amp;Print Facts</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>Maximum Multiplier</source>
        <translation>Mnożymy do</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Problems Tried: 123</source>
        <translation>Rozwiązane działania: 123</translation>
    </message>
    <message>
        <source>Problems Correct: 123 (88%)</source>
        <translation>Dobrze rozwiązane: 123 (88%)</translation>
    </message>
    <message>
        <source>Elapsed Time: 20:22</source>
        <translation>Czas ćwiczenia: 20:22</translation>
    </message>
    <message>
        <source>Time Per Problem: 10.22 sec</source>
        <translation>Czas na działanie: 10.22 sek.</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Da&amp;lej</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>&amp;Info?</source>
        <translation>&amp;Info?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Wyjdź</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Drukuj kartę pracy</translation>
    </message>
    <message>
        <source>Timer Options</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>Timer Off</source>
        <translation>Bez zegara</translation>
    </message>
    <message>
        <source>On-Count Up</source>
        <translation>Liczy w górę</translation>
    </message>
    <message>
        <source>On-Count Down</source>
        <translation>Liczy w dół</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Przerwa</translation>
    </message>
    <message>
        <source>The settings could not be saved: the program&apos;s folder
%1
cannot be written, and there is no home folder to keep them in.</source>
        <translation>Nie udało się zapisać ustawień: w folderze programu
%1
nie można zapisywać, a nie ma folderu domowego, w którym można by je przechować.</translation>
    </message>
    <message>
        <source>&amp;My Facts</source>
        <translation>&amp;Moje działania</translation>
    </message>
    <message>
        <source>Nothing is tricky yet.</source>
        <translation>Na razie nic nie jest trudne.</translation>
    </message>
    <message>
        <source>Tricky</source>
        <translation>Trudne</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s) could not be saved: the record could not be written before Numbloom closed.</source>
        <translation>
            <numerusform>%n odpowiedź nie została zapisana: nie udało się zapisać pliku z odpowiedziami przed zamknięciem programu Numbloom.</numerusform>
            <numerusform>%n odpowiedzi nie zostały zapisane: nie udało się zapisać pliku z odpowiedziami przed zamknięciem programu Numbloom.</numerusform>
            <numerusform>%n odpowiedzi nie zostało zapisanych: nie udało się zapisać pliku z odpowiedziami przed zamknięciem programu Numbloom.</numerusform>
        </translation>
    </message>
    <message>
        <source>The answers that waited are saved now.</source>
        <translation>Odpowiedzi, które czekały, są już zapisane.</translation>
    </message>
</context>
</TS>
