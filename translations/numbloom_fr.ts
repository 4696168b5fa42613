<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Aide de Numbloom</translation>
    </message>
    <message>
        <source>Cannot find the help file:
%1</source>
        <translation>Fichier d&apos;aide introuvable&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing support (numbloom-print.so) is missing from the program&apos;s folder.</source>
        <translation>Le module d&apos;impression (numbloom-print.so) est absent du dossier du programme.</translation>
    </message>
    <message>
        <source>Numbloom - free from Brightnook</source>
        <translation>Numbloom - offert par Brightnook</translation>
    </message>
    <message>
        <source>Factor: Random</source>
        <translation>Table&#xa0;: au hasard</translation>
    </message>
    <message>
        <source>Factor: </source>
        <translation>Table&#xa0;: </translation>
    </message>
    <message>
        <source>, Maximum Multiplier: </source>
        <translation>, multiplier jusqu&apos;à&#xa0;: </translation>
    </message>
    <message>
        <source>Problems on Worksheet:

Multiplication (x)
</source>
        <translation>Calculs de la fiche&#xa0;:

Multiplication (x)
</translation>
    </message>
    <message>
        <source>

Make sure printer is on-line and ready.</source>
        <translation>

L&apos;imprimante doit être allumée et prête.</translation>
    </message>
    <message>
        <source>  Score______ Time_______</source>
        <translation>  Score______ Temps_______</translation>
    </message>
    <message>
        <source>Factor is </source>
        <translation>Table de </translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>Impossible de lancer l&apos;impression.</translation>
    </message>
    <message>
        <source>The page could not be finished.</source>
        <translation>Impossible de terminer la page.</translation>
    </message>
    <message>
        <source>The printer %1 is not accepting jobs.</source>
        <translation>L&apos;imprimante %1 n&apos;accepte pas de travaux d&apos;impression.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job.</source>
        <translation>L&apos;imprimante %1 n&apos;a pas accepté le travail d&apos;impression.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the job: %2</source>
        <translation>L&apos;imprimante %1 n&apos;a pas accepté le travail d&apos;impression&#xa0;: %2</translation>
    </message>
    <message>
        <source>The print job on %1 failed and was given up.</source>
        <translation>L&apos;impression sur %1 a échoué et a été abandonnée.</translation>
    </message>
    <message>
        <source>The print job on %1 was cancelled.</source>
        <translation>L&apos;impression sur %1 a été annulée.</translation>
    </message>
    <message>
        <source>The printer %1 is paused; the page waits in its queue until the printer is resumed.</source>
        <translation>L&apos;imprimante %1 est en pause&#xa0;; la page attend dans sa file d&apos;attente jusqu&apos;à la reprise de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>The page is held in the queue of %1 until it is released there.</source>
        <translation>La page est retenue dans la file d&apos;attente de %1 jusqu&apos;à ce qu&apos;elle y soit libérée.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>L&apos;imprimante a signalé une erreur.</translation>
    </message>
    <message>
        <source>No file could be written in %1.</source>
        <translation>Impossible d&apos;écrire un fichier dans %1.</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
    <message>
        <source>No default printer is set, so the page was saved as a PDF file you can print later:

%1

To print straight away next time, choose a default printer in the printer settings.</source>
        <translation>Aucune imprimante par défaut n&apos;est définie&#xa0;; la page a donc été enregistrée dans un fichier PDF que vous pourrez imprimer plus tard&#xa0;:

%1

Pour imprimer directement la prochaine fois, choisissez une imprimante par défaut dans les réglages des imprimantes.</translation>
    </message>
    <message>
        <source>No printer is installed, so the page was saved as a PDF file you can print later:

%1</source>
        <translation>Aucune imprimante n&apos;est installée&#xa0;; la page a donc été enregistrée dans un fichier PDF que vous pourrez imprimer plus tard&#xa0;:

%1</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Aucune imprimante n&apos;est disponible.</translation>
    </message>
    <message>
        <source>The page was not printed.

%1</source>
        <translation>La page n&apos;a pas été imprimée.

%1</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimer une fiche</translation>
    </message>
    <message>
        <source>Numbloom Worksheet</source>
        <translation>Fiche d&apos;exercices Numbloom</translation>
    </message>
    <message>
        <source>Numbloom Facts</source>
        <translation>Table de multiplication Numbloom</translation>
    </message>
    <message>
        <source>What was written of it could not be removed; delete it, it is not a whole page.</source>
        <translation>Ce qui en a été écrit n&apos;a pas pu être supprimé&#xa0;; supprimez ce fichier, il ne contient pas une page entière.</translation>
    </message>
    <message>
        <source>My Facts (numbloom-facts.so) is missing from the program&apos;s folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name has 1 to %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already a child called %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SqliteRecord</name>
    <message>
        <source>The record of your children&apos;s answers could not be read, so a new one was started. The old file is kept, untouched, as:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers cannot be saved for now: the record could not be opened.

