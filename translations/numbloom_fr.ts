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
    <name>PracticeDrill</name>
    <message>
        <source>The clock is off.</source>
        <translation>L&apos;horloge est arrêtée.</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <comment>how long a drill has run</comment>
        <translation>%1 déjà</translation>
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
        <source>My Facts (numbloom-facts.so) is missing from the program&apos;s folder.</source>
        <translation>Le module «&#xa0;Mes tables&#xa0;» (numbloom-facts.so) est absent du dossier du programme.</translation>
    </message>
    <message>
        <source>Factor: Tricky</source>
        <translation>Table&#xa0;: à revoir</translation>
    </message>
    <message>
        <source>Factor: Tricky (%1)</source>
        <translation>Table&#xa0;: à revoir (%1)</translation>
    </message>
    <message>
        <source>Also print the &amp;answers</source>
        <translation>Imprimer aussi les &amp;réponses</translation>
    </message>
    <message>
        <source>Tricky facts</source>
        <translation>Calculs à revoir</translation>
    </message>
    <message>
        <source>Tricky facts of %1</source>
        <translation>Les calculs à revoir de %1</translation>
    </message>
    <message>
        <source>The next page could not be started.</source>
        <translation>La page suivante n&apos;a pas pu être commencée.</translation>
    </message>
    <message>
        <source>Answers</source>
        <comment>the heading of a worksheet&apos;s answer page</comment>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Read aloud (numbloom-speech.so) is missing from the program&apos;s folder.</source>
        <translation>La lecture à voix haute (numbloom-speech.so) manque dans le dossier du programme.</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>Read aloud needs a voice. Please install the packages speech-dispatcher, speech-dispatcher-espeak-ng and qt6-speech-speechd-plugin.</source>
        <translation>La lecture à voix haute a besoin d&apos;une voix. Installez les paquets speech-dispatcher, speech-dispatcher-espeak-ng et qt6-speech-speechd-plugin.</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>A name has 1 to %1 characters.</source>
        <translation>Le prénom doit comporter de 1 à %1 caractères.</translation>
    </message>
    <message>
        <source>There is already a child called %1.</source>
        <translation>Il y a déjà un enfant qui s&apos;appelle %1.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>son dossier n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>its folder is missing and cannot be made</source>
        <translation>son dossier n&apos;existe pas et ne peut pas être créé</translation>
    </message>
    <message>
        <source>its permissions do not let Numbloom read it</source>
        <translation>ses droits d&apos;accès ne permettent pas à Numbloom de le lire</translation>
    </message>
    <message>
        <source>something that is not a file has its name</source>
        <translation>quelque chose qui n&apos;est pas un fichier porte son nom</translation>
    </message>
    <message>
        <source>another program or another computer is using it</source>
        <translation>un autre programme ou un autre ordinateur l&apos;utilise</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>il n&apos;y a pas de dossier personnel où le garder</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>it was made by another program</source>
        <translation>il a été créé par un autre programme</translation>
    </message>
    <message>
        <source>it was written by a newer Numbloom</source>
        <translation>il a été écrit par une version plus récente de Numbloom</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>il n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>Another computer is writing to the record.</source>
        <translation>Un autre ordinateur écrit dans le fichier des réponses.</translation>
    </message>
    <message>
        <source>The record could not be read.</source>
        <translation>Impossible de lire le fichier des réponses.</translation>
    </message>
    <message>
        <source>Child</source>
        <comment>a child&apos;s name used until the parent renames it</comment>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>The record could not be changed: %1.</source>
        <translation>Impossible de modifier le fichier des réponses&#xa0;: %1.</translation>
    </message>
    <message>
        <source>another program&apos;s file beside it would have changed it</source>
        <translation>le fichier d&apos;un autre programme placé à côté l&apos;aurait modifié</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>What is %1 times %2?</source>
        <comment>a problem read out; never the letter x</comment>
        <translation>Combien font %1 fois %2 ?</translation>
    </message>
    <message>
        <source>%1 times %2 is %3</source>
        <comment>a fact read out; never the letter x or =</comment>
        <translation>%1 fois %2 égale %3</translation>
    </message>
    <message>
        <source>Right.</source>
        <comment>said after a right answer</comment>
        <translation>C&apos;est juste.</translation>
    </message>
    <message>
        <source>Not quite. %1.</source>
        <comment>said after a wrong answer, with the fact</comment>
        <translation>Pas tout à fait. %1.</translation>
    </message>
    <message>
        <source>%1. You said %2. The right answer is %3.</source>
        <comment>a missed problem in the review</comment>
        <translation>%1. Tu as dit %2. La bonne réponse est %3.</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <comment>a problem in the review</comment>
        <translation>%1 fois %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>minutes, then seconds: 1 minute 30 seconds</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <comment>the time a count-down has left</comment>
        <translation>encore %1</translation>
    </message>
    <message>
        <source>Your reward is a gold cup with stars.</source>
        <translation>Ta récompense est une coupe d&apos;or avec des étoiles.</translation>
    </message>
    <message>
        <source>Your reward is a big smiling sun.</source>
        <translation>Ta récompense est un grand soleil souriant.</translation>
    </message>
    <message>
        <source>Your reward is a smiling flower.</source>
        <translation>Ta récompense est une fleur souriante.</translation>
    </message>
    <message>
        <source>Your reward is a rainbow. Keep going!</source>
        <translation>Ta récompense est un arc-en-ciel. Continue !</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>a length of time, read out</comment>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>a length of time, read out</comment>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>%L1 seconds</source>
        <comment>a time with decimals, read out: 1.05 seconds</comment>
        <translation>%L1 secondes</translation>
    </message>
</context>
<context>
    <name>SqliteRecord</name>
    <message>
        <source>The record of your children&apos;s answers could not be read, so a new one was started. The old file is kept, untouched, as:

%1</source>
        <translation>Impossible de lire le fichier des réponses de vos enfants&#xa0;; un nouveau fichier a donc été créé. L&apos;ancien fichier est conservé, intact, sous le nom&#xa0;:

%1</translation>
    </message>
    <message>
        <source>This record was written by a newer version of Numbloom, so this one leaves it as it is and does not record answers. Update Numbloom to see it:
%1</source>
        <translation>Ce fichier a été écrit par une version plus récente de Numbloom&#xa0;; cette version le laisse donc tel quel et n&apos;enregistre pas les réponses. Mettez Numbloom à jour pour le consulter&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The file where Numbloom keeps your children&apos;s answers belongs to another program, so a new record was started. That file is kept, untouched, as:

%1</source>
        <translation>Le fichier où Numbloom garde les réponses de vos enfants appartient à un autre programme&#xa0;; un nouveau fichier a donc été créé. Ce fichier est conservé, intact, sous le nom&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Answers are not saved: the record of your children&apos;s answers could not be opened, because %1.</source>
        <translation>Les réponses ne sont pas enregistrées&#xa0;: impossible d&apos;ouvrir le fichier des réponses de vos enfants, car %1.</translation>
    </message>
    <message>
        <source>Answers are not saved: the record of your children&apos;s answers could not be opened, because %1. The file is left as it is:
%2</source>
        <translation>Les réponses ne sont pas enregistrées&#xa0;: impossible d&apos;ouvrir le fichier des réponses de vos enfants, car %1. Le fichier est laissé tel quel&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Answers cannot be saved for now: %1. Practice goes on: the answers wait and are saved as soon as the record can be written, and everything saved before is safe.</source>
        <translation>Les réponses ne peuvent pas être enregistrées pour le moment&#xa0;: %1. L&apos;entraînement continue&#xa0;: les réponses attendent et seront enregistrées dès que le fichier pourra être écrit, et tout ce qui a été enregistré avant est en sécurité.</translation>
    </message>
    <message>
        <source>The record could not be changed: %1.</source>
        <translation>Impossible de modifier le fichier des réponses&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Another program&apos;s file was found beside the record of your children&apos;s answers, where it would have changed the record, so a new one was started. The record, with your children&apos;s earlier answers, is kept untouched together with that file (%2) as:

%1</source>
        <translation>Un fichier d&apos;un autre programme se trouvait à côté du fichier des réponses de vos enfants et l&apos;aurait modifié&#xa0;; un nouveau fichier a donc été créé. L&apos;ancien fichier, avec les réponses précédentes de vos enfants, est conservé intact avec ce fichier (%2) sous le nom&#xa0;:

%1</translation>
    </message>
    <message>
        <source>%1 was removed in another window of Numbloom, so %2 practises now, and the answers given since are kept for %2.</source>
        <translation>La fiche de %1 a été supprimée dans une autre fenêtre de Numbloom&#xa0;; c&apos;est donc %2 qui s&apos;entraîne maintenant, et les réponses données depuis sont gardées pour %2.</translation>
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
    <message>
        <source>%1 right, %2 percent</source>
        <comment>how many were right, and their share</comment>
        <translation>%1 justes, %2 pour cent</translation>
    </message>
    <message>
        <source>The clock was off</source>
        <translation>L&apos;horloge était arrêtée</translation>
    </message>
    <message>
        <source>It took %1</source>
        <comment>the time a drill took, in words</comment>
        <translation>Cela a pris %1</translation>
    </message>
    <message>
        <source>%1 a problem</source>
        <comment>the time for each problem, in words</comment>
        <translation>%1 par calcul</translation>
    </message>
    <message numerus="yes">
        <source>%n problems tried</source>
        <comment>the results, read out</comment>
        <translation>
            <numerusform>%n calcul essayé</numerusform>
            <numerusform>%n calculs essayés</numerusform>
        </translation>
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
        <translation>Mes tables</translation>
    </message>
    <message>
        <source>The record of answers is not open yet.</source>
        <translation>Le fichier des réponses n&apos;est pas encore ouvert.</translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation>&amp;Enfant&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
    <message>
        <source>&amp;Known within:</source>
        <translation>A&amp;cquis en&#xa0;:</translation>
    </message>
    <message>
        <source>no time limit</source>
        <translation>sans limite de temps</translation>
    </message>
    <message>
        <source>Fact map</source>
        <translation>Tableau des calculs</translation>
    </message>
    <message>
        <source>A row for each factor, a column for each first number</source>
        <translation>Une ligne par table, une colonne par premier nombre</translation>
    </message>
    <message>
        <source>Chosen fact</source>
        <translation>Calcul choisi</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Facts known at the end of each day, the last 30 days</source>
        <translation>Calculs acquis à la fin de chaque jour, sur les 30 derniers jours</translation>
    </message>
    <message>
        <source>&amp;Print for the Parent</source>
        <translation>&amp;Imprimer pour les parents</translation>
    </message>
    <message>
        <source>Save as C&amp;SV...</source>
        <translation>Enregistrer en CS&amp;V...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>known</source>
        <translation>acquis</translation>
    </message>
    <message>
        <source>getting there</source>
        <translation>presque acquis</translation>
    </message>
    <message>
        <source>tricky</source>
        <translation>à revoir</translation>
    </message>
    <message>
        <source>not yet tried</source>
        <translation>pas encore essayé</translation>
    </message>
    <message>
        <source>Facts known at the end of each day</source>
        <translation>Calculs acquis à la fin de chaque jour</translation>
    </message>
    <message>
        <source>%1: not yet tried</source>
        <translation>%1&#xa0;: pas encore essayé</translation>
    </message>
    <message>
        <source>%1: %2, %3 right, last on %4 in %5 s</source>
        <translation>%1&#xa0;: %2, réussi %3 fois, dernier essai le %4 en %5 s</translation>
    </message>
    <message>
        <source>Add a Child</source>
        <translation>Ajouter un enfant</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Prénom&#xa0;:</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Nouveau prénom pour %1&#xa0;:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>The trickiest facts</source>
        <translation>Les calculs à revoir en priorité</translation>
    </message>
    <message>
        <source>Numbloom - My Facts of %1</source>
        <translation>Numbloom - Mes tables - %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>%1 answers.csv</source>
        <translation>%1 - réponses.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
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
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 facts known</source>
        <comment>the totals below the map; %1 is all facts, 169</comment>
        <translation>
            <numerusform>Calculs acquis&#xa0;: %n sur %1</numerusform>
            <numerusform>Calculs acquis&#xa0;: %n sur %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems answered</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n calcul fait</numerusform>
            <numerusform>%n calculs faits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days practised</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n jour d&apos;entraînement</numerusform>
            <numerusform>%n jours d&apos;entraînement</numerusform>
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
            <numerusform>%n essai</numerusform>
            <numerusform>%n essais</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1? No answers are kept for them yet.</source>
        <translation>Supprimer %1&#xa0;? Aucune réponse n&apos;est encore enregistrée pour cet enfant.</translation>
    </message>
    <message numerus="yes">
        <source>Remove %1 and the %n answers kept for them? This cannot be undone.</source>
        <translation>
            <numerusform>Supprimer %1 et %n réponse enregistrée&#xa0;? Cette action est définitive.</numerusform>
            <numerusform>Supprimer %1 et les %n réponses enregistrées&#xa0;? Cette action est définitive.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 = %2: %n tries, %3 missed</source>
        <comment>a line of the trickiest facts on the parent&apos;s page</comment>
        <translation>
            <numerusform>%1 = %2&#xa0;: raté %3 fois sur %n essai</numerusform>
            <numerusform>%1 = %2&#xa0;: raté %3 fois sur %n essais</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - My Facts - %2</source>
        <comment>the heading of the page printed for the parent: the child&apos;s name, the date</comment>
        <translation>%1 - Mes tables - %2</translation>
    </message>
    <message>
        <source>Rea&amp;d aloud</source>
        <translation>Lire à voix &amp;haute</translation>
    </message>
    <message>
        <source>%1 times %2, %3</source>
        <comment>a cell of the fact map, read out</comment>
        <translation>%1 fois %2, %3</translation>
    </message>
    <message>
        <source>%1. Not yet tried.</source>
        <comment>a fact&apos;s story, read out</comment>
        <translation>%1. Pas encore essayé.</translation>
    </message>
    <message>
        <source>%1. %2, %3 right, last on %4 in %5.</source>
        <comment>a fact&apos;s story, read out</comment>
        <translation>%1. %2, %3 justes, la dernière fois le %4 en %5.</translation>
    </message>
    <message>
        <source>Child, %1</source>
        <comment>the child box&apos;s label as a screen reader says it</comment>
        <translation>Enfant&#xa0;, %1</translation>
    </message>
    <message>
        <source>Known within, %1</source>
        <comment>the time limit box&apos;s label as a screen reader says it</comment>
        <translation>Acquis en&#xa0;, %1</translation>
    </message>
    <message>
        <source>%1 was not saved, and the file of that name that was there is left as it was.