%1

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This record was written by a newer version of Numbloom, so this one leaves it as it is and does not record answers. Update Numbloom to see it:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record could not be opened, so answers are not saved:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers cannot be saved for now: the disk is full. Practice goes on, and everything saved before is safe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers cannot be saved for now. Practice goes on, and everything saved before is safe.

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Problems Tried:</source>
        <translation>Calculs faits&#xa0;:</translation>
    </message>
    <message>
        <source>Problems Correct:</source>
        <translation>Calculs justes&#xa0;:</translation>
    </message>
    <message>
        <source>Timer Off</source>
        <translation>Sans chrono</translation>
    </message>
    <message>
        <source>Elapsed Time: </source>
        <translation>Temps passé&#xa0;: </translation>
    </message>
    <message>
        <source>Time Per Problem: </source>
        <translation>Temps par calcul&#xa0;: </translation>
    </message>
    <message>
        <source> (%1%)</source>
        <comment>the share of right answers, after their count</comment>
        <translation> (%1&#xa0;%)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Numbloom</source>
        <translation>À propos de Numbloom</translation>
    </message>
    <message>
        <source>Numbloom comes to you free from Brightnook. Enjoy it, and share it with all of your friends! Visit our web site for more children&apos;s software and our programming tutorials. And if your child likes Numbloom, try Wordbloom, our spelling game, too!</source>
        <translation>Numbloom t&apos;est offert par Brightnook. Amuse-toi bien et partage-le avec tous tes amis&#xa0;! Sur notre site, tu trouveras d&apos;autres logiciels pour enfants et nos cours de programmation. Et si votre enfant aime Numbloom, essayez aussi Wordbloom, notre jeu d&apos;orthographe&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Visit Brightnook&apos;s Web Site</source>
        <translation>&amp;Visiter le site de Brightnook</translation>
    </message>
    <message>
        <source>On-Line Access Error</source>
        <translation>Erreur de connexion à Internet</translation>
    </message>
    <message>
        <source>An error has occurred trying to go on-line. Try connecting to the internet in your usual manner and connect to:</source>
        <translation>Une erreur s&apos;est produite lors de la connexion à Internet. Connectez-vous à Internet comme d&apos;habitude et ouvrez cette adresse&#xa0;:</translation>
    </message>
</context>
<context>
    <name>frmFacts</name>
    <message>
        <source>My Facts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record of answers is not open yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Known within:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Known within</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no time limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fact map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A row for each factor, a column for each first number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chosen fact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facts known at the end of each day, the last 30 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print for the Parent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>getting there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tricky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not yet tried</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facts known: %1 of %2    Problems answered: %3    Days practised: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facts known at the end of each day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not yet tried</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 try</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, %3 right, last on %4 in %5 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a Child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1 and the %2 answers kept for them? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = %2: %3 tries, %4 missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No fact missed yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - My Facts - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trickiest facts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbloom - My Facts of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answers.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was not saved.

%1</source>
        <translation type="unfinished"></translation>
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
        <translation>Impossible d&apos;enregistrer les réglages dans
%1

%2</translation>
    </message>
    <message>
        <source>Practice Numbloom</source>
        <translation>S&apos;exercer avec Numbloom</translation>
    </message>
    <message>
        <source>Study Numbloom</source>
        <translation>Étudier avec Numbloom</translation>
    </message>
    <message>
        <source>Stop Practice</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Tried: </source>
        <translation>Calculs&#xa0;: </translation>
    </message>
    <message>
        <source>Correct: </source>
        <translation>Justes&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Revoir</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Your Answer:</source>
        <translation>Ta réponse&#xa0;:</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Bonne réponse&#xa0;:</translation>
    </message>
    <message>
        <source>Start Practice</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Study</source>
        <translation>Étudier</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>S&apos;exercer</translation>
    </message>
    <message>
        <source>Factor Value</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Hasard</translation>
    </message>
    <message>
        <source>Click Problem to See Picture</source>
        <translation>Clique sur un calcul&#xa0;: dessin&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Print Facts</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Maximum Multiplier</source>
        <translation>Multiplier jusqu&apos;à</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Problems Tried: 123</source>
        <translation>Calculs faits&#xa0;: 123</translation>
    </message>
    <message>
        <source>Problems Correct: 123 (88%)</source>
        <translation>Calculs justes&#xa0;: 123 (88%)</translation>
    </message>
    <message>
        <source>Elapsed Time: 20:22</source>
        <translation>Temps passé&#xa0;: 20:22</translation>
    </message>
    <message>
        <source>Time Per Problem: 10.22 sec</source>
        <translation>Temps par calcul&#xa0;: 10.22 s</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>&amp;Info?</source>
        <translation>&amp;Info&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisis</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimer une fiche</translation>
    </message>
    <message>
        <source>Timer Options</source>
        <translation>Chronomètre</translation>
    </message>
    <message>
        <source>Timer Off</source>
        <translation>Sans chrono</translation>
    </message>
    <message>
        <source>On-Count Up</source>
        <translation>Chrono normal</translation>
    </message>
    <message>
        <source>On-Count Down</source>
        <translation>À rebours</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>The settings could not be saved: the program&apos;s folder
%1
cannot be written, and there is no home folder to keep them in.</source>
        <translation>Impossible d&apos;enregistrer les réglages&#xa0;: le dossier du programme
%1
n&apos;est pas accessible en écriture, et il n&apos;y a pas de dossier personnel pour les garder.</translation>
    </message>
    <message>
        <source>&amp;My Facts</source>
        <translation>&amp;Mes tables</translation>
    </message>
</context>
</TS>