%2</source>
        <translation>%1 n&apos;a pas été enregistré, et le fichier qui portait déjà ce nom reste tel qu&apos;il était.

%2</translation>
    </message>
    <message>
        <source>%1 was not saved.

%2</source>
        <translation>%1 n&apos;a pas été enregistré.

%2</translation>
    </message>
    <message>
        <source>right within the time limit on the last two days it came up, and likely still right now</source>
        <translation>juste dans le temps les deux derniers jours où il est venu, et sans doute encore juste maintenant</translation>
    </message>
    <message>
        <source>likely right now, but not yet right in time on two days</source>
        <translation>sans doute juste maintenant, mais pas encore juste dans le temps deux jours de suite</translation>
    </message>
    <message>
        <source>the last answer was wrong, or a wrong or slow answer is likely now</source>
        <translation>la dernière réponse était fausse, ou une réponse fausse ou lente est probable maintenant</translation>
    </message>
    <message>
        <source>not met in a drill yet</source>
        <translation>pas encore venu dans un entraînement</translation>
    </message>
    <message numerus="yes">
        <source>%n getting there (%1 of them tricky now)</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n presque acquis (dont %1 à revoir)</numerusform>
            <numerusform>%n presque acquis (dont %1 à revoir)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n still to meet</source>
        <comment>the totals below the map: facts not met yet</comment>
        <translation>
            <numerusform>%n pas encore vu</numerusform>
            <numerusform>%n pas encore vus</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is tricky or getting there now.</source>
        <translation>Rien n&apos;est à revoir ou presque acquis pour l&apos;instant.</translation>
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
    <message>
        <source>Nothing is tricky yet.</source>
        <translation>Rien à revoir pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Tricky</source>
        <translation>À revoir</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s) could not be saved: the record could not be written before Numbloom closed.</source>
        <translation>
            <numerusform>%n réponse n&apos;a pas pu être enregistrée&#xa0;: le fichier des réponses n&apos;a pas pu être écrit avant la fermeture de Numbloom.</numerusform>
            <numerusform>%n réponses n&apos;ont pas pu être enregistrées&#xa0;: le fichier des réponses n&apos;a pas pu être écrit avant la fermeture de Numbloom.</numerusform>
        </translation>
    </message>
    <message>
        <source>The answers that waited are saved now.</source>
        <translation>Les réponses en attente sont maintenant enregistrées.</translation>
    </message>
</context>
</TS>
